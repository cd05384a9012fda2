// A parts list checked line by line: the findings that cost a wrong order or a wrong part on
// the board.
#pragma once

#include "core/marking/any_marking.h"
#include "core/parts_list/parts_list.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace vantrel::lists {

enum class FindingKind {
    ValueVsPartNumber, // the part number orders another value, or a worse one
    SizeVsFootprint,   // the part number's or the value's size is not the footprint's
    NotInSeries,       // no standard series holds the value
    UnitVsDesignator,  // the value is of another quantity than the designator's part
    Designators,       // a designator listed twice, a quantity that is not their count
    Unreadable,        // the value cannot be read, or reads two ways
    NotInStock,        // the builder's own values do not hold it
};

// The size a footprint's name holds: "R_0805_2012Metric", "C0603", "0603", a tantalum's
// "EIA-3528-21"; neither for a leaded part's.
struct FootprintSize {
    std::optional<value::ChipSize> chip;
    std::optional<std::string_view> moulded;
};
FootprintSize sizeOf(std::string_view footprint);

// "value-vs-part-number", as --json names the kind.
std::string_view jsonName(FindingKind kind);

struct Finding {
    FindingKind kind;
    std::string text; // in Russian, naming the field: "номер детали RC0603FR-0710KL: 10 кОм, …"
    bool operator==(const Finding&) const = default;
};

// The values and part numbers a builder has: their own list, one or more a line.
struct OwnStock {
    std::vector<value::Reading> values;
    std::vector<std::string> partNumbers; // in capitals, without spaces and hyphens
};
std::variant<OwnStock, Unreadable> readOwnStock(std::string_view text, const std::string& name);

struct CheckedLine {
    ListLine line;
    std::vector<marking::MarkingReading> readings; // of the value, as the line's part is
    std::vector<Finding> findings;                 // none for a part not fitted
};

struct CheckedList {
    std::string format;
    std::vector<CheckedLine> lines;
    std::size_t withFindings = 0; // lines
};

// The list read and each line checked; against the stock where one is given. A plain list of
// which no line names a designator or reads as a part is refused as no parts list.
std::variant<CheckedList, Unreadable> checkPartsList(std::string_view bytes,
                                                     const OwnStock* stock = nullptr);

} // namespace vantrel::lists
