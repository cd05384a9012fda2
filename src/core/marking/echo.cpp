#include "core/marking/echo.h"

#include "core/marking/any_marking.h"

#include <algorithm>

namespace vantrel::marking {
namespace {

// The line and paragraph separators, and the marks and controls that reorder what follows
// them on a line.
bool breaksOrReorders(char32_t c) {
    return c == 0x2028 || c == 0x2029 || c == 0x061C || c == 0x200E || c == 0x200F ||
           (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

} // namespace
Character firstCharacter(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    const std::size_t length = lead < 0x80                    ? 1
                               : lead >= 0xC2 && lead <= 0xDF ? 2
                               : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                              : 0;
    if (length == 0 || length > text.size())
        return {};
    char32_t code = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return {};
        code = (code << 6) | (byte(i) & 0x3F);
    }
    const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < smallest[length] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
        return {};
    return {code, length};
}

// C0, DEL and C1.
bool isControl(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

// The start of the text that is echoed, whole characters, and whether the text goes on.
std::pair<std::string_view, bool> echoedPart(std::string_view text) {
    std::size_t kept = 0;
    while (kept < text.size()) {
        const std::size_t length =
            std::max<std::size_t>(firstCharacter(text.substr(kept)).length, 1);
        if (kept + length > kLongestMarking)
            return {text.substr(0, kept), true};
        kept += length;
    }
    return {text, false};
}

std::string echoed(std::string_view text, bool cutShort) {
    const auto [part, goesOn] = echoedPart(text);
    std::string shown;
    for (std::string_view rest = part; !rest.empty();) {
        const Character c = firstCharacter(rest);
        const bool printable = c.length > 0 && !isControl(c.code) && !breaksOrReorders(c.code);
        shown += printable ? rest.substr(0, c.length) : "?";
        rest.remove_prefix(std::max<std::size_t>(c.length, 1));
    }
    return goesOn || cutShort ? shown.append("…") : shown;
}

std::string quoted(std::string_view text) {
    return "«" + echoed(text) + "»";
}

} // namespace vantrel::marking
