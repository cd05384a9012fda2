// The codes printed on small inductors: "101", "4R7", "47N".
#pragma once

#include "core/value/readout.h"

#include <optional>
#include <string_view>

namespace vantrel::codes {

// Three digits whose last is the power of ten in microhenries, "101" 100 мкГн; or up to four
// digits around one R, the point in microhenries ("4R7", "R47"), or one N, the point in
// nanohenries ("47N", "4N7"). Nothing for zero or any other text.
std::optional<value::Reading> inductorCode(std::string_view typed);

} // namespace vantrel::codes
