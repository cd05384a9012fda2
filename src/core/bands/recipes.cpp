#include "core/bands/recipes.h"

namespace vantrel::bands {
namespace {

constexpr std::string_view kCheckFirst = "Проверь первую полосу!";
constexpr std::string_view kCheckThird = "Проверь третью полосу!";
constexpr std::string_view kCheckFourth = "Проверь четвёртую полосу!";
constexpr std::string_view kCheckFifth = "Проверь пятую полосу!";
constexpr std::string_view kCheckSixth = "Проверь шестую полосу!";

// Band 2 is a plain digit and never rejects a colour, so it has no check message.
constexpr BandRecipe kFirstDigit{&kLeadingDigitTable, kCheckFirst, Role::Digit};
constexpr BandRecipe kSecondDigit{&kDigitTable, {}, Role::Digit};
constexpr BandRecipe kThirdDigit{&kDigitTable, {}, Role::Digit};
constexpr BandRecipe kMultiplier3{&kResistorMultiplierTable, kCheckThird, Role::Multiplier};
constexpr BandRecipe kMultiplier4{&kResistorMultiplierTable, kCheckFourth, Role::Multiplier};

constexpr BandRecipe kResistor3Bands[] = {kFirstDigit, kSecondDigit, kMultiplier3};
constexpr Piece kResistor3Line[] = {{"R="}, fragmentOf(0), fragmentOf(1), fragmentOf(2), {" Om"}};

constexpr BandRecipe kResistor4Bands[] = {
    kFirstDigit,
    kSecondDigit,
    kMultiplier3,
    {&kResistorToleranceTable, kCheckFourth, Role::Tolerance}};
constexpr Piece kResistor4Line[] = {{"R="},  fragmentOf(0), fragmentOf(1), fragmentOf(2),
                                    {" Om"}, {"+/-"},       fragmentOf(3)};

constexpr BandRecipe kResistor5Bands[] = {kFirstDigit,
                                          kSecondDigit,
                                          kThirdDigit,
                                          kMultiplier4,
                                          {&kFiveBandToleranceTable, kCheckFifth, Role::Tolerance}};
constexpr Piece kResistor5Line[] = {{"R="},        fragmentOf(0), fragmentOf(1), fragmentOf(2),
                                    fragmentOf(3), {" Om"},       {"+/-"},       fragmentOf(4)};

constexpr BandRecipe kResistor6Bands[] = {
    kFirstDigit,
    kSecondDigit,
    kThirdDigit,
    kMultiplier4,
    {&kResistorToleranceTable, kCheckFifth, Role::Tolerance},
    {&kTemperatureCoefficientTable, kCheckSixth, Role::TemperatureCoefficient}};
constexpr Piece kResistor6Line[] = {
    {"R="},        fragmentOf(0), fragmentOf(1), fragmentOf(2), fragmentOf(3), {" Om"},   {" +/-"},
    fragmentOf(4), {";"},         {" ТКС="},     {" +/-"},      fragmentOf(5), {"ppm/`C"}};

constexpr BandRecipe kInductor3Bands[] = {
    kFirstDigit, kSecondDigit, {&kInductorMultiplierTable3, kCheckThird, Role::Multiplier}};
constexpr Piece kInductor3Line[] = {{"L="}, fragmentOf(0), fragmentOf(1),
                                    {"*"},  fragmentOf(2), {" мкГн"}};

constexpr BandRecipe kInductor4Bands[] = {
    kFirstDigit,
    kSecondDigit,
    {&kInductorMultiplierTable4, kCheckThird, Role::Multiplier},
    {&kInductorToleranceTable, kCheckFourth, Role::Tolerance}};
constexpr Piece kInductor4Line[] = {{"L="},    fragmentOf(0), fragmentOf(1), fragmentOf(2),
                                    {" мкГн"}, {" +/-"},      fragmentOf(3)};

// Resistor bands count in ohms, inductor bands in microhenries.
constexpr auto kOhms = value::Quantity::Resistance;
constexpr auto kHenries = value::Quantity::Inductance;
constexpr int kMicrohenries = value::inSmallestUnit(kHenries, value::kMicro);
// A resistor marked without a tolerance band is a ±20 % part.
constexpr auto kNoToleranceBand = value::Tolerance::percent({20});

} // namespace

constinit const WindowRecipe kResistor3Recipe{kResistor3Bands, kResistor3Line, kOhms, 0,
                                              kNoToleranceBand};
constinit const WindowRecipe kResistor4Recipe{kResistor4Bands, kResistor4Line, kOhms};
constinit const WindowRecipe kResistor5Recipe{kResistor5Bands, kResistor5Line, kOhms};
constinit const WindowRecipe kResistor6Recipe{kResistor6Bands, kResistor6Line, kOhms};
constinit const WindowRecipe kInductor3Recipe{kInductor3Bands, kInductor3Line, kHenries,
                                              kMicrohenries};
constinit const WindowRecipe kInductor4Recipe{kInductor4Bands, kInductor4Line, kHenries,
                                              kMicrohenries};

} // namespace vantrel::bands
