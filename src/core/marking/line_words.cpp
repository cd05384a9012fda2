#include "core/marking/line_words.h"

namespace vantrel::marking {
namespace {

bool isSpace(std::string_view text, std::size_t at, std::size_t* length) {
    if (text[at] == ' ' || text[at] == '\t' || text[at] == ';' || text[at] == '_') {
        *length = 1;
        return true;
    }
    if (text.substr(at).starts_with("\u00A0")) {
        *length = 2;
        return true;
    }
    return false;
}

// A comma or a slash parts words unless a number goes on through it: "4,7", "1/4W". The words
// of "+80/-20%" and "+/-1%" are read together again as one fact.
bool partsWords(std::string_view text, std::size_t at) {
    if (text[at] != ',' && text[at] != '/')
        return false;
    const char before = at > 0 ? text[at - 1] : ' ';
    const char after = at + 1 < text.size() ? text[at + 1] : ' ';
    return !(isDigit(before) && isDigit(after));
}

} // namespace

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::vector<Word> wordsOf(std::string_view text) {
    std::vector<Word> words;
    std::size_t begin = 0;
    for (std::size_t at = 0; at <= text.size();) {
        std::size_t length = 1;
        if (at == text.size() || isSpace(text, at, &length) || partsWords(text, at)) {
            if (at > begin)
                words.push_back({begin, at});
            begin = at + length;
        }
        at += length;
    }
    return words;
}

} // namespace vantrel::marking
