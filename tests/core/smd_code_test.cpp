// The SMD resistor codes: each form, the look-alike letters and what is no code.
#include "core/codes/smd_code.h"
#include "typed_code_cases.h"

#include <gtest/gtest.h>

using namespace vantrel::codes;

namespace {

void expectLines(std::initializer_list<vantrel::test::TypedCase> cases) {
    vantrel::test::expectLines(&readSmdCode, cases);
}

} // namespace

TEST(SmdCode, JumpersAndDigitCodes) {
    expectLines({{"0", "R=0 Ом"},
                 {"0000", "R=0 Ом"},
                 {"472", "R=4,7 кОм"},
                 {"100", "R=10 Ом"},
                 {"999", "R=99 ГОм"},
                 {"1002", "R=10 кОм"},
                 {"4991", "R=4,99 кОм"},
                 {"0102", "R=1 кОм"}});
}

TEST(SmdCode, RAsTheDecimalPoint) {
    expectLines({{"4R7", "R=4,7 Ом"},
                 {"R47", "R=0,47 Ом"},
                 {"10R0", "R=10 Ом"},
                 {"47R", "R=47 Ом"},
                 {"0R1", "R=0,1 Ом"},
                 {"R010", "R=0,01 Ом"},
                 {"4r7", "R=4,7 Ом"}});
}

// Every multiplier letter, the ends of E96, and A, B, C, E, X typed on a Russian layout.
TEST(SmdCode, Eia96CodesAreOnePercentParts) {
    expectLines({{"01Z", "R=0,1 Ом ±1 %"},
                 {"01y", "R=1 Ом ±1 %"},
                 {"68X", "R=49,9 Ом ±1 %"},
                 {"02A", "R=102 Ом ±1 %"},
                 {"01B", "R=1 кОм ±1 %"},
                 {"01C", "R=10 кОм ±1 %"},
                 {"01D", "R=100 кОм ±1 %"},
                 {"95E", "R=9,53 МОм ±1 %"},
                 {"96F", "R=97,6 МОм ±1 %"},
                 {"01а", "R=100 Ом ±1 %"},
                 {"01В", "R=1 кОм ±1 %"},
                 {"01с", "R=10 кОм ±1 %"},
                 {"01Е", "R=1 МОм ±1 %"},
                 {"68х", "R=49,9 Ом ±1 %"}});
    EXPECT_EQ(readSmdCode("68X").readout, "49,9 Ом ±1 %\nРяд E96");
}

TEST(SmdCode, AnythingElseIsChecked) {
    using namespace std::literals;
    const std::string_view rejects[] = {
        "",      "97A",   "00A",  "01R",      "01S",       "01H",  "4K7",
        "12",    "1",     "R",    "RR",       "4R7R",      "R4R",  "00R1",
        "10002", "4700R", " 472", "472 ",     "4 7",       "47.2", "01Р" /* Cyrillic Р */,
        "01К",   "١٠٢",   "४७२",  "\xFF\xFE", "47\0002"sv, "01C0", "68X1"};
    vantrel::test::expectChecked(&readSmdCode, rejects);
}
