// One colour window's bands: what a pick does to them and what a press of "Считать!!!" writes.
#pragma once

#include "core/bands/window_recipe.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace vantrel::bands {

struct PickOutcome {
    bool accepted = false;
    std::string_view message; // the check message of a rejected colour
};

struct PressOutcome {
    std::string line;         // empty when a band is missing
    std::string_view missing; // the missing-data message of the first band never given
    std::string readout;      // the value behind the line; empty with the line
};

// The band strings of one window. A band counts as given once it has accepted a colour,
// whatever fragment that colour stored: black as a multiplier stores nothing and is given.
class BandSet {
public:
    explicit BandSet(const WindowRecipe& recipe)
        : recipe_(&recipe) {}

    int bandCount() const { return static_cast<int>(recipe_->bands.size()); }
    // Bands are counted from 0 here, in pieces and in the missing-data messages.
    ColourList items(int band) const;
    // The colour last accepted in the band (its position in the list), or -1.
    int acceptedItem(int band) const;
    const std::string& fragment(int band) const;

    // The user picked the item at this position of the band's list. Out-of-range picks
    // change nothing.
    PickOutcome pick(int band, int item);
    PressOutcome press() const;

private:
    struct Band {
        std::string fragment;
        int acceptedItem = -1;
    };

    bool valid(int band) const { return band >= 0 && band < bandCount(); }

    const WindowRecipe* recipe_;
    std::array<Band, kMaxBands> bands_{};
};

std::string_view missingDataMessage(int band);

} // namespace vantrel::bands
