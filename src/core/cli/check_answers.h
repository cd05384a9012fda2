// --check: a parts list checked line by line, written as text or as one JSON object a line.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

namespace vantrel::cli {

struct CheckQuestion {
    std::string_view list;                 // a file, or "-" for standard input
    std::optional<std::string_view> stock; // a file of own values
    bool json = false;
};

// Answers on `out`: in text a line per finding (the list's line, its designators, the finding)
// and a summary; in JSON an object per line of the list. The exit code is 0 where nothing is
// found, 1 where something is, 2 where the list or the stock cannot be read (said on `err`),
// 3 where the answer could not be written. The list itself is only read.
int answerCheck(const CheckQuestion& question, std::istream& in, std::ostream& out,
                std::ostream& err);

// Where the window «Подобрать из стандартных» keeps the builder's own values, as Qt's
// AppDataLocation puts it: $XDG_DATA_HOME/Vantrel/own-values.txt, ~/.local/share where
// XDG_DATA_HOME is unset or not absolute. Nothing with neither.
std::optional<std::string> ownValuesFile(const char* dataHome, const char* home);
std::optional<std::string> ownValuesFile(); // from the environment

} // namespace vantrel::cli
