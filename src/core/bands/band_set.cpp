#include "core/bands/band_set.h"

#include "core/bands/band_reading.h"

namespace vantrel::bands {

std::string_view missingDataMessage(int band) {
    static constexpr std::array<std::string_view, kMaxBands> kMessages{
        "Не хватает данных в первом столбце!",  "Не хватает данных во втором столбце!",
        "Не хватает данных в третьем столбце!", "Не хватает данных в четвёртом столбце!",
        "Не хватает данных в пятом столбце!",   "Не хватает данных в шестом столбце!"};
    return band >= 0 && band < kMaxBands ? kMessages[static_cast<std::size_t>(band)]
                                         : std::string_view{};
}

ColourList BandSet::items(int band) const {
    return valid(band) ? recipe_->bands[static_cast<std::size_t>(band)].table->items : ColourList{};
}

int BandSet::acceptedItem(int band) const {
    return valid(band) ? bands_[static_cast<std::size_t>(band)].acceptedItem : -1;
}

const std::string& BandSet::fragment(int band) const {
    static const std::string kNone;
    return valid(band) ? bands_[static_cast<std::size_t>(band)].fragment : kNone;
}

PickOutcome BandSet::pick(int band, int item) {
    if (item < 0 || static_cast<std::size_t>(item) >= items(band).size())
        return {};
    const BandRecipe& recipe = recipe_->bands[static_cast<std::size_t>(band)];
    const Effect& effect = recipe.table->effects[static_cast<std::size_t>(item)];
    if (!effect.stores)
        return {false, effect.text.empty() ? recipe.checkMessage : effect.text};
    Band& state = bands_[static_cast<std::size_t>(band)];
    state.fragment = effect.text;
    state.acceptedItem = item;
    return {true, {}};
}

PressOutcome BandSet::press() const {
    std::array<int, kMaxBands> colours{};
    for (int band = 0; band < bandCount(); ++band) {
        colours[static_cast<std::size_t>(band)] = acceptedItem(band);
        if (colours[static_cast<std::size_t>(band)] < 0)
            return {{}, missingDataMessage(band), {}};
    }
    PressOutcome outcome;
    for (const Piece& piece : recipe_->line) {
        outcome.line += piece.band >= 0 ? std::string_view{fragment(piece.band)} : piece.literal;
    }
    outcome.readout = bandReadout(*recipe_, std::span(colours).first(recipe_->bands.size()));
    return outcome;
}

} // namespace vantrel::bands
