// The capacitor codes: significant digits and a multiplier digit, turned into one line.
#pragma once

#include "core/codes/press_result.h"

#include <string_view>

namespace vantrel::codes {

// The last digit of a capacitor's code: the power of ten of its picofarads, 8 and 9 standing
// for 0,01 and 0,1 and 7 for none; and the unit the code windows write for it, where they
// take it.
struct MultiplierDigit {
    char digit;
    int exponent;
    std::string_view windowUnit; // empty where the code windows refuse the digit
};
inline constexpr MultiplierDigit kMultiplierDigits[] = {
    {'0', 0, "пФ"}, {'1', 1, "0 пФ"}, {'2', 2, "*0,1 нФ"}, {'3', 3, "нФ"},      {'4', 4, "0 нФ"},
    {'5', 5, {}},   {'6', 6, {}},     {'8', -2, {}},       {'9', -1, "*0,1 пФ"}};

// "C=", an E6 digit pair and the multiplier's unit, or "Проверь цифры!" for each field that
// is no part of a code and no line.
PressResult pressThreeDigitCode(std::string_view digits, std::string_view multiplier);

// The digits as typed and the multiplier's unit, or "Проверь цифры!" and no line.
PressResult pressFourDigitCode(std::string_view digits, std::string_view multiplier);

} // namespace vantrel::codes
