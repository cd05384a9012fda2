#include "core/codes/dielectric.h"

#include "core/codes/typed_code.h"

#include <algorithm>
#include <cstdlib>

namespace vantrel::codes {
namespace {

using value::Decimal;
using value::Tolerance;

// The temperature characteristic codes of EIA-198 (ANSI/EIA-198-1), as makers' ceramic
// capacitor datasheets tabulate them. Each row's code is its character in the three.

// Class 2: the coldest temperature, the hottest, and the change of capacitance over them.
struct Temperature {
    char code;
    int celsius;
};
constexpr Temperature kColdest[] = {{'X', -55}, {'Y', -30}, {'Z', 10}};
constexpr Temperature kHottest[] = {{'2', 45},  {'4', 65},  {'5', 85}, {'6', 105},
                                    {'7', 125}, {'8', 150}, {'9', 200}};
struct Change {
    char code;
    Tolerance percent;
};
constexpr Change kChanges[] = {
    {'A', Tolerance::percent({10, -1})},      {'B', Tolerance::percent({15, -1})},
    {'C', Tolerance::percent({22, -1})},      {'D', Tolerance::percent({33, -1})},
    {'E', Tolerance::percent({47, -1})},      {'F', Tolerance::percent({75, -1})},
    {'P', Tolerance::percent({10})},          {'R', Tolerance::percent({15})},
    {'S', Tolerance::percent({22})},          {'T', Tolerance::asymmetric({22}, {33})},
    {'U', Tolerance::asymmetric({22}, {56})}, {'V', Tolerance::asymmetric({22}, {82})}};

// Class 1: the temperature coefficient's figure and multiplier, and its tolerance, in ppm/°C,
// over -55 to +125 °C.
struct Figure {
    char code;
    Decimal figure;
};
constexpr Figure kFigures[] = {{'C', {0}},      {'B', {3, -1}},  {'L', {8, -1}},  {'A', {9, -1}},
                               {'M', {1}},      {'P', {15, -1}}, {'R', {22, -1}}, {'S', {33, -1}},
                               {'T', {47, -1}}, {'V', {56, -1}}, {'U', {75, -1}}};
struct Multiplier {
    char code;
    int sign;
    int power;
};
constexpr Multiplier kMultipliers[] = {{'0', -1, 0}, {'1', -1, 1}, {'2', -1, 2}, {'3', -1, 3},
                                       {'4', -1, 4}, {'5', 1, 0},  {'6', 1, 1},  {'7', 1, 2},
                                       {'8', 1, 3},  {'9', 1, 4}};
struct TempcoTolerance {
    char code;
    int ppm;
};
constexpr TempcoTolerance kTempcoTolerances[] = {{'G', 30},  {'H', 60},   {'J', 120}, {'K', 250},
                                                 {'L', 500}, {'M', 1000}, {'N', 2500}};
constexpr int kClass1Coldest = -55;
constexpr int kClass1Hottest = 125;

template <typename Row, std::size_t N> const Row* rowOf(const Row (&rows)[N], char key) {
    const auto* row = std::ranges::find(rows, key, &Row::code);
    return row == std::end(rows) ? nullptr : row;
}

constexpr Typing kDielectricTyping{.trimmed = true, .eitherCase = true, .lookalikes = true};

std::string celsius(int degrees) {
    std::string text = degrees > 0 ? "+" : ""; // appended: GCC 12 warns falsely about "+" + …
    return text.append(std::to_string(degrees));
}

} // namespace

std::optional<Dielectric> readDielectric(std::string_view typed) {
    std::optional<std::string> code = cleaned(typed, kDielectricTyping);
    if (!code)
        return std::nullopt;
    if (*code == "NP0" || *code == "NPO" || *code == "COG")
        code = "C0G";
    if (code->size() != 3)
        return std::nullopt;
    const char first = (*code)[0], second = (*code)[1], third = (*code)[2];
    const auto* coldest = rowOf(kColdest, first);
    const auto* hottest = rowOf(kHottest, second);
    const auto* change = rowOf(kChanges, third);
    if (coldest && hottest && change)
        return Dielectric{*code, 2, coldest->celsius, hottest->celsius, change->percent, {}, {}};
    const auto* figure = rowOf(kFigures, first);
    const auto* multiplier = rowOf(kMultipliers, second);
    const auto* tolerance = rowOf(kTempcoTolerances, third);
    if (!figure || !multiplier || !tolerance)
        return std::nullopt;
    const Decimal tempco{multiplier->sign * figure->figure.significand,
                         figure->figure.exponent + multiplier->power};
    return Dielectric{*code, 1, kClass1Coldest, kClass1Hottest, {}, tempco, {tolerance->ppm}};
}

std::string dielectricLine(const Dielectric& dielectric) {
    std::string line = dielectric.code;
    line.append(", класс ")
        .append(std::to_string(dielectric.ceramicClass))
        .append(": от ")
        .append(celsius(dielectric.coldest))
        .append(" до ")
        .append(celsius(dielectric.hottest))
        .append(" °C, ");
    if (dielectric.ceramicClass == 2)
        return line.append("изменение ёмкости ")
            .append(value::toleranceText(value::Quantity::Capacitance, dielectric.change));
    const Decimal size{std::abs(dielectric.tempco.significand), dielectric.tempco.exponent};
    return line.append("ТКЕ ")
        .append(dielectric.tempco.significand < 0 ? "-" : "")
        .append(value::spell(size))
        .append(" ±")
        .append(value::spell(dielectric.tempcoTolerance))
        .append(" ppm/°C");
}

} // namespace vantrel::codes
