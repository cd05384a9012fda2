// The readout behind a result line: the value in plain units, its place in the standard
// series, and what the same bands say when read from the other end.
#pragma once

#include "core/value/decimal.h"

#include <optional>
#include <string>

namespace vantrel::value {

// Each quantity counts in its smallest unit: ohms, picofarads, nanohenries.
enum class Quantity { Resistance, Capacitance, Inductance };

// What a marking says: a value and what else it carries.
struct Reading {
    Quantity quantity = Quantity::Resistance;
    Decimal value;                                 // in the quantity's smallest unit
    std::optional<Decimal> tolerance;              // in per cent
    std::optional<Decimal> temperatureCoefficient; // in ppm/°C
};

// "4,7 кОм": the value in the unit that puts its number in [1, 1000), where one does.
std::string quantityText(Quantity quantity, Decimal value);

// The readout's first line: the value, then " ±5 %" and ", ТКС ±15 ppm/°C" where given.
std::string valueLine(const Reading& reading);

// "Ряд E6": the first series that holds the value; or, for a value in none, its nearest
// standard values in the value's unit. Empty for zero.
std::string seriesLine(Quantity quantity, Decimal value);

// "= 4700 пФ = 4,7 нФ = 0,0047 мкФ": the value in each unit whose number is at least 0,001.
std::string inEveryUnit(Quantity quantity, Decimal value);

// The whole readout, its lines joined by "\n": the value, its series line where it has one,
// and, where given, the reading from the other end of the body.
std::string readout(const Reading& reading, const std::optional<Reading>& otherEnd = {});

} // namespace vantrel::value
