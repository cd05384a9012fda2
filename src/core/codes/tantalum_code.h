// The code on a tantalum chip capacitor: the value in picofarads as two figures and a power of
// ten, with a letter for the rated voltage before or after it, "107C", "A475"; or the rated
// volts after a space, "475 16". The band on a tantalum body marks its + lead.
#pragma once

#include "core/value/readout.h"

#include <optional>
#include <string>
#include <string_view>

namespace vantrel::codes {

// The value and the rated voltage, in either case, Cyrillic look-alikes read as Latin
// letters; nothing for a text that is no such code.
std::optional<value::Reading> readTantalumCode(std::string_view typed);

// "107C": the code a maker prints for the reading's value and rated voltage; nothing where the
// voltage has no letter or two figures and a power of ten from 0 to 7 cannot give the value.
std::optional<std::string> tantalumCodeFor(const value::Reading& reading);

} // namespace vantrel::codes
