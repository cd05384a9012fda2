// The IEC 60063 preferred-number series E6 to E192: which one holds a value, and the
// standard values on either side of one that none holds.
#pragma once

#include "core/value/decimal.h"

#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace vantrel::value {

enum class Series { E6, E12, E24, E48, E96, E192 };

std::string_view nameOf(Series series); // "E6" ...

// Every series a builder may pick parts from, in order, with the tolerance the standard gives
// it in per cent: ±20 % for E6 down to ±0,5 % for E192, none for E3 (only "above 20 %").
struct SeriesName {
    std::string_view name;
    int valuesPerDecade;
    std::optional<Decimal> tolerance;
};
std::span<const SeriesName> seriesNames();

// The first series, from E6 to E192, whose values include this one's significant figures
// (compared exactly: 4,70 is in E6, 4,75 in E96). Nothing for zero or a value in none.
std::optional<Series> firstSeriesHolding(Decimal value);

// The nearest standard values below and above a positive value, from E24 when the value has
// at most two significant figures and from E192 otherwise; the higher one may be the start
// of the next decade (9,9 gives 9,1 and 10). A value the series holds is its own neighbour.
struct Neighbours {
    Decimal lower;
    Decimal higher;
};
Neighbours nearestStandardValues(Decimal value);

// One decade of the series with this many values, E3 to E192, as three-digit significands
// d,dd in ascending order: 3 gives 100, 220, 470. Empty for any other count. E3 is every
// eighth value of E24.
std::vector<int> decadeOf(int valuesPerDecade);

// The n-th value of E96's decade as three digits, n from 1 to 96: 1 gives 100, 68 gives 499,
// 96 gives 976. Nothing for any other n.
std::optional<int> e96Value(int n);

} // namespace vantrel::value
