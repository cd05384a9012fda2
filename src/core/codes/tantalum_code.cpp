#include "core/codes/tantalum_code.h"

#include "core/codes/rows.h"
#include "core/codes/typed_code.h"

#include <algorithm>

namespace vantrel::codes {
namespace {

using value::Decimal;

// The rated-voltage letters of tantalum chip capacitors, as the makers' datasheets give them
// (the marking's voltage code in the AVX TAJ and KEMET T491 datasheets). Both print a small e
// for 2,5 В beside the capital E for 25 В, so that letter is read in its own case.
struct VoltageLetter {
    std::string_view typed;
    Decimal volts;
};
constexpr VoltageLetter kVoltageLetters[] = {{"e", {25, -1}}, {"G", {4}},  {"J", {63, -1}},
                                             {"A", {10}},     {"C", {16}}, {"D", {20}},
                                             {"E", {25}},     {"V", {35}}, {"T", {50}}};
// The small e as typed, on a Latin or a Russian keyboard layout.
constexpr std::string_view kSmallE[] = {"e", "е"};
static_assert(kVoltageLetters[0].typed == "e");

// The code's three digits: two figures and the power of ten of the picofarads.
constexpr int kLargestPower = 7;
constexpr Typing kTantalumTyping{.trimmed = true, .eitherCase = true, .lookalikes = true};

std::optional<Decimal> picofarads(std::string_view digits) {
    if (digits.size() != 3 || digits[2] < '0' || digits[2] - '0' > kLargestPower)
        return std::nullopt;
    const std::optional<Decimal> value = value::fromDigits(digits.substr(0, 2), digits[2] - '0');
    if (!value || value->significand == 0)
        return std::nullopt;
    return value;
}

std::optional<value::Reading> reading(std::string_view digits, Decimal volts) {
    const std::optional<Decimal> value = picofarads(digits);
    if (!value)
        return std::nullopt;
    value::Reading found(value::Quantity::Capacitance, *value);
    found.voltage = volts;
    return found;
}

// "475 16": the volts after the space must be a rating a voltage letter names.
std::optional<value::Reading> withVoltsApart(std::string_view code) {
    const std::size_t space = code.find(' ');
    const std::string_view digits = code.substr(0, space);
    const std::string_view rest = code.substr(space + 1);
    if (rest.find(' ') != std::string_view::npos)
        return std::nullopt;
    const std::optional<Decimal> volts = value::readNumber(rest);
    if (!volts || std::ranges::none_of(kVoltageLetters, [&](const VoltageLetter& letter) {
            return letter.volts == *volts;
        }))
        return std::nullopt;
    return reading(digits, *volts);
}

} // namespace

std::optional<value::Reading> readTantalumCode(std::string_view typed) {
    // The small e first, before the code is read in capitals: "e106", "106e" are 2,5 В.
    const std::string_view text = trimmed(typed);
    for (const std::string_view e : kSmallE) {
        if (text.starts_with(e))
            return reading(text.substr(e.size()), kVoltageLetters[0].volts);
        if (text.ends_with(e))
            return reading(text.substr(0, text.size() - e.size()), kVoltageLetters[0].volts);
    }
    const std::optional<std::string> cleanedCode = cleaned(typed, kTantalumTyping);
    if (!cleanedCode || cleanedCode->size() < 4)
        return std::nullopt;
    const std::string_view code = *cleanedCode;
    if (code.find(' ') != std::string_view::npos)
        return withVoltsApart(code);
    const auto rows = std::span<const VoltageLetter>(kVoltageLetters);
    if (code.size() != 4)
        return std::nullopt;
    if (const auto* letter = rowFor(rows, code.substr(3)))
        return reading(code.substr(0, 3), letter->volts); // "107C"
    if (const auto* letter = rowFor(rows, code.substr(0, 1)))
        return reading(code.substr(1), letter->volts); // "C107"
    return std::nullopt;
}

std::optional<std::string> tantalumCodeFor(const value::Reading& reading) {
    if (reading.quantity != value::Quantity::Capacitance || !reading.voltage)
        return std::nullopt;
    const auto* letter =
        std::ranges::find(kVoltageLetters, *reading.voltage, &VoltageLetter::volts);
    if (letter == std::end(kVoltageLetters))
        return std::nullopt;
    std::optional<std::string> code = powerOfTenCode(reading.value, 2, kLargestPower);
    if (!code)
        return std::nullopt;
    return code->append(letter->typed);
}

} // namespace vantrel::codes
