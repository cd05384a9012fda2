#include "core/parts_list/parts_list.h"

#include "core/parts_list/headings.h"
#include "core/parts_list/table_text.h"

#include <algorithm>
#include <array>
#include <optional>

namespace vantrel::lists {
namespace {

constexpr std::size_t kRoles = static_cast<std::size_t>(Role::Known) + 1;

std::string_view trimmed(std::string_view text) {
    constexpr std::string_view kSpaces = " \t\r\n";
    const std::size_t first = text.find_first_not_of(kSpaces);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(kSpaces) - first + 1);
}

// A part number as people paste it: a dot, comma or semicolon after it left out.
std::string_view pasted(std::string_view number) {
    number = trimmed(number);
    while (!number.empty() && std::string_view(".,;").find(number.back()) != std::string_view::npos)
        number.remove_suffix(1);
    return trimmed(number);
}

// A table's header: the role of each column, where it has one.
struct Header {
    std::size_t row = 0; // among the table's rows
    std::vector<std::optional<Role>> roles;
    std::vector<std::string> names; // as written
    int mapped = 0;                 // columns of a role that is checked
};

// The roles of a row's fields, were it the header. «Part» names the designators in Eagle's
// lists, and the value in OrCAD's, which have a «Reference» column as well.
Header headerFrom(std::size_t r, const std::vector<std::string>& fields) {
    Header header{r, {}, {}, 0};
    for (const std::string& field : fields) {
        header.roles.push_back(roleOf(field));
        header.names.emplace_back(trimmed(field));
    }
    const auto designators = std::ranges::count(header.roles, Role::Designators);
    for (std::size_t c = 0; c < fields.size(); ++c) {
        if (designators > 1 && folded(fields[c]) == "part")
            header.roles[c] = Role::Value;
        header.mapped += header.roles[c].has_value() && header.roles[c] != Role::Known;
    }
    return header;
}

bool valued(const Header& header) {
    return std::ranges::any_of(header.roles, [](const std::optional<Role>& role) {
        return role == Role::Value || role == Role::Description;
    });
}

// The first row among the first few that names a value column, and what else it names.
std::optional<Header> headerOf(const std::vector<Row>& rows) {
    for (std::size_t r = 0; r < rows.size(); ++r) {
        Header header = headerFrom(r, rows[r].fields);
        if (valued(header) && (header.mapped >= 2 || rows[r].fields.size() == 1))
            return header;
    }
    return std::nullopt;
}

bool has(const Header& header, std::string_view name) {
    return std::ranges::any_of(header.names,
                               [name](const std::string& field) { return folded(field) == name; });
}

bool hasAny(const Header& header, std::initializer_list<std::string_view> names) {
    return std::ranges::any_of(names, [&](std::string_view name) { return has(header, name); });
}

std::string formatOf(const Header& header, char separator) {
    if (separator == '|')
        return "таблица Markdown";
    if (hasAny(header, {"cmp name", "qnty"}))
        return "групповая таблица KiCad";
    if (hasAny(header, {"refs", "reference", "reference(s)"}) && has(header, "footprint"))
        return "таблица KiCad";
    if (hasAny(header, {"manufacturer part", "supplier part"}) &&
        ((has(header, "name") && has(header, "designator")) ||
         (has(header, "no.") && has(header, "comment"))))
        return "таблица EasyEDA";
    if (hasAny(header, {"part", "parts"}) && has(header, "device") && has(header, "package"))
        return "таблица Eagle (bom.ulp)";
    if (has(header, "designation") && has(header, "designator") && has(header, "package"))
        return "таблица KiCad (Pcbnew)";
    if (hasAny(header, {"libref", "manufacturer part number 1", "line #"}))
        return "таблица Altium";
    if (has(header, "comment") && has(header, "designator"))
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

void tableLine(const Row& row, const Header& header, ListLine& line) {
    std::array<std::string_view, kRoles> first{}; // each role's first field that holds something
    for (std::size_t c = 0; c < row.fields.size() && c < header.roles.size(); ++c) {
        const std::string_view field = trimmed(row.fields[c]);
        const std::optional<Role> role = header.roles[c];
        if (!role || field.empty())
            continue;
        if (*role == Role::NotFitted || *role == Role::Fitted || *role == Role::Note)
            line.doNotPopulate = line.doNotPopulate || cellSaysNotFitted(*role, field);
        if (*role == Role::PartNumber && !pasted(field).empty())
            line.makersNumbers.push_back({std::string(pasted(field)), header.names[c]});
        if (std::string_view& kept = first[static_cast<std::size_t>(*role)]; kept.empty())
            kept = field;
    }
    const auto take = [&first](Role role) { return first[static_cast<std::size_t>(role)]; };
    line.designators = take(Role::Designators);
    line.quantity = take(Role::Quantity);
    line.value = take(Role::Value);
    line.description = take(Role::Description);
    line.footprint = take(Role::Footprint);
    line.partNumber = line.makersNumbers.empty() ? std::string(pasted(take(Role::Distributor)))
                                                 : line.makersNumbers.front().number;
    if (line.value.empty())
        line.value = line.description;
    // A line of no parts, as Altium writes one not fitted.
    line.doNotPopulate = line.doNotPopulate || line.quantity == "0";
}

// A plain list's line: the words that are designators first ("R1,R5", "R1-R4,", "R1;"), apart
// by spaces, commas, semicolons or tabs, then the value with whatever the line says of it.
void plainLine(std::string_view text, ListLine& line) {
    constexpr std::string_view kApart = " \t,;";
    std::size_t end = 0; // of the designators
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t start = text.find_first_not_of(kApart, at);
        if (start == std::string_view::npos)
            break;
        const std::size_t stop = std::min(text.find_first_of(kApart, start), text.size());
        const std::string_view word = text.substr(start, stop - start);
        const bool dash = word == "-" || word == "\u2013";
        const Designators read = readDesignators(word);
        if (!dash && (!read.problem.empty() || read.empty() ||
                      !designatorWord(word.substr(0, word.find_first_of("-.\u2013")))))
            break;
        if (!dash)
            end = stop;
        at = stop;
    }
    line.designators = trimmed(text.substr(0, end));
    std::string_view rest = text.substr(end);
    rest.remove_prefix(std::min(rest.find_first_not_of(kApart), rest.size()));
    // A count of the designators before a tab, as a hand-kept list puts it: «C1-C8	8
    // 100n».
    const std::size_t tab = rest.find('\t');
    if (tab != std::string_view::npos && !line.designators.empty()) {
        const std::string count = std::to_string(readDesignators(line.designators).count());
        if (trimmed(rest.substr(0, tab)) == count && !trimmed(rest.substr(tab)).empty()) {
            line.quantity = count;
            rest.remove_prefix(tab);
        }
    }
    line.value = trimmed(rest);
}

// Whether the text holds letters beyond ASCII written in UTF-8.
bool anyUtf8Letter(std::string_view text) {
    for (std::size_t at = 0; at + 1 < text.size(); ++at) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const auto next = static_cast<unsigned char>(text[at + 1]);
        if (lead >= 0xC2 && lead <= 0xF4 && (next & 0xC0) == 0x80 &&
            utf8(text.substr(at, lead < 0xE0   ? 2
                                 : lead < 0xF0 ? 3
                                               : 4)))
            return true;
    }
    return false;
}

// A header laid out with spaces: the line it is on, where its columns begin, and where the
// rows under it start.
struct SpacedHeader {
    Header header;
    std::vector<std::size_t> columns;
    std::size_t rowsFrom = 0; // a byte of the text
    std::size_t firstLine = 0;
};

std::optional<SpacedHeader> spacedHeaderOf(std::string_view text) {
    constexpr std::size_t kPreambleLines = 60;
    std::size_t from = 0;
    for (std::size_t line = 1; line <= kPreambleLines && from < text.size(); ++line) {
        const std::size_t end = std::min(text.find('\n', from), text.size());
        std::string_view row = text.substr(from, end - from);
        from = end + 1;
        if (row.ends_with('\r'))
            row.remove_suffix(1);
        std::vector<std::size_t> columns = spacedCells(row);
        if (columns.size() < 2 || row.find('\t') != std::string_view::npos)
            continue;
        Header header = headerFrom(line - 1, cutAt(row, columns));
        if (valued(header) && header.mapped >= 2)
            return SpacedHeader{std::move(header), std::move(columns), from, line + 1};
    }
    return std::nullopt;
}

} // namespace

struct PartsListReader::State {
    std::string text;
    std::string format;
    std::optional<Header> header; // nothing for a plain list
    std::optional<SpacedHeader> spaced;
    char separator = ',';
    std::optional<RowReader> rows;
    Row row;
    std::size_t at = 0;     // in a plain list, where its next line starts
    std::size_t number = 0; // the plain list's line
    bool anyUtf8 = false;
    std::vector<std::size_t> notUtf8Lines; // the first few
    std::size_t notUtf8Count = 0;
};

PartsListReader::PartsListReader(std::unique_ptr<State> state)
    : state_(std::move(state)) {}
PartsListReader::PartsListReader(PartsListReader&&) noexcept = default;
PartsListReader& PartsListReader::operator=(PartsListReader&&) noexcept = default;
PartsListReader::~PartsListReader() = default;

std::variant<PartsListReader, Unreadable> PartsListReader::open(std::string_view bytes) {
    if (bytes.size() > kLongestList)
        return Unreadable{"файл длиннее " + std::to_string(kLongestList >> 20) + " МиБ"};
    auto state = std::make_unique<State>();
    const bool utf16 = bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF");
    state->text = withoutByteOrderMark(bytes);
    if (binary(state->text))
        return Unreadable{"в файле двоичные данные, а не текст"};
    if (trimmed(state->text).empty())
        return Unreadable{"файл пуст"};
    state->anyUtf8 = anyUtf8Letter(state->text);

    // The separator whose header names the most columns.
    constexpr std::size_t kPreambleRows = 60;
    for (const char candidate : {'\t', ';', ',', '|'}) {
        const std::vector<Row> head = tableRows(state->text, candidate, kPreambleRows);
        if (auto header = headerOf(head);
            header && (!state->header || header->mapped > state->header->mapped))
            state->header = std::move(header), state->separator = candidate;
    }
    if (!state->header)
        if ((state->spaced = spacedHeaderOf(state->text)))
            state->header = state->spaced->header;
    if (state->spaced) {
        state->format = hasAny(*state->header, {"part", "ref"}) && has(*state->header, "value")
                            ? "список деталей Eagle (Export › Partlist)"
                            : "таблица, выровненная пробелами";
    } else if (state->header) {
        state->format = formatOf(*state->header, state->separator);
    } else {
        // A table with no value column: a first row of three or more headings, none of them a
        // designator or a number, and a second row as wide.
        for (const char candidate : {'\t', ';', ','}) {
            const std::vector<Row> head = tableRows(state->text, candidate, 2);
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
            return Unreadable{"в таблице нет столбца номиналов (Value, Comment, Name, "
                              "Designation, Description); её столбцы: " +
                              seen};
        }
        state->format = "список, деталь в строке";
    }
    if (utf16)
        state->format += ", UTF-16";
    PartsListReader reader(std::move(state));
    reader.rewind();
    return reader;
}

void PartsListReader::rewind() {
    State& s = *state_;
    s.at = 0;
    s.number = 0;
    s.notUtf8Lines.clear();
    s.notUtf8Count = 0;
    if (s.spaced) {
        s.rows.emplace(std::string_view(s.text).substr(std::min(s.spaced->rowsFrom, s.text.size())),
                       s.spaced->columns, s.spaced->firstLine);
        return;
    }
    if (!s.header)
        return;
    s.rows.emplace(s.text, s.separator);
    for (std::size_t r = 0; r <= s.header->row; ++r)
        s.rows->next(s.row);
}

bool PartsListReader::next(ListLine& line) {
    State& s = *state_;
    for (;;) {
        line = ListLine{};
        if (s.header) {
            if (!s.rows->next(s.row))
                return false;
            if (rule(s.row))
                continue;
            line.line = s.row.line;
            line.notUtf8 = s.row.notUtf8;
            tableLine(s.row, *s.header, line);
            if (line.designators.empty() && line.value.empty() && line.partNumber.empty())
                continue;
        } else {
            if (s.at >= s.text.size())
                return false;
            const std::size_t end = std::min(s.text.find('\n', s.at), s.text.size());
            const std::string text = decodedField(
                trimmed(std::string_view(s.text).substr(s.at, end - s.at)), line.notUtf8);
            s.at = end + 1;
            line.line = ++s.number;
            if (text.empty() || text.starts_with('#'))
                continue;
            plainLine(text, line);
        }
        line.expanded = readDesignators(line.designators);
        line.doNotPopulate = line.doNotPopulate || saysNotFitted(line.value);
        if (line.notUtf8 && s.notUtf8Count++ < 3)
            s.notUtf8Lines.push_back(line.line);
        return true;
    }
}

std::string PartsListReader::format() const {
    const State& s = *state_;
    if (s.notUtf8Count == 0)
        return s.format;
    if (!s.anyUtf8)
        return s.format + ", Windows-1251";
    std::string lines;
    for (const std::size_t line : s.notUtf8Lines)
        lines.append(lines.empty() ? "" : ", ").append(std::to_string(line));
    if (s.notUtf8Count > s.notUtf8Lines.size())
        lines.append(" и ещё ").append(std::to_string(s.notUtf8Count - s.notUtf8Lines.size()));
    return s.format + (s.notUtf8Count == 1 ? ", в строке " : ", в строках ") + lines +
           " байты не UTF-8, прочитаны как Windows-1251";
}

std::variant<PartsList, Unreadable> readPartsList(std::string_view bytes) {
    auto opened = PartsListReader::open(bytes);
    if (auto* unreadable = std::get_if<Unreadable>(&opened))
        return std::move(*unreadable);
    PartsListReader& reader = std::get<PartsListReader>(opened);
    PartsList list;
    ListLine line;
    while (reader.next(line))
        list.lines.push_back(std::move(line));
    list.format = reader.format();
    return list;
}

} // namespace vantrel::lists
