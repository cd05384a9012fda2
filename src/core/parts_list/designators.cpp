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

// A designator's three parts: "C7A" is C, 7 and A; "R_OV3" is R_OV and 3; "CU18_1" is CU, 18
// and _1.
std::optional<DesignatorRange> partsOf(std::string_view word) {
    std::size_t i = 0;
    while (i < word.size() && (letter(word[i]) || (i > 0 && word[i] == '_')))
        ++i;
    const std::size_t digits = i;
    while (i < word.size() && digit(word[i]))
        ++i;
    // A number from 1, or 0 alone as zero-based lists count («R0», «LED0»).
    if (digits == 0 || digits == i || word[digits - 1] == '_' ||
        (word[digits] == '0' && i - digits > 1) || i - digits > 6)
        return std::nullopt;
    DesignatorRange parts;
    std::from_chars(word.data() + digits, word.data() + i, parts.first);
    parts.last = parts.first;
    const std::string_view suffix = word.substr(i);
    const bool numbered =
        suffix.size() >= 2 && suffix.size() <= 4 && suffix.front() == '_' &&
        std::ranges::all_of(suffix.substr(1), [](char c) { return letter(c) || digit(c); });
    if (!numbered && (suffix.size() > 2 || !std::ranges::all_of(suffix, letter)))
        return std::nullopt;
    for (const char c : word.substr(0, digits))
        parts.letters += static_cast<char>(c >= 'a' ? c - ('a' - 'A') : c);
    parts.suffix = suffix;
    return parts;
}

void addProblem(std::string& problem, std::string_view text) {
    problem.append(problem.empty() ? "не понять обозначения: " : ", ")
        .append("«")
        .append(text)
        .append("»");
}

// The marks a range is written with: "R1-R4", "R1..R4", "R1–R4".
constexpr std::string_view kDashes[] = {"-", "..", "\u2013"};

bool isDash(std::string_view word) {
    return std::ranges::find(kDashes, word) != std::end(kDashes);
}

// The words of a field apart by commas, semicolons, slashes and spaces, with what lists put
// apart that belongs together joined again: "R 9" is R9, "C3 - C5" and "C3 -C5" are C3-C5.
std::vector<std::string> wordsOf(std::string_view field) {
    std::vector<std::string> words;
    for (std::size_t from = 0; from < field.size();) {
        const std::size_t end = std::min(field.find_first_of(",;/ \t\n\r", from), field.size());
        if (end > from)
            words.emplace_back(field.substr(from, end - from));
        from = end + 1;
    }
    std::vector<std::string> joined;
    for (std::size_t i = 0; i < words.size(); ++i) {
        std::string word = words[i];
        const auto startsWithDigit = [&](std::size_t at) {
            return at < words.size() && digit(words[at].front());
        };
        const auto lettersOnly = [](const std::string& w) {
            return w.size() <= 3 && std::ranges::all_of(w, letter);
        };
        if (lettersOnly(word) && startsWithDigit(i + 1))
            word += words[++i];
        if (i + 2 < words.size() && isDash(words[i + 1])) {
            std::string last = words[i + 2];
            i += 2;
            if (lettersOnly(last) && startsWithDigit(i + 1))
                last += words[++i];
            word.append("-").append(last);
        } else if (i + 1 < words.size() && (word.ends_with('-') || (words[i + 1].starts_with('-') &&
                                                                    words[i + 1] != "-"))) {
            word += words[++i];
        }
        joined.push_back(std::move(word));
    }
    return joined;
}

} // namespace

std::string DesignatorRange::designator(int number) const {
    return letters + std::to_string(number) + suffix;
}

std::string DesignatorRange::text() const {
    return first == last ? designator(first) : designator(first) + "-" + designator(last);
}

std::size_t Designators::count() const {
    std::size_t total = 0;
    for (const DesignatorRange& range : ranges)
        total += range.count();
    return total;
}

std::vector<std::string> Designators::each() const {
    std::vector<std::string> all;
    for (const DesignatorRange& range : ranges)
        for (int number = range.first; number <= range.last; ++number)
            all.push_back(range.designator(number));
    return all;
}

bool designatorWord(std::string_view word) {
    return partsOf(word).has_value();
}

Designators readDesignators(std::string_view field) {
    Designators read;
    for (const std::string& word : wordsOf(field)) {
        std::size_t dash = std::string::npos;
        std::size_t dashSize = 1;
        for (const std::string_view mark : kDashes)
            if (const std::size_t at = word.find(mark); at != std::string::npos && at > 0)
                dash = at, dashSize = mark.size();
        const auto first = partsOf(std::string_view(word).substr(0, dash));
        if (dash == std::string::npos) {
            if (first)
                read.ranges.push_back(*first);
            else
                addProblem(read.problem, word);
            continue;
        }
        const std::string_view end = std::string_view(word).substr(dash + dashSize);
        std::optional<DesignatorRange> last;
        if (first && !end.empty() && digit(end.front()))
            last = partsOf(first->letters + std::string(end));
        else
            last = partsOf(end);
        if (!first || !last || last->letters != first->letters || last->suffix != first->suffix ||
            last->first < first->first || last->first - first->first >= kLongestRange) {
            addProblem(read.problem, word);
            continue;
        }
        read.ranges.push_back({first->letters, first->first, last->first, first->suffix});
    }
    // Words without a number name a part, not its place: «Jack», «push button», «Platine».
    if (read.ranges.empty() && field.find_first_of("0123456789") == std::string_view::npos)
        read.problem.clear();
    return read;
}

namespace {

struct Prefix {
    std::string_view letters;
    std::optional<value::Quantity> quantity; // nothing for another part
    bool sure = true;                        // whatever the value
};
// The prefixes of resistors, capacitors and inductors, and the other parts' that start with
// their letters. Any other prefix that starts with R, C or L («RFB», «CC», «R_OV», the
// Russian «RP») is that part where its value reads as one: «RFB1 20k 1%».
constexpr Prefix kPrefixes[] = {
    {"R", value::Quantity::Resistance},
    {"RN", value::Quantity::Resistance},
    {"RV", value::Quantity::Resistance, false}, // a trimmer, or a varistor
    {"C", value::Quantity::Capacitance},
    {"CN", value::Quantity::Capacitance, false}, // a capacitor network, or a connector
    {"L", value::Quantity::Inductance},
    {"LED", std::nullopt},
    {"LD", std::nullopt},
    {"LCD", std::nullopt},
    {"LS", std::nullopt},
    {"LP", std::nullopt},
    {"LA", std::nullopt},
    {"CR", std::nullopt},
    {"CON", std::nullopt},
    {"CONN", std::nullopt},
    {"RLY", std::nullopt},
    {"RL", std::nullopt},
    {"RST", std::nullopt},
};
constexpr std::string_view kPassiveLetters = "RCL";

Prefix prefixOf(std::string_view designator) {
    const std::string_view letters = designator.substr(0, designator.find_first_of("0123456789"));
    if (const auto* found = std::ranges::find(kPrefixes, letters, &Prefix::letters);
        found != std::end(kPrefixes))
        return *found;
    if (letters.empty() || kPassiveLetters.find(letters.front()) == std::string_view::npos)
        return {letters, std::nullopt};
    for (const Prefix& known : kPrefixes)
        if (known.letters.size() == 1 && known.letters.front() == letters.front())
            return {letters, known.quantity, false};
    return {letters, std::nullopt};
}

} // namespace

std::optional<value::Quantity> quantityOfDesignator(std::string_view designator) {
    return prefixOf(designator).quantity;
}

bool surelyPassive(std::string_view designator) {
    const Prefix prefix = prefixOf(designator);
    return prefix.quantity && prefix.sure;
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

std::optional<std::string> DesignatorsSeen::add(const Designators& designators, std::size_t line) {
    struct Again {
        DesignatorRange range;
        std::size_t line;
    };
    std::vector<Again> again;
    for (const DesignatorRange& range : designators.ranges) {
        std::map<int, Span>& spans = byKind_[{range.letters, range.suffix}];
        // The spans that meet the range, and the gaps between them, which are new.
        auto at = spans.upper_bound(range.first);
        if (at != spans.begin() && std::prev(at)->second.last >= range.first)
            --at;
        int next = range.first; // the first number not yet accounted for
        std::vector<std::pair<int, int>> gaps;
        for (; at != spans.end() && at->first <= range.last; ++at) {
            const int from = std::max(at->first, range.first);
            const int to = std::min(at->second.last, range.last);
            if (from > next)
                gaps.emplace_back(next, from - 1);
            again.push_back({{range.letters, from, to, range.suffix}, at->second.line});
            next = to + 1;
        }
        if (next <= range.last)
            gaps.emplace_back(next, range.last);
        for (const auto& [from, to] : gaps)
            spans.emplace(from, Span{to, line});
    }
    if (again.empty())
        return std::nullopt;
    const auto where = [line](std::size_t first) {
        return first == line ? std::string("эта же строка") : "строка " + std::to_string(first);
    };
    if (again.size() == 1)
        return again.front().range.text() +
               (again.front().line == line ? std::string(" дважды в этой строке")
                                           : " уже в строке " + std::to_string(again.front().line));
    constexpr std::size_t kNamed = 3;
    std::string text = "уже в других строках: ";
    std::size_t rest = 0;
    for (std::size_t i = 0; i < again.size(); ++i) {
        if (i < kNamed)
            text.append(i ? ", " : "")
                .append(again[i].range.text())
                .append(" (")
                .append(where(again[i].line))
                .append(")");
        else
            rest += again[i].range.count();
    }
    if (rest > 0)
        text.append(" и ещё ").append(std::to_string(rest));
    return text;
}

} // namespace vantrel::lists
