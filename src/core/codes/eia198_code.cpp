#include "core/codes/eia198_code.h"

#include "core/codes/typed_code.h"

#include <algorithm>

namespace vantrel::codes {
namespace {

using value::Decimal;

// Who gives a row that not every table gives.
constexpr std::string_view kNic = "по таблице NIC Components";
constexpr std::string_view kK7itm = "по таблице K7ITM";
constexpr std::string_view kPowers = "множитель 10 в степени цифры";
constexpr std::string_view kThreeDigitCode = "множитель как в трёхзначном коде";

// The letter's two figures. The capitals are the E24 series without I and O, in every table.
// The small letters differ: the table of NIC Components' marking guide (after EIA-198-D) has
// b 3,0, c 3,5 and g 9,0; the one K7ITM published, repeated in distributors' and makers'
// guides, has b 3,5 and y 9,0.
struct FigureLetter {
    char letter;
    int figures;
    std::string_view table = {}; // empty where every table agrees
};
// clang-format off
constexpr FigureLetter kFigureLetters[] = {
    {'A', 10}, {'B', 11}, {'C', 12}, {'D', 13}, {'E', 15}, {'F', 16}, {'G', 18}, {'H', 20},
    {'J', 22}, {'K', 24}, {'L', 27}, {'M', 30}, {'N', 33}, {'P', 36}, {'Q', 39}, {'R', 43},
    {'S', 47}, {'T', 51}, {'U', 56}, {'V', 62}, {'W', 68}, {'X', 75}, {'Y', 82}, {'Z', 91},
    {'a', 25}, {'b', 30, kNic}, {'b', 35, kK7itm}, {'c', 35, kNic}, {'d', 40}, {'e', 45},
    {'f', 50}, {'m', 60}, {'n', 70}, {'t', 80}, {'y', 90, kK7itm}, {'g', 90, kNic}};
// clang-format on

// The digit's power of ten: 0 to 7 in every table; 8 and 9 are 10^8 and 10^9 where the digit
// is read as the power, and 0,01 and 0,1 where it is read as in the three-digit code (EIA
// RS-198); some tables mix the two.
struct PowerDigit {
    char digit;
    int power;
    std::string_view table = {};
};
// clang-format off
constexpr PowerDigit kPowerDigits[] = {
    {'0', 0}, {'1', 1}, {'2', 2}, {'3', 3}, {'4', 4}, {'5', 5}, {'6', 6}, {'7', 7},
    {'8', 8, kPowers}, {'9', 9, kPowers}, {'8', -2, kThreeDigitCode}, {'9', -1, kThreeDigitCode}};
// clang-format on

// Small а, е, с and у type the Latin small letters they look like.
constexpr Lookalike kSmallLetters[] = {{"а", "a"}, {"е", "e"}, {"с", "c"}, {"у", "y"}};
constexpr Typing kEia198Typing{.trimmed = true, .lookalikes = true, .ownRows = kSmallLetters};

std::string joined(std::string_view first, std::string_view second) {
    std::string text(first);
    return text.append(text.empty() || second.empty() ? "" : ", ").append(second);
}

bool isMaker(char c) {
    return c >= 'A' && c <= 'Z';
}

} // namespace

std::vector<Eia198Reading> readEia198Code(std::string_view typed) {
    const std::optional<std::string> code = cleaned(typed, kEia198Typing);
    if (!code || code->size() < 2 || code->size() > 3 ||
        (code->size() == 3 && !isMaker(code->front())))
        return {};
    const char letter = (*code)[code->size() - 2];
    const char digit = code->back();
    std::vector<Eia198Reading> readings;
    for (const FigureLetter& figures : kFigureLetters)
        for (const PowerDigit& power : kPowerDigits)
            if (figures.letter == letter && power.digit == digit)
                readings.push_back({Decimal{figures.figures, power.power - 1},
                                    joined(figures.table, power.table)});
    return readings;
}

std::optional<std::string> eia198CodeFor(Decimal picofarads) {
    const std::optional<Decimal> figures = value::inFigures(picofarads, 2);
    if (!figures)
        return std::nullopt;
    const auto* letter = std::ranges::find_if(kFigureLetters, [&](const FigureLetter& row) {
        return row.figures == figures->significand && row.table.empty();
    });
    const auto* power = std::ranges::find_if(kPowerDigits, [&](const PowerDigit& row) {
        return row.power == figures->exponent + 1 && row.table.empty();
    });
    if (letter == std::end(kFigureLetters) || power == std::end(kPowerDigits))
        return std::nullopt;
    return std::string{letter->letter, power->digit};
}

} // namespace vantrel::codes
