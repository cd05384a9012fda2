// The command line's paper: `--sheet LIST -o FILE.pdf`, the sorting sheet of a parts list, and
// `--labels [LIST] -o FILE.pdf`, labels for a list of values or the values of a parts list.
// The job is made here, without Qt; drawing it takes a printer the program gives.
#pragma once

#include "core/paper/content.h"
#include "core/paper/layout.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace vantrel::cli {

struct PaperJob {
    std::string title;                        // the list's name on the sheet: "bom.csv"
    std::optional<paper::SortingSheet> sheet; // a sorting sheet, or else labels
    std::vector<paper::Label> labels;
    paper::Paper paper = paper::Paper::A4;
    paper::LabelSheet labelSheet;
    bool qr = false;    // a QR code of the value on each label
    std::string output; // the PDF file
};

struct Printer {
    paper::Paper (*localePaper)(); // where --paper is not given
    // Writes the job's file whole or not at all, and gives the exit code, with the reason on
    // err where it is not 0.
    int (*print)(const PaperJob& job, std::ostream& err);
};

// The answer to a command line that asks for paper, or nothing for one that does not (no
// --sheet and no --labels before "--"). A question that cannot be asked, a list that cannot be
// read and a file that cannot be written are named on err, with exit code 2.
std::optional<int> answerPaper(int argc, const char* const* argv, std::istream& in,
                               std::ostream& err, const Printer* printer);

} // namespace vantrel::cli
