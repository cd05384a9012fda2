// Value to markings: the markings offered for worked values, how far each form reaches, and the
// round trip that every marking of every series value reads back to that value.
#include "core/marking/any_marking.h"
#include "core/marking/value_markings.h"
#include "core/value/series.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace vantrel;
using marking::markingsOf;
using value::Decimal;
using value::Quantity;
using value::Reading;
using value::Tolerance;

namespace {

constexpr auto R = Quantity::Resistance;
constexpr auto C = Quantity::Capacitance;
constexpr auto L = Quantity::Inductance;

// "bands-4 Жёлт. Фиол. Крас.": each marking's form and text.
std::vector<std::string> shown(const Reading& reading) {
    std::vector<std::string> lines;
    for (const marking::Marking& m : markingsOf(reading))
        lines.push_back(std::string(marking::jsonName(m.form)) + " " + m.text);
    return lines;
}

Reading withTolerance(Quantity quantity, Decimal value, int percent) {
    return Reading(quantity, value, Tolerance::percent({percent}));
}

// The reading with a rated voltage, or a rated power; zero for neither.
Reading unrated(Reading reading) {
    return reading;
}

Reading rated(Reading reading, Decimal volts, Decimal watts = {}) {
    if (volts.significand != 0)
        reading.voltage = volts;
    if (watts.significand != 0)
        reading.power = watts;
    return reading;
}

// Every value of the series E6 to E192, as three figures of one decade: the series tell which.
std::vector<int> seriesDecade() {
    std::vector<int> figures;
    for (int n = 100; n < 1000; ++n)
        if (value::firstSeriesHolding({n, -2}))
            figures.push_back(n);
    return figures;
}

} // namespace

// The worked values, every marking in order: resistors in bands, SMD codes, the letter code,
// a jumper's one band and a power resistor's rating; capacitors in codes, EIA-198 where every
// table reads it the same, and a tantalum code where the voltage has a letter; inductors in
// bands and codes. A tolerance a band gives is marked; ±20 % is no band of the 4-band window.
TEST(ValueMarkings, WorkedValues) {
    const struct {
        Reading reading;
        std::vector<std::string> markings;
    } cases[] = {
        {Reading(R, {4700}),
         {"bands-4 Жёлт. Фиол. Крас.", "bands-5 Жёлт. Фиол. Чёрн. Кор.", "smd-3 472", "smd-4 4701",
          "letter-code 4K7"}},
        {withTolerance(R, {4750}, 1),
         {"bands-5 Жёлт. Фиол. Зел. Кор. Кор.", "smd-4 4751", "eia-96 66B", "letter-code 4K75"}},
        {withTolerance(R, {47, -1}, 5),
         {"bands-4 Жёлт. Фиол. Золот. Золот.", "bands-5 Жёлт. Фиол. Чёрн. Сереб. Золот.",
          "smd-r 4R7", "smd-r 4R70", "letter-code 4R7"}},
        {withTolerance(R, {1, 6}, 20),
         {"bands-4 Кор. Чёрн. Зел.", "bands-5 Кор. Чёрн. Чёрн. Жёлт.", "smd-3 105", "smd-4 1004",
          "eia-96 01E", "letter-code 1M0"}},
        {Reading(R, {10}),
         {"bands-4 Кор. Чёрн. Чёрн.", "bands-5 Кор. Чёрн. Чёрн. Золот.", "smd-3 100", "smd-r 10R0",
          "eia-96 01X", "letter-code 10R"}},
        {Reading(R, {1, -1}),
         {"bands-4 Кор. Чёрн. Сереб.", "smd-r R10", "smd-r R100", "eia-96 01Z", "letter-code R1"}},
        {Reading(R, {0}), {"smd-3 000", "smd-4 0000", "single-band Чёрн."}},
        {rated(withTolerance(R, {10}, 5), {}, {5}),
         {"bands-4 Кор. Чёрн. Чёрн. Золот.", "bands-5 Кор. Чёрн. Чёрн. Золот. Золот.", "smd-3 100",
          "smd-r 10R0", "eia-96 01X", "letter-code 10R", "power 5W 10RJ"}},
        {rated(Reading(R, {1, -1}), {}, {25, -2}),
         {"bands-4 Кор. Чёрн. Сереб.", "smd-r R10", "smd-r R100", "eia-96 01Z", "letter-code R1",
          "power 0.25W R1"}},
        {Reading(C, {10000}), {"code-3 103", "unit-point 10n", "eia-198 A4"}},
        {Reading(C, {100000}), {"code-3 104", "unit-point 100n", "unit-point µ1", "eia-198 A5"}},
        {Reading(C, {470}), {"code-3 471", "unit-point 470p", "unit-point n47", "eia-198 S2"}},
        {Reading(C, {1}), {"code-3 109", "unit-point 1p0", "eia-198 A0"}},
        {Reading(C, {47, -2}), {"code-3 478", "unit-point p47"}},
        {Reading(C, {2200000}), {"code-3 225", "unit-point 2µ2", "eia-198 J6"}},
        {Reading(C, {25000}), {"code-3 253", "unit-point 25n", "eia-198 a4"}}, // a small letter
        {Reading(C, {35000}), {"code-3 353", "unit-point 35n"}}, // b or c: the tables disagree
        {Reading(C, {91, 7}), {"unit-point 910µ"}},              // 10^8: the tables disagree
        {rated(Reading(C, {100, 6}), {16}), {"unit-point 100µ", "tantalum 107C"}},
        {rated(Reading(C, {47, 5}), {63, -1}),
         {"code-3 475", "unit-point 4µ7", "eia-198 S6", "tantalum 475J"}},
        {rated(Reading(C, {47, 5}), {63}), {"code-3 475", "unit-point 4µ7", "eia-198 S6"}},
        {withTolerance(L, {100000}, 10), {"bands-4 Кор. Чёрн. Кор. Сереб.", "code-3 101"}},
        {withTolerance(L, {4700}, 20), {"bands-4 Жёлт. Фиол. Золот. Чёрн.", "code-3 4R7"}},
        {Reading(L, {68000}), {"bands-4 Гол. Сер. Чёрн.", "code-3 680"}},
        {Reading(L, {1000}), {"bands-4 Кор. Чёрн. Золот.", "code-3 1R0"}},
        {Reading(L, {47}), {"unit-point 47N"}},
        {Reading(L, {470}), {"bands-4 Жёлт. Фиол. Сереб.", "code-3 R47"}},
        // ±1 Ом is no per-cent band: the bands leave the tolerance to the part.
        {Reading(R, {4700}, Tolerance::absolute({1})),
         {"bands-4 Жёлт. Фиол. Крас.", "bands-5 Жёлт. Фиол. Чёрн. Кор.", "smd-3 472", "smd-4 4701",
          "letter-code 4K7"}},
        {Reading(R, {4751}), {"letter-code 4K751"}}, // four figures: the letter code alone
        {Reading(R, {47512}), {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(shown(c.reading), c.markings) << value::valueLine(c.reading);
}

// How far each form reaches, over the values of the series named: a form that stopped
// offering its markings would still pass the round trip.
TEST(ValueMarkings, EachFormReachesItsRange) {
    using enum marking::MarkingForm;
    using enum value::Series;
    const std::vector<value::Series> twoFigures{E6, E12, E24}, e96{E48, E96};
    const std::vector<value::Series> all{E6, E12, E24, E48, E96, E192};
    const struct {
        Quantity quantity;
        std::vector<value::Series> series; // values that one of these is the first to hold
        Decimal lowest, highest;           // by decade
        marking::MarkingForm form;
    } ranges[] = {
        {R, twoFigures, {1, -1}, {91, 9}, Bands4}, // ×0,01 … ×10^9
        {R, all, {1, 0}, {988, 9}, Bands5},
        {R, twoFigures, {10}, {91, 9}, Smd3},
        {R, all, {100}, {988, 9}, Smd4},
        {R, all, {1, -1}, {988, -1}, SmdR}, // 0,1 Ом to 98,8 Ом
        {R, e96, {1, -1}, {976, 5}, Eia96}, // Z … F
        {R, all, {1, -1}, {988, 10}, LetterCode},
        {C, twoFigures, {1, -1}, {91, 6}, Code3}, // 0,1 пФ to 91 мкФ
        {C, all, {1}, {988, 3}, UnitPoint},       // 1 пФ to 988 нФ
        {C, twoFigures, {1}, {91, 6}, Eia198},    // 1 пФ to 91 мкФ, powers 0 to 7
        {L, twoFigures, {1, 2}, {91, 6}, Bands4}, // 0,1 мкГн to 91 мГн
        {L, twoFigures, {1, 2}, {91, 9}, Code3},  // 0,1 мкГн to 91 Гн
        {L, twoFigures, {1}, {91}, UnitPoint},    // 1 нГн to 91 нГн
    };
    for (const auto& range : ranges) {
        int missing = 0;
        int values = 0;
        for (int exponent = range.lowest.leadingExponent();
             exponent <= range.highest.leadingExponent(); ++exponent)
            for (const int figures : seriesDecade()) {
                const Decimal value{figures, exponent - 2};
                if (std::ranges::find(range.series, *value::firstSeriesHolding(value)) ==
                    range.series.end())
                    continue;
                ++values;
                missing += std::ranges::none_of(
                    markingsOf(Reading(range.quantity, value)),
                    [&](const marking::Marking& m) { return m.form == range.form; });
            }
        EXPECT_GT(values, 0);
        EXPECT_EQ(missing, 0) << marking::jsonName(range.form) << " from "
                              << value::spell(range.lowest);
    }
}

// Every marking of every series value, in every decade, reads back through the any-marking
// reader to exactly that value, and to its tolerance where a band marks it; a tantalum code to
// its voltage too, a power resistor's to its rating and tolerance. Band markings that leave the
// tolerance band to the part are read with one: brown, 1 %, on a resistor; gold, 5 %, on an
// inductor.
TEST(ValueMarkings, EveryMarkingReadsBackToItsValue) {
    const struct {
        Quantity quantity;
        int lowest, highest; // exponents of the smallest unit
        std::vector<std::optional<Tolerance>> tolerances;
        std::string_view partsBand;
        std::vector<Reading (*)(Reading)> ratings;
    } components[] = {
        {R,
         -4,
         12,
         {{}, Tolerance::percent({1}), Tolerance::percent({5, -1}), Tolerance::percent({20})},
         "Кор.",
         {unrated, [](Reading r) { return rated(r, {}, {5}); },
          [](Reading r) {
              return rated(r, {}, {25, -2});
          }}},
        {C,
         -4,
         10,
         {{}},
         "",
         {unrated, [](Reading r) { return rated(r, {16}); },
          [](Reading r) {
              return rated(r, {63, -1});
          }}},
        {L, -3, 10, {{}, Tolerance::percent({10})}, "Золот.", {unrated}},
    };
    int checked = 0;
    for (const auto& component : components)
        for (int exponent = component.lowest; exponent <= component.highest; ++exponent)
            for (const int figures : seriesDecade())
                for (const auto& tolerance : component.tolerances)
                    for (const auto rating : component.ratings) {
                        const Reading reading =
                            rating(Reading(component.quantity, {figures, exponent - 2}, tolerance));
                        for (const marking::Marking& m : markingsOf(reading)) {
                            const bool rated = m.form == marking::MarkingForm::Tantalum ||
                                               m.form == marking::MarkingForm::Power;
                            std::string text = m.text;
                            if (!m.colours.empty() && !m.toleranceBand)
                                text.append(" ").append(component.partsBand);
                            const auto readings = marking::readAnyMarking(text);
                            const bool readBack = std::ranges::any_of(
                                readings, [&](const marking::MarkingReading& r) {
                                    return r.reading.quantity == reading.quantity &&
                                           r.reading.value == reading.value &&
                                           (!m.toleranceBand || r.reading.tolerance == tolerance) &&
                                           (!rated || r.reading == reading);
                                });
                            ++checked;
                            EXPECT_TRUE(readBack) << value::valueLine(reading) << ": " << text;
                        }
                    }
    EXPECT_GT(checked, 40000);
}
