#include "core/part_numbers/value_codes.h"

#include "core/value/units.h"

#include <algorithm>

namespace vantrel::parts {
namespace {

using value::Decimal;

constexpr int kLargestMultiplier = 8; // "108": 1000 µF, the largest a maker writes so
constexpr int kMicrohenry = 3;        // in nanohenries
constexpr int kMicrofarad = 6;        // in picofarads

// "103": the figures, then how many zeros follow.
std::optional<Decimal> figuresAndZeros(std::string_view code, std::size_t figures) {
    if (code.size() != figures + 1 || !value::allDigits(code) ||
        code.back() - '0' > kLargestMultiplier)
        return std::nullopt;
    return value::fromDigits(code.substr(0, figures), code.back() - '0');
}

// "479", "499J": the figures, then a multiplier below one, written as the style writes it:
// `below` holds the codes of a tenth, a hundredth and so on.
std::optional<Decimal> figuresAndFraction(std::string_view code, std::size_t figures,
                                          std::string_view below) {
    if (code.size() != figures + 1 || !value::allDigits(code.substr(0, figures)))
        return std::nullopt;
    const std::size_t at = below.find(code.back());
    if (at == std::string_view::npos)
        return std::nullopt;
    return value::fromDigits(code.substr(0, figures), -static_cast<int>(at) - 1);
}

constexpr std::string_view kTenths = "98"; // KEMET: 9 a tenth, 8 a hundredth
constexpr std::string_view kJkl = "JKL";   // UniOhm

// "4R7", "10K0": digits with one of the letters where the point is.
std::optional<Decimal> withLetter(std::string_view code, std::string_view letters,
                                  const int* exponents) {
    const std::size_t at = code.find_first_of(letters);
    if (at == std::string_view::npos)
        return std::nullopt;
    return value::aroundPoint(code, at, 1, exponents[letters.find(code[at])], 4);
}

constexpr int kRkm[] = {0, value::kKilo, value::kMega};
constexpr int kNanoMicro[] = {0, kMicrohenry};

std::optional<Decimal> positive(std::optional<Decimal> value) {
    return value && value->significand > 0 ? value : std::nullopt;
}

std::optional<std::string> figuresCode(Decimal value, int figures) {
    const std::optional<Decimal> exact = value::inFigures(value, figures);
    if (!exact || exact->exponent < 0 || exact->exponent > kLargestMultiplier)
        return std::nullopt;
    return std::to_string(exact->significand) + static_cast<char>('0' + exact->exponent);
}

// Below 10^(figures - 1) with R as the point, "4R7", "47R0"; above, figures and zeros.
std::optional<std::string> digitsCode(Decimal value, int figures) {
    if (value.leadingExponent() >= figures - 1)
        return figuresCode(value, figures);
    if (!value::inFigures(value, figures) && value.significantDigits() > figures)
        return std::nullopt;
    std::string code = value::withPointLetter(value, "R", 0, static_cast<std::size_t>(figures));
    return code.size() == static_cast<std::size_t>(figures) + 1 ? std::optional(code)
                                                                : std::nullopt;
}

// Figures and zeros, or below 10^(figures - 1) figures and the code of the fraction.
std::optional<std::string> fractionCode(Decimal value, int figures, std::string_view below) {
    if (value.leadingExponent() >= figures - 1)
        return figuresCode(value, figures);
    const std::optional<Decimal> exact = value::inFigures(value, figures);
    if (!exact || exact->exponent >= 0 || -exact->exponent > static_cast<int>(below.size()))
        return std::nullopt;
    return std::to_string(exact->significand) +
           below[static_cast<std::size_t>(-exact->exponent - 1)];
}

// A zero before a code, "0103", "0R47", put in place: GCC 12 at -O3 warns of "0" + a string.
std::string withZero(std::string code) {
    code.insert(code.begin(), '0');
    return code;
}

// A value a code gives in a unit 10^shift of the smallest, in the smallest.
std::optional<Decimal> inUnit(std::optional<Decimal> value, int shift) {
    if (value)
        value->exponent += shift;
    return value;
}

// Rubycon's microfarads: "1000", "47", "4R7", "0R47", in picofarads.
std::optional<Decimal> microfarads(std::string_view code) {
    if (code.empty() || code.size() > 5)
        return std::nullopt;
    std::optional<Decimal> farads;
    if (const std::size_t at = code.find('R'); at != std::string_view::npos)
        farads = value::aroundPoint(code, at, 1, 0, 4);
    else if (value::allDigits(code) && code[0] != '0')
        farads = value::fromDigits(code, 0);
    return inUnit(positive(farads), kMicrofarad);
}

// R below a thousand, K below a million, M above.
std::string lettersCode(Decimal value, std::size_t minDigits) {
    const int lead = value.leadingExponent();
    const int shift = lead >= value::kMega ? value::kMega : lead >= value::kKilo ? value::kKilo : 0;
    const char* letter = shift == value::kMega ? "M" : shift == value::kKilo ? "K" : "R";
    return value::withPointLetter(value, letter, shift, minDigits);
}

} // namespace

std::optional<Decimal> readValueCode(ValueStyle style, std::string_view code) {
    switch (style) {
    case ValueStyle::Digits3:
        return positive(code.size() == 3 && code.find('R') != std::string_view::npos
                            ? withLetter(code, "R", kRkm)
                            : figuresAndZeros(code, 2));
    case ValueStyle::Digits4:
        return positive(code.size() == 4 && code.find('R') != std::string_view::npos
                            ? withLetter(code, "R", kRkm)
                            : figuresAndZeros(code, 3));
    case ValueStyle::Digits3Or4:
        return code.size() == 3 ? readValueCode(ValueStyle::Digits3, code)
                                : readValueCode(ValueStyle::Digits4, code);
    case ValueStyle::ZeroDigits3:
        return code.size() == 4 && code[0] == '0'
                   ? readValueCode(ValueStyle::Digits3, code.substr(1))
                   : std::nullopt;
    case ValueStyle::Letters:
        return code.size() >= 2 && code.size() <= 5 ? positive(withLetter(code, "RKM", kRkm))
                                                    : std::nullopt;
    case ValueStyle::LettersOf4:
        return code.size() == 4 ? positive(withLetter(code, "RKM", kRkm)) : std::nullopt;
    case ValueStyle::NanohenriesN:
        return code.size() == 3 ? positive(withLetter(code, "NR", kNanoMicro)) : std::nullopt;
    case ValueStyle::Digits3Tenths:
        if (const auto fraction = figuresAndFraction(code, 2, kTenths))
            return positive(fraction);
        return code.size() == 3 && code.find('R') == std::string_view::npos
                   ? readValueCode(ValueStyle::Digits3, code)
                   : std::nullopt;
    case ValueStyle::Digits4Jkl:
        if (const auto fraction = figuresAndFraction(code, 3, kJkl))
            return positive(fraction);
        return readValueCode(ValueStyle::Digits4, code);
    case ValueStyle::Microfarads3:
        return inUnit(readValueCode(ValueStyle::Digits3, code), kMicrofarad);
    case ValueStyle::MicrofaradsPlain:
        return microfarads(code);
    case ValueStyle::Microhenries3:
        if (code.find('N') != std::string_view::npos)
            return code.size() == 3 ? positive(withLetter(code, "N", kNanoMicro)) : std::nullopt;
        return inUnit(readValueCode(ValueStyle::Digits3, code), kMicrohenry);
    case ValueStyle::ZeroDigits3Jkl:
        if (code.size() == 4 && code[0] == '0')
            if (const auto fraction = figuresAndFraction(code.substr(1), 2, kJkl))
                return positive(fraction);
        return readValueCode(ValueStyle::ZeroDigits3, code);
    }
    return std::nullopt;
}

std::optional<std::string> writeValueCode(ValueStyle style, Decimal value) {
    if (value.significand <= 0)
        return std::nullopt;
    std::optional<std::string> code;
    switch (style) {
    case ValueStyle::Digits3:
        code = digitsCode(value, 2);
        break;
    case ValueStyle::Digits4:
        code = digitsCode(value, 3);
        break;
    case ValueStyle::Digits3Or4:
        code = value.significantDigits() <= 2 ? digitsCode(value, 2) : digitsCode(value, 3);
        break;
    case ValueStyle::ZeroDigits3:
        if (const std::optional<std::string> digits = digitsCode(value, 2))
            code = withZero(*digits);
        break;
    case ValueStyle::Letters: {
        code = lettersCode(value, 0);
        if (code->size() == 3 && code->back() == '0' && code->find('R') != 0) // "1K0" is "1K"
            code->pop_back();
        break;
    }
    case ValueStyle::LettersOf4:
        code = lettersCode(value, 3);
        break;
    case ValueStyle::NanohenriesN:
        code = value.leadingExponent() >= 2 ? value::withPointLetter(value, "R", kMicrohenry, 2)
                                            : value::withPointLetter(value, "N", 0, 2);
        break;
    case ValueStyle::Digits3Tenths:
        code = fractionCode(value, 2, kTenths);
        break;
    case ValueStyle::Digits4Jkl:
        code = fractionCode(value, 3, kJkl);
        break;
    case ValueStyle::Microfarads3:
        code = digitsCode({value.significand, value.exponent - kMicrofarad}, 2);
        break;
    case ValueStyle::MicrofaradsPlain: {
        const Decimal farads =
            Decimal{value.significand, value.exponent - kMicrofarad}.normalised();
        code = farads.exponent >= 0           ? value::spell(farads)
               : farads.leadingExponent() < 0 ? withZero(value::withPointLetter(farads, "R", 0, 0))
                                              : value::withPointLetter(farads, "R", 0, 0);
        break;
    }
    case ValueStyle::Microhenries3:
        code = value.leadingExponent() < 2
                   ? value::withPointLetter(value, "N", 0, 2)
                   : digitsCode({value.significand, value.exponent - kMicrohenry}, 2);
        break;
    case ValueStyle::ZeroDigits3Jkl:
        if (const std::optional<std::string> digits = fractionCode(value, 2, kJkl))
            code = withZero(*digits);
        break;
    }
    // Whatever the style cannot hold is no code: the reader must give the value back.
    if (!code || readValueCode(style, *code) != value)
        return std::nullopt;
    return code;
}

} // namespace vantrel::parts
