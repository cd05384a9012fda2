#include "core/codes/printed_capacitor_code.h"

#include "core/codes/capacitor_code.h"
#include "core/codes/rows.h"
#include "core/codes/typed_code.h"

#include <algorithm>

namespace vantrel::codes {
namespace {

using value::Decimal;
using value::Tolerance;

constexpr auto kFarads = value::Quantity::Capacitance;

// Small п, н and мк are the Russian p, n and µ, as are the micro sign and the Greek μ; Ф is
// the farad; a no-break space is a space.
constexpr Lookalike kUnitLetters[] = {{"п", "p"}, {"н", "n"}, {"мк", "u"}, {"µ", "u"},
                                      {"μ", "u"}, {"Ф", "F"}, {"ф", "F"},  {"\u00A0", " "}};
// In its own case, look-alikes read. The marking is trimmed once, on entry, and its volts at the
// end are found before the look-alikes are read: there В is the volts, elsewhere the look-alike
// of the tolerance letter B; and the space or slash before the volts must stay to be seen.
constexpr Typing kCapacitorTyping{.lookalikes = true, .ownRows = kUnitLetters};

// The rated voltage codes of EIA part numbers, a digit and a capital, in volts: the digit is the
// power of ten and the letter a figure of the R10 series, A 1,0 to K 8,0, with V 3,5 and W 4,5
// beside it, as makers' part-number guides give them (Murata, Nichicon, Panasonic). Tables
// disagree on 0L: the EIA table distributors publish gives 5,5 V; others give 5 V. Both are
// read, each naming its table.
struct VoltageCode {
    std::string_view typed;
    Decimal volts;
    std::string_view table = {}; // empty where every table agrees
};
constexpr std::string_view k0LEia = "0L = 5,5 В по таблице EIA";
constexpr std::string_view k0LOthers = "0L = 5 В по другим таблицам";
// clang-format off
constexpr VoltageCode kVoltages[] = {
    {"0E", {25, -1}}, {"0G", {4}},    {"0J", {63, -1}}, {"1A", {10}},   {"1B", {125, -1}},
    {"1C", {16}},     {"1D", {20}},   {"1E", {25}},     {"1V", {35}},   {"1G", {40}},
    {"1H", {50}},     {"1J", {63}},   {"1K", {80}},     {"2A", {100}},  {"2B", {125}},
    {"2C", {160}},    {"2D", {200}},  {"2E", {250}},    {"2F", {315}},  {"2V", {350}},
    {"2G", {400}},    {"2W", {450}},  {"2H", {500}},    {"2J", {630}},  {"2K", {800}},
    {"3A", {1000}},   {"3B", {1250}}, {"3C", {1600}},   {"3D", {2000}}, {"3E", {2500}},
    {"0L", {55, -1}, k0LEia},         {"0L", {5}, k0LOthers}};
// clang-format on

// The IEC 60062 tolerance letters; the absolute ones in picofarads.
struct ToleranceLetter {
    std::string_view typed;
    Tolerance tolerance;
};
constexpr ToleranceLetter kTolerances[] = {
    {"A", Tolerance::absolute({5, -2})},      {"B", Tolerance::absolute({1, -1})},
    {"C", Tolerance::absolute({25, -2})},     {"D", Tolerance::absolute({5, -1})},
    {"F", Tolerance::percent({1})},           {"G", Tolerance::percent({2})},
    {"H", Tolerance::percent({3})},           {"J", Tolerance::percent({5})},
    {"K", Tolerance::percent({10})},          {"M", Tolerance::percent({20})},
    {"N", Tolerance::percent({30})},          {"P", Tolerance::asymmetric({100}, {0})},
    {"S", Tolerance::asymmetric({50}, {20})}, {"Z", Tolerance::asymmetric({80}, {20})}};

const ToleranceLetter* toleranceAtEnd(std::string_view code) {
    return code.empty() ? nullptr
                        : rowFor<ToleranceLetter>(kTolerances, code.substr(code.size() - 1));
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::optional<int> multiplierExponent(char digit) {
    const auto* row = std::ranges::find(kMultiplierDigits, digit, &MultiplierDigit::digit);
    if (row == std::end(kMultiplierDigits))
        return std::nullopt;
    return row->exponent;
}

// The value in picofarads: one or two digits as they are; three or four digits whose last is
// the multiplier; up to four digits around one p (or R), n or u standing for the point and the
// unit; a number with a point or comma followed by its unit in full, "4,7uF"; or, with no
// unit, a decimal fraction below 1 in microfarads, "0.1". fromDigits refuses an empty or
// non-digit part.
std::optional<Decimal> picofarads(std::string_view code, bool unitInFull) {
    // The letters in place of the point and their prefixes; µ, μ and мк are read as u.
    constexpr std::string_view kPoints = "pnuR";
    constexpr int kPrefixes[] = {value::kPico, value::kNano, value::kMicro, value::kPico};
    constexpr int kMicrofarads = value::inSmallestUnit(kFarads, value::kMicro);
    const std::size_t point = code.find_first_of(kPoints);
    const auto unitExponent = [&] {
        return value::inSmallestUnit(kFarads, kPrefixes[kPoints.find(code[point])]);
    };
    if (code.find_first_of(".,") != std::string_view::npos) {
        if (point == std::string_view::npos) {
            const std::optional<Decimal> fraction = value::readNumber(code);
            if (!fraction || fraction->leadingExponent() >= 0)
                return std::nullopt;
            return Decimal{fraction->significand, fraction->exponent + kMicrofarads};
        }
        const std::optional<Decimal> number = value::readNumber(code.substr(0, point));
        if (!unitInFull || point + 1 != code.size() || code[point] == 'R' || !number)
            return std::nullopt;
        return Decimal{number->significand, number->exponent + unitExponent()};
    }
    if (point != std::string_view::npos) {
        if (unitInFull && point + 1 != code.size())
            return std::nullopt;
        return value::aroundPoint(code, point, 1, unitExponent(), 4);
    }
    if (unitInFull)
        return std::nullopt;
    if (code.size() <= 2)
        return value::fromDigits(code);
    const std::optional<int> exponent = multiplierExponent(code.back());
    if (code.size() > 4 || !exponent)
        return std::nullopt;
    return value::fromDigits(code.substr(0, code.size() - 1), *exponent);
}

// The value and a tolerance letter at its end; F right after p, n or u is the farad, so
// "47nF" has no tolerance and "4n7F" is ±1 %. A value below 0,001 pF, "p0007" or zero, is no
// capacitor's: the readout has no unit to give it in.
std::optional<value::Reading> valueAndTolerance(std::string_view code) {
    // The unit letter that ends the code right after p, n or u, if it is one of these.
    const auto unitAtEnd = [](std::string_view rest, std::string_view units) {
        return rest.size() >= 2 && units.find(rest.back()) != std::string_view::npos &&
               std::string_view("pnu").find(rest[rest.size() - 2]) != std::string_view::npos;
    };
    if (unitAtEnd(code, "H"))
        return std::nullopt; // "10uH" is in henries
    value::Reading reading(value::Quantity::Capacitance);
    bool unitInFull = unitAtEnd(code, "Ff");
    if (const auto* tolerance = unitInFull ? nullptr : toleranceAtEnd(code)) {
        reading.tolerance = tolerance->tolerance;
        code.remove_suffix(1);
        unitInFull = unitAtEnd(code, "Ff");
    }
    if (unitInFull)
        code.remove_suffix(1);
    const std::optional<Decimal> value = picofarads(code, unitInFull);
    if (!value || value->significand == 0 || value->leadingExponent() < -3)
        return std::nullopt;
    reading.value = *value;
    return reading;
}

// A voltage code in front, where more follows it: each row of a known one gives the voltage;
// an unknown one, a digit 0 to 3 and a capital, is passed over when a code of at least three
// characters follows, so the rest still reads.
enum class VoltageCodes { Known, None, Unknown };
std::vector<CodeReading> withVoltageCode(std::string_view code, VoltageCodes codes) {
    const auto single = [](std::optional<value::Reading> reading) {
        return reading ? std::vector<CodeReading>{{*reading, {}}} : std::vector<CodeReading>{};
    };
    if (codes == VoltageCodes::None)
        return single(valueAndTolerance(code));
    if (code.size() <= 2)
        return {};
    const std::string_view typed = code.substr(0, 2);
    const bool known =
        std::ranges::find(kVoltages, typed, &VoltageCode::typed) != std::end(kVoltages);
    if (codes == VoltageCodes::Known) {
        std::vector<CodeReading> readings;
        const std::optional<value::Reading> rest = valueAndTolerance(code.substr(2));
        for (const VoltageCode& row : kVoltages)
            if (rest && row.typed == typed) {
                readings.push_back({*rest, row.table});
                readings.back().reading.voltage = row.volts;
            }
        return readings;
    }
    const bool looksLikeOne = code[0] >= '0' && code[0] <= '3' && code[1] >= 'A' && code[1] <= 'Z';
    if (known || !looksLikeOne || code.size() < 5 || code[1] == 'R')
        return {};
    return single(valueAndTolerance(code.substr(2)));
}

// The whole code, spaces left out: a known voltage code first, then none, then an unknown one.
std::vector<CodeReading> readCode(std::string code) {
    std::erase(code, ' ');
    for (const VoltageCodes codes :
         {VoltageCodes::Known, VoltageCodes::None, VoltageCodes::Unknown})
        if (auto readings = withVoltageCode(code, codes); !readings.empty())
            return readings;
    return {};
}

// Rated volts written after the value: "47uF 25V", "100µF/16V", "473J250V", and, after a
// tolerance letter, "104J100" without the V, where the number is a rated voltage the codes
// name.
struct RatedVolts {
    std::string code; // the rest, look-alikes read
    Decimal volts;
    bool separated; // by a space or a slash, so the number is no part of the value
};
std::optional<RatedVolts> ratedVoltsAfter(std::string_view text) {
    bool withV = false;
    for (const std::string_view v : {"V", "v", "В", "в"})
        if (text.ends_with(v)) {
            text = trimmed(text.substr(0, text.size() - v.size())); // "400 В"
            withV = true;
            break;
        }
    std::size_t start = text.size();
    while (start > 0 && (isDigit(text[start - 1]) ||
                         (withV && (text[start - 1] == '.' || text[start - 1] == ','))))
        --start;
    const std::optional<Decimal> volts = value::readNumber(text.substr(start));
    std::optional<std::string> code = cleaned(text.substr(0, start), kCapacitorTyping);
    if (!volts || volts->significand == 0 || !code)
        return std::nullopt;
    RatedVolts rated{std::move(*code), *volts, false};
    while (!rated.code.empty() && (rated.code.back() == ' ' || rated.code.back() == '/')) {
        rated.code.pop_back();
        rated.separated = true;
    }
    if (rated.code.empty())
        return std::nullopt;
    if (!withV) {
        const bool ratedVoltage = std::ranges::any_of(kVoltages, [&](const VoltageCode& row) {
            return row.volts == rated.volts && row.table.empty();
        });
        if (!toleranceAtEnd(rated.code) || !ratedVoltage)
            return std::nullopt;
    }
    return rated;
}

} // namespace

std::vector<CodeReading> capacitorMarkings(std::string_view typed) {
    const auto withVolts = [](const RatedVolts& rated) {
        std::vector<CodeReading> readings = readCode(rated.code);
        if (readings.size() != 1 || readings.front().reading.voltage) // one voltage to a marking
            return std::vector<CodeReading>{};
        readings.front().reading.voltage = rated.volts;
        return readings;
    };
    typed = trimmed(typed);
    const std::optional<RatedVolts> rated = ratedVoltsAfter(typed);
    if (rated && rated->separated)
        if (auto readings = withVolts(*rated); !readings.empty())
            return readings;
    if (const std::optional<std::string> code = cleaned(typed, kCapacitorTyping))
        if (auto readings = readCode(*code); !readings.empty())
            return readings;
    return rated && !rated->separated ? withVolts(*rated) : std::vector<CodeReading>{};
}

std::optional<value::Reading> capacitorMarking(std::string_view typed) {
    const std::vector<CodeReading> readings = capacitorMarkings(typed);
    if (readings.empty())
        return std::nullopt;
    value::Reading reading = readings.front().reading;
    if (readings.size() > 1)
        reading.voltage.reset(); // the tables disagree on the voltage code: no voltage is sure
    return reading;
}

PressResult readPrintedCapacitorCode(std::string_view typed) {
    const std::optional<value::Reading> reading = capacitorMarking(typed);
    if (!reading)
        return refused({kCheckCode});
    return {{}, "C=" + value::valueLine(*reading), value::readoutInEveryUnit(*reading)};
}

std::optional<std::string> capacitorCode(Decimal picofarads) {
    const std::optional<Decimal> figures = value::inFigures(picofarads, 2);
    const auto* row = figures ? std::ranges::find(kMultiplierDigits, figures->exponent,
                                                  &MultiplierDigit::exponent)
                              : std::end(kMultiplierDigits);
    if (row == std::end(kMultiplierDigits))
        return std::nullopt;
    return std::to_string(figures->significand) + row->digit;
}

std::vector<std::string> capacitorPointCodes(Decimal picofarads) {
    std::vector<std::string> codes;
    for (const int prefix : {value::kPico, value::kNano, value::kMicro})
        if (auto code = unitPointCode(picofarads, value::prefixOf(prefix)->latin,
                                      value::inSmallestUnit(kFarads, prefix), 3))
            codes.push_back(*std::move(code));
    return codes;
}

} // namespace vantrel::codes
