// Aluminium electrolytic capacitors' part numbers, each family from its maker's ordering
// information. Where the number does not give the can, no can is read.
//   Panasonic EEU, EEE and ECA: Panasonic, Aluminum Electrolytic Capacitors (Radial lead
//     type), «Explanation of part numbers», both part number systems and the voltage codes;
//     TS-HA/HB Series, «Part Number System» (1K, 80 V, and 2T, 385 V); the surface-mount
//     numbers as the FK series' data sheet ABA0000C1181 lists them.
//   Nichicon: Nichicon, VR, HE, ET, RU and USP series pages, «Type numbering system»: U, the
//     series, the voltage, the capacitance, M, and the configuration, whose letters give the
//     diameter's group only.
//   Rubycon: Rubycon, miniaturized aluminum electrolytic capacitors catalogue, «Radial lead
//     type part number», and the data sheet of drawing RER-211701, 05 February 2021, «Numbering
//     System»: the voltage and the microfarads as written, and the can.
#include "core/part_numbers/families.h"

namespace vantrel::parts {
namespace {

using F = Field;
using value::Quantity;

// Panasonic aluminium electrolytics: EEU - FR 1C 102 (series, then voltage), and ECA - 1H M
// 100 (voltage, then series), the capacitance in microfarads; the taping or lead forming
// after it. A can's size is no part of the number.
constexpr Code kEeu[] = {{"EEU"}};
constexpr Code kEee[] = {{"EEE"}};
constexpr Code kEca[] = {{"ECA"}};
constexpr Code kRadialSeries[] = {{"FC"}, {"FK"}, {"FM"}, {"FR"}, {"FS"}, {"FP"}, {"EB"},
                                  {"ED"}, {"EE"}, {"TA"}, {"TP"}, {"HD"}, {"GA"}};
constexpr Code kSurfaceSeries[] = {{"FK"}, {"FC"}, {"FT"}, {"FN"}, {"FP"}};
constexpr Code kEcaSeries[] = {{"M"}, {"HG"}, {"EN"}};
constexpr Code kAluminiumVoltages[] = {{"0J", "6.3"}, {"1A", "10"},  {"1C", "16"},  {"1E", "25"},
                                       {"1V", "35"},  {"1H", "50"},  {"1J", "63"},  {"1K", "80"},
                                       {"2A", "100"}, {"2C", "160"}, {"2D", "200"}, {"2E", "250"},
                                       {"2V", "350"}, {"2T", "385"}, {"2G", "400"}, {"2W", "450"}};
// E lead forming; B and H taping at 5 or 7,5 mm and at 2,5 mm.
constexpr Code kRadialTaping[] = {{""}, {"E"}, {"B"}, {"H"}, {"L"}};
constexpr Code kSurfacePackaging[] = {{"P"}, {"XP"}, {"AP"}, {"GP"}};
template <const auto& type, const auto& series, const auto& endings>
constexpr Piece kSeriesFirst[] = {{F::Text, type},
                                  {F::Hyphen},
                                  {F::Text, series},
                                  {F::Voltage, kAluminiumVoltages},
                                  {F::Value, {}, ValueStyle::Microfarads3},
                                  {F::Text, endings}};
constexpr Piece kPanasonicEca[] = {{F::Text, kEca},
                                   {F::Hyphen},
                                   {F::Voltage, kAluminiumVoltages},
                                   {F::Text, kEcaSeries},
                                   {F::Value, {}, ValueStyle::Microfarads3},
                                   {F::Text, kRadialTaping}};
constexpr Range kAluminium{{1, 5}, {1, 11}}; // 0,1 … 100 000 мкФ

// Nichicon: U VR 1H 100 M DD; DD, ED, PD, HD, RD the configuration of a diameter's group.
constexpr Code kU[] = {{"U"}};
// The radial series the pages print; the chip types (UUD, UWT, UCD) are numbered otherwise.
constexpr Code kNichiconSeries[] = {{"VR"}, {"HE"}, {"ET"}, {"RU"}, {"SP"}, {"VZ"}, {"PW"}};
constexpr Code kTwentyPercent[] = {{"M", "20"}};
constexpr Code kNichiconConfiguration[] = {{"DD"}, {"ED"}, {"PD"}, {"HD"}, {"RD"}};
constexpr Piece kNichicon[] = {{F::Text, kU},
                               {F::Text, kNichiconSeries},
                               {F::Voltage, kAluminiumVoltages},
                               {F::Value, {}, ValueStyle::Microfarads3},
                               {F::Tolerance, kTwentyPercent},
                               {F::Text, kNichiconConfiguration}};

// Rubycon: 16 YXF 1000 M EFC 10X20: the option and the lead forming between the tolerance
// and the can, as the series page gives them.
constexpr Code kRubyconVoltages[] = {{"16", "16"},   {"6.3", "6.3"}, {"10", "10"},   {"25", "25"},
                                     {"35", "35"},   {"50", "50"},   {"63", "63"},   {"80", "80"},
                                     {"100", "100"}, {"160", "160"}, {"200", "200"}, {"250", "250"},
                                     {"350", "350"}, {"400", "400"}, {"450", "450"}};
constexpr Code kRubyconSeries[] = {{"YXF"}, {"PX"},  {"ZLJ"}, {"ZLH"},
                                   {"ZL"},  {"TZV"}, {"USC"}, {"MXH"}};
constexpr Code kRubyconOptions[] = {{"EFC"}, {""}, {"TTI"}};
constexpr Code kRubyconForming[] = {{""}, {"TA"}, {"KC"}, {"CA"}, {"T7"}};
constexpr Piece kRubycon[] = {{F::Voltage, kRubyconVoltages},
                              {F::Text, kRubyconSeries},
                              {F::Value, {}, ValueStyle::MicrofaradsPlain},
                              {F::Tolerance, kTwentyPercent},
                              {F::Text, kRubyconOptions},
                              {F::Text, kRubyconForming},
                              {F::Can}};

constexpr Family kFamilies[] = {
    // Read only: a series is not chosen by value, nor a can where the number gives none.
    {"Panasonic",
     "EEU",
     Quantity::Capacitance,
     kSeriesFirst<kEeu, kRadialSeries, kRadialTaping>,
     kAluminium,
     {},
     false,
     false},
    {"Panasonic",
     "EEE",
     Quantity::Capacitance,
     kSeriesFirst<kEee, kSurfaceSeries, kSurfacePackaging>,
     kAluminium,
     {},
     false,
     false},
    {"Panasonic", "ECA", Quantity::Capacitance, kPanasonicEca, kAluminium, {}, false, false},
    {"Nichicon", "", Quantity::Capacitance, kNichicon, kAluminium, {}, false, false},
    {"Rubycon", "", Quantity::Capacitance, kRubycon, kAluminium, {}, false, false},
};

} // namespace

std::span<const Family> electrolyticFamilies() {
    return kFamilies;
}

} // namespace vantrel::parts
