#include "core/value/units.h"

#include <array>

namespace vantrel::value {
namespace {

// A unit's name made when the program is built: its Russian prefix, then its Russian name.
struct Name {
    std::array<char, 16> text{};
    std::size_t size = 0;
};

constexpr Name join(std::string_view prefix, std::string_view unit) {
    Name name;
    for (const std::string_view part : {prefix, unit})
        for (const char c : part)
            name.text[name.size++] = c;
    return name;
}

template <Quantity quantity> struct Ladder {
    static constexpr Unit unit = unitOf(quantity);
    static constexpr std::size_t steps =
        static_cast<std::size_t>(unit.largest - unit.smallest) / 3 + 1;
    static constexpr std::array<Name, steps> names = [] {
        std::array<Name, steps> made{};
        for (std::size_t step = 0; step < steps; ++step)
            made[step] =
                join(prefixOf(unit.smallest + 3 * static_cast<int>(step))->russian, unit.russian);
        return made;
    }();
    static constexpr std::array<std::string_view, steps> views = [] {
        std::array<std::string_view, steps> made{};
        for (std::size_t step = 0; step < steps; ++step)
            made[step] = {names[step].text.data(), names[step].size};
        return made;
    }();
};

} // namespace

std::span<const std::string_view> unitsOf(Quantity quantity) {
    switch (quantity) {
    case Quantity::Resistance:
        return Ladder<Quantity::Resistance>::views;
    case Quantity::Capacitance:
        return Ladder<Quantity::Capacitance>::views;
    case Quantity::Inductance:
        return Ladder<Quantity::Inductance>::views;
    }
    return {};
}

} // namespace vantrel::value
