#include "core/codes/letter_code.h"

#include "core/codes/rows.h"
#include "core/codes/typed_code.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace vantrel::codes {
namespace {

using value::Decimal;

struct ToleranceLetter {
    std::string_view typed;
    std::string_view text; // as the line writes it
    Decimal percent;
};

// Tolerance letters are Latin capitals only; "E" and "D" write a decimal comma.
constexpr ToleranceLetter kToleranceLetters[] = {
    {"L", "+/- 0.002%", {2, -3}}, {"E", "+/- 0,001%", {1, -3}}, {"R", "+/- 0.005%", {5, -3}},
    {"P", "+/- 0.01%", {1, -2}},  {"U", "+/- 0.02%", {2, -2}},  {"A", "+/- 0.05%", {5, -2}},
    {"B", "+/- 0.1%", {1, -1}},   {"C", "+/- 0.25%", {25, -2}}, {"D", "+/- 0,5%", {5, -1}},
    {"F", "+/- 1%", {1}},         {"G", "+/- 2%", {2}},         {"J", "+/- 5%", {5}},
    {"K", "+/- 10%", {10}},       {"M", "+/- 20%", {20}},       {"N", "+/- 30%", {30}}};

struct MultiplierLetter {
    std::string typed;
    std::string_view prefix; // as the line writes it before "Om"
    int exponent;            // the prefix's power of ten
    bool latin;
};

// The prefixes the letters stand for, and whether the line writes the prefix in Russian.
struct LetterPrefix {
    int exponent;
    bool russianInLine;
};
constexpr LetterPrefix kLetterPrefixes[] = {
    {value::kKilo, false}, {value::kMega, false}, {value::kGiga, true}, {value::kTera, true}};

// R, or the Cyrillic Е, for ohms; then each prefix as a capital, in Latin and in Cyrillic.
const std::vector<MultiplierLetter>& multiplierLetters() {
    static const std::vector<MultiplierLetter> letters = [] {
        std::vector<MultiplierLetter> made{{"R", "", 0, true}, {"Е", "", 0, false}};
        for (const LetterPrefix& letter : kLetterPrefixes) {
            const value::Prefix& prefix = *value::prefixOf(letter.exponent);
            const std::string_view line = letter.russianInLine ? prefix.russian : prefix.latin;
            made.push_back({inCapitals(prefix.latin), line, letter.exponent, true});
            made.push_back({inCapitals(prefix.russian), line, letter.exponent, false});
        }
        return made;
    }();
    return letters;
}

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

// "4K7", "R33", "1M0", "33Е": at most four digits with one multiplier letter standing for the
// point.
std::optional<value::Reading> pointForm(std::string_view code) {
    const std::vector<MultiplierLetter>& letters = multiplierLetters();
    const std::size_t point = code.find_first_not_of("0123456789");
    const auto letter =
        point == std::string_view::npos
            ? letters.end()
            : std::ranges::find_if(letters,
                                   [rest = code.substr(point)](const MultiplierLetter& row) {
                                       return rest.starts_with(row.typed);
                                   });
    const auto ohms =
        letter == letters.end()
            ? std::nullopt
            : value::aroundPoint(code, point, letter->typed.size(), letter->exponent, 4);
    if (!ohms)
        return std::nullopt;
    return value::Reading(value::Quantity::Resistance, *ohms);
}

// The tolerance letter that ends the code, Latin or the Cyrillic capital that looks like it,
// and how many bytes it takes.
std::pair<const ToleranceLetter*, std::size_t> toleranceAtEnd(std::string_view code) {
    for (const std::size_t size : {std::size_t{1}, std::size_t{2}}) {
        if (code.size() <= size)
            continue;
        const std::optional<std::string> latin = readLookalikes(code.substr(code.size() - size));
        if (latin && latin->size() == 1)
            if (const auto* row = rowFor<ToleranceLetter>(kToleranceLetters, *latin))
                return {row, size};
    }
    return {nullptr, 0};
}

} // namespace

std::optional<value::Reading> readLetterCode(std::string_view typed) {
    // The multiplier letters are capitals (IEC 60062); k and r are written small too, but a
    // small m is milli («1mF» is a millifarad, «2m2» no letter code), and a small g or t is
    // no multiplier a list writes («t2k»).
    for (const std::string_view small : {"m", "g", "t", "м", "г", "т"})
        if (typed.find(small) != std::string_view::npos)
            return std::nullopt;
    // In either case, with the letters of a Russian layout read by the letter tables themselves.
    constexpr Typing kLetterCodeTyping{.trimmed = true, .eitherCase = true};
    const std::string code = *cleaned(typed, kLetterCodeTyping);
    if (const auto [tolerance, size] = toleranceAtEnd(code); tolerance) {
        auto reading = pointForm(std::string_view(code).substr(0, code.size() - size));
        if (reading) {
            reading->tolerance = value::Tolerance::percent(tolerance->percent);
            return reading;
        }
    }
    return pointForm(code);
}

std::optional<std::string> letterCodeFor(Decimal ohms) {
    if (ohms.significand <= 0)
        return std::nullopt;
    const MultiplierLetter* unit = nullptr;
    for (const MultiplierLetter& row : multiplierLetters())
        if (row.latin && (!unit || row.exponent <= ohms.leadingExponent()))
            unit = &row; // Latin rows, smallest unit first
    std::string code = value::withPointLetter(ohms, unit->typed, unit->exponent);
    if (code.size() > 5)
        return std::nullopt;
    return code;
}

std::optional<std::string_view> toleranceLetterFor(const value::Tolerance& tolerance) {
    if (tolerance.kind != value::Tolerance::Kind::Percent)
        return std::nullopt;
    const auto* row =
        std::ranges::find(kToleranceLetters, tolerance.above, &ToleranceLetter::percent);
    if (row == std::end(kToleranceLetters))
        return std::nullopt;
    return row->typed;
}

std::optional<value::Tolerance> toleranceOfLetter(std::string_view letter) {
    if (const auto* row = rowFor<ToleranceLetter>(kToleranceLetters, letter))
        return value::Tolerance::percent(row->percent);
    return std::nullopt;
}

PressResult pressLetterCode(const LetterCodeFields& fields) {
    std::vector<std::string_view> messages;
    const ToleranceLetter* tolerance =
        rowFor<ToleranceLetter>(kToleranceLetters, fields.toleranceLetter);
    if (!tolerance)
        messages.push_back("Проверь цифры в поле №4!");
    const MultiplierLetter* multiplier =
        rowFor<MultiplierLetter>(multiplierLetters(), fields.multiplierLetter);
    if (!multiplier)
        messages.push_back("Проверь буквы в поле №3!");
    const auto* row = std::find_if(std::begin(kLines), std::end(kLines), [&](const LineRow& r) {
        return r.digitCount == fields.digitCount && r.position == fields.position;
    });
    if (row == std::end(kLines))
        messages.push_back(fields.digitCount == Two ? "Проверь положение в поле №2!"
                                                    : "Проверь положение!");
    if (!messages.empty())
        return refused(std::move(messages));

    std::string line;
    line.append(row->lead).append(fields.digits).append(" ").append(multiplier->prefix);
    line.append("Om").append(row->factor).append(" ТКС=").append(tolerance->text);
    // The digits are copied as typed; only a number of them has a value behind the line.
    std::optional<value::Reading> reading;
    if (const auto ohms = value::fromDigits(fields.digits, row->exponent + multiplier->exponent))
        reading = value::Reading(value::Quantity::Resistance, *ohms,
                                 value::Tolerance::percent(tolerance->percent));
    return written(std::move(line), reading);
}

} // namespace vantrel::codes
