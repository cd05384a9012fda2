#include "core/bands/band_tables.h"

#include <array>

namespace vantrel::bands {
namespace {

constexpr Effect kLeadingDigit[] = {kReject,    {"1", {1}}, {"2", {2}}, {"3", {3}}, {"4", {4}},
                                    {"5", {5}}, {"6", {6}}, {"7", {7}}, {"8", {8}}, {"9", {9}}};
constexpr Effect kDigit[] = {{"0", {0}}, {"1", {1}}, {"2", {2}}, {"3", {3}}, {"4", {4}},
                             {"5", {5}}, {"6", {6}}, {"7", {7}}, {"8", {8}}, {"9", {9}}};

// Factors are 1 × 10^n. Ten to the n is written as n zeros, with a "." before the third,
// sixth and ninth zero from the right. Black is ×1: it stores the empty fragment and still
// counts as a given band.
constexpr Effect kResistorMultiplier[] = {{"", {1, 0}},           {"0", {1, 1}},
                                          {"00", {1, 2}},         {".000", {1, 3}},
                                          {"0.000", {1, 4}},      {"00.000", {1, 5}},
                                          {".000.000", {1, 6}},   {"0.000.000", {1, 7}},
                                          {"00.000.000", {1, 8}}, {".000.000.000", {1, 9}},
                                          {"*0,01", {1, -2}},     {"*0,1", {1, -1}}};

constexpr Effect kResistorTolerance[] = {kReject,
                                         {"1%", {1}},
                                         {"2%", {2}},
                                         kReject,
                                         kReject,
                                         {"0.5%", {5, -1}},
                                         {"0.25%", {25, -2}},
                                         {"0.1%", {1, -1}},
                                         {"0.05%", {5, -2}},
                                         kReject,
                                         {"10%", {10}},
                                         {"5%", {5}}};
// The 5-band window's tolerance band: orange and yellow store "Error", which names no
// tolerance, where the other resistor windows refuse them.
constexpr std::array<Effect, 12> fiveBandTolerance() {
    auto effects = std::to_array(kResistorTolerance);
    effects[3] = effects[4] = Effect::withoutNumber("Error");
    return effects;
}
constexpr auto kFiveBandTolerance = fiveBandTolerance();

// In ppm/°C.
constexpr Effect kTemperatureCoefficient[] = {
    kReject, {"100", {100}}, {"50", {50}}, {"15", {15}}, {"25", {25}},
    kReject, {"10", {10}},   {"5", {5}},   kReject,      {"1", {1}}};

// Silver and gold in the 3-band window write the same factors as the 4-band window.
constexpr Effect kInductorMultiplier3[] = {{"1", {1, 0}},    {"10", {1, 1}},    {"100", {1, 2}},
                                           {"1000", {1, 3}}, kReject,           kReject,
                                           kReject,          kReject,           kReject,
                                           kReject,          {"0,01", {1, -2}}, {"0,1", {1, -1}}};
constexpr Effect kInductorMultiplier4[] = {{"*1", {1, 0}},
                                           {"*10", {1, 1}},
                                           {"*100", {1, 2}},
                                           {"*1000", {1, 3}},
                                           kReject,
                                           kReject,
                                           kReject,
                                           kReject,
                                           kReject,
                                           kReject,
                                           {"*0,01", {1, -2}},
                                           {"*0,1", {1, -1}}};

// Green's own message text is the program's text as it has always read.
constexpr Effect kGreenTolerance = Effect::reject("Проверь чсетвёртую полосу!");
constexpr Effect kInductorTolerance[] = {{"20%", {20}},   kReject,    kReject, kReject, kReject,
                                         kGreenTolerance, kReject,    kReject, kReject, kReject,
                                         {"10%", {10}},   {"5%", {5}}};

template <std::size_t N> constexpr BandTable table(const Effect (&effects)[N]) {
    static_assert(N == 10 || N == 12, "a band table covers the colour list or the extended one");
    return {N == 10 ? kColourList : kExtendedColourList, effects};
}
constexpr BandTable table(const std::array<Effect, 12>& effects) {
    return {kExtendedColourList, effects};
}

} // namespace

constinit const BandTable kLeadingDigitTable = table(kLeadingDigit);
constinit const BandTable kDigitTable = table(kDigit);
constinit const BandTable kResistorMultiplierTable = table(kResistorMultiplier);
constinit const BandTable kResistorToleranceTable = table(kResistorTolerance);
constinit const BandTable kFiveBandToleranceTable = table(kFiveBandTolerance);
constinit const BandTable kTemperatureCoefficientTable = table(kTemperatureCoefficient);
constinit const BandTable kInductorMultiplierTable3 = table(kInductorMultiplier3);
constinit const BandTable kInductorMultiplierTable4 = table(kInductorMultiplier4);
constinit const BandTable kInductorToleranceTable = table(kInductorTolerance);

} // namespace vantrel::bands
