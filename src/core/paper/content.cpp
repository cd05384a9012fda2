#include "core/paper/content.h"

#include "core/networks/stock.h"
#include "core/networks/typed_values.h"
#include "core/parts_list/designators.h"
#include "core/value/readout.h"

#include <algorithm>
#include <charconv>
#include <tuple>
#include <unordered_map>
#include <unordered_set>

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

// A row of a sheet names this many designators and findings, then how many more there are:
// a value on a thousand lines would fill pages with them.
constexpr std::size_t kShownDesignators = 24;
constexpr std::size_t kShownFindings = 3;

// A list joined by ", " that holds each entry once, whichever line gives it again, and after
// `most` parts only counts them.
class JoinedOnce {
public:
    explicit JoinedOnce(std::size_t most = static_cast<std::size_t>(-1))
        : most_(most) {}
    void add(const std::string& text, std::string& joined, std::size_t parts = 1) {
        if (text.empty() || !seen_.insert(text).second)
            return;
        if (shown_ >= most_) {
            hidden_ += parts;
            return;
        }
        shown_ += parts;
        joined.append(joined.empty() ? "" : ", ").append(text);
    }
    void close(std::string& joined) const {
        if (hidden_ > 0)
            joined.append(" и ещё ").append(std::to_string(hidden_));
    }

private:
    std::unordered_set<std::string> seen_;
    std::size_t most_;
    std::size_t shown_ = 0;
    std::size_t hidden_ = 0;
};

std::size_t countOf(const lists::ListLine& line) {
    if (!line.expanded.empty())
        return line.expanded.count();
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

// Each row's designators and spellings, and the rows by value line and part.
struct SheetBuilder::Joined {
    JoinedOnce notFitted{kShownDesignators};
    std::unordered_map<std::string, std::size_t> rowOf;
    struct Row {
        JoinedOnce designators{kShownDesignators};
        JoinedOnce spellings{kShownDesignators};
        std::size_t hiddenFindings = 0;
    };
    std::vector<Row> rows;
};

SheetBuilder::SheetBuilder()
    : joined_(std::make_unique<Joined>()) {}
SheetBuilder::SheetBuilder(SheetBuilder&&) noexcept = default;
SheetBuilder::~SheetBuilder() = default;

void SheetBuilder::add(const lists::CheckedLine& checked) {
    const lists::ListLine& line = checked.line;
    if (line.doNotPopulate) {
        joined_->notFitted.add(line.designators, sheet_.notFitted, line.expanded.count());
        return;
    }
    std::optional<value::Quantity> part;
    if (!checked.readings.empty())
        part = checked.readings.front().reading.quantity;
    else if (!line.expanded.empty())
        part = lists::quantityOfDesignator(line.expanded.ranges.front().letters);
    if (!part)
        return; // another part, or a plain line that is no part
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
    const std::size_t count = countOf(line);
    row.count = count;
    if (!row.reading) {
        row.designators = line.designators;
        row.written = line.value;
        unread_.push_back(std::move(row));
        return;
    }
    const auto [at, first] = joined_->rowOf.emplace(
        std::to_string(static_cast<int>(*part)) + row.plainly, sheet_.rows.size());
    if (first) {
        sheet_.rows.push_back(std::move(row));
        joined_->rows.emplace_back();
    }
    SheetRow& into = sheet_.rows[at->second];
    Joined::Row& joined = joined_->rows[at->second];
    joined.designators.add(line.designators, into.designators, count);
    joined.spellings.add(line.value, into.written);
    if (!first) {
        for (std::string& finding : row.findings)
            if (into.findings.size() < kShownFindings)
                into.findings.push_back(std::move(finding));
            else
                ++joined.hiddenFindings;
        into.count += count;
    }
}

SortingSheet SheetBuilder::done() && {
    joined_->notFitted.close(sheet_.notFitted);
    for (std::size_t r = 0; r < sheet_.rows.size(); ++r) {
        SheetRow& row = sheet_.rows[r];
        const Joined::Row& joined = joined_->rows[r];
        joined.designators.close(row.designators);
        joined.spellings.close(row.written);
        if (joined.hiddenFindings > 0)
            row.findings.push_back("ещё замечаний в других строках: " +
                                   std::to_string(joined.hiddenFindings));
        row.markings = partMarkings(*row.reading);
    }
    std::ranges::stable_sort(
        sheet_.rows, [](const SheetRow& a, const SheetRow& b) { return sortKey(a) < sortKey(b); });
    // An unread value goes after the read ones of its part.
    std::vector<SheetRow> rows;
    rows.reserve(sheet_.rows.size() + unread_.size());
    for (const value::Quantity part :
         {value::Quantity::Resistance, value::Quantity::Capacitance, value::Quantity::Inductance})
        for (std::vector<SheetRow>* from : {&sheet_.rows, &unread_})
            for (SheetRow& row : *from)
                if (row.quantity == part)
                    rows.push_back(std::move(row));
    sheet_.rows = std::move(rows);
    return std::move(sheet_);
}

SortingSheet sortingSheet(std::span<const lists::CheckedLine> lines) {
    SheetBuilder builder;
    for (const lists::CheckedLine& checked : lines)
        builder.add(checked);
    return std::move(builder).done();
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
