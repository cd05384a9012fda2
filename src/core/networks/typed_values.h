// The values a builder types to ask for a network or a divider, read or refused with a reason.
#pragma once

#include "core/value/readout.h"

#include <string>
#include <string_view>
#include <variant>

namespace vantrel::networks {

// What is wrong with a value or a list of values, as the command line and the window say it.
struct Refusal {
    std::string message;
    bool operator==(const Refusal&) const = default;
};

// "сопротивление", "ёмкость", "индуктивность".
std::string_view measureOf(value::Quantity quantity);

// A value as the builder types it: a number of ohms ("4700", "4,7"), a value with its unit
// ("4,32 кОм", "4.32k", "100 нФ", "10 мкГн"), a resistor's letter code ("4k32", "R47") or a
// capacitor's code with its unit letter ("4n7"). A tolerance typed after it is kept. Zero, a
// value below it and a text that is none of these are refused.
std::variant<value::Reading, Refusal> readPartValue(std::string_view typed);

// A voltage: a number, with or without "В" or "V" and the prefixes м, m, к, k: "5", "1,2 В",
// "3.3V", "500 мВ". In volts; zero and below are refused.
std::variant<double, Refusal> readVoltage(std::string_view typed);

// The ratio a divider is asked for, output over input: from the two voltages, or, with no
// output given, from a ratio typed alone ("0,24"). Refused unless it is between 0 and 1.
std::variant<double, Refusal> readRatio(std::string_view input, std::string_view output);

// The total a divider aims at, 10 кОм where none is typed: a resistance.
inline constexpr value::Decimal kAimedTotal{10'000, 0}; // in ohms
std::variant<double, Refusal> readAimedTotal(std::string_view typed);

} // namespace vantrel::networks
