// The capacitor codes: significant digits and a multiplier digit, turned into one line.
#pragma once

#include "core/codes/press_result.h"

#include <string>
#include <string_view>

namespace vantrel::codes {

// The 3-digit window remembers its last accepted digit pair and unit.
struct ThreeDigitMemory {
    std::string digits;
    std::string unit;
};

// The 4-digit window remembers only its last accepted unit; it copies its digits as typed.
struct FourDigitMemory {
    std::string unit;
};

PressResult pressThreeDigitCode(std::string_view digits, std::string_view multiplier,
                                ThreeDigitMemory& memory);
PressResult pressFourDigitCode(std::string_view digits, std::string_view multiplier,
                               FourDigitMemory& memory);

} // namespace vantrel::codes
