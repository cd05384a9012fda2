// One reader for any marking: every reading a text has, whatever kind of marking it is.
#pragma once

#include "core/codes/dielectric.h"
#include "core/value/readout.h"

#include <optional>
#include <string>
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
    ZeroOhmBand,      // one black band: a jumper of zero ohms
    PowerResistor,    // a power resistor's rating, with its value where it has one
    Tantalum,         // a tantalum capacitor's code and voltage letter
    Eia198,           // the two-character code of SMD ceramic capacitors
    Dielectric,       // a ceramic capacitor's dielectric code
    PartNumber,       // a maker's part number: the code a part is ordered by
};

struct MarkingReading {
    Form form;
    value::Reading reading; // its quantity names the component
    bool reversed = false;  // colour bands read from the other end of the body
    std::string table = {}; // where public tables disagree: the one the reading follows
    bool valued = true;     // false for a dielectric, or a power rating alone: no value
    std::optional<codes::Dielectric> dielectric = {};
    std::string_view maker = {}; // a part number's maker and family: "Murata", "GRM"
    std::string_view family = {};
    bool operator==(const MarkingReading&) const = default;
};

// Texts longer than this, spaces at the ends left out, are no marking.
inline constexpr std::size_t kLongestMarking = 256;

// Every reading of the text as one marking: resistors first, then capacitors, then inductors;
// each in the order SMD code, EIA-96, EIA-96 with other makers' letters, letter code, bands,
// one black band, power rating, value with its unit; then code, tantalum code, EIA-198,
// dielectric, value with its unit; then bands, code, value with its unit. A reading the same as
// one before it is not listed again. Look-alike letters, case, spaces and the decimal comma
// are taken as the windows take them. Nothing for a text that is no marking.
std::vector<MarkingReading> readSingleMarking(std::string_view text);

// What a text says, and why it says nothing where that is known.
struct MarkingAnswer {
    std::vector<MarkingReading> readings;
    std::string reason;
};

// The readings of the text as one marking; for a text that is none, those of a maker's part
// number (part_numbers.h), else those of a whole line with its facts (part_line.h). A
// semiconductor's designation has none, and names what it is; so has a part number with a code
// its family does not have, when the text is one word.
MarkingAnswer readMarking(std::string_view text);

// readMarking's readings.
std::vector<MarkingReading> readAnyMarking(std::string_view text);

// "Резистор", "Конденсатор", "Катушка индуктивности".
std::string_view componentName(value::Quantity quantity);
// "SMD-код", "цветные полосы" ...; a reversed reading says "с другого конца", a part number
// names its maker and family: "номер детали Murata GRM".
std::string formName(const MarkingReading& reading);
// "smd", "bands" ... as --json names the form.
std::string_view jsonName(Form form);

// "SMD-код EIA-198, по таблице NIC Components": the form's name and the table it follows.
std::string formWithTable(const MarkingReading& reading);

// What the reading says after its component and form: the value line; for a dielectric its
// range and change; for a power rating alone the watts.
std::string valueText(const MarkingReading& reading);

// "Резистор, SMD-код: 4,7 кОм; Ряд E6": the component, the form and its table, the value text,
// where it has one the series line, and for a tantalum code the lead its band marks.
std::string readingLine(const MarkingReading& reading);

// "полоса у вывода +, …": what a form says besides the value; empty for most.
std::string_view formNote(Form form);

} // namespace vantrel::marking
