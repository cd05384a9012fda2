// Exact arithmetic for telling apart networks whose errors a double cannot: the parts are
// decimals, so a network's value is a fraction of whole numbers, which may outgrow 128 bits.
#pragma once

#include "core/value/decimal.h"

#include <compare>
#include <cstdint>
#include <vector>

namespace vantrel::networks {

// A whole number at or above zero, of any size.
class Natural {
public:
    Natural() = default;
    Natural(std::uint64_t number); // NOLINT(google-explicit-constructor): a number is one

    // this × 10^power, for a power at or above zero.
    Natural timesPowerOfTen(int power) const;

    friend Natural operator+(const Natural& a, const Natural& b);
    friend Natural operator*(const Natural& a, const Natural& b);
    // The difference in size: a - b or b - a, whichever is not below zero.
    friend Natural distance(const Natural& a, const Natural& b);
    friend std::strong_ordering operator<=>(const Natural& a, const Natural& b);
    friend bool operator==(const Natural& a, const Natural& b) = default;

private:
    std::uint64_t limb(std::size_t i) const; // zero past the top
    void trim();

    std::vector<std::uint32_t> limbs_; // least significant first, no zero at the top
};

// numerator / denominator, the denominator never zero.
struct Fraction {
    Natural numerator;
    Natural denominator = 1;
};

// Values that add, and values whose reciprocals add: a network's two joins, exactly.
Fraction added(const Fraction& a, const Fraction& b);
Fraction reciprocal(const Fraction& a, const Fraction& b);

// Decimals brought to one power of ten, the least of theirs, as whole numbers of it.
class Scale {
public:
    explicit Scale(int exponent)
        : exponent_(exponent) {}
    Fraction of(value::Decimal decimal) const; // a decimal at or above zero

private:
    int exponent_;
};

// -1 where `a` lies nearer `target` than `b` does, 1 where farther, 0 where as near.
int compareDistances(const Fraction& a, const Fraction& b, const Fraction& target);

} // namespace vantrel::networks
