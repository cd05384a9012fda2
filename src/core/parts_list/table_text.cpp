#include "core/parts_list/table_text.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace vantrel::lists {
namespace {

// Windows-1251's upper half from 0x80 to 0xBF; from 0xC0 on it is А to я in order.
constexpr std::array<char16_t, 64> kWindows1251 = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409,
    0x2039, 0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0xFFFD, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0,
    0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB,
    0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6,
    0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457};

void appendUtf8(std::string& text, char32_t c) {
    if (c < 0x80) {
        text += static_cast<char>(c);
    } else if (c < 0x800) {
        text += static_cast<char>(0xC0 | (c >> 6));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        text += static_cast<char>(0xE0 | (c >> 12));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Whether the bytes are well-formed UTF-8: no stray continuation bytes, no overlong forms, no
// surrogates, nothing above U+10FFFF.
bool utf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<std::uint8_t>(bytes[i]);
        std::size_t length = 1;
        char32_t least = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if (lead >= 0xC2 && lead <= 0xDF)
            length = 2, least = 0x80;
        else if (lead >= 0xE0 && lead <= 0xEF)
            length = 3, least = 0x800;
        else if (lead >= 0xF0 && lead <= 0xF4)
            length = 4, least = 0x10000;
        else
            return false;
        if (bytes.size() - i < length)
            return false;
        char32_t c = lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<std::uint8_t>(bytes[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            c = (c << 6) | (next & 0x3F);
        }
        if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

} // namespace

std::string decodedText(std::string_view bytes, bool& fromWindows1251) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (bytes.starts_with(kByteOrderMark))
        bytes.remove_prefix(kByteOrderMark.size());
    fromWindows1251 = !utf8(bytes);
    if (!fromWindows1251)
        return std::string(bytes);
    std::string text;
    text.reserve(bytes.size() * 2);
    for (const char byte : bytes) {
        const auto b = static_cast<std::uint8_t>(byte);
        if (b < 0x80)
            text += byte;
        else if (b < 0xC0)
            appendUtf8(text, kWindows1251[b - 0x80]);
        else
            appendUtf8(text, 0x0410 + (b - 0xC0));
    }
    return text;
}

bool binary(std::string_view bytes) {
    return bytes.find('\0') != std::string_view::npos;
}

std::vector<Row> tableRows(std::string_view text, char separator, std::size_t most) {
    std::vector<Row> rows;
    std::size_t line = 1;
    std::size_t i = 0;
    while (i < text.size() && rows.size() < most) {
        Row row{line, {}};
        std::string field;
        bool quoted = false;   // inside a quoted field
        bool anything = false; // the row has a field or a separator
        for (; i < text.size(); ++i) {
            const char c = text[i];
            if (quoted) {
                if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                    field += '"';
                    ++i;
                } else if (c == '"') {
                    quoted = false;
                } else {
                    if (c == '\n')
                        ++line;
                    field += c;
                }
                continue;
            }
            if (c == '\n')
                break;
            if (c == '\r' && (i + 1 == text.size() || text[i + 1] == '\n'))
                continue;
            anything = true;
            if (c == separator) {
                row.fields.push_back(std::move(field));
                field.clear();
            } else if (c == '"' && field.empty()) {
                quoted = true;
            } else {
                field += c;
            }
        }
        ++i; // the line break
        ++line;
        if (!anything)
            continue;
        row.fields.push_back(std::move(field));
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace vantrel::lists
