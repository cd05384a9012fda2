#include "core/codes/typed_code.h"

namespace vantrel::codes {
namespace {

// The one table of look-alikes: what a Russian layout types for the Latin capitals that codes
// print.
constexpr Lookalike kCyrillicCapitals[] = {{"А", "A"}, {"В", "B"}, {"С", "C"}, {"Е", "E"},
                                           {"Н", "H"}, {"К", "K"}, {"М", "M"}, {"Х", "X"}};

const Lookalike* firstFitting(std::string_view text, std::span<const Lookalike> rows) {
    for (const Lookalike& row : rows)
        if (text.starts_with(row.typed))
            return &row;
    return nullptr;
}

} // namespace

std::optional<std::string> readLookalikes(std::string_view text,
                                          std::span<const Lookalike> ownRows) {
    std::string read;
    while (!text.empty()) {
        if (static_cast<unsigned char>(text.front()) < 0x80) {
            read += text.front();
            text.remove_prefix(1);
            continue;
        }
        const Lookalike* found = firstFitting(text, ownRows);
        if (!found)
            found = firstFitting(text, kCyrillicCapitals);
        if (!found)
            return std::nullopt;
        read += found->read;
        text.remove_prefix(found->typed.size());
    }
    return read;
}

std::string_view trimmed(std::string_view text) {
    constexpr std::string_view kNoBreakSpace = "\u00A0";
    for (bool more = true; more;) {
        more = false;
        for (const std::string_view space :
             {std::string_view(" "), std::string_view("\t"), kNoBreakSpace}) {
            if (text.starts_with(space)) {
                text.remove_prefix(space.size());
                more = true;
            }
            if (text.ends_with(space)) {
                text.remove_suffix(space.size());
                more = true;
            }
        }
    }
    return text;
}

std::optional<std::string> cleaned(std::string_view typed, const Typing& typing) {
    if (typing.trimmed)
        typed = trimmed(typed);
    std::string text = typing.eitherCase ? inCapitals(typed) : std::string(typed);
    if (typing.lookalikes)
        return readLookalikes(text, typing.ownRows);
    return text;
}

std::string inCapitals(std::string_view text) {
    std::string result(text);
    for (std::size_t i = 0; i < result.size(); ++i) {
        auto& c = reinterpret_cast<unsigned char&>(result[i]);
        if (c >= 'a' && c <= 'z') {
            c = static_cast<unsigned char>(c - 'a' + 'A');
        } else if ((c == 0xD0 || c == 0xD1) && i + 1 < result.size()) {
            // а to п are D0 B0 to D0 BF, р to я D1 80 to D1 8F; А to Я are D0 90 to D0 AF.
            auto& next = reinterpret_cast<unsigned char&>(result[i + 1]);
            if (c == 0xD0 && next >= 0xB0 && next <= 0xBF) {
                next = static_cast<unsigned char>(next - 0x20);
                ++i;
            } else if (c == 0xD1 && next >= 0x80 && next <= 0x8F) {
                c = 0xD0;
                next = static_cast<unsigned char>(next + 0x20);
                ++i;
            } else if (c == 0xD1 && next == 0x91) { // ё is D1 91, Ё D0 81
                c = 0xD0;
                next = 0x81;
                ++i;
            }
        }
    }
    return result;
}

std::optional<std::string> unitPointCode(value::Decimal value, std::string_view letter, int shift,
                                         std::size_t maxDigits) {
    if (value.significand <= 0)
        return std::nullopt;
    std::string code = value::withPointLetter(value, letter, shift);
    if (code.size() - letter.size() > maxDigits ||
        (code.starts_with(letter) && code[letter.size()] == '0'))
        return std::nullopt;
    return code;
}

std::optional<std::string> powerOfTenCode(value::Decimal value, int figures, int largestPower) {
    const std::optional<value::Decimal> digits = value::inFigures(value, figures);
    if (!digits || digits->exponent < 0 || digits->exponent > largestPower)
        return std::nullopt;
    return std::to_string(digits->significand) + static_cast<char>('0' + digits->exponent);
}

} // namespace vantrel::codes
