#include "core/cli/check_answers.h"

#include "core/cli/command_line.h"
#include "core/cli/json.h"
#include "core/cli/marking_answers.h"
#include "core/cli/network_answers.h"
#include "core/networks/stock.h"
#include "core/parts_list/checks.h"

#include <cstdlib>
#include <ostream>
#include <unordered_map>
#include <variant>

namespace vantrel::cli {
namespace {

using lists::CheckedLine;

std::string stringOrNull(std::string_view text) {
    return text.empty() ? "null" : jsonString(text);
}

// A JSON array of the texts.
template <typename Range, typename Text> std::string array(const Range& range, Text text) {
    std::string json = "[";
    for (const auto& each : range)
        json.append(json.size() > 1 ? ", " : "").append(text(each));
    return json + "]";
}

// The readings' JSON by what each says: a list gives the same value on many lines, and the
// markings of a value take the longest to write. Forgotten whole at kRemembered.
class ReadingsJson {
public:
    const std::string& of(const marking::MarkingReading& found) {
        key_.assign(marking::jsonName(found.form))
            .append("|")
            .append(found.table)
            .append("|")
            .append(marking::valueText(found))
            .append("|")
            .append(found.maker)
            .append(found.family)
            .append(found.reversed ? "r" : "")
            .append(found.valued ? "v" : "");
        if (const auto known = written_.find(key_); known != written_.end())
            return known->second;
        if (written_.size() >= kRemembered)
            written_.clear();
        return written_.emplace(key_, readingJson(found)).first->second;
    }

private:
    static constexpr std::size_t kRemembered = 4096;
    std::unordered_map<std::string, std::string> written_;
    std::string key_;
};

std::string lineJson(const CheckedLine& checked, ReadingsJson& readings) {
    const lists::ListLine& line = checked.line;
    return Object()
        .add("line", std::to_string(line.line))
        .add("designators",
             array(line.expanded.ranges,
                   [](const lists::DesignatorRange& range) { return jsonString(range.text()); }))
        .add("designator_count", std::to_string(line.expanded.count()))
        .add("quantity", stringOrNull(line.quantity))
        .add("value", jsonString(line.value))
        .add("part_number", stringOrNull(line.partNumber))
        .add("part_numbers",
             array(line.makersNumbers,
                   [](const lists::ListedNumber& listed) { return jsonString(listed.number); }))
        .add("footprint", stringOrNull(line.footprint))
        .add("dnp", line.doNotPopulate ? "true" : "false")
        .add("readings", array(checked.readings,
                               [&readings](const marking::MarkingReading& found) {
                                   return readings.of(found);
                               }))
        .add("findings", array(checked.findings,
                               [](const lists::Finding& finding) {
                                   return Object()
                                       .add("kind", jsonName(lists::jsonName(finding.kind)))
                                       .add("text", jsonString(finding.text))
                                       .close();
                               }))
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
    // Each line written as it is checked, the answer kept in pieces of about a megabyte.
    constexpr std::size_t kPiece = std::size_t{1} << 20;
    std::string buffer;
    ReadingsJson readings;
    const auto write = [&](bool last) {
        if (buffer.size() >= kPiece || last) {
            out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
            buffer.clear();
        }
    };
    const auto checked = lists::checkPartsList(
        std::get<std::string>(text), stock ? &*stock : nullptr, [&](CheckedLine&& line) {
            if (question.json) {
                buffer.append(lineJson(line, readings)).append("\n");
            } else {
                for (const lists::Finding& finding : line.findings) {
                    buffer.append("строка ").append(std::to_string(line.line.line));
                    if (!line.line.designators.empty())
                        buffer.append(", ").append(line.line.designators);
                    buffer.append(": ").append(finding.text).append("\n");
                }
            }
            write(false);
        });
    if (const auto* unreadable = std::get_if<lists::Unreadable>(&checked)) {
        err << "vantrel: " << listName(question.list, "деталей ") << ": " << unreadable->reason
            << "\n";
        return kUsageError;
    }
    const lists::CheckSummary& list = std::get<lists::CheckSummary>(checked);
    if (!question.json) {
        buffer.append(listName(question.list, "деталей "))
            .append(": ")
            .append(list.format)
            .append(", ")
            .append(lines(list.lines));
        if (list.notFitted > 0)
            buffer.append(", из них не устанавливаются (DNP): ")
                .append(std::to_string(list.notFitted));
        if (list.findings == 0)
            buffer.append("; замечаний нет\n");
        else
            buffer.append("; замечаний: ")
                .append(std::to_string(list.findings))
                .append(", строк с замечаниями: ")
                .append(std::to_string(list.withFindings))
                .append("\n");
    }
    write(true);
    return out.flush() ? (list.findings == 0 ? kEveryMarkingRead : kNoAnswer) : kInputOutputError;
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
