// Capacitor codes as printed: each value form, every voltage code and tolerance letter, the
// look-alike letters, the order that settles short codes, and what is no code.
#include "core/codes/printed_capacitor_code.h"
#include "typed_code_cases.h"

#include <gtest/gtest.h>

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
                 {"p47B", "C=0,47 пФ ±0,1 пФ"},
                 {"p47C", "C=0,47 пФ ±0,25 пФ"},
                 {"1D", "C=1 пФ ±0,5 пФ"},
                 {"1F", "C=1 пФ ±1 %"},
                 {"1G", "C=1 пФ ±2 %"},
                 {"104J", "C=100 нФ ±5 %"},
                 {"104K", "C=100 нФ ±10 %"},
                 {"104M", "C=100 нФ ±20 %"},
                 {"2u2Z", "C=2,2 мкФ +80/-20 %"},
                 {"1C", "C=1 пФ ±0,25 пФ"},
                 {"2A104J", "C=100 нФ ±5 %, 100 В"},
                 {"1H 4n7 K", "C=4,7 нФ ±10 %, 50 В"}});
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
        "",       "   ",  "107",   "1X104",  "4n7n",    "104JJ",    "abc",      "2A",   "2AJ",
        "1CC",    "0",    "000",   "0n",     "p0007",   "п0000",    "n",        "4n7.", "10004",
        "4n7000", "104j", "2a104", "1c1",    "4N7",     "4м7",      "4к7",      "104Ж", "4,7n",
        "١٠٤",    "१०४",  "-104",  "104 K7", "2A2A104", "\xFF\xFE", "10\0004"sv};
    vantrel::test::expectChecked(&readPrintedCapacitorCode, rejects);
}
