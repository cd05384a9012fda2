// The sizes of chip parts: the inch code parts lists and distributors write, its metric twin,
// and what a chip resistor of that size usually is.
#pragma once

#include "core/value/decimal.h"

#include <optional>
#include <span>
#include <string_view>

namespace vantrel::value {

// A rating the makers write as a fraction of a watt: 1/10, 1/3, 2/3.
struct Watts {
    int numerator;
    int denominator;
    bool operator==(const Watts&) const = default;
};

// What a chip resistor of a size has printed on it: nothing, or three digits for ±5 % and, for
// ±1 %, an EIA-96 code where three characters are all it has room for, or four digits.
enum class ChipCode { None, Eia96ForOnePercent, FourDigitsForOnePercent };

struct ChipSize {
    std::string_view inch;              // "0603": length and width in hundredths of an inch
    std::string_view metric;            // "1608": in tenths of a millimetre
    std::optional<Watts> resistorPower; // a thick-film chip resistor's usual rating at 70 °C
    ChipCode code;
    bool operator==(const ChipSize&) const = default;
};

// Every size, the smallest first.
std::span<const ChipSize> chipSizes();

// "0603" as an inch code; nothing for a text that is none.
std::optional<ChipSize> chipSizeOfInch(std::string_view code);
// "1608" as a metric code; nothing for a text that is none.
std::optional<ChipSize> chipSizeOfMetric(std::string_view code);

// The moulded cases of tantalum capacitors by their EIA size, length and width in tenths of a
// millimetre and the height: "3216-18", "7343-31". Makers name them by letters of their own.
std::span<const std::string_view> tantalumCases();
// The case of that EIA size, as the table holds it; nothing for a text that is none.
std::optional<std::string_view> tantalumCaseOf(std::string_view eia);

// An aluminium electrolytic's can: its diameter and length in millimetres, «6,3×11 мм».
struct CanSize {
    Decimal diameter;
    Decimal length;
    bool operator==(const CanSize&) const = default;
};
// "6.3x11", "Ø8×12", "8x12mm", "6,3×11 мм", "D10xL12.5", "10X20"; nothing for a text that is
// no can a maker lists.
std::optional<CanSize> canSizeOf(std::string_view text);

} // namespace vantrel::value
