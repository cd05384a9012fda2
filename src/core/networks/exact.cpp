#include "core/networks/exact.h"

#include <algorithm>

namespace vantrel::networks {

Natural::Natural(std::uint64_t number) {
    for (; number != 0; number >>= 32)
        push(number & 0xFFFF'FFFFu);
}

void Natural::push(std::uint64_t limb) {
    if (size_ == kLimbs) {
        tooLarge_ = tooLarge_ || limb != 0;
        return;
    }
    limbs_[size_++] = static_cast<std::uint32_t>(limb);
}

void Natural::trim() {
    while (size_ > 0 && limbs_[size_ - 1] == 0)
        --size_;
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

Natural operator+(const Natural& a, const Natural& b) {
    Natural sum;
    sum.tooLarge_ = a.tooLarge_ || b.tooLarge_;
    std::uint64_t carry = 0;
    for (std::size_t i = 0; i < std::max(a.size_, b.size_) || carry; ++i) {
        carry += a.limb(i) + b.limb(i);
        sum.push(carry & 0xFFFF'FFFFu);
        carry >>= 32;
    }
    sum.trim();
    return sum;
}

Natural operator*(const Natural& a, const Natural& b) {
    Natural product;
    product.tooLarge_ = a.tooLarge_ || b.tooLarge_;
    if (a.size_ == 0 || b.size_ == 0)
        return product;
    if (a.size_ + b.size_ - 1 > Natural::kLimbs) {
        product.tooLarge_ = true;
        return product;
    }
    product.size_ = std::min(a.size_ + b.size_, Natural::kLimbs);
    std::fill_n(product.limbs_.begin(), product.size_, 0u);
    for (std::size_t i = 0; i < a.size_; ++i) {
        std::uint64_t carry = 0;
        for (std::size_t j = 0; j < b.size_; ++j) {
            carry += product.limbs_[i + j] + a.limb(i) * b.limb(j);
            product.limbs_[i + j] = static_cast<std::uint32_t>(carry);
            carry >>= 32;
        }
        if (i + b.size_ < product.size_)
            product.limbs_[i + b.size_] = static_cast<std::uint32_t>(carry);
        else
            product.tooLarge_ = product.tooLarge_ || carry != 0;
    }
    product.trim();
    return product;
}

Natural distance(const Natural& a, const Natural& b) {
    const bool aLarger = a >= b;
    const Natural& small = aLarger ? b : a;
    Natural difference = aLarger ? a : b;
    difference.tooLarge_ = a.tooLarge_ || b.tooLarge_;
    std::int64_t borrow = 0;
    for (std::size_t i = 0; i < difference.size_; ++i) {
        const std::int64_t limb = static_cast<std::int64_t>(difference.limb(i)) - borrow -
                                  static_cast<std::int64_t>(small.limb(i));
        borrow = limb < 0 ? 1 : 0;
        difference.limbs_[i] = static_cast<std::uint32_t>(limb + (borrow << 32));
    }
    difference.trim();
    return difference;
}

std::strong_ordering operator<=>(const Natural& a, const Natural& b) {
    if (a.size_ != b.size_)
        return a.size_ <=> b.size_;
    for (std::size_t i = a.size_; i-- > 0;)
        if (a.limbs_[i] != b.limbs_[i])
            return a.limbs_[i] <=> b.limbs_[i];
    return std::strong_ordering::equal;
}

bool operator==(const Natural& a, const Natural& b) {
    return !a.tooLarge_ && !b.tooLarge_ && (a <=> b) == 0;
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
    if (fromA.tooLarge() || fromB.tooLarge())
        return 0;
    const auto order = fromA <=> fromB;
    return order < 0 ? -1 : order > 0 ? 1 : 0;
}

} // namespace vantrel::networks
