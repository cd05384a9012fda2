#include "core/marking/any_marking.h"

#include "core/bands/band_reading.h"
#include "core/bands/recipes.h"
#include "core/codes/inductor_code.h"
#include "core/codes/letter_code.h"
#include "core/codes/printed_capacitor_code.h"
#include "core/codes/smd_code.h"
#include "core/codes/typed_code.h"
#include "core/marking/colour_words.h"
#include "core/marking/form_names.h"
#include "core/marking/value_text.h"

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
    }
    return {};
}

class Readings {
public:
    explicit Readings(std::string_view text)
        : colours_(readColourWords(text))
        , value_(readValueWithUnit(text)) {}

    void add(Form form, const std::optional<Reading>& reading, bool reversed = false) {
        if (!reading)
            return;
        const MarkingReading found{form, *reading, reversed};
        if (reversed || std::ranges::find(list_, *reading, &MarkingReading::reading) == list_.end())
            list_.push_back(found);
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
    std::optional<std::vector<int>> colours_;
    std::optional<Reading> value_;
    std::vector<MarkingReading> list_;
};

} // namespace

std::vector<MarkingReading> readAnyMarking(std::string_view typed) {
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
    readings.addValueOf(Quantity::Resistance);
    readings.add(Form::Code, codes::capacitorMarking(text));
    readings.addValueOf(Quantity::Capacitance);
    readings.addBands(bands::kInductor3Recipe);
    readings.addBands(bands::kInductor4Recipe);
    readings.add(Form::Code, codes::inductorCode(text));
    readings.addValueOf(Quantity::Inductance);
    return std::move(readings).list();
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
    return reading.reversed ? name.append(" с другого конца") : name;
}

std::string_view jsonName(Form form) {
    return namesOf(form).json;
}

std::string readingLine(const MarkingReading& found) {
    const Reading& reading = found.reading;
    std::string line(componentName(reading.quantity));
    line.append(", ").append(formName(found)).append(": ").append(value::valueLine(reading));
    if (const std::string series = value::seriesLine(reading.quantity, reading.value);
        !series.empty())
        line.append("; ").append(series);
    return line;
}

} // namespace vantrel::marking
