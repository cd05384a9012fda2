#include "core/paper/layout.h"

#include "core/value/decimal.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>

namespace vantrel::paper {
namespace {

constexpr LabelPreset kPresets[] = {
    // Avery Zweckform 3474 and its likes: no margin at the sides.
    {"3x8", "A4, 3 × 8 этикеток 70 × 37 мм", {3, 8, 70, 37, 0, 0.5, 0, 0}},
    // Avery L7160 and its likes.
    {"3x7", "A4, 3 × 7 этикеток 63,5 × 38,1 мм", {3, 7, 63.5, 38.1, 7.2, 15.15, 2.5, 0}},
    // Avery L7651 and its likes, small enough for a bag of chips.
    {"5x13", "A4, 5 × 13 этикеток 38,1 × 21,2 мм", {5, 13, 38.1, 21.2, 4.75, 10.7, 2.5, 0}},
};

// "70", "63.5", "63,5": a length in millimetres, below a metre.
std::optional<double> millimetres(std::string_view text) {
    const std::optional<value::Decimal> read = value::readNumber(text);
    if (!read || !(value::toDouble(*read) < 1000))
        return std::nullopt;
    return value::toDouble(*read);
}

// "3x8", "70 × 37": the two numbers either side of x, X, х or ×.
std::optional<std::pair<std::string_view, std::string_view>> pairOf(std::string_view text) {
    for (const std::string_view sign : {"×", "x", "X", "х", "Х"})
        if (const auto at = text.find(sign); at != std::string_view::npos) {
            const auto trimmed = [](std::string_view part) {
                while (!part.empty() && part.front() == ' ')
                    part.remove_prefix(1);
                while (!part.empty() && part.back() == ' ')
                    part.remove_suffix(1);
                return part;
            };
            return std::pair{trimmed(text.substr(0, at)), trimmed(text.substr(at + sign.size()))};
        }
    return std::nullopt;
}

// "63,5", "70": to a tenth of a millimetre, as the program writes numbers.
std::string number(double millimetres) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", millimetres);
    std::string written(text);
    if (written.ends_with(".0"))
        written.resize(written.size() - 2);
    std::ranges::replace(written, '.', ',');
    return written;
}

} // namespace

Size paperSize(Paper paper) {
    return paper == Paper::Letter ? Size{215.9, 279.4} : Size{210, 297};
}

std::string_view paperName(Paper paper) {
    return paper == Paper::Letter ? "Letter" : "A4";
}

std::optional<Paper> paperNamed(std::string_view name) {
    std::string folded(name);
    std::ranges::transform(folded, folded.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (folded == "a4")
        return Paper::A4;
    if (folded == "letter")
        return Paper::Letter;
    return std::nullopt;
}

Rect sheetHeader(Size page) {
    return {kPageMargin, kPageMargin, page.width - 2 * kPageMargin, kHeaderHeight};
}

Rect sheetBody(Size page) {
    const double top = kPageMargin + kHeaderHeight;
    return {kPageMargin, top, page.width - 2 * kPageMargin,
            page.height - top - kPageMargin - kFooterHeight};
}

Rect sheetFooter(Size page) {
    return {kPageMargin, page.height - kPageMargin - kFooterHeight, page.width - 2 * kPageMargin,
            kFooterHeight};
}

std::vector<std::size_t> pageStarts(std::span<const double> rowHeights, double bodyHeight) {
    std::vector<std::size_t> starts{0};
    double used = 0;
    for (std::size_t row = 0; row < rowHeights.size(); ++row) {
        if (used > 0 && used + rowHeights[row] > bodyHeight) {
            starts.push_back(row);
            used = 0;
        }
        used += rowHeights[row];
    }
    return starts;
}

std::vector<Rect> bandRects(const Rect& body, std::size_t bands, bool lastApart) {
    const double width = body.width * 0.085;
    const double step = width * 1.6;
    std::vector<Rect> rects;
    for (std::size_t band = 0; band < bands; ++band) {
        const bool apart = lastApart && band + 1 == bands;
        const double left = apart
                                ? body.left + body.width * 0.78
                                : body.left + body.width * 0.12 + static_cast<double>(band) * step;
        rects.push_back({left, body.top, width, body.height});
    }
    return rects;
}

std::span<const LabelPreset> labelPresets() {
    return kPresets;
}

const LabelPreset* labelPreset(std::string_view name) {
    const auto found = std::ranges::find(kPresets, name, &LabelPreset::name);
    return found == std::end(kPresets) ? nullptr : found;
}

std::variant<LabelSheet, std::string> typedLabelSheet(std::string_view grid,
                                                      std::string_view labelSize,
                                                      std::string_view gaps, Size page) {
    LabelSheet sheet;
    const auto counts = pairOf(grid);
    const auto count = [](std::string_view text, int& into) {
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), into);
        return error == std::errc() && end == text.data() + text.size() && into > 0 && into <= 50;
    };
    if (!counts || !count(counts->first, sheet.columns) || !count(counts->second, sheet.rows))
        return "сетка этикеток пишется как «3x8»: столбцов и строк, от 1 до 50, а не «" +
               std::string(grid) + "»";
    const auto lengths = [](std::string_view text) {
        const auto both = pairOf(text);
        std::optional<std::pair<double, double>> read;
        if (both)
            if (const auto a = millimetres(both->first), b = millimetres(both->second); a && b)
                read = std::pair{*a, *b};
        return read;
    };
    const auto size = lengths(labelSize);
    if (!size || size->first <= 0 || size->second <= 0)
        return "размер этикетки пишется в миллиметрах как «70x37», а не «" +
               std::string(labelSize) + "»";
    sheet.width = size->first;
    sheet.height = size->second;
    if (!gaps.empty()) {
        const auto apart = lengths(gaps);
        if (!apart)
            return "промежутки между этикетками пишутся в миллиметрах как «2,5x0», а не «" +
                   std::string(gaps) + "»";
        sheet.across = apart->first;
        sheet.down = apart->second;
    }
    sheet.left =
        (page.width - sheet.columns * sheet.width - (sheet.columns - 1) * sheet.across) / 2;
    sheet.top = (page.height - sheet.rows * sheet.height - (sheet.rows - 1) * sheet.down) / 2;
    return sheet;
}

std::optional<std::string> labelSheetProblem(const LabelSheet& sheet, Size page,
                                             std::string_view paperTitle) {
    if (sheet.width < kSmallestLabel.width || sheet.height < kSmallestLabel.height)
        return "этикетка " + number(sheet.width) + " × " + number(sheet.height) +
               " мм мала: номинал, полосы и код помещаются на этикетке от " +
               number(kSmallestLabel.width) + " × " + number(kSmallestLabel.height) + " мм";
    const Rect last = labelRect(sheet, sheet.perPage() - 1);
    constexpr double kSlack = 0.05; // makers round their margins to a tenth of a millimetre
    if (sheet.left < -kSlack || sheet.top < -kSlack || last.right() > page.width + kSlack ||
        last.bottom() > page.height + kSlack)
        return "этикетки " + std::to_string(sheet.columns) + " × " + std::to_string(sheet.rows) +
               " по " + number(sheet.width) + " × " + number(sheet.height) +
               " мм не помещаются на лист " + std::string(paperTitle) + " (" + number(page.width) +
               " × " + number(page.height) + " мм): им нужно " +
               number(last.right() - std::min(sheet.left, 0.0)) + " × " +
               number(last.bottom() - std::min(sheet.top, 0.0)) + " мм";
    return std::nullopt;
}

Rect labelRect(const LabelSheet& sheet, std::size_t index) {
    const std::size_t onPage = sheet.perPage() ? index % sheet.perPage() : 0;
    const auto column = static_cast<double>(onPage % static_cast<std::size_t>(sheet.columns));
    const auto row = static_cast<double>(onPage / static_cast<std::size_t>(sheet.columns));
    return {sheet.left + column * (sheet.width + sheet.across),
            sheet.top + row * (sheet.height + sheet.down), sheet.width, sheet.height};
}

} // namespace vantrel::paper
