#include "core/marking/line_facts.h"

#include "core/codes/letter_code.h"
#include "core/codes/typed_code.h"
#include "core/marking/value_text.h"
#include "core/value/chip_sizes.h"
#include "core/value/units.h"

#include <algorithm>
#include <span>

namespace vantrel::marking {
namespace {

using value::Decimal;
using value::Quantity;
using value::RatingSpelling;

constexpr std::string_view kKindNames[] = {"допуск", "допуск",   "напряжение", "диэлектрик",
                                           "размер", "мощность", "ток",        "температура",
                                           "ТКС",    "корпус",   "габариты",   ""};

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
    case Kind::Case:
    case Kind::Can:
        return kCapacitor;
    case Kind::Power:
    case Kind::TemperatureCoefficient:
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

// The words of descriptions, as distributors and parts lists write them, in capitals, and the
// components each may belong to: «CAP CER 0.1UF 50V X7R 0603», «RES SMD 10K OHM 1% 1/10W
// 0603», «FIXED IND 10UH 2A SHIELDED SMD». A word of two is read as one.
struct KnownWord {
    std::string_view capitals;
    Components names;
};
constexpr KnownWord kKnownWords[] = {
    // Any component.
    {"SMD", kAny},
    {"SMT", kAny},
    {"CHIP", kAny},
    {"ЧИП", kAny},
    {"FILM", kAny},
    {"FIXED", kAny},
    {"POWER", kAny},
    {"RADIAL", kAny},
    {"AXIAL", kAny},
    {"THT", kAny},
    // Resistors.
    {"RESISTOR", kResistor},
    {"RES", kResistor},
    {"РЕЗИСТОР", kResistor},
    {"THICK FILM", kResistor},
    {"THIN FILM", kResistor},
    {"METAL FILM", kResistor},
    {"CARBON FILM", kResistor},
    {"METAL OXIDE", kResistor},
    // Capacitors.
    {"CAPACITOR", kCapacitor},
    {"CAP", kCapacitor},
    {"КОНДЕНСАТОР", kCapacitor},
    {"CERAMIC", kCapacitor},
    {"CER", kCapacitor},
    {"КЕРАМИЧЕСКИЙ", kCapacitor},
    {"MLCC", kCapacitor},
    {"TANTALUM", kCapacitor},
    {"TANT", kCapacitor},
    {"ТАНТАЛОВЫЙ", kCapacitor},
    {"ELECTROLYTIC", kCapacitor},
    {"ELEC", kCapacitor},
    {"ЭЛЕКТРОЛИТИЧЕСКИЙ", kCapacitor},
    {"ALUM", kCapacitor},
    {"ALUMINUM", kCapacitor},
    {"ALUMINIUM", kCapacitor},
    {"POLYMER", kCapacitor},
    {"POLY", kCapacitor},
    // Inductors.
    {"INDUCTOR", kInductor},
    {"IND", kInductor},
    {"КАТУШКА", kInductor},
    {"ДРОССЕЛЬ", kInductor},
    {"SHIELDED", kInductor},
    {"UNSHIELDED", kInductor},
};

// Units as a line writes them after a rating's number, besides the reader's own volts and watts:
// volts of a kind of current, and milliwatts (millivolts rate nothing).
constexpr RatingSpelling kExtraVolts[] = {{"VDC", 0}, {"VAC", 0}, {"Vdc", 0}, {"Vac", 0}};
constexpr RatingSpelling kMilliwatts[] = {{"мВт", value::kMilli}, {"mW", value::kMilli}};
constexpr RatingSpelling kAmperes[] = {
    {"мА", value::kMilli}, {"mA", value::kMilli}, {"А", 0}, {"A", 0}};
constexpr RatingSpelling kPpm[] = {
    {"ppm/°C", 0}, {"ppm/°С", 0}, {"ppm/℃", 0}, {"ppm/K", 0}, {"ppm", 0}};
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

// "6V3": the volts' letter as the point, as electrolytics are labelled.
std::optional<Decimal> voltsAroundLetter(std::string_view text) {
    for (const std::string_view letter : {"V", "v", "В"}) {
        const std::size_t at = text.find(letter);
        if (at == 0 || at == std::string_view::npos || at + letter.size() == text.size())
            continue;
        std::string whole(text.substr(0, at));
        const std::string_view after = text.substr(at + letter.size());
        if (!value::fromDigits(whole) || !value::fromDigits(after))
            return std::nullopt;
        const std::optional<Decimal> volts = value::readNumber(whole.append(".").append(after));
        return volts && volts->significand > 0 ? volts : std::nullopt;
    }
    return std::nullopt;
}

std::optional<Decimal> voltage(std::string_view text) {
    if (auto volts = voltsAroundLetter(text))
        return volts;
    const value::RatingSpelling* unit = value::endingSpelling(text, value::kVoltSpellings);
    if (unit && unit->exponent < 0)
        return std::nullopt;
    if (auto volts = rating(text, value::kVoltSpellings))
        return volts;
    return rating(text, kExtraVolts);
}

// "1/4W", "0,25 Вт", "250mW".
std::optional<Decimal> power(std::string_view text) {
    if (auto watts = rating(text, value::kWattSpellings, true))
        return watts;
    return rating(text, kMilliwatts, true);
}

// "5%", "10 %", "±5%", "±0,25пФ", "+80/-20%": written as the value reader takes it after a
// value, to be read in the unit of the value it follows.
std::optional<std::string> tolerance(std::string_view text) {
    // "-20%,+80%" and "+80%,-20%": an asymmetric tolerance as distributors write it.
    for (const std::string_view between : {",", "/", ", "}) {
        const std::size_t apart = text.find(between);
        if (apart == std::string_view::npos)
            continue;
        std::string_view below = text.substr(0, apart);
        std::string_view above = text.substr(apart + between.size());
        if (below.starts_with('+'))
            std::swap(below, above);
        if (!below.starts_with('-') || !above.starts_with('+') || !below.ends_with('%') ||
            !above.ends_with('%'))
            continue;
        std::string written = std::string(above.substr(0, above.size() - 1)) + "/" +
                              std::string(below.substr(0, below.size() - 1)) + "%";
        if (readToleranceAfter(written, Quantity::Capacitance))
            return written;
    }
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
    // The metric code as the value line writes it, and as distributors do: «1005 Metric».
    const auto inMillimetres = [](std::string_view& code) {
        for (const std::string_view unit : {" мм", " mm", " Metric", " metric"})
            if (code.ends_with(unit)) {
                code.remove_suffix(unit.size());
                return true;
            }
        return false;
    };
    *metric = inMillimetres(first);
    if (!*metric && !inMillimetres(second))
        return std::nullopt;
    const auto inch = value::chipSizeOfInch(*metric ? second : first);
    return inch && inch == value::chipSizeOfMetric(*metric ? first : second) ? inch : std::nullopt;
}

// "ТКС ±100 ppm/°C", "±100 ppm/°C", "100ppm": a resistor's TCR either way.
std::optional<Decimal> temperatureCoefficient(std::string_view text) {
    for (const std::string_view name : {"ТКС ", "TCR "})
        if (text.starts_with(name))
            text.remove_prefix(name.size());
    if (text.starts_with("±"))
        text.remove_prefix(std::string_view("±").size());
    return rating(text, kPpm);
}

// "корпус 3528-21", "case 3528-21", "3528-21": a tantalum's case by its EIA size.
std::optional<std::string_view> moulded(std::string_view text) {
    for (const std::string_view word : {"корпус ", "case ", "Case "})
        if (text.starts_with(word))
            text.remove_prefix(word.size());
    return value::tantalumCaseOf(text);
}

// "8x", "4×": how many parts a network or an array holds.
bool elements(std::string_view text) {
    for (const std::string_view times : {"x", "X", "×", "х"})
        if (text.size() > times.size() && text.size() <= times.size() + 2 && text.ends_with(times))
            return value::fromDigits(text.substr(0, text.size() - times.size())).has_value();
    return false;
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

} // namespace

std::string_view kindName(Kind kind) {
    return kKindNames[static_cast<std::size_t>(kind)];
}

std::optional<Fact> factOf(std::string_view text) {
    Fact fact{Kind::Name, text, {}, {}, {}, {}, false, {}, {}, {}};
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
    } else if (auto watts = power(text)) {
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
    } else if (auto ppm = temperatureCoefficient(text)) {
        fact.kind = Kind::TemperatureCoefficient;
        fact.amount = *ppm;
    } else if (auto eia = moulded(text)) {
        fact.kind = Kind::Case;
        fact.moulded = eia;
    } else if (auto can = value::canSizeOf(text)) {
        fact.kind = Kind::Can;
        fact.can = can;
    } else if (auto dielectric = codes::readDielectric(text)) {
        fact.kind = Kind::Dielectric;
        fact.dielectric = dielectric;
    } else if (elements(text)) {
        fact.fits = kNotInductor; // «8x» before a network's value
        return fact;
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

std::vector<std::string_view> knownWords() {
    std::vector<std::string_view> words;
    for (const KnownWord& word : kKnownWords)
        words.push_back(word.capitals);
    return words;
}

} // namespace vantrel::marking
