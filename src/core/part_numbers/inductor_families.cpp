// Inductors' part numbers, each family from its maker's ordering information:
//   Murata LQG, LQM, LQH: Murata, Chip Inductors (Chip Coils) catalog, «Part Numbering» (the
//     sizes, the inductance in microhenries with N for nanohenries, the tolerance letters of
//     every LQ series); the LQG15HH reference sheet JELF243B-9101L-01, «Part Numbering» and
//     «Rating»; LQM18PH reference sheet JELF243B_9126C and LQM2MPN JELF243B_0049D-01, «Part
//     Numbering» (L taping, B bulk); LQH3NP_J0 data sheet (L and K, a 180 and a 330 mm reel).
//   Bourns SRN, SRR, SRP: Bourns, SRR1280A, SRR1210A and SRP7028A data sheets, their tables
//     of parts (the model, the inductance in microhenries, K, M or Y for ±10, ±20, ±30 %).
//   Sunlord SWPA: Sunlord, SWPA8065S data sheet SWPA01150000, «Product Identification»,
//     and the SWPA series catalogue's list of sizes.
#include "core/part_numbers/families.h"

namespace vantrel::parts {
namespace {

using F = Field;
using value::Quantity;

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
template <const auto& size, const auto& kinds, const auto& feature>
constexpr Piece kMurataLqg[] = {{F::Text, kLqg},
                                {F::Size, size},
                                {F::Text, kinds},
                                {F::Value, {}, ValueStyle::NanohenriesN},
                                {F::Tolerance, kLqgTolerances},
                                {F::Text, feature},
                                {F::Text, kLqgPackaging}};

// Murata LQM, LQH and LQW: LQ M 18 P N 4R7 M FR L, the application and category letters,
// the inductance, the tolerance, two letters of the series' own and the packaging.
constexpr Code kLqm[] = {{"LQM"}};
constexpr Code kLqh[] = {{"LQH"}};
constexpr Code kLqw[] = {{"LQW"}};
constexpr Code kMurataInductorSizes[] = {
    {"15", "0402"}, {"18", "0603"}, {"21", "0805"}, {"2H", "1008"}, {"2M", "0806"},
    {"2U", "1008"}, {"3N", "1212"}, {"31", "1206"}, {"32", "1210"}, {"43", "1812"},
    {"44", "1515"}, {"5B", "2020"}, {"55", "2220"}, {"66", "2525"}, {"88", "3131"}};
constexpr Code kPowerLine[] = {{"P"}};
constexpr Code kStandard[] = {{"N"}};
constexpr Code kPowerTolerances[] = {{"M", "20"}, {"N", "30"}, {"K", "10"}, {"J", "5"}};
constexpr Code kMurataSuffix[] = {{"FR"}};
constexpr Code kMurataReels[] = {{"L"}, {"K"}, {"B"}, {"D"}};
template <const auto& series>
constexpr Piece kMurataPower[] = {
    {F::Text, series},
    {F::Size, kMurataInductorSizes},
    {F::Text, kPowerLine, ValueStyle::Digits3, Follows::Nothing, 1},
    {F::Text, kStandard, ValueStyle::Digits3, Follows::Nothing, 1},
    {F::Value, {}, ValueStyle::Microhenries3},
    {F::Tolerance, kPowerTolerances},
    {F::Text, kMurataSuffix, ValueStyle::Digits3, Follows::Nothing, 2},
    {F::Text, kMurataReels}};

// Bourns: SRR 1260 - 100 M; the model's four figures and its letters, then the inductance in
// microhenries.
constexpr Code kSrn[] = {{"SRN"}};
constexpr Code kSrr[] = {{"SRR"}};
constexpr Code kSrp[] = {{"SRP"}};
constexpr Code kModel[] = {{"1260"}};
constexpr Code kModelLetters[] = {{""}, {"A"}, {"TA"}, {"B"}};
constexpr Code kBournsTolerances[] = {{"M", "20"}, {"K", "10"}, {"Y", "30"}};
template <const auto& series>
constexpr Piece kBourns[] = {{F::Text, series},
                             {F::Text, kModel, ValueStyle::Digits3, Follows::Nothing, 4},
                             {F::Text, kModelLetters},
                             {F::Hyphen},
                             {F::Value, {}, ValueStyle::Microhenries3},
                             {F::Tolerance, kBournsTolerances}};

// Sunlord SWPA: SWPA 4030 S 4R7 M T, the size length, width and height in tenths of a
// millimetre.
constexpr Code kSwpa[] = {{"SWPA"}};
constexpr Code kSunlordSizes[] = {{"4030"}, {"252010"}, {"252012"}, {"3010"}, {"3012"}, {"3015"},
                                  {"4010"}, {"4012"},   {"4018"},   {"4020"}, {"4026"}, {"5012"},
                                  {"5020"}, {"5040"},   {"6020"},   {"6028"}, {"6040"}, {"6045"},
                                  {"8040"}, {"8050"},   {"8060"},   {"8065"}};
constexpr Code kStandardFeature[] = {{"S"}};
constexpr Code kSunlordTolerances[] = {{"M", "20"}, {"N", "30"}, {"K", "10"}};
constexpr Code kTaped[] = {{"T"}};
constexpr Piece kSunlordSwpa[] = {{F::Text, kSwpa},
                                  {F::Text, kSunlordSizes},
                                  {F::Text, kStandardFeature},
                                  {F::Value, {}, ValueStyle::Microhenries3},
                                  {F::Tolerance, kSunlordTolerances},
                                  {F::Text, kTaped}};

constexpr Range kPower{{10, 0}, {10, 6}}; // 10 нГн … 10 мГн
constexpr Range kWound{{1, 0}, {10, 6}};  // 1 нГн … 10 мГн

constexpr Family kFamilies[] = {
    {"Murata",
     "LQG",
     Quantity::Inductance,
     kMurataLqg<kLqg15, kLqg15Kinds, kLqg15Feature>,
     {{1, 0}, {270, 0}}}, // 1 … 270 нГн
    {"Murata",
     "LQG",
     Quantity::Inductance,
     kMurataLqg<kLqg18, kLqg18Kinds, kLqg18Feature>,
     {{1, 0}, {470, 0}}}, // 1 … 470 нГн
    {"Murata", "LQM", Quantity::Inductance, kMurataPower<kLqm>, kPower, {}, false, false},
    {"Murata", "LQH", Quantity::Inductance, kMurataPower<kLqh>, kPower, {}, false, false},
    {"Murata", "LQW", Quantity::Inductance, kMurataPower<kLqw>, kWound, {}, false, false},
    {"Bourns", "SRN", Quantity::Inductance, kBourns<kSrn>, kPower, {}, false, false},
    {"Bourns", "SRR", Quantity::Inductance, kBourns<kSrr>, kPower, {}, false, false},
    {"Bourns", "SRP", Quantity::Inductance, kBourns<kSrp>, kPower, {}, false, false},
    {"Sunlord", "SWPA", Quantity::Inductance, kSunlordSwpa, kPower, {}, false, false},
};

} // namespace

std::span<const Family> inductorFamilies() {
    return kFamilies;
}

} // namespace vantrel::parts
