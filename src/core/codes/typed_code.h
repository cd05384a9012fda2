// Codes typed as they are printed on a body: letters that a Russian keyboard layout types in
// place of the Latin ones they look like.
#pragma once

#include "core/value/decimal.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vantrel::codes {

// What a press of a typed-code window says to a text that is no code.
inline constexpr std::string_view kCheckCode = "Проверь код!";

// A character or two, as typed, and what the code reads there.
struct Lookalike {
    std::string_view typed;
    std::string_view read;
};

// The UTF-8 text with every Cyrillic capital that looks like a Latin one (А В С Е Н К М Х)
// read as that Latin capital, and every row of the reader's own table read as it says, its
// rows winning; ASCII passes as it is. Nothing when any other character is in the text.
std::optional<std::string> readLookalikes(std::string_view text,
                                          std::span<const Lookalike> ownRows = {});

// The text without the spaces, tabs and no-break spaces at either end.
std::string_view trimmed(std::string_view text);

// How strictly a reader takes what was typed: each reader names its own, and cleans the text
// with it once, before it reads.
struct Typing {
    bool trimmed = false;    // spaces, tabs and no-break spaces at the ends are left out
    bool eitherCase = false; // small letters, ASCII and Russian, are read as capitals
    bool lookalikes = false; // Cyrillic capitals that look like Latin ones are read as those
    std::span<const Lookalike> ownRows = {}; // with lookalikes: the reader's own, taken first
};

// The text as a reader of that typing takes it; nothing where it reads look-alikes and the text
// holds a character that is neither ASCII nor one of them.
std::optional<std::string> cleaned(std::string_view typed, const Typing& typing);

// The text with the small letters of ASCII and of the Russian alphabet (а to я, and ё) made
// capitals, for a code that is read in either case; every other byte stays as it is.
std::string inCapitals(std::string_view text);

// The value divided by 10^shift, as small bodies print it with a unit letter as the point:
// "4n7", "n47", "10n", "1n0". Nothing with more than maxDigits digits, or with a zero right
// after a letter that leads ("µ01"): a smaller unit writes that value.
std::optional<std::string> unitPointCode(value::Decimal value, std::string_view letter, int shift,
                                         std::size_t maxDigits);

// "472": the value as that many significant figures and one last digit, its power of ten,
// from 0 to largestPower. Nothing where such a code cannot give the value.
std::optional<std::string> powerOfTenCode(value::Decimal value, int figures, int largestPower);

} // namespace vantrel::codes
