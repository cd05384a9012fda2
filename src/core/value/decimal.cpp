#include "core/value/decimal.h"

#include <algorithm>
#include <cmath>

namespace vantrel::value {

Decimal Decimal::normalised() const {
    if (significand == 0)
        return {};
    Decimal result = *this;
    while (result.significand % 10 == 0) {
        result.significand /= 10;
        ++result.exponent;
    }
    return result;
}

int Decimal::significantDigits() const {
    int digits = 1;
    for (std::int64_t rest = normalised().significand; rest >= 10; rest /= 10)
        ++digits;
    return digits;
}

int Decimal::leadingExponent() const {
    const Decimal value = normalised();
    return value.exponent + value.significantDigits() - 1;
}

bool Decimal::operator==(const Decimal& other) const {
    const Decimal a = normalised();
    const Decimal b = other.normalised();
    return a.significand == b.significand && a.exponent == b.exponent;
}

std::optional<Decimal> fromDigits(std::string_view digits, int exponent) {
    if (digits.empty())
        return std::nullopt;
    Decimal value{0, exponent};
    for (const char c : digits) {
        if (c < '0' || c > '9' || value.significand > kMaxSignificand / 10)
            return std::nullopt;
        value.significand = value.significand * 10 + (c - '0');
    }
    return value;
}

bool allDigits(std::string_view text) {
    return !text.empty() && std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
}

std::optional<Decimal> readNumber(std::string_view text) {
    const std::size_t point = text.find_first_of(".,");
    if (point == std::string_view::npos)
        return fromDigits(text);
    const std::string_view fraction = text.substr(point + 1); // a second point fails fromDigits
    if (fraction.empty())
        return std::nullopt;
    return fromDigits(std::string(text.substr(0, point)) + std::string(fraction),
                      -static_cast<int>(fraction.size()));
}

std::optional<Decimal> aroundPoint(std::string_view text, std::size_t point, std::size_t pointSize,
                                   int exponent, std::size_t maxDigits) {
    const std::string_view fraction = text.substr(point + pointSize);
    const std::string digits = std::string(text.substr(0, point)) + std::string(fraction);
    if (digits.size() > maxDigits)
        return std::nullopt;
    return fromDigits(digits, exponent - static_cast<int>(fraction.size()));
}

std::string spell(Decimal value, int shift) {
    value = value.normalised();
    const std::string digits = std::to_string(value.significand);
    const int point = static_cast<int>(digits.size()) + value.exponent - shift; // digits before ","
    if (value.significand == 0)
        return "0";
    if (point <= 0)
        return "0," + std::string(static_cast<std::size_t>(-point), '0') + digits;
    if (point >= static_cast<int>(digits.size()))
        return digits + std::string(static_cast<std::size_t>(point) - digits.size(), '0');
    const auto whole = static_cast<std::size_t>(point);
    return digits.substr(0, whole) + "," + digits.substr(whole);
}

std::optional<Decimal> inFigures(Decimal value, int count) {
    value = value.normalised();
    const int digits = value.significantDigits();
    if (value.significand <= 0 || digits > count)
        return std::nullopt;
    for (int missing = count - digits; missing > 0; --missing) {
        value.significand *= 10;
        --value.exponent;
    }
    return value;
}

std::string withPointLetter(Decimal value, std::string_view letter, int shift,
                            std::size_t minDigits) {
    std::string text = spell(value, shift);
    if (text.starts_with("0,"))
        text = std::string(letter).append(text.substr(2));
    else if (const std::size_t comma = text.find(','); comma != std::string::npos)
        text.replace(comma, 1, letter);
    else if (text.size() == 1)
        text.append(letter).append("0");
    else
        text.append(letter);
    const std::size_t digits = text.size() - letter.size();
    return digits < minDigits ? text.append(minDigits - digits, '0') : text;
}

double toDouble(Decimal value) {
    const double significand = static_cast<double>(value.significand);
    const double power = std::pow(10.0, std::abs(value.exponent));
    return value.exponent >= 0 ? significand * power : significand / power;
}

std::string spellWithPoint(Decimal value, int shift) {
    std::string text = spell(value, shift);
    std::ranges::replace(text, ',', '.');
    return text;
}

} // namespace vantrel::value
