// The band tables: which colours each table rejects and what the others store.
#include "core/bands/band_tables.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <string>

using namespace vantrel::bands;

namespace {

// The effect of the colour at the named item's position, as a pick of that item finds it.
const Effect& effectOf(const BandTable& table, std::string_view item) {
    const auto found = std::find(table.items.begin(), table.items.end(), item);
    EXPECT_NE(found, table.items.end()) << item;
    return table.effects[static_cast<std::size_t>(found - table.items.begin())];
}

std::set<std::string_view> rejectedItems(const BandTable& table) {
    std::set<std::string_view> rejected;
    for (std::size_t item = 0; item < table.items.size(); ++item)
        if (!table.effects[item].stores)
            rejected.insert(table.items[item]);
    return rejected;
}

struct RejectCase {
    const char* table;
    const BandTable* bands;
    std::size_t listSize;
    std::set<std::string_view> rejected;
};

} // namespace

TEST(BandTables, EachTableRejectsExactlyItsColours) {
    const RejectCase cases[] = {
        {"leading digit", &kLeadingDigitTable, 10, {"Чёрн."}},
        {"digit", &kDigitTable, 10, {}},
        {"resistor multiplier", &kResistorMultiplierTable, 12, {}},
        {"resistor tolerance", &kResistorToleranceTable, 12, {"Чёрн.", "Оранж.", "Жёлт.", "Бел."}},
        {"5-band tolerance", &kFiveBandToleranceTable, 12, {"Чёрн.", "Бел."}},
        {"temperature coefficient", &kTemperatureCoefficientTable, 10, {"Чёрн.", "Зел.", "Сер."}},
        {"inductor multiplier 3",
         &kInductorMultiplierTable3,
         12,
         {"Жёлт.", "Зел.", "Гол.", "Фиол.", "Сер.", "Бел."}},
        {"inductor multiplier 4",
         &kInductorMultiplierTable4,
         12,
         {"Жёлт.", "Зел.", "Гол.", "Фиол.", "Сер.", "Бел."}},
        {"inductor tolerance",
         &kInductorToleranceTable,
         12,
         {"Кор.", "Крас.", "Оранж.", "Жёлт.", "Зел.", "Гол.", "Фиол.", "Сер.", "Бел."}},
    };
    for (const RejectCase& c : cases) {
        SCOPED_TRACE(c.table);
        EXPECT_EQ(c.bands->items.size(), c.listSize);
        EXPECT_EQ(c.bands->effects.size(), c.listSize);
        EXPECT_EQ(rejectedItems(*c.bands), c.rejected);
    }
}

TEST(BandTables, ListsFollowTheColourOrder) {
    ASSERT_EQ(kExtendedColourList.size(), 12u);
    EXPECT_EQ(kExtendedColourList.front(), "Чёрн.");
    EXPECT_EQ(kExtendedColourList[9], "Бел.");
    EXPECT_EQ(kExtendedColourList[10], "Сереб.");
    EXPECT_EQ(kExtendedColourList[11], "Золот.");
    EXPECT_EQ(kColourList.size(), 10u);
    EXPECT_EQ(kColourList.back(), "Бел.");
}

TEST(BandTables, MultiplierZerosCarryThousandsDots) {
    const std::pair<std::string_view, std::string_view> expected[] = {
        {"Чёрн.", ""},          {"Кор.", "0"},
        {"Крас.", "00"},        {"Оранж.", ".000"},
        {"Жёлт.", "0.000"},     {"Зел.", "00.000"},
        {"Гол.", ".000.000"},   {"Фиол.", "0.000.000"},
        {"Сер.", "00.000.000"}, {"Бел.", ".000.000.000"},
        {"Сереб.", "*0,01"},    {"Золот.", "*0,1"}};
    for (const auto& [item, fragment] : expected) {
        const Effect& effect = effectOf(kResistorMultiplierTable, item);
        ASSERT_TRUE(effect.stores) << item;
        EXPECT_EQ(effect.text, fragment) << item;
    }
}

TEST(BandTables, InductorGreenToleranceHasItsOwnMessage) {
    const Effect& green = effectOf(kInductorToleranceTable, "Зел.");
    EXPECT_FALSE(green.stores);
    EXPECT_EQ(green.text, "Проверь чсетвёртую полосу!");
    const Effect& red = effectOf(kInductorToleranceTable, "Крас.");
    EXPECT_FALSE(red.stores);
    EXPECT_TRUE(red.text.empty()); // the band's own message
}
