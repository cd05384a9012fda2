#include "core/networks/exact.h"

#include <algorithm>

namespace vantrel::networks {

Natural::Natural(std::uint64_t number) {
    for (; number != 0; number >>= 32)
        limbs_.push_back(static_cast<std::uint32_t>(number));
}

void Natural::trim() {
    while (!limbs_.empty() && limbs_.back() == 0)
        limbs_.pop_back();
}

Natural Natural::timesPowerOfTen(int power) const {
    Natural made = *this;
    for (; power >= 19; power -= 19)
        made = made * Natural(10'000'000'000'000'000'000u);
    std::uint64_t rest = 1;
    for (; power > 0; --power)
        rest *= 10;
    return made * Natural(rest);
}

std::uint64_t Natural::limb(std::size_t i) const {
    return i < limbs_.size() ? limbs_[i] : 0;
}

Natural operator+(const Natural& a, const Natural& b) {
    Natural sum;
    std::uint64_t carry = 0;
    for (std::size_t i = 0; i < std::max(a.limbs_.size(), b.limbs_.size()) || carry; ++i) {
        carry += a.limb(i) + b.limb(i);
        sum.limbs_.push_back(static_cast<std::uint32_t>(carry));
        carry >>= 32;
    }
    sum.trim();
    return sum;
}

Natural operator*(const Natural& a, const Natural& b) {
    Natural product;
    product.limbs_.assign(a.limbs_.size() + b.limbs_.size(), 0);
    for (std::size_t i = 0; i < a.limbs_.size(); ++i) {
        std::uint64_t carry = 0;
        for (std::size_t j = 0; j < b.limbs_.size() || carry; ++j) {
            carry += product.limbs_[i + j] + a.limb(i) * b.limb(j);
            product.limbs_[i + j] = static_cast<std::uint32_t>(carry);
            carry >>= 32;
        }
    }
    product.trim();
    return product;
}

Natural distance(const Natural& a, const Natural& b) {
    const bool aLarger = a >= b;
    const Natural& large = aLarger ? a : b;
    const Natural& small = aLarger ? b : a;
    Natural difference = large;
    std::int64_t borrow = 0;
    for (std::size_t i = 0; i < difference.limbs_.size(); ++i) {
        const std::int64_t limb = static_cast<std::int64_t>(difference.limb(i)) - borrow -
                                  static_cast<std::int64_t>(small.limb(i));
        borrow = limb < 0 ? 1 : 0;
        difference.limbs_[i] = static_cast<std::uint32_t>(limb + (borrow << 32));
    }
    difference.trim();
    return difference;
}

std::strong_ordering operator<=>(const Natural& a, const Natural& b) {
    if (a.limbs_.size() != b.limbs_.size())
        return a.limbs_.size() <=> b.limbs_.size();
    for (std::size_t i = a.limbs_.size(); i-- > 0;)
        if (a.limbs_[i] != b.limbs_[i])
            return a.limbs_[i] <=> b.limbs_[i];
    return std::strong_ordering::equal;
}

Fraction added(const Fraction& a, const Fraction& b) {
    return {a.numerator * b.denominator + b.numerator * a.denominator,
            a.denominator * b.denominator};
}

// 1 / (d_a/n_a + d_b/n_b) = n_a n_b / (n_a d_b + n_b d_a)
Fraction reciprocal(const Fraction& a, const Fraction& b) {
    return {a.numerator * b.numerator, a.numerator * b.denominator + b.numerator * a.denominator};
}

Fraction Scale::of(value::Decimal decimal) const {
    return {Natural(static_cast<std::uint64_t>(decimal.significand))
                .timesPowerOfTen(decimal.exponent - exponent_)};
}

// |a - t| against |b - t|: with a = p/q, b = r/s and t = u/v, |p v - u q| s against |r v - u s| q.
int compareDistances(const Fraction& a, const Fraction& b, const Fraction& target) {
    const Natural& u = target.numerator;
    const Natural& v = target.denominator;
    const Natural fromA = distance(a.numerator * v, u * a.denominator) * b.denominator;
    const Natural fromB = distance(b.numerator * v, u * b.denominator) * a.denominator;
    const auto order = fromA <=> fromB;
    return order < 0 ? -1 : order > 0 ? 1 : 0;
}

} // namespace vantrel::networks
