#include "bands/recipes.h"

namespace vantrel::bands {
namespace {

constexpr std::string_view kCheckFirst = "Проверь первую полосу!";
constexpr std::string_view kCheckThird = "Проверь третью полосу!";
constexpr std::string_view kCheckFourth = "Проверь четвёртую полосу!";
constexpr std::string_view kCheckFifth = "Проверь пятую полосу!";
constexpr std::string_view kCheckSixth = "Проверь шестую полосу!";

// Band 2 is a plain digit and never rejects a colour, so it has no check message.
constexpr BandRecipe kFirstDigit{&kLeadingDigitTable, kCheckFirst};
constexpr BandRecipe kSecondDigit{&kDigitTable, {}};
constexpr BandRecipe kThirdDigit{&kDigitTable, {}};

constexpr BandRecipe kResistor3Bands[] = {
    kFirstDigit, kSecondDigit, {&kResistorMultiplierTable, kCheckThird}};
constexpr Piece kResistor3Line[] = {{"R="}, fragmentOf(1), fragmentOf(2), fragmentOf(3), {" Om"}};

constexpr BandRecipe kResistor4Bands[] = {kFirstDigit,
                                          kSecondDigit,
                                          {&kResistorMultiplierTable, kCheckThird},
                                          {&kResistorToleranceTable, kCheckFourth}};
constexpr Piece kResistor4Line[] = {{"R="},  fragmentOf(1), fragmentOf(2), fragmentOf(3),
                                    {" Om"}, {"+/-"},       fragmentOf(4)};

constexpr BandRecipe kResistor5Bands[] = {kFirstDigit,
                                          kSecondDigit,
                                          kThirdDigit,
                                          {&kResistorMultiplierTable, kCheckFourth},
                                          {&kFiveBandToleranceTable, kCheckFifth}};
constexpr Piece kResistor5Line[] = {{"R="},        fragmentOf(1), fragmentOf(2), fragmentOf(3),
                                    fragmentOf(4), {" Om"},       {"+/-"},       fragmentOf(5)};

constexpr BandRecipe kResistor6Bands[] = {kFirstDigit,
                                          kSecondDigit,
                                          kThirdDigit,
                                          {&kResistorMultiplierTable, kCheckFourth},
                                          {&kResistorToleranceTable, kCheckFifth},
                                          {&kTemperatureCoefficientTable, kCheckSixth}};
constexpr Piece kResistor6Line[] = {
    {"R="},        fragmentOf(1), fragmentOf(2), fragmentOf(3), fragmentOf(4), {" Om"},   {" +/-"},
    fragmentOf(5), {";"},         {" ТКС="},     {" +/-"},      fragmentOf(6), {"ppm/`C"}};

constexpr BandRecipe kInductor3Bands[] = {
    kFirstDigit, kSecondDigit, {&kInductorMultiplierTable3, kCheckThird}};
constexpr Piece kInductor3Line[] = {{"L="}, fragmentOf(1), fragmentOf(2),
                                    {"*"},  fragmentOf(3), {" мкГн"}};

constexpr BandRecipe kInductor4Bands[] = {kFirstDigit,
                                          kSecondDigit,
                                          {&kInductorMultiplierTable4, kCheckThird},
                                          {&kInductorToleranceTable, kCheckFourth}};
constexpr Piece kInductor4Line[] = {{"L="},    fragmentOf(1), fragmentOf(2), fragmentOf(3),
                                    {" мкГн"}, {" +/-"},      fragmentOf(4)};

} // namespace

constinit const WindowRecipe kResistor3Recipe{kResistor3Bands, kResistor3Line};
constinit const WindowRecipe kResistor4Recipe{kResistor4Bands, kResistor4Line};
constinit const WindowRecipe kResistor5Recipe{kResistor5Bands, kResistor5Line};
constinit const WindowRecipe kResistor6Recipe{kResistor6Bands, kResistor6Line};
constinit const WindowRecipe kInductor3Recipe{kInductor3Bands, kInductor3Line};
constinit const WindowRecipe kInductor4Recipe{kInductor4Bands, kInductor4Line};

} // namespace vantrel::bands
