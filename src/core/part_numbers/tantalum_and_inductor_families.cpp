// Tantalum capacitors' and chip inductors' part numbers, each family from its maker's
// ordering information:
//   AVX TAJ: AVX, Tantalum and Niobium Oxide Capacitors catalog, version 13.6, TAJ Series
//     «How to order» and «Case dimensions», and TAJ Low Profile «Case dimensions».
//   KEMET T491: KEMET, Tantalum Surface Mount Capacitors, T491 Automotive/Industrial Grade
//     MnO2 data sheet T2050_T491_AUTO, 10/16/2020, «Ordering Information» and «Dimensions»;
//     the ratings table of the older T491 data sheet for the part numbers ending AS.
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
    {"V", "7361-38"}, {"R", "2012-12"}, {"P", "2012-15"}, {"S", "3216-12"}, {"T", "3528-12"},
    {"W", "6032-15"}, {"Y", "7343-20"}, {"X", "7343-15"}};
constexpr Code kAvxPackaging[] = {{"R"}, {"S"}, {"T"}, {"U"}};
constexpr Code kAvxSuffix[] = {{"NJ"}};
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

constexpr Family kFamilies[] = {
    {"AVX", "TAJ", Quantity::Capacitance, kAvxTaj, {{1, 5}, {1500, 6}}}, // 0,1 … 1500 мкФ
    {"KEMET", "T491", Quantity::Capacitance, kKemetT491, {{1, 5}, {1000, 6}}}, // 0,1 … 1000 мкФ
    {"Murata", "LQG", Quantity::Inductance, kMurataLqg15, {{1, 0}, {270, 0}}}, // 1 … 270 нГн
    {"Murata", "LQG", Quantity::Inductance, kMurataLqg18, {{1, 0}, {470, 0}}}, // 1 … 470 нГн
};

} // namespace

std::span<const Family> tantalumAndInductorFamilies() {
    return kFamilies;
}

} // namespace vantrel::parts
