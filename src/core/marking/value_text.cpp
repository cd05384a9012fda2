#include "core/marking/value_text.h"

#include "core/codes/typed_code.h"

#include <algorithm>
#include <array>
#include <initializer_list>

namespace vantrel::marking {
namespace {

using value::Decimal;
using value::Quantity;

// The units written other than the readout writes them, with the power of ten of the
// quantity's smallest unit they stand for. The readout's own units are read from its list.
struct Unit {
    std::string_view typed;
    Quantity quantity;
    int exponent;
};
constexpr auto kOhms = Quantity::Resistance;
constexpr auto kFarads = Quantity::Capacitance; // in picofarads
constexpr auto kHenries = Quantity::Inductance; // in nanohenries
constexpr Unit kOtherUnits[] = {
    {"Ω", kOhms, 0},     {"kΩ", kOhms, 3},     {"KΩ", kOhms, 3},      {"MΩ", kOhms, 6},
    {"GΩ", kOhms, 9},    {"TΩ", kOhms, 12},    {"Ohm", kOhms, 0},     {"ohm", kOhms, 0},
    {"kOhm", kOhms, 3},  {"MOhm", kOhms, 6},   {"Om", kOhms, 0},      {"kOm", kOhms, 3},
    {"MOm", kOhms, 6},   {"ом", kOhms, 0},     {"ком", kOhms, 3},     {"k", kOhms, 3},
    {"K", kOhms, 3},     {"к", kOhms, 3},      {"M", kOhms, 6},       {"М", kOhms, 6},
    {"pF", kFarads, 0},  {"nF", kFarads, 3},   {"uF", kFarads, 6},    {"µF", kFarads, 6},
    {"μF", kFarads, 6},  {"пф", kFarads, 0},   {"нф", kFarads, 3},    {"мкф", kFarads, 6},
    {"nH", kHenries, 0}, {"uH", kHenries, 3},  {"µH", kHenries, 3},   {"μH", kHenries, 3},
    {"mH", kHenries, 6}, {"нгн", kHenries, 0}, {"мкгн", kHenries, 3}, {"мгн", kHenries, 6},
    {"гн", kHenries, 9}};

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
    // The longest unit the text goes on with.
    std::optional<Unit> unit() {
        skipSpaces();
        std::optional<Unit> found;
        const auto consider = [&](const Unit& candidate) {
            if (rest_.starts_with(candidate.typed) &&
                (!found || candidate.typed.size() > found->typed.size()))
                found = candidate;
        };
        for (const Unit& unit : kOtherUnits)
            consider(unit);
        for (const Quantity quantity : {kOhms, kFarads, kHenries}) {
            const auto names = value::unitsOf(quantity);
            for (std::size_t step = 0; step < names.size(); ++step)
                consider({names[step], quantity, 3 * static_cast<int>(step)});
        }
        if (found)
            rest_.remove_prefix(found->typed.size());
        return found;
    }

private:
    std::string_view rest_;
};

std::optional<Decimal> inUnit(std::optional<Decimal> number, const std::optional<Unit>& unit) {
    if (!number || !unit)
        return std::nullopt;
    return Decimal{number->significand, number->exponent + unit->exponent};
}

// " ±5 %", " ±0,25 пФ", " +80/-20 %" after the value.
bool readTolerance(Cursor& text, value::Reading& reading) {
    if (text.take("+")) {
        const auto above = text.number();
        const auto below = text.take("/-") || text.take("/ -") ? text.number() : std::nullopt;
        if (!above || !below || !text.take("%"))
            return false;
        reading.tolerance = value::Tolerance::asymmetric(*above, *below);
        return true;
    }
    if (!text.take("±") && !text.take("+/-"))
        return true;
    const auto number = text.number();
    if (number && text.take("%")) {
        reading.tolerance = value::Tolerance::percent(*number);
        return true;
    }
    const std::optional<Unit> unit = text.unit();
    const auto absolute = inUnit(number, unit);
    if (!absolute || unit->quantity != reading.quantity)
        return false;
    reading.tolerance = value::Tolerance::absolute(*absolute);
    return true;
}

} // namespace

std::optional<value::Reading> readValueWithUnit(std::string_view typed) {
    Cursor text(typed);
    const std::optional<Decimal> number = text.number();
    const std::optional<Unit> unit = text.unit();
    const std::optional<Decimal> amount = inUnit(number, unit);
    if (!amount)
        return std::nullopt;
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
        if (!text.take("В") && !text.take("V"))
            return std::nullopt;
        reading.voltage = volts;
    }
    text.skipSpaces();
    if (!text.atEnd())
        return std::nullopt;
    return reading;
}

} // namespace vantrel::marking
