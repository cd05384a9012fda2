#include "core/marking/part_line.h"

#include "core/codes/typed_code.h"
#include "core/marking/echo.h"
#include "core/marking/line_facts.h"
#include "core/marking/line_words.h"
#include "core/marking/value_text.h"

#include <algorithm>

namespace vantrel::marking {
namespace {

using value::Quantity;

constexpr Quantity kQuantities[] = {Quantity::Resistance, Quantity::Capacitance,
                                    Quantity::Inductance};

constexpr std::size_t kLongestSpan = 4;  // "± 5 %", "1608 metric", "ТКС ±50 ppm/°C"
constexpr std::size_t kLongestValue = 3; // "10 кОм", "4,7 k Ω"
constexpr std::size_t kMostWords = 32;

class Line {
public:
    explicit Line(std::string_view text)
        : text_(text)
        , words_(wordsOf(text)) {}

    std::size_t size() const { return words_.size(); }
    std::string_view span(std::size_t first, std::size_t count) const {
        return text_.substr(words_[first].begin,
                            words_[first + count - 1].end - words_[first].begin);
    }
    std::string_view word(std::size_t at) const { return span(at, 1); }

    // The facts of each span, read once.
    void readFacts() {
        facts_.assign(size() * kLongestSpan, std::nullopt);
        for (std::size_t first = 0; first < size(); ++first)
            for (std::size_t count = 1; count <= kLongestSpan && first + count <= size(); ++count)
                facts_[first * kLongestSpan + count - 1] = factOf(span(first, count));
    }
    const std::optional<Fact>& fact(std::size_t first, std::size_t count) const {
        return facts_[first * kLongestSpan + count - 1];
    }
    // Whether a word of a span of several is a fact of its own, other than a tolerance letter
    // («10 K» is 10 кОм): the span is then no value ("0603 0.1uF" is a size and a value). A
    // number that names a chip size is still a value's number where a unit follows it
    // ("2220 мкФ", as the readout writes 2220 µF).
    bool holdsFact(std::size_t first, std::size_t count) const {
        for (std::size_t at = first; count > 1 && at < first + count; ++at)
            if (fact(at, 1) && fact(at, 1)->kind != Kind::ToleranceLetter &&
                !(at == first && fact(at, 1)->kind == Kind::Size &&
                  unitsOnly(at + 1, first + count)))
                return true;
        return false;
    }
    // Whether the words from `first` up to `end` are units as the readout writes them.
    bool unitsOnly(std::size_t first, std::size_t end) const {
        for (std::size_t at = first; at < end; ++at)
            if (std::ranges::none_of(kQuantities, [&](Quantity quantity) {
                    return std::ranges::find(value::unitsOf(quantity), word(at)) !=
                           value::unitsOf(quantity).end();
                }))
                return false;
        return true;
    }

    // The words from `first` up to `end` as facts, the longest spans first; nothing where they
    // are not all facts.
    std::optional<std::vector<Fact>> factsBetween(std::size_t first, std::size_t end) const {
        // covered[k]: the words from k to end are facts.
        std::vector<bool> covered(end - first + 1, false);
        covered.back() = true;
        for (std::size_t k = end; k-- > first;)
            for (std::size_t count = 1; count <= kLongestSpan && k + count <= end; ++count)
                if (fact(k, count) && covered[k + count - first])
                    covered[k - first] = true;
        if (!covered.front())
            return std::nullopt;
        std::vector<Fact> facts;
        for (std::size_t k = first; k < end;)
            for (std::size_t count = std::min(kLongestSpan, end - k); count > 0; --count)
                if (fact(k, count) && covered[k + count - first]) {
                    facts.push_back(*fact(k, count));
                    k += count;
                    break;
                }
        return facts;
    }

private:
    std::string_view text_;
    std::vector<Word> words_;
    std::vector<std::optional<Fact>> facts_;
};

std::size_t indexOf(Quantity quantity) {
    return static_cast<std::size_t>(quantity);
}

// "резистора": whose a fact is not.
std::string_view ofComponent(Quantity quantity) {
    constexpr std::string_view kNames[] = {"резистора", "конденсатора", "катушки индуктивности"};
    return kNames[indexOf(quantity)];
}

// The reading with the facts added; nothing where one does not fit its component or says
// again what the reading says, and then `misfit` says why.
std::optional<MarkingReading> withFacts(MarkingReading found, const std::vector<Fact>& facts,
                                        std::string* misfit) {
    value::Reading& reading = found.reading;
    for (const Fact& fact : facts) {
        const std::optional<value::Tolerance> within =
            fact.tolerance.empty() ? std::nullopt
                                   : readToleranceAfter(fact.tolerance, reading.quantity);
        if (!fact.fits[indexOf(reading.quantity)] || (!fact.tolerance.empty() && !within)) {
            *misfit =
                quoted(fact.text).append(" не бывает у ").append(ofComponent(reading.quantity));
            return std::nullopt;
        }
        const auto once = [](auto& field, auto given) {
            if (field)
                return false;
            field = given;
            return true;
        };
        bool fits = true;
        switch (fact.kind) {
        case Kind::Tolerance:
        case Kind::ToleranceLetter:
            fits = once(reading.tolerance, *within);
            break;
        case Kind::Voltage:
            fits = once(reading.voltage, fact.amount);
            break;
        case Kind::Power:
            fits = once(reading.power, fact.amount);
            break;
        case Kind::Current:
            fits = once(reading.current, fact.amount);
            break;
        case Kind::Temperature:
            fits = once(reading.temperature, static_cast<int>(fact.amount.significand));
            break;
        case Kind::Size:
            fits = once(reading.package, *fact.size);
            reading.packageInMetric = fact.metric;
            break;
        case Kind::Dielectric:
            fits = once(found.dielectric, *fact.dielectric);
            break;
        case Kind::TemperatureCoefficient:
            fits = once(reading.temperatureCoefficient, fact.amount);
            break;
        case Kind::Case:
            fits = once(reading.moulded, *fact.moulded);
            break;
        case Kind::Can:
            fits = once(reading.can, *fact.can);
            break;
        case Kind::Name:
            break;
        }
        if (!fits) {
            *misfit = std::string(kindName(fact.kind))
                          .append(" ")
                          .append(quoted(fact.text))
                          .append(" уже есть в самом номинале");
            return std::nullopt;
        }
    }
    return found;
}

// A fact of one kind twice: "дважды: напряжение".
std::optional<std::string> twice(const std::vector<Fact>& facts) {
    for (const Fact& fact : facts)
        for (const Fact& other : facts)
            if (&other < &fact && fact.kind != Kind::Name &&
                (fact.kind == other.kind ||
                 (fact.kind == Kind::ToleranceLetter && other.kind == Kind::Tolerance) ||
                 (fact.kind == Kind::Tolerance && other.kind == Kind::ToleranceLetter)))
                return std::string("в строке дважды ")
                    .append(kindName(fact.kind))
                    .append(": ")
                    .append(quoted(other.text))
                    .append(" и ")
                    .append(quoted(fact.text));
    return std::nullopt;
}

// Whether the text is the size of a chip: never read as a value in a line ("0603" is no code
// there).
bool isSize(const std::optional<Fact>& fact) {
    return fact && fact->kind == Kind::Size;
}

} // namespace

MarkingAnswer readPartLine(std::string_view text) {
    Line line(codes::trimmed(text));
    if (line.size() < 2)
        return {};
    if (line.size() > kMostWords)
        return {{}, "слишком много слов для одной детали"};
    line.readFacts();
    // Each span that may be the value, facts all around it; spans that are facts themselves
    // ("105C", a temperature or a tantalum code) only where no other span is the value.
    std::vector<MarkingReading> readings;
    std::string conflict;
    for (const bool factsToo : {false, true}) {
        for (std::size_t first = 0; first < line.size(); ++first)
            for (std::size_t count = 1; count <= kLongestValue && first + count <= line.size();
                 ++count) {
                const std::optional<Fact>& itself = line.fact(first, count);
                if (isSize(itself) || itself.has_value() != factsToo ||
                    line.holdsFact(first, count))
                    continue;
                auto before = line.factsBetween(0, first);
                auto after = before ? line.factsBetween(first + count, line.size()) : std::nullopt;
                if (!after)
                    continue;
                // A tolerance letter stands right after the value it belongs to.
                const auto letter = [](const Fact& f) { return f.kind == Kind::ToleranceLetter; };
                if (std::ranges::any_of(*before, letter) ||
                    (after->size() > 1 &&
                     std::ranges::any_of(after->begin() + 1, after->end(), letter)))
                    continue;
                std::vector<Fact> facts = *std::move(before);
                facts.insert(facts.end(), after->begin(), after->end());
                if (auto repeated = twice(facts))
                    return {{}, *std::move(repeated)};
                const std::vector<MarkingReading> values =
                    readSingleMarking(line.span(first, count));
                for (const MarkingReading& value : values) {
                    std::string misfit;
                    if (!value.valued)
                        continue;
                    if (auto found = withFacts(value, facts, &misfit)) {
                        const auto same = [&](const MarkingReading& r) {
                            return r.reading == found->reading && r.dielectric == found->dielectric;
                        };
                        if (std::ranges::none_of(readings, same))
                            readings.push_back(*std::move(found));
                    } else if (conflict.empty()) {
                        conflict = std::move(misfit);
                    }
                }
            }
        // Resistors first, as every reader lists them, whichever span each value came from.
        std::ranges::stable_sort(readings, {},
                                 [](const MarkingReading& r) { return r.reading.quantity; });
        if (!readings.empty())
            return {std::move(readings), {}};
    }
    if (!conflict.empty())
        return {{}, std::move(conflict)};
    std::string values, letter;
    int valueWords = 0;
    for (std::size_t at = 0; at < line.size(); ++at) {
        if (const std::optional<Fact>& fact = line.fact(at, 1)) {
            if (fact->kind == Kind::ToleranceLetter)
                letter = quoted(fact->text);
            continue;
        }
        if (readSingleMarking(line.word(at)).empty())
            return {{}, "непонятное слово " + quoted(line.word(at))};
        values.append(values.empty() ? "" : " и ").append(quoted(line.word(at)));
        ++valueWords;
    }
    if (valueWords == 0)
        return {{}, "в строке нет номинала"};
    if (valueWords == 1 && !letter.empty())
        return {{}, "буква допуска " + letter + " стоит не сразу после номинала"};
    return {{}, "в строке не один номинал: " + values};
}

} // namespace vantrel::marking
