// Exact decimal values: an integer significand and a power of ten, never a floating point.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vantrel::value {

// significand × 10^exponent. Markings carry a handful of digits, so a significand is kept
// below 10^15: every comparison the series need then fits in 64 bits.
struct Decimal {
    std::int64_t significand = 0;
    int exponent = 0;

    // The same value with the trailing zeros of its significand moved into the exponent;
    // zero becomes 0 × 10^0.
    Decimal normalised() const;
    // The number of digits of the normalised significand: 47 for 4,70 gives 2; zero gives 1.
    int significantDigits() const;
    // The power of ten of the leading digit: 3 for 4700, -1 for 0,47.
    int leadingExponent() const;

    bool operator==(const Decimal& other) const; // equal values, however written
};

// The nearest double: exact powers of ten, one multiplication or division, so that a value
// with a double of its own (2,7 as 270 × 10^-2) gets that double.
double toDouble(Decimal value);

inline constexpr std::int64_t kMaxSignificand = 999'999'999'999'999;

// ASCII digits (and nothing else, at least one) × 10^exponent; nothing when the text holds
// anything else or more significant digits than a Decimal keeps.
std::optional<Decimal> fromDigits(std::string_view digits, int exponent = 0);

// Whether the text is ASCII digits and nothing else, at least one.
bool allDigits(std::string_view text);

// A number as typed: digits with at most one point or comma among them, "4700", "6.3",
// "0,1", ".047"; nothing for anything else.
std::optional<Decimal> readNumber(std::string_view text);

// The digits on either side of a point, a letter of pointSize bytes at `point`, as one number
// times 10^exponent: "4R7" with its R at 1 and exponent 0 is 4,7. Nothing when a side holds
// anything but digits, both are empty, or there are more than maxDigits digits.
std::optional<Decimal> aroundPoint(std::string_view text, std::size_t point, std::size_t pointSize,
                                   int exponent, std::size_t maxDigits = 15);

// The value as exactly `count` significant figures, the first not zero, times a power of ten:
// 4700 with 2 is 47 × 10^2, 4,7 with 3 is 470 × 10^-2. Nothing for zero or a value with more
// significant figures than that.
std::optional<Decimal> inFigures(Decimal value, int count);

// The value divided by 10^shift, written with the letter where its point is, as codes print
// it: 4700 with "K" and shift 3 is "4K7", 0,47 with "R" is "R47", 47 with "R" is "47R", and one
// digit before a letter that ends it takes a zero after it, "1K0". Zeros follow up to minDigits
// digits: 47 with "R" and 3 is "47R0". What aroundPoint reads back.
std::string withPointLetter(Decimal value, std::string_view letter, int shift = 0,
                            std::size_t minDigits = 0);

// The value divided by 10^shift, with a decimal comma, without trailing zeros or thousands
// separators: 4700 with shift 3 is "4,7", 47 with shift 0 is "47", 47 × 10^-2 is "0,47".
std::string spell(Decimal value, int shift = 0);
// The same with a decimal point, as files and makers' codes write it: "4.7".
std::string spellWithPoint(Decimal value, int shift = 0);

} // namespace vantrel::value
