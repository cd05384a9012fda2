// A form's two names: the one --json writes, and the one a line shows to the user.
#pragma once

#include <string_view>

namespace vantrel::marking {

struct FormNames {
    std::string_view json;  // "bands", "eia-96" ...
    std::string_view title; // "цветные полосы", "EIA-96" ...
};

} // namespace vantrel::marking
