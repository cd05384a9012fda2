// A form's two names, the one --json writes and the one a line shows to the user, and its note.
#pragma once

#include <string_view>

namespace vantrel::marking {

struct FormNames {
    std::string_view json;      // "bands", "eia-96" ...
    std::string_view title;     // "цветные полосы", "EIA-96" ...
    std::string_view note = {}; // what the form says besides the value, where it says more
};

} // namespace vantrel::marking
