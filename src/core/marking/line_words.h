// The words of a line as parts lists write it: apart by spaces, semicolons and underscores,
// and by commas and slashes that are not inside a number ("4,7k", "1/4W").
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace vantrel::marking {

// A word of the line and where it stands in the text.
struct Word {
    std::size_t begin;
    std::size_t end;
};

std::vector<Word> wordsOf(std::string_view text);

bool isDigit(char c);

} // namespace vantrel::marking
