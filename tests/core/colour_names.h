// Test helper: picks colours by English name in a band set and reads the result.
#pragma once

#include "core/bands/band_set.h"

#include <algorithm>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace vantrel::test {

inline std::string_view russianName(std::string_view english) {
    static constexpr std::pair<std::string_view, std::string_view> kNames[] = {
        {"black", "Чёрн."},  {"brown", "Кор."}, {"red", "Крас."},     {"orange", "Оранж."},
        {"yellow", "Жёлт."}, {"green", "Зел."}, {"blue", "Гол."},     {"violet", "Фиол."},
        {"grey", "Сер."},    {"white", "Бел."}, {"silver", "Сереб."}, {"gold", "Золот."}};
    for (const auto& [name, russian] : kNames)
        if (name == english)
            return russian;
    throw std::invalid_argument(std::string(english));
}

// Picks the named colour in a 0-based band, the way its selector offers it.
inline bands::PickOutcome pickColour(bands::BandSet& set, int band, std::string_view english) {
    const bands::ColourList items = set.items(band);
    const auto found = std::find(items.begin(), items.end(), russianName(english));
    if (found == items.end())
        throw std::invalid_argument("not offered in this band: " + std::string(english));
    return set.pick(band, static_cast<int>(found - items.begin()));
}

// Picks one colour per band, in band order, then presses "Считать!!!".
inline bands::PressOutcome pressAfter(const bands::WindowRecipe& recipe,
                                      std::initializer_list<std::string_view> colours) {
    bands::BandSet set(recipe);
    int band = 0;
    for (std::string_view colour : colours)
        pickColour(set, band++, colour);
    return set.press();
}

} // namespace vantrel::test
