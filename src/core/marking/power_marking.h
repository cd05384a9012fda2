// The marking of a power resistor: its rated power and, beside it, its value and tolerance,
// "5W 10RJ", "2W 0R1 J", "10W 4R7", "4,7 Ом 10 Вт".
#pragma once

#include "core/value/readout.h"

#include <optional>
#include <string>
#include <string_view>

namespace vantrel::marking {

// What a power resistor's marking gives: the rating always, and the value where the marking
// has one (its letter code, or a value with its unit).
struct PowerMarking {
    value::Decimal watts;
    std::optional<value::Reading> value; // with its power set
};

// The rating first or last, "5W", "0,25W", "1/4W", "5 Вт", apart from the rest by a space; the
// rest, spaces left out, a letter code or a value with its unit. Nothing for anything else.
std::optional<PowerMarking> readPowerMarking(std::string_view typed);

// "5W 10RJ": the marking of a resistance whose power is set, with the letter of its tolerance
// where it has one; nothing without a power or a letter code.
std::optional<std::string> powerMarkingFor(const value::Reading& reading);

} // namespace vantrel::marking
