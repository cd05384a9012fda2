#include "core/marking/power_marking.h"

#include "core/codes/letter_code.h"
#include "core/codes/typed_code.h"
#include "core/marking/value_text.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace vantrel::marking {
namespace {

using value::Decimal;

// The words of the text, apart by spaces or no-break spaces; a number followed by the watt as
// a word of its own, "5 Вт", "1/4 W", is one word.
std::vector<std::string> wordsOf(std::string_view typed) {
    constexpr std::string_view kNoBreakSpace = "\u00A0";
    std::string text;
    for (std::size_t i = 0; i < typed.size(); ++i) {
        const bool space = typed.substr(i).starts_with(kNoBreakSpace);
        text += space ? ' ' : typed[i];
        i += space ? kNoBreakSpace.size() - 1 : 0;
    }
    std::vector<std::string> words;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find(' ', start), text.size());
        const std::string_view word = std::string_view(text).substr(start, end - start);
        const auto* unit = value::endingSpelling(word, value::kWattSpellings);
        const bool unitAlone = unit && unit->typed == word;
        if (unitAlone && !words.empty() &&
            std::isdigit(static_cast<unsigned char>(words.back().back())))
            words.back().append(word);
        else if (!word.empty())
            words.emplace_back(word);
        start = end + 1;
    }
    return words;
}

// A whole fraction of a watt as resistors print it, "1/4": the denominator, and the watts its
// numerator 1 stands for.
struct Fraction {
    std::int64_t denominator;
    Decimal oneOver;
};
constexpr Fraction kFractions[] = {{2, {5, -1}}, {4, {25, -2}}, {8, {125, -3}}, {16, {625, -4}}};

// "5W", "0,25W", "1/4W", "5Вт": watts, a number or a fraction below one.
std::optional<Decimal> watts(std::string_view word) {
    const auto* unit = value::endingSpelling(word, value::kWattSpellings);
    if (!unit)
        return std::nullopt;
    word.remove_suffix(unit->typed.size());
    if (const std::size_t slash = word.find('/'); slash != std::string_view::npos) {
        const auto above = value::fromDigits(word.substr(0, slash));
        const auto below = value::fromDigits(word.substr(slash + 1));
        for (const Fraction& f : kFractions)
            if (above && below && *below == Decimal{f.denominator} && above->significand > 0 &&
                above->exponent == 0 && above->significand < f.denominator)
                return Decimal{above->significand * f.oneOver.significand, f.oneOver.exponent};
        return std::nullopt;
    }
    const std::optional<Decimal> number = value::readNumber(word);
    if (!number || number->significand == 0)
        return std::nullopt;
    return number;
}

// "5W10RJ": the rating run together with the value, split after the watts.
void splitRatingInFront(std::vector<std::string>& words) {
    const std::string word = words.front();
    for (std::size_t end = 1; end < word.size(); ++end)
        if (value::endingSpelling(std::string_view(word).substr(0, end), value::kWattSpellings) &&
            watts(std::string_view(word).substr(0, end))) {
            words.front() = word.substr(0, end);
            words.insert(words.begin() + 1, word.substr(end));
            return;
        }
}

// "10ΩJ", "0.1ΩJ": a value with its unit and the tolerance letter right after it, as cement
// resistors print it. The letter is the letter code's own.
std::optional<value::Reading> withToleranceLetter(std::string_view text) {
    if (text.size() < 2)
        return std::nullopt;
    std::optional<value::Reading> reading = readValueWithUnit(text.substr(0, text.size() - 1));
    const std::optional<value::Tolerance> tolerance =
        codes::toleranceOfLetter(text.substr(text.size() - 1));
    if (!reading || reading->tolerance || !tolerance)
        return std::nullopt;
    reading->tolerance = tolerance;
    return reading;
}

} // namespace

std::optional<PowerMarking> readPowerMarking(std::string_view typed) {
    std::vector<std::string> words = wordsOf(codes::trimmed(typed));
    if (words.empty())
        return std::nullopt;
    if (!watts(words.front()))
        splitRatingInFront(words);
    std::optional<Decimal> power = watts(words.front());
    if (power) {
        words.erase(words.begin());
    } else if ((power = watts(words.back()))) {
        words.pop_back();
        // "10 Ом ±5 %, 5 Вт", as the value line writes it.
        if (!words.empty() && words.back().ends_with(',')) {
            words.back().pop_back();
            if (words.back().empty())
                words.pop_back();
        }
    } else {
        return std::nullopt;
    }
    PowerMarking marking{*power, {}};
    if (words.empty())
        return marking;
    std::string rest, spaced;
    for (const std::string& word : words) {
        rest.append(word);
        spaced.append(spaced.empty() ? "" : " ").append(word);
    }
    std::optional<value::Reading> reading = codes::readLetterCode(rest);
    if (!reading) {
        reading = readValueWithUnit(spaced);
        if (!reading)
            reading = withToleranceLetter(spaced);
        if (reading && reading->quantity != value::Quantity::Resistance)
            return std::nullopt;
    }
    if (!reading || reading->power)
        return std::nullopt;
    reading->power = *power;
    marking.value = reading;
    return marking;
}

std::optional<std::string> powerMarkingFor(const value::Reading& reading) {
    if (reading.quantity != value::Quantity::Resistance || !reading.power)
        return std::nullopt;
    std::optional<std::string> code = codes::letterCodeFor(reading.value);
    if (!code)
        return std::nullopt;
    if (reading.tolerance) {
        const auto letter = codes::toleranceLetterFor(*reading.tolerance);
        if (!letter)
            return std::nullopt;
        code->append(*letter);
    }
    std::string power = value::spell(*reading.power);
    std::ranges::replace(power, ',', '.');
    return power.append("W ").append(*code);
}

} // namespace vantrel::marking
