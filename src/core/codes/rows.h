// The code tables' one lookup: the first row whose text is the whole typed text.
#pragma once

#include <algorithm>
#include <span>
#include <string_view>

namespace vantrel::codes {

// Rows name their text `typed`; the comparison is exact, case and script included.
template <typename Row> const Row* rowFor(std::span<const Row> rows, std::string_view typed) {
    const auto found = std::find_if(rows.begin(), rows.end(),
                                    [typed](const Row& row) { return row.typed == typed; });
    return found == rows.end() ? nullptr : &*found;
}

} // namespace vantrel::codes
