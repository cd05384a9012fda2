// Every row a window accepts, read back: the line the window writes, parsed by a small reader
// of this test's own, states the same value, tolerance and temperature coefficient as the
// first line of its readout. A wrong number or a wrong text in any row fails here.
#include "core/bands/band_set.h"
#include "core/bands/recipes.h"
#include "core/codes/capacitor_code.h"
#include "core/codes/letter_code.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <string_view>

using namespace vantrel;

namespace {

// An exact number: an integer times a power of ten.
struct Exact {
    long long digits = 0;
    int exponent = 0;

    Exact times(Exact other) const { return {digits * other.digits, exponent + other.exponent}; }
    bool operator==(const Exact& other) const {
        Exact a = *this, b = other;
        for (Exact* e : {&a, &b})
            while (e->digits != 0 && e->digits % 10 == 0) {
                e->digits /= 10;
                ++e->exponent;
            }
        return a.digits == b.digits && (a.digits == 0 || a.exponent == b.exponent);
    }
};

void PrintTo(const Exact& e, std::ostream* out) {
    *out << e.digits << "e" << e.exponent;
}

// Digits with `point` as the decimal point; `grouping` (thousands) is skipped. Nothing for any
// other character or no digit at all.
std::optional<Exact> decimal(std::string_view text, char point, char grouping = '\0') {
    Exact e;
    bool fraction = false, any = false;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            e.digits = e.digits * 10 + (c - '0');
            e.exponent -= fraction ? 1 : 0;
            any = true;
        } else if (c == point && !fraction) {
            fraction = true;
        } else if (c != grouping || grouping == '\0') {
            return std::nullopt;
        }
    }
    return any ? std::optional(e) : std::nullopt;
}

// What a line, or a readout's first line, states: the value in the quantity's smallest unit
// (ohms, picofarads, nanohenries).
struct Stated {
    std::optional<Exact> value;
    std::optional<Exact> tolerance; // per cent
    std::optional<Exact> ppm;
    bool operator==(const Stated&) const = default;
};

void PrintTo(const Stated& s, std::ostream* out) {
    const auto part = [out](const char* name, const std::optional<Exact>& e) {
        *out << name;
        if (e)
            PrintTo(*e, out);
        else
            *out << "-";
    };
    part("value ", s.value);
    part(" tolerance ", s.tolerance);
    part(" ppm ", s.ppm);
}

std::string_view cut(std::string_view& text, std::string_view before) {
    const std::size_t at = text.find(before);
    const std::string_view head = text.substr(0, at);
    text.remove_prefix(at == std::string_view::npos ? text.size() : at + before.size());
    return head;
}

bool take(std::string_view& text, std::string_view prefix) {
    if (!text.starts_with(prefix))
        return false;
    text.remove_prefix(prefix.size());
    return true;
}

// "a*b": the digits with "." between thousands, times a factor with a decimal comma.
std::optional<Exact> product(std::string_view text) {
    const std::string_view left = cut(text, "*");
    const auto a = decimal(left, ',', '.');
    const auto b = text.empty() ? std::optional(Exact{1, 0}) : decimal(text, ',');
    return a && b ? std::optional(a->times(*b)) : std::nullopt;
}

Exact power(int exponent) {
    return {1, exponent};
}

// The readout's first line: "4,7 кОм ±5 %, ТКС ±15 ppm/°C".
Stated readoutLine(std::string_view readout) {
    struct Unit {
        std::string_view name;
        int exponent;
    };
    constexpr Unit kUnits[] = {{"Ом", 0},   {"кОм", 3},  {"МОм", 6}, {"ГОм", 9},
                               {"ТОм", 12}, {"пФ", 0},   {"нФ", 3},  {"мкФ", 6},
                               {"нГн", 0},  {"мкГн", 3}, {"мГн", 6}, {"Гн", 9}};
    std::string_view text = readout.substr(0, readout.find('\n'));
    Stated stated;
    const auto number = decimal(cut(text, " "), ',');
    const std::size_t end = std::min(text.find_first_of(" ,"), text.size());
    const std::string_view unitName = text.substr(0, end);
    text.remove_prefix(end);
    for (const Unit& unit : kUnits)
        if (number && unit.name == unitName)
            stated.value = number->times(power(unit.exponent));
    if (take(text, " ±"))
        stated.tolerance = decimal(cut(text, " %"), ',');
    if (take(text, ", ТКС ±"))
        stated.ppm = decimal(cut(text, " ppm/°C"), ',');
    return stated;
}

// "R=10.000 Om+/-5%", "R=47*0,1 Om +/-1%; ТКС= +/-50ppm/`C", "L=47*10 мкГн +/-5%".
Stated colourLine(std::string_view line, std::string_view unit, int unitExponent) {
    Stated stated;
    line.remove_prefix(2); // "R=" or "L="
    if (const auto value = product(cut(line, unit)))
        stated.value = value->times(power(unitExponent));
    take(line, " ");
    if (take(line, "+/-"))
        stated.tolerance = decimal(cut(line, "%"), '.'); // "Error" gives none
    if (take(line, "; ТКС= +/-"))
        stated.ppm = decimal(cut(line, "ppm/`C"), '.');
    return stated;
}

// "R=33 kOm *0.01 ТКС=+/- 5%", "249 ТOm *0.1 ТКС=+/- 0,5%".
Stated letterCodeLine(std::string_view line) {
    struct Prefix {
        std::string_view text;
        int exponent;
    };
    constexpr Prefix kPrefixes[] = {{"kOm", 3}, {"MOm", 6}, {"ГOm", 9}, {"ТOm", 12}, {"Om", 0}};
    take(line, "R=");
    const auto digits = decimal(cut(line, " "), '\0');
    const std::string_view unit = cut(line, " ");
    Exact factor{1, 0};
    if (take(line, "*"))
        factor = decimal(cut(line, " "), '.').value_or(Exact{});
    Stated stated;
    for (const Prefix& prefix : kPrefixes)
        if (digits && unit == prefix.text)
            stated.value = digits->times(factor).times(power(prefix.exponent));
    if (take(line, "ТКС=+/- ") && line.ends_with('%')) {
        line.remove_suffix(1);
        stated.tolerance = line.find('.') != line.npos ? decimal(line, '.') : decimal(line, ',');
    }
    return stated;
}

// "C=47*0,1 нФ", "C=470 пФ", "100нФ".
Stated capacitorLine(std::string_view line) {
    take(line, "C=");
    const int exponent = line.ends_with("нФ") ? 3 : 0;
    line.remove_suffix(std::string_view("пФ").size());
    if (line.ends_with(' '))
        line.remove_suffix(1);
    Stated stated;
    if (const auto value = product(line))
        stated.value = value->times(power(exponent));
    return stated;
}

struct ColourWindow {
    const char* name;
    const bands::WindowRecipe* recipe;
    std::string_view unit;
    int unitExponent;                     // of the line's unit, in the smallest one
    std::optional<Exact> noToleranceBand; // what a line without a tolerance band means
};

// A set with each band given the first colour it accepts.
bands::BandSet firstAccepted(const bands::WindowRecipe& recipe) {
    bands::BandSet set(recipe);
    for (int band = 0; band < set.bandCount(); ++band)
        for (int item = 0; !set.pick(band, item).accepted; ++item) {
        }
    return set;
}

} // namespace

TEST(RoundTrip, EveryColourOfEveryBandOfEveryColourWindow) {
    const ColourWindow windows[] = {
        {"3 bands", &bands::kResistor3Recipe, " Om", 0, Exact{20, 0}},
        {"4 bands", &bands::kResistor4Recipe, " Om", 0, {}},
        {"5 bands", &bands::kResistor5Recipe, " Om", 0, {}},
        {"6 bands", &bands::kResistor6Recipe, " Om", 0, {}},
        {"inductor 3 bands", &bands::kInductor3Recipe, " мкГн", 3, {}},
        {"inductor 4 bands", &bands::kInductor4Recipe, " мкГн", 3, {}},
    };
    int accepted = 0;
    for (const ColourWindow& window : windows) {
        for (int band = 0; band < firstAccepted(*window.recipe).bandCount(); ++band) {
            const int items = static_cast<int>(firstAccepted(*window.recipe).items(band).size());
            for (int item = 0; item < items; ++item) {
                bands::BandSet set = firstAccepted(*window.recipe);
                if (!set.pick(band, item).accepted)
                    continue;
                ++accepted;
                const bands::PressOutcome outcome = set.press();
                SCOPED_TRACE(std::string(window.name) + ": " + outcome.line);
                Stated line = colourLine(outcome.line, window.unit, window.unitExponent);
                ASSERT_TRUE(line.value);
                if (!line.tolerance && outcome.line.find("Error") == std::string::npos)
                    line.tolerance = window.noToleranceBand;
                EXPECT_EQ(line, readoutLine(outcome.readout));
            }
        }
    }
    EXPECT_EQ(accepted, 230); // every accepted colour of every band was tried
}

TEST(RoundTrip, EveryLetterCodeRowAndLetter) {
    constexpr std::string_view kMultipliers[] = {"R", "Е", "K", "К", "M", "М", "G", "Г", "T", "Т"};
    constexpr std::string_view kTolerances[] = {"L", "E", "R", "P", "U", "A", "B", "C",
                                                "D", "F", "G", "J", "K", "M", "N"};
    const std::pair<codes::DigitCount, std::string_view> rows[] = {
        {codes::DigitCount::Two, "1"},   {codes::DigitCount::Two, "2"},
        {codes::DigitCount::Two, "3"},   {codes::DigitCount::Three, "1"},
        {codes::DigitCount::Three, "2"}, {codes::DigitCount::Three, "3"},
        {codes::DigitCount::Three, "4"}};
    for (const auto& [count, position] : rows) {
        const std::string_view digits = count == codes::DigitCount::Two ? "47" : "475";
        for (std::string_view multiplier : kMultipliers) {
            for (std::string_view tolerance : kTolerances) {
                const codes::PressResult result =
                    codes::pressLetterCode({count, digits, position, multiplier, tolerance});
                SCOPED_TRACE(result.line);
                const Stated line = letterCodeLine(result.line);
                ASSERT_TRUE(line.value && line.tolerance);
                EXPECT_EQ(line, readoutLine(result.readout));
            }
        }
    }
}

TEST(RoundTrip, EveryCapacitorMultiplierInBothWindows) {
    for (std::string_view multiplier : {"9", "0", "1", "2", "3", "4"}) {
        for (const codes::PressResult& result : {codes::pressThreeDigitCode("47", multiplier),
                                                 codes::pressFourDigitCode("475", multiplier)}) {
            SCOPED_TRACE(result.line);
            const Stated line = capacitorLine(result.line);
            ASSERT_TRUE(line.value);
            EXPECT_EQ(line, readoutLine(result.readout));
        }
    }
}

// The reader of this test reads what it should, so that a pass above means something.
TEST(RoundTrip, TheTestsOwnReaderReadsWorkedExamples) {
    EXPECT_EQ(colourLine("R=10.000 Om+/-5%", " Om", 0), (Stated{Exact{10000}, Exact{5}, {}}));
    EXPECT_EQ(colourLine("R=47*0,1 Om +/-0.5%; ТКС= +/-1ppm/`C", " Om", 0),
              (Stated{Exact{47, -1}, Exact{5, -1}, Exact{1}}));
    EXPECT_EQ(colourLine("L=10*0,01 мкГн +/-20%", " мкГн", 3), (Stated{Exact{100}, Exact{20}, {}}));
    EXPECT_EQ(letterCodeLine("249 ТOm *0.1 ТКС=+/- 0,5%"),
              (Stated{Exact{249, 11}, Exact{5, -1}, {}}));
    EXPECT_EQ(capacitorLine("C=47*0,1 нФ"), (Stated{Exact{4700}, {}, {}}));
    EXPECT_EQ(readoutLine("333 кОм ±0,1 %, ТКС ±15 ppm/°C\nРяд"),
              (Stated{Exact{333000}, Exact{1, -1}, Exact{15}}));
    EXPECT_EQ(readoutLine("470 нГн"), (Stated{Exact{470}, {}, {}}));
    EXPECT_NE(readoutLine("4,7 кОм"), readoutLine("4,7 МОм"));
}
