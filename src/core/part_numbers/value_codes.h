// How makers' part numbers write a value: three or four digits with R as the point or a letter
// for a multiplier below one, letters as the point ("4K7", "10K0"), or nanohenries with N as
// the point ("2N2").
#pragma once

#include "core/value/decimal.h"

#include <optional>
#include <string>
#include <string_view>

namespace vantrel::parts {

enum class ValueStyle {
    Digits3,          // "103", "4R7", "R47": two figures and the zeros, in the smallest unit
    Digits4,          // "1002", "47R0": three figures and the zeros
    Digits3Or4,       // either, three where two figures are all the value has
    ZeroDigits3,      // "0103": a zero, then three digits as Digits3
    Letters,          // "10K", "4K7", "1K47", "56R", "1M": R, K or M where the point is
    LettersOf4,       // "10K0", "4K70", "47R0", "100R": the same in exactly four characters
    NanohenriesN,     // "2N2", "10N" in nanohenries, "R10" in microhenries
    Digits3Tenths,    // "104" as Digits3; 9 for a tenth, "479", and 8 for a hundredth, "508"
    Digits4Jkl,       // "1002" as Digits4; J, K or L for a tenth, hundredth, thousandth: "499J"
    ZeroDigits3Jkl,   // "0103" as ZeroDigits3; "047J" as Digits4Jkl
    Microfarads3,     // "101", "4R7" as Digits3, in microfarads
    MicrofaradsPlain, // "1000", "47", "4R7", "0R47": microfarads as written, R the point
    Microhenries3,    // "100", "4R7", "R47" as Digits3 in microhenries; "2N2", "10N" nanohenries
};

// The value the code gives, in the quantity's smallest unit; nothing for a text that is no
// such code, and for zero: a jumper has a code of its own in each family.
std::optional<value::Decimal> readValueCode(ValueStyle style, std::string_view code);

// The code of a value; nothing where the style cannot write it (zero, too many figures, too
// large a power of ten). What readValueCode reads back.
std::optional<std::string> writeValueCode(ValueStyle style, value::Decimal value);

} // namespace vantrel::parts
