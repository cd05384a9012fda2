// The reader of any marking: every reading of a text, in order, for each form; the texts that
// are several things at once; the look-alikes; and what is no marking.
#include "core/marking/any_marking.h"

#include <algorithm>
#include <chrono>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace vantrel::marking;

namespace {

// "Резистор, SMD-код: 4,7 кОм": the component, the form and the value line of each reading.
std::vector<std::string> readingsOf(std::string_view text) {
    std::vector<std::string> lines;
    for (const MarkingReading& found : readAnyMarking(text))
        lines.push_back(std::string(componentName(found.reading.quantity)) + ", " +
                        formName(found) + ": " + vantrel::value::valueLine(found.reading));
    return lines;
}

struct Case {
    std::string_view text;
    std::vector<std::string> readings;
};

void expectReadings(std::initializer_list<Case> cases) {
    for (const Case& c : cases)
        EXPECT_EQ(readingsOf(c.text), c.readings) << c.text;
}

const std::string kSmd = "Резистор, SMD-код: ";
const std::string kEia96 = "Резистор, SMD-код EIA-96: ";
const std::string kLetter = "Резистор, буквенный код: ";
const std::string kBands = "Резистор, цветные полосы: ";
const std::string kResistorValue = "Резистор, номинал с единицей: ";
const std::string kCapacitor = "Конденсатор, код: ";
const std::string kCapacitorValue = "Конденсатор, номинал с единицей: ";
const std::string kInductor = "Катушка индуктивности, код: ";
const std::string kInductorBands = "Катушка индуктивности, цветные полосы: ";
const std::string kInductorValue = "Катушка индуктивности, номинал с единицей: ";

} // namespace

// One text, several components: each reading in order, resistors first; a reading the same as
// one before it is not listed again («4R7» is an SMD code and a letter code of 4,7 Ом).
TEST(AnyMarking, TextsThatAreSeveralThings) {
    expectReadings({
        {"103", {kSmd + "10 кОм", kCapacitor + "10 нФ", kInductor + "10 мГн"}},
        {"472", {kSmd + "4,7 кОм", kCapacitor + "4,7 нФ", kInductor + "4,7 мГн"}},
        {"4R7", {kSmd + "4,7 Ом", kCapacitor + "4,7 пФ", kInductor + "4,7 мкГн"}},
        {"68R",
         {kSmd + "68 Ом", "Резистор, EIA-96 с буквами R, S, H: 4,99 Ом ±1 %", kCapacitor + "68 пФ",
          kInductor + "68 мкГн"}},
        {"33Е", {kEia96 + "2,15 МОм ±1 %", kLetter + "33 Ом"}},
        {"1002", {kSmd + "10 кОм", kCapacitor + "10 нФ"}},
        {"47N", {kCapacitor + "47 пФ ±30 %", kInductor + "47 нГн"}},
        {"кор чёрн оранж",
         {kBands + "10 кОм ±20 %", "Резистор, цветные полосы с другого конца: 300 Ом ±20 %",
          kInductorBands + "10 мГн",
          "Катушка индуктивности, цветные полосы с другого конца: 300 мкГн"}},
    });
}

TEST(AnyMarking, ResistorForms) {
    expectReadings({
        {"000", {kSmd + "0 Ом"}},
        {"01C", {kEia96 + "10 кОм ±1 %", kCapacitor + "1 пФ ±0,25 пФ"}},
        {"68X", {kEia96 + "49,9 Ом ±1 %"}},
        {"01S", {"Резистор, EIA-96 с буквами R, S, H: 10 Ом ±1 %", kCapacitor + "1 пФ +50/-20 %"}},
        {"96H", {"Резистор, EIA-96 с буквами R, S, H: 9,76 кОм ±1 %", kCapacitor + "96 пФ ±3 %"}},
        {"4K7", {kLetter + "4,7 кОм"}},
        {"4k7J", {kLetter + "4,7 кОм ±5 %"}},
        {"R33G", {kLetter + "0,33 Ом ±2 %", kCapacitor + "0,33 пФ ±2 %"}},
        {"1M0", {kLetter + "1 МОм"}},
        {"2Г2", {kLetter + "2,2 ГОм"}},
        {"4К7К" /* Cyrillic К twice */, {kLetter + "4,7 кОм ±10 %"}},
        {"100КM", {kLetter + "100 кОм ±20 %"}},
        {"4,7 кОм", {kResistorValue + "4,7 кОм"}},
        {"4.7k", {kResistorValue + "4,7 кОм"}},
        {"4700 Ом", {kResistorValue + "4,7 кОм"}},
        {"4.7 kΩ", {kResistorValue + "4,7 кОм"}},
        {"2,2 МОм ±5 %", {kResistorValue + "2,2 МОм ±5 %"}},
    });
}

// Colour bands typed as words: the selectors' names, full names in any gender, English; from
// the other end where that is a different standard value or the only way they read.
TEST(AnyMarking, ColourWords) {
    const std::vector<std::string> tenKilohms = {kBands + "10 кОм ±5 %",
                                                 kInductorBands + "10 мГн ±5 %"};
    const std::vector<std::string> sixHundredEighty = {
        kBands + "680 Ом ±20 %", "Резистор, цветные полосы с другого конца: 18 МОм ±20 %",
        kInductorBands + "680 мкГн"};
    expectReadings({
        {"коричневый чёрный оранжевый золотой", tenKilohms},
        {"кор чёрн оранж зол", tenKilohms},
        {"Кор. Чёрн. Оранж. Золот.", tenKilohms},
        {"brown black orange gold", tenKilohms},
        {"Коричневая, черная, оранжевая, золотая", tenKilohms},
        {"КОР-ЧЕРН-ОРАНЖ-ЗОЛОТ", tenKilohms},
        {"зол оранж чёрн кор",
         {"Резистор, цветные полосы с другого конца: 10 кОм ±5 %",
          "Катушка индуктивности, цветные полосы с другого конца: 10 мГн ±5 %"}},
        {"кор чёрн чёрн красн кор",
         {kBands + "10 кОм ±1 %", "Резистор, цветные полосы с другого конца: 120 Ом ±1 %"}},
        {"кор чёрн чёрн красн кор красн", {kBands + "10 кОм ±1 %, ТКС ±50 ppm/°C"}},
        {"жёлт фиол сереб", {kBands + "0,47 Ом ±20 %", kInductorBands + "470 нГн"}},
        {"жёлт фиол сер", {kBands + "4,7 ГОм ±20 %"}},
        {"серый красный красный серебряный",
         {kBands + "8,2 кОм ±10 %", kInductorBands + "8,2 мГн ±10 %"}},
        {"синий серый коричневый", sixHundredEighty},
        {"blue grey brown", sixHundredEighty},
    });
}

TEST(AnyMarking, CapacitorAndInductorForms) {
    expectReadings({
        {"47", {kCapacitor + "47 пФ"}},
        {"104", {kSmd + "100 кОм", kCapacitor + "100 нФ", kInductor + "100 мГн"}},
        {"4709", {kSmd + "470 ГОм", kCapacitor + "47 пФ"}},
        {"1R5", {kSmd + "1,5 Ом", kCapacitor + "1,5 пФ", kInductor + "1,5 мкГн"}},
        {"4n7", {kCapacitor + "4,7 нФ"}},
        {"p47", {kCapacitor + "0,47 пФ"}},
        {"2u2", {kCapacitor + "2,2 мкФ"}},
        {"47n", {kCapacitor + "47 нФ"}},
        {"47nF", {kCapacitor + "47 нФ"}},
        {"100pF", {kCapacitor + "100 пФ"}},
        {"1uF", {kCapacitor + "1 мкФ"}},
        {"4n7F", {kCapacitor + "4,7 нФ ±1 %"}},
        {"4,7 мкФ", {kCapacitor + "4,7 мкФ"}},
        {"10 нФ", {kCapacitor + "10 нФ"}},
        {"0.1", {kCapacitor + "100 нФ"}},
        {".047", {kCapacitor + "47 нФ"}},
        {"0,1", {kCapacitor + "100 нФ"}},
        {"2A104J", {kCapacitor + "100 нФ ±5 %, 100 В"}},
        {"104J100", {kCapacitor + "100 нФ ±5 %, 100 В"}},
        {"473K250V", {kCapacitor + "47 нФ ±10 %, 250 В"}},
        {"47uF 25V", {kCapacitor + "47 мкФ, 25 В"}},
        {"100µF/16V", {kCapacitor + "100 мкФ, 16 В"}},
        {"220мкФ 35В", {kCapacitor + "220 мкФ, 35 В"}},
        {"47000 пФ", {kCapacitorValue + "47 нФ"}},
        {"101", {kSmd + "100 Ом", kCapacitor + "100 пФ", kInductor + "100 мкГн"}},
        {"R47", {kSmd + "0,47 Ом", kCapacitor + "0,47 пФ", kInductor + "470 нГн"}},
        {"4N7", {kInductor + "4,7 нГн"}},
        {"10uH", {kInductorValue + "10 мкГн"}},
        {"4,7 мкГн", {kInductorValue + "4,7 мкГн"}},
        {"100 мкГн", {kInductorValue + "100 мкГн"}},
    });
}

// A value line as Vantrel writes it reads back as the value with its unit, whatever the
// marking it came from: kilovolts and a power rating too.
TEST(AnyMarking, ValueLinesReadBack) {
    for (const std::string_view text : {"4K7J",  "2A104J",      "кор чёрн чёрн красн кор красн",
                                        "01R",   "p47B",        "2u2Z",
                                        "000",   "R001",        "9999T",
                                        "N01",   "1000uF 6.3v", "10P",
                                        "4n7D",  "3C104K",      "3B1",
                                        "107C",  "b8",          "a4",
                                        "Чёрн.", "5W 10RJ",     "1/4W 0R1F",
                                        "0L104"}) {
        for (const MarkingReading& found : readAnyMarking(text)) {
            const std::string line = vantrel::value::valueLine(found.reading);
            const std::vector<MarkingReading> again = readAnyMarking(line);
            EXPECT_TRUE(std::ranges::any_of(
                again, [&](const MarkingReading& back) { return back.reading == found.reading; }))
                << text << " → " << line;
        }
    }
}

TEST(AnyMarking, NoMarkingHasNoReading) {
    using namespace std::literals;
    for (const std::string_view text : {""sv,
                                        "   "sv,
                                        "hello"sv,
                                        "9999999"sv,
                                        "1.2.3"sv,
                                        "-"sv,
                                        "R"sv,
                                        "k"sv,
                                        "96 Гн Гн"sv,
                                        "0 пФ"sv,
                                        "кор чёрн"sv,
                                        "кор чёрн оранж зол кор чёрн оранж"sv,
                                        "сер сер сер сер сер сер сер"sv,
                                        "gre gre gre"sv,
                                        "к к к"sv,
                                        "\xFF\xFE\xFD"sv,
                                        "47\0002"sv,
                                        "٤٧٢"sv,
                                        "4.7 kΩ!"sv,
                                        "4,7 кОм ±"sv,
                                        "4,7 кОм, ТКС"sv,
                                        "473K250V 473K250V"sv})
        EXPECT_EQ(readingsOf(text), std::vector<std::string>{}) << text;
}

// Any length is answered at once: texts far longer than a marking are no marking.
TEST(AnyMarking, LongTextsAreAnsweredInBoundedTime) {
    const auto start = std::chrono::steady_clock::now();
    for (const std::string& text :
         {std::string(10'000'000, '1'), std::string(300, 'R'), "  " + std::string(250, ' ') + "472",
          std::string(kLongestMarking - 3, ' ') + "472"}) {
        const auto readings = readAnyMarking(text);
        EXPECT_EQ(readings.empty(), !text.ends_with("472")) << text.size();
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
}

// The markings a repairer meets, each line as the window and the command line write it: a
// tantalum's code and its + band, the EIA-198 code of SMD ceramics, dielectrics with no value,
// high-voltage codes, the jumper's one band and power resistors; where tables disagree, a
// reading for each, naming it.
TEST(AnyMarking, MarkingsOnPartsInHand) {
    const std::string tantalum =
        "Конденсатор, код тантала: 100 мкФ, 16 В; Ряд E6; полоса у вывода +, у алюминиевого — у −";
    const std::string eia198 = "Конденсатор, SMD-код EIA-198";
    const std::string power = "Резистор, маркировка мощного резистора: ";
    const std::string jumper = "Резистор, одна чёрная полоса, перемычка: 0 Ом";
    const struct {
        std::string_view text;
        std::vector<std::string> lines;
    } cases[] = {
        {"107C", {tantalum}},
        {"C107", {tantalum}},
        {"475 16",
         {"Конденсатор, код тантала: 4,7 мкФ, 16 В; Ряд E6; полоса у вывода +, у алюминиевого — у "
          "−"}},
        {"A4", {eia198 + ": 10 нФ; Ряд E6"}},
        {"KA2", {eia198 + ": 100 пФ; Ряд E6"}},
        {"S3", {eia198 + ": 4,7 нФ; Ряд E6"}},
        {"a3", {eia198 + ": 2,5 нФ; Нет в рядах E6–E192, ближайшие: 2,4 нФ и 2,7 нФ"}},
        {"b3",
         {eia198 + ", по таблице NIC Components: 3 нФ; Ряд E24",
          eia198 + ", по таблице K7ITM: 3,5 нФ; Нет в рядах E6–E192, ближайшие: 3,3 нФ и 3,6 нФ"}},
        {"A9",
         {eia198 + ", множитель 10 в степени цифры: 1000 мкФ; Ряд E6",
          eia198 + ", множитель как в трёхзначном коде: 0,1 пФ; Ряд E6"}},
        {"X7R",
         {"Конденсатор, диэлектрик: X7R, класс 2: от -55 до +125 °C, изменение ёмкости ±15 %"}},
        {"C0G", {"Конденсатор, диэлектрик: C0G, класс 1: от -55 до +125 °C, ТКЕ 0 ±30 ppm/°C"}},
        {"Y5V",
         {"Конденсатор, диэлектрик: Y5V, класс 2: от -30 до +85 °C, изменение ёмкости +22/-82 %"}},
        {"3C104K", {"Конденсатор, код: 100 нФ ±10 %, 1,6 кВ; Ряд E6"}},
        {"3D104K", {"Конденсатор, код: 100 нФ ±10 %, 2 кВ; Ряд E6"}},
        {"3E104K", {"Конденсатор, код: 100 нФ ±10 %, 2,5 кВ; Ряд E6"}},
        {"1B473J", {"Конденсатор, код: 47 нФ ±5 %, 12,5 В; Ряд E6"}},
        {"0L104",
         {"Конденсатор, код, 0L = 5,5 В по таблице EIA: 100 нФ, 5,5 В; Ряд E6",
          "Конденсатор, код, 0L = 5 В по другим таблицам: 100 нФ, 5 В; Ряд E6"}},
        {"чёрн", {jumper}},
        {"Чёрн.", {jumper}},
        {"black", {jumper}},
        {"чёрн чёрн", {}},
        {"5W 10RJ", {power + "10 Ом ±5 %, 5 Вт; Ряд E6"}},
        {"2W 0R1 J", // also a printed capacitor code: 2W is 450 В
         {power + "0,1 Ом ±5 %, 2 Вт; Ряд E6", "Конденсатор, код: 0,1 пФ ±5 %, 450 В; Ряд E6"}},
        {"10W 4R7", {power + "4,7 Ом, 10 Вт; Ряд E6"}},
        {"4R7 10W", {power + "4,7 Ом, 10 Вт; Ряд E6"}},
        {"4,7 Ом 10 Вт", {power + "4,7 Ом, 10 Вт; Ряд E6"}},
        {"10 Ом ±5 %, 5 Вт", {power + "10 Ом ±5 %, 5 Вт; Ряд E6"}},
        {"1/4W 4K7", {power + "4,7 кОм, 0,25 Вт; Ряд E6"}},
        {"5W", {power + "5 Вт"}},
        {"0,5 Вт", {power + "0,5 Вт"}},
        {"5W 10 нФ", {}},
        {"5W 4K7 4K7", {}},
        {"0W 10R", {"Конденсатор, код: 10 пФ; Ряд E6"}}, // no watts: an unknown voltage code
        {"3/4W", {power + "0,75 Вт"}},
        {"1/2W", {power + "0,5 Вт"}},
        {"1/8W", {power + "0,125 Вт"}},
        {"3/16 Вт", {power + "0,1875 Вт"}},
        {"5/4W", {}}, // a fraction is below one watt
        {"4/4W", {}},
        {"1/3W", {}},
        {"5W 5W", {}},
        // Cement resistors: Ω as the unit before the tolerance letter, the rating run together.
        {"5W 10ΩJ", {power + "10 Ом ±5 %, 5 Вт; Ряд E6"}},
        {"10W 0.1ΩJ", {power + "0,1 Ом ±5 %, 10 Вт; Ряд E6"}},
        {"5W10RJ", {power + "10 Ом ±5 %, 5 Вт; Ряд E6"}},
        {"5 вт 10R", {power + "10 Ом, 5 Вт; Ряд E6"}},
        {"5W 10Ωj", {}},
        {"5W 10ΩQ", {}},
        {"e106",
         {"Конденсатор, код тантала: 10 мкФ, 2,5 В; Ряд E6; полоса у вывода +, у алюминиевого — у "
          "−"}},
        // Rated volts as parts lists and high-voltage discs write them.
        {"0,1 мкФ ±10 %, 100 в", {"Конденсатор, номинал с единицей: 100 нФ ±10 %, 100 В; Ряд E6"}},
        {"104 1.6kV", {"Конденсатор, код: 100 нФ, 1,6 кВ; Ряд E6"}},
        {"102/2кВ", {"Конденсатор, код: 1 нФ, 2 кВ; Ряд E6"}},
        {"104 0kV", {}},
        {"2A104 1kV", {}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> lines;
        for (const MarkingReading& found : readAnyMarking(c.text))
            lines.push_back(readingLine(found));
        EXPECT_EQ(lines, c.lines) << c.text;
    }
}
