#include "core/marking/value_markings.h"

#include "core/bands/band_reading.h"
#include "core/bands/band_tables.h"
#include "core/bands/recipes.h"
#include "core/codes/eia198_code.h"
#include "core/codes/inductor_code.h"
#include "core/codes/letter_code.h"
#include "core/codes/printed_capacitor_code.h"
#include "core/codes/smd_code.h"
#include "core/codes/tantalum_code.h"
#include "core/marking/form_names.h"
#include "core/marking/power_marking.h"
#include "core/part_numbers/part_numbers.h"

#include <optional>

namespace vantrel::marking {
namespace {

using value::Quantity;
using value::Reading;

constexpr FormNames namesOf(MarkingForm form) {
    switch (form) {
    case MarkingForm::Bands4:
        return {"bands-4", "4 полосы"};
    case MarkingForm::Bands5:
        return {"bands-5", "5 полос"};
    case MarkingForm::Smd3:
        return {"smd-3", "SMD, 3 цифры"};
    case MarkingForm::Smd4:
        return {"smd-4", "SMD, 4 цифры"};
    case MarkingForm::SmdR:
        return {"smd-r", "SMD с R"};
    case MarkingForm::Eia96:
        return {"eia-96", "EIA-96"};
    case MarkingForm::LetterCode:
        return {"letter-code", "Буквенный код"};
    case MarkingForm::Code3:
        return {"code-3", "Трёхзначный код"};
    case MarkingForm::UnitPoint:
        return {"unit-point", "Буква вместо запятой"};
    case MarkingForm::SingleBand:
        return {"single-band", "Одна полоса"};
    case MarkingForm::Power:
        return {"power", "Мощный резистор"};
    case MarkingForm::Eia198:
        return {"eia-198", "SMD-конденсатор, EIA-198"};
    case MarkingForm::Tantalum:
        return {"tantalum", "Тантал, код и напряжение"};
    case MarkingForm::PartNumber:
        return {"part-number", "Так заказывают"};
    }
    return {};
}

class Markings {
public:
    explicit Markings(const Reading& reading)
        : reading_(reading) {}

    void add(MarkingForm form, std::optional<std::string> text) {
        if (text)
            list_.push_back({form, *std::move(text), {}});
    }
    // One black band, for a jumper: nothing of it is left to the part.
    void addSingleBand() {
        if (reading_.value.significand == 0)
            list_.push_back(
                {MarkingForm::SingleBand, std::string(bands::kColourNames[0]), {0}, true});
    }
    void addBands(MarkingForm form, const bands::WindowRecipe& recipe) {
        std::optional<bands::BandMarking> marking = bands::bandsFor(recipe, reading_);
        if (!marking)
            return;
        std::string text;
        for (const int colour : marking->colours)
            text.append(text.empty() ? "" : " ")
                .append(bands::kColourNames[static_cast<std::size_t>(colour)]);
        list_.push_back(
            {form, std::move(text), std::move(marking->colours), marking->toleranceBand});
    }
    std::vector<Marking> list() && { return std::move(list_); }

private:
    const Reading& reading_;
    std::vector<Marking> list_;
};

bool onePercentOrBetter(const std::optional<value::Tolerance>& tolerance) {
    return tolerance->kind == value::Tolerance::Kind::Percent &&
           value::toDouble(tolerance->above) <= 1.0; // tolerances are a few digits: exact enough
}

// A chip carries less than a leaded part, and the smallest nothing: no bands; a resistor three
// digits, or at ±1 % what its size has room for, three digits again for a value EIA-96 has
// not; a capacitor the EIA-198 or the tantalum code; an inductor its code.
std::vector<Marking> chipMarkingsOf(const Reading& reading, const value::ChipSize& size) {
    using enum MarkingForm;
    const value::Decimal value = reading.value;
    Markings markings(reading);
    if (size.code == value::ChipCode::None)
        return {};
    switch (reading.quantity) {
    case Quantity::Resistance: {
        const bool precise = reading.tolerance && onePercentOrBetter(reading.tolerance);
        const bool eia96 = size.code == value::ChipCode::Eia96ForOnePercent &&
                           (!reading.tolerance || precise) && codes::eia96Code(value);
        const bool fourDigits = size.code == value::ChipCode::FourDigitsForOnePercent &&
                                (!reading.tolerance || precise);
        const bool threeDigits = !precise || (!eia96 && !fourDigits);
        if (threeDigits)
            markings.add(Smd3, codes::smdDigitCode(value, 3));
        if (fourDigits)
            markings.add(Smd4, codes::smdDigitCode(value, 4));
        if (threeDigits)
            markings.add(SmdR, codes::smdPointCode(value, 3));
        if (fourDigits)
            markings.add(SmdR, codes::smdPointCode(value, 4));
        if (eia96)
            markings.add(Eia96, codes::eia96Code(value));
        break;
    }
    case Quantity::Capacitance:
        markings.add(Eia198, codes::eia198CodeFor(value));
        markings.add(Tantalum, codes::tantalumCodeFor(reading));
        break;
    case Quantity::Inductance: {
        codes::InductorCodes codes = codes::inductorCodesFor(value);
        markings.add(Code3, std::move(codes.digits));
        markings.add(UnitPoint, std::move(codes.nanohenryPoint));
        break;
    }
    }
    return std::move(markings).list();
}

// What is printed on a part of the reading's value and size.
std::vector<Marking> printedMarkingsOf(const Reading& reading) {
    using enum MarkingForm;
    if (reading.package)
        return chipMarkingsOf(reading, *reading.package);
    const value::Decimal value = reading.value;
    Markings markings(reading);
    switch (reading.quantity) {
    case Quantity::Resistance:
        markings.addBands(Bands4, bands::kResistor4Recipe);
        markings.addBands(Bands5, bands::kResistor5Recipe);
        markings.add(Smd3, codes::smdDigitCode(value, 3));
        markings.add(Smd4, codes::smdDigitCode(value, 4));
        markings.add(SmdR, codes::smdPointCode(value, 3));
        markings.add(SmdR, codes::smdPointCode(value, 4));
        markings.add(Eia96, codes::eia96Code(value));
        markings.add(LetterCode, codes::letterCodeFor(value));
        markings.addSingleBand();
        markings.add(Power, powerMarkingFor(reading));
        break;
    case Quantity::Capacitance:
        markings.add(Code3, codes::capacitorCode(value));
        for (std::string& code : codes::capacitorPointCodes(value))
            markings.add(UnitPoint, std::move(code));
        markings.add(Eia198, codes::eia198CodeFor(value));
        markings.add(Tantalum, codes::tantalumCodeFor(reading));
        break;
    case Quantity::Inductance: {
        markings.addBands(Bands4, bands::kInductor4Recipe);
        codes::InductorCodes codes = codes::inductorCodesFor(value);
        markings.add(Code3, std::move(codes.digits));
        markings.add(UnitPoint, std::move(codes.nanohenryPoint));
        break;
    }
    }
    return std::move(markings).list();
}

// The part numbers of the reading after what is printed.
std::vector<Marking> withPartNumbers(std::vector<Marking> markings, const Reading& reading,
                                     const std::optional<codes::Dielectric>& dielectric) {
    for (parts::PartNumber& number : parts::partNumbersOf(reading, dielectric))
        markings.push_back({MarkingForm::PartNumber,
                            std::move(number.text),
                            {},
                            false,
                            number.family->maker,
                            number.family->name});
    return markings;
}

} // namespace

std::vector<Marking> markingsOf(const Reading& reading) {
    return withPartNumbers(printedMarkingsOf(reading), reading, std::nullopt);
}

std::vector<Marking> markingsOf(const MarkingReading& found) {
    if (!found.valued)
        return {};
    std::vector<Marking> markings = printedMarkingsOf(found.reading);
    if (found.dielectric) // a ceramic is no tantalum
        std::erase_if(markings, [](const Marking& m) { return m.form == MarkingForm::Tantalum; });
    return withPartNumbers(std::move(markings), found.reading, found.dielectric);
}

std::optional<int> ownBand(const Marking& marking) {
    if (marking.colours.empty() || marking.toleranceBand)
        return std::nullopt;
    return static_cast<int>(marking.colours.size()) + 1;
}

std::string markingText(const Marking& marking) {
    std::string text = marking.text;
    if (ownBand(marking))
        text.append(" + полоса допуска детали");
    return text;
}

std::string_view jsonName(MarkingForm form) {
    return namesOf(form).json;
}

std::string_view formTitle(MarkingForm form) {
    return namesOf(form).title;
}

std::string markingTitle(const Marking& marking) {
    std::string title(formTitle(marking.form));
    if (!marking.maker.empty())
        title.append(", ").append(marking.maker);
    if (!marking.family.empty())
        title.append(" ").append(marking.family);
    return title;
}

} // namespace vantrel::marking
