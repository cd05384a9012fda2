#include "core/marking/value_text.h"

#include "core/codes/typed_code.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace vantrel::marking {
namespace {

using value::Decimal;
using value::Quantity;

constexpr auto kOhms = Quantity::Resistance;
constexpr auto kFarads = Quantity::Capacitance;
constexpr auto kHenries = Quantity::Inductance;

// A unit as typed, with the power of ten of the quantity's smallest unit it stands for.
struct Unit {
    std::string typed;
    Quantity quantity;
    int exponent;
    bool prefixAlone = false; // «k» of «4.7k», «u» of «0.1u»
};

// The names of the ohm a distributor writes after a prefix alone: «10K OHM», «4.7 k Ω».
constexpr std::string_view kOhmNames[] = {"Ω",    "Ohm",  "ohm", "OHM", "Ohms",
                                          "ohms", "OHMS", "Ом",  "ом"};

// Besides the SI and Russian spellings: u and the Greek μ typed for µ, K for k, SPICE's Meg
// for M, and the capitals distributors write before F and H: «0.1UF», «100PF», «10UH», «1MH»
// (no henry is mega, so M there is milli, as in «1MH»; «MF» is left unread, for old American
// lists wrote microfarads so).
struct PrefixSpelling {
    std::string_view typed;
    int prefix;
    std::optional<Quantity> only = std::nullopt; // the one quantity it is taken for
};
constexpr PrefixSpelling kTypedPrefixes[] = {{"u", value::kMicro},  {"μ", value::kMicro},
                                             {"K", value::kKilo},   {"Meg", value::kMega},
                                             {"MEG", value::kMega}, {"meg", value::kMega},
                                             {"P", value::kPico},   {"N", value::kNano},
                                             {"U", value::kMicro},  {"M", value::kMilli, kHenries}};

// Besides the symbol and the Russian name: Ohm, ohm, OHM, Om and their plurals for Ω, R after a
// number of ohms («4.7R»), and the Russian names in small letters.
struct UnitSpelling {
    Quantity quantity;
    std::string_view typed;
    enum After { Latin, Russian, None } after; // the prefixes it is taken after
};
constexpr UnitSpelling kTypedUnits[] = {
    {kOhms, "Ohm", UnitSpelling::Latin},    {kOhms, "ohm", UnitSpelling::Latin},
    {kOhms, "OHM", UnitSpelling::Latin},    {kOhms, "Ohms", UnitSpelling::Latin},
    {kOhms, "ohms", UnitSpelling::Latin},   {kOhms, "OHMS", UnitSpelling::Latin},
    {kOhms, "Om", UnitSpelling::Latin},     {kOhms, "R", UnitSpelling::None},
    {kOhms, "ом", UnitSpelling::Russian},   {kFarads, "ф", UnitSpelling::Russian},
    {kHenries, "гн", UnitSpelling::Russian}};

// Prefixes read beyond those the readout writes the unit with: «1mF» is 1000 мкФ, «10mΩ» a
// current-sense resistor's 0,01 Ом.
constexpr int kLargestTypedFarad = value::kMilli;
constexpr int kSmallestTypedOhm = value::kMilli;

// Prefixes that stand for a capacitor's unit alone, as schematics write it: «0.1u», «2.2n»,
// «0,1мк». Not m, which on a resistor's line is milliohms.
constexpr std::string_view kFaradPrefixesAlone[] = {"p", "n", "u", "µ", "μ", "п", "н", "мк"};

// Every unit the reader takes: each prefix the quantity's unit is written with, Latin before
// a Latin spelling and Russian before a Russian one. Ohms may go without a unit after k and M,
// "4.7k", and farads after their small prefixes, "0.1u"; a Latin henry needs its prefix, for H
// alone is a capacitor's tolerance letter («10H» is 10 пФ ±3 %).
const std::vector<Unit>& typedUnits() {
    static const std::vector<Unit> units = [] {
        std::vector<Unit> made;
        for (const Quantity quantity : {kOhms, kFarads, kHenries}) {
            const value::Unit unit = value::unitOf(quantity);
            const int largest = quantity == kFarads ? kLargestTypedFarad : unit.largest;
            const int smallest = quantity == kOhms ? kSmallestTypedOhm : unit.smallest;
            for (const value::Prefix& prefix : value::prefixes()) {
                if (prefix.exponent < smallest || prefix.exponent > largest)
                    continue;
                const int exponent = value::inSmallestUnit(quantity, prefix.exponent);
                std::vector<std::string_view> latin{prefix.latin};
                for (const PrefixSpelling& typed : kTypedPrefixes)
                    if (typed.prefix == prefix.exponent &&
                        typed.only.value_or(quantity) == quantity)
                        latin.push_back(typed.typed);
                std::vector<std::pair<std::string_view, std::string_view>> spellings;
                for (const std::string_view before : latin)
                    if (!before.empty() || quantity != kHenries)
                        spellings.emplace_back(before, unit.symbol);
                spellings.emplace_back(prefix.russian, unit.russian);
                for (const UnitSpelling& typed : kTypedUnits) {
                    if (typed.quantity != quantity)
                        continue;
                    if (typed.after == UnitSpelling::Russian)
                        spellings.emplace_back(prefix.russian, typed.typed);
                    else if (typed.after == UnitSpelling::Latin)
                        for (const std::string_view before : latin)
                            spellings.emplace_back(before, typed.typed);
                    else if (prefix.exponent == 0)
                        spellings.emplace_back("", typed.typed);
                }
                if (quantity == kOhms &&
                    (prefix.exponent == value::kKilo || prefix.exponent == value::kMega)) {
                    for (const std::string_view before : latin)
                        spellings.emplace_back(before, "");
                    spellings.emplace_back(prefix.russian, "");
                }
                for (const auto& [before, name] : spellings)
                    made.push_back(
                        {std::string(before).append(name), quantity, exponent, name.empty()});
            }
        }
        for (const std::string_view alone : kFaradPrefixesAlone)
            for (const Unit& farad : std::vector<Unit>(made))
                if (farad.quantity == kFarads && farad.typed.size() > alone.size() &&
                    farad.typed.starts_with(alone) &&
                    (farad.typed.substr(alone.size()) == "F" ||
                     farad.typed.substr(alone.size()) == "Ф"))
                    made.push_back({std::string(alone), kFarads, farad.exponent, true});
        return made;
    }();
    return units;
}

// A text read from the front.
class Cursor {
public:
    explicit Cursor(std::string_view text)
        : rest_(text) {}

    bool atEnd() const { return rest_.empty(); }
    bool startsWithOneOf(std::initializer_list<std::string_view> starts) const {
        return std::ranges::any_of(starts,
                                   [this](std::string_view s) { return rest_.starts_with(s); });
    }
    void skipSpaces() { rest_ = codes::trimmed(rest_); }
    bool take(std::string_view text) {
        skipSpaces();
        if (!rest_.starts_with(text))
            return false;
        rest_.remove_prefix(text.size());
        return true;
    }
    std::optional<Decimal> number() {
        skipSpaces();
        const std::size_t end = rest_.find_first_not_of("0123456789.,");
        const std::string_view digits = rest_.substr(0, end);
        // A comma after the number's last digit starts what follows: "4,7 кОм ±5 %, 100 В".
        const std::size_t length = digits.ends_with(',') ? digits.size() - 1 : digits.size();
        const std::optional<Decimal> read = value::readNumber(digits.substr(0, length));
        if (read)
            rest_.remove_prefix(length);
        return read;
    }
    // The rating's unit the text goes on with.
    const value::RatingSpelling* rating(std::span<const value::RatingSpelling> spellings) {
        skipSpaces();
        for (const value::RatingSpelling& spelling : spellings)
            if (rest_.starts_with(spelling.typed)) {
                rest_.remove_prefix(spelling.typed.size());
                return &spelling;
            }
        return nullptr;
    }
    // One of the words, where the text goes on with it as a whole word.
    bool takeWord(std::span<const std::string_view> words) {
        const std::string_view before = rest_;
        skipSpaces();
        for (const std::string_view word : words)
            if (rest_.starts_with(word) &&
                (rest_.size() == word.size() ||
                 std::string_view(" \t,").find(rest_[word.size()]) != std::string_view::npos)) {
                rest_.remove_prefix(word.size());
                return true;
            }
        rest_ = before;
        return false;
    }
    // The longest unit the text goes on with.
    const Unit* unit() {
        skipSpaces();
        const Unit* found = nullptr;
        for (const Unit& unit : typedUnits())
            if (rest_.starts_with(unit.typed) &&
                (!found || unit.typed.size() > found->typed.size()))
                found = &unit;
        if (found)
            rest_.remove_prefix(found->typed.size());
        return found;
    }

private:
    std::string_view rest_;
};

std::optional<Decimal> inUnit(std::optional<Decimal> number, const Unit* unit) {
    if (!number || !unit)
        return std::nullopt;
    return Decimal{number->significand, number->exponent + unit->exponent};
}

// " ±5 %", " ±0,25 пФ", " +80/-20 %" after the value.
bool readTolerance(Cursor& text, value::Reading& reading) {
    const bool symmetric = text.take("±") || text.take("+/-"); // before "+" takes its plus
    if (!symmetric && text.take("+")) {
        const auto above = text.number();
        const auto below = text.take("/-") || text.take("/ -") ? text.number() : std::nullopt;
        if (!above || !below || !text.take("%"))
            return false;
        reading.tolerance = value::Tolerance::asymmetric(*above, *below);
        return true;
    }
    if (!symmetric)
        return true;
    const auto number = text.number();
    if (number && text.take("%")) {
        reading.tolerance = value::Tolerance::percent(*number);
        return true;
    }
    const Unit* unit = text.unit();
    const auto absolute = inUnit(number, unit);
    if (!absolute || unit->quantity != reading.quantity)
        return false;
    reading.tolerance = value::Tolerance::absolute(*absolute);
    return true;
}

} // namespace

std::optional<value::Tolerance> readToleranceAfter(std::string_view typed, Quantity quantity) {
    Cursor text(typed);
    if (!text.startsWithOneOf({"±", "+"}))
        return std::nullopt;
    value::Reading reading(quantity, {});
    if (!readTolerance(text, reading))
        return std::nullopt;
    text.skipSpaces();
    return text.atEnd() ? reading.tolerance : std::nullopt;
}

std::optional<value::Reading> readValueWithUnit(std::string_view typed) {
    Cursor text(typed);
    const std::optional<Decimal> number = text.number();
    const Unit* unit = text.unit();
    const std::optional<Decimal> amount = inUnit(number, unit);
    if (!amount)
        return std::nullopt;
    if (unit->quantity == kOhms && unit->prefixAlone)
        text.takeWord(kOhmNames);
    // What follows a unit is set off from it: "473K250V" is a code, not 473 кОм.
    if (!text.atEnd() && !text.startsWithOneOf({" ", "\t", "\u00A0", ",", "+", "±"}))
        return std::nullopt;
    value::Reading reading(unit->quantity, *amount);
    const bool zero = amount->significand == 0;
    if ((zero && reading.quantity != kOhms) ||
        (reading.quantity == kFarads && !zero && amount->leadingExponent() < -3) ||
        !readTolerance(text, reading))
        return std::nullopt;
    bool comma = text.take(",");
    if (comma && text.take("ТКС")) {
        const auto ppm = text.take("±") ? text.number() : std::nullopt;
        if (!ppm || !text.take("ppm/°C"))
            return std::nullopt;
        reading.temperatureCoefficient = ppm;
        comma = text.take(",");
    }
    if (const auto volts = comma ? text.number() : std::nullopt) {
        const value::RatingSpelling* volt = text.rating(value::kVoltSpellings);
        if (!volt || volt->exponent < 0)
            return std::nullopt;
        reading.voltage = Decimal{volts->significand, volts->exponent + volt->exponent};
    }
    text.skipSpaces();
    if (!text.atEnd())
        return std::nullopt;
    return reading;
}

} // namespace vantrel::marking
