#include "core/networks/stock.h"

#include "core/codes/typed_code.h"
#include "core/marking/any_marking.h"
#include "core/marking/echo.h"
#include "core/marking/value_text.h"
#include "core/value/series.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace vantrel::networks {
namespace {

using value::Decimal;
using value::Quantity;

constexpr codes::Typing kSeriesTyping{.eitherCase = true, .lookalikes = true};

// The least and most a part of this value may be within its tolerance.
Part partOf(Decimal value, const std::optional<value::Tolerance>& tolerance) {
    const double amount = value::toDouble(value);
    Part part{value, amount, amount, amount, tolerance.has_value()};
    if (!tolerance)
        return part;
    switch (tolerance->kind) {
    case value::Tolerance::Kind::Absolute:
        part.least = amount - value::toDouble(tolerance->below);
        part.most = amount + value::toDouble(tolerance->above);
        break;
    case value::Tolerance::Kind::Percent:
    case value::Tolerance::Kind::Asymmetric:
        part.least = amount * (1 - value::toDouble(tolerance->below) / 100);
        part.most = amount * (1 + value::toDouble(tolerance->above) / 100);
        break;
    }
    part.least = std::max(part.least, 0.0);
    return part;
}

} // namespace

Decades decadesOf(Quantity quantity) {
    switch (quantity) {
    case Quantity::Resistance:
    case Quantity::Capacitance:
        return {0, 7};
    case Quantity::Inductance:
        return {1, 7};
    }
    return {};
}

std::optional<Stock> seriesStock(std::string_view name, Quantity quantity) {
    // "e24", and "Е24" typed on a Russian keyboard layout.
    const std::optional<std::string> capitals = codes::cleaned(name, kSeriesTyping);
    if (!capitals)
        return std::nullopt;
    const std::span<const value::SeriesName> names = value::seriesNames();
    const auto named = std::ranges::find(names, *capitals, &value::SeriesName::name);
    if (named == names.end())
        return std::nullopt;
    Stock stock{quantity, std::string(named->name), {}, named->tolerance.has_value(), true};
    std::optional<value::Tolerance> tolerance;
    if (named->tolerance)
        tolerance = value::Tolerance::percent(*named->tolerance);
    const std::vector<int> decade = value::decadeOf(named->valuesPerDecade);
    const Decades decades = decadesOf(quantity);
    for (int power = decades.first; power < decades.first + decades.count; ++power)
        for (const int figures : decade)
            stock.parts.push_back(partOf({figures, power - 2}, tolerance));
    stock.parts.push_back(partOf({1, decades.first + decades.count}, tolerance));
    return stock;
}

std::optional<Refusal>
forEachListed(std::string_view text, const std::string& name,
              const std::function<std::optional<std::string>(std::string_view)>& take) {
    // As editors save a list: a byte-order mark in front, lines ended by CR LF.
    if (constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
        text.starts_with(kByteOrderMark))
        text.remove_prefix(kByteOrderMark.size());
    std::size_t lineNumber = 0;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        line = line.substr(0, line.find('#'));
        for (std::size_t from = 0; from <= line.size();) {
            const std::size_t to = std::min(line.find(';', from), line.size());
            const std::string_view entry = codes::trimmed(line.substr(from, to - from));
            from = to + 1;
            if (entry.empty())
                continue;
            if (const std::optional<std::string> refused = take(entry))
                return Refusal{name + ", строка " + std::to_string(lineNumber) + ": " + *refused};
        }
    }
    return std::nullopt;
}

std::variant<Stock, Refusal> readStock(std::string_view text, Quantity quantity, std::string name) {
    if (text.size() > kLongestStockText)
        return Refusal{name + ": список длиннее " + std::to_string(kLongestStockText >> 20) +
                       " МиБ"};
    Stock stock{quantity, std::move(name), {}, true, false};
    const auto refused =
        forEachListed(text, stock.name, [&](std::string_view entry) -> std::optional<std::string> {
            const auto read = readPartValue(entry);
            if (const auto* wrong = std::get_if<Refusal>(&read))
                return wrong->message;
            const auto& reading = std::get<value::Reading>(read);
            if (reading.quantity != quantity)
                return marking::quoted(entry) + " — " + std::string(measureOf(reading.quantity)) +
                       ", а нужно " + std::string(measureOf(quantity));
            const Part part = partOf(reading.value, reading.tolerance);
            if (part.toleranced && !(part.least > 0)) // a part that might be nothing at all
                return marking::quoted(entry) + ": допуск не меньше самого номинала";
            stock.parts.push_back(part);
            return std::nullopt;
        });
    if (refused)
        return *refused;
    if (stock.parts.empty())
        return Refusal{stock.name + ": в списке нет ни одного номинала"};
    std::ranges::stable_sort(stock.parts, {}, &Part::amount);
    stock.parts.erase(std::unique(stock.parts.begin(), stock.parts.end(),
                                  [](const Part& a, const Part& b) { return a.value == b.value; }),
                      stock.parts.end());
    stock.toleranced = std::ranges::all_of(stock.parts, &Part::toleranced);
    if (stock.parts.size() > kMostStockValues)
        return Refusal{stock.name + ": в списке больше " + std::to_string(kMostStockValues) +
                       " разных номиналов"};
    return stock;
}

} // namespace vantrel::networks
