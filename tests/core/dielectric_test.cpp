// Ceramic dielectric codes checked against encodings of their own: class 1 codes against the
// IEC names of the same temperature coefficients (N750 is U2J) and the multiplier digit's
// rule; class 2 codes against the datasheet lines of well-known dielectrics, which between
// them use every letter and digit.
#include "core/codes/dielectric.h"

#include <gtest/gtest.h>
#include <string>

using vantrel::codes::dielectricLine;
using vantrel::codes::readDielectric;

namespace {

// "N750": the coefficient in ppm/°C, N below zero and P above, NP0 for none.
std::string iecCoefficient(std::string_view name) {
    if (name == "NP0")
        return "0";
    return std::string(name.front() == 'N' ? "-" : "").append(name.substr(1));
}

} // namespace

// Class 1: the coefficient of each code named by IEC 60384-8 and makers' datasheets; every
// figure letter with the multiplier digits 0 to 9, by the rule 0 to 4 is -10^d and 5 to 9 is
// +10^(d-5).
TEST(Dielectric, ClassOneCoefficientsAreTheirIecNames) {
    const struct {
        std::string_view eia, iec, tolerance;
    } named[] = {{"C0G", "NP0", "30"},     {"M7G", "P100", "30"},   {"P2H", "N150", "60"},
                 {"R2H", "N220", "60"},    {"S2H", "N330", "60"},   {"T2H", "N470", "60"},
                 {"U2J", "N750", "120"},   {"P3K", "N1500", "250"}, {"R3L", "N2200", "500"},
                 {"S3M", "N3300", "1000"}, {"T3N", "N4700", "2500"}};
    for (const auto& code : named)
        EXPECT_EQ(dielectricLine(*readDielectric(code.eia)),
                  std::string(code.eia) + ", класс 1: от -55 до +125 °C, ТКЕ " +
                      iecCoefficient(code.iec) + " ±" + std::string(code.tolerance) + " ppm/°C")
            << code.eia;

    // The figure letters, as EIA-198 lists them, with every multiplier digit.
    const struct {
        char letter;
        int tenths;
    } figures[] = {{'C', 0},  {'B', 3},  {'L', 8},  {'A', 9},  {'M', 10}, {'P', 15},
                   {'R', 22}, {'S', 33}, {'T', 47}, {'V', 56}, {'U', 75}};
    for (const auto& figure : figures)
        for (int digit = 0; digit <= 9; ++digit) {
            const std::string code{figure.letter, static_cast<char>('0' + digit), 'J'};
            const auto read = readDielectric(code);
            ASSERT_TRUE(read.has_value()) << code;
            const int sign = digit < 5 ? -1 : 1;
            EXPECT_EQ(read->tempco, (vantrel::value::Decimal{sign * figure.tenths, digit % 5 - 1}))
                << code;
        }
}

// Class 2: well-known dielectrics as datasheets describe them.
TEST(Dielectric, ClassTwoCodesAreTheirDatasheetLines) {
    const struct {
        std::string_view code, line;
    } cases[] = {
        {"X7R", "от -55 до +125 °C, изменение ёмкости ±15 %"},
        {"X5R", "от -55 до +85 °C, изменение ёмкости ±15 %"},
        {"X6S", "от -55 до +105 °C, изменение ёмкости ±22 %"},
        {"X7S", "от -55 до +125 °C, изменение ёмкости ±22 %"},
        {"X7T", "от -55 до +125 °C, изменение ёмкости +22/-33 %"},
        {"X8R", "от -55 до +150 °C, изменение ёмкости ±15 %"},
        {"X9U", "от -55 до +200 °C, изменение ёмкости +22/-56 %"},
        {"Y5V", "от -30 до +85 °C, изменение ёмкости +22/-82 %"},
        {"Y4T", "от -30 до +65 °C, изменение ёмкости +22/-33 %"},
        {"Z5U", "от +10 до +85 °C, изменение ёмкости +22/-56 %"},
        {"Z2P", "от +10 до +45 °C, изменение ёмкости ±10 %"},
        {"X7A", "от -55 до +125 °C, изменение ёмкости ±1 %"},
        {"X7B", "от -55 до +125 °C, изменение ёмкости ±1,5 %"},
        {"X7C", "от -55 до +125 °C, изменение ёмкости ±2,2 %"},
        {"X7D", "от -55 до +125 °C, изменение ёмкости ±3,3 %"},
        {"X7E", "от -55 до +125 °C, изменение ёмкости ±4,7 %"},
        {"X7F", "от -55 до +125 °C, изменение ёмкости ±7,5 %"},
    };
    for (const auto& c : cases) {
        const auto read = readDielectric(c.code);
        ASSERT_TRUE(read.has_value()) << c.code;
        EXPECT_EQ(dielectricLine(*read), std::string(c.code) + ", класс 2: " + std::string(c.line));
    }
}

// Aliases, case and look-alikes; and the codes that are none.
TEST(Dielectric, TypingAndWhatIsNoDielectric) {
    const auto codeOf = [](std::string_view typed) {
        const auto read = readDielectric(typed);
        return read ? read->code : "no dielectric";
    };
    for (const std::string_view c0g : {"C0G", "c0g", "NP0", "NPO", "np0", "COG", " С0G "})
        EXPECT_EQ(codeOf(c0g), "C0G") << c0g;
    EXPECT_EQ(codeOf("х7r"), "X7R"); // a Cyrillic х
    for (const std::string_view none :
         {"", "X7", "X7RR", "X3R", "X1R", "W7R", "X7G", "C0Z", "D0G", "CXG", "X7Ж", "NP1"})
        EXPECT_EQ(readDielectric(none), std::nullopt) << none;
}
