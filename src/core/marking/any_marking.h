// One reader for any marking: every reading a text has, whatever kind of marking it is.
#pragma once

#include "core/value/readout.h"

#include <string_view>
#include <vector>

namespace vantrel::marking {

// How a text was read.
enum class Form {
    Bands,            // colour bands typed as words
    Smd,              // an SMD resistor code of digits, R as the point, or zeros
    Eia96,            // an EIA-96 code with the standard's multiplier letters
    Eia96OtherMakers, // EIA-96 with the letters other makers print, R, S and H
    LetterCode,       // the resistor letter code
    Code,             // a capacitor or inductor code as printed
    Value,            // a value with its unit
};

struct MarkingReading {
    Form form;
    value::Reading reading; // its quantity names the component
    bool reversed = false;  // colour bands read from the other end of the body
    bool operator==(const MarkingReading&) const = default;
};

// Texts longer than this, spaces at the ends left out, are no marking.
inline constexpr std::size_t kLongestMarking = 256;

// Every reading of the text: resistors first, then capacitors, then inductors; each in the
// order SMD code, EIA-96, EIA-96 with other makers' letters, letter code, bands, code, value
// with its unit. A reading the same as
// one before it is not listed again. Look-alike letters, case, spaces and the decimal comma
// are taken as the windows take them. Nothing for a text that is no marking.
std::vector<MarkingReading> readAnyMarking(std::string_view text);

// "Резистор", "Конденсатор", "Катушка индуктивности".
std::string_view componentName(value::Quantity quantity);
// "SMD-код", "цветные полосы" ...; a reversed reading says "с другого конца".
std::string formName(const MarkingReading& reading);
// "smd", "bands" ... as --json names the form.
std::string_view jsonName(Form form);

// "Резистор, SMD-код: 4,7 кОм; Ряд E6": the component, the form, the value line and, where it
// has one, the series line.
std::string readingLine(const MarkingReading& reading);

} // namespace vantrel::marking
