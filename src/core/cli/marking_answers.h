// What the command line writes for each marking it is given: its readings as text, or as one
// JSON object per line.
#pragma once

#include "core/marking/any_marking.h"

#include <iosfwd>
#include <string>
#include <string_view>

namespace vantrel::cli {

class MarkingAnswers {
public:
    enum Format { Text, Json };
    MarkingAnswers(Format format, std::ostream& out, std::ostream& err)
        : format_(format)
        , out_(&out)
        , err_(&err) {}

    // The marking and every reading of it; a marking with none is one line of its own, and
    // «нет прочтения» on the error stream in text. A marking cut short, of which only the
    // start was kept, has none.
    void answer(std::string_view marking, bool cutShort = false);
    // A line of a parts list: its line break and the spaces at its ends left out; a line with
    // nothing else is passed over.
    void answerLine(std::string_view line, bool cutShort = false);
    bool everyMarkingRead() const { return everyMarkingRead_; }

private:
    Format format_;
    std::ostream* out_;
    std::ostream* err_;
    std::string buffer_;
    bool everyMarkingRead_ = true;
};

// A reading as one JSON object: its component, form, value, facts and markings (man vantrel).
std::string readingJson(const marking::MarkingReading& found);

// The text as a JSON string, quotes included: control characters (C0, DEL and C1) and the line
// and paragraph separators escaped, bytes that are no UTF-8 as U+FFFD.
std::string jsonString(std::string_view text);

} // namespace vantrel::cli
