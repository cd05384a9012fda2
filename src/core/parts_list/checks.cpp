#include "core/parts_list/checks.h"

#include "core/codes/typed_code.h"
#include "core/marking/echo.h"
#include "core/networks/stock.h"
#include "core/networks/typed_values.h"
#include "core/part_numbers/part_numbers.h"
#include "core/value/series.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>

namespace vantrel::lists {
namespace {

using marking::MarkingReading;
using marking::quoted;
using value::Decimal;
using value::Quantity;

bool digits(std::string_view text) {
    return !text.empty() && std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
}

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

// What a line's value says, as the line's part is: its readings, or why it says nothing sure.
struct ValueAnswer {
    std::vector<MarkingReading> readings;
    std::optional<Finding> finding;
};

// The value's first word rewritten where a list means it otherwise than a marking: on a
// resistor's line a bare number is ohms and "m" is milli ("470" is 470 Ом, "2m2" 2,2 мОм);
// on a capacitor's or an inductor's a whole number is picofarads or microhenries.
std::string meant(std::string_view word, Quantity quantity) {
    if (quantity == Quantity::Resistance) {
        if (const auto ohms = value::readNumber(word))
            return value::spell(*ohms) + " Ом";
        if (const std::size_t m = word.find('m'); m != std::string_view::npos && m > 0)
            if (const auto ohms = value::aroundPoint(word, m, 1, value::kMilli))
                return value::spell(*ohms) + " Ом";
        return std::string(word);
    }
    if (!digits(word))
        return std::string(word);
    return std::string(word) + (quantity == Quantity::Capacitance ? " пФ" : " мкГн");
}

ValueAnswer readValue(std::string_view text, std::optional<Quantity> quantity) {
    text = codes::trimmed(text);
    if (text.empty())
        return {{}, Finding{FindingKind::Unreadable, "номинала нет"}};
    std::string line(text);
    if (quantity) {
        const std::size_t end = std::min(text.find_first_of(" \t"), text.size());
        const std::string_view word = text.substr(0, end);
        // A whole number on a capacitor's or an inductor's line, where a code says otherwise.
        const std::string plain = meant(word, *quantity);
        const std::vector<MarkingReading> asWritten =
            *quantity != Quantity::Resistance && digits(word) ? marking::readSingleMarking(plain)
                                                              : std::vector<MarkingReading>{};
        if (!asWritten.empty())
            for (const MarkingReading& code : marking::readSingleMarking(word))
                if (code.reading.quantity == *quantity &&
                    code.reading.value != asWritten.front().reading.value)
                    return {{},
                            Finding{FindingKind::Unreadable,
                                    "номинал " + quoted(word) + ": кодом это " +
                                        valueText(code.reading) + ", а как написано — " +
                                        valueText(asWritten.front().reading) +
                                        "; нужна единица: " + plain}};
        line = plain + std::string(text.substr(end));
    }
    marking::MarkingAnswer answer = marking::readMarking(line);
    std::erase_if(answer.readings, [](const MarkingReading& r) { return !r.valued; });
    if (answer.readings.empty())
        return {{},
                Finding{FindingKind::Unreadable,
                        "номинал " + quoted(text) + " не читается" +
                            (answer.reason.empty() ? "" : ": " + answer.reason)}};
    std::vector<MarkingReading> kept = answer.readings;
    if (quantity)
        std::erase_if(kept,
                      [&](const MarkingReading& r) { return r.reading.quantity != *quantity; });
    if (kept.empty()) {
        const value::Reading& other = answer.readings.front().reading;
        return {answer.readings,
                Finding{FindingKind::UnitVsDesignator,
                        "номинал " + quoted(text) + ": " + valueText(other) + " — это " +
                            std::string(networks::measureOf(other.quantity)) + ", а деталь — " +
                            std::string(partName(*quantity))}};
    }
    // Two readings of different values: no way to tell which is meant.
    std::string ways;
    for (const MarkingReading& r : kept)
        if (r.reading.quantity != kept.front().reading.quantity ||
            r.reading.value != kept.front().reading.value)
            ways.append(", ")
                .append(marking::componentName(r.reading.quantity))
                .append(" ")
                .append(valueText(r.reading));
    if (!ways.empty())
        return {{},
                Finding{FindingKind::Unreadable,
                        "номинал " + quoted(text) + " читается по-разному: " +
                            std::string(marking::componentName(kept.front().reading.quantity)) +
                            " " + valueText(kept.front().reading) + ways +
                            "; нужна единица или позиционное обозначение"}};
    return {kept, std::nullopt};
}

} // namespace

FootprintSize sizeOf(std::string_view footprint) {
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
        if (i + 1 < words.size() && digits(word) && word.size() == 4 && digits(words[i + 1]))
            if (const auto eia =
                    value::tantalumCaseOf(std::string(word) + "-" + std::string(words[i + 1])))
                return {std::nullopt, eia};
        if (word.size() == 10 && word.ends_with("Metric"))
            if (const auto metric = value::chipSizeOfMetric(word.substr(0, 4)))
                return {metric, std::nullopt};
        const std::string_view tail = word.size() >= 4 ? word.substr(word.size() - 4) : word;
        if (!size.chip && word.size() <= 6 && digits(tail) &&
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
    if (!chipDiffers && !caseDiffers)
        return;
    const std::string footprintSize = footprint.chip ? std::string(footprint.chip->inch)
                                                     : "корпус " + std::string(*footprint.moulded);
    findings.push_back({FindingKind::SizeVsFootprint,
                        std::string(whose) + ": " + sizeText(stated) + ", а посадочное место " +
                            quoted(line.footprint) + " — " + footprintSize});
}

// What the part number orders against what the value says: another part or value, a wider
// tolerance, a lower voltage, another dielectric.
void comparePartNumber(const MarkingReading& wanted, const ListLine& line,
                       std::vector<Finding>& findings) {
    const parts::PartAnswer answer = parts::readPartNumber(line.partNumber);
    if (answer.readings.empty())
        return; // a distributor's number, or a family Vantrel does not know
    const parts::PartReading& ordered = answer.readings.front();
    const value::Reading& is = ordered.reading;
    const value::Reading& want = wanted.reading;
    const std::string whose = "номер детали " + line.partNumber;
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

void checkSeries(const value::Reading& reading, std::vector<Finding>& findings) {
    if (reading.value == Decimal{} || value::firstSeriesHolding(reading.value))
        return;
    findings.push_back({FindingKind::NotInSeries,
                        "номинала " + valueText(reading) + " нет ни в одном ряду: ближайшие E96 " +
                            value::quantityText(reading.quantity, nearestIn(96, reading.value)) +
                            ", E24 " +
                            value::quantityText(reading.quantity, nearestIn(24, reading.value))});
}

bool inStock(const value::Reading& reading, const ListLine& line, const OwnStock& stock) {
    if (!line.partNumber.empty() &&
        std::ranges::find(stock.partNumbers, comparable(line.partNumber)) !=
            stock.partNumbers.end())
        return true;
    return std::ranges::any_of(stock.values, [&](const value::Reading& own) {
        return own.quantity == reading.quantity && own.value == reading.value;
    });
}

// The line's own findings; the designators listed twice are found over the whole list.
CheckedLine checkLine(ListLine listed, const OwnStock* stock) {
    CheckedLine checked{std::move(listed), {}, {}};
    const ListLine& line = checked.line;
    std::vector<Finding>& findings = checked.findings;
    if (!line.expanded.problem.empty())
        findings.push_back({FindingKind::Designators, line.expanded.problem});
    const std::vector<std::string>& each = line.expanded.each;
    if (!line.quantity.empty() && !each.empty()) {
        int count = 0;
        const auto [end, error] = std::from_chars(
            line.quantity.data(), line.quantity.data() + line.quantity.size(), count);
        if (error != std::errc{} || end != line.quantity.data() + line.quantity.size() ||
            count != static_cast<int>(each.size()))
            findings.push_back({FindingKind::Designators, "количество " + quoted(line.quantity) +
                                                              ", а обозначений " +
                                                              std::to_string(each.size())});
    }
    std::optional<Quantity> quantity;
    bool passive = each.empty(); // a line with no designators says what it is by its value
    for (const std::string& designator : each) {
        const auto of = quantityOfDesignator(designator);
        if (of && quantity && of != quantity)
            findings.push_back({FindingKind::Designators, "в одной строке разные детали: " +
                                                              each.front() + " и " + designator});
        if (of && !quantity)
            quantity = of, passive = true;
    }
    if (line.doNotPopulate || !passive) {
        // Not fitted, or not a resistor, capacitor or inductor: listed as it is.
        if (line.doNotPopulate)
            findings.clear();
        return checked;
    }
    ValueAnswer answer = readValue(line.value, quantity);
    checked.readings = std::move(answer.readings);
    if (answer.finding)
        findings.push_back(std::move(*answer.finding));
    if (checked.readings.empty() || answer.finding)
        return checked;
    const MarkingReading& wanted = checked.readings.front();
    checkSeries(wanted.reading, findings);
    compareSize(wanted.reading, "номинал " + quoted(line.value), line, findings);
    if (!line.partNumber.empty())
        comparePartNumber(wanted, line, findings);
    if (stock && !inStock(wanted.reading, line, *stock))
        findings.push_back(
            {FindingKind::NotInStock, "нет среди своих номиналов: " + valueText(wanted.reading)});
    return checked;
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

std::variant<CheckedList, Unreadable> checkPartsList(std::string_view bytes,
                                                     const OwnStock* stock) {
    auto read = readPartsList(bytes);
    if (auto* unreadable = std::get_if<Unreadable>(&read))
        return std::move(*unreadable);
    PartsList& list = std::get<PartsList>(read);
    CheckedList checked{std::move(list.format), {}, 0};
    checked.lines.reserve(list.lines.size());
    std::map<std::string, std::size_t, std::less<>> firstLine; // each designator's
    bool anyPart = false;
    for (ListLine& listed : list.lines) {
        CheckedLine one = checkLine(std::move(listed), stock);
        const ListLine& line = one.line;
        for (const std::string& designator : line.expanded.each) {
            const auto [at, first] = firstLine.emplace(designator, line.line);
            if (!first && !line.doNotPopulate)
                one.findings.push_back({FindingKind::Designators, designator + " уже в строке " +
                                                                      std::to_string(at->second)});
        }
        anyPart = anyPart || !line.expanded.each.empty() || !one.readings.empty();
        checked.withFindings += !one.findings.empty();
        checked.lines.push_back(std::move(one));
    }
    if (!anyPart)
        return Unreadable{"это не перечень деталей: ни одна строка не читается как деталь"};
    return checked;
}

} // namespace vantrel::lists
