// The value a colour window's bands give, read from either end of the body.
#pragma once

#include "core/bands/band_set.h"

#include <span>

namespace vantrel::bands {

// The readout of a press whose bands all hold a colour: the colours are positions in the
// extended colour list, one per band in band order.
std::string bandReadout(const WindowRecipe& recipe, std::span<const int> colours);

} // namespace vantrel::bands
