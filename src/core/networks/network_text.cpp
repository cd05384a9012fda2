#include "core/networks/network_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace vantrel::networks {
namespace {

using value::Decimal;

// The join that adds values, and the one that adds reciprocals, as the quantity's parts make
// them: series and parallel, or the other way for capacitors.
struct Joins {
    std::string_view adding;
    std::string_view reciprocal;
};
Joins joinsOf(value::Quantity quantity, bool forJson) {
    const std::string_view series = forJson ? "+" : " + ";
    const std::string_view parallel = forJson ? "||" : " ‖ ";
    return addsInSeries(quantity) ? Joins{series, parallel} : Joins{parallel, series};
}

// The shape with each part written by `part(0)`, `part(1)`, `part(2)`.
template <typename Part> std::string joined(Shape shape, const Joins& joins, Part part) {
    const auto in = [](std::string text) { return "(" + text + ")"; };
    std::string text = part(0);
    switch (shape) {
    case Shape::One:
        return text;
    case Shape::Added:
        return text.append(joins.adding).append(part(1));
    case Shape::Reciprocal:
        return text.append(joins.reciprocal).append(part(1));
    case Shape::AddedReciprocal:
        return text.append(joins.adding)
            .append(in(part(1).append(joins.reciprocal).append(part(2))));
    case Shape::ReciprocalAdded:
        return text.append(joins.reciprocal)
            .append(in(part(1).append(joins.adding).append(part(2))));
    case Shape::ThreeAdded:
        return text.append(joins.adding).append(part(1)).append(joins.adding).append(part(2));
    case Shape::ThreeReciprocal:
        return text.append(joins.reciprocal)
            .append(part(1))
            .append(joins.reciprocal)
            .append(part(2));
    }
    return text;
}

// "= 14,7 кОм" where the rounded value is the value, "≈ 3,197 кОм" where it is not.
std::string valueText(value::Quantity quantity, double amount) {
    const Decimal near = rounded(amount, kFiguresShown);
    const double back = value::toDouble(near);
    const bool exact = std::abs(back - amount) <= amount * kSameError;
    return std::string(exact ? "= " : "≈ ").append(value::quantityText(quantity, near));
}

std::string rangeText(value::Quantity quantity, const Range& range) {
    return "с допуском от " + shown(quantity, range.least) + " до " + shown(quantity, range.most);
}

} // namespace

Decimal rounded(double amount, int figures) {
    if (!(amount > 0) || !std::isfinite(amount))
        return {};
    // d.ddde±x, read back as its digits and the power of ten of its last one.
    // Written whatever the locale, which the windows set from the user's.
    char text[32];
    const auto end =
        std::to_chars(text, text + sizeof text, amount, std::chars_format::scientific, figures - 1)
            .ptr;
    const std::string_view written(text, static_cast<std::size_t>(end - text));
    const std::size_t e = written.find('e');
    std::string digits;
    for (const char c : written.substr(0, e))
        if (c != '.')
            digits += c;
    int exponent = 0;
    std::from_chars(written.data() + e + 1 + (written[e + 1] == '+'), end, exponent);
    const std::optional<Decimal> read = value::fromDigits(digits, exponent - (figures - 1));
    return read ? read->normalised() : Decimal{};
}

std::string shown(value::Quantity quantity, double amount) {
    return value::quantityText(quantity, rounded(amount, kFiguresShown));
}

std::string errorText(double error) {
    const double percent = error * 100;
    if (percent == 0)
        return "0 %";
    return std::string(percent > 0 ? "+" : "-")
        .append(value::spell(rounded(std::abs(percent), kFiguresShown)))
        .append(" %");
}

std::string stockTitle(const Stock& stock) {
    if (!stock.series)
        return stock.name;
    std::string title = "ряд " + stock.name;
    if (!stock.toleranced || stock.parts.empty())
        return title;
    const Part& part = stock.parts.front();
    const double percent = (part.most / part.amount - 1) * 100;
    return title.append(" ±").append(value::spell(rounded(percent, 2))).append(" %");
}

std::string networkText(const Network& network, const Stock& stock) {
    return joined(network.shape, joinsOf(stock.quantity, false), [&](std::size_t i) {
        return value::quantityText(stock.quantity, stock.parts[network.parts[i]].value);
    });
}

std::string shapeName(Shape shape, value::Quantity quantity) {
    return joined(shape, joinsOf(quantity, true),
                  [](std::size_t i) { return std::string(1, static_cast<char>('a' + i)); });
}

std::string networkLine(const Network& network, const Stock& stock) {
    std::string line = networkText(network, stock);
    if (network.shape != Shape::One)
        line.append(" ").append(valueText(stock.quantity, network.amount));
    line.append(", ошибка ").append(errorText(network.error));
    if (stock.toleranced)
        line.append(", ").append(rangeText(stock.quantity, rangeOf(network, stock)));
    return line;
}

std::string dividerLine(const Divider& divider, const Stock& stock, double input) {
    const auto side = [&](const Network& network) {
        return network.shape == Shape::One
                   ? networkText(network, stock)
                   : networkText(network, stock) + " " + valueText(stock.quantity, network.amount);
    };
    // The output voltage, or the ratio where no input is given.
    const auto output = [input](double ratio) {
        return input > 0 ? value::voltageText(rounded(input * ratio, kFiguresShown))
                         : value::spell(rounded(ratio, kFiguresShown));
    };
    std::string line = "верх " + side(divider.upper) + ", низ " + side(divider.lower) + ": " +
                       (input > 0 ? "" : "коэффициент ") + output(divider.ratio);
    line.append(", ошибка ")
        .append(errorText(divider.error))
        .append(", сумма ")
        .append(shown(stock.quantity, divider.total));
    if (stock.toleranced) {
        const Range ratios = ratioRangeOf(divider, stock);
        line.append(", с допуском от ")
            .append(output(ratios.least))
            .append(" до ")
            .append(output(ratios.most));
    }
    return line;
}

std::string dividerAsked(double input, double output) {
    return value::voltageText(rounded(input, kFiguresShown))
        .append(" → ")
        .append(value::voltageText(rounded(output, kFiguresShown)));
}

std::string dividerAsked(double ratio) {
    return "с коэффициентом " + value::spell(rounded(ratio, kFiguresShown));
}

namespace {

// "одной детали" ... "трёх деталей": how many parts a network may have.
constexpr std::string_view kHowMany[] = {"одной детали", "двух деталей", "трёх деталей"};

// Values within the rounding of a double of the ends are within reach.
bool within(double amount, const Range& range) {
    return amount >= range.least * (1 - kSameError) && amount <= range.most * (1 + kSameError);
}

} // namespace

std::optional<Refusal> unreachable(const Combiner& combiner, const value::Reading& target,
                                   int parts) {
    const Range reach = combiner.reach(parts);
    if (within(value::toDouble(target.value), reach))
        return std::nullopt;
    const value::Quantity quantity = combiner.stock().quantity;
    return Refusal{value::quantityText(target.quantity, target.value)
                       .append(" не собрать: из ")
                       .append(kHowMany[std::clamp(parts, 1, 3) - 1])
                       .append(" (")
                       .append(stockTitle(combiner.stock()))
                       .append(") получается от ")
                       .append(shown(quantity, reach.least))
                       .append(" до ")
                       .append(shown(quantity, reach.most))};
}

std::optional<Refusal> unreachableTotal(const Combiner& combiner, double total) {
    const Range reach = combiner.reach(1);
    if (within(total, {2 * reach.least, 2 * reach.most}))
        return std::nullopt;
    const value::Quantity quantity = combiner.stock().quantity;
    return Refusal{"сумма делителя " + shown(quantity, total) + " вне того, что дают две детали (" +
                   stockTitle(combiner.stock()) + "): от " + shown(quantity, 2 * reach.least) +
                   " до " + shown(quantity, 2 * reach.most)};
}

std::string noDivider(const Stock& stock, double total) {
    return "нет делителя с суммой около " + shown(stock.quantity, total) + " (" +
           stockTitle(stock) + ")";
}

} // namespace vantrel::networks
