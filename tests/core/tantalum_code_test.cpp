// The tantalum code checked against an encoding of its own: a voltage letter is the letter of
// the EIA voltage codes for the same mantissa of the R10 series, at the power of ten that puts
// it from 4 V up to 40 V; T, 50 V, is the one letter outside that rule.
#include "core/codes/tantalum_code.h"
#include "printers.h"

#include <gtest/gtest.h>
#include <map>
#include <string>

using vantrel::codes::readTantalumCode;
using vantrel::codes::tantalumCodeFor;
using vantrel::value::Decimal;
using vantrel::value::Quantity;
using vantrel::value::Reading;

namespace {

// The R10 mantissas of the EIA voltage letters, with V and W between them, in tenths.
const std::map<char, int> kMantissas = {{'A', 10}, {'C', 16}, {'D', 20}, {'E', 25},
                                        {'G', 40}, {'J', 63}, {'V', 35}};

// The letter's volts by the rule, in tenths of a volt; nothing for a letter outside it.
std::optional<Decimal> voltsByRule(char letter) {
    if (letter == 'T')
        return Decimal{50};
    const auto found = kMantissas.find(letter);
    if (found == kMantissas.end())
        return std::nullopt;
    const int tenths = found->second < 40 ? found->second * 10 : found->second; // 4 V to 40 V
    return Decimal{tenths, -1};
}

Reading capacitor(Decimal picofarads, Decimal volts) {
    Reading reading(Quantity::Capacitance, picofarads);
    reading.voltage = volts;
    return reading;
}

} // namespace

// Every capital after the code and before it: the volts the rule gives, or no reading. The
// Latin letters with no rule are the EIA codes' B, F, H, K and W, and the rest.
TEST(TantalumCode, EveryVoltageLetterFollowsTheRule) {
    int letters = 0;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const std::optional<Decimal> volts = voltsByRule(letter);
        const auto want = volts ? std::optional(capacitor({47, 5}, *volts)) : std::nullopt;
        EXPECT_EQ(readTantalumCode(std::string("475") + letter), want) << letter;
        EXPECT_EQ(readTantalumCode(std::string(1, letter) + "475"), want) << letter;
        letters += volts.has_value();
        if (volts) { // the volts after a space
            EXPECT_EQ(readTantalumCode("475 " + vantrel::value::spell(*volts)), want) << letter;
        }
    }
    EXPECT_EQ(letters, 8);
}

// The code's digits, the case, look-alikes and spaces; and what is no tantalum code.
TEST(TantalumCode, TypingAndWhatIsNoCode) {
    const auto uF100 = capacitor({10, 7}, {16});
    for (const std::string_view typed : {"107C", "107c", "c107", " 107С ", "С107", "107 16"})
        EXPECT_EQ(readTantalumCode(typed), uF100) << typed;
    EXPECT_EQ(readTantalumCode("105 6.3"), capacitor({10, 5}, {63, -1}));
    // The makers print a small e for 2,5 В and a capital E for 25 В: each in its own case.
    const struct {
        std::string_view typed;
        Decimal volts;
    } cases[] = {{"e106", {25, -1}}, {"106e", {25, -1}}, {" е106", {25, -1}}, {"106 2,5", {25, -1}},
                 {"E106", {25}},     {"106E", {25}},     {"Е106", {25}}};
    for (const auto& [typed, volts] : cases)
        EXPECT_EQ(readTantalumCode(typed), capacitor({10, 6}, volts)) << typed;
    EXPECT_EQ(tantalumCodeFor(capacitor({10, 6}, {25, -1})), "106e");
    EXPECT_EQ(readTantalumCode("100A"), capacitor({10}, {10})); // 10 пФ: two figures, power 0
    for (const std::string_view none :
         {"", "107", "107B", "B107", "108C", "109C", "007C", "1070C", "07C", "107CC", "C107C",
          "107 15", "107 16V", "107  16", "475 16 25", "107 Ц", "10.7C", "e106e", "ee10"})
        EXPECT_EQ(readTantalumCode(none), std::nullopt) << none;
}

// A code is written for a value with a voltage that has a letter, two figures and a power 0 to
// 7; it reads back to that reading.
TEST(TantalumCode, WrittenWhereALetterAndTwoFiguresGiveItAndReadBack) {
    for (const auto& [letter, mantissa] : kMantissas) {
        const Reading reading = capacitor({33, 5}, *voltsByRule(letter));
        const std::optional<std::string> code = tantalumCodeFor(reading);
        ASSERT_TRUE(code.has_value()) << letter;
        EXPECT_EQ(*code, std::string("335") + letter);
        EXPECT_EQ(readTantalumCode(*code), reading);
    }
    EXPECT_EQ(tantalumCodeFor(capacitor({10, 7}, {50})), "107T");
    EXPECT_EQ(tantalumCodeFor(capacitor({10, 7}, {63})), std::nullopt);  // no letter
    EXPECT_EQ(tantalumCodeFor(capacitor({10, 8}, {16})), std::nullopt);  // power 8
    EXPECT_EQ(tantalumCodeFor(capacitor({47, -1}, {16})), std::nullopt); // 4,7 пФ
    EXPECT_EQ(tantalumCodeFor(capacitor({475, 4}, {16})), std::nullopt); // three figures
    EXPECT_EQ(tantalumCodeFor(Reading(Quantity::Capacitance, {10, 7})), std::nullopt);
    EXPECT_EQ(tantalumCodeFor(Reading(Quantity::Resistance, {10, 7})), std::nullopt);
}
