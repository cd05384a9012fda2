// The resistor letter code: digits, the letter's place, the multiplier letter and the
// tolerance letter, turned into one result line.
#pragma once

#include "core/codes/press_result.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace vantrel::codes {

// How many digits the code has, as the window's selector offers it, and the selector's
// item for each, in that order.
enum class DigitCount { Two, Three };
inline constexpr std::array<std::string_view, 2> kDigitCountNames{"2 цифры", "3 цифры"};
static_assert(kDigitCountNames.size() == static_cast<std::size_t>(DigitCount::Three) + 1);

struct LetterCodeFields {
    DigitCount digitCount;
    std::string_view digits;           // field 1, copied as typed
    std::string_view position;         // field №2
    std::string_view multiplierLetter; // field №3
    std::string_view toleranceLetter;  // field №4
};

// The line the fields make; or, when a field is no part of a code, the check messages (for
// fields №4, №3, then the position) and no line.
PressResult pressLetterCode(const LetterCodeFields& fields);

// A letter code typed as one text, in either case but for a small m, g or t (m is milli, not
// mega): digits with one multiplier letter of the window (Latin or Cyrillic) as the point,
// "4K7", "R33", "33Е", and a tolerance letter at the end where the rest reads without it,
// "4K7J", "R33G".
std::optional<value::Reading> readLetterCode(std::string_view typed);

// "4K7", "470R", "1M0", "R47": the resistance in the largest unit it reaches, the unit's Latin
// letter as the point, as readLetterCode reads it back. Nothing for zero or a value of more
// than four digits.
std::optional<std::string> letterCodeFor(value::Decimal ohms);

// "J": the tolerance letter readLetterCode reads as that tolerance; nothing for one no letter
// gives.
std::optional<std::string_view> toleranceLetterFor(const value::Tolerance& tolerance);

// The tolerance a Latin capital stands for at the end of a code, "J" ±5 %; nothing for any
// other text.
std::optional<value::Tolerance> toleranceOfLetter(std::string_view letter);

} // namespace vantrel::codes
