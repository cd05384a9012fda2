// Values as parts lists write them: a designer's value without its unit against IEC 60062's
// letters, the ways lists and distributors write a value with its unit, and what the
// designator makes of a value, line by line through the whole check.
#include "core/parts_list/checks.h"
#include "core/parts_list/line_value.h"

#include <gtest/gtest.h>
#include <span>
#include <string>
#include <vector>

namespace {

using namespace vantrel;
using value::Quantity;
constexpr auto R = Quantity::Resistance;
constexpr auto C = Quantity::Capacitance;
constexpr auto L = Quantity::Inductance;

// IEC 60062's letters for the point and the multiplier: R (or E) ×1, k ×10³, M ×10⁶, G ×10⁹
// for ohms; p ×10⁻¹², n ×10⁻⁹, µ ×10⁻⁶, m ×10⁻³ for farads and henries; a small m is milli on
// a resistor too. The expected values are worked out from those letters by hand, in ohms,
// picofarads and nanohenries.
TEST(BareValue, AsIec60062WritesIt) {
    struct Case {
        const char* word;
        Quantity quantity;
        const char* value; // in the smallest unit, "" for none
    };
    const Case cases[] = {
        // Resistors: the letter as the point or after a number with its own point.
        {"4k7", R, "4700"},
        {"4K7", R, "4700"},
        {"4к7", R, "4700"},
        {"4R7", R, "4,7"},
        {"R47", R, "0,47"},
        {"47R", R, "47"},
        {"4.7R", R, "4,7"},
        {"4.7k", R, "4700"},
        {"1M", R, "1000000"},
        {"1Meg", R, "1000000"},
        {"2M2", R, "2200000"},
        {"1G", R, "1000000000"},
        {"2m2", R, "0,0022"},
        {"50m", R, "0,05"},
        {"0R05", R, "0,05"},
        {"R010", R, "0,01"},
        {"470", R, "470"},
        {"0", R, "0"},
        {"4Е7", R, "4,7"}, // the Cyrillic Е of Russian lists
        // Capacitors: a whole number is picofarads, one with a point microfarads.
        {"100n", C, "100000"},
        {"100N", C, "100000"},
        {"4n7", C, "4700"},
        {"n47", C, "470"},
        {"0.1u", C, "100000"},
        {"4u7", C, "4700000"},
        {"4µ7", C, "4700000"},
        {"0,1мк", C, "100000"},
        {"2m2", C, "2200000000"},
        {"10p", C, "10"},
        {"47", C, "47"},
        {"0.1", C, "100000"},
        // Inductors: a number alone is microhenries.
        {"10u", L, "10000"},
        {"4u7", L, "4700"},
        {"100n", L, "100"},
        {"2m2", L, "2200000"},
        {"10", L, "10000"},
        // None of these is a value a designer writes.
        {"4k7J", R, ""},
        {"4.7k7", R, ""},
        {"k47", R, ""},
        {"M9960", R, ""},
        {"t2k", R, ""},
        {"10k", C, ""},
        {"4R7", L, ""},
        {"0", C, ""},
        {"0n", L, ""},
        {"", R, ""},
    };
    for (const Case& c : cases) {
        const auto read = lists::bareValue(c.word, c.quantity);
        EXPECT_EQ(read ? value::spell(*read) : "", c.value) << c.word;
    }
}

// A line of a list with its designator and value: what it reads as, or the one finding's kind.
struct LineCase {
    const char* designator;
    const char* value;
    const char* reading; // the value text, "" for none
    std::vector<lists::FindingKind> kinds = {};
};

void expectLines(std::span<const LineCase> cases) {
    std::string list = "Ref;Value\n";
    for (const LineCase& c : cases)
        list.append(c.designator).append(";").append(c.value).append("\n");
    const auto checked = lists::checkPartsList(list);
    ASSERT_TRUE(std::holds_alternative<lists::CheckedList>(checked));
    const auto& lines = std::get<lists::CheckedList>(checked).lines;
    ASSERT_EQ(lines.size(), cases.size());
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const LineCase& c = cases[i];
        const lists::CheckedLine& line = lines[i];
        std::vector<lists::FindingKind> kinds;
        std::string texts;
        for (const lists::Finding& finding : line.findings) {
            kinds.push_back(finding.kind);
            texts += finding.text + "\n";
        }
        EXPECT_EQ(kinds, c.kinds) << c.designator << " " << c.value << "\n" << texts;
        EXPECT_EQ(line.readings.empty() ? "" : marking::valueText(line.readings.front()), c.reading)
            << c.designator << " " << c.value;
    }
}

constexpr auto kUnread = lists::FindingKind::Unreadable;
constexpr auto kUnit = lists::FindingKind::UnitVsDesignator;
constexpr auto kSeries = lists::FindingKind::NotInSeries;

// Every way of writing a value that lists and distributors use, with no finding on the line.
TEST(ListValue, AsListsWriteThem) {
    const LineCase cases[] = {
        // A number, a space and the unit, as Russian lists write it.
        {"R1", "10 кОм", "10 кОм"},
        {"C1", "100 nF", "100 нФ"},
        {"L1", "10 мкГн", "10 мкГн"},
        {"R2", "47 Ω", "47 Ом"},
        {"R3", "470 Ohm", "470 Ом"},
        {"R4", "10 кОм ±1 %, 0603 (1608 мм)", "10 кОм ±1 %, 0603 (1608 мм)"},
        {"R5", "10 K", "10 кОм"},
        {"R19", "1K 1206", "1 кОм, 1206 (3216 мм)"}, // not a code of 120 мкФ, 80 В
        {"C21", "100 K", "", {kUnread}},             // K its tolerance, not a unit: 10 or 100 пФ?
        // Spellings of schematics and distributors.
        {"C2", "0.1u", "100 нФ"},
        {"C3", "4.7u", "4,7 мкФ"},
        {"C4", "2.2n", "2,2 нФ"},
        {"C5", "0,1мк", "100 нФ"},
        {"C6", "100NF", "100 нФ"},
        {"C7", "10UF", "10 мкФ"},
        {"C8", "100PF", "100 пФ"},
        {"R6", "4.7R", "4,7 Ом"},
        {"R7", "1Meg", "1 МОм"},
        {"C9", "1000uF 6V3", "1000 мкФ, 6,3 В"},
        {"C10", "100uF 6.3x11", "100 мкФ, 6,3×11 мм"},
        {"C11", "100uF Ø8×12", "100 мкФ, 8×12 мм"},
        {"C12", "CAP CER 0.1UF 50V X7R 0603", "100 нФ, 50 В, 0603 (1608 мм), X7R"},
        {"R8", "RES SMD 10K OHM 1% 1/10W 0603", "10 кОм ±1 %, 0,1 Вт, 0603 (1608 мм)"},
        {"L2", "IND 10UH 2A", "10 мкГн, 2 А"},
        {"C13", "CAP ALUM 100UF 20% 25V RADIAL", "100 мкФ ±20 %, 25 В"},
        {"C14", "100nF -20%,+80% 16V Y5V", "100 нФ +80/-20 %, 16 В, Y5V"},
        {"RN1", "8x 47R", "47 Ом"},
        // The multiplier's case and the designator.
        {"C15", "1mF 16V", "1000 мкФ, 16 В"},
        {"L3", "10u", "10 мкГн"},
        {"L4", "4u7", "4,7 мкГн"},
        {"L5", "100n", "100 нГн"},
        {"L6", "2m2", "2,2 мГн"},
        {"R9", "2m2", "0,0022 Ом"},
        // A designer's value, not a code printed on a chip; the capacitor's three digits are.
        {"R10", "47R", "47 Ом"},
        {"R11", "01C", "1 пФ ±0,25 пФ", {kUnit}}, // a capacitor's code, not EIA-96's 10 кОм
        {"C16", "104", "100 нФ"},
        {"C17", "472", "4,7 нФ"},
        {"C18", "A4", "", {kUnread}},
        {"R18", "RES 68S", "", {kUnread}}, // not EIA-96 with another maker's letter
        // Current-sense resistors, and capacitors below 10 пФ, are no series finding.
        {"R12", "0R05", "0,05 Ом"},
        {"R13", "R010", "0,01 Ом"},
        {"R14", "50m", "0,05 Ом"},
        {"R15", "10mΩ 1W", "0,01 Ом, 1 Вт"},
        {"C19", "5pF", "5 пФ"},
        {"R16", "80k", "80 кОм", {kSeries}},
        {"C20", "12.5pF", "12,5 пФ", {kSeries}},
        // What the designator does not hold.
        {"R17", "100 nF", "100 нФ", {kUnit}},
        {"L7", "10 кОм", "10 кОм", {kUnit}},
    };
    expectLines(cases);
}

// Words that say nothing of the value are passed over where the rest reads, a maker's number
// in the value is compared, a remark in brackets left out; what cannot be read safely is not.
TEST(ListValue, DescriptionsReadAsACarefulReaderWould) {
    const LineCase cases[] = {
        {"C1", "0.1uF decoupling capacitor (ceramic/monolithic)", "100 нФ"},
        {"R1", "Resistor 0 ohm jumper, 0805", "0 Ом, 0805 (2012 мм)"},
        {"R2", "10k trimmer", "10 кОм"},
        {"C2", "CAP CER 100nF 0.022\" (0.55mm) Voltage: 16V 0402 (1005 Metric)",
         "100 нФ, 16 В, 0402 (1005 мм)"},
        {"C3", "33pf / CC0402JRNPO9BN330 / 302010000", "33 пФ"},
        {"R3", "Resistor 100, 1%, 0805 (5% ok)", "100 Ом ±1 %, 0805 (2012 мм)"},
        {"R4", "Resistor 10K, 0.05%, 0805 RT0805WRD0710KL", "10 кОм ±0,05 %, 0805 (2012 мм)"},
        // Two values, or a value that reads two ways, are no reading.
        {"R5", "10k/22k", "", {kUnread}},
        {"R6", "10k or 22k", "", {kUnread}},
        {"R7", "?", "", {kUnread}},
    };
    expectLines(cases);
    // The number in the value is the maker's: another value there is a finding.
    const auto checked = lists::checkPartsList("Ref;Value\nC1;47pf / CC0402JRNPO9BN330\n");
    const auto& line = std::get<lists::CheckedList>(checked).lines.front();
    ASSERT_EQ(line.findings.size(), 1u);
    EXPECT_EQ(line.findings.front().kind, lists::FindingKind::ValueVsPartNumber);
    EXPECT_NE(line.findings.front().text.find("CC0402JRNPO9BN330"), std::string::npos);
}

// What the designator's letters make the line: an R, C or L part; an R, C or L of other
// letters where the value says so; ferrite beads on L and connectors on CN; and no part,
// without a designator, where the value reads as none.
TEST(ListValue, TheDesignatorsLettersAndTheValue) {
    const LineCase cases[] = {
        {"RFB1", "20k 1%", "20 кОм ±1 %"},
        {"CC1", "150pF C0G", "150 пФ, C0G"},
        {"R_OV3", "49.9k 1%", "49,9 кОм ±1 %"},
        {"RP1", "100 кОм", "100 кОм"},
        {"LED1", "Green", ""},
        {"LS1", "8R", ""},
        {"CN2", "XT30U-M", ""},
        {"CN3", "100n", "100 нФ"},
        {"RV1", "14D471K", ""},
        {"L8", "0805 Ferrite Beads", ""},
        {"L11", "Ferrite 0805", ""},
        {"L9", "600R@100MHz", ""},
        {"L10", "MPZ2012S221A", "", {kUnread}}, // a bead's number reads as nothing
        {"Jack", "Mini-Jack female 3.5mm", ""},
        {"Platine", "", ""},
        {"U1", "", ""},
        {"R1", "", "", {kUnread}},
    };
    expectLines(cases);
}

} // namespace
