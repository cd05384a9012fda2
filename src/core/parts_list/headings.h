// What the columns of a parts list hold, as each tool heads them, and the marks that say a part
// is not fitted: the list reader's words, as data.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vantrel::lists {

// What a column of a table holds, as its heading names it.
enum class Role {
    Designators,
    Quantity,
    Value,
    Description, // the value where the table has no value column, or the value cell is empty
    Footprint,
    PartNumber,  // a maker's part number; several columns may hold alternates
    Distributor, // a distributor's part number: the part number where the maker's is missing
    NotFitted,   // marked where the part is not fitted: DNP, Exclude from BOM, Do not place
    Fitted,      // marked where the part is fitted: Fitted, Populate, Mount
    Note,        // a note that may say the part is not fitted: «Примечание»
    Known,       // a column tools write that says nothing checked: Manufacturer, LibRef, Price
};

// The role of a column by its heading, in either case, with underscores for spaces and an
// alternate's number after it where the role has alternates («Manufacturer Part Number 2»,
// «MPN1»); nothing for a heading Vantrel does not know.
std::optional<Role> roleOf(std::string_view heading);

// The text in lower case, ASCII and Cyrillic, its ends trimmed.
std::string folded(std::string_view text);

// Whether a value or a note says the part is not fitted: «DNP», «10k DNP», «1k; DNF»,
// «не устанавливать». A mark is a whole word of the text.
bool saysNotFitted(std::string_view text);

// Whether a column of that role says, in this cell, the part is not fitted: «DNP», «x» or
// «Yes» under DNP; «No», «0» or «Not Fitted» under Fitted; a not-fitted mark in a note.
bool cellSaysNotFitted(Role role, std::string_view cell);

// The not-fitted marks, in lower case, as the README lists them.
std::span<const std::string_view> notFittedMarks();

} // namespace vantrel::lists
