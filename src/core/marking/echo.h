// Typed text said back safely: on a terminal, in a message, in a window's list.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace vantrel::marking {

// The character a text starts with, and its length in bytes: 0 where the text starts with no
// UTF-8 (a stray byte, an overlong form, a surrogate, a code point beyond U+10FFFF).
struct Character {
    char32_t code = 0;
    std::size_t length = 0;
};
Character firstCharacter(std::string_view text);

// C0, DEL and C1.
bool isControl(char32_t c);

// The start of the text that is echoed, whole characters up to kLongestMarking bytes, and
// whether the text goes on.
std::pair<std::string_view, bool> echoedPart(std::string_view text);

// The text as it is echoed: at most its first kLongestMarking bytes, whole characters, then «…»
// where it goes on; control characters, the characters that reorder or break a line
// (bidirectional controls, line and paragraph separators) and bytes that are no UTF-8 as "?".
std::string echoed(std::string_view text, bool cutShort = false);

// «text», echoed: the one way a message quotes what was typed, given or read.
std::string quoted(std::string_view text);

} // namespace vantrel::marking
