// A value written with its unit: every spelling of every unit the reader takes, what follows
// the value, and what it refuses.
#include "core/marking/value_text.h"
#include "core/value/readout.h"
#include "typed_code_cases.h"

#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace {

// "R 4700": the quantity's letter and the value in its smallest unit, or "-".
std::string read(std::string_view typed) {
    const auto reading = vantrel::marking::readValueWithUnit(typed);
    if (!reading)
        return "-";
    const char letter = reading->quantity == vantrel::value::Quantity::Resistance    ? 'R'
                        : reading->quantity == vantrel::value::Quantity::Capacitance ? 'C'
                                                                                     : 'L';
    using vantrel::value::spell;
    using vantrel::value::toleranceText;
    std::string text = std::string(1, letter).append(" ").append(spell(reading->value));
    // Appended piece by piece: GCC 12 warns falsely about a literal + a temporary.
    if (reading->tolerance)
        text.append(" ").append(toleranceText(reading->quantity, *reading->tolerance));
    if (reading->temperatureCoefficient)
        text.append(" ТКС ").append(spell(*reading->temperatureCoefficient));
    if (reading->voltage)
        text.append(" ").append(spell(*reading->voltage)).append(" В");
    return text;
}

void expectRead(std::initializer_list<vantrel::test::TypedCase> cases) {
    vantrel::test::expectEach(&read, cases);
}

} // namespace

// Ohms in ohms, picofarads and nanohenries: every spelling, Latin and Russian.
TEST(ValueText, OhmsInEverySpelling) {
    expectRead({
        {"47 Ом", "R 47"},           {"47 ом", "R 47"},         {"47 Ω", "R 47"},
        {"47Ohm", "R 47"},           {"47 ohm", "R 47"},        {"47 Om", "R 47"},
        {"4,7 кОм", "R 4700"},       {"4,7 ком", "R 4700"},     {"4.7k", "R 4700"},
        {"4.7K", "R 4700"},          {"4,7 к", "R 4700"},       {"4.7 kΩ", "R 4700"},
        {"4.7 KΩ", "R 4700"},        {"4.7kOhm", "R 4700"},     {"4.7 kOm", "R 4700"},
        {"2,2 МОм", "R 2200000"},    {"2,2 М", "R 2200000"},    {"2.2M", "R 2200000"},
        {"2.2 MΩ", "R 2200000"},     {"2.2 MOhm", "R 2200000"}, {"2.2MOm", "R 2200000"},
        {"1 ГОм", "R 1000000000"},   {"1 GΩ", "R 1000000000"},  {"1 ТОм", "R 1000000000000"},
        {"1 TΩ", "R 1000000000000"}, {"0 Ом", "R 0"},
    });
}

TEST(ValueText, FaradsAndHenriesInEverySpelling) {
    expectRead({
        {"10 пФ", "C 10"},        {"10 пф", "C 10"},        {"10pF", "C 10"},
        {"10 нФ", "C 10000"},     {"10 нф", "C 10000"},     {"10nF", "C 10000"},
        {"10 мкФ", "C 10000000"}, {"10 мкф", "C 10000000"}, {"10uF", "C 10000000"},
        {"10µF", "C 10000000"},   {"10μF", "C 10000000"},   {"0,001 пФ", "C 0,001"},
        {"10 нГн", "L 10"},       {"10 нгн", "L 10"},       {"10nH", "L 10"},
        {"10 мкГн", "L 10000"},   {"10 мкгн", "L 10000"},   {"10uH", "L 10000"},
        {"10µH", "L 10000"},      {"10μH", "L 10000"},      {"10 мГн", "L 10000000"},
        {"10 мгн", "L 10000000"}, {"10mH", "L 10000000"},   {"1 Гн", "L 1000000000"},
        {"1 гн", "L 1000000000"},
    });
}

// As distributors and schematics write them: capitals before F and H, SPICE's Meg, R after a
// number of ohms, a small m as milli, a capacitor's prefix alone, an ohm after a prefix alone.
TEST(ValueText, AsListsAndDistributorsWriteThem) {
    expectRead({
        {"0.1UF", "C 100000"},
        {"100NF", "C 100000"},
        {"100PF", "C 100"},
        {"10UH", "L 10000"},
        {"100NH", "L 100"},
        {"1MH", "L 1000000"},
        {"1Meg", "R 1000000"},
        {"1MEG", "R 1000000"},
        {"4.7R", "R 4,7"},
        {"10mΩ", "R 0,01"},
        {"47 мОм", "R 0,047"},
        {"1mF", "C 1000000000"},
        {"0.1u", "C 100000"},
        {"2.2n", "C 2200"},
        {"0,1мк", "C 100000"},
        {"10p", "C 10"},
        {"10K OHM", "R 10000"},
        {"4.7 k Ohms", "R 4700"},
        {"1MF", "-"},
        {"10U", "-"},
        {"2m", "-"},
        {"1 M Ω", "R 1000000"},
        {"10K OHMS", "R 10000"},
        {"10KOHM", "R 10000"},
    });
}

// Milli against micro, and what no unit of these is.
TEST(ValueText, UnitsThatAreEasilyConfused) {
    expectRead({
        {"1 mH", "L 1000000"},
        {"1 мГн", "L 1000000"},
        {"1 uH", "L 1000"},
        {"1 мкГн", "L 1000"},
        {"1 MΩ", "R 1000000"},
        {"1 mΩ", "R 0,001"},
        {"1 мОм", "R 0,001"},
        {"10H", "-"},
        {"10 H", "-"},
        {"1 F", "-"},
        {"1 mF", "C 1000000000"},
        {"1 Ф", "-"},
        {"1 kH", "-"},
        {"4.7 кOм", "-"},
        {"47 ОМ", "-"},
        {"0 пФ", "-"},
        {"0,0001 пФ", "-"},
        {"4.7", "-"},
        {"кОм", "-"},
        {"4,7 кОмм", "-"},
        {"473K250V", "-"},
    });
}

// What the readout writes after a value reads back as it wrote it.
TEST(ValueText, ToleranceTemperatureCoefficientAndVolts) {
    expectRead({
        {"4,7 кОм ±5 %", "R 4700 ±5 %"},
        {"4,7 кОм +/-5%", "R 4700 ±5 %"},
        {"1 пФ ±0,25 пФ", "C 1 ±0,25 пФ"},
        {"4,7 кОм ±10 Ом", "R 4700 ±10 Ом"},
        {"10 мкФ +80/-20 %", "C 10000000 +80/-20 %"},
        {"10 кОм ±1 %, ТКС ±50 ppm/°C", "R 10000 ±1 % ТКС 50"},
        {"100 нФ ±5 %, 100 В", "C 100000 ±5 % 100 В"},
        {"1000 мкФ, 6,3 В", "C 1000000000 6,3 В"},
        {"1000 мкФ, 6.3 V", "C 1000000000 6,3 В"},
        {"1 пФ ±0,25 Ом", "-"},
        {"4,7 кОм ±", "-"},
        {"4,7 кОм ±5", "-"},
        {"4,7 кОм, ТКС", "-"},
        {"4,7 кОм, 100", "-"},
        {"4,7 кОм ±5 % x", "-"},
    });
}
