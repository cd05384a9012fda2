// A parts list checked line by line: the findings that cost a wrong order or a wrong part on
// the board.
#pragma once

#include "core/marking/any_marking.h"
#include "core/parts_list/findings.h"
#include "core/parts_list/parts_list.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace vantrel::lists {

// The size a footprint's name holds: "R_0805_2012Metric", "C0603", "0603", a tantalum's
// "EIA-3528-21", an electrolytic's can, "CP_Elec_6.3x7.7" or its diameter alone,
// "CP_Radial_D8.0mm" (a length of zero); none for a leaded part's.
struct FootprintSize {
    std::optional<value::ChipSize> chip;
    std::optional<std::string_view> moulded;
    std::optional<value::CanSize> can;
};
FootprintSize sizeOf(std::string_view footprint);

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

// What a list checked a line at a time came to.
struct CheckSummary {
    std::string format;
    std::size_t lines = 0;
    std::size_t withFindings = 0;
    std::size_t findings = 0;
    std::size_t notFitted = 0;
};

// The list read and each line checked, against the stock where one is given, and handed to
// `each` in the file's order: memory grows with the ranges of designators the list holds, not
// with its length. A designator listed on several lines is one finding on each later line. A
// plain list of which no line names a designator or reads as a part is refused as no parts
// list, before any line is handed on.
std::variant<CheckSummary, Unreadable>
checkPartsList(std::string_view bytes, const OwnStock* stock,
               const std::function<void(CheckedLine&&)>& each);

// The whole list at once.
std::variant<CheckedList, Unreadable> checkPartsList(std::string_view bytes,
                                                     const OwnStock* stock = nullptr);

} // namespace vantrel::lists
