// The facts a line of a parts list may give besides its value, each read from one to four
// words: tolerance, rated voltage, dielectric, size, power, rated current, temperature, TCR,
// a tantalum's case, an electrolytic's can, and the words of descriptions, some of which name
// a component.
#pragma once

#include "core/codes/dielectric.h"
#include "core/value/chip_sizes.h"
#include "core/value/decimal.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel::marking {

enum class Kind {
    Tolerance,
    ToleranceLetter,
    Voltage,
    Dielectric,
    Size,
    Power,
    Current,
    Temperature,
    TemperatureCoefficient,
    Case,
    Can,
    Name
};

// "допуск", "напряжение" …: what a kind is called where a line is refused for it.
std::string_view kindName(Kind kind);

// The components a fact may belong to: resistor, capacitor, inductor.
using Components = std::array<bool, 3>;

struct Fact {
    Kind kind;
    std::string_view text; // as written
    std::string tolerance; // a tolerance as the value reader takes it after a value: "±5 %"
    value::Decimal amount; // volts, watts, amperes or °C
    std::optional<codes::Dielectric> dielectric;
    std::optional<value::ChipSize> size;
    bool metric = false;
    std::optional<std::string_view> moulded; // a tantalum case, from value::tantalumCases()
    std::optional<value::CanSize> can;
    Components fits = {true, true, true};
};

// The fact the text is, or nothing.
std::optional<Fact> factOf(std::string_view text);

// The words a line may hold besides its value and facts, as the reader compares them: in
// capitals.
std::vector<std::string_view> knownWords();

} // namespace vantrel::marking
