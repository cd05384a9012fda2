#include "core/codes/capacitor_code.h"

#include "core/codes/rows.h"

#include <algorithm>
#include <array>

namespace vantrel::codes {
namespace {

constexpr std::string_view kCheckDigits = "Проверь цифры!";

// The E6 series: the only digit pairs a 3-digit code may start with.
constexpr std::array<std::string_view, 6> kE6Pairs{"10", "15", "22", "33", "47", "68"};

struct Multiplier {
    std::string_view typed; // the multiplier digit
    std::string_view unit;
    int exponent; // the digits count in 10^exponent picofarads
};
constexpr Multiplier kMultipliers[] = {{"9", "*0,1 пФ", -1}, {"0", "пФ", 0}, {"1", "0 пФ", 1},
                                       {"2", "*0,1 нФ", 2},  {"3", "нФ", 3}, {"4", "0 нФ", 4}};

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
    if (std::find(kE6Pairs.begin(), kE6Pairs.end(), digits) == kE6Pairs.end())
        messages.push_back(kCheckDigits);
    const Multiplier* unit = rowFor<Multiplier>(kMultipliers, multiplier);
    if (!unit)
        messages.push_back(kCheckDigits);
    if (!messages.empty())
        return refused(std::move(messages));
    std::string line = "C=";
    line.append(digits).append(unit->unit);
    return written(std::move(line), capacitance(digits, unit->exponent));
}

PressResult pressFourDigitCode(std::string_view digits, std::string_view multiplier) {
    const Multiplier* unit = rowFor<Multiplier>(kMultipliers, multiplier);
    if (!unit)
        return refused({kCheckDigits});
    std::string line{digits};
    line.append(unit->unit);
    // The digits are copied whatever they are; only one to three of them make a value.
    const bool number = !digits.empty() && digits.size() <= 3;
    return written(std::move(line), number ? capacitance(digits, unit->exponent) : std::nullopt);
}

} // namespace vantrel::codes
