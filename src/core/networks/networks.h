// The best networks of one, two and three standard parts for a value, and the best dividers
// for a ratio: searched exhaustively over the stock, every part and every pair of parts.
#pragma once

#include "core/networks/stock.h"

#include <array>
#include <cstddef>
#include <memory>
#include <vector>

namespace vantrel::networks {

// How parts are joined, by how their values combine. Adding values is series for resistors and
// inductors and parallel for capacitors; adding reciprocals is the other way.
enum class Shape {
    One,             // a
    Added,           // a ⊕ b
    Reciprocal,      // a ⊗ b
    AddedReciprocal, // a ⊕ (b ⊗ c)
    ReciprocalAdded, // a ⊗ (b ⊕ c)
    ThreeAdded,      // a ⊕ b ⊕ c
    ThreeReciprocal, // a ⊗ b ⊗ c
};
inline constexpr std::array kShapes{Shape::One,
                                    Shape::Added,
                                    Shape::Reciprocal,
                                    Shape::AddedReciprocal,
                                    Shape::ReciprocalAdded,
                                    Shape::ThreeAdded,
                                    Shape::ThreeReciprocal};

int partsIn(Shape shape);

// The value of parts of these values so joined; the values after the shape's count are not
// read. Every shape's value grows with each of its parts.
double amountOf(Shape shape, const std::array<double, 3>& values);

// Whether the shape's joins are series ones where values add: for resistors and inductors.
bool addsInSeries(value::Quantity quantity);

struct Network {
    Shape shape = Shape::One;
    std::array<std::size_t, 3> parts{}; // indices into the stock's parts; `partsIn(shape)` used
    double amount = 0;                  // the network's value, in the quantity's smallest unit
    double error = 0;                   // (amount - target) / target

    int distinctValues() const;
};

// Errors closer than this are the same error: exact matches found in floating point.
inline constexpr double kSameError = 1e-12;

// The least and most the network may be, its parts anywhere within their tolerances.
struct Range {
    double least;
    double most;
};
Range rangeOf(const Network& network, const Stock& stock);

// A divider: the upper side from the input to the output, the lower from the output to the
// common; each a network of one or two parts. Its ratio is lower / (upper + lower).
struct Divider {
    Network upper;
    Network lower;
    double ratio = 0;
    double error = 0; // (ratio - wanted) / wanted
    double total = 0; // upper + lower

    int parts() const { return partsIn(upper.shape) + partsIn(lower.shape); }
};

// The ratio's least and most, the parts anywhere within their tolerances.
Range ratioRangeOf(const Divider& divider, const Stock& stock);

// A divider's total is kept within a decade around the total aimed at: every ratio the series
// gives is given there once.
inline constexpr double kTotalSpread = 3.1622776601683795; // √10, either way

// A stock with the tables the search needs: every pair of its parts added, and every pair
// joined by reciprocals, each ascending, made with it (0,1 s for E192's 1345 parts) and never
// changed after: a combiner may be searched from any thread.
class Combiner {
public:
    explicit Combiner(Stock stock);
    ~Combiner();
    Combiner(Combiner&&) noexcept;
    Combiner& operator=(Combiner&&) noexcept;

    const Stock& stock() const { return stock_; }

    // The values networks of up to `parts` parts can reach: the smallest part's share of that
    // many, up to that many of the largest.
    Range reach(int parts) const;

    // For a positive target: the best network of one part, then of two and of three up to
    // `parts`, each kept only where its error is smaller than that of every network of fewer
    // parts; listed best first. Of as many parts, best is the least error in size, then the
    // fewest distinct values: so the fewest parts win where errors are the same. Errors too
    // near for a double to tell apart are compared exactly: the parts and the target are
    // decimals.
    std::vector<Network> best(value::Decimal target, int parts = 3) const;
    // The same for the decimal of fifteen figures nearest a target given as a double.
    std::vector<Network> best(double target, int parts = 3) const;

    // For a ratio between 0 and 1 and a total aimed at: the best divider of two single parts,
    // then, where it is better, the best with one side of two parts; listed best first. Of as
    // many parts, best is the least ratio error in size, then the total nearest the aim, then
    // the fewest distinct values.
    // Empty when no divider has a total within the spread of the aim.
    std::vector<Divider> dividers(double ratio, double aimedTotal) const;

private:
    struct Pairs;

    Stock stock_;
    std::unique_ptr<const Pairs> pairs_;
};

} // namespace vantrel::networks
