// Capacitor codes as they are printed, letters and all: "2A104J", "475K", "4n7", "p47".
#pragma once

#include "core/codes/press_result.h"

#include <string_view>

namespace vantrel::codes {

// The whole typed code, spaces left out, with the Cyrillic letters a Russian layout types in
// their place taken as the Latin ones: "C=" and the value with the tolerance and voltage the
// code carries, or the check message and no line. The readout adds the series and the value
// in every unit.
PressResult readPrintedCapacitorCode(std::string_view typed);

} // namespace vantrel::codes
