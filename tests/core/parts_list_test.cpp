// Parts lists: the table reader against RFC 4180 and the dialects spreadsheets save, the
// designators, the formats told from the files, every finding where the line is wrong and
// none where it is right, and --check's answers and exit codes.
#include "core/cli/check_answers.h"
#include "core/cli/command_line.h"
#include "core/parts_list/checks.h"
#include "core/parts_list/headings.h"
#include "core/parts_list/table_text.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using namespace vantrel::lists;

// The rows as "line:field|field" joined by " / ".
std::string written(const std::vector<Row>& rows) {
    std::string text;
    for (const Row& row : rows) {
        text += (text.empty() ? "" : " / ") + std::to_string(row.line) + ":";
        for (std::size_t i = 0; i < row.fields.size(); ++i)
            text += (i ? "|" : "") + row.fields[i];
    }
    return text;
}

TEST(TableRows, QuotedFieldsSeparatorsAndLineEnds) {
    struct Case {
        std::string text;
        char separator;
        std::string rows;
    };
    const Case cases[] = {
        {"a,b,c\nd,e,f\n", ',', "1:a|b|c / 2:d|e|f"},
        {"a,b\r\nc,d\r\n", ',', "1:a|b / 2:c|d"},                   // CR LF
        {"a,b\nc,d", ',', "1:a|b / 2:c|d"},                         // no last line break
        {"\"a,1\",\"b\"\"q\"\"\",c\n", ',', "1:a,1|b\"q\"|c"},      // separator, doubled quote
        {"\"two\nlines\",x\ny,z\n", ',', "1:two\nlines|x / 3:y|z"}, // a line break in a field
        {"\"two\r\nlines\",x\r\n", ',', "1:two\r\nlines|x"},        // kept as written
        {"a,,c\n,,\n", ',', "1:a||c / 2:||"},                       // empty fields
        {"a\n\n\nb\n", ',', "1:a / 4:b"},                           // empty lines are no rows
        {"a;b,c;d\n", ';', "1:a|b,c|d"},
        {"a\tb c\td\n", '\t', "1:a|b c|d"},
        {"ab\"c\",d\n", ',', "1:ab\"c\"|d"},   // a quote inside an unquoted field is a character
        {"\"open,end\n", ',', "1:open,end\n"}, // a quote never closed runs to the end
        {"\"0.022\" (0.55mm)\",x\n", ',', "1:0.022\" (0.55mm)|x"}, // an inch mark kept
    };
    for (const Case& c : cases)
        EXPECT_EQ(written(tableRows(c.text, c.separator)), c.rows) << c.text;
    EXPECT_EQ(written(tableRows("a\nb\nc\n", ',', 2)), "1:a / 2:b");
    // A table laid out with spaces: a cell ends at two spaces, a heading of two words is one.
    const std::string header = "Part     Value  Position (inch)  µ";
    EXPECT_EQ(spacedCells(header), (std::vector<std::size_t>{0, 9, 16, 33}));
    EXPECT_EQ(cutAt("R1       4µ7    1.2 3.4          x", spacedCells(header)),
              (std::vector<std::string>{"R1", "4µ7", "1.2 3.4", "x"}));
}

TEST(DecodedField, Utf8KeptWindows1251Converted) {
    struct Case {
        std::string bytes;
        std::string text;
        bool windows1251;
    };
    const Case cases[] = {
        {"Резистор ±5 %", "Резистор ±5 %", false},
        {"\xD0\xE5\xE7\xE8\xF1\xF2\xEE\xF0", "Резистор", true}, // Windows-1251 bytes
        {"\xB1\x35 %, 4,7 \xEC\xEA\xD4", "±5 %, 4,7 мкФ", true},
        {"\xB5\x46 \xB0\x43 \xA8\xB8", "µF °C Ёё", true},
        {"\xC0\xDF\xE0\xFF", "АЯая", true},
        {"\xE2\x82", "в‚", true},           // UTF-8 cut short
        {"\xED\xA0\x80", "н\u00A0Ђ", true}, // a surrogate is no UTF-8
        {"\xC0\xAF", "АЇ", true},           // nor an overlong form
    };
    for (const Case& c : cases) {
        bool windows1251 = false;
        EXPECT_EQ(decodedField(c.bytes, windows1251), c.text) << c.text;
        EXPECT_EQ(windows1251, c.windows1251) << c.text;
    }
}

TEST(Designators, RangesListsAndWhatCannotBeRead) {
    struct Case {
        std::string field;
        std::string each; // joined by spaces
        std::string problem;
    };
    const Case cases[] = {
        {"R1-R4", "R1 R2 R3 R4", ""},
        {"R1, R2,R7", "R1 R2 R7", ""},
        {"R1 R2 R3 ", "R1 R2 R3", ""},
        {"R1-4", "R1 R2 R3 R4", ""},
        {"R1..R3", "R1 R2 R3", ""},
        {"R1\u2013R3", "R1 R2 R3", ""},
        {"C7A, C7B", "C7A C7B", ""},
        {"rn1-rn3", "RN1 RN2 RN3", ""},
        {"FB1;CN2;RV3", "FB1 CN2 RV3", ""},
        {"R4-R1", "", "не понять обозначения: «R4-R1»"},
        {"R1-C4, R5", "R5", "не понять обозначения: «R1-C4»"},
        {"R1-R5000", "", "не понять обозначения: «R1-R5000»"},
        {"R01, 1R, R", "", "не понять обозначения: «R01», «1R», «R»"},
        // As lists write them: a space after the letters, a slash between, a spaced range, a
        // separator at the end, zero-based numbers, underscores in names and after numbers.
        {"R 9", "R9", ""},
        {"C1A/C1B", "C1A C1B", ""},
        {"R1-R4,R7", "R1 R2 R3 R4 R7", ""},
        {"C3 - C5", "C3 C4 C5", ""},
        {"C3 -C5", "C3 C4 C5", ""},
        {"R1,R2,", "R1 R2", ""},
        {"R0, LED0", "R0 LED0", ""},
        {"R_OV3, CU18_1", "R_OV3 CU18_1", ""},
        // Words without a number name a part, not its place.
        {"push button", "", ""},
        {"—", "", ""},
    };
    for (const Case& c : cases) {
        const Designators read = readDesignators(c.field);
        std::string each;
        for (const std::string& one : read.each())
            each += (each.empty() ? "" : " ") + one;
        EXPECT_EQ(each, c.each) << c.field;
        EXPECT_EQ(read.problem, c.problem) << c.field;
    }
    using vantrel::value::Quantity;
    for (const auto& [designator, quantity] :
         std::initializer_list<std::pair<const char*, std::optional<Quantity>>>{
             {"R1", Quantity::Resistance},
             {"RN2", Quantity::Resistance},
             {"RV3", Quantity::Resistance},
             {"C7A", Quantity::Capacitance},
             {"CN1", Quantity::Capacitance},
             {"L4", Quantity::Inductance},
             {"FB1", std::nullopt},
             {"Q1", std::nullopt},
             {"U3", std::nullopt},
             {"RFB1", Quantity::Resistance},
             {"CC2", Quantity::Capacitance},
             {"LX1", Quantity::Inductance},
             {"LED1", std::nullopt},
             {"CR1", std::nullopt},
             {"LS1", std::nullopt}})
        EXPECT_EQ(quantityOfDesignator(designator), quantity) << designator;
    for (const auto& [designator, sure] :
         std::initializer_list<std::pair<const char*, bool>>{{"R1", true},
                                                             {"RN1", true},
                                                             {"C1", true},
                                                             {"L1", true},
                                                             {"RV1", false},
                                                             {"CN1", false},
                                                             {"RFB1", false},
                                                             {"LED1", false},
                                                             {"U1", false}})
        EXPECT_EQ(surelyPassive(designator), sure) << designator;
}

std::string fixture(const std::string& name) {
    std::ifstream file(std::string(VANTREL_LISTS) + "/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// Each format from a file written as the tool's documentation describes it: what it is read
// as, how many lines, and the first line's fields.
TEST(PartsList, FormatsToldFromTheFiles) {
    struct Case {
        const char* file;
        const char* format;
        std::size_t lines;
        std::string first; // designators | quantity | value | part number | footprint
    };
    const Case cases[] = {
        {"kicad.csv", "таблица KiCad", 15,
         "R1 R2|2|2k2|RC0603FR-0710KL|Resistor_SMD:R_0603_1608Metric"},
        {"kicad_grouped.csv", "групповая таблица KiCad", 3,
         "R1 R2 R3|3|10k||Resistor_SMD:R_0603_1608Metric"},
        {"assembly.csv", "таблица для сборки (Comment, Designator, Footprint)", 3,
         "R1 R2 R3||10k|C25804|0603"},
        {"spreadsheet_1251.csv", "таблица CSV, разделитель «;», Windows-1251", 3,
         "R1 R2 R3|3|Резистор 4,7 кОм ±5 %||0603"},
        {"plain.txt", "список, деталь в строке", 4, "R1 R5||10k 0603||"},
    };
    for (const Case& c : cases) {
        const auto read = readPartsList(fixture(c.file));
        ASSERT_TRUE(std::holds_alternative<PartsList>(read)) << c.file;
        const PartsList& list = std::get<PartsList>(read);
        EXPECT_EQ(list.format, c.format);
        ASSERT_EQ(list.lines.size(), c.lines) << c.file;
        const ListLine& line = list.lines.front();
        std::string designators;
        for (const std::string& one : line.expanded.each())
            designators += (designators.empty() ? "" : " ") + one;
        EXPECT_EQ(designators + "|" + line.quantity + "|" + line.value + "|" + line.partNumber +
                      "|" + line.footprint,
                  c.first)
            << c.file;
    }
}

TEST(PartsList, WhatIsNoPartsListIsRefusedWithTheReason) {
    struct Case {
        std::string bytes;
        std::string reason;
    };
    const Case cases[] = {
        {"", "файл пуст"},
        {" \r\n\t\n", "файл пуст"},
        {std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), "в файле двоичные данные, а не текст"},
        {"Name,Color,Size\nfoo,red,3\n",
         "в таблице нет столбца номиналов (Value, Comment, Name, Designation, Description); её "
         "столбцы: «Name», «Color», «Size»"},
        {"Dear builder,\nthe boards are late.\n",
         "это не перечень деталей: ни одна строка не читается как деталь"},
    };
    for (const Case& c : cases) {
        const auto checked = checkPartsList(c.bytes);
        ASSERT_TRUE(std::holds_alternative<Unreadable>(checked)) << c.bytes;
        EXPECT_EQ(std::get<Unreadable>(checked).reason, c.reason);
    }
}

// One line of a table with designators, value, footprint, quantity and part number: the kinds
// of its findings, one of their texts, and what its value reads as.
struct LineCase {
    std::string row;
    std::vector<FindingKind> kinds;
    std::string text; // a part of one finding's text
    std::string reading = "";
};

std::vector<CheckedLine> checkedRows(const std::string& rows, const OwnStock* stock = nullptr) {
    const auto checked = checkPartsList("Ref,Value,Footprint,Qty,MPN,DNP\n" + rows, stock);
    EXPECT_TRUE(std::holds_alternative<CheckedList>(checked)) << rows;
    return std::holds_alternative<CheckedList>(checked) ? std::get<CheckedList>(checked).lines
                                                        : std::vector<CheckedLine>{};
}

void expectFindings(const LineCase& c, const CheckedLine& line) {
    std::vector<FindingKind> kinds;
    std::string texts;
    for (const Finding& finding : line.findings) {
        kinds.push_back(finding.kind);
        texts += finding.text + "\n";
    }
    EXPECT_EQ(kinds, c.kinds) << c.row << "\n" << texts;
    EXPECT_NE(texts.find(c.text), std::string::npos) << c.row << "\n" << texts;
    EXPECT_EQ(line.readings.empty() ? "" : vantrel::marking::valueText(line.readings.front()),
              c.reading)
        << c.row;
}

constexpr auto kPart = FindingKind::ValueVsPartNumber;
constexpr auto kSize = FindingKind::SizeVsFootprint;
constexpr auto kSeries = FindingKind::NotInSeries;
constexpr auto kUnit = FindingKind::UnitVsDesignator;
constexpr auto kNames = FindingKind::Designators;
constexpr auto kUnread = FindingKind::Unreadable;

TEST(CheckedLine, EachFindingWhereTheLineIsWrongAndNoneWhereItIsRight) {
    const LineCase cases[] = {
        // The part number against the value: another value, a wider tolerance, a lower
        // voltage, another dielectric; a tighter tolerance or a higher voltage is no finding.
        {"R1,2k2,R_0603_1608Metric,1,RC0603FR-072K2L", {}, "", "2,2 кОм"},
        {"R1,2k2,R_0603_1608Metric,1,RC0603FR-0710KL",
         {kPart},
         "номер детали RC0603FR-0710KL: 10 кОм, а в номинале 2,2 кОм",
         "2,2 кОм"},
        {"R1,10k 1%,,1,RC0603JR-0710KL", {kPart}, "допуск ±5 %, а в номинале ±1 %", "10 кОм ±1 %"},
        {"R1,10k 5%,,1,RC0603FR-0710KL", {}, "", "10 кОм ±5 %"},
        {"C1,100n 50V,,1,GRM188R71E104KA01D", {kPart}, "25 В, а в номинале 50 В", "100 нФ, 50 В"},
        {"C1,100n 16V,,1,GRM188R71H104KA93D", {}, "", "100 нФ, 16 В"},
        {"C1,100n X5R,,1,GRM188R71H104KA93D", {kPart}, "X7R, а в номинале X5R", "100 нФ, X5R"},
        {"C1,10k,,1,RC0603FR-0710KL",
         {kUnit},
         "10 кОм — это сопротивление, а деталь — конденсатор",
         "10 кОм"},
        {"R1,10k,,1,C25804", {}, "", "10 кОм"}, // a distributor's number is not read
        // The size: of the part number, of the value, of a tantalum's case.
        {"R1,10k,R_0805_2012Metric,1,ERJ-8ENF1002V",
         {kSize},
         "номер детали ERJ-8ENF1002V: 1206, а посадочное место «R_0805_2012Metric» — 0805",
         "10 кОм"},
        {"R1,10k,R_1206_3216Metric,1,ERJ-8ENF1002V", {}, "", "10 кОм"},
        {"R1,10k 0603,R0805,1,", {kSize}, "номинал «10k 0603»: 0603", "10 кОм, 0603 (1608 мм)"},
        {"R1,10k 0603,0603,1,", {}, "", "10 кОм, 0603 (1608 мм)"},
        {"C1,10u,CP_Tantalum_Case-B_EIA-3528-21_Kemet-B,1,TAJA106K016RNJ",
         {kSize},
         "корпус 3216-18, а посадочное место",
         "10 мкФ"},
        {"C1,10u,CP_Tantalum_Case-B_EIA-3528-21_Kemet-B,1,TAJB106K016RNJ", {}, "", "10 мкФ"},
        // An electrolytic's can against KiCad's: its diameter and length, or the diameter alone.
        {"C1,1000u 16V 10x20,CP_Radial_D8.0mm_P3.50mm,1,",
         {kSize},
         "10×20 мм, а посадочное место «CP_Radial_D8.0mm_P3.50mm» — Ø8 мм",
         "1000 мкФ, 16 В, 10×20 мм"},
        {"C1,100u 6.3x11,CP_Radial_D6.3mm_P2.50mm,1,", {}, "", "100 мкФ, 6,3×11 мм"},
        {"C1,47u 6.3x7.7,CP_Elec_6.3x5.4,1,", {kSize}, "— 6,3×5,4 мм", "47 мкФ, 6,3×7,7 мм"},
        {"C1,47u 6.3x5.4,CP_Elec_6.3x5.4,1,", {}, "", "47 мкФ, 6,3×5,4 мм"},
        // A part number's family the reader did not know before: a wrong electrolytic.
        {"C1,100u 25V,,1,EEU-FR1C101", {kPart}, "16 В, а в номинале 25 В", "100 мкФ, 25 В"},
        {"C1,100u 16V,,1,EEU-FR1C101", {}, "", "100 мкФ, 16 В"},
        {"R1,10k 1%,,1,CRG0603J10K", {kPart}, "допуск ±5 %, а в номинале ±1 %", "10 кОм ±1 %"},
        // The series.
        {"R1,80k,,1,",
         {kSeries},
         "номинала 80 кОм нет ни в одном ряду: ближайшие E96 80,6 кОм, "
         "E24 82 кОм",
         "80 кОм"},
        {"R1,80.6k,,1,", {}, "", "80,6 кОм"},
        {"C1,12.5pF,,1,", {kSeries}, "E96 12,4 пФ, E24 13 пФ", "12,5 пФ"},
        {"R1,0,,1,", {}, "", "0 Ом"},
        // The designator decides the part: a bare number on R is ohms and m is milli; on C
        // and L a number whose code and plain readings differ is refused.
        {"R1,470,,1,", {}, "", "470 Ом"},
        {"R1,2m,,1,", {}, "", "0,002 Ом"},
        {"R1,4k7 1%,,1,", {}, "", "4,7 кОм ±1 %"},
        {"R1,100n,,1,", {kUnit}, "100 нФ — это ёмкость, а деталь — резистор", "100 нФ"},
        {"L1,10uH,,1,", {}, "", "10 мкГн"},
        {"L1,100nF,,1,", {kUnit}, "а деталь — катушка индуктивности", "100 нФ"},
        {"C1,100,,1,", {kUnread}, "номинал «100»: кодом это 10 пФ, а как написано — 100 пФ"},
        {"C1,47,,1,", {}, "", "47 пФ"},
        {"L1,100,,1,", {kUnread}, "кодом это 10 мкГн, а как написано — 100 мкГн"},
        {"C1,0.1,,1,", {}, "", "100 нФ"},
        {"R1,10k/22k,,1,", {kUnread}, "номинал «10k/22k» не читается: в строке не один номинал"},
        {"C1,?F,,1,", {kUnread}, "номинал «?F» не читается"},
        {"R1,,,1,", {kUnread}, "номинала нет"},
        {"472,,,,", {kNames}, "не понять обозначения: «472»"}, // a value, one column early
        // Designators and quantities.
        {"\"R1,R2\",10k,,3,", {kNames}, "количество «3», а обозначений 2", "10 кОм"},
        {"R4-R1,10k,,,", {kNames}, "не понять обозначения: «R4-R1»", "10 кОм"},
        {"\"R1,C1\",10k,,2,", {kNames}, "в одной строке разные детали: R1 и C1", "10 кОм"},
        // Not fitted, or not a resistor, capacitor or inductor: listed, not checked.
        {"R1,DNP,,1,", {}, ""},
        {"R1,80k,,1,,DNP", {}, ""},
        {"R1,80k,,1,,x", {}, ""},
        {"\"R1,R2\",80k,,3,,DNP", {}, ""}, // its quantity not checked either
        {"Q1,BC547,,1,", {}, ""},
        {"U1,100n,,1,", {}, ""},
        {"FB1,600R@100MHz,,1,", {}, ""},
    };
    for (const LineCase& c : cases) {
        const std::vector<CheckedLine> lines = checkedRows(c.row + "\n" + "R99,1k,,1,\n");
        ASSERT_EQ(lines.size(), 2u) << c.row;
        expectFindings(c, lines.front());
    }
}

TEST(CheckedLine, ValuesWithoutADesignatorAreReadAsTheySay) {
    const LineCase cases[] = {
        {"10k 1% 0603", {}, "", "10 кОм ±1 %, 0603 (1608 мм)"},
        {"100nF 50V", {}, "", "100 нФ, 50 В"},
        {"472",
         {kUnread},
         "номинал «472» читается по-разному: Резистор 4,7 кОм, Конденсатор 4,7 нФ"},
        {"GRM188R71H104KA93D", {}, "", "100 нФ ±10 %, 50 В, 0603 (1608 мм), X7R"},
    };
    for (const LineCase& c : cases) {
        const auto checked = checkPartsList("R1 1k\n" + c.row + "\n");
        ASSERT_TRUE(std::holds_alternative<CheckedList>(checked)) << c.row;
        expectFindings(c, std::get<CheckedList>(checked).lines.at(1));
    }
}

TEST(CheckedList, ADesignatorListedTwiceIsFoundOnItsSecondLine) {
    const std::vector<CheckedLine> lines =
        checkedRows("R1-R3,10k,,3,\nR5,4k7,,1,\n\"R3, R5\",1k,,2,\nR5,1k,,1,,DNP\n");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_TRUE(lines[0].findings.empty());
    EXPECT_TRUE(lines[1].findings.empty());
    ASSERT_EQ(lines[2].findings.size(), 1u);
    EXPECT_EQ(lines[2].findings[0].text, "уже в других строках: R3 (строка 2), R5 (строка 3)");
    EXPECT_TRUE(lines[3].findings.empty()); // not fitted
}

TEST(CheckedList, OwnStockHoldsValuesAndPartNumbers) {
    const auto read = readOwnStock("10k; 4k7 # resistors\r\nGRM188R71H104KA93D\n", "свои");
    ASSERT_TRUE(std::holds_alternative<OwnStock>(read));
    const OwnStock& stock = std::get<OwnStock>(read);
    const LineCase cases[] = {
        {"R1,10k,,1,", {}, "", "10 кОм"},
        {"R1,10k 1%,,1,", {}, "", "10 кОм ±1 %"},
        {"R1,22k,,1,", {FindingKind::NotInStock}, "нет среди своих номиналов: 22 кОм", "22 кОм"},
        {"C1,100n,,1,GRM188-R71H-104KA93D", {}, "", "100 нФ"},
        {"C1,100n,,1,", {}, "", "100 нФ"},
        {"C1,220n,,1,", {FindingKind::NotInStock}, "220 нФ", "220 нФ"},
    };
    for (const LineCase& c : cases)
        expectFindings(c, checkedRows(c.row + "\n", &stock).front());
    const auto wrong = readOwnStock("10k\nfoo\n", "свои");
    ASSERT_TRUE(std::holds_alternative<Unreadable>(wrong));
    EXPECT_EQ(std::get<Unreadable>(wrong).reason.rfind("свои, строка 2: ", 0), 0u);
}

// A long list: every line read and checked, the findings where they were put.
TEST(CheckedList, TenThousandLines) {
    std::string list = "Reference,Value,Footprint\n";
    for (int i = 1; i <= 10'000; ++i)
        list += "R" + std::to_string(i) + "," + (i % 1000 == 0 ? "80k" : "10k") +
                ",R_0603_1608Metric\n";
    const auto checked = checkPartsList(list);
    ASSERT_TRUE(std::holds_alternative<CheckedList>(checked));
    EXPECT_EQ(std::get<CheckedList>(checked).lines.size(), 10'000u);
    EXPECT_EQ(std::get<CheckedList>(checked).withFindings, 10u);
}

struct Answer {
    int exitCode;
    std::string out;
    std::string err;
};

Answer check(std::vector<const char*> arguments, const std::string& input) {
    arguments.insert(arguments.begin(), "vantrel");
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const auto exitCode = vantrel::cli::answerCommandLine(static_cast<int>(arguments.size()),
                                                          arguments.data(), in, out, err);
    return {exitCode.value_or(-1), out.str(), err.str()};
}

TEST(CheckCommand, TextJsonAndExitCodes) {
    const std::string list = "Ref,Value,Qty\nR1,10k,1\n\"R2,R3\",80k,2\n";
    Answer text = check({"--check", "-"}, list);
    EXPECT_EQ(text.exitCode, 1);
    EXPECT_EQ(text.out, "строка 3, R2,R3: номинала 80 кОм нет ни в одном ряду: ближайшие E96 "
                        "80,6 кОм, E24 82 кОм\n"
                        "список деталей со стандартного ввода: таблица CSV, 2 строки; "
                        "замечаний: 1, строк с замечаниями: 1\n");
    Answer json = check({"--check", "-", "--json"}, list);
    EXPECT_EQ(json.exitCode, 1);
    EXPECT_EQ(json.out.substr(0, json.out.find("\"readings\"")),
              "{\"line\": 2, \"designators\": [\"R1\"], \"designator_count\": 1, \"quantity\": "
              "\"1\", \"value\": \"10k\", \"part_number\": null, \"part_numbers\": [], "
              "\"footprint\": null, \"dnp\": false, ");
    EXPECT_NE(json.out.find("\"findings\": [{\"kind\": \"not-in-series\", \"text\": "),
              std::string::npos);
    EXPECT_EQ(std::count(json.out.begin(), json.out.end(), '\n'), 2);
    Answer clean = check({"--check", "-"}, "R1 10k\n");
    EXPECT_EQ(clean.exitCode, 0);
    EXPECT_NE(clean.out.find("замечаний нет"), std::string::npos);
    struct Refused {
        std::vector<const char*> arguments;
        std::string input;
        std::string err;
    };
    const Refused refused[] = {
        {{"--check", "-"}, "", "vantrel: список деталей со стандартного ввода: файл пуст\n"},
        {{"--check", "/nonexistent/bom.csv"},
         "",
         "vantrel: не удалось открыть список деталей «/nonexistent/bom.csv»\n"},
        {{"--check", "-", "--stock", "/nonexistent/own.txt"},
         "R1 10k\n",
         "vantrel: не удалось открыть список номиналов «/nonexistent/own.txt»\n"},
        {{"--check", "-", "472"},
         "",
         "vantrel: с «--check» задаются только «--stock» и «--json»\n"},
        {{"--check"}, "", "vantrel: параметру «--check» нужен файл перечня деталей\n"},
        {{"472", "--stock", "own.txt"},
         "",
         "vantrel: параметр «--stock» только для «--check» и «--combine»\n"},
    };
    for (const Refused& r : refused) {
        const Answer answer = check(r.arguments, r.input);
        EXPECT_EQ(answer.exitCode, 2) << r.err;
        EXPECT_EQ(answer.out, "");
        EXPECT_EQ(answer.err.substr(0, answer.err.find("Справка")), r.err);
    }
}

// --stock with no file reads the own values the finder keeps, for --check and for --combine.
TEST(CheckCommand, StockWithoutAFileIsTheFindersOwnValues) {
    const std::string home = testing::TempDir() + "vantrel-data-" + std::to_string(::getpid());
    std::filesystem::create_directories(home + "/Vantrel");
    std::ofstream(home + "/Vantrel/own-values.txt") << "1k; 330R\n";
    ::setenv("XDG_DATA_HOME", home.c_str(), 1);
    const Answer checked = check({"--check", "-", "--stock"}, "R1 1k\nR2 4k7\n");
    const Answer combined = check({"--combine", "1k33", "--stock"}, "");
    ::unsetenv("XDG_DATA_HOME");
    std::filesystem::remove_all(home);
    EXPECT_EQ(checked.exitCode, 1);
    EXPECT_EQ(checked.out.substr(0, checked.out.find('\n')),
              "строка 2, R2: нет среди своих номиналов: 4,7 кОм");
    EXPECT_EQ(combined.exitCode, 0) << combined.err;
    EXPECT_NE(combined.out.find("1 кОм + 330 Ом = 1,33 кОм"), std::string::npos) << combined.out;
}

TEST(CheckCommand, OwnValuesFileWhereQtKeepsIt) {
    using vantrel::cli::ownValuesFile;
    EXPECT_EQ(ownValuesFile("/data", "/home/b"), "/data/Vantrel/own-values.txt");
    EXPECT_EQ(ownValuesFile(nullptr, "/home/b"), "/home/b/.local/share/Vantrel/own-values.txt");
    EXPECT_EQ(ownValuesFile("relative", "/home/b"), "/home/b/.local/share/Vantrel/own-values.txt");
    EXPECT_EQ(ownValuesFile("", ""), std::nullopt);
}

// A designator on several lines is one finding on each later line, with the first few named;
// the ranges are kept as ranges, so that the finding and the memory grow with the list.
TEST(CheckedList, ADesignatorOnSeveralLinesIsOneFindingOnEachLaterLine) {
    DesignatorsSeen seen;
    EXPECT_EQ(seen.add(readDesignators("R1-R4, C1"), 2), std::nullopt);
    EXPECT_EQ(seen.add(readDesignators("R3"), 3), "R3 уже в строке 2");
    EXPECT_EQ(seen.add(readDesignators("R5, R5"), 4), "R5 дважды в этой строке");
    EXPECT_EQ(seen.add(readDesignators("R2-R6, C1"), 5),
              "уже в других строках: R2-R4 (строка 2), R5 (строка 4), C1 (строка 2)");
    EXPECT_EQ(seen.add(readDesignators("R7-R9"), 6), std::nullopt);
    EXPECT_EQ(seen.add(readDesignators("R9, R8, R1-R7, C1"), 7),
              "уже в других строках: R9 (строка 6), R8 (строка 6), R1-R4 (строка 2) и ещё 4");
    // 2 000 lines of R1-R999: one finding a line, and an answer of kilobytes, not megabytes.
    std::string list = "Ref,Value\n";
    for (int i = 0; i < 2000; ++i)
        list += "R1-R999,10k\n";
    const Answer answer = check({"--check", "-", "--json"}, list);
    EXPECT_EQ(answer.exitCode, 1);
    EXPECT_EQ(std::count(answer.out.begin(), answer.out.end(), '\n'), 2000);
    EXPECT_LT(answer.out.size(), 2000u * 2048);
    EXPECT_NE(answer.out.find("\"designators\": [\"R1-R999\"], \"designator_count\": 999"),
              std::string::npos);
    EXPECT_NE(answer.out.find("R1-R999 уже в строке 2"), std::string::npos);
}

// Column headings as the tools write them, each with the role their documentation gives it.
TEST(Headings, TheToolsColumns) {
    struct Case {
        const char* heading;
        std::optional<Role> role;
    };
    const Case cases[] = {
        // KiCad: kicad-cli's labels, the older scripts' headings, the GUI's presets.
        {"Refs", Role::Designators},
        {"Reference(s)", Role::Designators},
        {"Value", Role::Value},
        {"Footprint", Role::Footprint},
        {"Qty", Role::Quantity},
        {"DNP", Role::NotFitted},
        {"${DNP}", Role::NotFitted},
        {"Do Not Place", Role::NotFitted},
        {"Exclude from BOM", Role::NotFitted},
        {"Datasheet", Role::Known},
        // EasyEDA Standard and Pro.
        {"ID", Role::Known},
        {"Name", Role::Value},
        {"Designator", Role::Designators},
        {"Quantity", Role::Quantity},
        {"Manufacturer Part", Role::PartNumber},
        {"Manufacturer", Role::Known},
        {"Supplier", Role::Known},
        {"Supplier Part", Role::Distributor},
        {"No.", Role::Known},
        {"Comment", Role::Value},
        // Eagle's and Fusion's bom.ulp.
        {"Part", Role::Designators},
        {"Parts", Role::Designators},
        {"Device", Role::Known},
        {"Package", Role::Footprint},
        {"Description", Role::Description},
        // Altium, with ActiveBOM's numbered alternates.
        {"LibRef", Role::Known},
        {"Fitted", Role::Fitted},
        {"Manufacturer 1", Role::Known},
        {"Manufacturer Part Number 1", Role::PartNumber},
        {"Manufacturer Part Number 3", Role::PartNumber},
        {"Supplier 1", Role::Known},
        {"Supplier Part Number 1", Role::Distributor},
        // Other lists' part numbers and designators, in either case, underscores for spaces.
        {"PN", Role::PartNumber},
        {"P/N", Role::PartNumber},
        {"Mfr PN", Role::PartNumber},
        {"Mfr. #", Role::PartNumber},
        {"MPN1", Role::PartNumber},
        {"MPN 2", Role::PartNumber},
        {"Manufacturer_Part_Number", Role::PartNumber},
        {"MANUFACTURER_PART_NUMBER", Role::PartNumber},
        {"Designators", Role::Designators},
        {"Part References", Role::Designators},
        {"LCSC Part #", Role::Distributor},
        {"Populate", Role::Fitted},
        {"Примечание", Role::Note},
        {"Поз. обозначение", Role::Designators},
        {"Кол.", Role::Quantity},
        {"Номинал", Role::Value},
        // A number after a heading without alternates is no heading.
        {"Value 2", std::nullopt},
        {"Color", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(roleOf(c.heading), c.role) << c.heading;
}

// What says a part is not fitted: a mark in the value, and a column of either sense.
TEST(Headings, NotFittedInTheValueOrAColumn) {
    for (const char* value :
         {"DNP", "DNF", "NC", "N/C", "n.f.", "not fitted", "no pop", "NoPop", "не устанавливать",
          "Не уст.", "10k DNP", "DNP 10k", "1k; DNF", "10k (DNP)", "x", "inf"})
        EXPECT_TRUE(saysNotFitted(value)) << value;
    for (const char* value : {"10k", "100 NF", "0R", "NC7SZ04", "100n", "SYNC", "DNPX", ""})
        EXPECT_FALSE(saysNotFitted(value)) << value;
    struct Cell {
        Role role;
        const char* cell;
        bool notFitted;
    };
    const Cell cells[] = {
        {Role::NotFitted, "DNP", true},  {Role::NotFitted, "x", true},
        {Role::NotFitted, "Yes", true},  {Role::NotFitted, "Excluded from BOM", true},
        {Role::NotFitted, "", false},    {Role::NotFitted, "No", false},
        {Role::NotFitted, "0", false},   {Role::Fitted, "No", true},
        {Role::Fitted, "0", true},       {Role::Fitted, "Not Fitted", true},
        {Role::Fitted, "Fitted", false}, {Role::Fitted, "Yes", false},
        {Role::Fitted, "", false},       {Role::Note, "Не устанавливать", true},
        {Role::Note, "x", false},        {Role::Note, "подобрать при настройке", false},
        {Role::Value, "DNP", false},
    };
    for (const Cell& c : cells)
        EXPECT_EQ(cellSaysNotFitted(c.role, c.cell), c.notFitted) << c.cell;
    const std::vector<CheckedLine> lines =
        checkedRows("R1,10k DNP,,1,\nR2,80k,,0,\nR3,80k,,1,,Do not place\n");
    ASSERT_EQ(lines.size(), 3u);
    for (const CheckedLine& line : lines) {
        EXPECT_TRUE(line.line.doNotPopulate) << line.line.line;
        EXPECT_TRUE(line.findings.empty()) << line.line.line;
    }
}

// UTF-16 after its byte-order mark, either byte order; UTF-8 decided field by field, so that
// one stray byte leaves the rest as written and its line is named.
TEST(PartsList, EncodingsAndStrayBytes) {
    const auto utf16 = [](std::string_view text, bool little) {
        std::string bytes = little ? "\xFF\xFE" : "\xFE\xFF";
        for (const char c : text) // ASCII only
            bytes += little ? std::string{c, '\0'} : std::string{'\0', c};
        return bytes;
    };
    for (const bool little : {true, false}) {
        const auto read = readPartsList(utf16("Ref\tValue\r\nR1\t10k\r\n", little));
        ASSERT_TRUE(std::holds_alternative<PartsList>(read));
        EXPECT_EQ(std::get<PartsList>(read).format, "таблица TSV, UTF-16");
        ASSERT_EQ(std::get<PartsList>(read).lines.size(), 1u);
        EXPECT_EQ(std::get<PartsList>(read).lines[0].value, "10k");
    }
    EXPECT_EQ(withoutByteOrderMark("\xFF\xFE\x3D\xD8\x01\xDC"), "\xF0\x9F\x90\x81"); // a pair
    EXPECT_EQ(withoutByteOrderMark("\xFF\xFE\x01\xDC"), "\xEF\xBF\xBD");             // alone
    const auto mixed = readPartsList("Ref;Value;Note\nC1;4,7 мкФ;\nC2;10 \xB5\x46;\nC3;1 нФ;\n");
    ASSERT_TRUE(std::holds_alternative<PartsList>(mixed));
    const PartsList& list = std::get<PartsList>(mixed);
    EXPECT_EQ(list.lines[0].value, "4,7 мкФ");
    EXPECT_EQ(list.lines[1].value, "10 µF");
    EXPECT_TRUE(list.lines[1].notUtf8);
    EXPECT_EQ(list.lines[2].value, "1 нФ");
    EXPECT_EQ(
        list.format,
        "таблица CSV, разделитель «;», в строке 3 байты не UTF-8, прочитаны как Windows-1251");
}

// OrCAD's report names the designators «Reference» and the value «Part», after a title block.
TEST(PartsList, OrcadsPartIsTheValue) {
    const auto read = readPartsList("\"Bill Of Materials   March 16,2022\"\tPage1\n\n"
                                    "Item\tQuantity\tReference\tPart\tManufacturer PN\n"
                                    "______\t\t\t\t\n"
                                    "3\t2\t\"R1,R2\"\t360R 1%\tAC0805FR-07360RL\n");
    ASSERT_TRUE(std::holds_alternative<PartsList>(read));
    const PartsList& list = std::get<PartsList>(read);
    ASSERT_EQ(list.lines.size(), 1u);
    EXPECT_EQ(list.lines[0].designators, "R1,R2");
    EXPECT_EQ(list.lines[0].value, "360R 1%");
    EXPECT_EQ(list.lines[0].partNumber, "AC0805FR-07360RL");
}

// Every maker's number on a line is compared and a finding names which; a number as people
// paste it is read.
TEST(CheckedLine, EveryMakersNumberAndNumbersAsPasted) {
    const auto checked = checkPartsList("Designator,Comment,MPN 1,MPN 2,Supplier Part Number 1\n"
                                        "C1,100n 50V,GRM188R71H104KA93D,C0603C104K5RACTU,C14663\n"
                                        "C2,100n 50V,GRM188R71H104KA93D,C0603C103K5RACTU,C14663\n"
                                        "C3,18p,C0603C180J5GAC TU.,,\n"
                                        "C4,18p,\"C0603C180J5GAC,\",,\n");
    ASSERT_TRUE(std::holds_alternative<CheckedList>(checked));
    const auto& lines = std::get<CheckedList>(checked).lines;
    EXPECT_TRUE(lines[0].findings.empty());
    ASSERT_EQ(lines[1].findings.size(), 1u);
    EXPECT_EQ(lines[1].findings[0].text, "номер детали C0603C103K5RACTU (столбец «MPN 2»): 10 нФ, "
                                         "а в номинале 100 нФ");
    EXPECT_EQ(lines[2].line.partNumber, "C0603C180J5GAC TU");
    EXPECT_TRUE(lines[2].findings.empty());
    EXPECT_EQ(lines[3].line.partNumber, "C0603C180J5GAC");
    const auto wrong = checkPartsList("Designator,Comment,MPN\nC1,22p,C0603C180J5GAC TU.\n");
    EXPECT_EQ(std::get<CheckedList>(wrong).lines[0].findings.size(), 1u);
}

// Each tool's export, written from its documentation: read as that tool's, with no finding on
// any line; then one fault planted at a time, each found with its kind and nothing else found.
TEST(FormatOracle, NothingRightFlaggedNothingWrongPassed) {
    struct Format {
        const char* file;
        const char* format;
        std::size_t lines;
    };
    const Format formats[] = {
        {"kicad_grouped.csv", "групповая таблица KiCad", 3},
        {"easyeda_std.csv", "таблица EasyEDA, UTF-16", 6},
        {"easyeda_utf8.csv", "таблица EasyEDA", 6},
        {"eagle_parts.csv", "таблица Eagle (bom.ulp)", 6},
        {"eagle_values.csv", "таблица Eagle (bom.ulp)", 5},
        {"eagle_partlist.txt", "список деталей Eagle (Export › Partlist)", 6},
        {"altium.csv", "таблица Altium", 5},
        {"altium_classic.csv", "таблица Altium", 4},
        {"assembly.csv", "таблица для сборки (Comment, Designator, Footprint)", 3},
        {"markdown.md", "таблица Markdown", 7},
        {"plain_semicolons.txt", "список, деталь в строке", 10},
        {"spreadsheet_1251.csv", "таблица CSV, разделитель «;», Windows-1251", 3},
    };
    for (const Format& f : formats) {
        const auto checked = checkPartsList(fixture(f.file));
        ASSERT_TRUE(std::holds_alternative<CheckedList>(checked)) << f.file;
        const CheckedList& list = std::get<CheckedList>(checked);
        EXPECT_EQ(list.format, f.format);
        EXPECT_EQ(list.lines.size(), f.lines) << f.file;
        for (const CheckedLine& line : list.lines)
            EXPECT_TRUE(line.findings.empty())
                << f.file << ":" << line.line.line << " " << line.findings.front().text;
    }
    // One planted fault: the first `from` in the file becomes `to`.
    struct Planted {
        const char* file;
        const char* from;
        const char* to;
        FindingKind kind;
    };
    constexpr auto kStock = FindingKind::NotInStock;
    const Planted planted[] = {
        {"easyeda_std.csv", "0603WAF1002T5E", "0603WAF4701T5E", kPart},
        {"easyeda_std.csv", "\"C4\"\t\"C0805\"", "\"C4\"\t\"C0603\"", kSize},
        {"easyeda_std.csv", "\"4.7k\"", "\"4.8k\"", kSeries},
        {"easyeda_std.csv", "\"4.7uH\"", "\"4.7uF\"", kUnit},
        {"easyeda_std.csv", "\"R3\"", "\"R2\"", kNames},
        {"easyeda_std.csv", "\"4.7k\"", "\"4.7k?\"", kUnread},
        {"easyeda_std.csv", "\"4.7k\"", "\"6.8k\"", kStock},
        {"easyeda_utf8.csv", "CL10B104KB8NNNC", "CL10B103KB8NNNC", kPart},
        {"easyeda_utf8.csv", "C4;C0805", "C4;C1206", kSize},
        {"easyeda_utf8.csv", "4.7k;R3", "4.8k;R3", kSeries},
        {"easyeda_utf8.csv", "1uH;L1", "1uF;L1", kUnit},
        {"easyeda_utf8.csv", "2;3;100nF", "2;2;100nF", kNames},
        {"easyeda_utf8.csv", "4.7k;R3", "4.7k?;R3", kUnread},
        {"easyeda_utf8.csv", "4.7k;R3", "6.8k;R3", kStock},
        {"eagle_parts.csv", "RC0603FR-0710KL", "RC0603FR-074K7L", kPart},
        {"eagle_parts.csv", "\"C1\";\"100n\";\"C-EUC0603\";\"C0603\"",
         "\"C1\";\"100n\";\"C-EUC0603\";\"C0805\"", kSize},
        {"eagle_parts.csv", "\"4k7\"", "\"4k8\"", kSeries},
        {"eagle_parts.csv", "\"4u7\"", "\"4n7F\"", kUnit},
        {"eagle_parts.csv", "\"R2\"", "\"R1\"", kNames},
        {"eagle_parts.csv", "\"4k7\"", "\"4k7?\"", kUnread},
        {"eagle_parts.csv", "\"4k7\"", "\"6k8\"", kStock},
        {"eagle_values.csv", "GRM188R71H104KA93D", "GRM188R71H103KA01D", kPart},
        {"eagle_values.csv", "\"C0603\";\"C1, C2\"", "\"C0805\";\"C1, C2\"", kSize},
        {"eagle_values.csv", "\"4k7\"", "\"4k8\"", kSeries},
        {"eagle_values.csv", "\"10u\"", "\"10k\"", kUnit},
        {"eagle_values.csv", "\"2\";\"10k\"", "\"3\";\"10k\"", kNames},
        {"eagle_values.csv", "\"4k7\"", "\"4k7?\"", kUnread},
        {"eagle_values.csv", "\"4k7\"", "\"6k8\"", kStock},
        {"eagle_partlist.txt", "100nF          C-USC0603", "100nF 0805     C-USC0603", kSize},
        {"eagle_partlist.txt", "4.7K    ", "4.8K    ", kSeries},
        {"eagle_partlist.txt", "10uH    ", "10nF    ", kUnit},
        {"eagle_partlist.txt", "R2       ", "R1       ", kNames},
        {"eagle_partlist.txt", "4.7K    ", "4.7K?   ", kUnread},
        {"eagle_partlist.txt", "4.7K    ", "6.8K    ", kStock},
        {"altium.csv", "\"GRM188R71H104KA93D\"", "\"GRM188R71H103KA01D\"", kPart},
        {"altium.csv", "\"ERJ-3EKF1002V\"", "\"ERJ-3EKF4701V\"", kPart},
        {"altium.csv", "\"Inductor\"", "\"10uF\"", kUnit},
        {"altium.csv", "\"R1, R3\",\"2\"", "\"R1, R3\",\"3\"", kNames},
        {"altium.csv", "IND 10UH 2A", "IND 10UH? 2A", kUnread},
        {"altium.csv", "IND 10UH 2A", "IND 22UH 2A", kStock},
        {"altium_classic.csv", "\"100nF\"", "\"100nF 0805\"", kSize},
        {"altium_classic.csv", "\"10k\"", "\"80k\"", kSeries},
        {"altium_classic.csv", "\"10uH\"", "\"10uF\"", kUnit},
        {"altium_classic.csv", "\"R1, R2\"", "\"R1, R1\"", kNames},
        {"altium_classic.csv", "\"10uH\"", "\"10uH?\"", kUnread},
        {"altium_classic.csv", "\"10uH\"", "\"22uH\"", kStock},
        {"markdown.md", "10 кОм ±1 %", "10 кОм ±1 % 0805", kSize},
        {"markdown.md", "4,7 кОм", "4,8 кОм", kSeries},
        {"markdown.md", "10 мкГн", "10 мкФ", kUnit},
        {"markdown.md", "| R3 |", "| R2 |", kNames},
        {"markdown.md", "4,7 кОм", "4,7 кОм?", kUnread},
        {"markdown.md", "4,7 кОм", "6,8 кОм", kStock},
        {"plain_semicolons.txt", "R1;10 кОм", "R1;10 кОм RC0603FR-074K7L", kPart},
        {"plain_semicolons.txt", "R4;47 Ω", "R4;48 Ω", kSeries},
        {"plain_semicolons.txt", "L1;10 мкГн", "L1;10 мкФ", kUnit},
        {"plain_semicolons.txt", "R5;470", "R4;470", kNames},
        {"plain_semicolons.txt", "R4;47 Ω", "R4;47 Ω?", kUnread},
        {"plain_semicolons.txt", "R4;47 Ω", "R4;68 Ω", kStock},
    };
    for (const Planted& p : planted) {
        std::string text = fixture(p.file);
        const bool utf16 = text.starts_with("\xFF\xFE");
        const auto encoded = [utf16](std::string_view ascii) {
            std::string bytes;
            for (const char c : ascii)
                bytes += utf16 ? std::string{c, '\0'} : std::string{c};
            return bytes;
        };
        const std::size_t at = text.find(encoded(p.from));
        ASSERT_NE(at, std::string::npos) << p.file << ": " << p.from;
        text.replace(at, encoded(p.from).size(), encoded(p.to));
        // The stock: every value of the list as the file has it, so that only the value planted
        // is missing from it.
        const auto own = checkPartsList(fixture(p.file));
        OwnStock stock;
        for (const CheckedLine& line : std::get<CheckedList>(own).lines)
            for (const auto& reading : line.readings)
                stock.values.push_back(reading.reading);
        const auto checked = checkPartsList(text, p.kind == kStock ? &stock : nullptr);
        ASSERT_TRUE(std::holds_alternative<CheckedList>(checked)) << p.file << ": " << p.to;
        std::vector<FindingKind> kinds;
        std::string texts;
        for (const CheckedLine& line : std::get<CheckedList>(checked).lines)
            for (const Finding& finding : line.findings) {
                kinds.push_back(finding.kind);
                texts += finding.text + "\n";
            }
        EXPECT_EQ(kinds, std::vector<FindingKind>{p.kind}) << p.file << ": " << p.to << "\n"
                                                           << texts;
    }
}

} // namespace
