// The sorting sheet's pages and the label sheets, drawn by one piece of code on any paint
// device: the windows' preview, a PDF, a printer. Places and fonts are given in millimetres
// from the page's top left corner, and drawn in the device's own pixels, so that text is laid
// out at the size it is printed.
#pragma once

#include "core/paper/content.h"
#include "core/paper/layout.h"

#include <QString>
#include <vector>

class QPainter;

namespace vantrel::paper {

// A painter and its device's pixels a millimetre.
struct Canvas {
    explicit Canvas(QPainter& painter); // at the device's resolution
    Canvas(QPainter& painter, double perMillimetre);
    QPainter& painter;
    double perMillimetre;
};

// A resistor's body in `body` with the marking's bands in the program's band colours, each
// band's colour name written under it in `names`; a band the marking leaves to the part is
// drawn empty and dashed.
void drawBands(Canvas& canvas, const Rect& body, const Rect& names, const marking::Marking& bands);

// The heights of a row's columns and of its findings, in millimetres.
struct RowParts {
    double designators, written, plainly, bands, codes, findings;
};

// The sorting sheet laid out on pages: each row's parts, measured once, and its height, and
// the rows that open each page.
struct SheetPages {
    Size page;
    std::vector<RowParts> rowParts;
    std::vector<double> rowHeights;
    std::vector<std::size_t> starts;
    int count() const { return static_cast<int>(starts.size()); }
};
SheetPages layOutSheet(const SortingSheet& sheet, Size page);
// One page, from 0, with the list's name and the date in its header and its number below.
void drawSheetPage(Canvas& canvas, const SortingSheet& sheet, const SheetPages& pages, int page,
                   const QString& title, const QString& date);

// One label, in `place`; with a QR code of its payload at the right where `qr`.
void drawLabel(Canvas& canvas, const Label& label, const Rect& place, bool qr);
// The labels of one page of the sheet, from 0; thin grey outlines show where each label is.
void drawLabelPage(Canvas& canvas, const std::vector<Label>& labels, const LabelSheet& sheet,
                   int page, bool qr);
int labelPageCount(const std::vector<Label>& labels, const LabelSheet& sheet);

} // namespace vantrel::paper
