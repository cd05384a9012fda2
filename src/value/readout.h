// The readout behind a result line: the value in plain units, its place in the standard
// series, and what the same bands say when read from the other end.
#pragma once

#include "value/decimal.h"

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

// The whole readout, its lines joined by "\n": the value; the first series that holds it, or
// its nearest standard values (none for zero); and, where given, the reading from the other
// end of the body.
std::string readout(const Reading& reading, const std::optional<Reading>& otherEnd = {});

} // namespace vantrel::value
