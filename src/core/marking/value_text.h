// A value written out with its unit, as a parts list or Vantrel's own readout writes it.
#pragma once

#include "core/value/readout.h"

#include <optional>
#include <string_view>

namespace vantrel::marking {

// "4,7 кОм", "4.7k", "4.7 kΩ", "10 нФ", "10uH", and what the readout's first line adds after
// the value: a tolerance ("±5 %", "±0,25 пФ", "+80/-20 %"), ", ТКС ±50 ppm/°C" and ", 100 В"
// (", 1,6 кВ").
// Nothing for a text with anything else, and for zero other than 0 Ом (a jumper).
std::optional<value::Reading> readValueWithUnit(std::string_view typed);

// A tolerance written out after a value of that quantity, as the readout writes it: "±5 %",
// "±0,25 пФ", "+80/-20 %", "+/-1 %". Nothing for any other text.
std::optional<value::Tolerance> readToleranceAfter(std::string_view typed,
                                                   value::Quantity quantity);

} // namespace vantrel::marking
