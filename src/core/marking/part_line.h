// A whole line as parts lists, distributors and labels write a part: its value and, in any
// order, its tolerance, rated voltage, dielectric, size, power, rated current and temperature.
#pragma once

#include "core/marking/any_marking.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel::marking {

// The line's words, apart by spaces, commas and slashes that are not inside a number ("4,7",
// "1/4W", "+80/-20%"), semicolons or underscores: one value, as any marking reader reads it
// alone from one to three words, and each other word a fact, at most one of each kind, or a
// word that names the component. A reading for each component the value may be whose part
// the facts all fit, the facts added to it. Nothing, with the reason, for a line with a word
// that is neither, no value, or a fact twice.
MarkingAnswer readPartLine(std::string_view line);

} // namespace vantrel::marking
