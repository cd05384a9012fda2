// The resistor letter code: lines, look-alike letters, message order and the kept strings.
#include "core/codes/letter_code.h"

#include <gtest/gtest.h>

using namespace vantrel::codes;

namespace {

PressResult press(DigitCount mode, std::string_view digits, std::string_view position,
                  std::string_view letter, std::string_view tolerance) {
    return pressLetterCode({mode, digits, position, letter, tolerance});
}

using Messages = std::vector<std::string_view>;

} // namespace

TEST(LetterCode, WorkedExamplesFromAFreshStart) {
    struct Case {
        DigitCount mode;
        std::string_view digits, position, letter, tolerance, line;
    };
    const Case cases[] = {
        {DigitCount::Two, "33", "1", "K", "J", "R=33 kOm *0.01 ТКС=+/- 5%"},
        {DigitCount::Two, "47", "2", "М", "F", "R=47 MOm *0.1 ТКС=+/- 1%"},
        {DigitCount::Two, "10", "3", "R", "K", "R=10 Om ТКС=+/- 10%"},
        {DigitCount::Three, "330", "1", "K", "G", "330 kOm *0.001 ТКС=+/- 2%"},
        {DigitCount::Three, "100", "2", "G", "B", "R=100 ГOm *0.01 ТКС=+/- 0.1%"},
        {DigitCount::Three, "249", "3", "Т", "D", "249 ТOm *0.1 ТКС=+/- 0,5%"},
        {DigitCount::Three, "470", "4", "Е", "E", "470 Om ТКС=+/- 0,001%"},
        // Digits are copied exactly as typed, whatever they are.
        {DigitCount::Two, "", "1", "K", "J", "R= kOm *0.01 ТКС=+/- 5%"},
        {DigitCount::Two, "330", "1", "K", "J", "R=330 kOm *0.01 ТКС=+/- 5%"},
        {DigitCount::Two, "a\tб", "3", "T", "N", "R=a\tб ТOm ТКС=+/- 30%"},
    };
    for (const Case& c : cases) {
        const PressResult result = press(c.mode, c.digits, c.position, c.letter, c.tolerance);
        EXPECT_EQ(result.messages, Messages{});
        EXPECT_EQ(result.line, c.line);
    }
}

TEST(LetterCode, LookAlikeLettersAreDifferentCharacters) {
    struct Case {
        std::string_view letter;
        bool multiplierAccepted;
    };
    // Latin "E" is no multiplier letter; Cyrillic "Е", "К", "М", "Г", "Т" are.
    for (const Case& c : {Case{"E", false},
                          {"Е", true},
                          {"К", true},
                          {"М", true},
                          {"Г", true},
                          {"Т", true},
                          {"k", false},
                          {"м", false},
                          {"г", false},
                          {"Р", false},
                          {"", false},
                          {"KK", false}}) {
        const PressResult result = press(DigitCount::Two, "1", "3", c.letter, "J");
        EXPECT_EQ(result.messages.empty(), c.multiplierAccepted) << c.letter;
    }
    // The tolerance letter is the reverse: Latin only.
    for (const Case& c : {Case{"E", true},
                          {"Е", false},
                          {"А", false},
                          {"В", false},
                          {"С", false},
                          {"К", false},
                          {"М", false},
                          {"Р", false},
                          {"T", false},
                          {"Т", false},
                          {"j", false},
                          {"JJ", false},
                          {" J", false},
                          {"J ", false},
                          {"", false},
                          {"R", true},
                          {"M", true}}) {
        const PressResult result = press(DigitCount::Two, "1", "3", "R", c.letter);
        EXPECT_EQ(result.messages.empty(), c.multiplierAccepted) << c.letter;
    }
}

TEST(LetterCode, MessagesComeInFieldOrderAndNoLineFollowsThem) {
    EXPECT_EQ(press(DigitCount::Two, "", "", "", "").messages,
              (Messages{"Проверь цифры в поле №4!", "Проверь буквы в поле №3!",
                        "Проверь положение в поле №2!"}));
    const PressResult three = press(DigitCount::Three, "", "", "", "");
    EXPECT_EQ(three.messages, (Messages{"Проверь цифры в поле №4!", "Проверь буквы в поле №3!",
                                        "Проверь положение!"}));
    EXPECT_EQ(three.line, "");

    // Lower-case letters are refused; the box stays empty instead of showing «R=33 Om ТКС=».
    const PressResult lower = press(DigitCount::Two, "33", "3", "k", "j");
    EXPECT_EQ(lower.messages.size(), 2u);
    EXPECT_EQ(lower.line, "");
}

TEST(LetterCode, PositionsBelongToTheirMode) {
    for (std::string_view position : {"4", "0", "5", "a", "", "11", " 1"}) {
        const PressResult result = press(DigitCount::Two, "33", position, "K", "J");
        EXPECT_EQ(result.messages, Messages{"Проверь положение в поле №2!"});
        EXPECT_EQ(result.line, "");
    }
    for (std::string_view position : {"0", "5", "", "x"}) {
        EXPECT_EQ(press(DigitCount::Three, "330", position, "K", "J").messages,
                  Messages{"Проверь положение!"});
    }
}

TEST(LetterCode, RefusedLetterWritesNoLine) {
    const PressResult refused = press(DigitCount::Two, "33", "1", "K", "X");
    EXPECT_EQ(refused.messages, Messages{"Проверь цифры в поле №4!"});
    EXPECT_EQ(refused.line, "");
    EXPECT_EQ(refused.readout, "");
    // "R" and Cyrillic "Е" are plain ohms.
    EXPECT_EQ(press(DigitCount::Two, "33", "1", "R", "J").line, "R=33 Om *0.01 ТКС=+/- 5%");
    EXPECT_EQ(press(DigitCount::Two, "33", "1", "Е", "J").line, "R=33 Om *0.01 ТКС=+/- 5%");
}
