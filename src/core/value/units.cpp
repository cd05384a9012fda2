#include "core/value/units.h"

#include <array>

namespace vantrel::value {
namespace {

constexpr Prefix kPrefixes[] = {{kPico, "p", "п"},  {kNano, "n", "н"}, {kMicro, "µ", "мк"},
                                {kMilli, "m", "м"}, {0, "", ""},       {kKilo, "k", "к"},
                                {kMega, "M", "М"},  {kGiga, "G", "Г"}, {kTera, "T", "Т"}};

constexpr const Prefix* prefixWith(int exponent) {
    for (const Prefix& prefix : kPrefixes)
        if (prefix.exponent == exponent)
            return &prefix;
    return nullptr;
}

constexpr Unit unitOfQuantity(Quantity quantity) {
    switch (quantity) {
    case Quantity::Resistance:
        return {"Ω", "Ом", 0, kTera};
    case Quantity::Capacitance:
        return {"F", "Ф", kPico, kMicro};
    case Quantity::Inductance:
        return {"H", "Гн", kNano, 0};
    }
    return {};
}

// The header's smallest prefixes, which the codes' constants are worked out from, are these.
static_assert(
    unitOfQuantity(Quantity::Resistance).smallest == smallestPrefix(Quantity::Resistance) &&
    unitOfQuantity(Quantity::Capacitance).smallest == smallestPrefix(Quantity::Capacitance) &&
    unitOfQuantity(Quantity::Inductance).smallest == smallestPrefix(Quantity::Inductance));

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
    static constexpr Unit unit = unitOfQuantity(quantity);
    static constexpr std::size_t steps =
        static_cast<std::size_t>(unit.largest - unit.smallest) / 3 + 1;
    static constexpr std::array<Name, steps> names = [] {
        std::array<Name, steps> made{};
        for (std::size_t step = 0; step < steps; ++step)
            made[step] =
                join(prefixWith(unit.smallest + 3 * static_cast<int>(step))->russian, unit.russian);
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

std::span<const Prefix> prefixes() {
    return kPrefixes;
}

const Prefix* prefixOf(int exponent) {
    return prefixWith(exponent);
}

Unit unitOf(Quantity quantity) {
    return unitOfQuantity(quantity);
}

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
