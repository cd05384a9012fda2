#include "core/marking/colour_words.h"

#include "core/bands/band_set.h"
#include "core/codes/typed_code.h"

#include <algorithm>
#include <array>

namespace vantrel::marking {
namespace {

// Full names by the selectors' own names of the colours.
struct ColourName {
    std::string_view selectorName;
    std::string_view name;
};
constexpr ColourName kFullNames[] = {
    {"Чёрн.", "чёрный"},       {"Чёрн.", "black"},   {"Кор.", "коричневый"},
    {"Кор.", "brown"},         {"Крас.", "красный"}, {"Крас.", "red"},
    {"Оранж.", "оранжевый"},   {"Оранж.", "orange"}, {"Жёлт.", "жёлтый"},
    {"Жёлт.", "yellow"},       {"Зел.", "зелёный"},  {"Зел.", "green"},
    {"Гол.", "голубой"},       {"Гол.", "синий"},    {"Гол.", "blue"},
    {"Фиол.", "фиолетовый"},   {"Фиол.", "violet"},  {"Фиол.", "purple"},
    {"Сер.", "серый"},         {"Сер.", "grey"},     {"Сер.", "gray"},
    {"Бел.", "белый"},         {"Бел.", "white"},    {"Сереб.", "серебряный"},
    {"Сереб.", "серебристый"}, {"Сереб.", "silver"}, {"Золот.", "золотой"},
    {"Золот.", "золотистый"},  {"Золот.", "gold"}};

// Russian adjective endings, in capitals, that a word may carry in any gender and number.
constexpr std::string_view kEndings[] = {"ЫЙ", "ИЙ", "ОЙ", "АЯ", "ЯЯ", "ОЕ", "ЕЕ",
                                         "ЫЕ", "ИЕ", "УЮ", "ЮЮ", "ЫХ", "ИХ"};

std::size_t letters(std::string_view text) {
    return static_cast<std::size_t>(std::ranges::count_if(
        text, [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// Capitals, Ё as Е, without a final point or an adjective ending.
std::string folded(std::string_view word) {
    std::string text = codes::inCapitals(word);
    for (std::size_t at; (at = text.find("Ё")) != std::string::npos;)
        text.replace(at, std::string_view("Ё").size(), "Е");
    if (text.ends_with('.'))
        text.pop_back();
    for (const std::string_view ending : kEndings)
        if (text.ends_with(ending) && letters(text) >= 5) {
            text.resize(text.size() - ending.size());
            break;
        }
    return text;
}

int colourOf(std::string_view selectorName) {
    return static_cast<int>(std::ranges::find(bands::kColourNames, selectorName) -
                            bands::kColourNames.begin());
}

// The names folded once: the selectors' in colour order, then the full ones with their colour.
struct FoldedNames {
    std::array<std::string, bands::kColourNames.size()> selectorNames;
    std::vector<std::pair<std::string, int>> fullNames;
};
const FoldedNames& foldedNames() {
    static const FoldedNames names = [] {
        FoldedNames made;
        std::ranges::transform(bands::kColourNames, made.selectorNames.begin(), folded);
        for (const ColourName& row : kFullNames)
            made.fullNames.emplace_back(folded(row.name), colourOf(row.selectorName));
        return made;
    }();
    return names;
}

std::optional<int> colourOfWord(std::string_view word) {
    constexpr std::size_t kShortest = 3;
    const FoldedNames& names = foldedNames();
    const std::string typed = folded(word);
    if (const auto exact = std::ranges::find(names.selectorNames, typed);
        exact != names.selectorNames.end())
        return static_cast<int>(exact - names.selectorNames.begin());
    std::optional<int> found;
    if (letters(typed) < kShortest)
        return found;
    for (const auto& [name, colour] : names.fullNames) {
        if (!name.starts_with(typed))
            continue;
        if (found && *found != colour)
            return std::nullopt;
        found = colour;
    }
    return found;
}

} // namespace

std::optional<std::vector<int>> readColourWords(std::string_view text) {
    constexpr std::string_view kSeparators[] = {" ", "\t", "\u00A0", ",", ";", "-", "/", "."};
    if (text.find_first_of("0123456789") != std::string_view::npos)
        return std::nullopt; // no colour's name has a digit: most markings end here
    std::vector<int> colours;
    std::string word;
    const auto endWord = [&] {
        if (word.empty())
            return true;
        const std::optional<int> colour = colourOfWord(word);
        word.clear();
        if (!colour || colours.size() == bands::kMaxBands)
            return false;
        colours.push_back(*colour);
        return true;
    };
    while (!text.empty()) {
        const auto* separator = std::ranges::find_if(
            kSeparators, [text](std::string_view s) { return text.starts_with(s); });
        if (separator == std::end(kSeparators)) {
            word += text.front();
            text.remove_prefix(1);
            continue;
        }
        text.remove_prefix(separator->size());
        if (!endWord())
            return std::nullopt;
    }
    if (!endWord() || colours.empty())
        return std::nullopt;
    return colours;
}

} // namespace vantrel::marking
