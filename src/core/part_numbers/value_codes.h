// How makers' part numbers write a value: three or four digits with R as the point, letters as
// the point ("4K7", "10K0"), or nanohenries with N as the point ("2N2").
#pragma once

#include "core/value/decimal.h"

#include <optional>
#include <string>
#include <string_view>

namespace vantrel::parts {

enum class ValueStyle {
    Digits3,      // "103", "4R7", "R47": two figures and the zeros, in the smallest unit
    Digits4,      // "1002", "47R0": three figures and the zeros
    Digits3Or4,   // either, three where two figures are all the value has
    ZeroDigits3,  // "0103": a zero, then three digits as Digits3
    Letters,      // "10K", "4K7", "1K47", "56R", "1M": R, K or M where the point is
    LettersOf4,   // "10K0", "4K70", "47R0", "100R": the same in exactly four characters
    NanohenriesN, // "2N2", "10N" in nanohenries, "R10" in microhenries
};

// The value the code gives, in the quantity's smallest unit; nothing for a text that is no
// such code, and for zero: a jumper has a code of its own in each family.
std::optional<value::Decimal> readValueCode(ValueStyle style, std::string_view code);

// The code of a value; nothing where the style cannot write it (zero, too many figures, too
// large a power of ten). What readValueCode reads back.
std::optional<std::string> writeValueCode(ValueStyle style, value::Decimal value);

} // namespace vantrel::parts
