// What a check of a parts list finds on a line, by kind, in Russian.
#pragma once

#include <string>
#include <string_view>

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

// "value-vs-part-number", as --json names the kind.
std::string_view jsonName(FindingKind kind);

struct Finding {
    FindingKind kind;
    std::string text; // in Russian, naming the field: "номер детали RC0603FR-0710KL: 10 кОм, …"
    bool operator==(const Finding&) const = default;
};

} // namespace vantrel::lists
