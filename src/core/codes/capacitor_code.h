// The capacitor codes: significant digits and a multiplier digit, turned into one line.
#pragma once

#include "core/codes/press_result.h"

#include <string_view>

namespace vantrel::codes {

// "C=", an E6 digit pair and the multiplier's unit, or "Проверь цифры!" for each field that
// is no part of a code and no line.
PressResult pressThreeDigitCode(std::string_view digits, std::string_view multiplier);

// The digits as typed and the multiplier's unit, or "Проверь цифры!" and no line.
PressResult pressFourDigitCode(std::string_view digits, std::string_view multiplier);

} // namespace vantrel::codes
