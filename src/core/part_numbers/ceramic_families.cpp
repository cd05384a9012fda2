// Ceramic chip capacitors' part numbers, each family from its maker's ordering information
// (where the copy at hand printed no revision, none is named):
//   Murata GRM: Murata, Chip Monolithic Ceramic Capacitors, Cat. No. C02E-16 (10.12.20),
//     p. 2 «Part Numbering», and the part numbers of its rating tables; GCM (automotive), GRT
//     (AEC-Q200), GCJ and GRJ (soft termination) and GJM (high Q) are numbered alike.
//   Samsung CL: Samsung Electro-Mechanics, Multilayer Ceramic Capacitors for Automotive,
//     January 2024, p. 4 «Part Numbering», the same codes as its general catalog.
//   Yageo CC: Yageo, «Coding rule of clear text code (CTC) for Yageo MLCC», and the global
//     part number of the Surface-Mount Ceramic Multilayer Capacitors data sheets (August 4,
//     2015 V.9 for the soft-termination X7R series, whose voltage codes are the same).
//   TDK C: TDK, Multilayer Ceramic Chip Capacitors, Commercial Grade, General (Up to 50 V)
//     catalog, «Catalog number construction».
//   KEMET: KEMET, Surface Mount Multilayer Ceramic Chip Capacitors, X7R Dielectric
//     (C1019_X7R_SMD), «Ordering Information»; C0G high voltage (C1009_C0G_HV_SMD, 3/6/2013,
//     p. 1: 9 for 1,0-9,9 пФ, 8 for 0,5-0,99 пФ, the voltages to 3 kV, AUTO).
//   AVX: AVX, Surface Mount Ceramic Capacitor Products catalog, X7R «How to order».
//   Taiyo Yuden: Taiyo Yuden, High Value Multilayer Ceramic Capacitors catalogue, page 38
//     «Ordering code», its example JMK316BJ106ML-T; BJ X5R and B7 X7R as the later editions
//     print them.
//   Walsin: Walsin Technology, General Purpose MLCC approval sheet ASC_General Purpose_001U_AS,
//     Jun. 2013, page 2 «How to order».
// Each family's individual codes, thickness and packaging say nothing the reading shows; a
// part number is written with the commonest of them, the thickness the size usually has.
#include "core/part_numbers/families.h"

namespace vantrel::parts {
namespace {

using F = Field;
using value::Quantity;

// The tolerance letters of ceramic capacitors, the same for every maker that has them.
constexpr Code kTolerances[] = {{"K", "10"},   {"J", "5"},     {"M", "20"},
                                {"F", "1"},    {"G", "2"},     {"Z", "+80-20"},
                                {"B", "0.1a"}, {"C", "0.25a"}, {"D", "0.5a"}};
constexpr Code kTolerancesAndW[] = {{"K", "10"},   {"J", "5"},      {"M", "20"},   {"F", "1"},
                                    {"G", "2"},    {"Z", "+80-20"}, {"B", "0.1a"}, {"C", "0.25a"},
                                    {"D", "0.5a"}, {"W", "0.05a"}};

// Murata GRM: GRM 18 8 R7 1H 104 K A93 D.
constexpr Code kGrm[] = {{"GRM"}};
constexpr Code kGcm[] = {{"GCM"}};
constexpr Code kGrt[] = {{"GRT"}};
constexpr Code kGcj[] = {{"GCJ"}};
constexpr Code kGrj[] = {{"GRJ"}};
constexpr Code kGjm[] = {{"GJM"}};
// Each size takes the thicknesses up to its width, the usual one first; X is a thickness the
// part's own data sheet gives.
constexpr Code kMurataSizes[] = {{"02", "01005", {}, "2"},
                                 {"03", "0201", {}, "3"},
                                 {"15", "0402", {}, "5 2 3 4 X"},
                                 {"18", "0603", {}, "8 5 3 4 6 7 X"},
                                 {"21", "0805", {}, "B 9 A 8 6 5 7 M X"},
                                 {"31", "1206", {}, "C M B 9 A 8 6 5 7 N Q X"},
                                 {"32", "1210", {}, "E D C B A 9 8 6 M N Q R X"},
                                 {"43", "1812", {}, "E D C B A 9 8 F M N Q R S X"},
                                 {"55", "2220", {}, "D E C B A 9 F M N Q R S X"}};
constexpr Code kMurataThickness[] = {{"2"}, {"3"}, {"4"}, {"5"}, {"6"}, {"7"}, {"8"},
                                     {"9"}, {"A"}, {"B"}, {"C"}, {"D"}, {"E"}, {"F"},
                                     {"M"}, {"N"}, {"Q"}, {"R"}, {"S"}, {"X"}};
constexpr Code kMurataDielectrics[] = {{"5C", "C0G"}, {"R7", "X7R"}, {"R6", "X5R"},
                                       {"C7", "X7S"}, {"D7", "X7T"}, {"C8", "X6S"},
                                       {"C6", "X5S"}, {"E7", "X7U"}, {"F5", "Y5V"}};
constexpr Code kMurataVoltages[] = {
    {"0E", "2.5"}, {"0G", "4"},   {"0J", "6.3"},  {"1A", "10"},   {"1C", "16"},  {"1E", "25"},
    {"YA", "35"},  {"1V", "35"},  {"1H", "50"},   {"2A", "100"},  {"2D", "200"}, {"2E", "250"},
    {"2W", "450"}, {"2J", "630"}, {"3A", "1000"}, {"3D", "2000"}, {"3F", "3150"}};
constexpr Code kMurataSpec[] = {{"A01"}};
// The catalog's tables print the part numbers without the packaging letter.
constexpr Code kMurataPackaging[] = {{"D"}, {"J"}, {"L"}, {"K"}, {"E"}, {"F"}, {"B"}, {"C"}, {""}};
template <const auto& series>
constexpr Piece kMurata[] = {{F::Text, series},
                             {F::Size, kMurataSizes},
                             {F::Text, kMurataThickness, ValueStyle::Digits3, Follows::Size},
                             {F::Dielectric, kMurataDielectrics},
                             {F::Voltage, kMurataVoltages},
                             {F::Value},
                             {F::Tolerance, kTolerancesAndW},
                             {F::Text, kMurataSpec, ValueStyle::Digits3, Follows::Nothing, 3},
                             {F::Text, kMurataPackaging}};

// Samsung CL: CL 10 B 104 K B 8 NNN C.
constexpr Code kCl[] = {{"CL"}};
constexpr Code kSamsungSizes[] = {{"02", "01005", {}, "2"},
                                  {"03", "0201", {}, "3"},
                                  {"05", "0402", {}, "5 2 3"},
                                  {"10", "0603", {}, "8 5 A 3 6"},
                                  {"21", "0805", {}, "C F Q A 8 5 6 9 Y"},
                                  {"31", "1206", {}, "C H F Q A 8 9 D Y"},
                                  {"32", "1210", {}, "H I J F Q V Y L C"},
                                  {"43", "1812", {}, "H I J L F Q V Y"},
                                  {"55", "2220", {}, "H I J L F Q V Y"}};
constexpr Code kSamsungDielectrics[] = {{"C", "C0G"}, {"A", "X5R"}, {"B", "X7R"}, {"F", "Y5V"},
                                        {"X", "X6S"}, {"Y", "X7S"}, {"Z", "X7T"}};
constexpr Code kSamsungVoltages[] = {{"S", "2.5"}, {"R", "4"},    {"Q", "6.3"},  {"P", "10"},
                                     {"O", "16"},  {"A", "25"},   {"L", "35"},   {"B", "50"},
                                     {"C", "100"}, {"D", "200"},  {"E", "250"},  {"G", "500"},
                                     {"H", "630"}, {"I", "1000"}, {"J", "2000"}, {"K", "3000"}};
constexpr Code kSamsungThickness[] = {{"2"}, {"3"}, {"5"}, {"6"}, {"8"}, {"9"},
                                      {"A"}, {"C"}, {"D"}, {"F"}, {"H"}, {"I"},
                                      {"J"}, {"L"}, {"P"}, {"Q"}, {"V"}, {"Y"}};
constexpr Code kSamsungControl[] = {{"NNN"}};
constexpr Code kSamsungPackaging[] = {{"C"}, {"D"}, {"E"}, {"F"}, {"L"}, {"O"}, {"B"}, {"P"}};
constexpr Piece kSamsungCl[] = {
    {F::Text, kCl},
    {F::Size, kSamsungSizes},
    {F::Dielectric, kSamsungDielectrics},
    {F::Value},
    {F::Tolerance, kTolerancesAndW},
    {F::Voltage, kSamsungVoltages},
    {F::Text, kSamsungThickness, ValueStyle::Digits3, Follows::Size},
    {F::Text, kSamsungControl, ValueStyle::Digits3, Follows::Nothing, 3},
    {F::Text, kSamsungPackaging}};

// Yageo CC: CC 0603 K R X7R 9 B B 104.
constexpr Code kCc[] = {{"CC"}};
constexpr Code kInchSizes[] = {{"0201", "0201"}, {"0402", "0402"}, {"0603", "0603"},
                               {"0805", "0805"}, {"1206", "1206"}, {"1210", "1210"},
                               {"1812", "1812"}, {"2220", "2220"}};
constexpr Code kYageoPacking[] = {{"R"}, {"K"}, {"P"}, {"F"}};
// C0G parts end their process code with N, the others with B: CC0603JRNPO9BN101.
constexpr Code kYageoDielectrics[] = {{"X7R", "X7R", {}, "B"}, {"NPO", "C0G", {}, "N"},
                                      {"X5R", "X5R", {}, "B"}, {"Y5V", "Y5V", {}, "B"},
                                      {"X7S", "X7S", {}, "B"}, {"X6S", "X6S", {}, "B"}};
constexpr Code kYageoVoltages[] = {{"4", "4"},    {"5", "6.3"}, {"6", "10"},  {"7", "16"},
                                   {"8", "25"},   {"9", "50"},  {"0", "100"}, {"A", "200"},
                                   {"Y", "250"},  {"B", "500"}, {"Z", "630"}, {"C", "1000"},
                                   {"D", "2000"}, {"E", "3000"}};
constexpr Code kYageoProcess[] = {{"B"}, {"N"}};
constexpr Code kYageoTermination[] = {{"B"}, {"N"}};
constexpr Piece kYageoCc[] = {
    {F::Text, kCc},
    {F::Size, kInchSizes},
    {F::Tolerance, kTolerances},
    {F::Text, kYageoPacking},
    {F::Dielectric, kYageoDielectrics},
    {F::Voltage, kYageoVoltages},
    {F::Text, kYageoProcess},
    {F::Text, kYageoTermination, ValueStyle::Digits3, Follows::Dielectric},
    {F::Value}};

// TDK C: C 1608 X7R 1H 104 K 080 A A, the size in millimetres, the thickness in hundredths.
constexpr Code kC[] = {{"C"}};
constexpr Code kTdkSizes[] = {{"0402", "01005", {}, "020"},
                              {"0603", "0201", {}, "030"},
                              {"1005", "0402", {}, "050 020 030"},
                              {"1608", "0603", {}, "080 050 030 060 070"},
                              {"2012", "0805", {}, "125 085 060 090 095 080 050 070"},
                              {"3216", "1206", {}, "160 115 085 130 060 080 100 125"},
                              {"3225", "1210", {}, "250 200 160 230 270 115 125 085 130"},
                              {"4532", "1812", {}, "320 250 230 200 160 280"},
                              {"5750", "2220", {}, "280 230 250 320 200 160"}};
constexpr Code kTdkDielectrics[] = {{"X7R", "X7R"}, {"C0G", "C0G"}, {"X5R", "X5R"}, {"X7S", "X7S"},
                                    {"X6S", "X6S"}, {"X7T", "X7T"}, {"X8R", "X8R"}};
constexpr Code kTdkVoltages[] = {{"0G", "4"},   {"0J", "6.3"}, {"1A", "10"},  {"1C", "16"},
                                 {"1E", "25"},  {"1V", "35"},  {"1H", "50"},  {"1N", "75"},
                                 {"2A", "100"}, {"2D", "200"}, {"2E", "250"}, {"2W", "450"},
                                 {"2J", "630"}, {"3A", "1000"}};
constexpr Code kTdkThickness[] = {{"020"}, {"030"}, {"050"}, {"060"}, {"070"}, {"080"}, {"085"},
                                  {"090"}, {"095"}, {"100"}, {"115"}, {"125"}, {"130"}, {"160"},
                                  {"200"}, {"230"}, {"250"}, {"270"}, {"280"}, {"320"}};
constexpr Code kTdkPackaging[] = {{"A"}, {"B"}, {"K"}};
constexpr Code kTdkSpecial[] = {{"A"}, {"B"}, {"C"}, {"E"}};
constexpr Piece kTdkC[] = {{F::Text, kC},
                           {F::Size, kTdkSizes},
                           {F::Dielectric, kTdkDielectrics},
                           {F::Voltage, kTdkVoltages},
                           {F::Value},
                           {F::Tolerance, kTolerances},
                           {F::Text, kTdkThickness, ValueStyle::Digits3, Follows::Size},
                           {F::Text, kTdkPackaging},
                           {F::Text, kTdkSpecial}};

// KEMET: C 0603 C 104 K 5 R A C TU.
constexpr Code kKemetStyle[] = {{"C"}};
constexpr Code kKemetVoltages[] = {
    {"9", "6.3"},  {"8", "10"},   {"4", "16"},   {"3", "25"},   {"6", "35"},  {"5", "50"},
    {"1", "100"},  {"2", "200"},  {"A", "250"},  {"7", "4"},    {"C", "500"}, {"B", "630"},
    {"D", "1000"}, {"F", "1500"}, {"G", "2000"}, {"Z", "2500"}, {"H", "3000"}};
constexpr Code kKemetDielectrics[] = {{"R", "X7R"}, {"G", "C0G"}, {"P", "X5R"}, {"V", "Y5V"}};
constexpr Code kKemetFailureRate[] = {{"A"}};
constexpr Code kKemetTermination[] = {{"C"}, {"L"}};
// Bulk is no suffix; AUTO is the automotive grade on the 7-inch reel, AUTO7411 on the 13-inch
// one.
constexpr Code kKemetPackaging[] = {{"TU"},   {""},     {"TM"},      {"7411"}, {"7210"},
                                    {"7025"}, {"7215"}, {"7081"},    {"7082"}, {"7867"},
                                    {"7800"}, {"AUTO"}, {"AUTO7411"}};
constexpr Piece kKemet[] = {{F::Text, kC},
                            {F::Size, kInchSizes},
                            {F::Text, kKemetStyle},
                            {F::Value, {}, ValueStyle::Digits3Tenths},
                            {F::Tolerance, kTolerances},
                            {F::Voltage, kKemetVoltages},
                            {F::Dielectric, kKemetDielectrics},
                            {F::Text, kKemetFailureRate},
                            {F::Text, kKemetTermination},
                            {F::Text, kKemetPackaging}};

// AVX: 0603 5 C 104 K A T 2 A.
constexpr Code kAvxVoltages[] = {{"4", "4"},   {"6", "6.3"}, {"Z", "10"}, {"Y", "16"},
                                 {"3", "25"},  {"D", "35"},  {"5", "50"}, {"1", "100"},
                                 {"2", "200"}, {"7", "500"}};
constexpr Code kAvxDielectrics[] = {{"C", "X7R"}, {"A", "C0G"}, {"D", "X5R"}, {"G", "Y5V"}};
constexpr Code kAvxFailureRate[] = {{"A"}};
constexpr Code kAvxTermination[] = {{"T"}};
constexpr Code kAvxPackaging[] = {{"2"}, {"4"}, {"7"}, {"9"}};
constexpr Code kAvxSpecial[] = {{"A"}};
constexpr Piece kAvx[] = {{F::Size, kInchSizes},
                          {F::Voltage, kAvxVoltages},
                          {F::Dielectric, kAvxDielectrics},
                          {F::Value},
                          {F::Tolerance, kTolerances},
                          {F::Text, kAvxFailureRate},
                          {F::Text, kAvxTermination},
                          {F::Text, kAvxPackaging},
                          {F::Text, kAvxSpecial}};

// Taiyo Yuden: J M K 316 BJ 106 M L - T: the voltage, the series, the plated termination,
// the size in tenths of a millimetre, the temperature characteristic, the value, the
// tolerance, the thickness, and the packaging after the standard product's dash.
constexpr Code kTaiyoVoltages[] = {{"E", "16"}, {"A", "4"},  {"J", "6.3"}, {"L", "10"},
                                   {"T", "25"}, {"G", "35"}, {"U", "50"}};
constexpr Code kTaiyoSeries[] = {{"M"}};
constexpr Code kTaiyoTermination[] = {{"K"}};
// Each size takes the thicknesses up to its width, the usual one first.
constexpr Code kTaiyoSizes[] = {{"107", "0603", {}, "A K V D"},
                                {"212", "0805", {}, "G D A K V F"},
                                {"316", "1206", {}, "L G F D A K V H"},
                                {"325", "1210", {}, "N M Y L H G F D A"},
                                {"432", "1812", {}, "M U Y N L H G F D"}};
constexpr Code kTaiyoDielectrics[] = {{"BJ", "X5R"}, {"B7", "X7R"}, {"F", "Y5V"}};
constexpr Code kTaiyoTolerances[] = {{"K", "10"}, {"M", "20"}, {"Z", "+80-20"}};
constexpr Code kTaiyoThickness[] = {{"K"}, {"V"}, {"A"}, {"D"}, {"F"}, {"G"},
                                    {"H"}, {"L"}, {"N"}, {"Y"}, {"M"}, {"U"}};
constexpr Code kTaiyoPackaging[] = {{"T"}, {"B"}};
constexpr Piece kTaiyoYuden[] = {{F::Voltage, kTaiyoVoltages},
                                 {F::Text, kTaiyoSeries},
                                 {F::Text, kTaiyoTermination},
                                 {F::Size, kTaiyoSizes},
                                 {F::Dielectric, kTaiyoDielectrics},
                                 {F::Value},
                                 {F::Tolerance, kTaiyoTolerances},
                                 {F::Text, kTaiyoThickness, ValueStyle::Digits3, Follows::Size},
                                 {F::Hyphen},
                                 {F::Text, kTaiyoPackaging}};

// Walsin: 0603 B 104 K 500 C T, the voltage as a value code in volts.
constexpr Code kWalsinSizes[] = {{"0402", "0402"}, {"0603", "0603"}, {"0805", "0805"},
                                 {"1206", "1206"}, {"1210", "1210"}, {"1812", "1812"}};
constexpr Code kWalsinDielectrics[] = {{"B", "X7R"}, {"N", "C0G"}, {"F", "Y5V"}};
constexpr Code kWalsinVoltages[] = {
    {"500", "50"}, {"100", "10"}, {"160", "16"}, {"250", "25"}, {"101", "100"}};
constexpr Code kWalsinTermination[] = {{"C"}, {"L"}};
constexpr Code kWalsinPackaging[] = {{"T"}, {"R"}, {"G"}};
constexpr Piece kWalsin[] = {
    {F::Size, kWalsinSizes},     {F::Dielectric, kWalsinDielectrics}, {F::Value},
    {F::Tolerance, kTolerances}, {F::Voltage, kWalsinVoltages},       {F::Text, kWalsinTermination},
    {F::Text, kWalsinPackaging}};

// AVX's product table: the largest value of each size, voltage and dielectric in its part
// builder's lists of X7R and X5R parts (partbuilder.avx.com, 2 December 2018); its C0G list
// was not read whole, so C0G is left unbounded.
constexpr Limit kAvxEnvelope[] = {
    {"0201", "X7R", "10", {1, 4}},   {"0201", "X7R", "16", {1, 4}},
    {"0201", "X7R", "25", {1, 4}},   {"0201", "X7R", "50", {47, 1}},
    {"0402", "X7R", "6.3", {1, 6}},  {"0402", "X7R", "10", {22, 4}},
    {"0402", "X7R", "16", {33, 4}},  {"0402", "X7R", "25", {1, 5}},
    {"0402", "X7R", "50", {1, 5}},   {"0603", "X7R", "6.3", {22, 5}},
    {"0603", "X7R", "10", {68, 4}},  {"0603", "X7R", "16", {22, 5}},
    {"0603", "X7R", "25", {1, 6}},   {"0603", "X7R", "50", {47, 4}},
    {"0603", "X7R", "100", {1, 5}},  {"0603", "X7R", "200", {1, 3}},
    {"0805", "X7R", "6.3", {1, 7}},  {"0805", "X7R", "10", {47, 5}},
    {"0805", "X7R", "16", {47, 5}},  {"0805", "X7R", "25", {47, 5}},
    {"0805", "X7R", "50", {22, 5}},  {"0805", "X7R", "100", {47, 4}},
    {"0805", "X7R", "200", {22, 3}}, {"1206", "X7R", "6.3", {22, 6}},
    {"1206", "X7R", "10", {1, 7}},   {"1206", "X7R", "16", {1, 7}},
    {"1206", "X7R", "25", {1, 7}},   {"1206", "X7R", "50", {47, 5}},
    {"1206", "X7R", "100", {22, 5}}, {"1206", "X7R", "200", {1, 5}},
    {"1206", "X7R", "500", {33, 3}}, {"1210", "X7R", "6.3", {47, 6}},
    {"1210", "X7R", "10", {22, 6}},  {"1210", "X7R", "16", {22, 6}},
    {"1210", "X7R", "25", {22, 6}},  {"1210", "X7R", "50", {1, 7}},
    {"1210", "X7R", "100", {33, 5}}, {"1210", "X7R", "200", {22, 4}},
    {"1210", "X7R", "500", {1, 5}},  {"1812", "X7R", "16", {1, 7}},
    {"1812", "X7R", "25", {1, 7}},   {"1812", "X7R", "50", {47, 5}},
    {"1812", "X7R", "100", {33, 5}}, {"1812", "X7R", "200", {1, 6}},
    {"1812", "X7R", "500", {22, 4}}, {"2220", "X7R", "25", {22, 6}},
    {"2220", "X7R", "50", {1, 7}},   {"2220", "X7R", "100", {1, 7}},
    {"2220", "X7R", "200", {47, 4}}, {"2220", "X7R", "500", {33, 4}},
    {"0201", "X5R", "4", {22, 5}},   {"0201", "X5R", "6.3", {22, 5}},
    {"0201", "X5R", "10", {1, 4}},   {"0201", "X5R", "16", {1, 4}},
    {"0201", "X5R", "25", {1, 4}},   {"0402", "X5R", "4", {1, 7}},
    {"0402", "X5R", "6.3", {22, 6}}, {"0402", "X5R", "10", {22, 5}},
    {"0402", "X5R", "16", {1, 6}},   {"0402", "X5R", "25", {1, 5}},
    {"0402", "X5R", "50", {1, 5}},   {"0603", "X5R", "4", {22, 6}},
    {"0603", "X5R", "6.3", {22, 6}}, {"0603", "X5R", "10", {22, 6}},
    {"0603", "X5R", "16", {1, 7}},   {"0603", "X5R", "25", {1, 6}},
    {"0603", "X5R", "35", {1, 6}},   {"0603", "X5R", "50", {1, 6}},
    {"0805", "X5R", "4", {1, 8}},    {"0805", "X5R", "6.3", {47, 6}},
    {"0805", "X5R", "10", {22, 6}},  {"0805", "X5R", "16", {1, 7}},
    {"0805", "X5R", "25", {22, 6}},  {"0805", "X5R", "35", {47, 5}},
    {"0805", "X5R", "50", {47, 5}},  {"1206", "X5R", "4", {1, 8}},
    {"1206", "X5R", "6.3", {1, 8}},  {"1206", "X5R", "10", {22, 6}},
    {"1206", "X5R", "16", {22, 6}},  {"1206", "X5R", "25", {22, 6}},
    {"1206", "X5R", "35", {1, 7}},   {"1206", "X5R", "50", {1, 7}},
    {"1210", "X5R", "4", {1, 8}},    {"1210", "X5R", "6.3", {1, 8}},
    {"1210", "X5R", "10", {1, 8}},   {"1210", "X5R", "16", {1, 8}},
    {"1210", "X5R", "25", {47, 6}},  {"1210", "X5R", "35", {1, 7}},
    {"1210", "X5R", "50", {1, 7}},   {"1812", "X5R", "25", {1, 7}},
};

// 0,1 пФ to 100 мкФ: the makers' general-purpose ranges together.
constexpr Range kFarads{{1, -1}, {1, 8}};

constexpr Family kFamilies[] = {
    {"Murata", "GRM", Quantity::Capacitance, kMurata<kGrm>, kFarads},
    {"Murata", "GCM", Quantity::Capacitance, kMurata<kGcm>, kFarads, {}, false, false},
    {"Murata", "GRT", Quantity::Capacitance, kMurata<kGrt>, kFarads, {}, false, false},
    {"Murata", "GCJ", Quantity::Capacitance, kMurata<kGcj>, kFarads, {}, false, false},
    {"Murata", "GRJ", Quantity::Capacitance, kMurata<kGrj>, kFarads, {}, false, false},
    {"Murata", "GJM", Quantity::Capacitance, kMurata<kGjm>, kFarads, {}, false, false},
    {"Samsung", "CL", Quantity::Capacitance, kSamsungCl, kFarads},
    {"Yageo", "CC", Quantity::Capacitance, kYageoCc, kFarads},
    {"TDK", "C", Quantity::Capacitance, kTdkC, kFarads, {}, true},
    {"KEMET", "C", Quantity::Capacitance, kKemet, kFarads},
    {"AVX", "MLCC", Quantity::Capacitance, kAvx, kFarads, {}, false, true, {}, kAvxEnvelope},
    {"Taiyo Yuden", "MLCC", Quantity::Capacitance, kTaiyoYuden, kFarads},
    {"Walsin", "MLCC", Quantity::Capacitance, kWalsin, kFarads},
};

} // namespace

std::span<const Family> ceramicFamilies() {
    return kFamilies;
}

} // namespace vantrel::parts
