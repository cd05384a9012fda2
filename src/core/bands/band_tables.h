// The colour lists and every band table of the colour-band windows, as fixed data.
#pragma once

#include "core/value/decimal.h"

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace vantrel::bands {

using ColourList = std::span<const std::string_view>;

// The twelve colour names in the order the selectors offer them; the colour list is the
// first ten, the extended colour list (multiplier and tolerance bands) all twelve.
inline constexpr std::array<std::string_view, 12> kColourNames{"Чёрн.", "Кор.", "Крас.",  "Оранж.",
                                                               "Жёлт.", "Зел.", "Гол.",   "Фиол.",
                                                               "Сер.",  "Бел.", "Сереб.", "Золот."};
inline constexpr ColourList kColourList{kColourNames.data(), 10};
inline constexpr ColourList kExtendedColourList{kColourNames};

// What picking one colour does to a band: store a fragment (possibly empty) with the number
// it stands for, or reject the colour. A rejected colour shows the band's check message unless
// the row has its own. The number is what the band's role makes of the colour: a digit, a
// factor, a tolerance in per cent, a temperature coefficient in ppm/°C; a fragment that names
// no number ("Error") has none.
struct Effect {
    constexpr Effect(const char* storedFragment, value::Decimal itsNumber)
        : stores(true)
        , text(storedFragment)
        , number(itsNumber) {}
    static constexpr Effect withoutNumber(const char* storedFragment) {
        return {true, storedFragment};
    }
    static constexpr Effect reject(std::string_view ownMessage = {}) { return {false, ownMessage}; }

    bool stores;
    std::string_view text; // the fragment, or the row's own check message
    std::optional<value::Decimal> number;

private:
    constexpr Effect(bool doesStore, std::string_view fragmentOrMessage)
        : stores(doesStore)
        , text(fragmentOrMessage) {}
};
inline constexpr Effect kReject = Effect::reject();

// A band table: one effect per item of its list, in list order. A selector offers the
// items; the position of the picked one is the position of its effect.
struct BandTable {
    ColourList items;
    std::span<const Effect> effects;
};

extern const BandTable kLeadingDigitTable;
extern const BandTable kDigitTable;
extern const BandTable kResistorMultiplierTable;
extern const BandTable kResistorToleranceTable; // the 4-band and 6-band windows
extern const BandTable kFiveBandToleranceTable; // orange and yellow store "Error"
extern const BandTable kTemperatureCoefficientTable;
extern const BandTable kInductorMultiplierTable3; // the line adds the "*"
extern const BandTable kInductorMultiplierTable4; // fragments carry their own "*"
extern const BandTable kInductorToleranceTable;

} // namespace vantrel::bands
