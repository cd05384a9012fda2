#include "core/cli/marking_answers.h"

#include "core/codes/typed_code.h"
#include "core/marking/any_marking.h"
#include "core/marking/value_markings.h"
#include "core/value/series.h"

#include <algorithm>
#include <ostream>

namespace vantrel::cli {
namespace {

using marking::MarkingReading;
using value::Decimal;
using value::Quantity;

std::string_view componentOf(Quantity quantity) {
    switch (quantity) {
    case Quantity::Resistance:
        return "resistor";
    case Quantity::Capacitance:
        return "capacitor";
    case Quantity::Inductance:
        return "inductor";
    }
    return {};
}

// "4700", "0.0000001", "6.3": no exponent, no trailing zeros, a point.
std::string plain(Decimal value, int shift = 0) {
    std::string text = value::spell(value, shift);
    std::ranges::replace(text, ',', '.');
    return text;
}

template <typename T, typename Write>
std::string orNull(const std::optional<T>& value, Write write) {
    return value ? jsonString(write(*value)) : "null";
}

void appendJson(std::string& line, const MarkingReading& found) {
    const value::Reading& reading = found.reading;
    const value::Unit unit = value::unitOf(reading.quantity);
    const auto series = value::firstSeriesHolding(reading.value);
    line += "{\"component\": \"" + std::string(componentOf(reading.quantity)) + "\", \"form\": \"" +
            std::string(marking::jsonName(found.form)) +
            "\", \"value\": " + jsonString(plain(reading.value, -unit.smallest)) +
            ", \"unit\": \"" + std::string(unit.symbol) + "\", \"tolerance\": " +
            orNull(reading.tolerance,
                   [&](const value::Tolerance& t) {
                       return value::toleranceText(reading.quantity, t);
                   }) +
            ", \"voltage\": " + orNull(reading.voltage, [](Decimal v) { return plain(v); }) +
            ", \"tempco\": " +
            orNull(reading.temperatureCoefficient, value::temperatureCoefficientText) +
            ", \"series\": " +
            orNull(series, [](value::Series s) { return std::string(value::nameOf(s)); }) +
            ", \"reversed\": " + (found.reversed ? "true" : "false") +
            ", \"text\": " + jsonString(value::valueLine(reading)) + ", \"markings\": [";
    std::string_view separator;
    for (const marking::Marking& way : marking::markingsOf(reading)) {
        line.append(separator).append("{\"form\": \"").append(marking::jsonName(way.form));
        line.append("\", \"marking\": ").append(jsonString(way.text)).append("}");
        separator = ", ";
    }
    line += "]}";
}

// The length of the UTF-8 sequence the text starts with, or 0 when it starts with none.
std::size_t utf8Length(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = lead < 0x80                    ? 1
                         : lead >= 0xC2 && lead <= 0xDF ? 2
                         : lead >= 0xE0 && lead <= 0xEF ? 3
                         : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                        : 0;
    if (length == 0 || length > text.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i)
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
    // No overlong three- or four-byte forms, no surrogates, nothing above U+10FFFF.
    if ((lead == 0xE0 && byte(1) < 0xA0) || (lead == 0xED && byte(1) > 0x9F) ||
        (lead == 0xF0 && byte(1) < 0x90) || (lead == 0xF4 && byte(1) > 0x8F))
        return 0;
    return length;
}

// The text for a terminal: control characters, which could move the cursor or clear the
// screen, written as "?".
std::string printable(std::string_view text) {
    std::string shown(text);
    std::ranges::replace_if(
        shown, [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }, '?');
    return shown;
}

} // namespace

std::string jsonString(std::string_view text) {
    constexpr char kHex[] = "0123456789abcdef";
    std::string json = "\"";
    while (!text.empty()) {
        const auto c = static_cast<unsigned char>(text.front());
        const std::size_t length = utf8Length(text);
        if (length == 0) {
            json += "\uFFFD";
            text.remove_prefix(1);
            continue;
        }
        if (c == '"' || c == '\\') {
            json += '\\';
            json += static_cast<char>(c);
        } else if (c < 0x20 || c == 0x7F) {
            json += "\\u00";
            json += kHex[c >> 4];
            json += kHex[c & 0xF];
        } else {
            json += text.substr(0, length);
        }
        text.remove_prefix(length);
    }
    return json + "\"";
}

void MarkingAnswers::answer(std::string_view marking) {
    const std::vector<MarkingReading> readings = marking::readAnyMarking(marking);
    everyMarkingRead_ = everyMarkingRead_ && !readings.empty();
    buffer_.clear();
    if (format_ == Json) {
        buffer_ += "{\"input\": " + jsonString(marking) + ", \"readings\": [";
        for (const MarkingReading& found : readings) {
            if (&found != &readings.front())
                buffer_ += ", ";
            appendJson(buffer_, found);
        }
        buffer_ += "]}\n";
    } else {
        buffer_.append(printable(marking)).append("\n");
        for (const MarkingReading& found : readings) {
            buffer_.append("  ").append(marking::readingLine(found)).append("\n");
            for (const marking::Marking& way : marking::markingsOf(found.reading))
                buffer_.append("    ")
                    .append(marking::formTitle(way.form))
                    .append(": ")
                    .append(way.text)
                    .append("\n");
        }
    }
    out_->write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    if (readings.empty() && format_ == Text)
        *err_ << "vantrel: «" << printable(marking) << "»: нет прочтения\n";
}

void MarkingAnswers::answerLine(std::string_view line) {
    if (line.ends_with('\r'))
        line.remove_suffix(1);
    line = codes::trimmed(line);
    if (!line.empty())
        answer(line);
}

} // namespace vantrel::cli
