// The codes printed on SMD chip resistors: "472", "1002", "4R7" and the EIA-96 "01C".
#pragma once

#include "core/codes/press_result.h"

#include <string_view>

namespace vantrel::codes {

// The whole typed code, in either case, with the Cyrillic А, В, С, Е, Х taken as the Latin
// letters they look like: "R=" and the value, or the check message and no line.
PressResult readSmdCode(std::string_view typed);

} // namespace vantrel::codes
