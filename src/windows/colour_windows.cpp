#include "windows/colour_windows.h"

#include "core/bands/recipes.h"

#include <algorithm>
#include <array>

namespace vantrel::bands {
namespace {

using namespace ui;

constexpr const char* kColours = ":/pictures/colours.jpg";
constexpr FontSpec kSansSerif13{"MS Sans Serif", 13};
constexpr FontSpec kHeading{"MS Sans Serif", 13, true};
constexpr FontSpec kResult{"Courier New", 16, true};
constexpr unsigned kResultBox = ui::Aqua | ui::ReadOnly;

template <std::size_t... N> constexpr auto join(const std::array<Control, N>&... parts) {
    std::array<Control, (N + ...)> rows{};
    auto out = rows.begin();
    ((out = std::copy(parts.begin(), parts.end(), out)), ...);
    return rows;
}

// clang-format off

// The 3-band resistor window is the smallest, with its own smaller type, all of it black.
constexpr FontSpec kSmallHeading{"MS Sans Serif", 12, true};
constexpr std::array<Control, 10> kForm2{{
    {Kind::Label,    "Label1",       15,   0,  30,  13, "Цвет",       kSmallHeading, -1, 0, 0, Colour::Black},
    {Kind::Label,    "Label2",       73,   0,  65,  13, "1-я полоса", kSmallHeading, -1, 0, 0, Colour::Black},
    {Kind::Label,    "Label3",      176,   0,  65,  13, "2-я полоса", kSmallHeading, -1, 0, 0, Colour::Black},
    {Kind::Label,    "Label4",      278,   0,  65,  13, "3-я полоса", kSmallHeading, -1, 0, 0, Colour::Black},
    {Kind::Picture,  "Image1",        8,  37,  60, 286, kColours},
    {Kind::Selector, "RadioGroup1",  75,  23,  76, 255, "", kSansSerif13, 0, 0, 0, Colour::Black},
    {Kind::Selector, "RadioGroup2", 180,  23,  68, 255, "", kSansSerif13, 1, 0, 0, Colour::Black},
    {Kind::Selector, "RadioGroup3", 278,  23,  75, 300, "", kSansSerif13, 2, 0, 0, Colour::Black},
    {Kind::Button,   "Button1",       8, 323, 345,  46, kCalculate, kSansSerif13, 3, 0, 0, Colour::Black},
    {Kind::Memo,     "Memo1",        53, 375, 270,  23, "", {"Courier New", 15, true}, 4, kResultBox, 0, Colour::Black},
}};

// The other five windows share one grid: a band column every 110 pixels or so.
constexpr std::array<Control, 6> kFirstTwoBands{{
    {Kind::Label,    "Label1",       16,   0,  37,  16, "Цвет",       kHeading, -1, 0, 0, Colour::Black},
    {Kind::Label,    "Label2",       78,   0,  79,  16, "1-я полоса", kHeading, -1, 0, 0, Colour::Black},
    {Kind::Label,    "Label3",      188,   0,  79,  16, "2-я полоса", kHeading, -1, 0, 0, Colour::Black},
    {Kind::Picture,  "Image1",        8,  48,  65, 289, kColours},
    {Kind::Selector, "RadioGroup1",  80,  24,  81, 273, "", kSansSerif13, 0},
    {Kind::Selector, "RadioGroup2", 192,  24,  73, 273, "", kSansSerif13, 1},
}};

constexpr Control kThirdHeading{Kind::Label, "Label4", 297, 0, 79, 16, "3-я полоса", kHeading, -1, 0, 0, Colour::Black};
constexpr Control kFourthHeading{Kind::Label, "Label5", 408, 0, 79, 16, "4-я полоса", kHeading};

constexpr auto kForm3 = join(kFirstTwoBands, std::array<Control, 6>{{
    kThirdHeading,
    kFourthHeading,
    {Kind::Selector, "RadioGroup3", 296,  24,  81, 321, "", kSansSerif13, 2},
    {Kind::Selector, "RadioGroup4", 408,  24,  81, 321, "", kSansSerif13, 3},
    {Kind::Button,   "Button1",       8, 352, 481,  57, kCalculate, kSansSerif13, 4},
    {Kind::Memo,     "Memo1",        48, 416, 401,  25, "", kResult, 5, kResultBox},
}});

// Bands 3 to 5 of the precision resistors: a third digit, the multiplier, the tolerance.
constexpr std::array<Control, 6> kPrecisionBands{{
    kThirdHeading,
    kFourthHeading,
    {Kind::Label,    "Label6",      520,   0,  79,  16, "5-я полоса", kHeading},
    {Kind::Selector, "RadioGroup3", 296,  24,  81, 273, "", kSansSerif13, 2},
    {Kind::Selector, "RadioGroup4", 408,  24,  81, 321, "", kSansSerif13, 3},
    {Kind::Selector, "RadioGroup5", 520,  24,  81, 321, "", kSansSerif13, 4},
}};

constexpr auto kForm4 = join(kFirstTwoBands, kPrecisionBands, std::array<Control, 2>{{
    {Kind::Button,   "Button1",       8, 352, 601,  57, kCalculate, kSansSerif13, 5},
    {Kind::Memo,     "Memo1",        56, 416, 497,  25, "", kResult, 6, kResultBox},
}});

constexpr auto kForm5 = join(kFirstTwoBands, kPrecisionBands, std::array<Control, 4>{{
    {Kind::Label,    "Label7",      632,   0,  79,  16, "6-я полоса", kHeading},
    {Kind::Selector, "RadioGroup6", 632,  24,  81, 273, "", kSansSerif13, 5},
    {Kind::Button,   "Button1",       8, 352, 697,  57, kCalculate, kSansSerif13, 6},
    {Kind::Memo,     "Memo1",        48, 416, 617,  25, "", kResult, 7, kResultBox},
}});

// The 3-band inductor window's result box takes typing; the next press discards it.
constexpr auto kForm12 = join(kFirstTwoBands, std::array<Control, 4>{{
    kThirdHeading,
    {Kind::Selector, "RadioGroup3", 296,  24,  81, 321, "", kSansSerif13, 2},
    {Kind::Button,   "Button1",       8, 352, 377,  57, kCalculate, kSansSerif13, 3},
    {Kind::Memo,     "Memo1",         8, 416, 377,  25, "", kResult, 4, ui::Aqua},
}});

// The 4-band inductor window reaches band 4 last with Tab, after the result box.
constexpr auto kForm13 = join(kFirstTwoBands, std::array<Control, 6>{{
    {Kind::Label,    "Label5",      305,   0,  79,  16, "3-я полоса", kHeading, -1, 0, 0, Colour::Black},
    {Kind::Label,    "Label4",      417,   0,  79,  16, "4-я полоса", kHeading, -1, 0, 0, Colour::Black},
    {Kind::Selector, "RadioGroup3", 304,  24,  81, 321, "", kSansSerif13, 2},
    {Kind::Selector, "RadioGroup4", 416,  24,  81, 321, "", kSansSerif13, 5},
    {Kind::Button,   "Button1",       8, 352, 489,  57, kCalculate, kSansSerif13, 3},
    {Kind::Memo,     "Memo1",         8, 416, 489,  25, "", kResult, 4, kResultBox},
}});

// clang-format on

} // namespace

TForm2::TForm2(QWidget* parent)
    : BandWindow({"3 полосы", Border::FixedTool, {362, 411}, {"PT Sans Cyr", 13}, kForm2},
                 kResistor3Recipe, parent) {}

TForm3::TForm3(QWidget* parent)
    : BandWindow({"4 полосы", Border::FixedTool, {498, 453}, kSansSerif11, kForm3},
                 kResistor4Recipe, parent) {}

TForm4::TForm4(QWidget* parent)
    : BandWindow({"5 полос", Border::FixedTool, {610, 453}, kSansSerif11, kForm4}, kResistor5Recipe,
                 parent) {}

TForm5::TForm5(QWidget* parent)
    : BandWindow({"6 полос", Border::FixedTool, {719, 453}, kSansSerif11, kForm5}, kResistor6Recipe,
                 parent) {}

TForm12::TForm12(QWidget* parent)
    : BandWindow({"Индуктивность", Border::FixedTool, {389, 453}, kSansSerif11, kForm12},
                 kInductor3Recipe, parent) {}

// Outer size 515 x 479: a 4-pixel sizing border, an 18-pixel tool caption.
TForm13::TForm13(QWidget* parent)
    : BandWindow({"4 полосы", Border::SizeableTool, {507, 453}, kSansSerif11, kForm13, {213, 118}},
                 kInductor4Recipe, parent) {}

} // namespace vantrel::bands
