// The designations of semiconductors, which are no marking of a passive part: JEDEC, Pro
// Electron and JIS.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vantrel::marking {

// "обозначение полупроводникового прибора (JEDEC), не пассивная деталь" for 1N4148, 2N2222A,
// BC547B, BZX55C5V1 or 2SC1815 alone or among the words of a line; nothing for any other text.
std::optional<std::string> semiconductorDesignation(std::string_view text);

} // namespace vantrel::marking
