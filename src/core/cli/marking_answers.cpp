#include "core/cli/marking_answers.h"

#include "core/cli/json.h"
#include "core/codes/dielectric.h"
#include "core/codes/typed_code.h"
#include "core/marking/any_marking.h"
#include "core/marking/echo.h"
#include "core/marking/value_markings.h"
#include "core/value/series.h"

#include <algorithm>
#include <ostream>

namespace vantrel::cli {
namespace {

using marking::Character;
using marking::echoed;
using marking::echoedPart;
using marking::firstCharacter;
using marking::isControl;

using marking::MarkingReading;
using value::Decimal;
using value::Quantity;

// The tolerance as data: per cent or absolute, each side a plain decimal, and the unit of an
// absolute one.
std::string toleranceLimits(const value::Tolerance& tolerance, const value::Unit& unit) {
    bool absolute = false;
    switch (tolerance.kind) {
    case value::Tolerance::Kind::Absolute:
        absolute = true;
        break;
    case value::Tolerance::Kind::Percent:
    case value::Tolerance::Kind::Asymmetric:
        break;
    }
    const int shift = absolute ? -unit.smallest : 0;
    return Object()
        .add("kind", jsonName(absolute ? "absolute" : "percent"))
        .add("plus", jsonString(plain(tolerance.above, shift)))
        .add("minus", jsonString(plain(tolerance.below, shift)))
        .add("unit", absolute ? jsonName(unit.symbol) : "null")
        .close();
}

std::string markingJson(const marking::Marking& way) {
    return Object()
        .add("form", jsonName(marking::jsonName(way.form)))
        .add("marking", jsonString(marking::markingText(way)))
        .addOrNull("own_band", marking::ownBand(way), [](int band) { return std::to_string(band); })
        .add("maker", way.maker.empty() ? "null" : jsonString(way.maker))
        .add("family", way.family.empty() ? "null" : jsonString(way.family))
        .close();
}

// A dielectric's class, temperature range and, by its class, its change of capacitance or its
// temperature coefficient.
std::string dielectricJson(const codes::Dielectric& dielectric) {
    const bool second = dielectric.ceramicClass == 2;
    const auto decimal = [](Decimal d) { return jsonString(plain(d)); };
    return Object()
        .add("code", jsonString(dielectric.code))
        .add("class", std::to_string(dielectric.ceramicClass))
        .add("coldest_celsius", std::to_string(dielectric.coldest))
        .add("hottest_celsius", std::to_string(dielectric.hottest))
        .add("change_limits",
             second ? toleranceLimits(dielectric.change, value::unitOf(Quantity::Capacitance))
                    : "null")
        .add("tempco_ppm", second ? "null" : decimal(dielectric.tempco))
        .add("tempco_tolerance_ppm", second ? "null" : decimal(dielectric.tempcoTolerance))
        .close();
}

} // namespace

std::string readingJson(const MarkingReading& found) {
    const value::Reading& reading = found.reading;
    const value::Unit unit = value::unitOf(reading.quantity);
    std::string markings = "[";
    for (const marking::Marking& way : marking::markingsOf(found))
        markings.append(markings.size() > 1 ? ", " : "").append(markingJson(way));
    const auto text = [&](const value::Tolerance& t) {
        return jsonString(value::toleranceText(reading.quantity, t));
    };
    const auto decimal = [](Decimal d) { return jsonString(plain(d)); };
    return Object()
        .add("component", jsonName(componentOf(reading.quantity)))
        .add("form", jsonName(marking::jsonName(found.form)))
        .add("table", found.table.empty() ? "null" : jsonString(found.table))
        .add("value", found.valued ? jsonString(plain(reading.value, -unit.smallest)) : "null")
        .add("unit", jsonName(unit.symbol))
        .addOrNull("tolerance", reading.tolerance, text)
        .addOrNull("tolerance_limits", reading.tolerance,
                   [&](const value::Tolerance& t) { return toleranceLimits(t, unit); })
        .addOrNull("voltage", reading.voltage, decimal)
        .addOrNull("power", reading.power, decimal)
        .addOrNull("tempco", reading.temperatureCoefficient,
                   [](Decimal ppm) { return jsonString(value::temperatureCoefficientText(ppm)); })
        .addOrNull("tempco_ppm", reading.temperatureCoefficient, decimal)
        .addOrNull("series", found.valued ? value::firstSeriesHolding(reading.value) : std::nullopt,
                   [](value::Series s) { return jsonName(value::nameOf(s)); })
        .addOrNull("dielectric", found.dielectric, dielectricJson)
        .add("note", marking::formNote(found.form).empty()
                         ? "null"
                         : jsonString(marking::formNote(found.form)))
        .add("reversed", found.reversed ? "true" : "false")
        .add("text", jsonString(marking::valueText(found)))
        .add("markings", markings.append("]"))
        .addOrNull("package", reading.package,
                   [](const value::ChipSize& size) {
                       return Object()
                           .add("inch", jsonString(size.inch))
                           .add("metric", jsonString(size.metric))
                           .close();
                   })
        .addOrNull("current", reading.current, decimal)
        .addOrNull("temperature", reading.temperature, [](int t) { return std::to_string(t); })
        .addOrNull("case", reading.moulded, [](std::string_view eia) { return jsonString(eia); })
        .addOrNull("can", reading.can,
                   [&](const value::CanSize& can) {
                       return Object()
                           .add("diameter", decimal(can.diameter))
                           .add("length", decimal(can.length))
                           .add("text", jsonString(value::canText(can)))
                           .close();
                   })
        .add("maker", found.maker.empty() ? "null" : jsonString(found.maker))
        .add("family", found.family.empty() ? "null" : jsonString(found.family))
        .close();
}

std::string jsonString(std::string_view text) {
    constexpr char kHex[] = "0123456789abcdef";
    std::string json = "\"";
    while (!text.empty()) {
        const Character c = firstCharacter(text);
        if (c.length == 0) {
            json += "\uFFFD";
            text.remove_prefix(1);
            continue;
        }
        if (c.code == '"' || c.code == '\\') {
            json += '\\';
            json += static_cast<char>(c.code);
        } else if (isControl(c.code) || c.code == 0x2028 || c.code == 0x2029) {
            json += "\\u";
            for (const int shift : {12, 8, 4, 0})
                json += kHex[(c.code >> shift) & 0xF];
        } else {
            json += text.substr(0, c.length);
        }
        text.remove_prefix(c.length);
    }
    return json + "\"";
}

void MarkingAnswers::answer(std::string_view marking, bool cutShort) {
    const marking::MarkingAnswer read =
        cutShort ? marking::MarkingAnswer{} : marking::readMarking(marking);
    const std::vector<MarkingReading>& readings = read.readings;
    everyMarkingRead_ = everyMarkingRead_ && !readings.empty();
    buffer_.clear();
    if (format_ == Json) {
        const auto [part, goesOn] = echoedPart(marking);
        std::string input(part);
        if (goesOn || cutShort)
            input.append("…");
        buffer_ += "{\"input\": " + jsonString(input) + ", \"readings\": [";
        for (const MarkingReading& found : readings)
            buffer_.append(&found == &readings.front() ? "" : ", ").append(readingJson(found));
        buffer_.append("], \"reason\": ")
            .append(read.reason.empty() ? "null" : jsonString(read.reason))
            .append("}\n");
    } else {
        buffer_.append(echoed(marking, cutShort)).append("\n");
        for (const MarkingReading& found : readings) {
            buffer_.append("  ").append(marking::readingLine(found)).append("\n");
            for (const marking::Marking& way : marking::markingsOf(found))
                buffer_.append("    ")
                    .append(marking::markingTitle(way))
                    .append(": ")
                    .append(marking::markingText(way))
                    .append("\n");
        }
    }
    out_->write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    if (readings.empty() && format_ == Text)
        *err_ << "vantrel: «" << echoed(marking, cutShort) << "»: нет прочтения"
              << (read.reason.empty() ? "" : ": ") << read.reason << "\n";
}

void MarkingAnswers::answerLine(std::string_view line, bool cutShort) {
    if (!cutShort && line.ends_with('\r'))
        line.remove_suffix(1);
    line = codes::trimmed(line);
    if (!line.empty() || cutShort)
        answer(line, cutShort);
}

} // namespace vantrel::cli
