#include "core/codes/capacitor_code.h"

#include "core/value/series.h"

#include <algorithm>

namespace vantrel::codes {
namespace {

constexpr std::string_view kCheckDigits = "Проверь цифры!";

// The only digit pairs a 3-digit code may start with: the values of E6, "10" to "68".
bool isE6Pair(std::string_view digits) {
    const auto pair =
        digits.size() == 2 && digits.front() != '0' ? value::fromDigits(digits) : std::nullopt;
    return pair && value::firstSeriesHolding(*pair) == value::Series::E6;
}

// The multiplier digit as the code windows take it: one digit they write a unit for.
const MultiplierDigit* windowMultiplier(std::string_view typed) {
    const auto* row = std::ranges::find(kMultiplierDigits, typed.size() == 1 ? typed.front() : '\0',
                                        &MultiplierDigit::digit);
    return row == std::end(kMultiplierDigits) || row->windowUnit.empty() ? nullptr : row;
}

// The capacitance of digits × 10^exponent picofarads, where the digits are a number.
std::optional<value::Reading> capacitance(std::string_view digits, int exponent) {
    const auto amount = value::fromDigits(digits, exponent);
    if (!amount)
        return std::nullopt;
    return value::Reading(value::Quantity::Capacitance, *amount);
}

} // namespace

PressResult pressThreeDigitCode(std::string_view digits, std::string_view multiplier) {
    std::vector<std::string_view> messages;
    if (!isE6Pair(digits))
        messages.push_back(kCheckDigits);
    const MultiplierDigit* unit = windowMultiplier(multiplier);
    if (!unit)
        messages.push_back(kCheckDigits);
    if (!messages.empty())
        return refused(std::move(messages));
    std::string line = "C=";
    line.append(digits).append(unit->windowUnit);
    return written(std::move(line), capacitance(digits, unit->exponent));
}

PressResult pressFourDigitCode(std::string_view digits, std::string_view multiplier) {
    const MultiplierDigit* unit = windowMultiplier(multiplier);
    if (!unit)
        return refused({kCheckDigits});
    std::string line{digits};
    line.append(unit->windowUnit);
    // The digits are copied whatever they are; only one to three of them make a value.
    const bool number = !digits.empty() && digits.size() <= 3;
    return written(std::move(line), number ? capacitance(digits, unit->exponent) : std::nullopt);
}

} // namespace vantrel::codes
