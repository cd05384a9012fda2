// Exact decimals at their edges: the largest significand, numbers as people type them, the
// point letters of codes, and every unit a value is spelt in.
#include "core/value/decimal.h"
#include "core/value/readout.h"
#include "printers.h"

#include <gtest/gtest.h>
#include <optional>
#include <string_view>

using vantrel::value::Decimal;
using vantrel::value::Quantity;

// Fifteen significant figures are kept; leading zeros are no figures.
TEST(Decimal, DigitsUpToTheLargestSignificand) {
    const std::pair<std::string_view, std::optional<Decimal>> cases[] = {
        {"999999999999999", Decimal{999'999'999'999'999, 0}},
        {"1000000000000000", std::nullopt},
        {"9999999999999999", std::nullopt},
        {"000000000000000000047", Decimal{47, 0}},
        {"0", Decimal{0, 0}},
        {"", std::nullopt},
        {"4a", std::nullopt},
        {"-4", std::nullopt},
        {"+4", std::nullopt},
        {" 4", std::nullopt},
        {"４", std::nullopt}, // a full-width digit
    };
    for (const auto& [digits, expected] : cases)
        EXPECT_EQ(vantrel::value::fromDigits(digits), expected) << digits;
    EXPECT_EQ(vantrel::value::fromDigits("47", -3), (Decimal{47, -3}));
    EXPECT_EQ(vantrel::value::kMaxSignificand, 999'999'999'999'999);
}

// A number as typed: one point or comma at most, and a digit after it.
TEST(Decimal, NumbersAsTyped) {
    const std::pair<std::string_view, std::optional<Decimal>> cases[] = {
        {"4700", Decimal{4700, 0}},
        {"6.3", Decimal{63, -1}},
        {"0,1", Decimal{1, -1}},
        {",5", Decimal{5, -1}},
        {".047", Decimal{47, -3}},
        {"00.50", Decimal{5, -1}},
        {"4.", std::nullopt},
        {"4,", std::nullopt},
        {".", std::nullopt},
        {"1.2.3", std::nullopt},
        {"1,2.3", std::nullopt},
        {"", std::nullopt},
        {"4,7k", std::nullopt},
        {"99999999999999.9", Decimal{999'999'999'999'999, -1}},
        {"999999999999999.9", std::nullopt},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(vantrel::value::readNumber(text), expected) << text;
}

// Equal values however written; the figures and the place of the leading one.
TEST(Decimal, ValuesAreComparedAsNumbers) {
    EXPECT_EQ((Decimal{47, -1}), (Decimal{470, -2}));
    EXPECT_EQ((Decimal{0, 3}), (Decimal{0, -7}));
    EXPECT_NE((Decimal{47, 0}), (Decimal{47, 1}));
    EXPECT_NE((Decimal{47, 0}), (Decimal{74, 0}));
    const struct {
        Decimal value;
        int figures;
        int leading;
    } cases[] = {{{4700, 0}, 2, 3}, {{47, -2}, 2, -1},    {{1, 0}, 1, 0},
                 {{0, 5}, 1, 0},    {{100100, -3}, 4, 2}, {{999'999'999'999'999, 0}, 15, 14}};
    for (const auto& c : cases) {
        EXPECT_EQ(c.value.significantDigits(), c.figures) << c.value.significand;
        EXPECT_EQ(c.value.leadingExponent(), c.leading) << c.value.significand;
    }
}

// Exactly so many figures, the first not zero.
TEST(Decimal, InFigures) {
    using vantrel::value::inFigures;
    EXPECT_EQ(inFigures({4700, 0}, 2), (Decimal{47, 2}));
    EXPECT_EQ(inFigures({4700, 0}, 2)->significand, 47);
    EXPECT_EQ(inFigures({47, -1}, 3)->significand, 470);
    EXPECT_EQ(inFigures({47, -1}, 3)->exponent, -2);
    EXPECT_EQ(inFigures({1, 0}, 1)->significand, 1);
    EXPECT_EQ(inFigures({4751, 0}, 3), std::nullopt);
    EXPECT_EQ(inFigures({0, 0}, 2), std::nullopt);
}

// Digits around a letter standing for the point, both ways.
TEST(Decimal, PointLetters) {
    using vantrel::value::aroundPoint;
    using vantrel::value::withPointLetter;
    EXPECT_EQ(aroundPoint("4R7", 1, 1, 0), (Decimal{47, -1}));
    EXPECT_EQ(aroundPoint("R47", 0, 1, 0), (Decimal{47, -2}));
    EXPECT_EQ(aroundPoint("47R", 2, 1, 0), (Decimal{47, 0}));
    EXPECT_EQ(aroundPoint("4K7", 1, 1, 3), (Decimal{4700, 0}));
    EXPECT_EQ(aroundPoint("4мк7", 1, 4, 6), (Decimal{4'700'000, 0}));
    EXPECT_EQ(aroundPoint("R", 0, 1, 0), std::nullopt);
    EXPECT_EQ(aroundPoint("1R2R", 1, 1, 0), std::nullopt);
    EXPECT_EQ(aroundPoint("12R34", 2, 1, 0, 4), (Decimal{1234, -2}));
    EXPECT_EQ(aroundPoint("12R345", 2, 1, 0, 4), std::nullopt);

    const struct {
        Decimal value;
        std::string_view letter;
        int shift;
        std::size_t minDigits;
        std::string_view code;
    } cases[] = {{{4700, 0}, "K", 3, 0, "4K7"}, {{47, -2}, "R", 0, 0, "R47"},
                 {{47, 0}, "R", 0, 0, "47R"},   {{1000, 0}, "K", 3, 0, "1K0"},
                 {{47, 0}, "R", 0, 3, "47R0"},  {{47, -1}, "R", 0, 4, "4R700"},
                 {{1, 5}, "µ", 6, 0, "µ1"},     {{4700, 0}, "n", 3, 0, "4n7"},
                 {{100, 0}, "M", 6, 0, "M0001"}};
    for (const auto& c : cases)
        EXPECT_EQ(withPointLetter(c.value, c.letter, c.shift, c.minDigits), c.code) << c.code;
}

// A value spelt in each unit of each quantity, and beyond the largest and the smallest.
TEST(Decimal, SpeltInEveryUnit) {
    EXPECT_EQ(vantrel::value::spell({4700, 0}, 3), "4,7");
    EXPECT_EQ(vantrel::value::spell({47, 0}, -3), "47000");
    EXPECT_EQ(vantrel::value::spell({470, -1}), "47");
    EXPECT_EQ(vantrel::value::spell({1, -12}), "0,000000000001");
    EXPECT_EQ(vantrel::value::spell({0, 9}), "0");
    const struct {
        Quantity quantity;
        Decimal value;
        std::string_view text;
    } cases[] = {
        {Quantity::Resistance, {47, -2}, "0,47 Ом"},  {Quantity::Resistance, {47, -1}, "4,7 Ом"},
        {Quantity::Resistance, {47, 2}, "4,7 кОм"},   {Quantity::Resistance, {47, 5}, "4,7 МОм"},
        {Quantity::Resistance, {47, 8}, "4,7 ГОм"},   {Quantity::Resistance, {47, 11}, "4,7 ТОм"},
        {Quantity::Resistance, {47, 14}, "4700 ТОм"}, {Quantity::Capacitance, {47, -2}, "0,47 пФ"},
        {Quantity::Capacitance, {47, -1}, "4,7 пФ"},  {Quantity::Capacitance, {47, 2}, "4,7 нФ"},
        {Quantity::Capacitance, {47, 5}, "4,7 мкФ"},  {Quantity::Capacitance, {47, 8}, "4700 мкФ"},
        {Quantity::Inductance, {47, -2}, "0,47 нГн"}, {Quantity::Inductance, {47, -1}, "4,7 нГн"},
        {Quantity::Inductance, {47, 2}, "4,7 мкГн"},  {Quantity::Inductance, {47, 5}, "4,7 мГн"},
        {Quantity::Inductance, {47, 8}, "4,7 Гн"},    {Quantity::Inductance, {47, 11}, "4700 Гн"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(vantrel::value::quantityText(c.quantity, c.value), c.text);
    EXPECT_EQ(vantrel::value::inEveryUnit(Quantity::Inductance, {47, 5}),
              "= 4700000 нГн = 4700 мкГн = 4,7 мГн = 0,0047 Гн");
    EXPECT_EQ(vantrel::value::inEveryUnit(Quantity::Resistance, {1, 0}), "= 1 Ом = 0,001 кОм");
}
