// What is true of every reading of any text, whatever the reader computed: the readings come
// resistors first, then capacitors, then inductors; the unit of each value line is one of its
// component's; each value line reads back as a marking with that very reading; and each
// marking of the reading's value reads back to that value (band markings that leave the
// tolerance band to the part are left out: four colours of five bands read as four bands).
#pragma once

#include "core/marking/any_marking.h"
#include "core/marking/value_markings.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

namespace vantrel::fuzz {

inline void checkAnyMarking(std::string_view typed) {
    const std::vector<marking::MarkingReading> readings = marking::readAnyMarking(typed);
    for (std::size_t i = 0; i < readings.size(); ++i) {
        const value::Reading& reading = readings[i].reading;
        if (i > 0 && reading.quantity < readings[i - 1].reading.quantity)
            std::abort();
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
