// libFuzzer target for networks and dividers of standard parts: any typed value, ratio, total
// and list of one's own values, each answer checked against its own parts. A network's value is
// computed here again from its shape, its error from that value, and the single part it ends
// with must be the stock's nearest; a divider's ratio, error and total the same way.
#include "core/cli/command_line.h"
#include "core/networks/network_text.h"
#include "fuzz_input.h"

#include <cmath>
#include <cstdlib>
#include <sstream>

namespace {

using namespace vantrel;
using networks::Shape;

void require(bool holds) {
    if (!holds)
        std::abort();
}

bool near(double a, double b) {
    return std::abs(a - b) <= 1e-9 * std::max(std::abs(a), std::abs(b));
}

double inParallel(double a, double b) {
    return 1 / (1 / a + 1 / b);
}

// The network's value from its parts, by its shape: what adds, adds; what joins by
// reciprocals, adds reciprocals.
double valueOf(const networks::Network& network, const networks::Stock& stock) {
    const auto p = [&](std::size_t i) { return stock.parts.at(network.parts[i]).amount; };
    switch (network.shape) {
    case Shape::One:
        return p(0);
    case Shape::Added:
        return p(0) + p(1);
    case Shape::Reciprocal:
        return inParallel(p(0), p(1));
    case Shape::AddedReciprocal:
        return p(0) + inParallel(p(1), p(2));
    case Shape::ReciprocalAdded:
        return inParallel(p(0), p(1) + p(2));
    case Shape::ThreeAdded:
        return p(0) + p(1) + p(2);
    case Shape::ThreeReciprocal:
        return inParallel(inParallel(p(0), p(1)), p(2));
    }
    return NAN;
}

void checkNetworks(const networks::Combiner& combiner, double target, int parts) {
    const networks::Stock& stock = combiner.stock();
    const std::vector<networks::Network> found = combiner.best(target, parts);
    require(!found.empty() && found.back().shape == Shape::One);
    double nearest = INFINITY; // the least error of a single part, tried one by one
    for (const networks::Part& part : stock.parts)
        nearest = std::min(nearest, std::abs(part.amount - target) / target);
    require(near(std::abs(found.back().error), nearest) || nearest < 1e-12);
    for (std::size_t i = 0; i < found.size(); ++i) {
        const networks::Network& network = found[i];
        require(networks::partsIn(network.shape) <= parts);
        const double value = valueOf(network, stock);
        require(near(network.amount, value));
        const double error = (value - target) / target;
        require(std::abs(network.error - error) <= 1e-9 * std::max(1.0, std::abs(error)));
        const networks::Range range = networks::rangeOf(network, stock);
        require(range.least <= value * (1 + 1e-12) && value <= range.most * (1 + 1e-12));
        require(!networks::networkLine(network, stock).empty());
        if (i > 0) { // each one better than the next, and of more parts
            require(std::abs(found[i - 1].error) < std::abs(network.error));
            require(networks::partsIn(found[i - 1].shape) > networks::partsIn(network.shape));
        }
    }
}

void checkDividers(const networks::Combiner& combiner, double ratio, double total) {
    const std::vector<networks::Divider> found = combiner.dividers(ratio, total);
    require(found.size() <= 2);
    for (std::size_t i = 0; i < found.size(); ++i) {
        const networks::Divider& divider = found[i];
        const double upper = valueOf(divider.upper, combiner.stock());
        const double lower = valueOf(divider.lower, combiner.stock());
        require(near(divider.total, upper + lower));
        require(near(divider.ratio, lower / (upper + lower)));
        const double error = (lower / (upper + lower) - ratio) / ratio;
        require(std::abs(divider.error - error) <= 1e-9 * std::max(1.0, std::abs(error)));
        require(divider.total >= total / networks::kTotalSpread * (1 - 1e-12) &&
                divider.total <= total * networks::kTotalSpread * (1 + 1e-12));
        // The pair last; one side of two parts before it, or alone where no pair's total fits.
        require(divider.parts() == 2 || divider.parts() == 3);
        if (found.size() == 2)
            require(divider.parts() == (i == 0 ? 3 : 2));
        if (i > 0)
            require(std::abs(found[i - 1].error) < std::abs(divider.error));
    }
}

// The command line with the same question answers it or refuses it, never anything else.
void checkCommandLine(std::string_view target, std::string_view series) {
    const std::string value(target), named(series);
    const char* argv[] = {"vantrel",     "--json",   "--combine",
                          value.c_str(), "--series", named.c_str()};
    std::istringstream in;
    std::ostringstream out, err;
    const std::optional<int> code = cli::answerCommandLine(6, argv, in, out, err);
    require(code && (*code == 0 || *code == 2));
    require((*code == 0) == !out.str().empty() && (*code == 2) == !err.str().empty());
}

constexpr std::string_view kSeries[] = {"E3", "E6", "E12"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto texts = fuzz::fields(data, size, 6);
    // Fields: the value; the series' index, or a list of values after 'L'; at most that many
    // parts; the divider's input or ratio, its output and its total.
    const std::string_view choice = texts[1];
    const auto byte = [](std::string_view text) {
        return text.empty() ? 0 : static_cast<unsigned char>(text[0]);
    };
    const std::string_view series = kSeries[byte(choice) % 3];
    const int parts = texts[2].empty() ? 3 : 1 + byte(texts[2]) % 3;

    const auto target = networks::readPartValue(texts[0]);
    const value::Quantity quantity = std::holds_alternative<value::Reading>(target)
                                         ? std::get<value::Reading>(target).quantity
                                         : value::Quantity::Resistance;
    std::optional<networks::Combiner> combiner;
    if (choice.starts_with('L')) {
        auto read = networks::readStock(choice.substr(1), quantity, "fuzz");
        if (const auto* stock = std::get_if<networks::Stock>(&read);
            stock && stock->parts.size() <= 64)
            combiner.emplace(std::move(*stock));
    } else {
        combiner.emplace(*networks::seriesStock(series, quantity));
        checkCommandLine(texts[0], series);
    }
    if (!combiner)
        return 0;
    if (const auto* reading = std::get_if<value::Reading>(&target)) {
        require(reading->value.significand > 0);
        if (!networks::unreachable(*combiner, *reading, parts))
            checkNetworks(*combiner, value::toDouble(reading->value), parts);
    }
    const auto ratio = networks::readRatio(texts[3], texts[4]);
    const auto total = networks::readAimedTotal(texts[5]);
    if (const auto* r = std::get_if<double>(&ratio); r && quantity == value::Quantity::Resistance)
        if (const auto* t = std::get_if<double>(&total)) {
            require(*r > 0 && *r < 1);
            if (!networks::unreachableTotal(*combiner, *t))
                checkDividers(*combiner, *r, *t);
        }
    return 0;
}
