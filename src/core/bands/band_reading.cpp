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

// The first colour of the table whose row stands for the number.
std::optional<int> colourFor(const BandTable& table, Decimal number) {
    const auto found = std::ranges::find_if(table.effects, [&](const Effect& effect) {
        return effect.stores && effect.number && *effect.number == number;
    });
    if (found == table.effects.end())
        return std::nullopt;
    return static_cast<int>(found - table.effects.begin());
}

} // namespace

std::optional<BandMarking> bandsFor(const WindowRecipe& recipe, const Reading& reading) {
    if (reading.quantity != recipe.quantity)
        return std::nullopt;
    const auto digitBands = std::ranges::count(recipe.bands, Role::Digit, &BandRecipe::role);
    const Decimal value{reading.value.significand, reading.value.exponent - recipe.exponent};
    const std::optional<Decimal> figures = value::inFigures(value, static_cast<int>(digitBands));
    if (!figures)
        return std::nullopt;
    const std::string digits = std::to_string(figures->significand);
    BandMarking marking;
    std::size_t digit = 0;
    for (const BandRecipe& band : recipe.bands) {
        std::optional<int> colour;
        switch (band.role) {
        case Role::Digit:
            colour = colourFor(*band.table, {digits[digit++] - '0'});
            break;
        case Role::Multiplier:
            colour = colourFor(*band.table, {1, figures->exponent});
            break;
        case Role::Tolerance:
            if (reading.tolerance && reading.tolerance->kind == value::Tolerance::Kind::Percent)
                colour = colourFor(*band.table, reading.tolerance->above);
            marking.toleranceBand = colour.has_value();
            if (!colour)
                return marking; // the tolerance band is the part's own
            break;
        case Role::TemperatureCoefficient:
            return marking;
        }
        if (!colour)
            return std::nullopt;
        marking.colours.push_back(*colour);
    }
    return marking;
}

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
