// The two-character code of SMD ceramic capacitors: a letter for two figures and a digit for the
// power of ten of the picofarads, "A4", "S3", with a maker's letter in front on some, "KA2".
// Small letters stand for other figures than capitals: the code is read in its own case.
#pragma once

#include "core/value/decimal.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel::codes {

// One reading, and where public tables disagree on the code, the ones it follows.
struct Eia198Reading {
    value::Decimal picofarads;
    std::string tables; // "по таблице NIC Components", empty where every table agrees
    bool operator==(const Eia198Reading&) const = default;
};

// Every reading of the typed code, trimmed, Cyrillic look-alikes read as Latin letters of the
// same case: one where the tables agree, one for each table where they do not. Nothing for a
// text that is no such code.
std::vector<Eia198Reading> readEia198Code(std::string_view typed);

// "A4": the code of the value where every table reads it the same and the power of ten is 0
// to 7; nothing otherwise.
std::optional<std::string> eia198CodeFor(value::Decimal picofarads);

} // namespace vantrel::codes
