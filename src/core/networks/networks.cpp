#include "core/networks/networks.h"

#include "core/networks/exact.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <span>
#include <tuple>
#include <utility>

namespace vantrel::networks {

namespace {

constexpr double kNone = std::numeric_limits<double>::infinity();

double added(double a, double b) {
    return a + b;
}
// a ⊗ b: 1 / (1/a + 1/b), written so that a value that divides evenly comes out exact.
double reciprocal(double a, double b) {
    return a * b / (a + b);
}

// The part that, added to `a`, makes `target`: below zero when `a` alone is more than it, so
// that the smallest part is the nearest.
double addedPartner(double target, double a) {
    return target - a;
}
// The part that, joined to `a` by reciprocals, makes `target`; any part falls short when `a`
// is no more than it, and the largest falls least short.
double reciprocalPartner(double target, double a) {
    return a > target ? a * target / (a - target) : kNone;
}

// Two parts of the stock joined one way, by their indices, lower first.
struct PairEntry {
    double amount;
    std::uint32_t first;
    std::uint32_t second;
};

// Sorts a table made of ascending runs, which start at `runs` and end where the next starts or
// at the table's end, by merging neighbouring runs until one is left: merge sort's passes from
// where the runs stand. `spare` is as long as `entries`; the passes move entries between them.
void mergeRuns(std::vector<PairEntry>& entries, std::vector<std::size_t> runs,
               std::vector<PairEntry>& spare) {
    runs.push_back(entries.size());
    while (runs.size() > 2) {
        std::vector<std::size_t> merged;
        for (std::size_t r = 0; r + 1 < runs.size(); r += 2) {
            merged.push_back(runs[r]);
            const PairEntry* left = entries.data() + runs[r];
            const PairEntry* const middle = entries.data() + runs[r + 1];
            const PairEntry* right = middle;
            const PairEntry* const end = entries.data() + runs[std::min(r + 2, runs.size() - 1)];
            PairEntry* out = spare.data() + runs[r];
            // Without a branch on which side is taken: the merged order is what no predictor
            // can guess.
            while (left != middle && right != end) {
                const bool fromRight = right->amount < left->amount;
                *out++ = fromRight ? *right : *left;
                right += fromRight;
                left += !fromRight;
            }
            out = std::copy(left, middle, out);
            std::copy(right, end, out);
        }
        merged.push_back(entries.size());
        entries.swap(spare);
        runs = std::move(merged);
    }
}

// The entries of an ascending table whose amounts lie in [least, most].
template <typename Entry>
std::span<const Entry> within(std::span<const Entry> entries, double least, double most) {
    const auto from = std::ranges::lower_bound(entries, least, {}, &Entry::amount);
    const auto to = std::ranges::upper_bound(from, entries.end(), most, {}, &Entry::amount);
    return {from, to};
}

// Amounts this close are the same amount, found in floating point by different sums: 390 ‖
// (390 + 390) and 150 + (220 ‖ 220) are both 260.
bool sameAmount(double a, double b) {
    return std::abs(a - b) <= kSameError * std::max(std::abs(a), std::abs(b));
}

// Calls `visit` with the last entries of an ascending table below `wanted` and the first at or
// above it, where there are such, every entry of the same amount on each side: whatever grows
// with the entry's amount is then nearest `wanted`'s result at one of them, and the entries
// alike in amount still differ in their parts.
template <typename Entry, typename Visit>
void nearest(std::span<const Entry> entries, double wanted, Visit visit) {
    const auto at = std::ranges::lower_bound(entries, wanted, {}, &Entry::amount);
    for (auto below = at; below != entries.begin();) {
        --below;
        if (!sameAmount(below->amount, std::prev(at)->amount))
            break;
        visit(*below);
    }
    for (auto above = at; above != entries.end() && sameAmount(above->amount, at->amount); ++above)
        visit(*above);
}

std::array<std::size_t, 3> sortedParts(const Network& network) {
    std::array<std::size_t, 3> parts = network.parts;
    const auto used = static_cast<std::ptrdiff_t>(partsIn(network.shape));
    std::sort(parts.begin(), parts.begin() + used);
    std::fill(parts.begin() + used, parts.end(), 0);
    return parts;
}

// -1 when the first error is the smaller in size, 1 when the second is, 0 when they are too near
// for a double to tell.
int compareErrors(double first, double second) {
    const double a = std::abs(first);
    const double b = std::abs(second);
    return std::abs(a - b) <= kSameError ? 0 : a < b ? -1 : 1;
}

// The network's parts and shape, as a last word between networks alike in all that counts.
auto identity(const Network& network) {
    return std::tuple(network.shape, sortedParts(network));
}

// The value of a network of parts of these values, whatever their type: a double, or an exact
// fraction.
template <typename Number> Number joined(Shape shape, const std::array<Number, 3>& v) {
    switch (shape) {
    case Shape::One:
        return v[0];
    case Shape::Added:
        return added(v[0], v[1]);
    case Shape::Reciprocal:
        return reciprocal(v[0], v[1]);
    case Shape::AddedReciprocal:
        return added(v[0], reciprocal(v[1], v[2]));
    case Shape::ReciprocalAdded:
        return reciprocal(v[0], added(v[1], v[2]));
    case Shape::ThreeAdded:
        return added(added(v[0], v[1]), v[2]);
    case Shape::ThreeReciprocal:
        return reciprocal(reciprocal(v[0], v[1]), v[2]);
    }
    return v[0];
}

// Networks' errors against one target compared: by their doubles where those differ by more
// than rounding can make them, and exactly, from the parts' decimals, where they do not.
class Judge {
public:
    Judge(const Stock& stock, value::Decimal target)
        : scale_(leastExponent(stock, target))
        , target_(scale_.of(target)) {
        parts_.reserve(stock.parts.size());
        for (const Part& part : stock.parts)
            parts_.push_back(scale_.of(part.value));
    }

    // -1 where the first network's error is the smaller in size, 1 where the second's is, 0
    // where they are the same.
    int compare(const Network& x, const Network& y) const {
        if (const int errors = compareErrors(x.error, y.error); errors != 0)
            return errors;
        return compareDistances(valueOf(x), valueOf(y), target_);
    }
    // The network's value is exactly the target.
    bool exact(const Network& network) const {
        const Fraction value = valueOf(network);
        return value.numerator * target_.denominator == target_.numerator * value.denominator;
    }

private:
    static int leastExponent(const Stock& stock, value::Decimal target) {
        int least = target.exponent;
        for (const Part& part : stock.parts)
            least = std::min(least, part.value.exponent);
        return least;
    }
    Fraction valueOf(const Network& network) const {
        std::array<Fraction, 3> values;
        for (int i = 0; i < partsIn(network.shape); ++i)
            values[static_cast<std::size_t>(i)] =
                parts_[network.parts[static_cast<std::size_t>(i)]];
        return joined(network.shape, values);
    }

    Scale scale_;
    Fraction target_;
    std::vector<Fraction> parts_; // the stock's parts, in the scale's whole numbers
};

bool ranksBefore(const Network& x, const Network& y, const Judge& judge) {
    if (const int errors = judge.compare(x, y); errors != 0)
        return errors < 0;
    // Networks of as many parts are compared: fewer parts are kept apart, by their number.
    if (x.distinctValues() != y.distinctValues())
        return x.distinctValues() < y.distinctValues();
    return identity(x) < identity(y);
}

bool ranksBefore(const Divider& x, const Divider& y, double aimedTotal) {
    if (const int errors = compareErrors(x.error, y.error); errors != 0)
        return errors < 0;
    if (const int totals =
            compareErrors(std::log(x.total / aimedTotal), std::log(y.total / aimedTotal));
        totals != 0)
        return totals < 0;
    const auto distinct = [](const Divider& d) {
        return d.upper.distinctValues() + d.lower.distinctValues();
    };
    if (distinct(x) != distinct(y))
        return distinct(x) < distinct(y);
    return std::tuple(identity(x.upper), identity(x.lower)) <
           std::tuple(identity(y.upper), identity(y.lower));
}

// The decimal of fifteen significant figures nearest a target given as a double.
value::Decimal nearDecimal(double amount) {
    if (!(amount > 0))
        return {};
    const int exponent = static_cast<int>(std::floor(std::log10(amount))) - 14;
    return {std::llround(amount / std::pow(10.0, exponent)), exponent};
}

template <typename Candidate, typename Before>
void keepBetter(std::optional<Candidate>& kept, const Candidate& candidate, Before before) {
    if (!kept || before(candidate, *kept))
        kept = candidate;
}

} // namespace

int partsIn(Shape shape) {
    switch (shape) {
    case Shape::One:
        return 1;
    case Shape::Added:
    case Shape::Reciprocal:
        return 2;
    case Shape::AddedReciprocal:
    case Shape::ReciprocalAdded:
    case Shape::ThreeAdded:
    case Shape::ThreeReciprocal:
        return 3;
    }
    return 0;
}

double amountOf(Shape shape, const std::array<double, 3>& values) {
    return joined(shape, values);
}

bool addsInSeries(value::Quantity quantity) {
    return quantity != value::Quantity::Capacitance;
}

int Network::distinctValues() const {
    std::array<std::size_t, 3> sorted = sortedParts(*this);
    const auto used = sorted.begin() + partsIn(shape);
    return static_cast<int>(std::unique(sorted.begin(), used) - sorted.begin());
}

namespace {

// The network with the parts that may trade places written largest first: "12 кОм + 2,7 кОм",
// "1 кОм + (47 кОм ‖ 22 кОм)". The stock is ascending, so the larger index is the larger value.
Network largestFirst(Network network) {
    const auto from = network.parts.begin() + (partsIn(network.shape) == 3 &&
                                                       network.shape != Shape::ThreeAdded &&
                                                       network.shape != Shape::ThreeReciprocal
                                                   ? 1
                                                   : 0);
    std::sort(from, network.parts.begin() + partsIn(network.shape), std::greater<>());
    return network;
}

// The values of the network's parts, each as `value` gives it.
template <typename Value>
std::array<double, 3> valuesOf(const Network& network, const Stock& stock, Value value) {
    std::array<double, 3> values{};
    for (int i = 0; i < partsIn(network.shape); ++i)
        values[static_cast<std::size_t>(i)] =
            value(stock.parts[network.parts[static_cast<std::size_t>(i)]]);
    return values;
}

} // namespace

Range rangeOf(const Network& network, const Stock& stock) {
    return {
        amountOf(network.shape, valuesOf(network, stock, [](const Part& p) { return p.least; })),
        amountOf(network.shape, valuesOf(network, stock, [](const Part& p) { return p.most; }))};
}

Range ratioRangeOf(const Divider& divider, const Stock& stock) {
    const Range upper = rangeOf(divider.upper, stock);
    const Range lower = rangeOf(divider.lower, stock);
    return {lower.least / (lower.least + upper.most), lower.most / (lower.most + upper.least)};
}

struct Combiner::Pairs {
    std::vector<PairEntry> added;      // a ⊕ b, ascending
    std::vector<PairEntry> reciprocal; // a ⊗ b, ascending
};

// Every pair once, a part with itself included: n (n + 1) / 2 entries in each table.
Combiner::Combiner(Stock stock)
    : stock_(std::move(stock)) {
    auto tables = std::make_unique<Pairs>();
    const std::vector<Part>& parts = stock_.parts;
    const std::size_t count = parts.size() * (parts.size() + 1) / 2;
    tables->added.reserve(count);
    tables->reciprocal.reserve(count);
    // Row i pairs part i with each part from it on: ascending, as the stock is.
    std::vector<std::size_t> rows;
    for (std::uint32_t i = 0; i < parts.size(); ++i) {
        rows.push_back(tables->added.size());
        for (std::uint32_t j = i; j < parts.size(); ++j) {
            const double a = parts[i].amount;
            const double b = parts[j].amount;
            tables->added.push_back({added(a, b), i, j});
            tables->reciprocal.push_back({reciprocal(a, b), i, j});
        }
    }
    std::vector<PairEntry> spare(count);
    mergeRuns(tables->added, rows, spare);
    mergeRuns(tables->reciprocal, rows, spare);
    pairs_ = std::move(tables);
}
Combiner::~Combiner() = default;
Combiner::Combiner(Combiner&&) noexcept = default;
Combiner& Combiner::operator=(Combiner&&) noexcept = default;

Range Combiner::reach(int parts) const {
    const auto n = static_cast<double>(std::max(parts, 1));
    return {stock_.parts.front().amount / n, stock_.parts.back().amount * n};
}

std::vector<Network> Combiner::best(double target, int parts) const {
    return best(nearDecimal(target), parts);
}

std::vector<Network> Combiner::best(value::Decimal exactTarget, int parts) const {
    const double target = value::toDouble(exactTarget);
    const Judge judge(stock_, exactTarget);
    const std::span<const Part> singles = stock_.parts;
    const auto indexOf = [&](const Part& part) {
        return static_cast<std::size_t>(&part - singles.data());
    };
    std::array<std::optional<Network>, 4> best; // by the number of parts
    const auto offer = [&](Shape shape, std::array<std::size_t, 3> indices) {
        Network network = largestFirst({shape, indices, 0, 0});
        network.amount =
            amountOf(shape, valuesOf(network, stock_, [](const Part& p) { return p.amount; }));
        network.error = (network.amount - target) / target;
        keepBetter(
            best[static_cast<std::size_t>(partsIn(shape))], network,
            [&judge](const Network& x, const Network& y) { return ranksBefore(x, y, judge); });
    };

    nearest(singles, target, [&](const Part& a) { offer(Shape::One, {indexOf(a)}); });
    for (std::size_t i = 0; parts >= 2 && i < singles.size(); ++i) {
        const double a = singles[i].amount;
        nearest(singles, addedPartner(target, a), [&](const Part& b) {
            offer(Shape::Added, {i, indexOf(b)});
        });
        nearest(singles, reciprocalPartner(target, a), [&](const Part& b) {
            offer(Shape::Reciprocal, {i, indexOf(b)});
        });
    }
    if (parts >= 3) {
        const Pairs& tables = *pairs_;
        const std::span<const PairEntry> addedPairs = tables.added;
        const std::span<const PairEntry> reciprocalPairs = tables.reciprocal;
        for (std::size_t i = 0; i < singles.size(); ++i) {
            const double a = singles[i].amount;
            const auto with = [&](Shape shape) {
                return [&, shape](const PairEntry& p) { offer(shape, {i, p.first, p.second}); };
            };
            nearest(reciprocalPairs, addedPartner(target, a), with(Shape::AddedReciprocal));
            nearest(addedPairs, reciprocalPartner(target, a), with(Shape::ReciprocalAdded));
            nearest(addedPairs, addedPartner(target, a), with(Shape::ThreeAdded));
            nearest(reciprocalPairs, reciprocalPartner(target, a), with(Shape::ThreeReciprocal));
        }
    }

    // An exact match found in floating point is said as one: its error is zero.
    for (std::optional<Network>& network : best)
        if (network && compareErrors(network->error, 0) == 0 && judge.exact(*network))
            network->error = 0;
    // Fewest parts first; a network is kept only where it beats every one with fewer parts.
    std::vector<Network> kept;
    for (const std::optional<Network>& network : best)
        if (network && (kept.empty() || judge.compare(*network, kept.back()) < 0))
            kept.push_back(*network);
    std::ranges::reverse(kept);
    return kept;
}

std::vector<Divider> Combiner::dividers(double ratio, double aimedTotal) const {
    const std::span<const Part> singles = stock_.parts;
    const Pairs& tables = *pairs_;
    const double leastTotal = aimedTotal / kTotalSpread;
    const double mostTotal = aimedTotal * kTotalSpread;
    std::optional<Divider> best[2]; // a pair of single parts; one side of two parts
    const auto network = [&](Shape shape, std::array<std::size_t, 3> indices) {
        Network made = largestFirst({shape, indices, 0, 0});
        made.amount =
            amountOf(shape, valuesOf(made, stock_, [](const Part& p) { return p.amount; }));
        return made;
    };
    const auto offer = [&](const Network& upper, const Network& lower) {
        Divider divider{upper, lower, 0, 0, upper.amount + lower.amount};
        divider.ratio = lower.amount / divider.total;
        divider.error = (divider.ratio - ratio) / ratio;
        if (std::abs(divider.error) <= kSameError)
            divider.error = 0;
        keepBetter(best[divider.parts() == 2 ? 0 : 1], divider,
                   [aimedTotal](const Divider& x, const Divider& y) {
                       return ranksBefore(x, y, aimedTotal);
                   });
    };

    for (std::size_t i = 0; i < singles.size(); ++i) {
        const double side = singles[i].amount;
        if (side >= mostTotal)
            break;
        const Network single = network(Shape::One, {i});
        // The other side's values that keep the total within the spread of the aim.
        const double least = leastTotal - side;
        const double most = mostTotal - side;
        const double upperWanted = side * (1 - ratio) / ratio;
        const double lowerWanted = side * ratio / (1 - ratio);
        nearest(within(singles, least, most), upperWanted, [&](const Part& upper) {
            offer(network(Shape::One, {static_cast<std::size_t>(&upper - singles.data())}), single);
        });
        for (const Shape shape : {Shape::Added, Shape::Reciprocal}) {
            const std::span<const PairEntry> fitting =
                within(std::span<const PairEntry>(shape == Shape::Added ? tables.added
                                                                        : tables.reciprocal),
                       least, most);
            nearest(fitting, upperWanted, [&](const PairEntry& upper) {
                offer(network(shape, {upper.first, upper.second}), single);
            });
            nearest(fitting, lowerWanted, [&](const PairEntry& lower) {
                offer(single, network(shape, {lower.first, lower.second}));
            });
        }
    }

    std::vector<Divider> kept;
    if (best[0])
        kept.push_back(*best[0]);
    if (best[1] && (kept.empty() || compareErrors(best[1]->error, kept.back().error) < 0))
        kept.push_back(*best[1]);
    std::ranges::reverse(kept);
    return kept;
}

} // namespace vantrel::networks
