#include "app/shell_windows.h"

namespace vantrel::app {
namespace {

using namespace ui;

constexpr FontSpec kBold16{"MS Sans Serif", 16, true};
constexpr FontSpec kLink{"MS Sans Serif", 16, true, true};

// clang-format off
constexpr Control kForm6[] = {
    {Kind::Label, "Label1", 168,   8, 120, 23, "О программе", {"Arial Black", 16}},
    {Kind::Label, "Label7",   8,  64, 138, 20, "\"Vantrel\"", kBold16, -1, 0, 0, Colour::Black},
    {Kind::Label, "Label3",   8,  96, 236, 20, "Авторы: команда Vantrel", kBold16},
    {Kind::Label, "Label4",   8, 128, 115, 20, "Россия, 2026", kBold16},
    {Kind::Label, "Label8",   8, 160, 207, 18, "Обновления на моём сайте:", {"Arial", 15, true, true}, -1, 0, 0, Colour::Red},
    {Kind::Label, "Label5",   8, 192, 185, 20, "www.vantrel.org", kLink, -1, 0, 0, Colour::ActiveCaption},
    {Kind::Label, "Label6",   8, 224, 164, 20, "team@vantrel.org", kLink, -1, 0, 0, Colour::Navy},
    {Kind::Picture, "Image1", 280, 56, 193, 201, ":/pictures/about.jpg"},
};

constexpr Control kForm7[] = {
    {Kind::Label, "Label1", 240, 16, 196, 16, "Введите код в эту строку.", {"MS Sans Serif", 13, true}},
    {Kind::Edit,  "Edit1",  256, 96,  41, 21, "", {}, 0},
};
// clang-format on

} // namespace

TForm6::TForm6(QWidget* parent)
    : ui::Window({"О программе", Border::FixedTool, {481, 267}, kSansSerif11, kForm6}, parent) {}

// Outer size 696 x 480 with a 4-pixel sizing border and a 23-pixel caption bar.
TForm7::TForm7(QWidget* parent)
    : ui::Window({"Кодовая", Border::Sizeable, {688, 449}, kSansSerif11, kForm7}, parent) {}

TForm11::TForm11(QWidget* parent)
    : ui::Window({"Буквенно-цифровая", Border::Sizeable, {688, 449}, kSansSerif11, {}, {192, 107}},
                 parent) {}

} // namespace vantrel::app
