// The colour windows' rules: picks, the missing-data order and the result lines.
#include "colour_names.h"
#include "core/bands/recipes.h"

#include <gtest/gtest.h>

using namespace vantrel::bands;
using vantrel::test::pickColour;
using vantrel::test::pressAfter;

namespace {

struct Example {
    const WindowRecipe* recipe;
    std::initializer_list<std::string_view> colours;
    std::string_view line;
};

void expectLines(std::initializer_list<Example> examples) {
    for (const Example& example : examples) {
        const PressOutcome outcome = pressAfter(*example.recipe, example.colours);
        EXPECT_EQ(outcome.missing, "");
        EXPECT_EQ(outcome.line, example.line);
    }
}

} // namespace

TEST(ResistorLines, ThreeAndFourBandWorkedExamples) {
    expectLines({
        {&kResistor3Recipe, {"yellow", "violet", "red"}, "R=4700 Om"},
        {&kResistor3Recipe, {"brown", "black", "orange"}, "R=10.000 Om"},
        {&kResistor3Recipe, {"yellow", "violet", "yellow"}, "R=470.000 Om"},
        {&kResistor3Recipe, {"red", "red", "yellow"}, "R=220.000 Om"},
        {&kResistor3Recipe, {"white", "white", "white"}, "R=99.000.000.000 Om"},
        {&kResistor3Recipe, {"yellow", "violet", "gold"}, "R=47*0,1 Om"},
        {&kResistor3Recipe, {"green", "blue", "silver"}, "R=56*0,01 Om"},
        {&kResistor3Recipe, {"yellow", "violet", "silver"}, "R=47*0,01 Om"},
        {&kResistor3Recipe, {"red", "red", "green"}, "R=2200.000 Om"},
        {&kResistor4Recipe, {"yellow", "violet", "red", "gold"}, "R=4700 Om+/-5%"},
        {&kResistor4Recipe, {"brown", "black", "orange", "silver"}, "R=10.000 Om+/-10%"},
        {&kResistor4Recipe, {"orange", "orange", "gold", "brown"}, "R=33*0,1 Om+/-1%"},
        {&kResistor4Recipe, {"brown", "black", "green", "green"}, "R=1000.000 Om+/-0.5%"},
    });
}

TEST(ResistorLines, FiveAndSixBandWorkedExamples) {
    expectLines({
        {&kResistor5Recipe, {"brown", "black", "black", "brown", "brown"}, "R=1000 Om+/-1%"},
        {&kResistor5Recipe, {"yellow", "violet", "black", "orange", "red"}, "R=470.000 Om+/-2%"},
        {&kResistor5Recipe, {"yellow", "violet", "black", "gold", "brown"}, "R=470*0,1 Om+/-1%"},
        {&kResistor5Recipe, {"brown", "black", "black", "silver", "blue"}, "R=100*0,01 Om+/-0.25%"},
        {&kResistor5Recipe,
         {"yellow", "violet", "black", "yellow", "orange"},
         "R=4700.000 Om+/-Error"},
        {&kResistor6Recipe,
         {"brown", "black", "black", "brown", "brown", "brown"},
         "R=1000 Om +/-1%; ТКС= +/-100ppm/`C"},
        {&kResistor6Recipe,
         {"yellow", "violet", "black", "red", "red", "red"},
         "R=47000 Om +/-2%; ТКС= +/-50ppm/`C"},
        {&kResistor6Recipe,
         {"yellow", "violet", "black", "gold", "green", "white"},
         "R=470*0,1 Om +/-0.5%; ТКС= +/-1ppm/`C"},
        {&kResistor6Recipe,
         {"orange", "orange", "orange", "orange", "violet", "orange"},
         "R=333.000 Om +/-0.1%; ТКС= +/-15ppm/`C"},
    });
}

TEST(InductorLines, WorkedExamples) {
    expectLines({
        {&kInductor3Recipe, {"brown", "black", "red"}, "L=10*100 мкГн"},
        {&kInductor3Recipe, {"yellow", "violet", "black"}, "L=47*1 мкГн"},
        {&kInductor3Recipe, {"white", "white", "orange"}, "L=99*1000 мкГн"},
        {&kInductor4Recipe, {"yellow", "violet", "brown", "gold"}, "L=47*10 мкГн +/-5%"},
        {&kInductor4Recipe, {"brown", "black", "silver", "black"}, "L=10*0,01 мкГн +/-20%"},
        {&kInductor4Recipe, {"red", "red", "gold", "silver"}, "L=22*0,1 мкГн +/-10%"},
    });
}

// Silver and gold in the 3-band inductor window write the factors of the 4-band window.
TEST(InductorLines, ThreeBandSilverAndGoldAreFactors) {
    expectLines({
        {&kInductor3Recipe, {"yellow", "violet", "silver"}, "L=47*0,01 мкГн"},
        {&kInductor3Recipe, {"yellow", "violet", "gold"}, "L=47*0,1 мкГн"},
    });
}

// Black is the x1 multiplier of every resistor code: it stores nothing and the band counts.
TEST(BlackMultiplier, IsTimesOneInEveryResistorWindow) {
    expectLines({
        {&kResistor3Recipe, {"yellow", "violet", "black"}, "R=47 Om"},
        {&kResistor4Recipe, {"brown", "black", "black", "gold"}, "R=10 Om+/-5%"},
        {&kResistor5Recipe, {"brown", "black", "black", "black", "brown"}, "R=100 Om+/-1%"},
        {&kResistor6Recipe,
         {"brown", "black", "black", "black", "brown", "brown"},
         "R=100 Om +/-1%; ТКС= +/-100ppm/`C"},
    });
}

TEST(BlackMultiplier, ReplacesAnEarlierMultiplierWithoutMessage) {
    BandSet set(kResistor6Recipe);
    for (auto [band, colour] : {std::pair{0, "brown"},
                                {1, "black"},
                                {2, "black"},
                                {3, "red"},
                                {4, "brown"},
                                {5, "brown"}})
        pickColour(set, band, colour);
    EXPECT_EQ(set.press().line, "R=10000 Om +/-1%; ТКС= +/-100ppm/`C");
    const PickOutcome black = pickColour(set, 3, "black");
    EXPECT_TRUE(black.accepted);
    EXPECT_EQ(black.message, "");
    EXPECT_EQ(set.press().line, "R=100 Om +/-1%; ТКС= +/-100ppm/`C");
}

TEST(Picks, RejectedColourShowsTheBandsMessageAndKeepsTheFragment) {
    struct Case {
        const WindowRecipe* recipe;
        int band;
        const char* colour;
        std::string_view message;
    };
    const Case cases[] = {
        {&kResistor3Recipe, 0, "black", "Проверь первую полосу!"},
        {&kResistor4Recipe, 3, "orange", "Проверь четвёртую полосу!"},
        {&kResistor4Recipe, 3, "white", "Проверь четвёртую полосу!"},
        {&kResistor5Recipe, 4, "white", "Проверь пятую полосу!"},
        {&kResistor6Recipe, 4, "yellow", "Проверь пятую полосу!"},
        {&kResistor6Recipe, 5, "green", "Проверь шестую полосу!"},
        {&kResistor6Recipe, 5, "grey", "Проверь шестую полосу!"},
        {&kInductor3Recipe, 2, "yellow", "Проверь третью полосу!"},
        {&kInductor4Recipe, 2, "white", "Проверь третью полосу!"},
        {&kInductor4Recipe, 3, "red", "Проверь четвёртую полосу!"},
        {&kInductor4Recipe, 3, "green", "Проверь чсетвёртую полосу!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.colour);
        BandSet set(*c.recipe);
        const PickOutcome first = pickColour(set, c.band, c.colour);
        EXPECT_FALSE(first.accepted);
        EXPECT_EQ(first.message, c.message);
        EXPECT_EQ(set.acceptedItem(c.band), -1); // never accepted: still missing
        // After an accepted colour, a rejected one leaves that colour's fragment in place.
        const char* good = c.band == 0 ? "red" : c.band == 5 ? "brown" : "gold";
        ASSERT_TRUE(pickColour(set, c.band, good).accepted);
        const std::string kept = set.fragment(c.band);
        const int keptItem = set.acceptedItem(c.band);
        EXPECT_FALSE(pickColour(set, c.band, c.colour).accepted);
        EXPECT_EQ(set.fragment(c.band), kept);
        EXPECT_EQ(set.acceptedItem(c.band), keptItem);
    }
}

TEST(Picks, RejectedFirstBandKeepsEarlierRed) {
    BandSet set(kResistor3Recipe);
    pickColour(set, 0, "red");
    EXPECT_FALSE(pickColour(set, 0, "black").accepted);
    pickColour(set, 1, "red");
    pickColour(set, 2, "brown");
    EXPECT_EQ(set.press().line, "R=220 Om");
}

TEST(Picks, FiveBandOrangeToleranceIsNoFailure) {
    BandSet set(kResistor5Recipe);
    const PickOutcome orange = pickColour(set, 4, "orange");
    EXPECT_TRUE(orange.accepted);
    EXPECT_EQ(set.fragment(4), "Error");
}

TEST(Picks, OutOfRangeChangesNothing) {
    BandSet set(kResistor3Recipe);
    for (auto [band, item] : {std::pair{-1, 0}, {3, 0}, {0, -1}, {0, 10}, {2, 12}, {99, 99}}) {
        const PickOutcome outcome = set.pick(band, item);
        EXPECT_FALSE(outcome.accepted);
        EXPECT_EQ(outcome.message, "");
    }
    EXPECT_EQ(set.press().missing, "Не хватает данных в первом столбце!");
}

TEST(Press, NamesTheFirstBandNeverGiven) {
    struct Case {
        const WindowRecipe* recipe;
        std::vector<std::pair<int, const char*>> picks;
        std::string_view missing;
    };
    const Case cases[] = {
        {&kResistor3Recipe, {}, "Не хватает данных в первом столбце!"},
        {&kResistor3Recipe, {{0, "red"}, {2, "red"}}, "Не хватает данных во втором столбце!"},
        {&kResistor3Recipe, {{0, "red"}}, "Не хватает данных во втором столбце!"},
        {&kResistor3Recipe, {{1, "red"}, {2, "red"}}, "Не хватает данных в первом столбце!"},
        {&kResistor4Recipe,
         {{0, "red"}, {1, "red"}, {2, "red"}, {3, "orange"}},
         "Не хватает данных в четвёртом столбце!"},
        {&kResistor5Recipe,
         {{0, "red"}, {1, "red"}, {2, "red"}, {3, "red"}},
         "Не хватает данных в пятом столбце!"},
        {&kResistor6Recipe,
         {{0, "red"}, {1, "red"}, {2, "red"}, {4, "red"}, {5, "red"}},
         "Не хватает данных в четвёртом столбце!"},
        {&kResistor6Recipe,
         {{0, "red"}, {1, "red"}, {2, "red"}, {3, "red"}, {5, "red"}},
         "Не хватает данных в пятом столбце!"},
        {&kResistor6Recipe,
         {{0, "red"}, {1, "red"}, {2, "red"}, {5, "red"}},
         "Не хватает данных в четвёртом столбце!"},
        {&kResistor6Recipe,
         {{0, "red"}, {1, "red"}, {2, "red"}, {3, "red"}, {4, "red"}},
         "Не хватает данных в шестом столбце!"},
        {&kInductor3Recipe,
         {{0, "red"}, {1, "red"}, {2, "yellow"}},
         "Не хватает данных в третьем столбце!"},
        {&kInductor4Recipe,
         {{0, "black"}, {1, "red"}, {2, "red"}, {3, "black"}},
         "Не хватает данных в первом столбце!"},
    };
    for (const Case& c : cases) {
        BandSet set(*c.recipe);
        for (auto [band, colour] : c.picks)
            pickColour(set, band, colour);
        const PressOutcome outcome = set.press();
        EXPECT_EQ(outcome.missing, c.missing);
        EXPECT_EQ(outcome.line, "");
    }
}
