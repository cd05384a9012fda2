// Networks and dividers as the window and the command line write them: "12 кОм + 2,7 кОм =
// 14,7 кОм, ошибка 0 %", where + joins in series and ‖ in parallel.
#pragma once

#include "core/networks/networks.h"

#include <optional>
#include <string>
#include <string_view>

namespace vantrel::networks {

// The value rounded to that many significant figures, as an exact decimal: 3197,2789 with 4
// is 3197. Zero for zero; nothing else is expected.
value::Decimal rounded(double amount, int figures);

// How many significant figures the texts give a value, an error or a ratio.
inline constexpr int kFiguresShown = 4;

// "3,197 кОм": a value in the quantity's smallest unit, to kFiguresShown figures.
std::string shown(value::Quantity quantity, double amount);

// "+2,041 %", "-0,01235 %", "0 %": a relative error as a signed percentage.
std::string errorText(double error);

// "ряд E12 ±10 %", "ряд E3", "свои номиналы": a series with its tolerance where it has one, or
// a list by its name.
std::string stockTitle(const Stock& stock);

// "12 кОм + 2,7 кОм", "10 кОм ‖ (4,7 кОм + 1 кОм)": the parts as joined.
std::string networkText(const Network& network, const Stock& stock);

// "a+b", "a||(b+c)": the shape as --json writes it, + for series and || for parallel.
std::string shapeName(Shape shape, value::Quantity quantity);

// "12 кОм + 2,7 кОм = 14,7 кОм, ошибка 0 %, с допуском от 13,23 кОм до 16,17 кОм": the
// network, its value (≈ where rounded), its error and, where its parts have tolerances, its
// range. A single part is not given its value again.
std::string networkLine(const Network& network, const Stock& stock);

// "верх 7,5 кОм, низ 2,4 кОм: 1,212 В, ошибка +1,01 %, сумма 9,9 кОм, с допуском от 1,16 В
// до 1,26 В": the two sides, the output for an input of `input` volts (the ratio where no
// input is given), the error, the total and the output's range.
std::string dividerLine(const Divider& divider, const Stock& stock, double input);

// "5 В → 1,2 В", and for a ratio alone "с коэффициентом 0,24": the divider asked for.
std::string dividerAsked(double input, double output);
std::string dividerAsked(double ratio);

// Why the target cannot be made of up to `parts` parts of the stock, or nothing where it can:
// "50 МОм не собрать: из трёх деталей (ряд E24 ±5 %) получается от 0,3333 Ом до 30 МОм".
std::optional<Refusal> unreachable(const Combiner& combiner, const value::Reading& target,
                                   int parts);

// Why no two parts of the stock can make about that total, or nothing where they can.
std::optional<Refusal> unreachableTotal(const Combiner& combiner, double total);

// "нет делителя с суммой около 10 кОм (ряд E24 ±5 %)".
std::string noDivider(const Stock& stock, double total);

// "+ последовательно, ‖ параллельно".
inline constexpr std::string_view kJoinsLegend = "+ последовательно, ‖ параллельно";

} // namespace vantrel::networks
