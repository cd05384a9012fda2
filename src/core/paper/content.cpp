#include "core/paper/content.h"

#include "core/networks/stock.h"
#include "core/networks/typed_values.h"
#include "core/parts_list/designators.h"
#include "core/value/readout.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <tuple>

namespace vantrel::paper {
namespace {

using marking::MarkingForm;

constexpr std::size_t kMostBandMarkings = 2;
constexpr std::size_t kMostCodes = 4;

bool bandForm(MarkingForm form) {
    return form == MarkingForm::Bands4 || form == MarkingForm::Bands5;
}

// Three significant digits, or a tolerance of 1 % or less, are marked with five bands first.
bool fiveBandsFirst(const value::Reading& reading) {
    if (reading.value.significantDigits() > 2)
        return true;
    const auto& tolerance = reading.tolerance;
    return tolerance && tolerance->kind == value::Tolerance::Kind::Percent &&
           value::toDouble(tolerance->above) <= 1;
}

// What tells two lines' parts apart on the sheet: the value, then the size, then the rest.
auto sortKey(const SheetRow& row) {
    const value::Reading& reading = *row.reading;
    return std::tuple(static_cast<int>(reading.quantity), value::toDouble(reading.value),
                      reading.package ? reading.package->inch : std::string_view{},
                      reading.moulded.value_or(std::string_view{}), row.plainly);
}

// Adds the text to a list joined by ", ", unless the list holds it already as one entry.
void joinOnce(std::string& joined, const std::string& text) {
    constexpr std::string_view kBetween = ", ";
    if (text.empty())
        return;
    const std::string_view list = joined;
    for (std::size_t at = 0; (at = list.find(text, at)) != std::string_view::npos; ++at) {
        const bool starts = at == 0 || list.substr(0, at).ends_with(kBetween);
        const bool ends =
            at + text.size() == list.size() || list.substr(at + text.size()).starts_with(kBetween);
        if (starts && ends)
            return;
    }
    joined.append(joined.empty() ? "" : kBetween).append(text);
}

std::size_t countOf(const lists::ListLine& line) {
    if (!line.expanded.each.empty())
        return line.expanded.each.size();
    std::size_t count = 0;
    const auto [end, error] =
        std::from_chars(line.quantity.data(), line.quantity.data() + line.quantity.size(), count);
    return error == std::errc() && end == line.quantity.data() + line.quantity.size() ? count : 1;
}

} // namespace

PartMarkings partMarkings(const value::Reading& reading) {
    PartMarkings found;
    for (marking::Marking& one : marking::markingsOf(reading)) {
        if (bandForm(one.form))
            found.bands.push_back(std::move(one));
        else if (one.form != MarkingForm::PartNumber && one.form != MarkingForm::SingleBand &&
                 found.codes.size() < kMostCodes)
            found.codes.push_back(std::move(one));
    }
    if (fiveBandsFirst(reading))
        std::stable_partition( // not the ranges one, whose subrange clang 14 cannot build
            found.bands.begin(), found.bands.end(),
            [](const marking::Marking& m) { return m.form == MarkingForm::Bands5; });
    if (found.bands.size() > kMostBandMarkings)
        found.bands.resize(kMostBandMarkings);
    return found;
}

SortingSheet sortingSheet(std::span<const lists::CheckedLine> lines) {
    SortingSheet sheet;
    std::vector<SheetRow> unread;
    std::map<std::string, std::size_t> rowOf; // by the value line and the part
    for (const lists::CheckedLine& checked : lines) {
        const lists::ListLine& line = checked.line;
        if (line.doNotPopulate) {
            joinOnce(sheet.notFitted, line.designators);
            continue;
        }
        std::optional<value::Quantity> part;
        if (!checked.readings.empty())
            part = checked.readings.front().reading.quantity;
        else if (!line.expanded.each.empty())
            part = lists::quantityOfDesignator(line.expanded.each.front());
        if (!part)
            continue; // another part, or a plain line that is no part
        SheetRow row;
        row.quantity = *part;
        if (!checked.readings.empty()) {
            value::Reading reading = checked.readings.front().reading;
            if (!reading.package && !reading.moulded) {
                const lists::FootprintSize size = lists::sizeOf(line.footprint);
                reading.package = size.chip;
                reading.moulded = size.moulded;
            }
            row.plainly = value::valueLine(reading);
            row.reading = std::move(reading);
        }
        for (const lists::Finding& finding : checked.findings)
            row.findings.push_back("строка " + std::to_string(line.line) + ": " + finding.text);
        if (!row.reading) {
            row.designators = line.designators;
            row.written = line.value;
            row.count = countOf(line);
            unread.push_back(std::move(row));
            continue;
        }
        const std::string key = std::to_string(static_cast<int>(*part)) + row.plainly;
        const auto [at, first] = rowOf.emplace(key, sheet.rows.size());
        if (first) {
            row.designators = line.designators;
            row.written = line.value;
            sheet.rows.push_back(std::move(row));
        }
        SheetRow& into = sheet.rows[at->second];
        if (!first) {
            joinOnce(into.designators, line.designators);
            joinOnce(into.written, line.value);
            into.findings.insert(into.findings.end(), row.findings.begin(), row.findings.end());
        }
        into.count += countOf(line);
    }
    for (SheetRow& row : sheet.rows)
        row.markings = partMarkings(*row.reading);
    std::ranges::stable_sort(
        sheet.rows, [](const SheetRow& a, const SheetRow& b) { return sortKey(a) < sortKey(b); });
    // An unread value goes after the read ones of its part.
    for (SheetRow& row : unread) {
        const auto after = std::ranges::find_if(sheet.rows, [&](const SheetRow& read) {
            return static_cast<int>(read.quantity) > static_cast<int>(row.quantity);
        });
        sheet.rows.insert(after, std::move(row));
    }
    return sheet;
}

std::variant<std::vector<value::Reading>, std::string> readLabelValues(std::string_view text,
                                                                       const std::string& name) {
    if (text.size() > networks::kLongestStockText)
        return name + ": список длиннее " + std::to_string(networks::kLongestStockText >> 20) +
               " МиБ";
    std::vector<value::Reading> values;
    const auto refused = networks::forEachListed(
        text, name, [&](std::string_view entry) -> std::optional<std::string> {
            auto plain = networks::readPartValue(entry);
            if (auto* reading = std::get_if<value::Reading>(&plain)) {
                values.push_back(std::move(*reading));
                return std::nullopt;
            }
            const marking::MarkingAnswer answer = marking::readMarking(entry);
            const auto valued =
                std::ranges::find(answer.readings, true, &marking::MarkingReading::valued);
            if (valued == answer.readings.end())
                return std::get<networks::Refusal>(plain).message;
            values.push_back(valued->reading);
            return std::nullopt;
        });
    if (refused)
        return refused->message;
    return values;
}

Label labelOf(const value::Reading& reading) {
    Label label{reading,
                value::quantityText(reading.quantity, reading.value),
                {},
                partMarkings(reading),
                value::valueLine(reading)};
    const auto add = [&](const std::string& text) {
        label.details.append(label.details.empty() ? "" : ", ").append(text);
    };
    if (reading.tolerance)
        add(value::toleranceText(reading.quantity, *reading.tolerance));
    if (reading.voltage)
        add(value::voltageText(*reading.voltage));
    if (reading.package)
        add(std::string(reading.package->inch));
    if (reading.moulded)
        add("корпус " + std::string(*reading.moulded));
    return label;
}

} // namespace vantrel::paper
