// The capacitor codes, and a fuzz pass over every press that takes typed text.
#include "core/codes/capacitor_code.h"
#include "core/codes/letter_code.h"
#include "line_forms.h"

#include <gtest/gtest.h>
#include <random>

using namespace vantrel::codes;

namespace {
using Messages = std::vector<std::string_view>;
const Messages kOneCheck{"Проверь цифры!"};
} // namespace

TEST(ThreeDigitCode, LinesForEveryMultiplier) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"9", "C=47*0,1 пФ"}, {"0", "C=47пФ"}, {"1", "C=470 пФ"},
        {"2", "C=47*0,1 нФ"}, {"3", "C=47нФ"}, {"4", "C=470 нФ"}};
    for (const auto& [multiplier, line] : cases) {
        const PressResult result = pressThreeDigitCode("47", multiplier);
        EXPECT_EQ(result.messages, Messages{});
        EXPECT_EQ(result.line, line);
    }
    EXPECT_EQ(pressThreeDigitCode("10", "4").line, "C=100 нФ");
}

TEST(ThreeDigitCode, OnlyE6PairsAreTaken) {
    for (std::string_view digits : {"10", "15", "22", "33", "47", "68"})
        EXPECT_EQ(pressThreeDigitCode(digits, "0").line,
                  std::string("C=") + std::string(digits) + "пФ");
    for (std::string_view digits : {"12", "56", "", " 4", "4", "4 ", "١٠", "ab"})
        EXPECT_EQ(pressThreeDigitCode(digits, "0").messages, kOneCheck) << digits;
}

// A press that shows a check message writes nothing, not a line from an earlier press.
TEST(ThreeDigitCode, RefusedFieldWritesNoLine) {
    for (auto [digits, multiplier] : {std::pair{"56", "3"}, {"47", "5"}, {"12", "3"}}) {
        const PressResult refused = pressThreeDigitCode(digits, multiplier);
        EXPECT_EQ(refused.messages, kOneCheck);
        EXPECT_EQ(refused.line, "");
        EXPECT_EQ(refused.readout, "");
    }
    EXPECT_EQ(pressThreeDigitCode("", "").messages, (Messages{"Проверь цифры!", "Проверь цифры!"}));
}

TEST(FourDigitCode, CopiesTheDigitsAsTyped) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"9", "100*0,1 пФ"}, {"0", "100пФ"}, {"1", "1000 пФ"},
        {"2", "100*0,1 нФ"}, {"3", "100нФ"}, {"4", "1000 нФ"}};
    for (const auto& [multiplier, line] : cases)
        EXPECT_EQ(pressFourDigitCode("100", multiplier).line, line);
    EXPECT_EQ(pressFourDigitCode("", "3").line, "нФ");
    EXPECT_EQ(pressFourDigitCode("ab", "0").line, "abпФ");
    const PressResult refused = pressFourDigitCode("470", "8");
    EXPECT_EQ(refused.messages, kOneCheck);
    EXPECT_EQ(refused.line, "");
}

namespace {

// Random text: valid and broken UTF-8, control characters, RTL marks, emoji, long runs.
std::string randomText(std::mt19937& random) {
    static const std::vector<std::string> kPieces = {"1",
                                                     "3",
                                                     "4",
                                                     "9",
                                                     "47",
                                                     "R",
                                                     "K",
                                                     "К",
                                                     "Е",
                                                     "E",
                                                     "J",
                                                     "M",
                                                     "М",
                                                     "Г",
                                                     "Т",
                                                     "\xE2\x80\x8F",
                                                     "\xF0\x9F\x98\x80",
                                                     "\x00",
                                                     "\n",
                                                     "\t",
                                                     " ",
                                                     "\xFF",
                                                     "\xD0",
                                                     "\xC3\x28",
                                                     "ñ",
                                                     "字",
                                                     "٣",
                                                     "2 цифры",
                                                     "3 цифры",
                                                     "+/-",
                                                     "%"};
    std::uniform_int_distribution<int> length(0, 6);
    std::uniform_int_distribution<std::size_t> piece(0, kPieces.size() - 1);
    std::uniform_int_distribution<int> byte(0, 255);
    std::string text;
    const int count = length(random);
    for (int i = 0; i < count; ++i) {
        if (random() % 8 == 0)
            text += static_cast<char>(byte(random));
        else
            text += kPieces[piece(random)];
    }
    if (random() % 50 == 0)
        text.append(200000, 'J');
    return text;
}

} // namespace

// Whatever is typed, a press only ever writes a line of one of the program's forms, or nothing.
TEST(CodePresses, RandomTextNeverBreaksTheLineForms) {
    std::mt19937 random(20261208);
    for (int round = 0; round < 3000; ++round) {
        const DigitCount mode = random() % 2 ? DigitCount::Two : DigitCount::Three;
        const std::string a = randomText(random), b = randomText(random), c = randomText(random),
                          d = randomText(random);
        const PressResult letter = pressLetterCode({mode, a, b, c, d});
        EXPECT_LE(letter.messages.size(), 3u);
        EXPECT_TRUE(vantrel::forms::isCodeReadout(letter.line, letter.readout, a, 15));
        if (!letter.line.empty()) {
            EXPECT_TRUE(letter.messages.empty());
            EXPECT_TRUE(vantrel::forms::isLetterCodeLine(letter.line, a))
                << letter.line.substr(0, 80);
        }
        const PressResult cap3 = pressThreeDigitCode(a, b);
        EXPECT_LE(cap3.messages.size(), 2u);
        EXPECT_TRUE(vantrel::forms::isCodeReadout(cap3.line, cap3.readout, a, 2));
        if (!cap3.line.empty()) {
            EXPECT_TRUE(cap3.messages.empty());
            EXPECT_TRUE(vantrel::forms::isThreeDigitLine(cap3.line, a)) << cap3.line;
        }
        const PressResult cap4 = pressFourDigitCode(c, d);
        EXPECT_LE(cap4.messages.size(), 1u);
        EXPECT_TRUE(vantrel::forms::isCodeReadout(cap4.line, cap4.readout, c, 3));
        if (!cap4.line.empty()) {
            EXPECT_TRUE(cap4.messages.empty());
            EXPECT_TRUE(vantrel::forms::isFourDigitLine(cap4.line, c)) << cap4.line.substr(0, 80);
        }
    }
}
