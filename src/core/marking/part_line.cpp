#include "core/marking/part_line.h"

#include "core/codes/dielectric.h"
#include "core/codes/letter_code.h"
#include "core/codes/typed_code.h"
#include "core/marking/echo.h"
#include "core/marking/value_text.h"
#include "core/value/chip_sizes.h"
#include "core/value/units.h"

#include <algorithm>
#include <array>
#include <span>

namespace vantrel::marking {
namespace {

using value::Decimal;
using value::Quantity;
using value::RatingSpelling;

// ---- Semiconductors -------------------------------------------------------------------------

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isLetter(char c) {
    return c >= 'A' && c <= 'Z';
}

// The run of characters of one kind at the front of the text, and the rest.
std::size_t runOf(std::string_view text, bool (*kind)(char)) {
    return static_cast<std::size_t>(std::ranges::find_if_not(text, kind) - text.begin());
}

// Digits from least to most, then what may follow them: at most `letters` letters, or a Zener
// diode's voltage «C5V1».
bool designationNumber(std::string_view rest, std::size_t least, std::size_t most,
                       std::size_t letters) {
    const std::size_t digits = runOf(rest, isDigit);
    if (digits < least || digits > most)
        return false;
    rest.remove_prefix(digits);
    if (rest.starts_with('-')) // «2SC1815-GR»: the maker's gain group
        rest.remove_prefix(1);
    const std::size_t tail = runOf(rest, isLetter);
    if (tail == rest.size())
        return tail <= letters;
    // A Zener voltage: a tolerance letter, digits, V as the point, digits.
    const std::size_t letter = std::min<std::size_t>(tail, 1);
    const std::string_view voltage = rest.substr(letter);
    const std::size_t whole = runOf(voltage, isDigit);
    return tail <= 1 && whole >= 1 && whole <= 3 && voltage.substr(whole).starts_with('V') &&
           runOf(voltage.substr(whole + 1), isDigit) == voltage.size() - whole - 1;
}

// JEDEC EIA-370: a digit for the number of junctions less one, N, a serial number: 1N4148,
// 2N2222A. Two digits after N only with a letter, for «1N34A»; «1N50» is a capacitor's code.
bool isJedec(std::string_view code) {
    if (code.size() < 4 || code[0] < '1' || code[0] > '3' || code[1] != 'N')
        return false;
    const std::string_view rest = code.substr(2);
    return designationNumber(rest, 3, 5, 3) ||
           (designationNumber(rest, 2, 2, 3) && isLetter(rest.back()));
}

// Pro Electron: the material (A germanium, B silicon, C and D others; the rare R is left out,
// for «RC0603» is a chip resistor), the kind of device, a third letter for industrial types,
// and a serial number: BC547B, BAT54, BZX55C5V1. The second letter is never I, J, O or V.
bool isProElectron(std::string_view code) {
    constexpr std::string_view kMaterials = "ABCD", kNotKinds = "IJOV";
    if (code.size() < 4 || kMaterials.find(code[0]) == std::string_view::npos ||
        !isLetter(code[1]) || kNotKinds.find(code[1]) != std::string_view::npos)
        return false;
    const std::string_view rest = code.substr(isLetter(code[2]) ? 3 : 2);
    return designationNumber(rest, 2, 4, 2);
}

// JIS C 7012: 2S, the kind (A and B PNP, C and D NPN transistors, J and K field-effect ones),
// and a serial number: 2SC1815, 2SK30A.
bool isJis(std::string_view code) {
    constexpr std::string_view kKinds = "ABCDJK";
    return code.size() >= 5 && code.starts_with("2S") &&
           kKinds.find(code[2]) != std::string_view::npos &&
           designationNumber(code.substr(3), 2, 4, 3);
}

// ---- The words of a line --------------------------------------------------------------------

// A word of the line and where it stands in the text.
struct Word {
    std::size_t begin;
    std::size_t end;
};

bool isSpace(std::string_view text, std::size_t at, std::size_t* length) {
    if (text[at] == ' ' || text[at] == '\t' || text[at] == ';' || text[at] == '_') {
        *length = 1;
        return true;
    }
    if (text.substr(at).starts_with("\u00A0")) {
        *length = 2;
        return true;
    }
    return false;
}

// A comma or a slash parts words unless a number goes on through it: "4,7", "1/4W". The words
// of "+80/-20%" and "+/-1%" are read together again as one fact.
bool partsWords(std::string_view text, std::size_t at) {
    if (text[at] != ',' && text[at] != '/')
        return false;
    const char before = at > 0 ? text[at - 1] : ' ';
    const char after = at + 1 < text.size() ? text[at + 1] : ' ';
    return !(isDigit(before) && isDigit(after));
}

std::vector<Word> wordsOf(std::string_view text) {
    std::vector<Word> words;
    std::size_t begin = 0;
    for (std::size_t at = 0; at <= text.size();) {
        std::size_t length = 1;
        if (at == text.size() || isSpace(text, at, &length) || partsWords(text, at)) {
            if (at > begin)
                words.push_back({begin, at});
            begin = at + length;
        }
        at += length;
    }
    return words;
}

// ---- Facts ----------------------------------------------------------------------------------

enum class Kind {
    Tolerance,
    ToleranceLetter,
    Voltage,
    Dielectric,
    Size,
    Power,
    Current,
    Temperature,
    Name
};

// What each kind is called where a line is refused for it.
constexpr std::string_view kKindNames[] = {
    "допуск", "допуск", "напряжение", "диэлектрик", "размер", "мощность", "ток", "температура", ""};

// The components a fact may belong to: resistor, capacitor, inductor.
using Components = std::array<bool, 3>;
constexpr Components kAny{true, true, true};
constexpr Components kResistor{true, false, false};
constexpr Components kCapacitor{false, true, false};
constexpr Components kInductor{false, false, true};
constexpr Components kNotInductor{true, true, false};

constexpr Components componentsOf(Kind kind) {
    switch (kind) {
    case Kind::Voltage: // a resistor's rated working voltage, a capacitor's rated voltage
        return kNotInductor;
    case Kind::Dielectric:
    case Kind::Temperature:
        return kCapacitor;
    case Kind::Power:
        return kResistor;
    case Kind::Current:
        return kInductor;
    case Kind::Tolerance:
    case Kind::ToleranceLetter:
    case Kind::Size:
    case Kind::Name:
        break;
    }
    return kAny;
}

// The words that may name the component, in capitals, and which they name.
struct KnownWord {
    std::string_view capitals;
    Components names;
};
constexpr KnownWord kKnownWords[] = {
    {"SMD", kAny},
    {"ЧИП", kAny},
    {"FILM", kAny},
    {"RESISTOR", kResistor},
    {"RES", kResistor},
    {"РЕЗИСТОР", kResistor},
    {"CAPACITOR", kCapacitor},
    {"CAP", kCapacitor},
    {"КОНДЕНСАТОР", kCapacitor},
    {"CERAMIC", kCapacitor},
    {"КЕРАМИЧЕСКИЙ", kCapacitor},
    {"MLCC", kCapacitor},
    {"TANTALUM", kCapacitor},
    {"ELECTROLYTIC", kCapacitor},
    {"INDUCTOR", kInductor},
    {"IND", kInductor},
    {"КАТУШКА", kInductor},
    {"ДРОССЕЛЬ", kInductor},
};

struct Fact {
    Kind kind;
    std::string_view text; // as written
    std::string tolerance; // a tolerance as the value reader takes it after a value: "±5 %"
    Decimal amount;        // volts, watts, amperes or °C
    std::optional<codes::Dielectric> dielectric;
    std::optional<value::ChipSize> size;
    bool metric = false;
    Components fits = kAny;
};

// Units as a line writes them after a rating's number; volts in the reader's own spellings
// too, without millivolts, which rate nothing.
constexpr RatingSpelling kExtraVolts[] = {{"VDC", 0}, {"VAC", 0}, {"Vdc", 0}, {"Vac", 0}};
constexpr RatingSpelling kWatts[] = {{"мВт", value::kMilli},
                                     {"mW", value::kMilli},
                                     {"Вт", 0},
                                     {"вт", 0},
                                     {"ВТ", 0},
                                     {"W", 0},
                                     {"w", 0}};
constexpr RatingSpelling kAmperes[] = {
    {"мА", value::kMilli}, {"mA", value::kMilli}, {"А", 0}, {"A", 0}};
constexpr RatingSpelling kCelsius[] = {{"°C", 0}, {"°С", 0}, {"℃", 0}, {"C", 0}, {"С", 0}};

// The temperatures a part is rated for, as capacitors state them.
constexpr int kColdestRating = 85;
constexpr int kHottestRating = 150;

// The number the text starts with and the rest: "1,5 А" is 1,5 and "А".
std::optional<Decimal> leadingNumber(std::string_view& text) {
    const std::size_t end = text.find_first_not_of("0123456789.,");
    const std::optional<Decimal> number = value::readNumber(text.substr(0, end));
    if (number)
        text = codes::trimmed(text.substr(std::min(end, text.size())));
    return number;
}

// "1/4": a fraction of small numbers whose decimal ends.
std::optional<Decimal> leadingFraction(std::string_view& text) {
    const std::size_t slash = text.find('/');
    if (slash == std::string_view::npos)
        return std::nullopt;
    std::string_view after = text.substr(slash + 1);
    const std::optional<Decimal> top = value::fromDigits(text.substr(0, slash));
    const std::optional<Decimal> bottom = leadingNumber(after);
    constexpr std::int64_t kLargest = 1000;
    if (!top || !bottom || bottom->exponent != 0 || bottom->significand == 0 ||
        bottom->significand > kLargest || top->significand > kLargest)
        return std::nullopt;
    // Only halves, quarters, fifths, eighths … end: 2^a 5^b.
    std::int64_t rest = bottom->significand;
    int exponent = 0;
    Decimal value{top->significand, 0};
    while (rest % 2 == 0 || rest % 5 == 0) {
        const int factor = rest % 2 == 0 ? 2 : 5;
        rest /= factor;
        value.significand *= 10 / factor;
        --exponent;
    }
    if (rest != 1)
        return std::nullopt;
    text = after;
    return Decimal{value.significand, exponent};
}

// A rating: a number above zero and one of the units, nothing after it.
std::optional<Decimal> rating(std::string_view text, std::span<const RatingSpelling> units,
                              bool fraction = false) {
    std::optional<Decimal> number = fraction ? leadingFraction(text) : std::nullopt;
    if (!number)
        number = leadingNumber(text);
    if (!number || number->significand <= 0)
        return std::nullopt;
    for (const RatingSpelling& unit : units)
        if (text == unit.typed)
            return Decimal{number->significand, number->exponent + unit.exponent};
    return std::nullopt;
}

std::optional<Decimal> voltage(std::string_view text) {
    const value::RatingSpelling* unit = value::endingSpelling(text, value::kVoltSpellings);
    if (unit && unit->exponent < 0)
        return std::nullopt;
    if (auto volts = rating(text, value::kVoltSpellings))
        return volts;
    return rating(text, kExtraVolts);
}

// "5%", "10 %", "±5%", "±0,25пФ", "+80/-20%": written as the value reader takes it after a
// value, to be read in the unit of the value it follows.
std::optional<std::string> tolerance(std::string_view text) {
    if (text.starts_with("±") || text.starts_with("+"))
        return readToleranceAfter(text, Quantity::Capacitance) ||
                       readToleranceAfter(text, Quantity::Resistance) ||
                       readToleranceAfter(text, Quantity::Inductance)
                   ? std::optional(std::string(text))
                   : std::nullopt;
    std::string_view rest = text;
    const std::optional<Decimal> number = leadingNumber(rest);
    if (!number || rest != "%")
        return std::nullopt;
    return std::string("±").append(text);
}

// "105°C", "105C": whole degrees a part is rated for.
std::optional<int> celsius(std::string_view text) {
    const std::optional<Decimal> degrees = rating(text, kCelsius);
    if (!degrees)
        return std::nullopt;
    Decimal whole = degrees->normalised();
    for (; whole.exponent > 0 && whole.significand <= kHottestRating; --whole.exponent)
        whole.significand *= 10;
    if (whole.exponent != 0 || whole.significand < kColdestRating ||
        whole.significand > kHottestRating)
        return std::nullopt;
    return static_cast<int>(whole.significand);
}

// The size as the value line writes it, "0603 (1608 мм)" or "1608 мм (0603)": the first code,
// and the other in brackets that must name the same size.
std::optional<value::ChipSize> namedTwice(std::string_view text, bool* metric) {
    const std::size_t open = text.find(" (");
    if (open == std::string_view::npos || !text.ends_with(')'))
        return std::nullopt;
    std::string_view first = text.substr(0, open);
    std::string_view second = text.substr(open + 2, text.size() - open - 3);
    constexpr std::string_view kMillimetres = " мм";
    *metric = first.ends_with(kMillimetres);
    std::string_view& inMillimetres = *metric ? first : second;
    if (!inMillimetres.ends_with(kMillimetres))
        return std::nullopt;
    inMillimetres.remove_suffix(kMillimetres.size());
    const auto inch = value::chipSizeOfInch(*metric ? second : first);
    return inch && inch == value::chipSizeOfMetric(inMillimetres) ? inch : std::nullopt;
}

// "0603", "1608M", "1608 metric", and as the value line writes it.
std::optional<value::ChipSize> chipSize(std::string_view text, bool* metric) {
    if (auto inch = value::chipSizeOfInch(text))
        return inch;
    if (auto named = namedTwice(text, metric))
        return named;
    *metric = false;
    for (const std::string_view ending : {"M", " metric", "metric", " Metric", "Metric"})
        if (text.ends_with(ending)) {
            *metric = true;
            return value::chipSizeOfMetric(text.substr(0, text.size() - ending.size()));
        }
    return std::nullopt;
}

std::optional<Fact> factOf(std::string_view text) {
    Fact fact{Kind::Name, text, {}, {}, {}, {}};
    if (auto written = tolerance(text)) {
        fact.kind = Kind::Tolerance;
        fact.tolerance = *std::move(written);
    } else if (text.size() == 1 && codes::toleranceOfLetter(text)) {
        fact.kind = Kind::ToleranceLetter;
        fact.tolerance =
            value::toleranceText(Quantity::Resistance, *codes::toleranceOfLetter(text));
    } else if (auto volts = voltage(text)) {
        fact.kind = Kind::Voltage;
        fact.amount = *volts;
    } else if (auto watts = rating(text, kWatts, true)) {
        fact.kind = Kind::Power;
        fact.amount = *watts;
    } else if (auto amperes = rating(text, kAmperes)) {
        fact.kind = Kind::Current;
        fact.amount = *amperes;
    } else if (auto degrees = celsius(text)) {
        fact.kind = Kind::Temperature;
        fact.amount = Decimal{*degrees, 0};
    } else if (auto size = chipSize(text, &fact.metric)) {
        fact.kind = Kind::Size;
        fact.size = size;
    } else if (auto dielectric = codes::readDielectric(text)) {
        fact.kind = Kind::Dielectric;
        fact.dielectric = dielectric;
    } else {
        const std::string capitals = codes::inCapitals(text);
        const auto* word = std::ranges::find(kKnownWords, capitals, &KnownWord::capitals);
        if (word == std::end(kKnownWords))
            return std::nullopt;
        fact.fits = word->names;
        return fact;
    }
    fact.fits = componentsOf(fact.kind);
    return fact;
}

// ---- The line -------------------------------------------------------------------------------

constexpr std::size_t kLongestSpan = 3; // "10 кОм", "± 5 %", "1608 metric"
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
    // («10 K» is 10 кОм): the span is then no value ("0603 0.1uF" is a size and a value).
    bool holdsFact(std::size_t first, std::size_t count) const {
        for (std::size_t at = first; count > 1 && at < first + count; ++at)
            if (fact(at, 1) && fact(at, 1)->kind != Kind::ToleranceLetter)
                return true;
        return false;
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
        case Kind::Name:
            break;
        }
        if (!fits) {
            *misfit = std::string(kKindNames[static_cast<std::size_t>(fact.kind)])
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
                    .append(kKindNames[static_cast<std::size_t>(fact.kind)])
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

std::optional<std::string> semiconductorDesignation(std::string_view text) {
    for (const Word& word : wordsOf(text)) {
        const std::string code = codes::inCapitals(text.substr(word.begin, word.end - word.begin));
        const char* system = isJedec(code)         ? "JEDEC"
                             : isProElectron(code) ? "Pro Electron"
                             : isJis(code)         ? "JIS"
                                                   : nullptr;
        if (system)
            return std::string("обозначение полупроводникового прибора (")
                .append(system)
                .append("), не пассивная деталь");
    }
    return std::nullopt;
}

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
            for (std::size_t count = 1; count <= kLongestSpan && first + count <= line.size();
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

std::vector<std::string_view> knownWords() {
    std::vector<std::string_view> words;
    for (const KnownWord& word : kKnownWords)
        words.push_back(word.capitals);
    return words;
}

} // namespace vantrel::marking
