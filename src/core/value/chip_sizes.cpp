#include "core/value/chip_sizes.h"

#include <algorithm>

namespace vantrel::value {
namespace {

// Power: Samsung Electro-Mechanics, General Chip Resistor (RC series) data sheet, table
// «Structure and Dimensions» (Type RC0402 … RC6432, Inch 01005 … 2512, Power (W)); it lists
// no 1812 or 2220, which the makers of chip resistors rarely offer; 2220 is a capacitors' size.
// Code: Yageo, RC_P series data sheet, June 07, 2017 V.0, page 3 «Marking»: RC0100, RC0201 and
// RC0402 carry no marking, RC0603 three digits; Yageo, RC series approval sheet, version 2001-8,
// page 2 «Marking»: RC0603 at ±1 % an EIA-96 code, RC0805 to RC2512 four digits. Metric codes as
// IEC 60115-8 and KiCad's footprints write them; Samsung calls 2512 RC6432. 1218, a wide
// terminal 1206, is 1 W in Yageo's RC_L data sheet, its marking that of 1206.
constexpr auto kNone = ChipCode::None;
constexpr auto kEia96 = ChipCode::Eia96ForOnePercent;
constexpr auto kFourDigits = ChipCode::FourDigitsForOnePercent;
constexpr ChipSize kSizes[] = {
    {"01005", "0402", Watts{1, 32}, kNone},      {"0201", "0603", Watts{1, 20}, kNone},
    {"0402", "1005", Watts{1, 16}, kNone},       {"0603", "1608", Watts{1, 10}, kEia96},
    {"0805", "2012", Watts{1, 8}, kFourDigits},  {"1206", "3216", Watts{1, 4}, kFourDigits},
    {"1210", "3225", Watts{1, 3}, kFourDigits},  {"1812", "4532", std::nullopt, kFourDigits},
    {"2010", "5025", Watts{2, 3}, kFourDigits},  {"2512", "6332", Watts{1, 1}, kFourDigits},
    {"2220", "5750", std::nullopt, kFourDigits}, {"1218", "3246", Watts{1, 1}, kFourDigits},
};

// EIA-535: the standard cases and the low ones, as AVX's TAJ and KEMET's T491 tables list them.
constexpr std::string_view kTantalumCases[] = {
    "2012-12", "2012-15", "3216-12", "3216-18", "3528-12", "3528-21", "6032-15", "6032-28",
    "7343-15", "7343-20", "7343-31", "7343-43", "7360-38", "7361-38", "7361-43"};

std::optional<ChipSize> sizeWith(std::string_view code, std::string_view ChipSize::*system) {
    const auto* found = std::ranges::find(kSizes, code, system);
    return found == std::end(kSizes) ? std::nullopt : std::optional(*found);
}

} // namespace

std::span<const ChipSize> chipSizes() {
    return kSizes;
}

std::optional<ChipSize> chipSizeOfInch(std::string_view code) {
    return sizeWith(code, &ChipSize::inch);
}

std::optional<ChipSize> chipSizeOfMetric(std::string_view code) {
    return sizeWith(code, &ChipSize::metric);
}

std::span<const std::string_view> tantalumCases() {
    return kTantalumCases;
}

std::optional<std::string_view> tantalumCaseOf(std::string_view eia) {
    const auto* found = std::ranges::find(kTantalumCases, eia);
    return found == std::end(kTantalumCases) ? std::nullopt : std::optional(*found);
}

} // namespace vantrel::value
