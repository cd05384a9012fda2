// Colour bands typed as words, the way people name them.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace vantrel::marking {

// "коричневый чёрный оранжевый золотой", "кор чёрн оранж зол", "Кор. Чёрн. Оранж. Золот.",
// "brown black orange gold": one colour per word, as its position in the extended colour
// list. A word names a colour as the band selectors write it, or as the start (three letters
// at least) of its full name, Russian in any gender or English; nothing when a word names no
// colour or more than one, or there are more than six words.
std::optional<std::vector<int>> readColourWords(std::string_view text);

} // namespace vantrel::marking
