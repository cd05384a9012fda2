// The codes printed on SMD chip resistors: "472", "1002", "4R7" and the EIA-96 "01C".
#pragma once

#include "core/codes/press_result.h"

#include <optional>
#include <string>
#include <string_view>

namespace vantrel::codes {

// The whole typed code, in either case, with the Cyrillic А, В, С, Е, Х taken as the Latin
// letters they look like: "R=" and the value, or the check message and no line.
PressResult readSmdCode(std::string_view typed);

// Each way a code typed as the SMD window takes it reads: the window's line comes from the
// digits or, where they give nothing, the EIA-96 code; the any-marking reader lists all three.
struct SmdReadings {
    std::optional<value::Reading> digits; // "472", "1002", R as the point "4R7", all zeros "000"
    std::optional<value::Reading> eia96;  // "01C": the E96 value and the standard's letter
    // "68R": EIA-96 with the letters other makers print, R ×0,01, S ×0,1 and H ×10
    std::optional<value::Reading> eia96OtherMakers;
};
SmdReadings smdReadings(std::string_view typed);

// The codes of a given length that mark a resistance as the SMD window reads it back: digits
// whose last is the power of ten, "472", "4701", all zeros for a jumper; or R as the point,
// never last, "4R7", "4R70", "R47". Nothing where the form cannot give the value.
std::optional<std::string> smdDigitCode(value::Decimal ohms, int length);
std::optional<std::string> smdPointCode(value::Decimal ohms, int length);

// "66B" for 4,75 кОм: the value's E96 position and the standard's multiplier letter.
std::optional<std::string> eia96Code(value::Decimal ohms);

} // namespace vantrel::codes
