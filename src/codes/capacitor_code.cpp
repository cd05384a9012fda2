#include "codes/capacitor_code.h"

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
};
constexpr Multiplier kMultipliers[] = {{"9", "*0,1 пФ"}, {"0", "пФ"}, {"1", "0 пФ"},
                                       {"2", "*0,1 нФ"}, {"3", "нФ"}, {"4", "0 нФ"}};

// Stores the unit of the multiplier digit, or records the check message.
void readMultiplier(std::string_view typed, std::string& unit,
                    std::vector<std::string_view>& messages) {
    const auto* found = std::find_if(std::begin(kMultipliers), std::end(kMultipliers),
                                     [typed](const Multiplier& m) { return m.digit == typed; });
    if (found == std::end(kMultipliers))
        messages.push_back(kCheckDigits);
    else
        unit = found->unit;
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
    readMultiplier(multiplier, memory.unit, messages);
    std::string line = "C=";
    line.append(memory.digits).append(memory.unit);
    return finish(std::move(messages), std::move(line));
}

PressResult pressFourDigitCode(std::string_view digits, std::string_view multiplier,
                               FourDigitMemory& memory) {
    std::vector<std::string_view> messages;
    readMultiplier(multiplier, memory.unit, messages);
    std::string line{digits};
    line.append(memory.unit);
    return finish(std::move(messages), std::move(line));
}

} // namespace vantrel::codes
