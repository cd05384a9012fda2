// Paper as data: label sheets as their makers give them, to a tenth of a millimetre; rows to
// pages; the sorting sheet of a workshop's list; label values; and --sheet and --labels
// refusing what cannot be printed before anything is drawn.
#include "core/cli/command_line.h"
#include "core/cli/paper_answers.h"
#include "core/paper/content.h"
#include "core/paper/layout.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace vantrel::paper;
using vantrel::value::Quantity;

constexpr double kTenth = 0.1;

// Label positions from the makers' sheets: the first, the last of the first row, the last on
// the page, and the first of the next page.
TEST(LabelSheets, PresetsPlaceLabelsAsTheirMakersDo) {
    struct Case {
        const char* preset;
        std::size_t index;
        double left, top, width, height;
    };
    const Case cases[] = {
        {"3x8", 0, 0, 0.5, 70, 37},
        {"3x8", 2, 140, 0.5, 70, 37},
        {"3x8", 23, 140, 259.5, 70, 37},
        {"3x8", 24, 0, 0.5, 70, 37},
        {"3x7", 0, 7.2, 15.15, 63.5, 38.1},
        {"3x7", 2, 139.2, 15.15, 63.5, 38.1},
        {"3x7", 20, 139.2, 243.75, 63.5, 38.1},
        {"5x13", 0, 4.75, 10.7, 38.1, 21.2},
        {"5x13", 64, 167.15, 265.1, 38.1, 21.2},
        {"5x13", 66, 45.35, 10.7, 38.1, 21.2},
    };
    for (const Case& c : cases) {
        const LabelPreset* preset = labelPreset(c.preset);
        ASSERT_NE(preset, nullptr) << c.preset;
        const Rect at = labelRect(preset->sheet, c.index);
        EXPECT_NEAR(at.left, c.left, kTenth) << c.preset << " " << c.index;
        EXPECT_NEAR(at.top, c.top, kTenth) << c.preset << " " << c.index;
        EXPECT_NEAR(at.width, c.width, kTenth) << c.preset;
        EXPECT_NEAR(at.height, c.height, kTenth) << c.preset;
        EXPECT_EQ(labelSheetProblem(preset->sheet, paperSize(Paper::A4), "A4"), std::nullopt);
    }
    EXPECT_EQ(labelPreset("4x10"), nullptr);
    // A sheet moved 5 mm to the right runs off the page's right edge.
    LabelSheet moved = labelPreset("3x8")->sheet;
    moved.left = 5;
    EXPECT_NE(labelSheetProblem(moved, paperSize(Paper::A4), "A4"), std::nullopt);
    // 8 labels of 37 mm are taller than Letter.
    EXPECT_NE(labelSheetProblem(labelPreset("3x8")->sheet, paperSize(Paper::Letter), "Letter"),
              std::nullopt);
}

TEST(LabelSheets, TypedSheetsAreCentredOrRefused) {
    struct Case {
        const char *grid, *size, *gaps;
        double left, top;    // of the first label, for a sheet that fits
        const char* refusal; // a part of the message, for one that does not
    };
    const Case cases[] = {
        {"3x8", "70x37", "", 0, 0.5, nullptr},
        {"4×10", "52,5 x 29,7", "", 0, 0, nullptr},
        {"2x5", "90x50", "10x5", 10, 13.5, nullptr},
        {"3X7", "63.5х38.1", "2.5x0", 7.2, 15.15, nullptr},
        {"0x8", "70x37", "", 0, 0, "сетка этикеток"},
        {"3x", "70x37", "", 0, 0, "сетка этикеток"},
        {"3x8x2", "70x37", "", 0, 0, "сетка этикеток"},
        {"51x1", "30x20", "", 0, 0, "сетка этикеток"},
        {"3x8", "70", "", 0, 0, "размер этикетки"},
        {"3x8", "-70x37", "", 0, 0, "размер этикетки"},
        {"3x8", "0x37", "", 0, 0, "размер этикетки"},
        {"3x8", "70x37", "2,5", 0, 0, "промежутки"},
        {"3x8", "80x37", "", 0, 0, "не помещаются на лист A4 (210 × 297 мм): им нужно 240 × 296"},
        {"3x8", "70x37", "1x1", 0, 0, "не помещаются"},
        {"10x10", "20x14", "", 0, 0, "мала"},
        {"3x8", "70x14", "", 0, 0, "мала"},
    };
    const Size a4 = paperSize(Paper::A4);
    for (const Case& c : cases) {
        const auto typed = typedLabelSheet(c.grid, c.size, c.gaps, a4);
        std::string problem;
        if (const auto* refused = std::get_if<std::string>(&typed))
            problem = *refused;
        else if (auto misfit = labelSheetProblem(std::get<LabelSheet>(typed), a4, "A4"))
            problem = *misfit;
        if (!c.refusal) {
            ASSERT_EQ(problem, "") << c.grid << " " << c.size;
            const Rect first = labelRect(std::get<LabelSheet>(typed), 0);
            EXPECT_NEAR(first.left, c.left, kTenth) << c.grid;
            EXPECT_NEAR(first.top, c.top, kTenth) << c.grid;
        } else {
            EXPECT_NE(problem.find(c.refusal), std::string::npos) << c.grid << " " << problem;
        }
    }
}

TEST(SheetPages, RowsAreNeverSplit) {
    struct Case {
        std::vector<double> heights;
        std::vector<std::size_t> starts;
    };
    const Case cases[] = {
        {{}, {0}},
        {{10, 10, 10}, {0, 2}},
        {{12.5, 12.5, 1}, {0, 2}}, // a page filled exactly
        {{30}, {0}},               // taller than the body: a page of its own
        {{10, 30, 10}, {0, 1, 2}},
        {{5, 5, 5, 5, 5, 5}, {0, 5}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(pageStarts(c.heights, 25), c.starts) << c.heights.size();
    // The body lies between the header and the footer, inside the margins, on both papers.
    for (const Paper paper : {Paper::A4, Paper::Letter}) {
        const Size page = paperSize(paper);
        EXPECT_NEAR(sheetBody(page).top, sheetHeader(page).bottom(), 1e-9);
        EXPECT_NEAR(sheetBody(page).bottom(), sheetFooter(page).top, 1e-9);
        EXPECT_NEAR(sheetFooter(page).bottom(), page.height - kPageMargin, 1e-9);
    }
}

TEST(BandDrawing, BandsLieOnTheBodyApartWithTheToleranceBandNearTheEnd) {
    const Rect body{10, 20, 40, 7};
    for (const std::size_t count : {3u, 4u, 5u})
        for (const bool apart : {false, true}) {
            const std::vector<Rect> bands = bandRects(body, count, apart);
            ASSERT_EQ(bands.size(), count);
            for (std::size_t i = 0; i < count; ++i) {
                EXPECT_GT(bands[i].left, body.left);
                EXPECT_LT(bands[i].right(), body.right());
                EXPECT_EQ(bands[i].top, body.top);
                if (i > 0) { // a gap at least half a band wide
                    EXPECT_GT(bands[i].left - bands[i - 1].right(), bands[i].width / 2);
                }
            }
            const double lastGap = bands[count - 1].left - bands[count - 2].right();
            const double gap = bands[1].left - bands[0].right();
            EXPECT_EQ(lastGap > gap * 1.5, apart) << count;
        }
}

std::string fileText(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

// A workshop's hand-typed list: one row per value, ascending per part, DNP and ICs left out.
TEST(SortingSheet, OneRowPerValueAscendingWithWhatToLookFor) {
    const auto checked = vantrel::lists::checkPartsList(fileText(VANTREL_LISTS "/workshop.txt"));
    ASSERT_TRUE(std::holds_alternative<vantrel::lists::CheckedList>(checked));
    const SortingSheet sheet = sortingSheet(std::get<vantrel::lists::CheckedList>(checked).lines);
    struct Row {
        const char *designators, *written;
        std::size_t count;
        const char* firstBands; // the first band marking's form, or none
        std::size_t findings;
    };
    const Row expected[] = {
        {"R4-R6", "220", 3, "Bands4", 0},     {"R3", "4k7 1%", 1, "Bands5", 0},
        {"R10", "4,8k", 1, "Bands4", 1},      {"R1,R2, R11", "10k, 10K", 3, "Bands4", 0},
        {"R8", "47k 0805", 1, nullptr, 0},    {"R7", "1M", 1, "Bands4", 0},
        {"C4", "22p", 1, nullptr, 0},         {"C1,C2", "100n", 2, nullptr, 0},
        {"C3", "4,7 мкФ 25В", 1, nullptr, 0}, {"L1", "10uH", 1, "Bands4", 0},
    };
    ASSERT_EQ(sheet.rows.size(), std::size(expected));
    for (std::size_t i = 0; i < sheet.rows.size(); ++i) {
        const SheetRow& row = sheet.rows[i];
        const Row& want = expected[i];
        EXPECT_EQ(row.designators, want.designators) << i;
        EXPECT_EQ(row.written, want.written) << i;
        EXPECT_EQ(row.count, want.count) << i;
        EXPECT_EQ(row.findings.size(), want.findings) << i;
        ASSERT_EQ(row.markings.bands.empty(), want.firstBands == nullptr) << i;
        if (want.firstBands) {
            EXPECT_EQ(row.markings.bands.front().form, std::string_view(want.firstBands) == "Bands5"
                                                           ? vantrel::marking::MarkingForm::Bands5
                                                           : vantrel::marking::MarkingForm::Bands4)
                << i;
        }
        for (const auto& code : row.markings.codes)
            EXPECT_NE(code.form, vantrel::marking::MarkingForm::PartNumber) << i;
    }
    // 220 Ом with no tolerance: three bands, and the fourth left to the part, drawn dashed.
    EXPECT_EQ(sheet.rows[0].markings.bands.front().colours.size(), 3u);
    EXPECT_EQ(vantrel::marking::ownBand(sheet.rows[0].markings.bands.front()), 4);
    EXPECT_EQ(sheet.rows[4].plainly, "47 кОм, 0805 (2012 мм)"); // a chip: its codes, no bands
    EXPECT_EQ(sheet.rows[4].markings.codes.front().text, "473");
    EXPECT_EQ(sheet.notFitted, "R9");
}

// A value on many lines: its row names the first 24 designators and three findings, then how
// many more, each designator once however many lines repeat it, and counts every part.
TEST(SortingSheet, ALongRowNamesTheFirstAndCountsTheRest) {
    std::string list = "Ref,Value,MPN\n";
    for (int i = 1; i <= 40; ++i)
        list += "R" + std::to_string(i) + ",10k," + (i <= 5 ? "RC0603FR-074K7L" : "") + "\n";
    list += "R1,10k,\nR41-R50,10k,\n";
    const auto checked = vantrel::lists::checkPartsList(list);
    const SortingSheet sheet = sortingSheet(std::get<vantrel::lists::CheckedList>(checked).lines);
    ASSERT_EQ(sheet.rows.size(), 1u);
    const SheetRow& row = sheet.rows.front();
    EXPECT_EQ(row.count, 51u);
    EXPECT_TRUE(row.designators.starts_with("R1, R2, R3, ")) << row.designators;
    EXPECT_TRUE(row.designators.ends_with(", R24 и ещё 26")) << row.designators;
    ASSERT_EQ(row.findings.size(), 4u);
    EXPECT_TRUE(row.findings[0].starts_with("строка 2: номер детали RC0603FR-074K7L"));
    EXPECT_EQ(row.findings[3], "ещё замечаний в других строках: 3");
}

// The size comes from the footprint where the value has none; an unread value goes last.
TEST(SortingSheet, FootprintSizesAndUnreadValues) {
    const auto checked = vantrel::lists::checkPartsList(
        "Reference,Value,Footprint\nR1,10k,Resistor_SMD:R_0603_1608Metric\n"
        "R2,10k/22k,\nR3,1k,Resistor_THT:R_Axial_DIN0207\nC1,100n,C_0805\n");
    const SortingSheet sheet = sortingSheet(std::get<vantrel::lists::CheckedList>(checked).lines);
    ASSERT_EQ(sheet.rows.size(), 4u);
    EXPECT_EQ(sheet.rows[0].plainly, "1 кОм");
    EXPECT_FALSE(sheet.rows[0].markings.bands.empty());
    EXPECT_EQ(sheet.rows[1].plainly, "10 кОм, 0603 (1608 мм)");
    EXPECT_TRUE(sheet.rows[1].markings.bands.empty());
    EXPECT_EQ(sheet.rows[2].designators, "R2");
    EXPECT_FALSE(sheet.rows[2].reading);
    EXPECT_EQ(sheet.rows[2].findings.size(), 1u);
    EXPECT_EQ(sheet.rows[3].plainly, "100 нФ, 0805 (2012 мм)");
}

TEST(LabelValues, ValuesLinesAndPartNumbersOrWhyNot) {
    struct Case {
        const char* text;
        const char* values; // each label's value and details, or the refusal's start
    };
    const Case cases[] = {
        {"10k 1% 0603", "10 кОм ±1 %, 0603"},
        {"4k7; 100n\n4,7 мкГн # the choke", "4,7 кОм / 100 нФ / 4,7 мкГн"},
        {"2A104J", "100 нФ ±5 %, 100 В"},
        {"GRM188R71H104KA93D", "100 нФ ±10 %, 50 В, 0603"},
        {"\xEF\xBB\xBF"
         "220\r\n",
         "220 Ом"},
        {"# nothing but a comment\n", ""},
        {"10k\nLM358", "этикетки, строка 2"},
        {"10k\n\nfoo", "этикетки, строка 3"},
    };
    for (const Case& c : cases) {
        const auto read = readLabelValues(c.text, "этикетки");
        std::string got;
        if (const auto* refusal = std::get_if<std::string>(&read)) {
            got = refusal->substr(0, std::string_view(c.values).size());
        } else {
            for (const auto& reading : std::get<std::vector<vantrel::value::Reading>>(read)) {
                const Label label = labelOf(reading);
                got += (got.empty() ? "" : " / ") + label.value +
                       (label.details.empty() ? "" : " " + label.details);
            }
        }
        EXPECT_EQ(got, c.values) << c.text;
    }
    // The QR code's text is the value line, which reads back to the same value.
    const auto read = readLabelValues("4k7 1% 0805", "этикетки");
    const Label label = labelOf(std::get<std::vector<vantrel::value::Reading>>(read).front());
    EXPECT_EQ(label.payload, "4,7 кОм ±1 %, 0805 (2012 мм)");
    EXPECT_EQ(std::get<std::vector<vantrel::value::Reading>>(readLabelValues(label.payload, "qr"))
                  .front(),
              label.reading);
}

// --sheet and --labels: every refusal before anything is drawn, and the job a printer gets.
vantrel::cli::PaperJob printed;
int printerCalls = 0;
int record(const vantrel::cli::PaperJob& job, std::ostream&) {
    printed = job;
    ++printerCalls;
    return 0;
}
Paper letterLocale() {
    return Paper::Letter;
}

TEST(PaperCommand, RefusalsAndJobs) {
    const std::string workshop = VANTREL_LISTS "/workshop.txt";
    const std::string binary = VANTREL_LISTS "/../core/paper_test.cpp.binary";
    { std::ofstream(binary, std::ios::binary) << std::string("\x00\x01\x02PDF", 6); }
    struct Case {
        std::vector<std::string> arguments;
        std::string input;
        int exitCode;
        const char* said; // a part of the message, or for 0 what the job holds
    };
    const Case cases[] = {
        {{"--sheet", workshop}, "", 2, "нужен файл, куда писать"},
        {{"--sheet", workshop, "-o", "x.svg"}, "", 2, "кончается на .pdf"},
        {{"--sheet", workshop, "--labels", "-o", "x.pdf"}, "", 2, "не задаются вместе"},
        {{"--sheet", workshop, "--qr", "-o", "x.pdf"}, "", 2, "только для «--labels»"},
        {{"--sheet", workshop, "--json", "-o", "x.pdf"}, "", 2, "а не «--json»"},
        {{"--sheet", binary, "-o", "x.pdf"}, "", 2, "двоичные"},
        {{"--sheet", workshop, "--paper", "A3", "-o", "x.pdf"}, "", 2, "A4 или Letter"},
        {{"--labels", "--preset", "4x10", "-o", "x.pdf"}, "10k", 2, "есть 3x8, 3x7, 5x13"},
        {{"--labels", "--grid", "3x8", "-o", "x.pdf"}, "10k", 2, "с «--label»"},
        {{"--labels", "--preset", "3x8", "--paper", "letter", "-o", "x.pdf"},
         "10k",
         2,
         "не помещаются на лист Letter"},
        {{"--labels", "-o", "x.pdf"}, "", 2, "нет ни одного номинала"},
        {{"--labels", "-o", "x.pdf"}, "10k\nLM358\n", 2, "строка 2"},
        {{"--labels", "a.txt", "--stock", "b.txt", "-o", "x.pdf"}, "", 2, "из одного списка"},
        {{"--sheet", workshop, "-o", "x.pdf"}, "", 0, "sheet Letter 10"},
        {{"--sheet=" + workshop, "--paper=a4", "--output=x.pdf"}, "", 0, "sheet A4 10"},
        {{"--labels", "-", "--qr", "-o", "x.PDF"}, "10k; 4k7\n100n", 0, "labels A4 3 qr 3x8"},
        {{"--labels", workshop, "--preset", "5x13", "-o", "x.pdf"}, "", 0, "labels A4 10 5x13"},
        {{"--labels", "--grid", "2x4", "--label", "90x60", "-o", "x.pdf"},
         "1k",
         0,
         "labels Letter 1 2x4"},
    };
    const vantrel::cli::Printer printer{&letterLocale, &record};
    for (const Case& c : cases) {
        std::vector<const char*> argv{"vantrel"};
        for (const std::string& argument : c.arguments)
            argv.push_back(argument.c_str());
        std::istringstream in(c.input);
        std::ostringstream out, err;
        printerCalls = 0;
        const auto exitCode = vantrel::cli::answerCommandLine(static_cast<int>(argv.size()),
                                                              argv.data(), in, out, err, &printer);
        std::string what;
        for (const std::string& argument : c.arguments)
            what += argument + " ";
        what += err.str();
        ASSERT_EQ(exitCode, c.exitCode) << what;
        EXPECT_EQ(out.str(), "") << what;
        EXPECT_EQ(printerCalls, c.exitCode == 0 ? 1 : 0) << what;
        if (c.exitCode != 0) {
            EXPECT_NE(err.str().find(c.said), std::string::npos) << what;
            continue;
        }
        std::string job = printed.sheet ? "sheet " : "labels ";
        job += std::string(paperName(printed.paper)) + " " +
               std::to_string(printed.sheet ? printed.sheet->rows.size() : printed.labels.size());
        if (printed.qr)
            job += " qr";
        if (!printed.sheet)
            job += " " + std::to_string(printed.labelSheet.columns) + "x" +
                   std::to_string(printed.labelSheet.rows);
        EXPECT_EQ(job, c.said) << what;
    }
    std::remove(binary.c_str());
    // Without a printer, the answer says so instead of drawing.
    const char* argv[] = {"vantrel", "--labels", "-", "-o", "x.pdf"};
    std::istringstream in("10k");
    std::ostringstream out, err;
    EXPECT_EQ(vantrel::cli::answerCommandLine(5, argv, in, out, err), 2);
    EXPECT_NE(err.str().find("не рисует"), std::string::npos);
}

} // namespace
