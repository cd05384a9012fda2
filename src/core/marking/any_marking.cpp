#include "core/marking/any_marking.h"

#include "core/bands/band_reading.h"
#include "core/bands/recipes.h"
#include "core/codes/dielectric.h"
#include "core/codes/eia198_code.h"
#include "core/codes/inductor_code.h"
#include "core/codes/letter_code.h"
#include "core/codes/printed_capacitor_code.h"
#include "core/codes/smd_code.h"
#include "core/codes/tantalum_code.h"
#include "core/codes/typed_code.h"
#include "core/marking/colour_words.h"
#include "core/marking/form_names.h"
#include "core/marking/part_line.h"
#include "core/marking/power_marking.h"
#include "core/marking/semiconductors.h"
#include "core/marking/value_text.h"
#include "core/part_numbers/part_numbers.h"

#include <algorithm>

namespace vantrel::marking {
namespace {

using value::Quantity;
using value::Reading;

constexpr FormNames namesOf(Form form) {
    switch (form) {
    case Form::Bands:
        return {"bands", "цветные полосы"};
    case Form::Smd:
        return {"smd", "SMD-код"};
    case Form::Eia96:
        return {"eia-96", "SMD-код EIA-96"};
    case Form::Eia96OtherMakers:
        return {"eia-96-other-makers", "EIA-96 с буквами R, S, H"};
    case Form::LetterCode:
        return {"letter-code", "буквенный код"};
    case Form::Code:
        return {"code", "код"};
    case Form::Value:
        return {"value", "номинал с единицей"};
    case Form::ZeroOhmBand:
        return {"zero-ohm-band", "одна чёрная полоса, перемычка"};
    case Form::PowerResistor:
        return {"power-resistor", "маркировка мощного резистора"};
    case Form::Tantalum:
        return {"tantalum", "код тантала", "полоса у вывода +, у алюминиевого — у −"};
    case Form::Eia198:
        return {"eia-198", "SMD-код EIA-198"};
    case Form::Dielectric:
        return {"dielectric", "диэлектрик"};
    case Form::PartNumber:
        return {"part-number", "номер детали"};
    }
    return {};
}

// A capacitor's printed code with its rated kilovolts after a space or a slash, as high-voltage
// discs carry it: "104 1.6kV", "472K/2KV". The printed code itself counts its volts in V.
std::vector<codes::CodeReading> codeWithKilovolts(std::string_view text) {
    const value::RatingSpelling* unit = value::endingSpelling(text, value::kVoltSpellings);
    const std::size_t apart = text.find_last_of(" /");
    if (!unit || unit->exponent != value::kKilo || apart == std::string_view::npos)
        return {};
    const std::optional<value::Decimal> kilovolts =
        value::readNumber(text.substr(apart + 1, text.size() - apart - 1 - unit->typed.size()));
    if (!kilovolts || kilovolts->significand == 0)
        return {};
    std::vector<codes::CodeReading> readings =
        codes::capacitorMarkings(codes::trimmed(text.substr(0, apart)));
    if (readings.size() != 1 || readings.front().reading.voltage) // one voltage to a marking
        return {};
    readings.front().reading.voltage =
        value::Decimal{kilovolts->significand, kilovolts->exponent + value::kKilo};
    return readings;
}

class Readings {
public:
    explicit Readings(std::string_view text)
        : colours_(readColourWords(text))
        , value_(readValueWithUnit(text)) {}

    void add(Form form, const std::optional<Reading>& reading, bool reversed = false,
             std::string_view table = {}) {
        if (!reading)
            return;
        const auto same = [&](const MarkingReading& r) {
            return r.valued && r.reading == *reading;
        };
        if (reversed || std::ranges::none_of(list_, same))
            list_.push_back({form, *reading, reversed, std::string(table)});
    }
    // A marking that names what the part is without a value.
    void addWithoutValue(MarkingReading found) {
        found.valued = false;
        list_.push_back(std::move(found));
    }
    // A zero-ohm jumper carries one black band (IEC 60062).
    void addZeroOhmBand() {
        if (colours_ && *colours_ == std::vector<int>{kBlack})
            add(Form::ZeroOhmBand, Reading(Quantity::Resistance));
    }
    // A power resistor's marking; its rating alone has no value.
    void addPowerMarking(std::string_view text) {
        const std::optional<PowerMarking> power = readPowerMarking(text);
        if (power && power->value) {
            add(Form::PowerResistor, power->value);
        } else if (power) {
            Reading rating(Quantity::Resistance);
            rating.power = power->watts;
            addWithoutValue({Form::PowerResistor, rating});
        }
    }
    void addBands(const bands::WindowRecipe& recipe) {
        if (!colours_)
            return;
        const bands::BandReadings readings = bands::readBands(recipe, *colours_);
        add(Form::Bands, readings.forward);
        add(Form::Bands, readings.otherEnd, true);
    }
    void addValueOf(Quantity quantity) {
        if (value_ && value_->quantity == quantity)
            add(Form::Value, value_);
    }
    std::vector<MarkingReading> list() && { return std::move(list_); }

private:
    static constexpr int kBlack = 0; // its place in the colour list
    std::optional<std::vector<int>> colours_;
    std::optional<Reading> value_;
    std::vector<MarkingReading> list_;
};

} // namespace

std::vector<MarkingReading> readSingleMarking(std::string_view typed) {
    const std::string_view text = codes::trimmed(typed);
    if (text.empty() || text.size() > kLongestMarking)
        return {};
    Readings readings(text);
    codes::SmdReadings smd = codes::smdReadings(text);
    readings.add(Form::Smd, smd.digits);
    readings.add(Form::Eia96, smd.eia96);
    readings.add(Form::Eia96OtherMakers, smd.eia96OtherMakers);
    readings.add(Form::LetterCode, codes::readLetterCode(text));
    for (const auto* recipe : {&bands::kResistor3Recipe, &bands::kResistor4Recipe,
                               &bands::kResistor5Recipe, &bands::kResistor6Recipe})
        readings.addBands(*recipe);
    readings.addZeroOhmBand();
    readings.addPowerMarking(text);
    readings.addValueOf(Quantity::Resistance);
    for (const codes::CodeReading& code : codes::capacitorMarkings(text))
        readings.add(Form::Code, code.reading, false, code.table);
    for (const codes::CodeReading& code : codeWithKilovolts(text))
        readings.add(Form::Code, code.reading, false, code.table);
    readings.add(Form::Tantalum, codes::readTantalumCode(text));
    for (const codes::Eia198Reading& code : codes::readEia198Code(text))
        readings.add(Form::Eia198, Reading(Quantity::Capacitance, code.picofarads), false,
                     code.tables);
    if (std::optional<codes::Dielectric> dielectric = codes::readDielectric(text))
        readings.addWithoutValue(
            {Form::Dielectric, Reading(Quantity::Capacitance), false, {}, false, dielectric});
    readings.addValueOf(Quantity::Capacitance);
    readings.addBands(bands::kInductor3Recipe);
    readings.addBands(bands::kInductor4Recipe);
    readings.add(Form::Code, codes::inductorCode(text));
    readings.addValueOf(Quantity::Inductance);
    return std::move(readings).list();
}

MarkingAnswer readMarking(std::string_view typed) {
    const std::string_view text = codes::trimmed(typed);
    if (text.empty() || text.size() > kLongestMarking)
        return {};
    if (std::optional<std::string> designation = semiconductorDesignation(text))
        return {{}, *std::move(designation)};
    if (std::vector<MarkingReading> readings = readSingleMarking(text); !readings.empty())
        return {std::move(readings), {}};
    parts::PartAnswer part = parts::readPartNumber(text);
    if (!part.readings.empty()) {
        std::vector<MarkingReading> readings;
        for (const parts::PartReading& found : part.readings)
            readings.push_back({Form::PartNumber,
                                found.reading,
                                false,
                                {},
                                true,
                                found.dielectric,
                                found.family->maker,
                                found.family->name});
        return {std::move(readings), {}};
    }
    MarkingAnswer line = readPartLine(text);
    if (line.readings.empty() && !part.reason.empty() && text.find(' ') == std::string_view::npos)
        return {{}, std::move(part.reason)};
    return line;
}

std::vector<MarkingReading> readAnyMarking(std::string_view text) {
    return readMarking(text).readings;
}

std::string_view componentName(Quantity quantity) {
    switch (quantity) {
    case Quantity::Capacitance:
        return "Конденсатор";
    case Quantity::Inductance:
        return "Катушка индуктивности";
    case Quantity::Resistance:
        break;
    }
    return "Резистор";
}

std::string formName(const MarkingReading& reading) {
    std::string name(namesOf(reading.form).title);
    if (!reading.maker.empty())
        name.append(" ").append(reading.maker);
    if (!reading.family.empty())
        name.append(" ").append(reading.family);
    return reading.reversed ? name.append(" с другого конца") : name;
}

std::string_view jsonName(Form form) {
    return namesOf(form).json;
}

std::string formWithTable(const MarkingReading& found) {
    std::string name = formName(found);
    return found.table.empty() ? name : name.append(", ").append(found.table);
}

std::string valueText(const MarkingReading& found) {
    if (found.dielectric && !found.valued)
        return codes::dielectricLine(*found.dielectric);
    if (found.dielectric) // a capacitor's value with its dielectric, from a whole line
        return value::valueLine(found.reading).append(", ").append(found.dielectric->code);
    if (!found.valued)
        return value::spell(found.reading.power.value_or(value::Decimal{})).append(" Вт");
    return value::valueLine(found.reading);
}

std::string_view formNote(Form form) {
    return namesOf(form).note;
}

std::string readingLine(const MarkingReading& found) {
    const Reading& reading = found.reading;
    std::string line(componentName(reading.quantity));
    line.append(", ").append(formWithTable(found)).append(": ").append(valueText(found));
    if (const std::string series = value::seriesLine(reading.quantity, reading.value);
        found.valued && !series.empty())
        line.append("; ").append(series);
    if (const std::string_view note = formNote(found.form); !note.empty())
        line.append("; ").append(note);
    return line;
}

} // namespace vantrel::marking
