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
    } else if (c < 0x10000) {
        text += static_cast<char>(0xE0 | (c >> 12));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (c >> 18));
        text += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// UTF-16 after its byte-order mark, little- or big-endian, as UTF-8; a surrogate without its
// pair becomes U+FFFD, and so does an odd last byte.
std::string fromUtf16(std::string_view bytes, bool littleEndian) {
    std::string text;
    text.reserve(bytes.size());
    const auto unit = [&](std::size_t at) -> char16_t {
        const auto low = static_cast<std::uint8_t>(bytes[at + (littleEndian ? 0 : 1)]);
        const auto high = static_cast<std::uint8_t>(bytes[at + (littleEndian ? 1 : 0)]);
        return static_cast<char16_t>(high << 8 | low);
    };
    std::size_t at = 0;
    for (; at + 1 < bytes.size(); at += 2) {
        const char16_t c = unit(at);
        if (c >= 0xD800 && c <= 0xDBFF && at + 3 < bytes.size()) {
            const char16_t next = unit(at + 2);
            if (next >= 0xDC00 && next <= 0xDFFF) {
                appendUtf8(text, 0x10000 + ((char32_t{c} - 0xD800) << 10) + (next - 0xDC00));
                at += 2;
                continue;
            }
        }
        appendUtf8(text, c >= 0xD800 && c <= 0xDFFF ? char32_t{0xFFFD} : char32_t{c});
    }
    if (at < bytes.size())
        appendUtf8(text, 0xFFFD);
    return text;
}

} // namespace

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

std::string withoutByteOrderMark(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE"))
        return fromUtf16(bytes.substr(2), true);
    if (bytes.starts_with("\xFE\xFF"))
        return fromUtf16(bytes.substr(2), false);
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    return std::string(bytes);
}

std::string decodedField(std::string_view bytes, bool& notUtf8) {
    if (utf8(bytes))
        return std::string(bytes);
    notUtf8 = true;
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

bool RowReader::next(Row& row) {
    if (!columns_.empty())
        return nextSpaced(row);
    std::size_t used = 0; // fields of the row filled
    while (at_ < text_.size()) {
        row.line = line_;
        row.notUtf8 = false;
        used = 0;
        raw_.clear();
        bool quoted = false;   // inside a quoted field
        bool anything = false; // the row has a field or a separator
        const auto endField = [&] {
            if (row.fields.size() <= used)
                row.fields.emplace_back();
            row.fields[used++] = decodedField(raw_, row.notUtf8);
            raw_.clear();
        };
        for (; at_ < text_.size(); ++at_) {
            const char c = text_[at_];
            if (quoted) {
                const char after = at_ + 1 < text_.size() ? text_[at_ + 1] : '\n';
                if (c == '"' && after == '"') {
                    raw_ += '"';
                    ++at_;
                } else if (c == '"' && (after == separator_ || after == '\n' || after == '\r' ||
                                        at_ + 1 == text_.size())) {
                    quoted = false;
                } else {
                    if (c == '\n')
                        ++line_;
                    raw_ += c;
                }
                continue;
            }
            if (c == '\n')
                break;
            if (c == '\r' && (at_ + 1 == text_.size() || text_[at_ + 1] == '\n'))
                continue;
            anything = true;
            if (c == separator_)
                endField();
            else if (c == '"' && raw_.empty())
                quoted = true;
            else
                raw_ += c;
        }
        ++at_; // the line break
        ++line_;
        if (!anything)
            continue;
        endField();
        row.fields.resize(used);
        return true;
    }
    return false;
}

bool RowReader::nextSpaced(Row& row) {
    while (at_ < text_.size()) {
        const std::size_t end = std::min(text_.find('\n', at_), text_.size());
        std::string_view line = text_.substr(at_, end - at_);
        at_ = end + 1;
        row.line = line_++;
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (line.find_first_not_of(" \t") == std::string_view::npos)
            continue;
        row.notUtf8 = false;
        row.fields.clear();
        for (const std::string& cell : cutAt(line, columns_))
            row.fields.push_back(decodedField(cell, row.notUtf8));
        return true;
    }
    return false;
}

namespace {

// The byte where the character of that index starts, or the end.
std::size_t byteOf(std::string_view line, std::size_t character) {
    std::size_t at = 0;
    for (std::size_t seen = 0; at < line.size(); ++at)
        if ((static_cast<unsigned char>(line[at]) & 0xC0) != 0x80 && seen++ == character)
            return at;
    return line.size();
}

} // namespace

std::vector<std::size_t> spacedCells(std::string_view line) {
    std::vector<std::size_t> starts;
    std::size_t character = 0;
    std::size_t spaces = 2; // before the line
    for (const char c : line) {
        if ((static_cast<unsigned char>(c) & 0xC0) == 0x80)
            continue;
        if (c == ' ') {
            ++spaces;
        } else {
            if (spaces >= 2)
                starts.push_back(character);
            spaces = 0;
        }
        ++character;
    }
    return starts;
}

std::vector<std::string> cutAt(std::string_view line, const std::vector<std::size_t>& columns) {
    std::vector<std::string> cells;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const std::size_t from = byteOf(line, columns[c]);
        const std::size_t to = c + 1 < columns.size() ? byteOf(line, columns[c + 1]) : line.size();
        std::string_view cell = line.substr(from, to - from);
        const std::size_t first = cell.find_first_not_of(' ');
        cells.emplace_back(first == std::string_view::npos
                               ? std::string_view{}
                               : cell.substr(first, cell.find_last_not_of(' ') - first + 1));
    }
    return cells;
}

bool rule(const Row& row) {
    bool anything = false;
    for (const std::string& field : row.fields) {
        if (field.find_first_not_of(" -=_:+|") != std::string::npos)
            return false;
        anything = anything || field.find_first_not_of(' ') != std::string::npos;
    }
    return anything;
}

std::vector<Row> tableRows(std::string_view text, char separator, std::size_t most) {
    std::vector<Row> rows;
    RowReader reader(text, separator);
    Row row;
    while (rows.size() < most && reader.next(row))
        rows.push_back(row);
    return rows;
}

} // namespace vantrel::lists
