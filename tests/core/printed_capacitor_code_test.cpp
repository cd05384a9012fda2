// Capacitor codes as printed: each value form, every voltage code and tolerance letter, the
// look-alike letters, the order that settles short codes, and what is no code.
#include "core/codes/printed_capacitor_code.h"
#include "typed_code_cases.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

using namespace vantrel::codes;

namespace {

void expectLines(std::initializer_list<vantrel::test::TypedCase> cases) {
    vantrel::test::expectLines(&readPrintedCapacitorCode, cases, 3);
}

} // namespace

TEST(PrintedCapacitorCode, ReadoutsGiveTheSeriesAndEveryUnit) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"2A104J", "100 нФ ±5 %, 100 В\nРяд E6\n= 100000 пФ = 100 нФ = 0,1 мкФ"},
        {"475K", "4,7 мкФ ±10 %\nРяд E6\n= 4700000 пФ = 4700 нФ = 4,7 мкФ"},
        {"4n7", "4,7 нФ\nРяд E6\n= 4700 пФ = 4,7 нФ = 0,0047 мкФ"},
        {"479", "4,7 пФ\nРяд E6\n= 4,7 пФ = 0,0047 нФ"},
        {"p47", "0,47 пФ\nРяд E6\n= 0,47 пФ"},
        {"p001", "0,001 пФ\nРяд E6\n= 0,001 пФ"},
        {"9999",
         "99,9 пФ\nНет в рядах E6–E192, ближайшие: 98,8 пФ и 100 пФ\n= 99,9 пФ = 0,0999 нФ"},
        {"9996", "999 мкФ\nНет в рядах E6–E192, ближайшие: 988 мкФ и 1000 мкФ\n"
                 "= 999000000 пФ = 999000 нФ = 999 мкФ"},
    };
    for (const auto& [typed, readout] : cases)
        EXPECT_EQ(readPrintedCapacitorCode(typed).readout, readout) << typed;
}

TEST(PrintedCapacitorCode, ValueForms) {
    expectLines({{"1", "C=1 пФ"},
                 {"47", "C=47 пФ"},
                 {"07", "C=7 пФ"},
                 {"470", "C=47 пФ"},
                 {"104", "C=100 нФ"},
                 {"226", "C=22 мкФ"},
                 {"108", "C=0,1 пФ"},
                 {"1002", "C=10 нФ"},
                 {"4709", "C=47 пФ"},
                 {"1016", "C=101 мкФ"},
                 {"4n7", "C=4,7 нФ"},
                 {"10n", "C=10 нФ"},
                 {"0n47", "C=470 пФ"},
                 {"2u2", "C=2,2 мкФ"},
                 {"4p7", "C=4,7 пФ"},
                 {"100u", "C=100 мкФ"}});
}

// Every voltage code and tolerance letter once; a voltage code is read only where more
// follows it, a tolerance letter only at the end.
TEST(PrintedCapacitorCode, VoltageCodesAndToleranceLetters) {
    expectLines({{"0G1", "C=1 пФ, 4 В"},
                 {"0J1", "C=1 пФ, 6,3 В"},
                 {"1A1", "C=1 пФ, 10 В"},
                 {"1C1", "C=1 пФ, 16 В"},
                 {"1E1", "C=1 пФ, 25 В"},
                 {"1V1", "C=1 пФ, 35 В"},
                 {"1H1", "C=1 пФ, 50 В"},
                 {"1J1", "C=1 пФ, 63 В"},
                 {"2A1", "C=1 пФ, 100 В"},
                 {"2C1", "C=1 пФ, 160 В"},
                 {"2D1", "C=1 пФ, 200 В"},
                 {"2E1", "C=1 пФ, 250 В"},
                 {"2V1", "C=1 пФ, 350 В"},
                 {"2G1", "C=1 пФ, 400 В"},
                 {"2W1", "C=1 пФ, 450 В"},
                 {"2J1", "C=1 пФ, 630 В"},
                 {"p47A", "C=0,47 пФ ±0,05 пФ"},
                 {"p47B", "C=0,47 пФ ±0,1 пФ"},
                 {"p47C", "C=0,47 пФ ±0,25 пФ"},
                 {"1D", "C=1 пФ ±0,5 пФ"},
                 {"1F", "C=1 пФ ±1 %"},
                 {"1G", "C=1 пФ ±2 %"},
                 {"10H", "C=10 пФ ±3 %"},
                 {"10N", "C=10 пФ ±30 %"},
                 {"10P", "C=10 пФ +100/-0 %"},
                 {"10S", "C=10 пФ +50/-20 %"},
                 {"104J", "C=100 нФ ±5 %"},
                 {"104K", "C=100 нФ ±10 %"},
                 {"104M", "C=100 нФ ±20 %"},
                 {"2u2Z", "C=2,2 мкФ +80/-20 %"},
                 {"1C", "C=1 пФ ±0,25 пФ"},
                 {"2A104J", "C=100 нФ ±5 %, 100 В"},
                 {"1H 4n7 K", "C=4,7 нФ ±10 %, 50 В"}});
}

// The forms printed on films, electrolytics and old ceramics; F right after p, n or u is the
// farad, anywhere else the tolerance letter.
TEST(PrintedCapacitorCode, FilmAndElectrolyticForms) {
    expectLines({{"47nF", "C=47 нФ"},
                 {"100pF", "C=100 пФ"},
                 {"1uF", "C=1 мкФ"},
                 {"4n7F", "C=4,7 нФ ±1 %"},
                 {"100pFJ", "C=100 пФ ±5 %"},
                 {"10 нФ", "C=10 нФ"},
                 {"4,7 мкФ", "C=4,7 мкФ"},
                 {"1.5nf", "C=1,5 нФ"},
                 {"1R5", "C=1,5 пФ"},
                 {"0.1", "C=100 нФ"},
                 {".047", "C=47 нФ"},
                 {"0,1", "C=100 нФ"},
                 {".1K63", "C=100 нФ ±10 %, 63 В"},
                 {"104J100", "C=100 нФ ±5 %, 100 В"},
                 {"473K250", "C=47 нФ ±10 %, 250 В"},
                 {"473J250V", "C=47 нФ ±5 %, 250 В"},
                 {"104K 630", "C=100 нФ ±10 %, 630 В"},
                 {"1C 16", "C=1 пФ ±0,25 пФ, 16 В"}, // volts set off: no voltage code
                 {"47uF 25V", "C=47 мкФ, 25 В"},
                 {"100µF/16V", "C=100 мкФ, 16 В"},
                 {"10u 50V", "C=10 мкФ, 50 В"},
                 {"220мкФ 35В", "C=220 мкФ, 35 В"},
                 {"1000uF 6.3v", "C=1000 мкФ, 6,3 В"},
                 {" 4u7 / 400 в ", "C=4,7 мкФ, 400 В"},
                 // A Cyrillic В after a digit is the volts only where the rest reads without it.
                 {"2Е1В", "C=1 пФ ±0,1 пФ, 250 В"},
                 {"1X104", "C=100 нФ"},
                 {"2Q104J", "C=100 нФ ±5 %"},
                 {"2A", "C=2 пФ ±0,05 пФ"}});
}

// Every rated voltage code the table gives follows the rule the codes come from: the digit is
// the power of ten, the letter a value of the R10 series (A 1, B 1,25, C 1,6, D 2, E 2,5,
// F 3,15, G 4, H 5, J 6,3, K 8) or one of the two in between that makers added, V 3,5 and
// W 4,5; from 1000 V the line counts in kilovolts. The codes makers print from 4 V to 2,5 kV
// are all there; 0L, where tables disagree, gives no voltage here.
TEST(PrintedCapacitorCode, VoltageCodesFollowTheSeriesTheyComeFrom) {
    const std::map<char, std::string> mantissas = {
        {'A', "1"}, {'B', "1,25"}, {'C', "1,6"}, {'D', "2"}, {'E', "2,5"}, {'F', "3,15"},
        {'G', "4"}, {'H', "5"},    {'J', "6,3"}, {'K', "8"}, {'V', "3,5"}, {'W', "4,5"}};
    const auto volts = [](std::string mantissa, int power) {
        const std::size_t comma = mantissa.find(',');
        std::string digits = mantissa;
        if (comma != std::string::npos)
            digits.erase(comma, 1);
        int point = static_cast<int>(comma == std::string::npos ? mantissa.size() : comma) + power;
        while (static_cast<int>(digits.size()) < point)
            digits += '0';
        std::string text = digits.substr(0, static_cast<std::size_t>(point));
        if (point < static_cast<int>(digits.size()))
            text.append(",").append(digits.substr(static_cast<std::size_t>(point)));
        return text;
    };
    std::set<std::string> read;
    for (char digit = '0'; digit <= '9'; ++digit)
        for (char letter = 'A'; letter <= 'Z'; ++letter) {
            const std::string code = {digit, letter};
            const std::string line = readPrintedCapacitorCode(code + "333").line;
            if (!line.ends_with("В"))
                continue;
            read.insert(code);
            ASSERT_TRUE(mantissas.contains(letter)) << code;
            const bool kilovolts = digit == '3';
            EXPECT_EQ(line, "C=33 нФ, " + volts(mantissas.at(letter), digit - '0' - 3 * kilovolts) +
                                (kilovolts ? " кВ" : " В"))
                << code;
        }
    for (const std::string code :
         {"0G", "0J", "1A", "1B", "1C", "1E", "1V", "1H", "1J", "1K", "2A", "2B", "2C", "2D",
          "2E", "2F", "2V", "2G", "2W", "2H", "2J", "2K", "3A", "3B", "3C", "3D", "3E"})
        EXPECT_TRUE(read.contains(code)) << code;
    EXPECT_EQ(readPrintedCapacitorCode("0L104").line, "C=100 нФ");
}

// What a Russian layout types for the Latin letters, the micro signs, and spaces of both kinds.
TEST(PrintedCapacitorCode, LookalikesAndSpaces) {
    expectLines({{"2А104К", "C=100 нФ ±10 %, 100 В"},
                 {"1Н1М", "C=1 пФ ±20 %, 50 В"},
                 {"2Е1В", "C=1 пФ ±0,1 пФ, 250 В"},
                 {"1С", "C=1 пФ ±0,25 пФ"},
                 {"4п7", "C=4,7 пФ"},
                 {"4н7", "C=4,7 нФ"},
                 {"2мк2", "C=2,2 мкФ"},
                 {"2µ2", "C=2,2 мкФ"},
                 {"2μ2", "C=2,2 мкФ"},
                 {" 10\u00A0n ", "C=10 нФ"}});
}

TEST(PrintedCapacitorCode, AnythingElseIsChecked) {
    using namespace std::literals;
    const std::string_view rejects[] = {
        "", "   ", "107", "4N7", "4n7n", "104JJ", "abc", "10uH", "2AJ", "1CC", "0", "000", "0n",
        "p0007", "п0000", "n", "4n7.", "10004", "4n7000", "104j", "2a104", "1c1", "4N7", "4м7",
        "4к7", "104Ж", "4,7n", "١٠٤", "१०४", "-104", "104K7", "2A2A104", "\xFF\xFE", "10\0004"sv,
        // Volts after the value: a rated voltage after a tolerance letter, or any with its V;
        // one voltage to a code.
        "473K251", "2A104J100", "47uF 25VV", "47uF V", "47uF 0V", "/16V",
        // Decimal fractions: below 1 without a unit, with a unit written in full.
        "1.5", "0.0", "0.1.2", "4,7n", "4,7R", "4,7uF7", ".", "0,"};
    vantrel::test::expectChecked(&readPrintedCapacitorCode, rejects);
}

// A voltage code the table does not know, a digit 0 to 3 and a capital, is passed over where
// a code of three characters or more follows it; anything just outside that is no voltage code,
// and R is the point of the code after it.
TEST(PrintedCapacitorCode, UnknownVoltageCodesExactBounds) {
    expectLines({{"0X104", "C=100 нФ"},
                 {"3X104", "C=100 нФ"},
                 {"1A104", "C=100 нФ, 10 В"}, // known
                 {"0A104", "C=100 нФ"},       // a digit and a capital the table lacks
                 {"1Z104", "C=100 нФ"},
                 {"1X104J", "C=100 нФ ±5 %"},
                 {"1X1045", "C=10,4 мкФ"},
                 {"1R104", "C=1,104 пФ"}}); // R is the point
    const std::string_view rejects[] = {"4X104", "9X104", "1@104",  "1[104", "1x104",
                                        "1X10",  "1Ж104", "3R1045", "-X104"};
    vantrel::test::expectChecked(&readPrintedCapacitorCode, rejects);
}
