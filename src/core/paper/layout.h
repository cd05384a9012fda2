// Pages as data, in millimetres from the page's top left corner: the sorting sheet's rows on
// their pages, and label sheets with their labels. Drawn by the same numbers on the screen, in
// a PDF and on a printer.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace vantrel::paper {

enum class Paper { A4, Letter };

struct Size {
    double width = 0, height = 0; // mm
};

struct Rect {
    double left = 0, top = 0, width = 0, height = 0; // mm
    double right() const { return left + width; }
    double bottom() const { return top + height; }
};

Size paperSize(Paper paper);
std::string_view paperName(Paper paper); // "A4", "Letter"
// "a4", "A4", "letter": nothing for another name.
std::optional<Paper> paperNamed(std::string_view name);

// The sorting sheet's page: the header with the list's name and date, the rows, the footer
// with the page number.
inline constexpr double kPageMargin = 12;
inline constexpr double kHeaderHeight = 12;
inline constexpr double kFooterHeight = 8;
Rect sheetHeader(Size page);
Rect sheetBody(Size page);
Rect sheetFooter(Size page);

// The rows that open each page, given each row's height and the body's: a row is never split,
// and one taller than the body has a page of its own. One page, opened by row 0, for no rows.
std::vector<std::size_t> pageStarts(std::span<const double> rowHeights, double bodyHeight);

// The bands on a resistor's body drawn in `body`, left to right: the value's bands from near
// the left end, and a tolerance band, where the last is one, apart near the right end.
std::vector<Rect> bandRects(const Rect& body, std::size_t bands, bool lastApart);

// A sheet of labels in a grid, as its maker gives it: the label's size, the margins to the
// first label, and the gaps between labels.
struct LabelSheet {
    int columns = 0, rows = 0;
    double width = 0, height = 0; // of a label
    double left = 0, top = 0;     // to the first label
    double across = 0, down = 0;  // gaps between labels
    std::size_t perPage() const { return static_cast<std::size_t>(columns) * rows; }
};

struct LabelPreset {
    std::string_view name;  // as --preset takes it: "3x8"
    std::string_view title; // «A4, 3 × 8 этикеток 70 × 37 мм»
    LabelSheet sheet;
};
std::span<const LabelPreset> labelPresets(); // on A4; the first is the default
const LabelPreset* labelPreset(std::string_view name);

// A sheet typed as "3x8" and "70x37" (mm, a point or a comma; × or x), with "2.5x0" for its
// gaps where given, centred on the page; or why it cannot be.
std::variant<LabelSheet, std::string> typedLabelSheet(std::string_view grid,
                                                      std::string_view labelSize,
                                                      std::string_view gaps, Size page);

// The smallest label that holds a value, its bands and a code.
inline constexpr Size kSmallestLabel{30, 15};
// Why the sheet's labels cannot be printed on the page: they do not fit, or are too small.
std::optional<std::string> labelSheetProblem(const LabelSheet& sheet, Size page,
                                             std::string_view paperTitle);
// The label at this index, on its page (index modulo perPage()), row by row.
Rect labelRect(const LabelSheet& sheet, std::size_t index);

} // namespace vantrel::paper
