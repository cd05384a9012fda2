// The parts a builder has: a standard series over its decades, or a list of their own values.
#pragma once

#include "core/networks/typed_values.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace vantrel::networks {

// One value the builder has, in the quantity's smallest unit, and the least and most a part of
// it may be within its tolerance: the value both ways where no tolerance is known.
struct Part {
    value::Decimal value;
    double amount = 0;
    double least = 0;
    double most = 0;
    bool toleranced = false;
};

struct Stock {
    value::Quantity quantity = value::Quantity::Resistance;
    std::string name;        // "E24", or "свои номиналы"
    std::vector<Part> parts; // ascending, each value once
    bool toleranced = false; // every part has its tolerance
    bool series = false;     // a standard series, not a list
};

// The series' decades a quantity's parts cover, ends included: 1 Ом to 10 МОм, 1 пФ to 10 мкФ,
// 10 нГн to 100 мГн, seven decades and the first value of the next.
struct Decades {
    int first; // the power of ten of the first decade, in the smallest unit
    int count;
};
Decades decadesOf(value::Quantity quantity);

// A series of value::seriesNames(), named in either case, as a stock of that quantity's parts
// over its decades, each with the series' tolerance. Nothing for any other name.
std::optional<Stock> seriesStock(std::string_view name, value::Quantity quantity);

// The series a question names where it names none.
inline constexpr std::string_view kDefaultSeries = "E24";

// The longest list read, and the most values it may hold: the search keeps every pair of them.
inline constexpr std::size_t kLongestStockText = std::size_t{1} << 20; // 1 МиБ
inline constexpr std::size_t kMostStockValues = 2000;

// Each entry of a builder's list in turn: one or more a line, separated by ';'; what follows
// '#' on a line is a comment; a byte-order mark in front and CR LF line ends are taken as
// editors save them. The first refusal `take` gives ends the walk, and is given with the list's
// name and the line: "свои номиналы, строка 3: …".
std::optional<Refusal>
forEachListed(std::string_view text, const std::string& name,
              const std::function<std::optional<std::string>(std::string_view entry)>& take);

// The builder's own values, one or more a line, separated by ';'; what follows '#' on a line
// is a comment. A value listed twice is kept as first listed. Every value must be of the quantity
// given. The list is named by `name`.
std::variant<Stock, Refusal> readStock(std::string_view text, value::Quantity quantity,
                                       std::string name);

} // namespace vantrel::networks
