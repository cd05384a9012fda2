#include "core/parts_list/checks.h"

#include "core/codes/typed_code.h"
#include "core/marking/echo.h"
#include "core/networks/stock.h"
#include "core/networks/typed_values.h"
#include "core/part_numbers/part_numbers.h"
#include "core/parts_list/line_value.h"
#include "core/value/series.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <unordered_map>

namespace vantrel::lists {
namespace {

using marking::MarkingReading;
using marking::quoted;
using value::Decimal;
using value::Quantity;

// The part number as a stock compares it: capitals, no spaces or hyphens.
std::string comparable(std::string_view partNumber) {
    std::string kept;
    for (const char c : codes::inCapitals(partNumber))
        if (c != ' ' && c != '-')
            kept += c;
    return kept;
}

std::string valueText(const value::Reading& reading) {
    return value::quantityText(reading.quantity, reading.value);
}

} // namespace

namespace {

// KiCad's electrolytics: "CP_Elec_6.3x7.7", "CP_Radial_D6.3mm_P2.50mm".
std::optional<value::CanSize> canOf(std::string_view footprint) {
    if (const std::size_t at = footprint.find("Elec_"); at != std::string_view::npos) {
        const std::string_view can = footprint.substr(at + 5);
        return value::canSizeOf(can.substr(0, can.find('_')));
    }
    if (const std::size_t at = footprint.find("Radial_D"); at != std::string_view::npos) {
        const std::string_view rest = footprint.substr(at + 8);
        if (const std::size_t mm = rest.find("mm"); mm != std::string_view::npos)
            if (const auto diameter = value::readNumber(rest.substr(0, mm)))
                return value::CanSize{*diameter, {}};
    }
    return std::nullopt;
}

} // namespace

FootprintSize sizeOf(std::string_view footprint) {
    if (const auto can = canOf(footprint))
        return {std::nullopt, std::nullopt, can};
    std::vector<std::string_view> words;
    for (std::size_t from = 0; from < footprint.size();) {
        std::size_t end = from;
        while (end < footprint.size() && std::isalnum(static_cast<unsigned char>(footprint[end])))
            ++end;
        if (end > from)
            words.push_back(footprint.substr(from, end - from));
        from = end + 1;
    }
    FootprintSize size;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string_view word = words[i];
        if (i + 1 < words.size() && value::allDigits(word) && word.size() == 4 &&
            value::allDigits(words[i + 1]))
            if (const auto eia =
                    value::tantalumCaseOf(std::string(word) + "-" + std::string(words[i + 1])))
                return {std::nullopt, eia, std::nullopt};
        if (word.size() == 10 && word.ends_with("Metric"))
            if (const auto metric = value::chipSizeOfMetric(word.substr(0, 4)))
                return {metric, std::nullopt, std::nullopt};
        const std::string_view tail = word.size() >= 4 ? word.substr(word.size() - 4) : word;
        if (!size.chip && word.size() <= 6 && value::allDigits(tail) &&
            std::ranges::all_of(word.substr(0, word.size() - 4),
                                [](char c) { return std::isalpha(static_cast<unsigned char>(c)); }))
            size.chip = value::chipSizeOfInch(tail);
    }
    return size;
}

namespace {

std::string sizeText(const value::Reading& reading) {
    if (reading.moulded)
        return "корпус " + std::string(*reading.moulded);
    return std::string(reading.package->inch);
}

// Where a stated size is not the footprint's.
void compareSize(const value::Reading& stated, std::string_view whose, const ListLine& line,
                 std::vector<Finding>& findings) {
    const FootprintSize footprint = sizeOf(line.footprint);
    const bool chipDiffers = stated.package && footprint.chip && stated.package != footprint.chip;
    const bool caseDiffers =
        stated.moulded && footprint.moulded && stated.moulded != footprint.moulded;
    // A footprint that gives the diameter alone is compared by it.
    const bool canDiffers = stated.can && footprint.can &&
                            (!(stated.can->diameter == footprint.can->diameter) ||
                             (footprint.can->length.significand != 0 &&
                              !(stated.can->length == footprint.can->length)));
    if (!chipDiffers && !caseDiffers && !canDiffers)
        return;
    if (canDiffers) {
        const std::string footprintCan = footprint.can->length.significand != 0
                                             ? value::canText(*footprint.can)
                                             : "Ø" + value::spell(footprint.can->diameter) + " мм";
        findings.push_back(
            {FindingKind::SizeVsFootprint, std::string(whose) + ": " + value::canText(*stated.can) +
                                               ", а посадочное место " + quoted(line.footprint) +
                                               " — " + footprintCan});
        return;
    }
    const std::string footprintSize = footprint.chip ? std::string(footprint.chip->inch)
                                                     : "корпус " + std::string(*footprint.moulded);
    findings.push_back({FindingKind::SizeVsFootprint,
                        std::string(whose) + ": " + sizeText(stated) + ", а посадочное место " +
                            quoted(line.footprint) + " — " + footprintSize});
}

// What a part number orders against what the value says: another part or value, a wider
// tolerance, a lower voltage, another dielectric. `whose` names the number.
void comparePartNumber(const MarkingReading& wanted, std::string_view number,
                       const std::string& whose, const ListLine& line,
                       std::vector<Finding>& findings) {
    const parts::PartAnswer answer = parts::readPartNumber(number);
    if (answer.readings.empty())
        return; // a distributor's number, or a family Vantrel does not know
    const parts::PartReading& ordered = answer.readings.front();
    const value::Reading& is = ordered.reading;
    const value::Reading& want = wanted.reading;
    const auto add = [&](const std::string& has, const std::string& asked) {
        findings.push_back(
            {FindingKind::ValueVsPartNumber, whose + ": " + has + ", а в номинале " + asked});
    };
    if (is.quantity != want.quantity) {
        add(std::string(partName(is.quantity)), std::string(partName(want.quantity)));
        return;
    }
    if (is.value != want.value)
        add(valueText(is), valueText(want));
    if (is.tolerance && want.tolerance && is.tolerance->kind == want.tolerance->kind &&
        (value::toDouble(is.tolerance->above) > value::toDouble(want.tolerance->above) ||
         value::toDouble(is.tolerance->below) > value::toDouble(want.tolerance->below)))
        add("допуск " + value::toleranceText(is.quantity, *is.tolerance),
            value::toleranceText(want.quantity, *want.tolerance));
    if (is.voltage && want.voltage && value::toDouble(*is.voltage) < value::toDouble(*want.voltage))
        add(value::voltageText(*is.voltage), value::voltageText(*want.voltage));
    if (ordered.dielectric && wanted.dielectric &&
        ordered.dielectric->code != wanted.dielectric->code)
        add(ordered.dielectric->code, wanted.dielectric->code);
    compareSize(is, whose, line, findings);
}

// Every maker's number on the line, alternates too; where it has none, the distributor's.
void comparePartNumbers(const MarkingReading& wanted, const ListLine& line,
                        std::vector<Finding>& findings) {
    if (line.makersNumbers.empty()) {
        comparePartNumber(wanted, line.partNumber, "номер детали " + line.partNumber, line,
                          findings);
        return;
    }
    const bool several = line.makersNumbers.size() > 1;
    for (const ListedNumber& listed : line.makersNumbers)
        comparePartNumber(wanted, listed.number,
                          "номер детали " + listed.number +
                              (several ? " (столбец " + quoted(listed.column) + ")" : ""),
                          line, findings);
}

// The nearest value of a series' decade to a positive value, compared by ratio.
Decimal nearestIn(int valuesPerDecade, Decimal wanted) {
    const double amount = value::toDouble(wanted);
    const int power = static_cast<int>(std::floor(std::log10(amount))) - 2;
    std::vector<int> decade = value::decadeOf(valuesPerDecade);
    decade.push_back(1000);
    Decimal best{decade.front(), power};
    for (const int figures : decade) {
        const Decimal candidate{figures, power};
        if (std::abs(std::log(value::toDouble(candidate) / amount)) <
            std::abs(std::log(value::toDouble(best) / amount)))
            best = candidate;
    }
    return best;
}

// The least values the series are checked for: below them makers sell other steps
// (current-sense resistors of 0,05 Ом, capacitors and inductors below 10 in 0,1 steps).
Decimal leastInSeries(Quantity quantity) {
    switch (quantity) {
    case Quantity::Resistance:
        break;
    case Quantity::Capacitance: // 10 пФ
    case Quantity::Inductance:  // 10 нГн
        return Decimal{10};
    }
    return Decimal{1}; // 1 Ом
}

void checkSeries(const value::Reading& reading, std::vector<Finding>& findings) {
    if (value::toDouble(reading.value) < value::toDouble(leastInSeries(reading.quantity)) ||
        value::firstSeriesHolding(reading.value))
        return;
    findings.push_back({FindingKind::NotInSeries,
                        "номинала " + valueText(reading) + " нет ни в одном ряду: ближайшие E96 " +
                            value::quantityText(reading.quantity, nearestIn(96, reading.value)) +
                            ", E24 " +
                            value::quantityText(reading.quantity, nearestIn(24, reading.value))});
}

bool inStock(const value::Reading& reading, const ListLine& line, const OwnStock& stock) {
    const auto held = [&](std::string_view number) {
        return !number.empty() &&
               std::ranges::find(stock.partNumbers, comparable(number)) != stock.partNumbers.end();
    };
    if (held(line.partNumber) || std::ranges::any_of(line.makersNumbers, [&](const auto& listed) {
            return held(listed.number);
        }))
        return true;
    return std::ranges::any_of(stock.values, [&](const value::Reading& own) {
        return own.quantity == reading.quantity && own.value == reading.value;
    });
}

// The values a list's lines have read to, by quantity and text: a list writes the same value on
// many lines. Forgotten whole when it holds kRemembered, so that it stays small.
class ValuesRead {
public:
    // The line's value: the value column's, or the description's where that one reads and the
    // value does not («Capacitor» as the value, «CAP CER 0.1UF 50V X7R 0603» as the
    // description).
    const ValueAnswer& of(const ListLine& line, std::optional<Quantity> quantity) {
        key_.assign(1, quantity ? static_cast<char>('0' + static_cast<int>(*quantity)) : '-');
        key_.append(line.value).append(1, '\0').append(line.description);
        if (const auto found = read_.find(key_); found != read_.end())
            return found->second;
        if (read_.size() >= kRemembered)
            read_.clear();
        ValueAnswer answer = readListValue(line.value, quantity);
        if (answer.readings.empty() && !line.description.empty() && line.description != line.value)
            if (ValueAnswer described = readListValue(line.description, quantity);
                !described.readings.empty() && !described.finding)
                answer = std::move(described);
        return read_.emplace(key_, std::move(answer)).first->second;
    }

private:
    static constexpr std::size_t kRemembered = 4096;
    std::unordered_map<std::string, ValueAnswer> read_;
    std::string key_;
};

// The line's own findings; the designators listed twice are found over the whole list.
CheckedLine checkLine(ListLine listed, const OwnStock* stock, ValuesRead& values) {
    CheckedLine checked{std::move(listed), {}, {}};
    const ListLine& line = checked.line;
    std::vector<Finding>& findings = checked.findings;
    if (!line.expanded.problem.empty())
        findings.push_back({FindingKind::Designators, line.expanded.problem});
    const std::size_t count = line.expanded.count();
    if (!line.quantity.empty() && count > 0) {
        std::size_t listedCount = 0;
        const auto [end, error] = std::from_chars(
            line.quantity.data(), line.quantity.data() + line.quantity.size(), listedCount);
        if (error != std::errc{} || end != line.quantity.data() + line.quantity.size() ||
            listedCount != count)
            findings.push_back({FindingKind::Designators, "количество " + quoted(line.quantity) +
                                                              ", а обозначений " +
                                                              std::to_string(count)});
    }
    std::optional<Quantity> quantity;
    bool passive = line.expanded.empty(); // a line with no designators says what it is by its value
    for (const DesignatorRange& range : line.expanded.ranges) {
        const auto of = quantityOfDesignator(range.letters);
        if (of && quantity && of != quantity)
            findings.push_back(
                {FindingKind::Designators,
                 "в одной строке разные детали: " +
                     line.expanded.ranges.front().designator(line.expanded.ranges.front().first) +
                     " и " + range.designator(range.first)});
        if (of && !quantity)
            quantity = of, passive = true;
    }
    if (line.doNotPopulate || !passive) {
        // Not fitted, or not a resistor, capacitor or inductor: listed as it is.
        if (line.doNotPopulate)
            findings.clear();
        return checked;
    }
    if (quantity == Quantity::Inductance &&
        (namesABead(line.value) || namesABead(line.description)))
        return checked; // a ferrite bead on an inductor's designator
    const ValueAnswer& answer = values.of(line, quantity);
    for (const std::string& number : answer.partNumbers)
        checked.line.makersNumbers.push_back({number, "номинал"});
    if (checked.line.partNumber.empty() && !line.makersNumbers.empty())
        checked.line.partNumber = line.makersNumbers.front().number;
    const bool ofThePart = std::ranges::any_of(
        answer.readings, [&](const MarkingReading& r) { return r.reading.quantity == quantity; });
    if (quantity && !ofThePart && !surelyPassive(line.expanded.ranges.front().letters))
        return checked; // CN2 «XT30U-M» is a connector
    if (!quantity && !answer.saysAnything)
        return checked; // no designator and no value: screws, a cable, the board itself
    checked.readings = answer.readings;
    if (answer.finding)
        findings.push_back(*answer.finding);
    if (checked.readings.empty() || answer.finding)
        return checked;
    const MarkingReading& wanted = checked.readings.front();
    checkSeries(wanted.reading, findings);
    compareSize(wanted.reading, "номинал " + quoted(line.value), line, findings);
    if (!line.partNumber.empty())
        comparePartNumbers(wanted, line, findings);
    if (stock && !inStock(wanted.reading, line, *stock))
        findings.push_back(
            {FindingKind::NotInStock, "нет среди своих номиналов: " + valueText(wanted.reading)});
    return checked;
}

// Whether a line names a part: a designator, or a value that reads.
bool namesAPart(const ListLine& line) {
    return !line.expanded.empty() || !readListValue(line.value, std::nullopt).readings.empty();
}

} // namespace

std::string_view jsonName(FindingKind kind) {
    switch (kind) {
    case FindingKind::ValueVsPartNumber:
        break;
    case FindingKind::SizeVsFootprint:
        return "size-vs-footprint";
    case FindingKind::NotInSeries:
        return "not-in-series";
    case FindingKind::UnitVsDesignator:
        return "unit-vs-designator";
    case FindingKind::Designators:
        return "designators";
    case FindingKind::Unreadable:
        return "unreadable";
    case FindingKind::NotInStock:
        return "not-in-stock";
    }
    return "value-vs-part-number";
}

std::variant<OwnStock, Unreadable> readOwnStock(std::string_view text, const std::string& name) {
    if (text.size() > networks::kLongestStockText)
        return Unreadable{name + ": список длиннее " +
                          std::to_string(networks::kLongestStockText >> 20) + " МиБ"};
    OwnStock stock;
    const auto refused = networks::forEachListed(
        text, name, [&](std::string_view entry) -> std::optional<std::string> {
            auto read = networks::readPartValue(entry);
            if (auto* reading = std::get_if<value::Reading>(&read)) {
                stock.values.push_back(std::move(*reading));
                return std::nullopt;
            }
            parts::PartAnswer part = parts::readPartNumber(entry);
            if (part.readings.empty())
                return std::get<networks::Refusal>(read).message;
            stock.partNumbers.push_back(comparable(entry));
            for (parts::PartReading& reading : part.readings)
                stock.values.push_back(std::move(reading.reading));
            return std::nullopt;
        });
    if (refused)
        return Unreadable{refused->message};
    return stock;
}

std::variant<CheckSummary, Unreadable>
checkPartsList(std::string_view bytes, const OwnStock* stock,
               const std::function<void(CheckedLine&&)>& each) {
    auto opened = PartsListReader::open(bytes);
    if (auto* unreadable = std::get_if<Unreadable>(&opened))
        return std::move(*unreadable);
    PartsListReader& reader = std::get<PartsListReader>(opened);
    ListLine line;
    bool anyPart = false;
    while (!anyPart && reader.next(line))
        anyPart = namesAPart(line);
    if (!anyPart)
        return Unreadable{"это не перечень деталей: ни одна строка не читается как деталь"};
    reader.rewind();
    CheckSummary summary;
    DesignatorsSeen seen;
    ValuesRead values;
    while (reader.next(line)) {
        CheckedLine one = checkLine(std::move(line), stock, values);
        if (auto again = seen.add(one.line.expanded, one.line.line);
            again && !one.line.doNotPopulate)
            one.findings.push_back({FindingKind::Designators, *std::move(again)});
        ++summary.lines;
        summary.withFindings += !one.findings.empty();
        summary.findings += one.findings.size();
        summary.notFitted += one.line.doNotPopulate;
        each(std::move(one));
    }
    summary.format = reader.format();
    return summary;
}

std::variant<CheckedList, Unreadable> checkPartsList(std::string_view bytes,
                                                     const OwnStock* stock) {
    CheckedList list;
    auto summary = checkPartsList(
        bytes, stock, [&list](CheckedLine&& line) { list.lines.push_back(std::move(line)); });
    if (auto* unreadable = std::get_if<Unreadable>(&summary))
        return std::move(*unreadable);
    list.format = std::move(std::get<CheckSummary>(summary).format);
    list.withFindings = std::get<CheckSummary>(summary).withFindings;
    return list;
}

} // namespace vantrel::lists
