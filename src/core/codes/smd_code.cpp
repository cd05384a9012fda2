#include "core/codes/smd_code.h"

#include "core/codes/typed_code.h"
#include "core/value/series.h"

#include <algorithm>

namespace vantrel::codes {
namespace {

using value::Decimal;

// The EIA-96 multiplier letters. Some makers print R for Y, S for X and H for B; tables
// disagree on those, so the SMD window leaves them out and the any-marking reader lists them
// as a reading of their own.
struct Multiplier {
    char letter;
    int exponent;
    bool otherMakers;
};
constexpr bool kOthers = true;
constexpr Multiplier kMultipliers[] = {
    {'Z', -3, !kOthers}, {'Y', -2, !kOthers}, {'X', -1, !kOthers}, {'A', 0, !kOthers},
    {'B', 1, !kOthers},  {'C', 2, !kOthers},  {'D', 3, !kOthers},  {'E', 4, !kOthers},
    {'F', 5, !kOthers},  {'R', -2, kOthers},  {'S', -1, kOthers},  {'H', 1, kOthers}};

// "4R7", "R47", "10R0": one R as the decimal point, digits around it (fromDigits refuses
// anything else); an integer part of two or more digits starts with no zero, so "01R" is no
// code.
std::optional<Decimal> decimalPointForm(std::string_view code) {
    const std::size_t point = code.find('R');
    if (code.size() < 2 || point == std::string_view::npos)
        return std::nullopt;
    if (point > 1 && code.front() == '0')
        return std::nullopt;
    return value::aroundPoint(code, point, 1, 0);
}

// "01C": the n-th E96 value times the letter's power of ten, a 1 % part; the letters of
// the standard or, asked for, only the other makers' ones.
std::optional<value::Reading> eia96Form(std::string_view code, bool otherMakers) {
    const auto position = code.size() == 3 ? value::fromDigits(code.substr(0, 2)) : std::nullopt;
    if (!position)
        return std::nullopt;
    const auto* multiplier =
        std::find_if(std::begin(kMultipliers), std::end(kMultipliers), [&](const Multiplier& m) {
            return m.letter == code[2] && m.otherMakers == otherMakers;
        });
    const std::optional<int> e96 = value::e96Value(static_cast<int>(position->significand));
    if (multiplier == std::end(kMultipliers) || !e96)
        return std::nullopt;
    return value::Reading(value::Quantity::Resistance, Decimal{*e96, multiplier->exponent},
                          value::Tolerance::percent({1}));
}

// Typed as the body prints it, in either case; spaces are no part of a code.
constexpr Typing kSmdTyping{.eitherCase = true, .lookalikes = true};

// "472", "1002", "4R7", "000": at most four characters.
std::optional<value::Reading> digitsForm(std::string_view code) {
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
    return ohms(decimalPointForm(code));
}

} // namespace

SmdReadings smdReadings(std::string_view typed) {
    const std::optional<std::string> code = cleaned(typed, kSmdTyping);
    if (!code)
        return {};
    return {digitsForm(*code), eia96Form(*code, false), eia96Form(*code, true)};
}

std::optional<std::string> smdDigitCode(Decimal ohms, int length) {
    if (ohms.significand == 0)
        return std::string(static_cast<std::size_t>(length), '0');
    return powerOfTenCode(ohms, length - 1, 9);
}

std::optional<std::string> smdPointCode(Decimal ohms, int length) {
    if (ohms.significand <= 0)
        return std::nullopt;
    const auto size = static_cast<std::size_t>(length);
    std::string code = value::withPointLetter(ohms, "R", 0, size - 1);
    if (code.size() > size || code.back() == 'R')
        return std::nullopt;
    return code;
}

std::optional<std::string> eia96Code(Decimal ohms) {
    const std::optional<Decimal> figures = value::inFigures(ohms, 3);
    if (!figures)
        return std::nullopt;
    const auto* multiplier =
        std::find_if(std::begin(kMultipliers), std::end(kMultipliers), [&](const Multiplier& m) {
            return m.exponent == figures->exponent && !m.otherMakers;
        });
    for (int n = 1; n <= 96 && multiplier != std::end(kMultipliers); ++n)
        if (value::e96Value(n) == figures->significand)
            return std::string{static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10),
                               multiplier->letter};
    return std::nullopt;
}

PressResult readSmdCode(std::string_view typed) {
    const SmdReadings readings = smdReadings(typed);
    const std::optional<value::Reading>& reading =
        readings.digits ? readings.digits : readings.eia96;
    if (!reading)
        return refused({kCheckCode});
    return written("R=" + value::valueLine(*reading), reading);
}

} // namespace vantrel::codes
