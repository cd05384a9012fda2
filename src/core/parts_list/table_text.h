// A parts list's bytes as text, and its rows as a spreadsheet saves them: RFC 4180's quoted
// fields, with a comma, a semicolon or a tab between them.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel::lists {

// The bytes without a UTF-8 byte-order mark; UTF-16 with its byte-order mark (as EasyEDA
// writes a list) as UTF-8. Each field is then decoded on its own (`decodedField`).
std::string withoutByteOrderMark(std::string_view bytes);

// Whether the bytes are well-formed UTF-8.
bool utf8(std::string_view bytes);

// A field's text: the bytes as they are where they are UTF-8, else read as Windows-1251 (a
// Russian spreadsheet's default; µ, ± and ° are the same bytes in Windows-1252), which
// `notUtf8` then says. A list in UTF-8 with one stray byte keeps its other fields as written.
std::string decodedField(std::string_view bytes, bool& notUtf8);

// Whether the bytes are no text at all: a NUL byte in them.
bool binary(std::string_view bytes);

// One row of a table: the line of the file it starts on, from 1, its fields, unquoted and
// decoded, and whether a field held bytes that are not UTF-8.
struct Row {
    std::size_t line = 0;
    std::vector<std::string> fields;
    bool notUtf8 = false;
};

// The rows of a table with fields separated by `separator`, one at a time: a field in double
// quotes may hold the separator, line breaks and a doubled quote; lines end in LF or CR LF.
// Empty lines are no rows.
// A quote inside a quoted field that does not end it (an inch mark, «0.022" (0.55mm)») is
// kept as a character, as the spreadsheet that wrote it meant.
class RowReader {
public:
    RowReader(std::string_view text, char separator)
        : text_(text)
        , separator_(separator) {}
    // A table laid out with spaces, as Eagle writes its part list: each field from where its
    // heading starts, in characters, to where the next one does.
    RowReader(std::string_view text, std::vector<std::size_t> columns, std::size_t firstLine)
        : text_(text)
        , columns_(std::move(columns))
        , line_(firstLine) {}
    // The next row into `row`, its fields' storage reused; false at the end.
    bool next(Row& row);

private:
    std::string_view text_;
    char separator_ = ' ';
    std::vector<std::size_t> columns_;
    std::size_t at_ = 0;
    std::size_t line_ = 1;
    std::string raw_;
    bool nextSpaced(Row& row);
};

// Where the cells of a line laid out with spaces begin, in characters: a cell ends at two
// spaces or more. "Part     Value  Device" gives 0, 9 and 16.
std::vector<std::size_t> spacedCells(std::string_view line);

// The cells of a line laid out with spaces, cut where each column begins.
std::vector<std::string> cutAt(std::string_view line, const std::vector<std::size_t>& columns);

// Whether a row is a rule under a header: «---», «|:---|:---:|», «=====», nothing else.
bool rule(const Row& row);

// At most `most` rows of the table.
std::vector<Row> tableRows(std::string_view text, char separator,
                           std::size_t most = static_cast<std::size_t>(-1));

} // namespace vantrel::lists
