// Tantalum capacitors' and chip inductors' part numbers, each family from its maker's
// ordering information:
//   AVX TAJ: AVX, Tantalum and Niobium Oxide Capacitors catalog, version 13.6, TAJ Series
//     «How to order» and «Case dimensions», and TAJ Low Profile «Case dimensions»; TAJ
//     Automotive Range, page 19 «How to order» (071119); Tape & Reel Packaging, January 2014,
//     page 164 (the packaging letters).
//   KEMET T491: KEMET, Tantalum Surface Mount Capacitors, T491 Automotive/Industrial Grade
//     MnO2 data sheet T2050_T491_AUTO, 10/16/2020, «Ordering Information» and «Dimensions»;
//     the ratings table of the older T491 data sheet for the part numbers ending AS.
//   Panasonic EEU, EEE and ECA: Panasonic, Aluminum Electrolytic Capacitors (Radial lead
//     type), «Explanation of part numbers», both part number systems and the voltage codes;
//     TS-HA/HB Series, «Part Number System» (1K, 80 V, and 2T, 385 V); the surface-mount
//     numbers as the FK series' data sheet ABA0000C1181 lists them.
//   Murata LQG: Murata, Chip Inductors (Chip Coils) catalog, «Part Numbering» (the tolerance
//     letters of every LQ series), and the LQG15HH reference sheet JELF243B-9101L-01,
//     «Part Numbering» and «Rating».
#include "core/part_numbers/families.h"

namespace vantrel::parts {
namespace {

using F = Field;
using value::Quantity;

constexpr Code kTantalumTolerances[] = {{"K", "10"}, {"M", "20"}, {"J", "5"}};
constexpr Code kTantalumVoltages[] = {{"016", "16"},  {"002", "2.5"}, {"004", "4"},
                                      {"006", "6.3"}, {"010", "10"},  {"020", "20"},
                                      {"025", "25"},  {"035", "35"},  {"050", "50"}};

// AVX TAJ: TAJ A 106 K 016 R NJ.
constexpr Code kTaj[] = {{"TAJ"}};
constexpr Code kAvxCases[] = {
    {"A", "3216-18"}, {"B", "3528-21"}, {"C", "6032-28"}, {"D", "7343-31"}, {"E", "7343-43"},
    {"V", "7361-38"}, {"U", "7361-43"}, {"R", "2012-12"}, {"P", "2012-15"}, {"S", "3216-12"},
    {"T", "3528-12"}, {"W", "6032-15"}, {"Y", "7343-20"}, {"X", "7343-15"}};
// R and S tin on a 7- and a 13-inch reel, A and B gold, H tin-lead; T and U the automotive
// grade's reels.
constexpr Code kAvxPackaging[] = {{"R"}, {"S"}, {"A"}, {"B"}, {"H"}, {"T"}, {"U"}};
// V: the dry pack.
constexpr Code kAvxSuffix[] = {{"NJ"}, {"NJV"}};
constexpr Piece kAvxTaj[] = {{F::Text, kTaj},
                             {F::Case, kAvxCases},
                             {F::Value},
                             {F::Tolerance, kTantalumTolerances},
                             {F::Voltage, kTantalumVoltages},
                             {F::Text, kAvxPackaging},
                             {F::Text, kAvxSuffix}};

// KEMET T491: T491 A 106 K 016 A T, then the reel where it is not the 7-inch one.
constexpr Code kT491[] = {{"T491"}};
constexpr Code kKemetCases[] = {
    {"A", "3216-18"}, {"B", "3528-21"}, {"C", "6032-28"}, {"D", "7343-31"}, {"X", "7343-43"},
    {"E", "7360-38"}, {"S", "3216-12"}, {"T", "3528-12"}, {"U", "6032-15"}, {"V", "7343-20"}};
constexpr Code kKemetTantalumTolerances[] = {{"K", "10"}, {"M", "20"}};
constexpr Code kKemetVoltages[] = {{"016", "16"}, {"004", "4"},  {"006", "6.3"}, {"010", "10"},
                                   {"020", "20"}, {"025", "25"}, {"035", "35"},  {"050", "50"}};
constexpr Code kKemetFailureRate[] = {{"A"}};
// T: 100 % tin; H: tin-lead; G: gold; S: the tin-lead solder coat of older sheets.
constexpr Code kKemetTermination[] = {{"T"}, {"H"}, {"G"}, {"S"}};
constexpr Code kKemetReels[] = {{""}, {"7280"}, {"7289"}};
constexpr Piece kKemetT491[] = {{F::Text, kT491},
                                {F::Case, kKemetCases},
                                {F::Value},
                                {F::Tolerance, kKemetTantalumTolerances},
                                {F::Voltage, kKemetVoltages},
                                {F::Text, kKemetFailureRate},
                                {F::Text, kKemetTermination},
                                {F::Text, kKemetReels}};

// Murata LQG: LQG 15 HS 10N J 02 D, the inductance in nanohenries with N as the point, from
// 100 nH in microhenries with R as the point; LQG18HN the same with 00.
constexpr Code kLqg[] = {{"LQG"}};
constexpr Code kLqg15[] = {{"15", "0402"}};
constexpr Code kLqg18[] = {{"18", "0603"}};
constexpr Code kLqg15Kinds[] = {{"HS"}, {"HN"}, {"HH"}};
constexpr Code kLqg18Kinds[] = {{"HN"}};
constexpr Code kLqgTolerances[] = {{"J", "5"},    {"G", "2"},    {"H", "3"},    {"K", "10"},
                                   {"S", "0.3a"}, {"B", "0.1a"}, {"C", "0.2a"}, {"D", "0.5a"}};
constexpr Code kLqg15Feature[] = {{"02"}};
constexpr Code kLqg18Feature[] = {{"00"}};
constexpr Code kLqgPackaging[] = {{"D"}, {"J"}, {"B"}};
constexpr Piece kMurataLqg15[] = {{F::Text, kLqg},
                                  {F::Size, kLqg15},
                                  {F::Text, kLqg15Kinds},
                                  {F::Value, {}, ValueStyle::NanohenriesN},
                                  {F::Tolerance, kLqgTolerances},
                                  {F::Text, kLqg15Feature},
                                  {F::Text, kLqgPackaging}};
constexpr Piece kMurataLqg18[] = {{F::Text, kLqg},
                                  {F::Size, kLqg18},
                                  {F::Text, kLqg18Kinds},
                                  {F::Value, {}, ValueStyle::NanohenriesN},
                                  {F::Tolerance, kLqgTolerances},
                                  {F::Text, kLqg18Feature},
                                  {F::Text, kLqgPackaging}};

// Panasonic aluminium electrolytics: EEU - FR 1C 102 (series, then voltage), and ECA - 1H M
// 100 (voltage, then series), the capacitance in microfarads; the taping or lead forming
// after it. A can's size is no part of the number.
constexpr Code kEeu[] = {{"EEU"}};
constexpr Code kEee[] = {{"EEE"}};
constexpr Code kEca[] = {{"ECA"}};
constexpr Code kRadialSeries[] = {{"FC"}, {"FK"}, {"FM"}, {"FR"}, {"FS"}, {"FP"}, {"EB"},
                                  {"ED"}, {"EE"}, {"TA"}, {"TP"}, {"HD"}, {"GA"}};
constexpr Code kSurfaceSeries[] = {{"FK"}, {"FC"}, {"FT"}, {"FN"}, {"FP"}};
constexpr Code kEcaSeries[] = {{"M"}, {"HG"}, {"EN"}};
constexpr Code kAluminiumVoltages[] = {{"0J", "6.3"}, {"1A", "10"},  {"1C", "16"},  {"1E", "25"},
                                       {"1V", "35"},  {"1H", "50"},  {"1J", "63"},  {"1K", "80"},
                                       {"2A", "100"}, {"2C", "160"}, {"2D", "200"}, {"2E", "250"},
                                       {"2V", "350"}, {"2T", "385"}, {"2G", "400"}, {"2W", "450"}};
// E lead forming; B and H taping at 5 or 7,5 mm and at 2,5 mm.
constexpr Code kRadialTaping[] = {{""}, {"E"}, {"B"}, {"H"}, {"L"}};
constexpr Code kSurfacePackaging[] = {{"P"}, {"XP"}, {"AP"}, {"GP"}};
template <const auto& type, const auto& series, const auto& endings>
constexpr Piece kSeriesFirst[] = {{F::Text, type},
                                  {F::Hyphen},
                                  {F::Text, series},
                                  {F::Voltage, kAluminiumVoltages},
                                  {F::Value, {}, ValueStyle::Microfarads3},
                                  {F::Text, endings}};
constexpr Piece kPanasonicEca[] = {{F::Text, kEca},
                                   {F::Hyphen},
                                   {F::Voltage, kAluminiumVoltages},
                                   {F::Text, kEcaSeries},
                                   {F::Value, {}, ValueStyle::Microfarads3},
                                   {F::Text, kRadialTaping}};
constexpr Range kAluminium{{1, 5}, {1, 11}}; // 0,1 … 100 000 мкФ

constexpr Family kFamilies[] = {
    {"AVX", "TAJ", Quantity::Capacitance, kAvxTaj, {{1, 5}, {1500, 6}}}, // 0,1 … 1500 мкФ
    {"KEMET", "T491", Quantity::Capacitance, kKemetT491, {{1, 5}, {1000, 6}}}, // 0,1 … 1000 мкФ
    {"Murata", "LQG", Quantity::Inductance, kMurataLqg15, {{1, 0}, {270, 0}}}, // 1 … 270 нГн
    {"Murata", "LQG", Quantity::Inductance, kMurataLqg18, {{1, 0}, {470, 0}}}, // 1 … 470 нГн
    // Read only: the number does not give the can, and a series is not chosen by value.
    {"Panasonic",
     "EEU",
     Quantity::Capacitance,
     kSeriesFirst<kEeu, kRadialSeries, kRadialTaping>,
     kAluminium,
     {},
     false,
     false},
    {"Panasonic",
     "EEE",
     Quantity::Capacitance,
     kSeriesFirst<kEee, kSurfaceSeries, kSurfacePackaging>,
     kAluminium,
     {},
     false,
     false},
    {"Panasonic", "ECA", Quantity::Capacitance, kPanasonicEca, kAluminium, {}, false, false},
};

} // namespace

std::span<const Family> tantalumAndInductorFamilies() {
    return kFamilies;
}

} // namespace vantrel::parts
