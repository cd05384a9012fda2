// A line's value as a parts list means it: the designator decides the quantity of a value
// written without its unit, and only the forms a designer writes are read.
#pragma once

#include "core/marking/any_marking.h"
#include "core/parts_list/findings.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel::lists {

// A value as a designer writes it for that quantity, without its unit: a number, with a
// prefix's letter after it or as its point («470», «4k7», «4.7R», «1Meg», «0.1u», «4u7»,
// «2m2», «R010»). In the quantity's smallest unit; nothing for any other word. A small m is
// milli, a capital M mega (IEC 60062).
std::optional<value::Decimal> bareValue(std::string_view word, value::Quantity quantity);

// What a line's value says, as the line's part is: its readings, or why it says nothing sure.
struct ValueAnswer {
    std::vector<marking::MarkingReading> readings;
    std::optional<Finding> finding;
    bool saysAnything = true; // false where nothing in the value reads as any part's value
    std::vector<std::string> partNumbers = {}; // makers' numbers the value holds besides it
};

// The value of a line whose designators make it that quantity, or of any quantity where the
// line has none. On a designator's line a value with no unit is of the designator's quantity
// («10u» on L1 is 10 мкГн), a number with a unit after a space is read with it («10 кОм»),
// codes printed on chips are no value but the capacitor's three digits («104»), and words
// that say nothing of the value are passed over where the rest reads («0.1uF decoupling
// capacitor», «Resistor 0 ohm jumper, 0805», a height «0.55mm», a stock number «302010000»); a
// maker's part number among them is kept to be compared («33pf / CC0402JRNPO9BN330»).
ValueAnswer readListValue(std::string_view text, std::optional<value::Quantity> quantity);

// Whether a value names a ferrite bead, which a list may give an inductor's designator: «0805
// Ferrite Beads», «600R@100MHz», «120 Ом на 100 МГц».
bool namesABead(std::string_view text);

} // namespace vantrel::lists
