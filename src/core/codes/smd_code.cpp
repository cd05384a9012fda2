#include "core/codes/smd_code.h"

#include "core/codes/typed_code.h"
#include "core/value/series.h"

#include <algorithm>

namespace vantrel::codes {
namespace {

using value::Decimal;

// The EIA-96 multiplier letters; R, S and H are left out, as tables disagree on them.
struct Multiplier {
    char letter;
    int exponent;
};
constexpr Multiplier kMultipliers[] = {{'Z', -3}, {'Y', -2}, {'X', -1}, {'A', 0}, {'B', 1},
                                       {'C', 2},  {'D', 3},  {'E', 4},  {'F', 5}};

// "4R7", "R47", "10R0": one R as the decimal point, digits around it (fromDigits refuses
// anything else); an integer part of two or more digits starts with no zero, so "01R" is no
// code.
std::optional<Decimal> decimalPointForm(std::string_view code) {
    const std::size_t point = code.find('R');
    if (code.size() < 2 || point == std::string_view::npos)
        return std::nullopt;
    const std::string_view whole = code.substr(0, point);
    const std::string_view fraction = code.substr(point + 1);
    if (whole.size() > 1 && whole.front() == '0')
        return std::nullopt;
    return value::fromDigits(std::string(whole) + std::string(fraction),
                             -static_cast<int>(fraction.size()));
}

// "01C": the n-th E96 value times the letter's power of ten.
std::optional<Decimal> eia96Form(std::string_view code) {
    const auto position = code.size() == 3 ? value::fromDigits(code.substr(0, 2)) : std::nullopt;
    if (!position)
        return std::nullopt;
    const auto* multiplier =
        std::find_if(std::begin(kMultipliers), std::end(kMultipliers),
                     [code](const Multiplier& m) { return m.letter == code[2]; });
    const std::optional<int> e96 = value::e96Value(static_cast<int>(position->significand));
    if (multiplier == std::end(kMultipliers) || !e96)
        return std::nullopt;
    return Decimal{*e96, multiplier->exponent};
}

std::optional<value::Reading> read(std::string_view code) {
    const auto ohms = [](std::optional<Decimal> value) -> std::optional<value::Reading> {
        if (!value)
            return std::nullopt;
        return value::Reading(value::Quantity::Resistance, *value);
    };
    if (code.empty() || code.size() > 4)
        return std::nullopt;
    // A jumper is all zeros; in a code of digits alone the last is the power of ten.
    if (code.find_first_not_of('0') == std::string_view::npos)
        return ohms(Decimal{0, 0});
    if (code.find_first_not_of("0123456789") == std::string_view::npos)
        return code.size() < 3
                   ? std::nullopt
                   : ohms(value::fromDigits(code.substr(0, code.size() - 1), code.back() - '0'));
    if (auto reading = ohms(decimalPointForm(code)))
        return reading;
    auto reading = ohms(eia96Form(code));
    if (reading)
        reading->tolerance = value::Tolerance::percent({1}); // an EIA-96 part is a 1 % part
    return reading;
}

} // namespace

PressResult readSmdCode(std::string_view typed) {
    const std::optional<std::string> code = readLookalikes(inCapitals(typed));
    const std::optional<value::Reading> reading = code ? read(*code) : std::nullopt;
    if (!reading)
        return refused({kCheckCode});
    return written("R=" + value::valueLine(*reading), reading);
}

} // namespace vantrel::codes
