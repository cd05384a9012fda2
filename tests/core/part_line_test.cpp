// Whole lines as parts lists and labels write them: each fact's spellings and bounds, the
// lines it refuses and why, the same reading in any order, semiconductors, and chip sizes with
// what such a chip carries.
#include "core/marking/any_marking.h"
#include "core/marking/line_facts.h"
#include "core/marking/part_line.h"
#include "core/marking/value_markings.h"
#include "core/value/chip_sizes.h"
#include "core/value/series.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <numeric>
#include <string>
#include <vector>

using namespace vantrel;
using marking::readMarking;

namespace {

// "Конденсатор: 100 нФ, 50 В, X7R" for each reading, joined by " | ".
std::string readingsOf(std::string_view line) {
    std::string text;
    for (const marking::MarkingReading& found : readMarking(line).readings)
        text.append(text.empty() ? "" : " | ")
            .append(marking::componentName(found.reading.quantity))
            .append(": ")
            .append(marking::valueText(found));
    return text;
}

struct Case {
    std::string_view line;
    std::string_view read;
};

} // namespace

// Each fact in its spellings and at its bounds, after a value of the component it fits.
TEST(PartLine, EachFactInItsSpellings) {
    const Case cases[] = {
        // Tolerance: with or without ±, a space or none, absolute, asymmetric, a letter.
        {"4,7k 5%", "Резистор: 4,7 кОм ±5 %"},
        {"10k 5 %", "Резистор: 10 кОм ±5 %"},
        {"10k ± 5 %", "Резистор: 10 кОм ±5 %"},
        {"10k +/-1%", "Резистор: 10 кОм ±1 %"},
        {"10k J", "Резистор: 10 кОм ±5 %"},
        {"1n ±0,25пФ", "Конденсатор: 1 нФ ±0,25 пФ"},
        {"100n 0603 +80/-20%", "Конденсатор: 100 нФ +80/-20 %, 0603 (1608 мм)"},
        // Rated voltage.
        {"100n 50V", "Конденсатор: 100 нФ, 50 В"},
        {"100n 50 в", "Конденсатор: 100 нФ, 50 В"},
        {"102 1kV", "Конденсатор: 1 нФ, 1 кВ"},
        {"472K 2KV", "Конденсатор: 4,7 нФ ±10 %, 2 кВ"},
        {"100n 1,6кВ", "Конденсатор: 100 нФ, 1,6 кВ"},
        {"100n 63VDC", "Конденсатор: 100 нФ, 63 В"},
        {"100n 250VAC", "Конденсатор: 100 нФ, 250 В"},
        {"10M 1/4W 350V", "Резистор: 10 МОм, 350 В, 0,25 Вт"},
        // Power: fractions, milliwatts, Russian.
        {"470R 1/4W", "Резистор: 470 Ом, 0,25 Вт"},
        {"470R 1/8 W", "Резистор: 470 Ом, 0,125 Вт"},
        {"470R 0,25Вт", "Резистор: 470 Ом, 0,25 Вт"},
        {"470R 250mW", "Резистор: 470 Ом, 0,25 Вт"},
        // Rated current, below an ampere in milliamperes.
        {"10uH 2A", "Катушка индуктивности: 10 мкГн, 2 А"},
        {"4,7 мкГн 1,5 А", "Катушка индуктивности: 4,7 мкГн, 1,5 А"},
        {"10uH 500mA", "Катушка индуктивности: 10 мкГн, 500 мА"},
        {"10uH 300 мА", "Катушка индуктивности: 10 мкГн, 300 мА"},
        // Temperature from 85 to 150 °C, C Latin or Cyrillic.
        {"220uF 25V 105°C", "Конденсатор: 220 мкФ, 25 В, 105 °C"},
        // A number that is also a chip size, with its unit after it, as the readout writes it.
        {"2220 мкФ, 25 В, 105 °C", "Конденсатор: 2220 мкФ, 25 В, 105 °C"},
        {"1206 Ом 5%", "Резистор: 1,206 кОм ±5 %"},
        {"220uF 25V 105C", "Конденсатор: 220 мкФ, 25 В, 105 °C"},
        {"220u 85 °C", "Конденсатор: 220 мкФ, 85 °C"},
        {"220u 150С", "Конденсатор: 220 мкФ, 150 °C"},
        // Sizes in inches, and in millimetres with M or metric.
        {"4k7 0805", "Резистор: 4,7 кОм, 0805 (2012 мм)"},
        {"0R 0603", "Резистор: 0 Ом, 0603 (1608 мм)"},
        {"10k 01005", "Резистор: 10 кОм, 01005 (0402 мм)"},
        {"10k 2512", "Резистор: 10 кОм, 2512 (6332 мм)"},
        {"10k 1608M", "Резистор: 10 кОм, 1608 мм (0603)"},
        {"10k 1608 metric", "Резистор: 10 кОм, 1608 мм (0603)"},
        {"10k 0603M", "Резистор: 10 кОм, 0603 мм (0201)"},
        // The size as the value line writes it reads back, its two codes of one size.
        {"10 пФ, 0805 (2012 мм)", "Конденсатор: 10 пФ, 0805 (2012 мм)"},
        {"10 кОм, 1608 мм (0603)", "Резистор: 10 кОм, 1608 мм (0603)"},
        // Dielectrics as the dielectric reader takes them.
        {"100nF 50V X7R", "Конденсатор: 100 нФ, 50 В, X7R"},
        {"100n NP0", "Конденсатор: 100 нФ, C0G"},
        {"100n x5r", "Конденсатор: 100 нФ, X5R"},
        // Known words, in either case; a capacitor's word leaves only capacitors.
        {"10k SMD", "Резистор: 10 кОм"},
        {"10k чип", "Резистор: 10 кОм"},
        {"100 ceramic", "Конденсатор: 10 пФ"},
        {"100 Керамический", "Конденсатор: 10 пФ"},
        {"4k7 RES", "Резистор: 4,7 кОм"},
        {"100 дроссель", "Катушка индуктивности: 10 мкГн"},
        // Separators: underscores, commas and slashes not inside a number, semicolons.
        {"100nF_0402_16V", "Конденсатор: 100 нФ, 16 В, 0402 (1005 мм)"},
        {"100nF/50V", "Конденсатор: 100 нФ, 50 В"},
        {"4,7k,5%", "Резистор: 4,7 кОм ±5 %"},
        {"10k;1%;0603", "Резистор: 10 кОм ±1 %, 0603 (1608 мм)"},
        // Values from different spans, resistors first: «1 M» and «1» with the letter M.
        {"1 M;", "Резистор: 1 МОм | Конденсатор: 1 пФ ±20 %"},
        {"0.1uF 50V X7R 10% 0603", "Конденсатор: 100 нФ ±10 %, 50 В, 0603 (1608 мм), X7R"},
        // An electrolytic's can, 3 to 100 mm across, and the volts' letter as the point.
        {"10u 3x5", "Конденсатор: 10 мкФ, 3×5 мм"},
        {"4700uF 6V3 Ø35×100", "Конденсатор: 4700 мкФ, 6,3 В, 35×100 мм"},
        {"100u D10xL12.5mm", "Конденсатор: 100 мкФ, 10×12,5 мм"},
        {"47u 8x12 мм", "Конденсатор: 47 мкФ, 8×12 мм"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(readingsOf(c.line), c.read) << c.line;
}

// A line that cannot be read safely is refused whole, and says why.
TEST(PartLine, RefusalsSayWhy) {
    const Case cases[] = {
        {"10k DNP", "непонятное слово «DNP»"},
        {"10k trimmer", "непонятное слово «trimmer»"},
        {"10k X7R", "«X7R» не бывает у резистора"},
        {"100n 1/4W", "«1/4W» не бывает у конденсатора"},
        {"10uH 50V", "«50V» не бывает у катушки индуктивности"},
        {"10k 2A", "«2A» не бывает у резистора"},
        {"10k 105°C", "«105°C» не бывает у резистора"},
        {"1k ±0,25пФ", "«±0,25пФ» не бывает у резистора"},
        {"100n 50V 25V", "в строке дважды напряжение: «50V» и «25V»"},
        {"10k 5% 1%", "в строке дважды допуск: «5%» и «1%»"},
        {"10k J 1%", "в строке дважды допуск: «J» и «1%»"},
        {"10k 0603 J", "буква допуска «J» стоит не сразу после номинала"},
        {"J 10k", "буква допуска «J» стоит не сразу после номинала"},
        {"10k 0603 0805", "в строке дважды размер: «0603» и «0805»"},
        {"2A104J 63V", "напряжение «63V» уже есть в самом номинале"},
        {"X7R 0603", "в строке нет номинала"},
        {"10k 4k7", "в строке не один номинал: «10k» и «4k7»"},
        // Facts out of their bounds are words like any other.
        {"220u 160°C", "непонятное слово «160°C»"},
        {"220u 84C", "в строке не один номинал: «220u» и «84C»"},
        {"220u 105.5C", "непонятное слово «105.5C»"},
        {"100n 0V", "непонятное слово «0V»"},
        {"100n 50mV", "непонятное слово «50mV»"},
        {"10k 1/3W", "непонятное слово «1/3W»"},
        {"10k 1608", "в строке не один номинал: «10k» и «1608»"},
        {"10k 0604", "в строке не один номинал: «10k» и «0604»"},
        {"10k 0805 (1608 мм)", "непонятное слово «(1608»"},
        {"10u 2x5", "непонятное слово «2x5»"},
        {"10u 8x260", "непонятное слово «8x260»"},
        {"8x 10uH", "«8x» не бывает у катушки индуктивности"},
        {"10k 6x11", "«6x11» не бывает у резистора"},
    };
    for (const Case& c : cases) {
        const marking::MarkingAnswer answer = readMarking(c.line);
        EXPECT_TRUE(answer.readings.empty()) << c.line;
        EXPECT_EQ(answer.reason, c.read) << c.line;
    }
    std::string many = "10k";
    for (int word = 1; word < 32; ++word)
        many += " SMD";
    EXPECT_EQ(readingsOf(many), "Резистор: 10 кОм"); // 32 words are read
    EXPECT_EQ(readMarking(many + " SMD").reason, "слишком много слов для одной детали");
}

// The facts of a line in any order give the same reading; a tolerance letter only right
// after its value.
TEST(PartLine, AnyOrderReadsTheSame) {
    const std::vector<std::vector<std::string>> lines = {
        {"0.1uF", "50V", "X7R", "10%", "0603"},    {"4,7 мкГн", "1,5 А", "SMD", "1206"},
        {"220uF", "25V", "105°C", "electrolytic"}, {"10M", "1/4W", "350V", "± 5 %"},
        {"1n", "±0,25пФ", "C0G", "100V", "0402"},
    };
    for (const std::vector<std::string>& words : lines) {
        std::vector<std::size_t> order(words.size());
        std::iota(order.begin(), order.end(), 0);
        const std::string first = readingsOf(words.front() + " " + words[1]);
        std::string expected;
        int orders = 0;
        do {
            std::string line;
            for (const std::size_t at : order)
                line.append(line.empty() ? "" : " ").append(words[at]);
            const std::string read = readingsOf(line);
            if (expected.empty())
                expected = read;
            EXPECT_EQ(read, expected) << line;
            ++orders;
        } while (std::ranges::next_permutation(order).found);
        EXPECT_FALSE(expected.empty()) << words.front();
        EXPECT_NE(first, expected) << words.front(); // every fact is in the reading
        EXPECT_GE(orders, 24);
    }
}

// JEDEC, Pro Electron and JIS designations are no code, alone or in a line; the capacitor and
// inductor codes that look like them still read.
TEST(PartLine, SemiconductorsAreNoMarking) {
    const Case designations[] = {
        {"1N4148", "JEDEC"},         {"1n4148", "JEDEC"},
        {"2N2222A", "JEDEC"},        {"1N34A", "JEDEC"},
        {"3N201", "JEDEC"},          {"1N5819 SMD", "JEDEC"},
        {"BC547B", "Pro Electron"},  {"BZX55C5V1", "Pro Electron"},
        {"BAT54", "Pro Electron"},   {"BAV99", "Pro Electron"},
        {"BZV55-C", "Pro Electron"}, {"2SC1815", "JIS"},
        {"2SK30A", "JIS"},           {"2SC1815-GR", "JIS"},
        {"10k 2SA1015", "JIS"},
    };
    EXPECT_EQ(readMarking("RC0603").reason, ""); // a chip resistor's size, no Pro Electron R
    for (const Case& c : designations) {
        const marking::MarkingAnswer answer = readMarking(c.line);
        EXPECT_TRUE(answer.readings.empty()) << c.line;
        EXPECT_EQ(answer.reason, "обозначение полупроводникового прибора (" + std::string(c.read) +
                                     "), не пассивная деталь")
            << c.line;
    }
    for (const std::string_view code :
         {"1N", "2N2", "1N5", "4N7", "1H104J", "2A104J", "A4", "C0G", "B1", "1N50", "2S", "X7R"}) {
        const marking::MarkingAnswer answer = readMarking(code);
        EXPECT_FALSE(answer.readings.empty()) << code;
        EXPECT_EQ(answer.reason, "") << code;
    }
}

// The chip sizes as their sources print them: Samsung's power ratings, Yageo's marking.
TEST(ChipSizes, AsTheirSourcesPrintThem) {
    using value::ChipCode;
    const struct {
        std::string_view inch, metric;
        int numerator, denominator; // 0 where the source gives none
        ChipCode code;
    } sizes[] = {
        {"01005", "0402", 1, 32, ChipCode::None},
        {"0201", "0603", 1, 20, ChipCode::None},
        {"0402", "1005", 1, 16, ChipCode::None},
        {"0603", "1608", 1, 10, ChipCode::Eia96ForOnePercent},
        {"0805", "2012", 1, 8, ChipCode::FourDigitsForOnePercent},
        {"1206", "3216", 1, 4, ChipCode::FourDigitsForOnePercent},
        {"1210", "3225", 1, 3, ChipCode::FourDigitsForOnePercent},
        {"1812", "4532", 0, 0, ChipCode::FourDigitsForOnePercent},
        {"2010", "5025", 2, 3, ChipCode::FourDigitsForOnePercent},
        {"2512", "6332", 1, 1, ChipCode::FourDigitsForOnePercent},
        {"2220", "5750", 0, 0, ChipCode::FourDigitsForOnePercent},
        {"1218", "3246", 1, 1, ChipCode::FourDigitsForOnePercent},
    };
    ASSERT_EQ(value::chipSizes().size(), std::size(sizes));
    for (const auto& s : sizes) {
        const auto inch = value::chipSizeOfInch(s.inch);
        ASSERT_TRUE(inch) << s.inch;
        EXPECT_EQ(inch, value::chipSizeOfMetric(s.metric)) << s.inch;
        EXPECT_EQ(inch->metric, s.metric);
        EXPECT_EQ(inch->code, s.code) << s.inch;
        if (s.denominator == 0)
            EXPECT_FALSE(inch->resistorPower) << s.inch;
        else
            EXPECT_EQ(inch->resistorPower, (value::Watts{s.numerator, s.denominator})) << s.inch;
    }
    for (const std::string_view none : {"1608", "0604", "", "0402M", "06"})
        EXPECT_FALSE(value::chipSizeOfInch(none)) << none;
}

// A chip gets the codes its size and tolerance print: none on 0402 and smaller, EIA-96 on an
// 0603 at ±1 % where the value has one, four digits on larger ones at ±1 %, three at ±5 %.
TEST(ChipSizes, MarkingsFitTheSizeAndTolerance) {
    const Case cases[] = {
        {"10k 1% 0603", "eia-96 01C"},
        {"4k7 1% 0603", "smd-3 472"},
        {"10k 5% 0603", "smd-3 103"},
        {"10k 0603", "smd-3 103, eia-96 01C"},
        {"10k 1% 0805", "smd-4 1002"},
        {"4R7 1% 1206", "smd-r 4R70"},
        {"4R7 5% 1206", "smd-r 4R7"},
        {"4k7 5% 2512", "smd-3 472"},
        {"4k7 0805", "smd-3 472, smd-4 4701"},
        {"10k 1% 0402", ""},
        {"10k 01005", ""},
        {"100n 0603", "eia-198 A5"},
        {"100n 50V X7R 0805", "eia-198 A5"},
        {"100n 0402", ""},
        {"10uH 1210", "code-3 100"},
    };
    for (const Case& c : cases) {
        const auto readings = readMarking(c.line).readings;
        ASSERT_FALSE(readings.empty()) << c.line;
        std::string shown;
        for (const marking::Marking& m : marking::markingsOf(readings.front()))
            if (m.form != marking::MarkingForm::PartNumber) // how it is ordered: part_numbers_test
                shown.append(shown.empty() ? "" : ", ")
                    .append(marking::jsonName(m.form))
                    .append(" ")
                    .append(m.text);
        EXPECT_EQ(shown, c.read) << c.line;
    }
}

// Every E24 value on every chip size at ±1 %, ±5 % and none: the line «value tolerance size»
// reads back to that very reading, and each marking its chip carries reads back to its value.
TEST(ChipSizes, LinesAndTheirMarkingsReadBack) {
    const value::Tolerance kTolerances[] = {value::Tolerance::percent({1}),
                                            value::Tolerance::percent({5})};
    int checked = 0;
    for (const value::ChipSize& size : value::chipSizes())
        for (const value::Quantity quantity :
             {value::Quantity::Resistance, value::Quantity::Capacitance})
            for (const int figures : value::decadeOf(24))
                for (const int exponent : {-2, 1, 3})
                    for (int t = -1; t < 2; ++t) {
                        value::Reading reading(quantity, {figures, exponent});
                        if (t >= 0)
                            reading.tolerance = kTolerances[static_cast<std::size_t>(t)];
                        reading.package = size;
                        std::string line = value::quantityText(quantity, reading.value);
                        if (reading.tolerance)
                            line += " " + value::toleranceText(quantity, *reading.tolerance);
                        line.append(" ").append(size.inch);
                        const auto read = readMarking(line).readings;
                        EXPECT_TRUE(std::ranges::any_of(read, [&](const auto& r) {
                            return r.reading == reading;
                        })) << line;
                        for (const marking::Marking& m : marking::markingsOf(reading)) {
                            const auto back = marking::readAnyMarking(m.text);
                            EXPECT_TRUE(
                                std::ranges::any_of(back,
                                                    [&](const auto& r) {
                                                        return r.reading.quantity == quantity &&
                                                               r.reading.value == reading.value;
                                                    }))
                                << line << ": " << m.text;
                            ++checked;
                        }
                    }
    EXPECT_GT(checked, 1000);
}

// The README names every word a line may hold besides its value and facts. A power in fifths
// or sixteenths is read; a fraction too large for a rating is a word like any other.
TEST(PartLine, KnownWordsAreTheDocumentedOnes) {
    std::ifstream readme(VANTREL_README);
    const std::string text(std::istreambuf_iterator<char>(readme), {});
    const std::size_t section = text.find("### Whole lines");
    ASSERT_NE(section, std::string::npos);
    const std::string whole = text.substr(section, text.find("\n#", section + 1) - section);
    const auto named = [&](std::string_view word) { // a whole word, not part of one
        for (std::size_t at = whole.find(word); at != std::string::npos;
             at = whole.find(word, at + 1))
            if (std::string_view(" \n").find(whole[at - 1]) != std::string_view::npos &&
                std::string_view(",. \n").find(whole[at + word.size()]) != std::string_view::npos)
                return true;
        return false;
    };
    for (const std::string_view word : marking::knownWords())
        EXPECT_TRUE(named(word)) << word;
    EXPECT_EQ(readingsOf("4R7 1/5W"), "Резистор: 4,7 Ом, 0,2 Вт");
    EXPECT_EQ(readingsOf("4R7 3/16W"), "Резистор: 4,7 Ом, 0,1875 Вт");
    EXPECT_EQ(readMarking("4R7 1000000000000000/2W").reason,
              "непонятное слово «1000000000000000/2W»");
}
