// What is true of every reading of any text, whatever the reader computed, and of its echo on the
// command line: the readings come resistors first, then capacitors, then inductors; a reading
// without a value has a text and no markings; the unit of each value line is one of its
// component's; each value line reads back as a marking with that very reading; each marking of the
// reading's value reads back to that value (band markings that leave the tolerance band to the part
// are left out: four colours of five bands read as four bands); and the echo and the JSON string of
// the text are printable UTF-8.
#pragma once

#include "core/cli/marking_answers.h"
#include "core/marking/any_marking.h"
#include "core/marking/echo.h"
#include "core/marking/value_markings.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

namespace vantrel::fuzz {

// Whether the text is UTF-8 with no C0 control, DEL or C1 control in it, by the encoding's
// own rules: a lead byte and as many continuation bytes as it says, the shortest form, no
// surrogate, nothing above U+10FFFF.
inline bool printableUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = [&](std::size_t at) { return static_cast<unsigned char>(text[at]); };
        const unsigned lead = byte(i);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        if (lead < 0x20 || lead == 0x7F || (lead >= 0x80 && lead < 0xC2) || lead > 0xF4 ||
            i + length > text.size())
            return false;
        unsigned code = length == 1 ? lead : lead & (0xFFu >> (length + 1));
        for (std::size_t k = 1; k < length; ++k) {
            if ((byte(i + k) & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (byte(i + k) & 0x3F);
        }
        const unsigned smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < smallest[length] || (code >= 0xD800 && code < 0xE000) || code > 0x10FFFF ||
            (code >= 0x80 && code < 0xA0))
            return false;
        i += length;
    }
    return true;
}

// What the command line echoes of any text is printable and at most 256 bytes and «…»; its
// JSON string is one quoted string of printable UTF-8.
inline void checkEcho(std::string_view typed) {
    const std::string shown = marking::echoed(typed);
    if (!printableUtf8(shown) || shown.size() > marking::kLongestMarking + 3)
        std::abort();
    const std::string json = cli::jsonString(typed);
    if (json.size() < 2 || json.front() != '"' || json.back() != '"' || !printableUtf8(json))
        std::abort();
}

inline void checkAnyMarking(std::string_view typed) {
    checkEcho(typed);
    const std::vector<marking::MarkingReading> readings = marking::readAnyMarking(typed);
    for (std::size_t i = 0; i < readings.size(); ++i) {
        const value::Reading& reading = readings[i].reading;
        if (i > 0 && reading.quantity < readings[i - 1].reading.quantity)
            std::abort();
        if (!readings[i].valued) { // a dielectric or a power rating alone: nothing to mark
            if (!marking::markingsOf(readings[i]).empty() ||
                marking::valueText(readings[i]).empty())
                std::abort();
            continue;
        }
        const std::string line = value::valueLine(reading);
        const std::string_view unit = std::string_view(line).substr(line.find(' ') + 1);
        const auto units = value::unitsOf(reading.quantity);
        if (std::ranges::find(units, unit.substr(0, unit.find_first_of(" ,"))) == units.end())
            std::abort();
        const std::vector<marking::MarkingReading> again = marking::readAnyMarking(line);
        if (std::ranges::none_of(again, [&](const marking::MarkingReading& back) {
                return back.reading == reading;
            }))
            std::abort();
        for (const marking::Marking& way : marking::markingsOf(reading)) {
            if (!way.colours.empty() && !way.toleranceBand)
                continue;
            if (std::ranges::none_of(marking::readAnyMarking(way.text),
                                     [&](const marking::MarkingReading& back) {
                                         return back.reading.quantity == reading.quantity &&
                                                back.reading.value == reading.value;
                                     }))
                std::abort();
        }
    }
}

} // namespace vantrel::fuzz
