// Capacitor codes as they are printed, letters and all: "2A104J", "475K", "4n7", "p47".
#pragma once

#include "core/codes/press_result.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel::codes {

// The whole typed code, spaces left out, with the Cyrillic letters a Russian layout types in
// their place taken as the Latin ones: "C=" and the value with the tolerance and voltage the
// code carries, or the check message and no line. The readout adds the series and the value
// in every unit.
PressResult readPrintedCapacitorCode(std::string_view typed);

// The value behind that line, where the code has one. Besides the codes of EIA part numbers it
// reads rated volts written after the value ("47uF 25V", "100µF/16V", "104J100"), the farad
// after p, n or µ ("47nF"), a value with a decimal point and its unit ("4,7 мкФ"), R as the
// point in picofarads ("1R5"), and a decimal fraction with no unit in microfarads ("0.1").
// Where tables disagree on its voltage code, "0L104", the value without a voltage.
std::optional<value::Reading> capacitorMarking(std::string_view typed);

// The same marking's every reading: one, or one for each table where tables disagree on the
// voltage code, naming it.
struct CodeReading {
    value::Reading reading;
    std::string_view table; // "0L = 5,5 В по таблице EIA", empty where every table agrees
};
std::vector<CodeReading> capacitorMarkings(std::string_view typed);

// "103": the value in picofarads as two figures and the multiplier digit, as capacitorMarking
// reads it back; nothing where two figures cannot give it.
std::optional<std::string> capacitorCode(value::Decimal picofarads);

// "4n7", "n47", "10n", "µ1": the value with p, n or µ as its point, in each unit where that
// takes at most three digits.
std::vector<std::string> capacitorPointCodes(value::Decimal picofarads);

} // namespace vantrel::codes
