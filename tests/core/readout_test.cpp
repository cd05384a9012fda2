// The readout behind a line: exact values in plain units, the standard series, and the
// reading from the other end of a colour-banded body.
#include "colour_names.h"
#include "core/bands/band_reading.h"
#include "core/bands/recipes.h"
#include "core/codes/capacitor_code.h"
#include "core/codes/letter_code.h"
#include "core/value/readout.h"

#include <gtest/gtest.h>

using namespace vantrel;
using bands::WindowRecipe;
using test::pressAfter;
using value::Decimal;
using value::Quantity;

namespace {

struct BandsCase {
    const WindowRecipe* recipe;
    std::initializer_list<std::string_view> colours;
    std::string_view readout;
};

void expectReadouts(std::initializer_list<BandsCase> cases) {
    for (const BandsCase& c : cases) {
        const bands::PressOutcome outcome = pressAfter(*c.recipe, c.colours);
        EXPECT_FALSE(outcome.line.empty());
        EXPECT_EQ(outcome.readout, c.readout) << outcome.line;
    }
}

std::string letterReadout(codes::DigitCount mode, std::string_view digits,
                          std::string_view position, std::string_view unit,
                          std::string_view tolerance) {
    const codes::PressResult result =
        codes::pressLetterCode({mode, digits, position, unit, tolerance});
    EXPECT_TRUE(result.messages.empty());
    EXPECT_FALSE(result.line.empty());
    return result.readout;
}

std::string fourDigitReadout(std::string_view digits, std::string_view multiplier) {
    const codes::PressResult result = codes::pressFourDigitCode(digits, multiplier);
    EXPECT_FALSE(result.line.empty());
    return result.readout;
}

std::string readoutOf(Quantity quantity, Decimal amount) {
    return value::readout(value::Reading(quantity, amount));
}

} // namespace

TEST(Readout, ColourWindowsStateTheValueTheSeriesAndTheOtherEnd) {
    using namespace bands;
    expectReadouts({
        {&kResistor4Recipe, {"yellow", "violet", "red", "gold"}, "4,7 кОм ±5 %\nРяд E6"},
        {&kResistor3Recipe,
         {"brown", "black", "orange"},
         "10 кОм ±20 %\nРяд E6\nС другого конца: 300 Ом ±20 %"},
        {&kResistor3Recipe,
         {"yellow", "grey", "red"},
         "4,8 кОм ±20 %\nНет в рядах E6–E192, ближайшие: 4,7 кОм и 5,1 кОм\n"
         "С другого конца: 280 кОм ±20 %"},
        {&kResistor5Recipe,
         {"brown", "red", "black", "black", "brown"},
         "120 Ом ±1 %\nРяд E12\nС другого конца: 10 кОм ±1 %"},
        {&kResistor4Recipe,
         {"brown", "violet", "red", "red"},
         "1,7 кОм ±2 %\nНет в рядах E6–E192, ближайшие: 1,6 кОм и 1,8 кОм\n"
         "С другого конца: 220 МОм ±1 %"},
        {&kResistor6Recipe,
         {"orange", "orange", "orange", "orange", "violet", "orange"},
         "333 кОм ±0,1 %, ТКС ±15 ppm/°C\nНет в рядах E6–E192, ближайшие: 332 кОм и 336 кОм"},
        {&kInductor4Recipe, {"yellow", "violet", "brown", "gold"}, "470 мкГн ±5 %\nРяд E6"},
        // Factors below one, and the smallest inductor unit.
        {&kResistor4Recipe, {"orange", "orange", "gold", "brown"}, "3,3 Ом ±1 %\nРяд E6"},
        {&kInductor3Recipe, {"yellow", "violet", "silver"}, "470 нГн\nРяд E6"},
        // Black is ×1 in the 6-band window; a tolerance of "Error" gives none.
        {&kResistor6Recipe,
         {"brown", "black", "black", "black", "brown", "white"},
         "100 Ом ±1 %, ТКС ±1 ppm/°C\nРяд E6"},
        {&kResistor5Recipe, {"yellow", "violet", "black", "yellow", "orange"}, "4,7 МОм\nРяд E6"},
    });
}

// The other end is offered only when every band there accepts its colour, the reading
// differs, and it is a standard value.
TEST(Readout, OtherEndOnlyWhenItIsAnotherStandardValue) {
    using namespace bands;
    expectReadouts({
        {&kResistor3Recipe, {"brown", "black", "brown"}, "100 Ом ±20 %\nРяд E6"},    // the same
        {&kResistor3Recipe, {"red", "red", "black"}, "22 Ом ±20 %\nРяд E6"},         // black leads
        {&kResistor3Recipe, {"brown", "black", "yellow"}, "100 кОм ±20 %\nРяд E6"},  // 400 Ом
        {&kResistor4Recipe, {"red", "red", "brown", "gold"}, "220 Ом ±5 %\nРяд E6"}, // gold leads
        // A tolerance of "Error" does not count at the other end.
        {&kResistor5Recipe, {"orange", "black", "black", "brown", "brown"}, "3 кОм ±1 %\nРяд E24"},
        // Orange is no tolerance at the other end of a 6-band resistor.
        {&kResistor6Recipe,
         {"brown", "black", "black", "brown", "brown", "orange"},
         "1 кОм ±1 %, ТКС ±15 ppm/°C\nРяд E6"},
        // An inductor's tolerance band never leads; without one, its other end may be read.
        {&kInductor4Recipe, {"brown", "black", "red", "black"}, "1 мГн ±20 %\nРяд E6"},
        {&kInductor3Recipe, {"brown", "black", "red"}, "1 мГн\nРяд E6\nС другого конца: 200 мкГн"},
    });
}

TEST(Readout, ValuesScaleToTheUnitThatKeepsThemInOneToAThousand) {
    const struct {
        Quantity quantity;
        Decimal amount;
        std::string_view text;
    } cases[] = {
        {Quantity::Resistance, {47, -2}, "0,47 Ом"},
        {Quantity::Resistance, {1, -3}, "0,001 Ом"},
        {Quantity::Resistance, {999, 0}, "999 Ом"},
        {Quantity::Resistance, {1000, 0}, "1 кОм"},
        {Quantity::Resistance, {475, 2}, "47,5 кОм"},
        {Quantity::Resistance, {10, 5}, "1 МОм"},
        {Quantity::Resistance, {33, 8}, "3,3 ГОм"},
        {Quantity::Resistance, {99, 16}, "990000 ТОм"},
        {Quantity::Resistance, {0, 5}, "0 Ом"},
        {Quantity::Capacitance, {47, -1}, "4,7 пФ"},
        {Quantity::Capacitance, {1, 3}, "1 нФ"},
        {Quantity::Capacitance, {22, 8}, "2200 мкФ"},
        {Quantity::Inductance, {1, -1}, "0,1 нГн"},
        {Quantity::Inductance, {100, 7}, "1 Гн"},
        {Quantity::Inductance, {1005, 3}, "1,005 мГн"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(value::quantityText(c.quantity, c.amount), c.text);
}

TEST(Readout, SeriesBoundaries) {
    const std::pair<Decimal, std::string_view> cases[] = {
        {{470, -2}, "4,7 Ом\nРяд E6"},   // trailing zeros do not count
        {{475, -2}, "4,75 Ом\nРяд E96"}, //
        {{105, -2}, "1,05 Ом\nРяд E48"}, //
        {{11, 0}, "11 Ом\nРяд E24"},     //
        {{920, 1}, "9,2 кОм\nРяд E192"}, // E192's own 9,20
        {{919, 1}, "9,19 кОм\nНет в рядах E6–E192, ближайшие: 9,09 кОм и 9,2 кОм"},
        {{99, -1}, "9,9 Ом\nНет в рядах E6–E192, ближайшие: 9,1 Ом и 10 Ом"}, // next decade
        {{989, 0}, "989 Ом\nНет в рядах E6–E192, ближайшие: 988 Ом и 1000 Ом"},
        {{99, 1}, "990 Ом\nНет в рядах E6–E192, ближайшие: 910 Ом и 1000 Ом"}, // line 1's unit
        {{1001, 0}, "1,001 кОм\nНет в рядах E6–E192, ближайшие: 1 кОм и 1,01 кОм"},
        {{0, 0}, "0 Ом"}, // zero is in no series and next to none
    };
    for (const auto& [amount, text] : cases)
        EXPECT_EQ(readoutOf(Quantity::Resistance, amount), text);
}

TEST(Readout, CodeWindowsGiveAValueOnlyForDigits) {
    EXPECT_EQ(letterReadout(codes::DigitCount::Two, "33", "1", "K", "J"), "330 Ом ±5 %\nРяд E6");
    EXPECT_EQ(letterReadout(codes::DigitCount::Three, "470", "4", "Е", "E"),
              "470 Ом ±0,001 %\nРяд E6");
    EXPECT_EQ(letterReadout(codes::DigitCount::Three, "100", "1", "Т", "D"),
              "100 ГОм ±0,5 %\nРяд E6");
    EXPECT_EQ(letterReadout(codes::DigitCount::Two, "0", "3", "M", "M"), "0 Ом ±20 %");
    for (std::string_view digits : {"", "3a", " 33", "٣٣", "3.3", "9999999999999999999"})
        EXPECT_EQ(letterReadout(codes::DigitCount::Two, digits, "3", "R", "F"), "") << digits;

    EXPECT_EQ(codes::pressThreeDigitCode("47", "2").readout, "4,7 нФ\nРяд E6");
    EXPECT_EQ(codes::pressThreeDigitCode("68", "9").readout, "6,8 пФ\nРяд E6");
    EXPECT_EQ(codes::pressThreeDigitCode("47", "7").readout, ""); // a message, no line

    EXPECT_EQ(fourDigitReadout("100", "2"), "10 нФ\nРяд E6");
    EXPECT_EQ(fourDigitReadout("475", "4"), "4,75 мкФ\nРяд E96");
    EXPECT_EQ(fourDigitReadout("000", "0"), "0 пФ");
    for (std::string_view digits : {"", "1000", "4,7", "x1", "１２"})
        EXPECT_EQ(fourDigitReadout(digits, "3"), "") << digits;
}

// Bands that read only from the other end are given that reading alone, standard value or
// not: the colours were named from the other end of the body.
TEST(Readout, OtherEndAloneWhereTheBandsReadOnlyFromThere) {
    const struct {
        const WindowRecipe* recipe;
        std::vector<std::string_view> colours;
        std::string_view otherEnd;
    } cases[] = {
        {&bands::kResistor4Recipe, {"gold", "red", "grey", "yellow"}, "4,8 кОм ±5 %"},
        {&bands::kResistor4Recipe, {"gold", "orange", "black", "brown"}, "10 кОм ±5 %"},
        {&bands::kResistor5Recipe,
         {"brown", "red", "black", "black", "white"},
         "90 кОм ±1 %"}, // white is no tolerance there
        {&bands::kInductor4Recipe, {"gold", "red", "grey", "yellow"}, "4,8 мГн ±5 %"},
    };
    for (const auto& c : cases) {
        std::vector<int> colours;
        for (const std::string_view name : c.colours)
            colours.push_back(
                static_cast<int>(std::ranges::find(bands::kColourNames, test::russianName(name)) -
                                 bands::kColourNames.begin()));
        const bands::BandReadings readings = bands::readBands(*c.recipe, colours);
        EXPECT_FALSE(readings.forward) << c.otherEnd;
        ASSERT_TRUE(readings.otherEnd) << c.otherEnd;
        EXPECT_EQ(value::valueLine(*readings.otherEnd), c.otherEnd);
    }
}
