// The codes printed on small inductors: "101", "4R7", "47N".
#pragma once

#include "core/value/readout.h"

#include <optional>
#include <string>
#include <string_view>

namespace vantrel::codes {

// Three digits whose last is the power of ten in microhenries, "101" 100 мкГн; or up to four
// digits around one R, the point in microhenries ("4R7", "R47"), or one N, the point in
// nanohenries ("47N", "4N7"). Nothing for zero or any other text.
std::optional<value::Reading> inductorCode(std::string_view typed);

// The codes that mark an inductance in nanohenries, as inductorCode reads them back: "101"
// from 10 мкГн up, "4R7" and "R47" below, with two digits at most; and "47N", "4N7" below
// 100 нГн.
struct InductorCodes {
    std::optional<std::string> digits;         // "101", or "4R7" and "R47"
    std::optional<std::string> nanohenryPoint; // "47N", "4N7"
};
InductorCodes inductorCodesFor(value::Decimal nanohenries);

} // namespace vantrel::codes
