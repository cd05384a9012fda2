#include "core/codes/letter_code.h"

#include <algorithm>
#include <optional>

namespace vantrel::codes {
namespace {

struct Letter {
    std::string_view typed;
    std::string_view stored;
};

// Tolerance letters are Latin capitals only; "E" and "D" write a decimal comma.
constexpr Letter kToleranceLetters[] = {
    {"L", "+/- 0.002%"}, {"E", "+/- 0,001%"}, {"R", "+/- 0.005%"}, {"P", "+/- 0.01%"},
    {"U", "+/- 0.02%"},  {"A", "+/- 0.05%"},  {"B", "+/- 0.1%"},   {"C", "+/- 0.25%"},
    {"D", "+/- 0,5%"},   {"F", "+/- 1%"},     {"G", "+/- 2%"},     {"J", "+/- 5%"},
    {"K", "+/- 10%"},    {"M", "+/- 20%"},    {"N", "+/- 30%"}};

// Each unit letter is taken in Latin and in Cyrillic (Cyrillic "Е" stands for "R").
// The prefixes k and M are Latin, Г and Т Cyrillic.
constexpr Letter kMultiplierLetters[] = {{"R", ""},  {"Е", ""},  {"K", "k"}, {"К", "k"},
                                         {"M", "M"}, {"М", "M"}, {"G", "Г"}, {"Г", "Г"},
                                         {"T", "Т"}, {"Т", "Т"}};

struct LineRow {
    DigitCount digitCount;
    std::string_view position;
    std::string_view lead;
    std::string_view factor;
    int exponent; // the factor's power of ten
};

// Only the three-digit line for place 2 keeps "R=" in front; that is how the lines read.
using enum DigitCount;
constexpr LineRow kLines[] = {{Two, "1", "R=", " *0.01", -2},   {Two, "2", "R=", " *0.1", -1},
                              {Two, "3", "R=", "", 0},          {Three, "1", "", " *0.001", -3},
                              {Three, "2", "R=", " *0.01", -2}, {Three, "3", "", " *0.1", -1},
                              {Three, "4", "", "", 0}};

// The resistance the line states: the digits (when they are a number) × the factor × the
// unit prefix, with the tolerance letter's percentage.
std::optional<value::Reading> resistance(std::string_view digits, const LineRow& row,
                                         const LetterCodeMemory& memory) {
    constexpr std::string_view kPrefixes[] = {"", "k", "M", "Г", "Т"}; // a thousand apart
    const auto prefix = std::find(std::begin(kPrefixes), std::end(kPrefixes), memory.prefix);
    const int exponent = row.exponent + 3 * static_cast<int>(prefix - std::begin(kPrefixes));
    const std::optional<value::Decimal> amount = value::fromDigits(digits, exponent);
    if (!amount)
        return std::nullopt;
    std::string_view tolerance = memory.tolerance; // "+/- 0,5%"
    tolerance.remove_prefix(std::min(tolerance.size(), tolerance.find(' ') + 1));
    return value::Reading{value::Quantity::Resistance,
                          *amount,
                          value::fromText(tolerance.substr(0, tolerance.find('%'))),
                          {}};
}

template <std::size_t N>
std::optional<std::string_view> find(const Letter (&letters)[N], std::string_view typed) {
    const auto* found =
        std::find_if(std::begin(letters), std::end(letters),
                     [typed](const Letter& letter) { return letter.typed == typed; });
    if (found == std::end(letters))
        return std::nullopt;
    return found->stored;
}

} // namespace

PressResult pressLetterCode(const LetterCodeFields& fields, LetterCodeMemory& memory) {
    std::vector<std::string_view> messages;
    if (const auto tolerance = find(kToleranceLetters, fields.toleranceLetter))
        memory.tolerance = *tolerance;
    else
        messages.push_back("Проверь цифры в поле №4!");
    if (const auto prefix = find(kMultiplierLetters, fields.multiplierLetter))
        memory.prefix = *prefix;
    else
        messages.push_back("Проверь буквы в поле №3!");

    const auto* row = std::find_if(std::begin(kLines), std::end(kLines), [&](const LineRow& r) {
        return r.digitCount == fields.digitCount && r.position == fields.position;
    });
    if (row == std::end(kLines)) {
        messages.push_back(fields.digitCount == Two ? "Проверь положение в поле №2!"
                                                    : "Проверь положение!");
        return finish(std::move(messages), {});
    }
    std::string line;
    line.append(row->lead).append(fields.digits).append(" ").append(memory.prefix);
    line.append("Om").append(row->factor).append(" ТКС=").append(memory.tolerance);
    return finish(std::move(messages), std::move(line), resistance(fields.digits, *row, memory));
}

} // namespace vantrel::codes
