// A sorting sheet or a label sheet as pages to draw, and its PDF file. The windows print the
// same pages on a printer; the command line's printer writes the PDF without a display.
#pragma once

#include "core/cli/paper_answers.h"
#include "paper/drawing.h"

#include <QString>
#include <functional>
#include <optional>

class QPagedPaintDevice;
class QPageLayout;

namespace vantrel::paper {

struct Document {
    QString title; // the PDF's title and the printer job's name
    Paper paper = Paper::A4;
    int pages = 1;
    std::function<void(Canvas&, int page)> draw;
};

// The sheet with the list's name and today's date in each page's header.
Document sheetDocument(SortingSheet sheet, Paper paper, const QString& listName);
Document labelDocument(std::vector<Label> labels, const LabelSheet& sheet, Paper paper, bool qr,
                       const QString& listName);

// The document's paper, with no margins: the pages keep their own.
QPageLayout pageLayoutOf(Paper paper);

// Every page on the device, from its top left corner: a PDF writer, or a printer set to its full
// page, whose own margins the drawing keeps clear of.
void drawDocument(const Document& document, QPagedPaintDevice& device);

// Writes the PDF whole, or leaves nothing at the path and says why.
std::optional<QString> writePdf(const Document& document, const QString& path);

// Letter where the system's locale measures in inches, A4 elsewhere.
Paper localePaper();

// The command line's printer: the job's PDF, drawn without a display.
int printJob(const cli::PaperJob& job, std::ostream& err);

} // namespace vantrel::paper
