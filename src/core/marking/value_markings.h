// Value to markings: every way a component of a given value is marked, each one a text the
// any-marking reader reads back to that value.
#pragma once

#include "core/marking/any_marking.h"
#include "core/value/readout.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel::marking {

enum class MarkingForm {
    Bands4,     // two digit bands and a multiplier: the 4-band windows
    Bands5,     // three digit bands and a multiplier: the 5-band window
    Smd3,       // "472"
    Smd4,       // "4701"
    SmdR,       // "4R7", "4R70"
    Eia96,      // "66B"
    LetterCode, // "4K7"
    Code3,      // "103" for a capacitor; "101" or "4R7" for an inductor
    UnitPoint,  // "4n7", "10n", "µ1"; "47N" for an inductor
    SingleBand, // one black band: a jumper of zero ohms
    Power,      // "5W 10RJ": a power resistor's rating, value and tolerance
    Eia198,     // "A4": an SMD ceramic capacitor's letter and power of ten
    Tantalum,   // "107C": a tantalum capacitor's code and voltage letter
    PartNumber, // "GRM188R71H104KA01D": a maker's part number that orders such a part
};

struct Marking {
    MarkingForm form;
    std::string text;             // as printed; colour names apart by spaces for band markings
    std::vector<int> colours;     // band markings: positions in the extended colour list
    bool toleranceBand = false;   // band markings: the last colour is the tolerance band
    std::string_view maker = {};  // part numbers: "Murata"
    std::string_view family = {}; // part numbers: "GRM"
};

// Every marking of the reading's value, in the order of the forms, then the part numbers that
// order a part of the reading's value and facts (part_numbers.h). Band markings end with a
// tolerance band where the reading's tolerance is one that band gives; without one, the part
// carries its own. A chip of a given size only the codes such a chip carries, and none for
// 0402 and smaller. Nothing for a value no form can give.
std::vector<Marking> markingsOf(const value::Reading& reading);
// The markings of what was read: none for a reading that gives no value.
std::vector<Marking> markingsOf(const MarkingReading& found);

// The band a band marking leaves to the part, counted from 1: the tolerance band its colours
// stop short of. Nothing where every band is given, and for the other forms.
std::optional<int> ownBand(const Marking& marking);

// The marking as every face shows it: as printed, and for a band marking that leaves its
// tolerance band to the part, «Кор. Чёрн. Оранж. + полоса допуска детали».
std::string markingText(const Marking& marking);

// "bands-4" ... "tantalum".
std::string_view jsonName(MarkingForm form);
// "4 полосы" ... "Буква вместо запятой", "Так заказывают".
std::string_view formTitle(MarkingForm form);
// The form's title, and for a part number its maker and family: "Так заказывают, Murata GRM".
std::string markingTitle(const Marking& marking);

} // namespace vantrel::marking
