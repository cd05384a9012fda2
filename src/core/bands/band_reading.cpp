#include "core/bands/band_reading.h"

#include "core/value/series.h"

#include <algorithm>
#include <array>

namespace vantrel::bands {
namespace {

using value::Decimal;
using value::Reading;

enum class Strictness { ForwardLine, OtherEnd };

// Reads the colours as the recipe's bands, each by the number its table's row gives. A colour
// that a band's table rejects gives no reading; a tolerance band that names no number
// ("Error") gives no tolerance when the window wrote its line from it, and no reading from the
// other end.
std::optional<Reading> read(const WindowRecipe& recipe, std::span<const int> colours,
                            Strictness strictness) {
    Reading reading(recipe.quantity, {0, recipe.exponent}, recipe.impliedTolerance);
    for (std::size_t band = 0; band < recipe.bands.size(); ++band) {
        const BandRecipe& bandRecipe = recipe.bands[band];
        const int colour = colours[band];
        if (colour < 0 || static_cast<std::size_t>(colour) >= bandRecipe.table->effects.size())
            return std::nullopt;
        const Effect& effect = bandRecipe.table->effects[static_cast<std::size_t>(colour)];
        if (!effect.stores)
            return std::nullopt;
        if (!effect.number) { // only a tolerance row names no number
            if (strictness == Strictness::OtherEnd)
                return std::nullopt;
            reading.tolerance.reset();
            continue;
        }
        const Decimal number = *effect.number;
        switch (bandRecipe.role) {
        case Role::Digit:
            reading.value.significand = reading.value.significand * 10 + number.significand;
            break;
        case Role::Multiplier:
            reading.value.significand *= number.significand;
            reading.value.exponent += number.exponent;
            break;
        case Role::Tolerance:
            reading.tolerance = value::Tolerance::percent(number);
            break;
        case Role::TemperatureCoefficient:
            reading.temperatureCoefficient = number;
            break;
        }
    }
    return reading;
}

} // namespace

BandReadings readBands(const WindowRecipe& recipe, std::span<const int> colours) {
    if (colours.size() != recipe.bands.size() || colours.size() > kMaxBands)
        return {};
    BandReadings readings{read(recipe, colours, Strictness::ForwardLine), {}};
    const std::optional<Reading>& forward = readings.forward;
    std::optional<Reading>& otherEnd = readings.otherEnd;
    std::array<int, kMaxBands> reversed{};
    std::reverse_copy(colours.begin(), colours.end(), reversed.begin());
    otherEnd = read(recipe, std::span(reversed).first(colours.size()), Strictness::OtherEnd);
    if (forward && otherEnd &&
        (!value::firstSeriesHolding(otherEnd->value) || *otherEnd == *forward))
        otherEnd.reset();
    return readings;
}

std::string bandReadout(const WindowRecipe& recipe, std::span<const int> colours) {
    const BandReadings readings = readBands(recipe, colours);
    return readings.forward ? value::readout(*readings.forward, readings.otherEnd) : "";
}

} // namespace vantrel::bands
