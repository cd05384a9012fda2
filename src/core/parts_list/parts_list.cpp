#include "core/parts_list/parts_list.h"

#include "core/parts_list/table_text.h"

#include <algorithm>
#include <array>
#include <optional>

namespace vantrel::lists {
namespace {

// What a column of a table holds, as its heading names it.
enum class Role {
    Designators,
    Quantity,
    Value,
    Description, // the value where the table has no value column, or the value cell is empty
    Footprint,
    PartNumber,
    Distributor, // a distributor's part number: the part number where the maker's is missing
    DoNotPopulate,
};
constexpr std::size_t kRoles = static_cast<std::size_t>(Role::DoNotPopulate) + 1;

struct Heading {
    std::string_view name; // in lower case
    Role role;
};

// clang-format off
constexpr Heading kHeadings[] = {
    {"reference", Role::Designators}, {"references", Role::Designators},
    {"ref", Role::Designators}, {"refs", Role::Designators},
    {"designator", Role::Designators}, {"designators", Role::Designators},
    {"refdes", Role::Designators}, {"ref des", Role::Designators},
    {"reference designator", Role::Designators}, {"reference designators", Role::Designators},
    {"позиционное обозначение", Role::Designators}, {"поз. обозначение", Role::Designators},
    {"qty", Role::Quantity}, {"qnty", Role::Quantity}, {"quantity", Role::Quantity},
    {"${quantity}", Role::Quantity}, {"count", Role::Quantity}, {"кол.", Role::Quantity},
    {"кол-во", Role::Quantity}, {"количество", Role::Quantity},
    {"value", Role::Value}, {"comment", Role::Value}, {"designation", Role::Value},
    {"specification", Role::Value}, {"номинал", Role::Value},
    {"description", Role::Description}, {"наименование", Role::Description},
    {"footprint", Role::Footprint}, {"package", Role::Footprint}, {"case", Role::Footprint},
    {"корпус", Role::Footprint},
    {"mpn", Role::PartNumber}, {"manufacturer part", Role::PartNumber},
    {"manufacturer part number", Role::PartNumber}, {"mfr part", Role::PartNumber},
    {"mfr. part #", Role::PartNumber}, {"mfr part number", Role::PartNumber},
    {"part number", Role::PartNumber}, {"partnumber", Role::PartNumber},
    {"lcsc", Role::Distributor}, {"lcsc part", Role::Distributor},
    {"lcsc part #", Role::Distributor}, {"lcsc part number", Role::Distributor},
    {"jlcpcb part #", Role::Distributor}, {"digikey", Role::Distributor},
    {"digi-key part number", Role::Distributor}, {"mouser", Role::Distributor},
    {"mouser part number", Role::Distributor},
    {"dnp", Role::DoNotPopulate}, {"${dnp}", Role::DoNotPopulate}, {"dnf", Role::DoNotPopulate},
    {"do not populate", Role::DoNotPopulate},
};
// clang-format on

// The marks a DNP column or a value says a part is not fitted with.
constexpr std::string_view kNotFitted[] = {"dnp", "dnf", "x"};

std::string_view trimmed(std::string_view text) {
    constexpr std::string_view kSpaces = " \t\r\n";
    const std::size_t first = text.find_first_not_of(kSpaces);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kSpaces) - first + 1);
}

// The text in lower case: ASCII letters, and Cyrillic capitals in UTF-8.
std::string folded(std::string_view text) {
    std::string low(trimmed(text));
    for (std::size_t i = 0; i < low.size(); ++i) {
        char& c = low[i];
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c + ('a' - 'A'));
        } else if (c == '\xD0' && i + 1 < low.size()) {
            char& next = low[i + 1];
            if (next >= '\x90' && next <= '\x9F') { // А to П
                next = static_cast<char>(next + 0x20);
            } else if (next >= '\xA0' && next <= '\xAF') { // Р to Я
                c = '\xD1';
                next = static_cast<char>(next - 0x20);
            } else if (next == '\x81') { // Ё
                c = '\xD1', next = '\x91';
            }
            ++i;
        }
    }
    return low;
}

std::optional<Role> roleOf(std::string_view heading) {
    const std::string name = folded(heading);
    for (const Heading& known : kHeadings)
        if (known.name == name)
            return known.role;
    return std::nullopt;
}

// A table's header: the role of each column, where it has one.
struct Header {
    std::size_t row = 0; // among the table's rows
    std::vector<std::optional<Role>> roles;
    int mapped = 0;
};

// The first row among the first few that names a value column, and what else it names.
std::optional<Header> headerOf(const std::vector<Row>& rows) {
    for (std::size_t r = 0; r < rows.size(); ++r) {
        Header header{r, {}, 0};
        bool valued = false;
        for (const std::string& field : rows[r].fields) {
            header.roles.push_back(roleOf(field));
            header.mapped += header.roles.back().has_value();
            valued = valued || header.roles.back() == Role::Value ||
                     header.roles.back() == Role::Description;
        }
        if (valued && (header.mapped >= 2 || rows[r].fields.size() == 1))
            return header;
    }
    return std::nullopt;
}

bool has(const std::vector<Row>& rows, const Header& header, std::string_view name) {
    return std::ranges::any_of(rows[header.row].fields,
                               [name](const std::string& field) { return folded(field) == name; });
}

std::string formatOf(const std::vector<Row>& rows, const Header& header, char separator) {
    if (has(rows, header, "cmp name") || has(rows, header, "qnty"))
        return "групповая таблица KiCad";
    if ((has(rows, header, "refs") || has(rows, header, "reference")) &&
        has(rows, header, "footprint"))
        return "таблица KiCad";
    if (has(rows, header, "comment") && has(rows, header, "designator"))
        return "таблица для сборки (Comment, Designator, Footprint)";
    switch (separator) {
    case '\t':
        return "таблица TSV";
    case ';':
        return "таблица CSV, разделитель «;»";
    default:
        return "таблица CSV";
    }
}

bool notFitted(std::string_view mark) {
    return std::ranges::find(kNotFitted, folded(mark)) != std::end(kNotFitted);
}

ListLine tableLine(const Row& row, const Header& header) {
    ListLine line{row.line, {}, {}, {}, {}, {}, {}, false};
    std::array<std::string, kRoles> first; // each role's first field that holds something
    for (std::size_t c = 0; c < row.fields.size() && c < header.roles.size(); ++c) {
        const std::string_view field = trimmed(row.fields[c]);
        if (!header.roles[c] || field.empty())
            continue;
        if (*header.roles[c] == Role::DoNotPopulate)
            line.doNotPopulate = line.doNotPopulate || notFitted(field);
        else if (std::string& kept = first[static_cast<std::size_t>(*header.roles[c])];
                 kept.empty())
            kept = field;
    }
    const auto take = [&first](Role role) {
        return std::move(first[static_cast<std::size_t>(role)]);
    };
    line.designators = take(Role::Designators);
    line.quantity = take(Role::Quantity);
    line.value = take(Role::Value);
    line.footprint = take(Role::Footprint);
    line.partNumber = take(Role::PartNumber);
    if (line.value.empty())
        line.value = take(Role::Description);
    if (line.partNumber.empty())
        line.partNumber = take(Role::Distributor);
    return line;
}

// A plain list's line: the words that are designators ("R1,R5", "R1-R4,") first, then the
// value with whatever the line says of it.
ListLine plainLine(std::size_t number, std::string_view text) {
    ListLine line{number, {}, {}, {}, {}, {}, {}, false};
    std::size_t rest = 0;
    while (rest < text.size()) {
        const std::size_t start = text.find_first_not_of(" \t", rest);
        if (start == std::string_view::npos)
            break;
        const std::size_t end = std::min(text.find_first_of(" \t", start), text.size());
        const std::string_view word = text.substr(start, end - start);
        const Designators read = readDesignators(word);
        if (!read.problem.empty() || read.each.empty() ||
            !designatorWord(word.substr(0, word.find_first_of(",;-.\u2013"))))
            break;
        line.designators.append(line.designators.empty() ? "" : " ").append(word);
        rest = end;
    }
    line.value = trimmed(text.substr(rest));
    return line;
}

} // namespace

std::variant<PartsList, Unreadable> readPartsList(std::string_view bytes) {
    if (bytes.size() > kLongestList)
        return Unreadable{"файл длиннее " + std::to_string(kLongestList >> 20) + " МиБ"};
    if (binary(bytes))
        return Unreadable{"в файле двоичные данные, а не текст"};
    PartsList list;
    const std::string text = decodedText(bytes, list.windows1251);
    if (trimmed(text).empty())
        return Unreadable{"файл пуст"};

    // The separator whose header names the most columns.
    constexpr std::size_t kPreambleRows = 60;
    std::optional<Header> best;
    char separator = ',';
    for (const char candidate : {'\t', ';', ','}) {
        const std::vector<Row> head = tableRows(text, candidate, kPreambleRows);
        if (auto header = headerOf(head); header && (!best || header->mapped > best->mapped))
            best = std::move(header), separator = candidate;
    }
    if (best) {
        const std::vector<Row> rows = tableRows(text, separator);
        list.format = formatOf(rows, *best, separator);
        for (std::size_t r = best->row + 1; r < rows.size(); ++r) {
            ListLine line = tableLine(rows[r], *best);
            if (line.designators.empty() && line.value.empty() && line.partNumber.empty())
                continue;
            list.lines.push_back(std::move(line));
        }
    } else {
        // A table with no value column: a first row of three or more headings, none of them a
        // designator or a number, and a second row as wide.
        for (const char candidate : {'\t', ';', ','}) {
            const std::vector<Row> head = tableRows(text, candidate, 2);
            if (head.size() < 2 || head[0].fields.size() < 3 ||
                head[1].fields.size() != head[0].fields.size())
                continue;
            const bool headings = std::ranges::none_of(head[0].fields, [](const std::string& f) {
                const std::string_view word = trimmed(f);
                return word.empty() || (word[0] >= '0' && word[0] <= '9') || designatorWord(word);
            });
            if (!headings)
                continue;
            std::string seen;
            for (const std::string& field : head[0].fields)
                seen.append(seen.empty() ? "" : ", ")
                    .append("«")
                    .append(trimmed(field))
                    .append("»");
            return Unreadable{"в таблице нет столбца номиналов (Value, Comment, Designation, "
                              "Description); её столбцы: " +
                              seen};
        }
        list.format = "список, деталь в строке";
        std::size_t number = 0;
        for (std::size_t start = 0; start < text.size();) {
            const std::size_t end = std::min(text.find('\n', start), text.size());
            const std::string_view line =
                trimmed(std::string_view(text).substr(start, end - start));
            start = end + 1;
            ++number;
            if (line.empty() || line.starts_with('#'))
                continue;
            list.lines.push_back(plainLine(number, line));
        }
    }
    for (ListLine& line : list.lines) {
        line.expanded = readDesignators(line.designators);
        line.doNotPopulate = line.doNotPopulate || notFitted(line.value);
    }
    if (list.windows1251)
        list.format += ", Windows-1251";
    return list;
}

} // namespace vantrel::lists
