// The E6 to E192 series checked against their definition (series_definition.h), not against a
// copy of their tables.
#include "core/value/series.h"
#include "series_definition.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <vector>

using vantrel::test::definition;
using vantrel::value::Decimal;
using vantrel::value::Series;

namespace {

constexpr std::pair<Series, int> kSeries[] = {{Series::E6, 6},   {Series::E12, 12},
                                              {Series::E24, 24}, {Series::E48, 48},
                                              {Series::E96, 96}, {Series::E192, 192}};

std::optional<Series> firstByDefinition(int value) {
    for (const auto& [series, n] : kSeries) {
        const std::vector<int> values = definition(n);
        if (std::find(values.begin(), values.end(), value) != values.end())
            return series;
    }
    return std::nullopt;
}

} // namespace

// Every value of three significant figures, in two decades and with its trailing zero dropped
// where it has one: the first series that holds it, or none.
TEST(Series, EveryThreeFigureValueIsInTheSeriesItsDefinitionSays) {
    for (int value = 100; value <= 999; ++value) {
        const std::optional<Series> expected = firstByDefinition(value);
        for (const Decimal written : {Decimal{value, -2}, Decimal{value, 4}})
            EXPECT_EQ(vantrel::value::firstSeriesHolding(written), expected) << value;
        if (value % 10 == 0) {
            EXPECT_EQ(vantrel::value::firstSeriesHolding({value / 10, 0}), expected) << value;
        }
    }
}

TEST(Series, Eia96PositionsCountE96) {
    const std::vector<int> e96 = definition(96);
    for (int n = 1; n <= 96; ++n)
        EXPECT_EQ(vantrel::value::e96Value(n), e96[static_cast<std::size_t>(n - 1)]) << n;
    for (int n : {-1, 0, 97, 1000})
        EXPECT_EQ(vantrel::value::e96Value(n), std::nullopt) << n;
}

// A value in no series lies between its nearest values of E24 (two figures) or E192 (three),
// the higher one possibly the next decade's first.
TEST(Series, NearestStandardValuesAreTheDefinitionsNeighbours) {
    for (const int figures : {2, 3}) {
        std::vector<int> decade = definition(figures == 2 ? 24 : 192);
        decade.push_back(1000);
        const int first = figures == 2 ? 10 : 100;
        for (int value = first; value < first * 10; ++value) {
            const int scaled = figures == 2 ? value * 10 : value;
            if (value % 10 == 0 || std::binary_search(decade.begin(), decade.end(), scaled))
                continue; // fewer figures, or a standard value
            const auto above = std::upper_bound(decade.begin(), decade.end(), scaled);
            const auto near = vantrel::value::nearestStandardValues({value, 1});
            const int unit = figures == 2 ? 10 : 1;
            EXPECT_EQ(near.lower, (Decimal{*std::prev(above) / unit, 1})) << value;
            EXPECT_EQ(near.higher, (Decimal{*above / unit, 1})) << value;
        }
    }
}
