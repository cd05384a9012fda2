#include "core/bands/band_tables.h"

namespace vantrel::bands {
namespace {

constexpr Effect kLeadingDigit[] = {kReject, "1", "2", "3", "4", "5", "6", "7", "8", "9"};
constexpr Effect kDigit[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};

// Ten to the n as n zeros, with a "." before the third, sixth and ninth zero from the right.
// Black is x1: it stores the empty fragment and still counts as a given band.
constexpr Effect kResistorMultiplier[] = {
    "",         "0",         "00",         ".000",         "0.000", "00.000",
    ".000.000", "0.000.000", "00.000.000", ".000.000.000", "*0,01", "*0,1"};

constexpr Effect kResistorTolerance[] = {kReject, "1%",   "2%",    kReject, kReject, "0.5%",
                                         "0.25%", "0.1%", "0.05%", kReject, "10%",   "5%"};
constexpr Effect kFiveBandTolerance[] = {kReject, "1%",   "2%",    "Error", "Error", "0.5%",
                                         "0.25%", "0.1%", "0.05%", kReject, "10%",   "5%"};

constexpr Effect kTemperatureCoefficient[] = {kReject, "100", "50", "15",    "25",
                                              kReject, "10",  "5",  kReject, "1"};

// Silver and gold in the 3-band window write the same factors as the 4-band window.
constexpr Effect kInductorMultiplier3[] = {"1",     "10",    "100",   "1000",  kReject, kReject,
                                           kReject, kReject, kReject, kReject, "0,01",  "0,1"};
constexpr Effect kInductorMultiplier4[] = {"*1",    "*10",   "*100",  "*1000", kReject, kReject,
                                           kReject, kReject, kReject, kReject, "*0,01", "*0,1"};

// Green's own message text is the program's text as it has always read.
constexpr Effect kGreenTolerance = Effect::reject("Проверь чсетвёртую полосу!");
constexpr Effect kInductorTolerance[] = {"20%",   kReject,         kReject, kReject,
                                         kReject, kGreenTolerance, kReject, kReject,
                                         kReject, kReject,         "10%",   "5%"};

template <std::size_t N> constexpr BandTable table(const Effect (&effects)[N]) {
    static_assert(N == 10 || N == 12, "a band table covers the colour list or the extended one");
    return {N == 10 ? kColourList : kExtendedColourList, effects};
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
