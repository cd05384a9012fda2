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

// "6.3x11", "Ø8×12", "8x12mm", "6,3×11 мм", "D10xL12.5": an electrolytic's can, its diameter
// and its length in millimetres.
std::optional<CanSize> canSizeOf(std::string_view text) {
    for (const std::string_view unit : {" мм", "мм", " mm", "mm"})
        if (text.ends_with(unit)) {
            text.remove_suffix(unit.size());
            break;
        }
    for (const std::string_view diameter : {"Ø", "ø", "φ", "Φ", "Ф", "D"})
        if (text.starts_with(diameter)) {
            text.remove_prefix(diameter.size());
            break;
        }
    std::size_t times = std::string_view::npos;
    std::size_t timesSize = 0;
    for (const std::string_view sign : {"x", "X", "×", "х", "Х"})
        if (const std::size_t at = text.find(sign); at != std::string_view::npos)
            times = at, timesSize = sign.size();
    if (times == std::string_view::npos)
        return std::nullopt;
    std::string_view length = text.substr(times + timesSize);
    if (length.starts_with("L"))
        length.remove_prefix(1);
    const std::optional<Decimal> across = readNumber(text.substr(0, times));
    const std::optional<Decimal> along = readNumber(length);
    // The cans makers list run from 3 mm across to 100 and from 3 mm long to 250.
    const auto within = [](const std::optional<Decimal>& mm, int least, int most) {
        return mm && toDouble(*mm) >= least && toDouble(*mm) <= most;
    };
    if (!within(across, 3, 100) || !within(along, 3, 250))
        return std::nullopt;
    return CanSize{across->normalised(), along->normalised()};
}

} // namespace vantrel::value
