#include "core/codes/printed_capacitor_code.h"

#include "core/codes/rows.h"
#include "core/codes/typed_code.h"

namespace vantrel::codes {
namespace {

using value::Decimal;
using value::Tolerance;

// Small п, н and мк are the Russian p, n and µ, as are the micro sign and the Greek μ; a
// no-break space is a space.
constexpr Lookalike kUnitLetters[] = {{"п", "p"}, {"н", "n"}, {"мк", "u"},
                                      {"µ", "u"}, {"μ", "u"}, {"\u00A0", " "}};

// The rated voltage codes of EIA part numbers, a digit and a capital, in volts.
struct VoltageCode {
    std::string_view typed;
    Decimal volts;
};
constexpr VoltageCode kVoltages[] = {{"0G", {4}},   {"0J", {63, -1}}, {"1A", {10}},  {"1C", {16}},
                                     {"1E", {25}},  {"1V", {35}},     {"1H", {50}},  {"1J", {63}},
                                     {"2A", {100}}, {"2C", {160}},    {"2D", {200}}, {"2E", {250}},
                                     {"2V", {350}}, {"2G", {400}},    {"2W", {450}}, {"2J", {630}}};

// The IEC 60062 tolerance letters; the absolute ones in picofarads.
struct ToleranceLetter {
    std::string_view typed;
    Tolerance tolerance;
};
constexpr ToleranceLetter kTolerances[] = {
    {"B", Tolerance::absolute({1, -1})},     {"C", Tolerance::absolute({25, -2})},
    {"D", Tolerance::absolute({5, -1})},     {"F", Tolerance::percent({1})},
    {"G", Tolerance::percent({2})},          {"J", Tolerance::percent({5})},
    {"K", Tolerance::percent({10})},         {"M", Tolerance::percent({20})},
    {"Z", Tolerance::asymmetric({80}, {20})}};

// The power of ten a last digit multiplies by: 0 to 6 as written, 8 and 9 for 0,01 and 0,1.
std::optional<int> multiplierExponent(char digit) {
    if (digit >= '0' && digit <= '6')
        return digit - '0';
    if (digit == '8' || digit == '9')
        return digit - '0' - 10;
    return std::nullopt;
}

// The value in picofarads: one or two digits as they are; three or four digits whose last is
// the multiplier; or up to four digits around one p, n or u standing for the point and the
// unit. fromDigits refuses an empty or non-digit part.
std::optional<Decimal> picofarads(std::string_view code) {
    constexpr std::string_view kPoints = "pnu"; // 10^0, 10^3 and 10^6 pF
    const std::size_t point = code.find_first_of(kPoints);
    if (point != std::string_view::npos) {
        const std::string digits =
            std::string(code.substr(0, point)) + std::string(code.substr(point + 1));
        if (digits.size() > 4)
            return std::nullopt;
        const auto fraction = static_cast<int>(code.size() - point - 1);
        return value::fromDigits(digits,
                                 3 * static_cast<int>(kPoints.find(code[point])) - fraction);
    }
    if (code.size() <= 2)
        return value::fromDigits(code);
    const std::optional<int> exponent = multiplierExponent(code.back());
    if (code.size() > 4 || !exponent)
        return std::nullopt;
    return value::fromDigits(code.substr(0, code.size() - 1), *exponent);
}

// Left to right: a voltage code where more follows it, the value, a tolerance letter at the
// end. A value below 0,001 pF, "p0007" or zero, is no capacitor's: the readout has no unit
// to give it in.
std::optional<value::Reading> read(std::string_view code) {
    value::Reading reading(value::Quantity::Capacitance);
    if (const auto* voltage =
            code.size() > 2 ? rowFor<VoltageCode>(kVoltages, code.substr(0, 2)) : nullptr) {
        reading.voltage = voltage->volts;
        code.remove_prefix(2);
    }
    if (const auto* tolerance =
            code.empty() ? nullptr
                         : rowFor<ToleranceLetter>(kTolerances, code.substr(code.size() - 1))) {
        reading.tolerance = tolerance->tolerance;
        code.remove_suffix(1);
    }
    const std::optional<Decimal> value = picofarads(code);
    if (!value || value->significand == 0 || value->leadingExponent() < -3)
        return std::nullopt;
    reading.value = *value;
    return reading;
}

} // namespace

PressResult readPrintedCapacitorCode(std::string_view typed) {
    std::optional<std::string> code = readLookalikes(typed, kUnitLetters);
    if (code)
        std::erase(*code, ' ');
    const std::optional<value::Reading> reading = code ? read(*code) : std::nullopt;
    if (!reading)
        return refused({kCheckCode});
    return {{}, "C=" + value::valueLine(*reading), value::readoutInEveryUnit(*reading)};
}

} // namespace vantrel::codes
