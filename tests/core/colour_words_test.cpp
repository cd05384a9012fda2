// Colour bands typed as words, in every form people type them: the selectors' abbreviations,
// full Russian names in each gender and number, the shortest abbreviation, English, any case.
#include "core/marking/colour_words.h"
#include "typed_code_cases.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The extended colour list's order, in English: black 0 to white 9, then silver and gold.
constexpr std::string_view kEnglish[] = {"black", "brown",  "red",  "orange", "yellow", "green",
                                         "blue",  "violet", "grey", "white",  "silver", "gold"};

// The colours as English names, or "-" when the words name none.
std::string colours(std::string_view text) {
    const std::optional<std::vector<int>> read = vantrel::marking::readColourWords(text);
    if (!read)
        return "-";
    std::string names;
    for (const int colour : *read)
        names.append(names.empty() ? "" : " ").append(kEnglish[static_cast<std::size_t>(colour)]);
    return names;
}

void expectColours(std::initializer_list<vantrel::test::TypedCase> cases) {
    vantrel::test::expectEach(&colours, cases);
}

} // namespace

TEST(ColourWords, SelectorNamesAndEveryFullName) {
    expectColours({
        {"Чёрн. Кор. Крас. Оранж. Жёлт. Зел.", "black brown red orange yellow green"},
        {"Гол. Фиол. Сер. Бел. Сереб. Золот.", "blue violet grey white silver gold"},
        {"чёрный коричневый красный оранжевый жёлтый зелёный",
         "black brown red orange yellow green"},
        {"голубой фиолетовый серый белый серебряный золотой", "blue violet grey white silver gold"},
        {"синий серебристый золотистый", "blue silver gold"},
        {"black brown red orange yellow green", "black brown red orange yellow green"},
        {"blue violet grey white silver gold", "blue violet grey white silver gold"},
        {"purple gray", "violet grey"},
    });
}

// Masculine, feminine and neuter, singular and plural, ё or е.
TEST(ColourWords, EveryEnding) {
    expectColours({
        {"коричневый коричневая коричневое коричневые", "brown brown brown brown"},
        {"красный красная красное красные", "red red red red"},
        {"синий синяя синее синие", "blue blue blue blue"},
        {"голубой голубая голубое голубые", "blue blue blue blue"},
        {"чёрная черная черное ЧЕРНЫЕ", "black black black black"},
        {"жёлтую жёлтых серебряную золотых", "yellow yellow silver gold"},
    });
}

// Three letters at least; a shorter start, or one that two colours share, names none.
TEST(ColourWords, AbbreviationsAndTheirLimits) {
    expectColours({
        {"кор чёр кра ора жёл зел", "brown black red orange yellow green"},
        {"гол син фио бел зол", "blue blue violet white gold"},
        {"сер", "grey"},      // the selectors' own «Сер.»
        {"сере", "silver"},   // серебряный and серебристый, both silver
        {"серебр", "silver"}, //
        {"серая серое", "grey grey"},
        {"bro bla gre", "-"}, // gre: green and grey
        {"gree", "green"},    //
        {"ко", "-"},          // two letters
        {"к к к", "-"},       //
        {"корич чёрн. оранж.", "brown black orange"},
        {"зелёнка", "-"}, // a longer word than the name
    });
}

TEST(ColourWords, CaseSeparatorsAndCount) {
    expectColours({
        {"BrOwN bLaCk OrAnGe", "brown black orange"},
        {"КОР ЧЁРН ОРАНЖ", "brown black orange"},
        {"кор,чёрн;оранж/зол-кор", "brown black orange gold brown"},
        {"  кор\t\u00A0чёрн   оранж  ", "brown black orange"},
        {"кор чёрн оранж зол кор чёрн", "brown black orange gold brown black"},
        {"кор чёрн оранж зол кор чёрн кор", "-"}, // seven bands
        {"кор 1 оранж", "-"},
        {"", "-"},
        {" ,;. ", "-"},
        {"кор чёрн x", "-"},
    });
}
