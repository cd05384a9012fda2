#include "core/codes/printed_capacitor_code.h"

#include "core/codes/typed_code.h"

#include <algorithm>
#include <span>

namespace vantrel::codes {
namespace {

using value::Decimal;
using value::Quantity;

// Small p, n and µ are read as the ASCII p, n and u; a no-break space is a space.
constexpr Lookalike kLookalikes[] = {
    {"А", "A"}, {"В", "B"}, {"С", "C"},  {"Е", "E"}, {"Н", "H"}, {"К", "K"},     {"М", "M"},
    {"п", "p"}, {"н", "n"}, {"мк", "u"}, {"µ", "u"}, {"μ", "u"}, {"\u00A0", " "}};

// A letter code and what it stands for in the line.
struct Mark {
    std::string_view code;
    std::string_view text;
};

// The rated voltage codes of EIA part numbers, a digit and a capital.
constexpr Mark kVoltages[] = {{"0G", "4 В"},   {"0J", "6,3 В"}, {"1A", "10 В"},  {"1C", "16 В"},
                              {"1E", "25 В"},  {"1V", "35 В"},  {"1H", "50 В"},  {"1J", "63 В"},
                              {"2A", "100 В"}, {"2C", "160 В"}, {"2D", "200 В"}, {"2E", "250 В"},
                              {"2V", "350 В"}, {"2G", "400 В"}, {"2W", "450 В"}, {"2J", "630 В"}};

// The IEC 60062 tolerance letters.
constexpr Mark kTolerances[] = {{"B", "±0,1 пФ"}, {"C", "±0,25 пФ"}, {"D", "±0,5 пФ"},
                                {"F", "±1 %"},    {"G", "±2 %"},     {"J", "±5 %"},
                                {"K", "±10 %"},   {"M", "±20 %"},    {"Z", "+80/-20 %"}};

const Mark* find(std::span<const Mark> marks, std::string_view code) {
    const auto found = std::find_if(marks.begin(), marks.end(),
                                    [code](const Mark& mark) { return mark.code == code; });
    return found == marks.end() ? nullptr : &*found;
}

// The power of ten a last digit multiplies by: 0 to 6 as written, 8 and 9 for 0,01 and 0,1.
std::optional<int> multiplierExponent(char digit) {
    if (digit >= '0' && digit <= '6')
        return digit - '0';
    if (digit == '8' || digit == '9')
        return digit - '0' - 10;
    return std::nullopt;
}

// The value in picofarads: one or two digits as they are; three or four digits whose last is
// the multiplier; or up to four digits around one p, n or u standing for the point and the
// unit. fromDigits refuses an empty or non-digit part.
std::optional<Decimal> picofarads(std::string_view code) {
    constexpr std::string_view kPoints = "pnu"; // 10^0, 10^3 and 10^6 pF
    const std::size_t point = code.find_first_of(kPoints);
    if (point != std::string_view::npos) {
        const std::string digits =
            std::string(code.substr(0, point)) + std::string(code.substr(point + 1));
        if (digits.size() > 4)
            return std::nullopt;
        const auto fraction = static_cast<int>(code.size() - point - 1);
        return value::fromDigits(digits,
                                 3 * static_cast<int>(kPoints.find(code[point])) - fraction);
    }
    if (code.size() <= 2)
        return value::fromDigits(code);
    const std::optional<int> exponent = multiplierExponent(code.back());
    if (code.size() > 4 || !exponent)
        return std::nullopt;
    return value::fromDigits(code.substr(0, code.size() - 1), *exponent);
}

struct Marking {
    Decimal value; // in pF
    const Mark* tolerance = nullptr;
    const Mark* voltage = nullptr;
};

// Left to right: a voltage code where more follows it, the value, a tolerance letter at the
// end. A value below 0,001 pF, "p0007" or zero, is no capacitor's: the readout has no unit
// to give it in.
std::optional<Marking> read(std::string_view code) {
    Marking marking;
    if (code.size() > 2 && (marking.voltage = find(kVoltages, code.substr(0, 2))))
        code.remove_prefix(2);
    if (!code.empty() && (marking.tolerance = find(kTolerances, code.substr(code.size() - 1))))
        code.remove_suffix(1);
    const std::optional<Decimal> value = picofarads(code);
    if (!value || value->significand == 0 || value->leadingExponent() < -3)
        return std::nullopt;
    marking.value = *value;
    return marking;
}

} // namespace

PressResult readPrintedCapacitorCode(std::string_view typed) {
    std::optional<std::string> code = readLookalikes(typed, kLookalikes);
    if (code)
        std::erase(*code, ' ');
    const std::optional<Marking> marking = code ? read(*code) : std::nullopt;
    if (!marking)
        return finish({kCheckCode}, {});
    std::string first = value::quantityText(Quantity::Capacitance, marking->value);
    if (marking->tolerance)
        first += " " + std::string(marking->tolerance->text);
    if (marking->voltage)
        first += ", " + std::string(marking->voltage->text);
    return {{},
            "C=" + first,
            first + "\n" + value::seriesLine(Quantity::Capacitance, marking->value) + "\n" +
                value::inEveryUnit(Quantity::Capacitance, marking->value)};
}

} // namespace vantrel::codes
