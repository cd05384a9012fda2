#include "core/cli/network_answers.h"

#include "core/cli/command_line.h"
#include "core/cli/json.h"
#include "core/cli/marking_answers.h"
#include "core/marking/echo.h"
#include "core/networks/network_text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <istream>
#include <ostream>
#include <string>

namespace vantrel::cli {
namespace {

using networks::Refusal;
using networks::Stock;
using value::Quantity;

// Values and errors in JSON keep ten significant figures.
constexpr int kFiguresInJson = 10;

// What was asked, refused with a reason: written on the error stream, nothing on the output.
int refuse(std::ostream& err, const Refusal& refusal) {
    err << "vantrel: " << refusal.message << "\n";
    return kUsageError;
}

constexpr std::string_view kOfValues = "номиналов ";

// The stock a question names: a series, E24 where none is named, or a list of values.
std::variant<Stock, Refusal> stockOf(const NetworkQuestion& question, Quantity quantity,
                                     std::istream& in) {
    const std::string_view name = question.series.value_or(networks::kDefaultSeries);
    if (std::optional<Stock> series = networks::seriesStock(name, quantity))
        return *std::move(series);
    std::variant<std::string, Refusal> list =
        readList(name, in, networks::kLongestStockText, kOfValues);
    if (const auto* refused = std::get_if<Refusal>(&list))
        return *refused;
    return networks::readStock(std::get<std::string>(list), quantity, listName(name));
}

// A double as a JSON string of a plain decimal: "3197.278912", "-0.01234".
std::string decimalJson(double amount, int shift = 0) {
    const std::string digits = plain(networks::rounded(std::abs(amount), kFiguresInJson), shift);
    return jsonString((amount < 0 ? "-" : "") + digits);
}

int shiftOf(Quantity quantity) {
    return -value::unitOf(quantity).smallest;
}

// The shape, the parts as plain decimals in the unit, and the value.
Object& addNetwork(Object& object, const networks::Network& network, const Stock& stock) {
    std::string parts = "[";
    for (int i = 0; i < networks::partsIn(network.shape); ++i) {
        const value::Decimal part = stock.parts[network.parts[static_cast<std::size_t>(i)]].value;
        parts.append(i > 0 ? ", " : "").append(jsonString(plain(part, shiftOf(stock.quantity))));
    }
    return object.add("shape", jsonName(networks::shapeName(network.shape, stock.quantity)))
        .add("parts", parts + "]")
        .add("value", decimalJson(network.amount, shiftOf(stock.quantity)));
}

std::string seriesJson(const Stock& stock) {
    return stock.series ? jsonName(stock.name) : "null";
}

// --parts: 1, 2 or 3; 3 where it is not given.
std::variant<int, Refusal> partsOf(const NetworkQuestion& question) {
    const std::string_view parts = question.parts.value_or("3");
    if (parts == "1" || parts == "2" || parts == "3")
        return parts[0] - '0';
    return Refusal{"«--parts»: 1, 2 или 3 детали, а не " + marking::quoted(parts)};
}

int answerCombine(const NetworkQuestion& question, std::istream& in, std::ostream& out,
                  std::ostream& err) {
    const auto target = networks::readPartValue(question.values.front());
    if (const auto* refused = std::get_if<Refusal>(&target))
        return refuse(err, *refused);
    const value::Reading& wanted = std::get<value::Reading>(target);
    const auto parts = partsOf(question);
    if (const auto* refused = std::get_if<Refusal>(&parts))
        return refuse(err, *refused);
    auto stock = stockOf(question, wanted.quantity, in);
    if (const auto* refused = std::get_if<Refusal>(&stock))
        return refuse(err, *refused);
    const networks::Combiner combiner(std::get<Stock>(std::move(stock)));
    const Stock& from = combiner.stock();
    if (const auto refused = networks::unreachable(combiner, wanted, std::get<int>(parts)))
        return refuse(err, *refused);
    const std::string wantedText = value::quantityText(wanted.quantity, wanted.value);

    const std::vector<networks::Network> found = combiner.best(wanted.value, std::get<int>(parts));
    if (question.json) {
        std::string list = "[";
        for (const networks::Network& network : found) {
            Object object;
            addNetwork(object, network, from)
                .add("error_percent", decimalJson(network.error * 100))
                .add("least", from.toleranced ? decimalJson(networks::rangeOf(network, from).least,
                                                            shiftOf(from.quantity))
                                              : "null")
                .add("most", from.toleranced ? decimalJson(networks::rangeOf(network, from).most,
                                                           shiftOf(from.quantity))
                                             : "null")
                .add("text", jsonString(networks::networkLine(network, from)));
            list.append(list.size() > 1 ? ", " : "").append(object.close());
        }
        out << Object()
                   .add("target", jsonString(plain(wanted.value, shiftOf(wanted.quantity))))
                   .add("unit", jsonName(value::unitOf(wanted.quantity).symbol))
                   .add("component", jsonName(componentOf(wanted.quantity)))
                   .add("series", seriesJson(from))
                   .add("parts_at_most", std::to_string(std::get<int>(parts)))
                   .add("networks", list + "]")
                   .close()
            << "\n";
    } else {
        out << wantedText << ", " << networks::stockTitle(from) << " (" << networks::kJoinsLegend
            << "):\n";
        for (const networks::Network& network : found)
            out << "  " << networks::networkLine(network, from) << "\n";
    }
    return out.flush() ? kEveryMarkingRead : kInputOutputError;
}

int answerDivider(const NetworkQuestion& question, std::istream& in, std::ostream& out,
                  std::ostream& err) {
    if (question.values.empty() || question.values.size() > 2)
        return refuse(err, {"«--divider»: нужны входное и выходное напряжения или коэффициент"});
    const std::string_view output = question.values.size() == 2 ? question.values[1] : "";
    const auto ratio = networks::readRatio(question.values[0], output);
    if (const auto* refused = std::get_if<Refusal>(&ratio))
        return refuse(err, *refused);
    const double input =
        output.empty() ? 0 : std::get<double>(networks::readVoltage(question.values[0]));
    const auto aimed = networks::readAimedTotal(question.total.value_or(""));
    if (const auto* refused = std::get_if<Refusal>(&aimed))
        return refuse(err, *refused);
    auto stock = stockOf(question, Quantity::Resistance, in);
    if (const auto* refused = std::get_if<Refusal>(&stock))
        return refuse(err, *refused);
    const networks::Combiner combiner(std::get<Stock>(std::move(stock)));
    const Stock& from = combiner.stock();
    const double total = std::get<double>(aimed);
    if (const auto refused = networks::unreachableTotal(combiner, total))
        return refuse(err, *refused);

    const double wanted = std::get<double>(ratio);
    const std::vector<networks::Divider> found = combiner.dividers(wanted, total);
    const std::string asked =
        input > 0 ? networks::dividerAsked(input, input * wanted) : networks::dividerAsked(wanted);
    if (found.empty())
        err << "vantrel: " << networks::noDivider(from, total) << "\n";
    if (question.json) {
        std::string list = "[";
        for (const networks::Divider& divider : found) {
            Object upper, lower, object;
            const networks::Range ratios = networks::ratioRangeOf(divider, from);
            const auto volts = [input](double share) {
                return input > 0 ? decimalJson(input * share) : std::string("null");
            };
            object.add("upper", addNetwork(upper, divider.upper, from).close())
                .add("lower", addNetwork(lower, divider.lower, from).close())
                .add("ratio", decimalJson(divider.ratio))
                .add("output", volts(divider.ratio))
                .add("error_percent", decimalJson(divider.error * 100))
                .add("total", decimalJson(divider.total))
                .add("ratio_least", from.toleranced ? decimalJson(ratios.least) : "null")
                .add("ratio_most", from.toleranced ? decimalJson(ratios.most) : "null")
                .add("text", jsonString(networks::dividerLine(divider, from, input)));
            list.append(list.size() > 1 ? ", " : "").append(object.close());
        }
        out << Object()
                   .add("ratio", decimalJson(wanted))
                   .add("input", input > 0 ? decimalJson(input) : "null")
                   .add("output", input > 0 ? decimalJson(input * wanted) : "null")
                   .add("total_aimed", decimalJson(total))
                   .add("series", seriesJson(from))
                   .add("dividers", list + "]")
                   .close()
            << "\n";
    } else if (!found.empty()) {
        out << "Делитель " << asked << ", " << networks::stockTitle(from) << ", сумма около "
            << networks::shown(Quantity::Resistance, total) << " (" << networks::kJoinsLegend
            << "):\n";
        for (const networks::Divider& divider : found)
            out << "  " << networks::dividerLine(divider, from, input) << "\n";
    }
    if (!out.flush())
        return kInputOutputError;
    return found.empty() ? kNoAnswer : kEveryMarkingRead;
}

} // namespace

std::string listName(std::string_view name, std::string_view what) {
    return std::string("список ").append(what).append(name == "-" ? "со стандартного ввода"
                                                                  : marking::quoted(name));
}

std::variant<std::string, Refusal> readList(std::string_view name, std::istream& in,
                                            std::size_t most, std::string_view what) {
    std::ifstream file;
    std::istream* from = &in;
    if (name != "-") {
        std::error_code error;
        if (std::filesystem::is_directory(name, error)) // opens, but reads as nothing
            return Refusal{"не удалось прочитать " + listName(name, what) + ": это каталог"};
        file.open(std::string(name), std::ios::binary);
        if (!file)
            return Refusal{"не удалось открыть " + listName(name, what)};
        from = &file;
    }
    // In pieces, so that a short list costs what it holds, not the most a list may hold.
    std::string text;
    std::array<char, std::size_t{1} << 16> piece;
    while (text.size() <= most) {
        from->read(piece.data(), static_cast<std::streamsize>(piece.size()));
        text.append(piece.data(), static_cast<std::size_t>(from->gcount()));
        if (!*from)
            break;
    }
    const std::optional<std::string> failure = readFailure(*from);
    if (from->bad() || failure)
        return Refusal{"не удалось прочитать " + listName(name, what) +
                       (failure ? ": " + *failure : std::string())};
    text.resize(std::min(text.size(), most + 1));
    return text;
}

int answerNetworkQuestion(const NetworkQuestion& question, std::istream& in, std::ostream& out,
                          std::ostream& err) {
    switch (question.kind) {
    case NetworkQuestion::Combine:
        return answerCombine(question, in, out, err);
    case NetworkQuestion::Divider:
        return answerDivider(question, in, out, err);
    }
    return kUsageError;
}

} // namespace vantrel::cli
