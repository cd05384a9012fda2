#include "core/value/series.h"

#include <algorithm>
#include <array>
#include <bit>
#include <span>

namespace vantrel::value {
namespace {

// E24 and E192 as three-digit significands of one decade. E6 and E12 are every fourth and
// every second value of E24, E48 and E96 every fourth and every second of E192: the standard
// builds them that way, and 9,20 (not 9,19) is E192's own value.
constexpr std::array<int, 24> kE24{100, 110, 120, 130, 150, 160, 180, 200, 220, 240, 270, 300,
                                   330, 360, 390, 430, 470, 510, 560, 620, 680, 750, 820, 910};
constexpr std::array<int, 192> kE192{
    100, 101, 102, 104, 105, 106, 107, 109, 110, 111, 113, 114, 115, 117, 118, 120, 121, 123,
    124, 126, 127, 129, 130, 132, 133, 135, 137, 138, 140, 142, 143, 145, 147, 149, 150, 152,
    154, 156, 158, 160, 162, 164, 165, 167, 169, 172, 174, 176, 178, 180, 182, 184, 187, 189,
    191, 193, 196, 198, 200, 203, 205, 208, 210, 213, 215, 218, 221, 223, 226, 229, 232, 234,
    237, 240, 243, 246, 249, 252, 255, 258, 261, 264, 267, 271, 274, 277, 280, 284, 287, 291,
    294, 298, 301, 305, 309, 312, 316, 320, 324, 328, 332, 336, 340, 344, 348, 352, 357, 361,
    365, 370, 374, 379, 383, 388, 392, 397, 402, 407, 412, 417, 422, 427, 432, 437, 442, 448,
    453, 459, 464, 470, 475, 481, 487, 493, 499, 505, 511, 517, 523, 530, 536, 542, 549, 556,
    562, 569, 576, 583, 590, 597, 604, 612, 619, 626, 634, 642, 649, 657, 665, 673, 681, 690,
    698, 706, 715, 723, 732, 741, 750, 759, 768, 777, 787, 796, 806, 816, 825, 835, 845, 856,
    866, 876, 887, 898, 909, 920, 931, 942, 953, 965, 976, 988};
static_assert(std::is_sorted(kE24.begin(), kE24.end()) &&
              std::is_sorted(kE192.begin(), kE192.end()));

constexpr std::array<SeriesName, 7> kSeriesNames{{{"E3", 3, std::nullopt},
                                                  {"E6", 6, Decimal{20, 0}},
                                                  {"E12", 12, Decimal{10, 0}},
                                                  {"E24", 24, Decimal{5, 0}},
                                                  {"E48", 48, Decimal{2, 0}},
                                                  {"E96", 96, Decimal{1, 0}},
                                                  {"E192", 192, Decimal{5, -1}}}};

struct Members {
    Series series;
    std::span<const int> decade;
    std::size_t stride;
};
// In the order of the enum and of the names after E3, which a series added must keep.
constexpr Members kSeries[] = {{Series::E6, kE24, 4},   {Series::E12, kE24, 2},
                               {Series::E24, kE24, 1},  {Series::E48, kE192, 4},
                               {Series::E96, kE192, 2}, {Series::E192, kE192, 1}};
static_assert(std::size(kSeries) == static_cast<std::size_t>(Series::E192) + 1 &&
              std::size(kSeries) + 1 == kSeriesNames.size() &&
              std::ranges::all_of(kSeries, [i = 0](const Members& m) mutable {
                  const auto index = static_cast<std::size_t>(i);
                  return m.series == static_cast<Series>(i++) &&
                         m.decade.size() / m.stride ==
                             static_cast<std::size_t>(kSeriesNames[index + 1].valuesPerDecade);
              }));

// Compares a positive value's significant figures, as a number in [1, 10), with a
// three-digit series value read as d,dd.
int compare(Decimal value, int seriesValue) {
    const Decimal v = value.normalised();
    std::int64_t scale = 1; // 10^(digits - 1), below 10^15
    for (int digit = 1, digits = v.significantDigits(); digit < digits; ++digit)
        scale *= 10;
    const std::int64_t left = v.significand * 100;
    const std::int64_t right = seriesValue * scale;
    return left < right ? -1 : left > right ? 1 : 0;
}

} // namespace

std::span<const SeriesName> seriesNames() {
    return kSeriesNames;
}

std::string_view nameOf(Series series) {
    return kSeriesNames.at(static_cast<std::size_t>(series) + 1).name; // after E3
}

std::optional<Series> firstSeriesHolding(Decimal value) {
    if (value.significand <= 0 || value.significantDigits() > 3)
        return std::nullopt;
    // The value's figures as a three-digit series value d,dd, found once.
    const Decimal v = value.normalised();
    auto figures = static_cast<int>(v.significand);
    for (int digits = v.significantDigits(); digits < 3; ++digits)
        figures *= 10;
    for (const Members& members : kSeries) {
        for (std::size_t i = 0; i < members.decade.size(); i += members.stride) {
            if (members.decade[i] == figures)
                return members.series;
        }
    }
    return std::nullopt;
}

Neighbours nearestStandardValues(Decimal value) {
    const std::span<const int> decade =
        value.significantDigits() <= 2 ? std::span<const int>(kE24) : std::span<const int>(kE192);
    // Series values are d,dd: the decade's value t stands for t × 10^(leading exponent - 2).
    const int exponent = value.leadingExponent() - 2;
    const auto above = std::find_if(decade.begin(), decade.end(),
                                    [value](int t) { return compare(value, t) < 0; });
    const int higher = above == decade.end() ? 1000 : *above;
    const int lower = above == decade.begin() ? decade.front() : *std::prev(above);
    return {{lower, exponent}, {higher, exponent}};
}

std::vector<int> decadeOf(int valuesPerDecade) {
    const std::span<const int> decade =
        valuesPerDecade <= 24 ? std::span<const int>(kE24) : std::span<const int>(kE192);
    if (valuesPerDecade <= 0 || decade.size() % static_cast<std::size_t>(valuesPerDecade) != 0 ||
        !std::has_single_bit(static_cast<unsigned>(decade.size() / valuesPerDecade)))
        return {};
    std::vector<int> values;
    for (std::size_t i = 0; i < decade.size(); i += decade.size() / valuesPerDecade)
        values.push_back(decade[i]);
    return values;
}

std::optional<int> e96Value(int n) {
    if (n < 1 || n > 96)
        return std::nullopt;
    return kE192[static_cast<std::size_t>(n - 1) * 2];
}

} // namespace vantrel::value
