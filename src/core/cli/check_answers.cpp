#include "core/cli/check_answers.h"

#include "core/cli/command_line.h"
#include "core/cli/json.h"
#include "core/cli/marking_answers.h"
#include "core/cli/network_answers.h"
#include "core/networks/stock.h"
#include "core/parts_list/checks.h"

#include <cstdlib>
#include <ostream>
#include <variant>

namespace vantrel::cli {
namespace {

using lists::CheckedLine;

std::string stringOrNull(std::string_view text) {
    return text.empty() ? "null" : jsonString(text);
}

std::string lineJson(const CheckedLine& checked) {
    const lists::ListLine& line = checked.line;
    std::string designators = "[";
    for (const std::string& each : line.expanded.each)
        designators.append(designators.size() > 1 ? ", " : "").append(jsonString(each));
    std::string readings = "[";
    for (const marking::MarkingReading& reading : checked.readings)
        readings.append(readings.size() > 1 ? ", " : "").append(readingJson(reading));
    std::string findings = "[";
    for (const lists::Finding& finding : checked.findings)
        findings.append(findings.size() > 1 ? ", " : "")
            .append(Object()
                        .add("kind", jsonName(lists::jsonName(finding.kind)))
                        .add("text", jsonString(finding.text))
                        .close());
    return Object()
        .add("line", std::to_string(line.line))
        .add("designators", designators + "]")
        .add("quantity", stringOrNull(line.quantity))
        .add("value", jsonString(line.value))
        .add("part_number", stringOrNull(line.partNumber))
        .add("footprint", stringOrNull(line.footprint))
        .add("dnp", line.doNotPopulate ? "true" : "false")
        .add("readings", readings + "]")
        .add("findings", findings + "]")
        .close();
}

// "строк", "строка", "строки" after a count.
std::string lines(std::size_t count) {
    const std::size_t lastTwo = count % 100;
    const std::size_t last = count % 10;
    const char* word = "строк";
    if (last == 1 && lastTwo != 11)
        word = "строка";
    else if (last >= 2 && last <= 4 && (lastTwo < 12 || lastTwo > 14))
        word = "строки";
    return std::to_string(count) + " " + word;
}

} // namespace

int answerCheck(const CheckQuestion& question, std::istream& in, std::ostream& out,
                std::ostream& err) {
    std::optional<lists::OwnStock> stock;
    if (question.stock) {
        auto text = readList(*question.stock, in, networks::kLongestStockText, "номиналов ");
        if (const auto* refused = std::get_if<networks::Refusal>(&text)) {
            err << "vantrel: " << refused->message << "\n";
            return kUsageError;
        }
        auto read = lists::readOwnStock(std::get<std::string>(text), listName(*question.stock));
        if (const auto* unreadable = std::get_if<lists::Unreadable>(&read)) {
            err << "vantrel: " << unreadable->reason << "\n";
            return kUsageError;
        }
        stock = std::get<lists::OwnStock>(std::move(read));
    }
    const auto text = readList(question.list, in, lists::kLongestList, "деталей ");
    if (const auto* refused = std::get_if<networks::Refusal>(&text)) {
        err << "vantrel: " << refused->message << "\n";
        return kUsageError;
    }
    const auto checked =
        lists::checkPartsList(std::get<std::string>(text), stock ? &*stock : nullptr);
    if (const auto* unreadable = std::get_if<lists::Unreadable>(&checked)) {
        err << "vantrel: " << listName(question.list, "деталей ") << ": " << unreadable->reason
            << "\n";
        return kUsageError;
    }
    const lists::CheckedList& list = std::get<lists::CheckedList>(checked);
    std::size_t findings = 0;
    std::size_t notFitted = 0;
    for (const CheckedLine& line : list.lines) {
        findings += line.findings.size();
        notFitted += line.line.doNotPopulate;
        if (question.json) {
            out << lineJson(line) << "\n";
            continue;
        }
        for (const lists::Finding& finding : line.findings) {
            out << "строка " << line.line.line;
            if (!line.line.designators.empty())
                out << ", " << line.line.designators;
            out << ": " << finding.text << "\n";
        }
    }
    if (!question.json) {
        out << listName(question.list, "деталей ") << ": " << list.format << ", "
            << lines(list.lines.size());
        if (notFitted > 0)
            out << ", из них не устанавливаются (DNP): " << notFitted;
        if (findings == 0)
            out << "; замечаний нет\n";
        else
            out << "; замечаний: " << findings << ", строк с замечаниями: " << list.withFindings
                << "\n";
    }
    return out.flush() ? (findings == 0 ? kEveryMarkingRead : kNoAnswer) : kInputOutputError;
}

std::optional<std::string> ownValuesFile(const char* dataHome, const char* home) {
    std::string folder;
    if (dataHome && dataHome[0] == '/')
        folder = dataHome;
    else if (home && home[0] != '\0')
        folder = std::string(home) + "/.local/share";
    else
        return std::nullopt;
    return folder + "/Vantrel/own-values.txt";
}

std::optional<std::string> ownValuesFile() {
    return ownValuesFile(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
}

} // namespace vantrel::cli
