// libFuzzer target for parts lists: any bytes as a list and as the builder's own values,
// checked as --check does. The answer must hold together: lines in the file's order, each
// designator once per line, the findings' texts valid UTF-8, and the JSON one object a line.
// The same bytes as label values, and the list's sorting sheet: a row for each value, in
// ascending order of each part's values.
#include "core/cli/check_answers.h"
#include "core/cli/command_line.h"
#include "core/paper/content.h"
#include "core/parts_list/checks.h"
#include "core/parts_list/table_text.h"
#include "fuzz_input.h"

#include <cstdlib>
#include <sstream>
#include <string>

namespace {

using namespace vantrel;

void require(bool holds) {
    if (!holds)
        std::abort();
}

bool utf8(const std::string& text) {
    return lists::utf8(text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = fuzz::fields(data, size, 2);
    const auto stock = lists::readOwnStock(parts[1], "свои");
    const auto* own = parts[1].empty() ? nullptr : std::get_if<lists::OwnStock>(&stock);
    const auto values = paper::readLabelValues(parts[1], "этикетки");
    if (const auto* refusal = std::get_if<std::string>(&values))
        require(refusal->starts_with("этикетки"));
    else
        for (const value::Reading& reading : std::get<std::vector<value::Reading>>(values))
            require(!paper::labelOf(reading).payload.empty());
    const auto checked = lists::checkPartsList(parts[0], own);
    if (const auto* unreadable = std::get_if<lists::Unreadable>(&checked)) {
        require(!unreadable->reason.empty());
        return 0;
    }
    const lists::CheckedList& list = std::get<lists::CheckedList>(checked);
    std::size_t previous = 0;
    std::size_t found = 0;
    for (const lists::CheckedLine& line : list.lines) {
        require(line.line.line > previous);
        previous = line.line.line;
        found += !line.findings.empty();
        require(!line.line.doNotPopulate || line.findings.empty());
        for (const lists::Finding& finding : line.findings)
            require(!finding.text.empty() && utf8(finding.text));
        for (const marking::MarkingReading& reading : line.readings)
            require(reading.valued);
    }
    require(found == list.withFindings);
    const paper::SortingSheet sheet = paper::sortingSheet(list.lines);
    for (std::size_t i = 0; i < sheet.rows.size(); ++i) {
        const paper::SheetRow& row = sheet.rows[i];
        require(row.reading || row.plainly.empty());
        if (i > 0 && row.reading && sheet.rows[i - 1].reading &&
            row.quantity == sheet.rows[i - 1].quantity)
            require(!(value::toDouble(row.reading->value) <
                      value::toDouble(sheet.rows[i - 1].reading->value)));
    }
    if (own) // the command line below checks without a stock
        found = std::get<lists::CheckedList>(lists::checkPartsList(parts[0])).withFindings;

    // The command line's JSON: an object a line of the list, every byte of it UTF-8.
    const char* argv[] = {"vantrel", "--check", "-", "--json"};
    std::istringstream in{std::string(parts[0])};
    std::ostringstream out, err;
    const auto exitCode = cli::answerCommandLine(4, argv, in, out, err);
    require(exitCode == (found ? 1 : 0));
    const std::string json = out.str();
    require(utf8(json));
    std::size_t lines = 0;
    for (std::size_t start = 0; start < json.size(); ++lines) {
        const std::size_t end = json.find('\n', start);
        require(end != std::string::npos && json[start] == '{' && json[end - 1] == '}');
        start = end + 1;
    }
    require(lines == list.lines.size());
    return 0;
}
