#include "core/codes/capacitor_code.h"

#include <algorithm>
#include <array>

namespace vantrel::codes {
namespace {

constexpr std::string_view kCheckDigits = "Проверь цифры!";

// The E6 series: the only digit pairs a 3-digit code may start with.
constexpr std::array<std::string_view, 6> kE6Pairs{"10", "15", "22", "33", "47", "68"};

struct Multiplier {
    std::string_view digit;
    std::string_view unit;
    int exponent; // the digits count in 10^exponent picofarads
};
constexpr Multiplier kMultipliers[] = {{"9", "*0,1 пФ", -1}, {"0", "пФ", 0}, {"1", "0 пФ", 1},
                                       {"2", "*0,1 нФ", 2},  {"3", "нФ", 3}, {"4", "0 нФ", 4}};

// Stores the unit of the multiplier digit and gives its power of ten, or records the check
// message.
std::optional<int> readMultiplier(std::string_view typed, std::string& unit,
                                  std::vector<std::string_view>& messages) {
    const auto* found = std::find_if(std::begin(kMultipliers), std::end(kMultipliers),
                                     [typed](const Multiplier& m) { return m.digit == typed; });
    if (found == std::end(kMultipliers)) {
        messages.push_back(kCheckDigits);
        return std::nullopt;
    }
    unit = found->unit;
    return found->exponent;
}

// The capacitance of digits × 10^exponent picofarads, where the digits are a number.
std::optional<value::Reading> capacitance(std::string_view digits, std::optional<int> exponent) {
    const auto amount = exponent ? value::fromDigits(digits, *exponent) : std::nullopt;
    if (!amount)
        return std::nullopt;
    return value::Reading{value::Quantity::Capacitance, *amount, {}, {}};
}

} // namespace

PressResult pressThreeDigitCode(std::string_view digits, std::string_view multiplier,
                                ThreeDigitMemory& memory) {
    std::vector<std::string_view> messages;
    if (std::find(kE6Pairs.begin(), kE6Pairs.end(), digits) != kE6Pairs.end())
        memory.digits =
            std::string(digits); // a copy: GCC 12 misreads assigning a view (-Wrestrict)
    else
        messages.push_back(kCheckDigits);
    const std::optional<int> exponent = readMultiplier(multiplier, memory.unit, messages);
    std::string line = "C=";
    line.append(memory.digits).append(memory.unit);
    return finish(std::move(messages), std::move(line), capacitance(memory.digits, exponent));
}

PressResult pressFourDigitCode(std::string_view digits, std::string_view multiplier,
                               FourDigitMemory& memory) {
    std::vector<std::string_view> messages;
    const std::optional<int> exponent = readMultiplier(multiplier, memory.unit, messages);
    std::string line{digits};
    line.append(memory.unit);
    // The digits are copied whatever they are; only one to three of them make a value.
    const bool number = !digits.empty() && digits.size() <= 3;
    return finish(std::move(messages), std::move(line),
                  number ? capacitance(digits, exponent) : std::nullopt);
}

} // namespace vantrel::codes
