// Tantalum capacitors' part numbers, each family from its maker's ordering information:
//   AVX TAJ: AVX, Tantalum and Niobium Oxide Capacitors catalog, version 13.6, TAJ Series
//     «How to order» and «Case dimensions», and TAJ Low Profile «Case dimensions»; TAJ
//     Automotive Range, page 19 «How to order» (071119); Tape & Reel Packaging, January 2014,
//     page 164 (the packaging letters).
//   KEMET T491: KEMET, Tantalum Surface Mount Capacitors, T491 Automotive/Industrial Grade
//     MnO2 data sheet T2050_T491_AUTO, 10/16/2020, «Ordering Information» and «Dimensions»;
//     the ratings table of the older T491 data sheet for the part numbers ending AS.
//   Vishay 293D: Vishay Sprague, 293D TANTAMOUNT data sheet, document 40002, revision
//     30-Mar-2020, «Ordering information»; the older TYPE 293D sheet for the cases A to E.
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

// Vishay 293D: 293D 107 X9 010 D 2WE3, the tolerance in two characters, the voltage in volts
// with R as the point.
constexpr Code k293d[] = {{"293D"}};
constexpr Code kVishayTolerances[] = {{"X0", "20"}, {"X9", "10"}, {"X5", "5"}};
constexpr Code kVishayVoltages[] = {{"016", "16"}, {"004", "4"},  {"6R3", "6.3"}, {"010", "10"},
                                    {"020", "20"}, {"025", "25"}, {"035", "35"},  {"050", "50"}};
constexpr Code kVishayCases[] = {
    {"A", "3216-18"}, {"B", "3528-21"}, {"C", "6032-28"}, {"D", "7343-31"}, {"E", "7343-43"}};
// 2 matte tin, 8 tin-lead; T and W a 7- and a 13-inch reel, D and R the same dry packed.
constexpr Code kVishayPackaging[] = {{"2TE3"}, {"2WE3"}, {"2DE3"}, {"2RE3"},
                                     {"8T"},   {"8W"},   {"8D"},   {"8R"}};
constexpr Piece kVishay293d[] = {{F::Text, k293d},
                                 {F::Value},
                                 {F::Tolerance, kVishayTolerances},
                                 {F::Voltage, kVishayVoltages},
                                 {F::Case, kVishayCases},
                                 {F::Text, kVishayPackaging}};

constexpr Family kFamilies[] = {
    {"AVX", "TAJ", Quantity::Capacitance, kAvxTaj, {{1, 5}, {1500, 6}}}, // 0,1 … 1500 мкФ
    {"KEMET", "T491", Quantity::Capacitance, kKemetT491, {{1, 5}, {1000, 6}}}, // 0,1 … 1000 мкФ
    {"Vishay", "293D", Quantity::Capacitance, kVishay293d, {{1, 5}, {1000, 6}}}, // 0,1 … 1000 мкФ
};

} // namespace

std::span<const Family> tantalumFamilies() {
    return kFamilies;
}

} // namespace vantrel::parts
