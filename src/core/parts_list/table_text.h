// A parts list's bytes as text, and its rows as a spreadsheet saves them: RFC 4180's quoted
// fields, with a comma, a semicolon or a tab between them.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel::lists {

// The text of a file as spreadsheets and editors save it: UTF-8 without its byte-order mark,
// or, where the bytes are no UTF-8, Windows-1251 (a Russian spreadsheet's default; µ, ± and °
// are the same bytes in Windows-1252), which `fromWindows1251` then says.
std::string decodedText(std::string_view bytes, bool& fromWindows1251);

// Whether the bytes are no text at all: a NUL byte in them.
bool binary(std::string_view bytes);

// One row of a table: the line of the file it starts on, from 1, and its fields, unquoted.
struct Row {
    std::size_t line = 0;
    std::vector<std::string> fields;
};

// The rows of a table with fields separated by `separator`: a field in double quotes may hold
// the separator, line breaks and a doubled quote; lines end in LF or CR LF. Empty lines are
// no rows. At most `most` rows are read.
std::vector<Row> tableRows(std::string_view text, char separator,
                           std::size_t most = static_cast<std::size_t>(-1));

} // namespace vantrel::lists
