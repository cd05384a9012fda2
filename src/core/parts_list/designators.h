// Reference designators as parts lists write them: "R1-R4", "R1, R2", "C7A", "RN3".
#pragma once

#include "core/value/units.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel::lists {

// The designators a field names, each range written out: "R1-R4, R7" is R1, R2, R3, R4, R7.
// `problem` says why a part of the field could not be read ("R1-C4", "R4-R1", a range of more
// than kLongestRange), and that part is left out.
struct Designators {
    std::vector<std::string> each;
    std::string problem;
};
inline constexpr int kLongestRange = 1000;
Designators readDesignators(std::string_view field);

// Whether a word is one designator: letters, a number that does not start with 0, and
// optionally letters after it ("C7A"). A plain list's line starts with such words.
bool designatorWord(std::string_view word);

// What a designator's letters make the part: R, RN and RV a resistor, C and CN a capacitor, L an
// inductor. Nothing for any other part (FB, a ferrite bead, is rated in ohms at a frequency).
std::optional<value::Quantity> quantityOfDesignator(std::string_view designator);

// "резистор", "конденсатор", "катушка индуктивности".
std::string_view partName(value::Quantity quantity);

} // namespace vantrel::lists
