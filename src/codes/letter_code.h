// The resistor letter code: digits, the letter's place, the multiplier letter and the
// tolerance letter, turned into one result line.
#pragma once

#include "codes/press_result.h"

#include <string>
#include <string_view>

namespace vantrel::codes {

inline constexpr std::string_view kTwoDigits = "2 цифры";
inline constexpr std::string_view kThreeDigits = "3 цифры";

struct LetterCodeFields {
    std::string_view mode;             // the selected item of the digit-count selector
    std::string_view digits;           // field 1, copied as typed
    std::string_view position;         // field №2
    std::string_view multiplierLetter; // field №3
    std::string_view toleranceLetter;  // field №4
};

// What a press leaves for the next: the last accepted tolerance and unit prefix.
struct LetterCodeMemory {
    std::string tolerance;
    std::string prefix;
};

PressResult pressLetterCode(const LetterCodeFields& fields, LetterCodeMemory& memory);

} // namespace vantrel::codes
