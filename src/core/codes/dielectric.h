// The dielectric code of a ceramic capacitor, "X7R", "C0G", "Y5V": what the capacitance does
// over a range of temperatures. It gives no value.
#pragma once

#include "core/value/readout.h"

#include <optional>
#include <string>
#include <string_view>

namespace vantrel::codes {

struct Dielectric {
    std::string code; // as the reader took it: "X7R", "C0G"
    int ceramicClass; // 1: a set temperature coefficient; 2: a high permittivity
    int coldest;      // the range it is rated over, °C
    int hottest;
    value::Tolerance change; // class 2: how far the capacitance may change over the range, %
    value::Decimal tempco;   // class 1: the temperature coefficient, ppm/°C
    value::Decimal tempcoTolerance;
    bool operator==(const Dielectric&) const = default;
};

// A class 1 or class 2 code in either case, Cyrillic look-alikes read as Latin letters; NP0
// (also typed NPO) and COG are C0G. Nothing for a text that is no such code.
std::optional<Dielectric> readDielectric(std::string_view typed);

// "X7R, класс 2: от -55 до +125 °C, изменение ёмкости ±15 %";
// "C0G, класс 1: от -55 до +125 °C, ТКЕ 0 ±30 ppm/°C".
std::string dielectricLine(const Dielectric& dielectric);

} // namespace vantrel::codes
