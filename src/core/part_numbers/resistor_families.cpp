// Chip resistors' part numbers, each family from its maker's ordering information:
//   Yageo RC: Yageo, General Purpose Chip Resistors RC_L series data sheet, March 6, 2018
//     V.9, page 2 «Global part number», its packaging and reel codes with their sizes.
//   Yageo AC: Yageo, Automotive Grade Chip Resistors AC series data sheet, August 2, 2022 V.9,
//     page 2 «Global part number».
//   TE CRG: TE Connectivity, Thick Film Chip Resistors Type CRG Series, 1773204 Rev J
//     12/2018, «Electrical Characteristics» (the sizes, their power, the code letters), and
//     the part numbers its data sheets are filed under for the value (CRG0805F0K332).
//   Vishay CRCW: Vishay, D/CRCW e3 Standard Thick Film Chip Resistors data sheet, document
//     20035, revision 23-Apr-2021, «Part number information» and «Technical data» (1218 a
//     size of its own, 1 W); the CRCW…C e3 Commodity and CRCW-HP e3 Pulse Proof, High Power
//     data sheets, page 1.
//   Panasonic ERJ: Panasonic, Thick Film Chip Resistors (ERJ XG, 1G, 2G, 3G, 6G, 8G, 14, 12,
//     12Z, 1T) and Precision Thick Film Chip Resistors (ERJ 1G, 2R, 3E, 6E, 8E, 14, 12, 12S,
//     1T), 2015 Fixed Resistors catalog, «Explanation of part numbers»; Anti-Surge Thick Film
//     Chip Resistors (ERJ PA2, P03, PA3, P06, P08, P14) and Anti-Sulfurated Anti-Surge (ERJ UP3,
//     UP6, UP8) data sheets, «Explanation of part numbers» and «Packaging methods»; High
//     Precision Thick Film Chip Resistors (ERJ 1R, 2R, 3R, 6R), 04 Feb 2014, the same.
//   UniOhm: Uniroyal Electronics, Thick Film Chip Resistors data sheet, «Part numbering»
//     (the sheet carries no revision); the 2007-2008 catalogue, page 4 «Ordering procedure»
//     (the small sizes' power codes SA, S8, S4, and J, K, L as the multipliers below one).
//   ROHM MCR, ESR, KTR: ROHM, Thick film chip resistors MCR series data sheet 2017.12 Rev.O,
//     «Part number description» and «Products list», and the 2012 editions (Rev.B, D; the
//     older type codes); Anti-surge ESR series (2012.07 Rev.A and the 2016 edition, its power
//     per size); High voltage KTR series 2018.09 Rev.F.
//   Panasonic ERA: Panasonic, Metal Film (Thin Film) Chip Resistors ERA 1A, 2A, 3A, 6A, 8A,
//     AOA0000C237, «Explanation of Part Numbers»: an E24 value in three figures.
//   Yageo RT: Yageo, Thin Film Chip Resistors RT series data sheet, May 11, 2015 V.6, page 2
//     «Ordering information - Global part number»; its example RT0603DRE0756RL.
//   Stackpole RMCF, RMCP: Stackpole, RMCF / RMCP Series data sheet, Rev Date 01/19/2021, page 1
//     (the types and sizes); the letters and the four-character value as Stackpole's own
//     part search lists its numbers (RMCF0603FT10K0, FG10K0, FB10K0; ZT0R00).
//   Samsung RC: Samsung Electro-Mechanics, Thick Film Chip Resistors (RC Series)
//     data sheet, «Part Number Description».
//   KOA RK73: KOA Speer, RK73H precision thick film chip resistor data sheet, 4/27/11,
//     «ordering information»; RK73B and RK73Z data sheets of the same set.
#include "core/part_numbers/families.h"

namespace vantrel::parts {
namespace {

using F = Field;
using value::Quantity;

constexpr Code kHyphen[] = {{"-"}};

// Yageo RC: RC 0603 F R - 07 10K L. The hyphen stands for the TCR field, "based on the data
// sheet", which is no figure.
constexpr Code kRc[] = {{"RC"}};
// The packaging and the reel follow the size: S, an ESD-safe reel, and 7N, its 7-inch one, for
// 01005 alone; paper (R) to 1210, embossed tape (K) from 0805.
constexpr std::string_view kYageoPaper = "R 07 10 13 7W 3W";
constexpr std::string_view kYageoEither = "R K 07 10 13 7W 3W";
constexpr std::string_view kYageoEmbossed = "K 07 10 13 7W 3W";
constexpr Code kYageoSizes[] = {
    {"0100", "01005", {}, "R S 07 7N 10 13"}, {"0201", "0201", {}, kYageoPaper},
    {"0402", "0402", {}, kYageoPaper},        {"0603", "0603", {}, kYageoPaper},
    {"0805", "0805", {}, kYageoEither},       {"1206", "1206", {}, kYageoEither},
    {"1210", "1210", {}, kYageoEither},       {"1218", "1218", {}, kYageoEmbossed},
    {"2010", "2010", {}, kYageoEmbossed},     {"2512", "2512", {}, kYageoEmbossed}};
constexpr Code kYageoTolerances[] = {{"F", "1"}, {"B", "0.1"}, {"D", "0.5"}, {"J", "5"}};
// Yageo AC, the automotive grade: 0201 to 2512, ±0,5 %, ±1 % and ±5 %.
constexpr Code kAc[] = {{"AC"}};
constexpr Code kYageoAcSizes[] = {
    {"0201", "0201", {}, kYageoPaper},    {"0402", "0402", {}, kYageoPaper},
    {"0603", "0603", {}, kYageoPaper},    {"0805", "0805", {}, kYageoEither},
    {"1206", "1206", {}, kYageoEither},   {"1210", "1210", {}, kYageoEither},
    {"2010", "2010", {}, kYageoEmbossed}, {"2512", "2512", {}, kYageoEmbossed}};
constexpr Code kYageoAcTolerances[] = {{"F", "1"}, {"D", "0.5"}, {"J", "5"}};
constexpr Code kYageoPackaging[] = {{"R"}, {"K"}, {"S"}};
constexpr Code kYageoReels[] = {{"07"}, {"10"}, {"13"}, {"7N"}, {"7W"}, {"3W"}};
constexpr Code kLeadFree[] = {{"L"}};
template <const auto& series, const auto& sizes, const auto& tolerances>
constexpr Piece kYageo[] = {{F::Text, series},
                            {F::Size, sizes},
                            {F::Tolerance, tolerances},
                            {F::Text, kYageoPackaging, ValueStyle::Digits3, Follows::Size},
                            {F::Hyphen, kHyphen},
                            {F::Text, kYageoReels, ValueStyle::Digits3, Follows::Size},
                            {F::Value, {}, ValueStyle::Letters},
                            {F::Text, kLeadFree}};

// Vishay CRCW: CRCW0603 10K0 F K EA.
constexpr Code kCrcw[] = {{"CRCW"}};
constexpr Code kVishaySizes[] = {{"0201", "0201"}, {"0402", "0402"}, {"0603", "0603"},
                                 {"0805", "0805"}, {"1206", "1206"}, {"1210", "1210"},
                                 {"2010", "2010"}, {"2512", "2512"}, {"1218", "1218"}};
// The data sheet pairs ±1 % and ±0,5 % with ±100 ppm/K and ±5 % with ±200 ppm/K: a part number
// without a TCR of its own is written with that one.
constexpr Code kVishayTolerances[] = {
    {"F", "1", {}, "K"}, {"D", "0.5", {}, "K"}, {"J", "5", {}, "N"}, {"Z", "jumper"}};
constexpr Code kVishayTcr[] = {{"K", "100"}, {"N", "200"}, {"0", "jumper"}};
constexpr Code kVishayPackaging[] = {{"EA"}, {"EB"}, {"EC"}, {"ED"}, {"EE"}, {"EF"},
                                     {"EG"}, {"EH"}, {"EI"}, {"EJ"}, {"EK"}, {"EL"}};
// The commodity series CRCW…C e3 and the pulse-proof CRCW-HP e3 end their numbers with their
// names' letters.
constexpr Code kVishaySeries[] = {{""}, {"C"}, {"HP"}};
constexpr Piece kVishayCrcw[] = {{F::Text, kCrcw},
                                 {F::Size, kVishaySizes},
                                 {F::Value, {}, ValueStyle::LettersOf4},
                                 {F::Tolerance, kVishayTolerances},
                                 {F::Tcr, kVishayTcr, ValueStyle::Digits3, Follows::Tolerance},
                                 {F::Text, kVishayPackaging},
                                 {F::Text, kVishaySeries}};

// Panasonic ERJ: ERJ - 3GEY J 103 V at ±5 % (a jumper has 0R00 and no letter), ERJ - 3EK F
// 1002 V at ±1 % and ±0,5 %. The type names the size and its power; the packaging letter
// follows the size.
constexpr Code kErj[] = {{"ERJ"}};
constexpr Code kErjTypes5[] = {{"XGN", "01005", "0.031", "Y U"}, {"1GE", "0201", "0.05", "C"},
                               {"2GE", "0402", "0.1", "X Y"},    {"3GEY", "0603", "0.1", "V"},
                               {"6GEY", "0805", "0.125", "V"},   {"8GEY", "1206", "0.25", "V"},
                               {"14Y", "1210", "0.5", "U"},      {"12Y", "1812", "0.75", "U"},
                               {"12ZY", "2010", "0.75", "U"},    {"1TY", "2512", "1", "U"}};
constexpr Code kErjTypes1[] = {
    {"1GN", "0201", "0.05", "C"},  {"2RK", "0402", "0.1", "X"},  {"3EK", "0603", "0.1", "V"},
    {"6EN", "0805", "0.125", "V"}, {"8EN", "1206", "0.25", "V"}, {"14N", "1210", "0.5", "U"},
    {"12N", "1812", "0.75", "U"},  {"12S", "2010", "0.75", "U"}, {"1TN", "2512", "1", "U"}};
// The precision types at ±0,5 %: ERJ - 3R B D 6811 V, the TCR after the type, each type with
// its own TCRs and packaging; 2R with K is the catalog's 2RK above.
constexpr Code kErjPrecisionTypes[] = {{"1R", "0201", "0.05", "H C"},
                                       {"2R", "0402", "0.063", "H X"},
                                       {"3R", "0603", "0.1", "B E V"},
                                       {"6R", "0805", "0.1", "B E V"}};
constexpr Code kErjPrecisionTcr[] = {{"H", "50"}, {"B", "50"}, {"K", "100"}, {"E", "100"}};
constexpr Code kErjTolerancesD[] = {{"D", "0.5"}};
// The anti-surge types, P and PA, and UP, anti-sulphur too, at ±5 % and at ±1 % and ±0,5 %.
constexpr Code kErjAntiSurgeTypes[] = {
    {"PA2", "0402", "0.2", "X"},  {"P03", "0603", "0.2", "X"},  {"PA3", "0603", "0.25", "V"},
    {"P06", "0805", "0.5", "V"},  {"P08", "1206", "0.66", "V"}, {"P14", "1210", "0.5", "U"},
    {"UP3", "0603", "0.25", "V"}, {"UP6", "0805", "0.5", "V"},  {"UP8", "1206", "0.66", "V"}};
constexpr Code kErjTolerances5[] = {{"J", "5"}, {"", "jumper"}};
constexpr Code kErjTolerancesJ[] = {{"J", "5"}};
constexpr Code kErjTolerances1[] = {{"F", "1"}, {"D", "0.5"}};
constexpr Code kErjPackaging[] = {{"V"}, {"X"}, {"C"}, {"Y"}, {"U"}};
template <const auto& types, const auto& tolerances, ValueStyle style>
constexpr Piece kErjPieces[] = {
    {F::Text, kErj},       {F::Hyphen, kHyphen},
    {F::Size, types},      {F::Tolerance, tolerances},
    {F::Value, {}, style}, {F::Text, kErjPackaging, ValueStyle::Digits3, Follows::Size}};
constexpr Piece kErjPrecision[] = {{F::Text, kErj},
                                   {F::Hyphen, kHyphen},
                                   {F::Size, kErjPrecisionTypes},
                                   {F::Tcr, kErjPrecisionTcr, ValueStyle::Digits3, Follows::Size},
                                   {F::Tolerance, kErjTolerancesD},
                                   {F::Value, {}, ValueStyle::Digits4},
                                   {F::Text, kErjPackaging, ValueStyle::Digits3, Follows::Size}};
constexpr const auto& kErj5 = kErjPieces<kErjTypes5, kErjTolerances5, ValueStyle::Digits3>;
constexpr const auto& kErj1 = kErjPieces<kErjTypes1, kErjTolerances1, ValueStyle::Digits4>;
constexpr const auto& kErjSurge5 =
    kErjPieces<kErjAntiSurgeTypes, kErjTolerancesJ, ValueStyle::Digits3>;
constexpr const auto& kErjSurge1 =
    kErjPieces<kErjAntiSurgeTypes, kErjTolerances1, ValueStyle::Digits4>;

// UniOhm: 0603 WA F 1002 T5 E; at ±5 % and ±2 % the value is a zero and three digits,
// "J0103". The power is a code of its own; a part number of a size is written with the
// size's usual one.
constexpr Code kUniOhmSizes[] = {
    {"0201", "0201", "0.05"},  {"0402", "0402", "0.0625"}, {"0603", "0603", "0.1"},
    {"0805", "0805", "0.125"}, {"1206", "1206", "0.25"},   {"1210", "1210", "0.5"},
    {"1812", "1812", "0.75"},  {"2010", "2010", "0.75"},   {"2512", "2512", "1"}};
// W the normal size, S the small one of the same power.
constexpr Code kUniOhmPowers[] = {{"WH", "0.03125"}, {"WM", "0.05"},  {"WG", "0.0625"},
                                  {"WA", "0.1"},     {"W8", "0.125"}, {"W4", "0.25"},
                                  {"W2", "0.5"},     {"07", "0.75"},  {"1W", "1"},
                                  {"SA", "0.1"},     {"S8", "0.125"}, {"S4", "0.25"}};
constexpr Code kUniOhmTolerances1[] = {{"F", "1"}, {"D", "0.5"}};
constexpr Code kUniOhmTolerances5[] = {{"J", "5"}, {"G", "2"}};
constexpr Code kUniOhmPackaging[] = {{"T5"}, {"T1"}, {"T2"}, {"T3"},
                                     {"T4"}, {"TC"}, {"TD"}, {"TE"}};
constexpr Code kUniOhmEnding[] = {{"E"}};
constexpr Piece kUniOhm1[] = {{F::Size, kUniOhmSizes},
                              {F::Power, kUniOhmPowers},
                              {F::Tolerance, kUniOhmTolerances1},
                              {F::Value, {}, ValueStyle::Digits4Jkl},
                              {F::Text, kUniOhmPackaging},
                              {F::Text, kUniOhmEnding}};
constexpr Piece kUniOhm5[] = {{F::Size, kUniOhmSizes},
                              {F::Power, kUniOhmPowers},
                              {F::Tolerance, kUniOhmTolerances5},
                              {F::Value, {}, ValueStyle::ZeroDigits3Jkl},
                              {F::Text, kUniOhmPackaging},
                              {F::Text, kUniOhmEnding}};

// Samsung RC: RC 1608 F 103 CS, the size in millimetres; ±1 % with three digits or four.
constexpr Code kSamsungSizes[] = {{"0402", "01005"}, {"0603", "0201"}, {"1005", "0402"},
                                  {"1608", "0603"},  {"2012", "0805"}, {"3216", "1206"},
                                  {"3225", "1210"},  {"5025", "2010"}, {"6432", "2512"}};
constexpr Code kSamsungTolerances[] = {{"F", "1"}, {"D", "0.5"}, {"J", "5"}};
constexpr Code kSamsungPackaging[] = {{"CS"}, {"ES"}, {"AS"}};
constexpr Piece kSamsungRc[] = {{F::Text, kRc},
                                {F::Size, kSamsungSizes},
                                {F::Tolerance, kSamsungTolerances},
                                {F::Value, {}, ValueStyle::Digits3Or4},
                                {F::Text, kSamsungPackaging}};

// KOA RK73: RK73H 1J T TD 1002 F at ±1 % and ±0,5 %, RK73B 1J T TD 103 J at ±5 % and ±2 %,
// RK73Z 1J T TD a jumper. The taping follows the size.
constexpr Code kRk73h[] = {{"RK73H"}};
constexpr Code kRk73b[] = {{"RK73B"}};
constexpr Code kRk73z[] = {{"RK73Z"}};
constexpr Code kKoaSizes[] = {
    {"1F", "01005", {}, "TBL"}, {"1H", "0201", {}, "TC"}, {"1E", "0402", {}, "TP"},
    {"1J", "0603", {}, "TD"},   {"2A", "0805", {}, "TD"}, {"2B", "1206", {}, "TD"},
    {"2E", "1210", {}, "TE"},   {"2H", "2010", {}, "TE"}, {"W2H", "2010", {}, "TE"},
    {"3A", "2512", {}, "TE"},   {"W3A", "2512", {}, "TE"}};
constexpr Code kKoaTermination[] = {{"T"}, {"L"}, {"G"}, {"X"}};
constexpr Code kKoaTaping[] = {{"TD"}, {"TP"}, {"TE"}, {"TC"}, {"TCM"}, {"TBL"}, {"TDD"}};
constexpr Code kKoaTolerances1[] = {{"F", "1"}, {"D", "0.5"}};
constexpr Code kKoaTolerances5[] = {{"J", "5"}, {"G", "2"}};
constexpr Piece kKoaH[] = {{F::Text, kRk73h},
                           {F::Size, kKoaSizes},
                           {F::Text, kKoaTermination},
                           {F::Text, kKoaTaping, ValueStyle::Digits3, Follows::Size},
                           {F::Value, {}, ValueStyle::Digits4},
                           {F::Tolerance, kKoaTolerances1}};
constexpr Piece kKoaB[] = {{F::Text, kRk73b},
                           {F::Size, kKoaSizes},
                           {F::Text, kKoaTermination},
                           {F::Text, kKoaTaping, ValueStyle::Digits3, Follows::Size},
                           {F::Value, {}, ValueStyle::Digits3},
                           {F::Tolerance, kKoaTolerances5}};
constexpr Piece kKoaZ[] = {{F::Text, kRk73z},
                           {F::Size, kKoaSizes},
                           {F::Text, kKoaTermination},
                           {F::Text, kKoaTaping, ValueStyle::Digits3, Follows::Size}};

// TE CRG: CRG 0603 F 10K. The size names its power.
constexpr Code kCrg[] = {{"CRG"}};
constexpr Code kTeSizes[] = {{"0201", "0201", "0.05"}, {"0402", "0402", "0.0625"},
                             {"0603", "0603", "0.1"},  {"0805", "0805", "0.125"},
                             {"1206", "1206", "0.25"}, {"1210", "1210", "0.5"},
                             {"2010", "2010", "0.75"}, {"2512", "2512", "1"}};
constexpr Code kTeTolerances[] = {{"F", "1"}, {"J", "5"}};
constexpr Piece kTeCrg[] = {{F::Text, kCrg},
                            {F::Size, kTeSizes},
                            {F::Tolerance, kTeTolerances},
                            {F::Value, {}, ValueStyle::Letters}};

// ROHM MCR, ESR (anti-surge) and KTR (high voltage): MCR 03 EZP F 1002 at ±1 % and ±0,5 %,
// MCR 03 EZP J 103 at ±5 %, «000» a jumper; the type code, the packaging, follows the size.
constexpr Code kMcr[] = {{"MCR"}};
constexpr Code kEsr[] = {{"ESR"}};
constexpr Code kKtr[] = {{"KTR"}};
constexpr Code kMcrSizes[] = {{"004", "01005", "0.031", "QLP RZP YZP"},
                              {"006", "0201", "0.05", "YLP YRT YZP"},
                              {"01", "0402", "0.063", "MZP MRT PZPI"},
                              {"03", "0603", "0.1", "EZP ERT MZP PZPI"},
                              {"10", "0805", "0.125", "EZP ERT"},
                              {"18", "1206", {}, "EZP ERT"},
                              {"25", "1210", {}, "JZH JRT"},
                              {"50", "2010", {}, "JZH JRT"},
                              {"100", "2512", {}, "JZH JRT"}};
constexpr Code kEsrSizes[] = {{"01", "0402", "0.2", "MZP"},
                              {"03", "0603", "0.25", "EZP"},
                              {"10", "0805", "0.4", "EZP"},
                              {"18", "1206", "0.5", "EZP"},
                              {"25", "1210", "0.66", "JZP"}};
constexpr Code kKtrSizes[] = {{"03", "0603", "0.1", "EZP"},
                              {"10", "0805", "0.125", "EZP"},
                              {"18", "1206", "0.25", "EZP"},
                              {"25", "1210", "0.33", "JZP"}};
constexpr Code kRohmTypes[] = {{"EZP"}, {"MZP"}, {"JZH"}, {"JZP"}, {"QLP"}, {"YLP"}, {"RZP"},
                               {"YZP"}, {"YRT"}, {"MRT"}, {"ERT"}, {"JRT"}, {"PZPI"}};
constexpr Code kRohmTolerances1[] = {{"F", "1"}, {"D", "0.5"}, {"FX", "1"}};
constexpr Code kRohmTolerances5[] = {{"J", "5"}};
constexpr Code kKtrTolerances1[] = {{"F", "1"}};
template <const auto& series, const auto& sizes, const auto& tolerances, ValueStyle style>
constexpr Piece kRohm[] = {{F::Text, series},
                           {F::Size, sizes},
                           {F::Text, kRohmTypes, ValueStyle::Digits3, Follows::Size},
                           {F::Tolerance, tolerances},
                           {F::Value, {}, style}};

// Panasonic ERA: ERA 3A E B 103 V, the TCR and the tolerance before the value, which has three
// figures where two are all it has.
constexpr Code kEra[] = {{"ERA"}};
constexpr Code kEraSizes[] = {{"1A", "0201", "0.05", "C"},
                              {"2A", "0402", "0.063", "X"},
                              {"3A", "0603", "0.1", "V"},
                              {"6A", "0805", "0.125", "V"},
                              {"8A", "1206", "0.25", "V"}};
constexpr Code kEraTcr[] = {{"R", "10"}, {"P", "15"}, {"E", "25"}, {"H", "50"}, {"K", "100"}};
constexpr Code kThinFilmTolerances[] = {
    {"W", "0.05"}, {"B", "0.1"}, {"C", "0.25"}, {"D", "0.5"}, {"F", "1"}};
constexpr Code kEraPackaging[] = {{"V"}, {"X"}, {"C"}};
constexpr Piece kPanasonicEra[] = {{F::Text, kEra},
                                   {F::Hyphen},
                                   {F::Size, kEraSizes},
                                   {F::Tcr, kEraTcr},
                                   {F::Tolerance, std::span(kThinFilmTolerances).first(4)},
                                   {F::Value, {}, ValueStyle::Digits3Or4},
                                   {F::Text, kEraPackaging, ValueStyle::Digits3, Follows::Size}};

// Yageo RT: RT 0603 D R E 07 56R L, thin film, the TCR after the packaging.
constexpr Code kRt[] = {{"RT"}};
constexpr Code kYageoRtSizes[] = {{"0201", "0201"}, {"0402", "0402"}, {"0603", "0603"},
                                  {"0805", "0805"}, {"1206", "1206"}, {"1210", "1210"},
                                  {"2010", "2010"}, {"2512", "2512"}};
constexpr Code kYageoRtPackaging[] = {{"R"}, {"K"}};
constexpr Code kYageoRtTcr[] = {{"A", "5"}, {"B", "10"}, {"C", "15"}, {"D", "25"}, {"E", "50"}};
constexpr Code kYageoRtReels[] = {{"07"}, {"13"}};
constexpr Piece kYageoRt[] = {{F::Text, kRt},
                              {F::Size, kYageoRtSizes},
                              {F::Tolerance, kThinFilmTolerances},
                              {F::Text, kYageoRtPackaging},
                              {F::Tcr, kYageoRtTcr},
                              {F::Text, kYageoRtReels},
                              {F::Value, {}, ValueStyle::Letters},
                              {F::Text, kLeadFree}};

// Stackpole RMCF (standard power) and RMCP (high power): RMCF 0603 F T 10K0, the value in four
// characters, Z with 0R00 a jumper; T, G and B the packagings of one value.
constexpr Code kRmcf[] = {{"RMCF"}};
constexpr Code kRmcp[] = {{"RMCP"}};
constexpr Code kStackpoleSizes[] = {{"0603", "0603"}, {"01005", "01005"}, {"0201", "0201"},
                                    {"0402", "0402"}, {"0805", "0805"},   {"1206", "1206"},
                                    {"1210", "1210"}, {"2010", "2010"},   {"2512", "2512"}};
constexpr Code kStackpoleTolerances[] = {{"F", "1"}, {"J", "5"}, {"Z", "jumper"}};
constexpr Code kStackpolePackaging[] = {{"T"}, {"G"}, {"B"}};
template <const auto& series>
constexpr Piece kStackpole[] = {{F::Text, series},
                                {F::Size, kStackpoleSizes},
                                {F::Tolerance, kStackpoleTolerances},
                                {F::Text, kStackpolePackaging},
                                {F::Value, {}, ValueStyle::LettersOf4}};

// 1 Ом to 10 МОм, as each data sheet's range table gives the general-purpose parts; lower
// values are the makers' low-ohm series.
constexpr Range kOhms{{1, 0}, {10, 6}};

constexpr Family kFamilies[] = {
    {"Yageo", "RC", Quantity::Resistance, kYageo<kRc, kYageoSizes, kYageoTolerances>, kOhms, "0R"},
    {"Yageo", "AC", Quantity::Resistance, kYageo<kAc, kYageoAcSizes, kYageoAcTolerances>, kOhms,
     "0R", false, false},
    {"TE", "CRG", Quantity::Resistance, kTeCrg, kOhms},
    {"ROHM", "MCR", Quantity::Resistance,
     kRohm<kMcr, kMcrSizes, kRohmTolerances1, ValueStyle::Digits4>, kOhms},
    {"ROHM", "MCR", Quantity::Resistance,
     kRohm<kMcr, kMcrSizes, kRohmTolerances5, ValueStyle::Digits3>, kOhms, "000"},
    {"ROHM",
     "ESR",
     Quantity::Resistance,
     kRohm<kEsr, kEsrSizes, kRohmTolerances1, ValueStyle::Digits4>,
     kOhms,
     {},
     false,
     false},
    {"ROHM", "ESR", Quantity::Resistance,
     kRohm<kEsr, kEsrSizes, kRohmTolerances5, ValueStyle::Digits3>, kOhms, "000", false, false},
    {"ROHM",
     "KTR",
     Quantity::Resistance,
     kRohm<kKtr, kKtrSizes, kKtrTolerances1, ValueStyle::Digits4>,
     kOhms,
     {},
     false,
     false},
    {"ROHM", "KTR", Quantity::Resistance,
     kRohm<kKtr, kKtrSizes, kRohmTolerances5, ValueStyle::Digits3>, kOhms, "000", false, false},
    {"Panasonic", "ERA", Quantity::Resistance, kPanasonicEra, kOhms},
    {"Stackpole", "RMCF", Quantity::Resistance, kStackpole<kRmcf>, kOhms, "0R00"},
    {"Stackpole", "RMCP", Quantity::Resistance, kStackpole<kRmcp>, kOhms, "0R00", false, false},
    {"Yageo", "RT", Quantity::Resistance, kYageoRt, kOhms},
    {"Vishay", "CRCW", Quantity::Resistance, kVishayCrcw, kOhms, "0000"},
    {"Panasonic", "ERJ", Quantity::Resistance, kErj5, kOhms, "0R00"},
    {"Panasonic", "ERJ", Quantity::Resistance, kErj1, kOhms},
    {"Panasonic", "ERJ", Quantity::Resistance, kErjPrecision, kOhms},
    {"Panasonic", "ERJ", Quantity::Resistance, kErjSurge5, kOhms, {}, false, false},
    {"Panasonic", "ERJ", Quantity::Resistance, kErjSurge1, kOhms, {}, false, false},
    {"UniOhm", "Thick Film", Quantity::Resistance, kUniOhm1, kOhms},
    {"UniOhm", "Thick Film", Quantity::Resistance, kUniOhm5, kOhms, "0000"},
    {"Samsung", "RC", Quantity::Resistance, kSamsungRc, kOhms, "000", true},
    {"KOA", "RK73", Quantity::Resistance, kKoaH, kOhms},
    {"KOA", "RK73", Quantity::Resistance, kKoaB, kOhms},
    {"KOA", "RK73", Quantity::Resistance, kKoaZ, kOhms},
};

} // namespace

std::span<const Family> resistorFamilies() {
    return kFamilies;
}

} // namespace vantrel::parts
