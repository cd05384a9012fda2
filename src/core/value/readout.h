// The readout behind a result line: the value in plain units, its place in the standard
// series, and what the same bands say when read from the other end.
#pragma once

#include "core/value/chip_sizes.h"
#include "core/value/decimal.h"
#include "core/value/units.h"

#include <optional>
#include <string>
#include <string_view>

namespace vantrel::value {

// A tolerance as markings state it: in per cent either way (±5 %), in the quantity's smallest
// unit either way (±0,25 пФ), or in per cent, more above than below (+80/-20 %).
struct Tolerance {
    enum class Kind { Percent, Absolute, Asymmetric };
    Kind kind = Kind::Percent;
    Decimal above; // per cent, or the quantity's smallest unit for an absolute tolerance
    Decimal below; // the same as above unless asymmetric

    static constexpr Tolerance percent(Decimal both) { return {Kind::Percent, both, both}; }
    static constexpr Tolerance absolute(Decimal both) { return {Kind::Absolute, both, both}; }
    static constexpr Tolerance asymmetric(Decimal above, Decimal below) {
        return {Kind::Asymmetric, above, below};
    }
    bool operator==(const Tolerance&) const = default;
};

// What a marking says: a value and what else it carries.
struct Reading {
    explicit Reading(Quantity what = Quantity::Resistance, Decimal amount = {},
                     std::optional<Tolerance> within = {})
        : quantity(what)
        , value(amount)
        , tolerance(within) {}

    Quantity quantity = Quantity::Resistance;
    Decimal value; // in the quantity's smallest unit
    std::optional<Tolerance> tolerance;
    std::optional<Decimal> temperatureCoefficient;   // in ppm/°C
    std::optional<Decimal> voltage;                  // rated, in volts
    std::optional<Decimal> power;                    // rated, in watts
    std::optional<Decimal> current;                  // rated, in amperes
    std::optional<int> temperature;                  // the hottest it is rated for, °C
    std::optional<ChipSize> package;                 // a chip's size
    std::optional<std::string_view> moulded;         // a moulded case's size: tantalumCases()
    std::optional<CanSize> can;                      // an electrolytic's can
    bool packageInMetric = false;                    // the size was written in millimetres
    bool operator==(const Reading&) const = default; // the same value and marks, however written
};

// "4,7 кОм": the value in the unit that puts its number in [1, 1000), where one does.
std::string quantityText(Quantity quantity, Decimal value);

// "±5 %", "±0,25 пФ", "+80/-20 %": a tolerance as the value line writes it.
std::string toleranceText(Quantity quantity, const Tolerance& tolerance);

// "±15 ppm/°C".
std::string temperatureCoefficientText(Decimal ppm);

// "100 В", "1,6 кВ": a rated voltage, in kilovolts from 1000 В.
std::string voltageText(Decimal volts);

// "0603 (1608 мм)", or "1608 мм (0603)" for a size written in millimetres.
std::string packageText(const ChipSize& size, bool metric = false);

// "6,3×11 мм".
std::string canText(const CanSize& can);

// The readout's first line: the value, then " ±5 %", ", ТКС ±15 ppm/°C", ", 100 В",
// ", 5 Вт", ", 2 А", ", 105 °C", ", 0603 (1608 мм)", ", корпус 3528-21" and ", 6,3×11 мм"
// where given.
std::string valueLine(const Reading& reading);

// "Ряд E6": the first series that holds the value; or, for a value in none, its nearest
// standard values in the value's unit. Empty for zero.
std::string seriesLine(Quantity quantity, Decimal value);

// "= 4700 пФ = 4,7 нФ = 0,0047 мкФ": the value in each unit whose number is at least 0,001.
std::string inEveryUnit(Quantity quantity, Decimal value);

// The whole readout, its lines joined by "\n": the value, its series line where it has one,
// and, where given, the reading from the other end of the body.
std::string readout(const Reading& reading, const std::optional<Reading>& otherEnd = {});

// The readout of a printed capacitor code: the value, its series line, then the value in
// every unit.
std::string readoutInEveryUnit(const Reading& reading);

} // namespace vantrel::value
