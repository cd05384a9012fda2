// Würth Elektronik's order codes are indexes of its catalogue, not codes: each is read from
// the data sheet of its own part, as the sheet's «Electrical Properties» print it:
//   885012206071: WCAP-CSGP, revision 001.000, 2015-11-10, technical reference
//     X7R0603104K025DFCT10000.
//   885012206052: WCAP-CSGP, revision 002.000, 2021-01-03, X7R0603105K016DFCT10000.
//   74404041470: WE-LQS 4012, revision 001.003, 2019-11-26, page 1.
//   74477030: WE-PD 1280, revision 006.000, 2022-07-26.
//   74458168: WE-PD4, revision 1.4, 2015-02-18.
//   7445530: WE-PD4 S, revision 003.000, 2021-07-08.
//   74479774147: WE-PMI 0805, revision 001.007, 2019-05-07.
//   784776112: WE-PD2A 1054, revision 002.004, 2020-04-09.
#include "core/part_numbers/families.h"

namespace vantrel::parts {
namespace {

using value::Quantity;

constexpr IndexRow kCsgp[] = {
    {"885012206071", {10, 4}, "10", "25", "X7R", "0603"}, // 100 нФ
    {"885012206052", {1, 6}, "10", "16", "X7R", "0603"},  // 1 мкФ
};
constexpr IndexRow kLqs[] = {{"74404041470", {47, 3}, "20"}}; // 47 мкГн
constexpr IndexRow kPd[] = {{"74477030", {1, 6}, "20"}};      // 1 мГн
constexpr IndexRow kPd4[] = {
    {"74458168", {68, 3}, "20"}, // 68 мкГн
    {"7445530", {1, 6}, "20"},   // 1 мГн
};
constexpr IndexRow kPmi[] = {{"74479774147", {470, 0}, "20", {}, {}, "0805"}}; // 0,47 мкГн
constexpr IndexRow kPd2a[] = {{"784776112", {12, 3}, "10"}};                   // 12 мкГн

constexpr Range kAny{{1, -1}, {1, 12}};

constexpr Family kFamilies[] = {
    {"Würth", "WCAP-CSGP", Quantity::Capacitance, {}, kAny, {}, false, true, kCsgp},
    {"Würth", "WE-LQS", Quantity::Inductance, {}, kAny, {}, false, true, kLqs},
    {"Würth", "WE-PD", Quantity::Inductance, {}, kAny, {}, false, true, kPd},
    {"Würth", "WE-PD4", Quantity::Inductance, {}, kAny, {}, false, true, kPd4},
    {"Würth", "WE-PMI", Quantity::Inductance, {}, kAny, {}, false, true, kPmi},
    {"Würth", "WE-PD2A", Quantity::Inductance, {}, kAny, {}, false, true, kPd2a},
};

} // namespace

std::span<const Family> catalogueFamilies() {
    return kFamilies;
}

} // namespace vantrel::parts
