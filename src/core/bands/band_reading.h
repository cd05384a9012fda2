// The value a colour window's bands give, read from either end of the body.
#pragma once

#include "core/bands/window_recipe.h"

#include <optional>
#include <span>
#include <vector>

namespace vantrel::bands {

// What the colours say, read from the band order given and, where that differs, from the
// other end of the body.
struct BandReadings {
    std::optional<value::Reading> forward; // nothing when a band's table rejects its colour
    // Beside a forward reading, only when it is a different standard value: people solder the
    // one for the other, and only the band spacing tells them apart. Without one, whenever the
    // bands read from that end: the colours were given from the other end.
    std::optional<value::Reading> otherEnd;
};
// The colours are positions in the extended colour list, one per band in band order; any other
// count gives no reading.
BandReadings readBands(const WindowRecipe& recipe, std::span<const int> colours);

// The bands that mark a reading in a window: its digit and multiplier bands and, where the
// reading's tolerance is one the window's tolerance band gives, that band too.
struct BandMarking {
    std::vector<int> colours; // positions in the extended colour list, in band order
    bool toleranceBand = false;
};
// Nothing where the window's digits and multipliers cannot give the value.
std::optional<BandMarking> bandsFor(const WindowRecipe& recipe, const value::Reading& reading);

// The readout of a press whose bands all hold a colour: the colours are positions in the
// extended colour list, one per band in band order.
std::string bandReadout(const WindowRecipe& recipe, std::span<const int> colours);

} // namespace vantrel::bands
