#include "core/networks/typed_values.h"

#include "core/codes/typed_code.h"
#include "core/marking/any_marking.h"
#include "core/marking/echo.h"
#include "core/marking/value_text.h"

#include <array>
#include <cmath>
#include <optional>

namespace vantrel::networks {
namespace {

using value::Decimal;
using value::Quantity;

// A minus typed as the hyphen or as the sign; nothing when the text has none in front.
std::optional<std::string_view> afterMinus(std::string_view text) {
    for (const std::string_view minus : {"-", "−"})
        if (text.starts_with(minus))
            return text.substr(minus.size());
    return std::nullopt;
}

// The marking forms that write a value itself with its point, not a code for it: "4k7", "4R7",
// "4n7" (the digits alone are a number, read before).
bool writesValue(marking::Form form) {
    return form == marking::Form::Value || form == marking::Form::LetterCode ||
           form == marking::Form::Smd || form == marking::Form::Code;
}

std::optional<value::Reading> readAsTyped(std::string_view text);

// "2k2 ±1 %", "2200 ±1 %": a value in any form it is typed in, then its tolerance written out.
std::optional<value::Reading> withToleranceWritten(std::string_view text) {
    const std::size_t at = std::min(text.find("±"), text.find('+'));
    if (at == 0 || at == std::string_view::npos)
        return std::nullopt;
    std::optional<value::Reading> reading = readAsTyped(codes::trimmed(text.substr(0, at)));
    if (!reading || reading->tolerance)
        return std::nullopt;
    reading->tolerance = marking::readToleranceAfter(text.substr(at), reading->quantity);
    return reading->tolerance ? reading : std::nullopt;
}

std::optional<value::Reading> readAsTyped(std::string_view text) {
    if (const std::optional<Decimal> ohms = value::readNumber(text))
        return value::Reading(Quantity::Resistance, *ohms);
    if (std::optional<value::Reading> withUnit = marking::readValueWithUnit(text))
        return withUnit;
    for (const marking::MarkingReading& found : marking::readSingleMarking(text))
        if (found.valued && writesValue(found.form))
            return found.reading;
    return withToleranceWritten(text);
}

std::optional<double> readVolts(std::string_view text) {
    int exponent = 0;
    if (const auto* unit = value::endingSpelling(text, value::kVoltSpellings)) {
        text = codes::trimmed(text.substr(0, text.size() - unit->typed.size()));
        exponent = unit->exponent;
    }
    const std::optional<Decimal> number = value::readNumber(text);
    if (!number)
        return std::nullopt;
    return value::toDouble(*number) * std::pow(10.0, exponent);
}

// The typed text read as `read` reads it, or refused: nothing typed, more than a marking's
// length, a minus before what would be read, zero, or a text it does not read. `what` names the
// value in the message, with an example of one.
template <typename Value, typename Read, typename Amount>
std::variant<Value, Refusal> readPositive(std::string_view typed, std::string_view what,
                                          std::string_view example, Read read, Amount amount) {
    const std::string_view text = codes::trimmed(typed);
    if (text.empty())
        return Refusal{std::string("не задано: ").append(what)};
    if (text.size() > marking::kLongestMarking)
        return Refusal{std::string(what)
                           .append(": больше ")
                           .append(std::to_string(marking::kLongestMarking))
                           .append(" байт")};
    if (const std::optional<std::string_view> rest = afterMinus(text);
        rest && read(codes::trimmed(*rest)))
        return Refusal{marking::quoted(text).append(": меньше нуля, а нужно больше")};
    const std::optional<Value> value = read(text);
    if (!value)
        return Refusal{marking::quoted(text)
                           .append(" не ")
                           .append(what)
                           .append(": пишите, например, ")
                           .append(example)};
    if (!(amount(*value) > 0))
        return Refusal{marking::quoted(text).append(": ноль, а нужно больше")};
    return *value;
}

} // namespace

std::string_view measureOf(Quantity quantity) {
    switch (quantity) {
    case Quantity::Resistance:
        return "сопротивление";
    case Quantity::Capacitance:
        return "ёмкость";
    case Quantity::Inductance:
        return "индуктивность";
    }
    return {};
}

std::variant<value::Reading, Refusal> readPartValue(std::string_view typed) {
    return readPositive<value::Reading>(
        typed, "номинал", "4,7 кОм, 4k7, 100 нФ", readAsTyped,
        [](const value::Reading& r) { return value::toDouble(r.value); });
}

std::variant<double, Refusal> readVoltage(std::string_view typed) {
    return readPositive<double>(typed, "напряжение", "5, 1,2 В, 3.3V", readVolts,
                                [](double volts) { return volts; });
}

std::variant<double, Refusal> readRatio(std::string_view input, std::string_view output) {
    if (codes::trimmed(output).empty()) {
        const auto ratio = readPositive<double>(
            input, "коэффициент", "0,24",
            [](std::string_view text) -> std::optional<double> {
                const std::optional<Decimal> number = value::readNumber(text);
                return number ? std::optional(value::toDouble(*number)) : std::nullopt;
            },
            [](double typed) { return typed; });
        if (const double* read = std::get_if<double>(&ratio); read && *read >= 1)
            return Refusal{marking::quoted(codes::trimmed(input))
                               .append(": коэффициент делителя должен быть меньше 1")};
        return ratio;
    }
    const auto in = readVoltage(input);
    if (const auto* refused = std::get_if<Refusal>(&in))
        return *refused;
    const auto out = readVoltage(output);
    if (const auto* refused = std::get_if<Refusal>(&out))
        return *refused;
    const double ratio = std::get<double>(out) / std::get<double>(in);
    if (ratio >= 1)
        return Refusal{"выходное напряжение делителя должно быть меньше входного"};
    return ratio;
}

std::variant<double, Refusal> readAimedTotal(std::string_view typed) {
    if (codes::trimmed(typed).empty())
        return value::toDouble(kAimedTotal);
    const auto total = readPartValue(typed);
    if (const auto* refused = std::get_if<Refusal>(&total))
        return *refused;
    const value::Reading& reading = std::get<value::Reading>(total);
    if (reading.quantity != Quantity::Resistance)
        return Refusal{marking::quoted(codes::trimmed(typed))
                           .append(": сумма делителя — сопротивление, а это ")
                           .append(measureOf(reading.quantity))};
    return value::toDouble(reading.value);
}

} // namespace vantrel::networks
