// The codes printed on small inductors: three digits in microhenries, R the point in
// microhenries, N in nanohenries; and the codes written for a value, which read back.
#include "core/codes/inductor_code.h"
#include "printers.h"

#include <gtest/gtest.h>
#include <optional>
#include <string_view>

using vantrel::codes::inductorCode;
using vantrel::codes::inductorCodesFor;
using vantrel::value::Decimal;

namespace {

// The value in nanohenries, or nothing.
std::optional<Decimal> nanohenries(std::string_view typed) {
    const auto reading = inductorCode(typed);
    if (!reading)
        return std::nullopt;
    EXPECT_EQ(reading->quantity, vantrel::value::Quantity::Inductance) << typed;
    EXPECT_FALSE(reading->tolerance || reading->voltage) << typed;
    return reading->value;
}

} // namespace

TEST(InductorCode, ReadsEachForm) {
    const std::pair<std::string_view, std::optional<Decimal>> cases[] = {
        {"101", Decimal{100'000}},        // 10 × 10^1 µH
        {"100", Decimal{10'000}},         // a power of ten of 0
        {"680", Decimal{68'000}},         //
        {"106", Decimal{10'000'000'000}}, // 10 Гн: the largest power
        {"4R7", Decimal{4700}},           //
        {"R47", Decimal{470}},            //
        {"1R0", Decimal{1000}},           //
        {"10R0", Decimal{10'000}},        // four digits around the point
        {"47N", Decimal{47}},             //
        {"4N7", Decimal{47, -1}},         //
        {"N47", Decimal{47, -2}},         //
        {" 101\u00A0", Decimal{100'000}}, // spaces at the ends
        {"107", std::nullopt},            // 7 is no power here
        {"109", std::nullopt},            //
        {"000", std::nullopt},            // no inductor is of zero
        {"0R0", std::nullopt},            //
        {"4r7", std::nullopt},            // printed in capitals
        {"47n", std::nullopt},            //
        {"1001", std::nullopt},           // three digits only
        {"10", std::nullopt},             //
        {"100R00", std::nullopt},         // five digits
        {"4R7N", std::nullopt},           // one point
        {"R", std::nullopt},              //
        {"", std::nullopt},
    };
    for (const auto& [typed, expected] : cases)
        EXPECT_EQ(nanohenries(typed), expected) << typed;
}

// The codes of a value: three digits from 10 мкГн up, R below it with two digits at most, N
// below 100 нГн; each reads back to the value.
TEST(InductorCode, CodesForAValueReadBack) {
    const struct {
        Decimal nanohenries;
        std::optional<std::string> digits, nanohenryPoint;
    } cases[] = {
        {{100'000}, "101", {}}, {{10'000}, "100", {}},       {{10'000'000'000}, "106", {}},
        {{4700}, "4R7", {}},    {{1000}, "1R0", {}},         {{470}, "R47", {}},
        {{47}, {}, "47N"},      {{47, -1}, {}, "4N7"},       {{100}, "R1", {}},
        {{4750}, {}, {}},       {{100'000'000'000}, {}, {}},
    };
    for (const auto& c : cases) {
        const vantrel::codes::InductorCodes codes = inductorCodesFor(c.nanohenries);
        EXPECT_EQ(codes.digits, c.digits) << c.nanohenries.significand;
        EXPECT_EQ(codes.nanohenryPoint, c.nanohenryPoint) << c.nanohenries.significand;
        for (const auto& code : {codes.digits, codes.nanohenryPoint})
            if (code) {
                EXPECT_EQ(nanohenries(*code), c.nanohenries) << *code;
            }
    }
}
