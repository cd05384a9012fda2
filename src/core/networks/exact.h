// Exact arithmetic for telling apart networks whose errors a double cannot: the parts are
// decimals, so a network's value is a fraction of whole numbers, which may outgrow 128 bits.
#pragma once

#include "core/value/decimal.h"

#include <array>
#include <compare>
#include <cstdint>

namespace vantrel::networks {

// A whole number at or above zero, of up to kBits bits, kept in place: a search compares many
// networks, and a number on the heap would cost more than its arithmetic. The parts' decimals
// keep a network's fractions far smaller; a result that would not fit is marked as too large.
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
    // Only for numbers that fit.
    friend std::strong_ordering operator<=>(const Natural& a, const Natural& b);
    friend bool operator==(const Natural& a, const Natural& b);

    static constexpr std::size_t kBits = 1024;
    bool tooLarge() const { return tooLarge_; }

private:
    static constexpr std::size_t kLimbs = kBits / 32;
    std::uint64_t limb(std::size_t i) const { return i < size_ ? limbs_[i] : 0; }
    void push(std::uint64_t limb); // the next limb up; marks the number too large past kLimbs
    void trim();

    std::array<std::uint32_t, kLimbs> limbs_{}; // least significant first, the first size_ used
    std::size_t size_ = 0;                      // no zero at the top
    bool tooLarge_ = false;
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

// -1 where `a` lies nearer `target` than `b` does, 1 where farther, 0 where as near or where a
// number grew too large to tell.
int compareDistances(const Fraction& a, const Fraction& b, const Fraction& target);

} // namespace vantrel::networks
