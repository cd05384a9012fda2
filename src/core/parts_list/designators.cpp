#include "core/parts_list/designators.h"

#include <algorithm>
#include <charconv>

namespace vantrel::lists {
namespace {

bool letter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool digit(char c) {
    return c >= '0' && c <= '9';
}

// A designator's three parts: "C7A" is C, 7 and A.
struct Parts {
    std::string letters;
    int number = 0;
    std::string suffix;
};

std::optional<Parts> partsOf(std::string_view word) {
    std::size_t i = 0;
    while (i < word.size() && letter(word[i]))
        ++i;
    const std::size_t digits = i;
    while (i < word.size() && digit(word[i]))
        ++i;
    if (digits == 0 || digits == i || word[digits] == '0' || i - digits > 6)
        return std::nullopt;
    Parts parts;
    std::from_chars(word.data() + digits, word.data() + i, parts.number);
    const std::string_view suffix = word.substr(i);
    if (suffix.size() > 2 || !std::ranges::all_of(suffix, letter))
        return std::nullopt;
    for (const char c : word.substr(0, digits))
        parts.letters += static_cast<char>(c >= 'a' ? c - ('a' - 'A') : c);
    parts.suffix = suffix;
    return parts;
}

std::string written(const Parts& parts, int number) {
    return parts.letters + std::to_string(number) + parts.suffix;
}

void addProblem(std::string& problem, std::string_view text) {
    problem.append(problem.empty() ? "не понять обозначения: " : ", ")
        .append("«")
        .append(text)
        .append("»");
}

} // namespace

bool designatorWord(std::string_view word) {
    return partsOf(word).has_value();
}

Designators readDesignators(std::string_view field) {
    Designators read;
    std::size_t from = 0;
    while (from < field.size()) {
        const std::size_t end = std::min(field.find_first_of(",; \t\n\r", from), field.size());
        std::string_view word = field.substr(from, end - from);
        from = end + 1;
        if (word.empty())
            continue;
        // A range: "R1-R4", "R1-4", "R1..R4", "R1–R4".
        std::size_t dash = word.find('-');
        std::size_t dashSize = 1;
        for (const std::string_view mark : {"..", "\u2013"})
            if (const std::size_t at = word.find(mark); at != std::string_view::npos)
                dash = at, dashSize = mark.size();
        const auto first = partsOf(word.substr(0, dash));
        if (dash == std::string_view::npos) {
            if (first)
                read.each.push_back(written(*first, first->number));
            else
                addProblem(read.problem, word);
            continue;
        }
        std::string_view end2 = word.substr(dash + dashSize);
        std::optional<Parts> last;
        if (first && !end2.empty() && digit(end2.front()))
            last = partsOf(first->letters + std::string(end2));
        else
            last = partsOf(end2);
        if (!first || !last || last->letters != first->letters || last->suffix != first->suffix ||
            last->number < first->number || last->number - first->number >= kLongestRange) {
            addProblem(read.problem, word);
            continue;
        }
        for (int number = first->number; number <= last->number; ++number)
            read.each.push_back(written(*first, number));
    }
    return read;
}

std::optional<value::Quantity> quantityOfDesignator(std::string_view designator) {
    const std::size_t letters = designator.find_first_of("0123456789");
    const std::string_view prefix = designator.substr(0, letters);
    using value::Quantity;
    struct Prefix {
        std::string_view letters;
        Quantity quantity;
    };
    constexpr Prefix kPrefixes[] = {{"R", Quantity::Resistance},   {"RN", Quantity::Resistance},
                                    {"RV", Quantity::Resistance},  {"C", Quantity::Capacitance},
                                    {"CN", Quantity::Capacitance}, {"L", Quantity::Inductance}};
    for (const Prefix& known : kPrefixes)
        if (known.letters == prefix)
            return known.quantity;
    return std::nullopt;
}

std::string_view partName(value::Quantity quantity) {
    switch (quantity) {
    case value::Quantity::Resistance:
        break;
    case value::Quantity::Capacitance:
        return "конденсатор";
    case value::Quantity::Inductance:
        return "катушка индуктивности";
    }
    return "резистор";
}

} // namespace vantrel::lists
