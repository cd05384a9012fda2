#include "core/value/readout.h"

#include "core/value/series.h"

#include <algorithm>
#include <span>
#include <string_view>

namespace vantrel::value {
namespace {

// The step of the unit ladder whose number for this value lies in [1, 1000); values below
// the smallest unit stay in it, values above the largest too.
int unitStep(Quantity quantity, Decimal value) {
    const auto steps = static_cast<int>(unitsOf(quantity).size());
    if (value.significand == 0)
        return 0;
    const int leading = value.leadingExponent();
    return std::clamp(leading >= 0 ? leading / 3 : 0, 0, steps - 1);
}

std::string inStep(Quantity quantity, Decimal value, int step) {
    return spell(value, 3 * step) + " " +
           std::string(unitsOf(quantity)[static_cast<std::size_t>(step)]);
}

} // namespace

std::string quantityText(Quantity quantity, Decimal value) {
    return inStep(quantity, value, unitStep(quantity, value));
}

// Texts are appended to a named string: GCC 12 warns falsely about a literal + a temporary.
std::string toleranceText(Quantity quantity, const Tolerance& tolerance) {
    std::string text = tolerance.kind == Tolerance::Kind::Asymmetric ? "+" : "±";
    switch (tolerance.kind) {
    case Tolerance::Kind::Absolute:
        return text.append(quantityText(quantity, tolerance.above));
    case Tolerance::Kind::Asymmetric:
        return text.append(spell(tolerance.above))
            .append("/-")
            .append(spell(tolerance.below))
            .append(" %");
    case Tolerance::Kind::Percent:
        break;
    }
    return text.append(spell(tolerance.above)).append(" %");
}

std::string temperatureCoefficientText(Decimal ppm) {
    return std::string("±").append(spell(ppm)).append(" ppm/°C");
}

std::string voltageText(Decimal volts) {
    return volts.leadingExponent() >= 3 ? spell(volts, 3).append(" кВ") : spell(volts).append(" В");
}

std::string packageText(const ChipSize& size, bool metric) {
    const std::string inch(size.inch);
    const std::string millimetres = std::string(size.metric).append(" мм");
    return metric ? millimetres + " (" + inch + ")" : inch + " (" + millimetres + ")";
}

std::string valueLine(const Reading& reading) {
    std::string line = quantityText(reading.quantity, reading.value);
    if (reading.tolerance)
        line.append(" ").append(toleranceText(reading.quantity, *reading.tolerance));
    if (reading.temperatureCoefficient)
        line.append(", ТКС ").append(temperatureCoefficientText(*reading.temperatureCoefficient));
    if (reading.voltage)
        line.append(", ").append(voltageText(*reading.voltage));
    if (reading.power)
        line.append(", ").append(spell(*reading.power)).append(" Вт");
    if (reading.current)
        line.append(", ").append(reading.current->leadingExponent() < 0
                                     ? spell(*reading.current, kMilli).append(" мА")
                                     : spell(*reading.current).append(" А"));
    if (reading.temperature)
        line.append(", ").append(std::to_string(*reading.temperature)).append(" °C");
    if (reading.package)
        line.append(", ").append(packageText(*reading.package, reading.packageInMetric));
    if (reading.moulded)
        line.append(", корпус ").append(*reading.moulded);
    if (reading.can)
        line.append(", ").append(canText(*reading.can));
    return line;
}

std::string canText(const CanSize& can) {
    return spell(can.diameter).append("×").append(spell(can.length)).append(" мм");
}

std::string seriesLine(Quantity quantity, Decimal value) {
    if (value.significand == 0)
        return {};
    if (const auto series = firstSeriesHolding(value))
        return "Ряд " + std::string(nameOf(*series));
    const Neighbours near = nearestStandardValues(value);
    const int step = unitStep(quantity, value);
    return "Нет в рядах E6–E192, ближайшие: " + inStep(quantity, near.lower, step) + " и " +
           inStep(quantity, near.higher, step);
}

std::string inEveryUnit(Quantity quantity, Decimal value) {
    std::string text;
    const auto steps = static_cast<int>(unitsOf(quantity).size());
    for (int step = 0; step < steps; ++step)
        if (value.significand != 0 && value.leadingExponent() >= 3 * step - 3)
            text += (text.empty() ? "= " : " = ") + inStep(quantity, value, step);
    return text;
}

std::string readout(const Reading& reading, const std::optional<Reading>& otherEnd) {
    std::string text = valueLine(reading);
    if (const std::string series = seriesLine(reading.quantity, reading.value); !series.empty())
        text += "\n" + series;
    if (otherEnd)
        text += "\nС другого конца: " + valueLine(*otherEnd);
    return text;
}

std::string readoutInEveryUnit(const Reading& reading) {
    return readout(reading) + "\n" + inEveryUnit(reading.quantity, reading.value);
}

} // namespace vantrel::value
