// A parts list as a schematic tool, an assembly house or a spreadsheet writes it, read into
// its lines: designators, quantity, value, part number and footprint, each as written.
#pragma once

#include "core/parts_list/designators.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace vantrel::lists {

struct ListLine {
    std::size_t line = 0;       // in the file, from 1
    std::string designators;    // as written: "R1-R4, R7"
    Designators expanded;       // each designator
    std::string quantity;       // as written; empty where the list has no quantity
    std::string value;          // the value, or the description it sits in
    std::string partNumber;     // the maker's or, where there is none, a distributor's
    std::string footprint;      // "R_0805_2012Metric", "0603"
    bool doNotPopulate = false; // listed, not fitted: a DNP column or «DNP» as the value
};

struct PartsList {
    std::string format; // what the file was read as: "таблица KiCad (kicad-cli)" ...
    bool windows1251 = false;
    std::vector<ListLine> lines;
};

// Why a file is no parts list that can be read: "в файле двоичные данные".
struct Unreadable {
    std::string reason;
};

// The longest file read: a parts list of 100 000 lines is a few megabytes.
inline constexpr std::size_t kLongestList = std::size_t{32} << 20; // 32 МиБ

// The lines of a parts list, its format found from the file itself: a CSV or TSV with a header
// row naming a value column (after any preamble lines), KiCad's and assembly houses' among
// them; else a plain list, one part a line, designators first where it has them. A table whose
// header names no value column is refused with the columns it saw.
std::variant<PartsList, Unreadable> readPartsList(std::string_view bytes);

} // namespace vantrel::lists
