#include "windows/code_windows.h"

#include "ui/message_boxes.h"
#include "ui/radio_group.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace vantrel::codes {
namespace {

using namespace ui;

// clang-format off

// Field numbers in the labels are what the messages name; Edit4 is field 3, Edit3 field 4.
constexpr Control kForm8[] = {
    {Kind::Label,    "Label1",      312,   0, 116,  20, "Введите код.", kTitle, -1, 0, 0, Colour::Purple},
    {Kind::Label,    "Label2",       32,  64, 167,  16, "1. Укажите имеющиеся", kBold13, -1, 0, 0, Colour::Red},
    {Kind::Selector, "RadioGroup1", 200,  40,  97,  57, "", {}, 5},
    {Kind::Edit,     "Edit1",       104,  88,  33,  24, "", {}, 0, ui::Aqua, 3},
    {Kind::Label,    "Label3",      376,  64, 360,  16, "2. Укажите положение буквы исходя из рисунка ", kBold13, -1, 0, 0, Colour::Red},
    {Kind::Edit,     "Edit2",       560,  88,  33,  24, "", {}, 1, ui::Aqua, 1},
    {Kind::Label,    "Label6",        8, 144, 311,  16, "3. Введите букву ЗАГЛАВНЫМ регистром.", kBold13, -1, 0, 0, Colour::Red},
    {Kind::Edit,     "Edit4",       104, 176,  33,  24, "", {}, 4, ui::Aqua, 1},
    {Kind::Label,    "Label4",      464, 144, 220,  16, "4. Введите последнюю букву.", kBold13, -1, 0, 0, Colour::Red},
    {Kind::Edit,     "Edit3",       560, 176,  33,  24, "", {}, 6, ui::Aqua},
    {Kind::Picture,  "Image2",      104, 216, 193, 169, ":/pictures/letter_code_2.jpg"},
    {Kind::Picture,  "Image1",      416, 216, 193, 169, ":/pictures/letter_code_1.jpg"},
    {Kind::Label,    "Label5",      120, 416, 490,  16, "Если строка остаётся пустой, то проверь буквы и их написание!!!", kBold13, -1, 0, 0, Colour::Highlight},
    {Kind::Button,   "Button1",     208, 440, 313,  25, kCalculate, {}, 3},
    {Kind::Memo,     "Memo1",       208, 472, 313,  24, "", {}, 2, ui::Tooltip | ui::ReadOnly},
};

// The two capacitor windows differ in their heading, the number of digits and where the
// button and the result box stand.
constexpr std::array<Control, 7> capacitorControls(const char* heading, int digits, int left) {
    return {{
        {Kind::Label,    "Label1",      200,   0, 111,  20, "Введите код", kTitle},
        {Kind::Label,    "Label2",        0,  56, 188,  16, heading, kBold13},
        {Kind::Label,    "Label3",      280,  56, 204,  16, "Введите последнюю цифру", kBold13},
        {Kind::Edit,     "Edit1",        64,  80,  49,  24, "", kBold13, 0, ui::Aqua, digits},
        {Kind::Button,   "Button1",    left, 128, 113,  41, kCalculate, {}, 1},
        {Kind::Memo,     "Memo1",      left, 176, 113,  25, "", kTitle, 2, ui::Tooltip | ui::WordWrap},
        {Kind::Edit,     "Edit2",       384,  80,  41,  24, "", kBold13, 3, ui::Aqua, 1},
    }};
}
constexpr auto kForm9 = capacitorControls("Введите первые 2 цифры", 2, 200);
constexpr auto kForm10 = capacitorControls("Введите первые 3 цифры", 3, 192);

// clang-format on

// Each edit box is named for screen readers by the label of its step.
constexpr NamedBy kForm8Names[] = {
    {"Edit1", "Label2"}, {"Edit2", "Label3"}, {"Edit4", "Label6"}, {"Edit3", "Label4"}};
constexpr NamedBy kCapacitorNames[] = {{"Edit1", "Label2"}, {"Edit2", "Label3"}};
constexpr NamedBy kMarkingNames[] = {{"Edit1", "Label1"}};

} // namespace

CodeWindow::CodeWindow(const ui::WindowFrame& frame, std::span<const NamedBy> names,
                       QWidget* parent)
    : ui::Window(frame, parent)
    , names_(names) {}

void CodeWindow::controlsBuilt(const ui::Controls& controls) {
    Memo1 = controls.get<QPlainTextEdit>("Memo1");
    ui::nameControls(controls, names_);
    connect(controls.get<QPushButton>("Button1"), &QPushButton::clicked, this,
            &CodeWindow::Button1Click);
}

void CodeWindow::present(const PressResult& result) {
    Memo1->clear();
    Memo1->setToolTip(QString::fromStdString(result.readout)); // and the accessible description
    for (std::string_view message : result.messages)
        ui::showCheckMessage(
            this, QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size())));
    if (!result.line.empty())
        Memo1->insertPlainText(QString::fromStdString(result.line));
}

std::string CodeWindow::text(const QLineEdit* edit) {
    return edit->text().toStdString();
}

TForm8::TForm8(QWidget* parent)
    : CodeWindow({"Кодовая", Border::FixedTool, {737, 520}, kBold13, kForm8}, kForm8Names, parent) {
}

void TForm8::controlsBuilt(const ui::Controls& controls) {
    CodeWindow::controlsBuilt(controls);
    RadioGroup1 = controls.get<ui::RadioGroup>("RadioGroup1");
    QStringList items;
    for (std::string_view name : kDigitCountNames)
        items << QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    RadioGroup1->setItems(items);
    RadioGroup1->setItemIndex(0);
    Edit1 = controls.get<QLineEdit>("Edit1");
    Edit2 = controls.get<QLineEdit>("Edit2");
    Edit3 = controls.get<QLineEdit>("Edit3");
    Edit4 = controls.get<QLineEdit>("Edit4");
}

// The selector always holds one of its two items: the first until the user picks another.
void TForm8::Button1Click() {
    const DigitCount digitCount =
        RadioGroup1->itemIndex() == 1 ? DigitCount::Three : DigitCount::Two;
    const std::string digits = text(Edit1);
    const std::string position = text(Edit2);
    const std::string multiplier = text(Edit4);
    const std::string tolerance = text(Edit3);
    present(pressLetterCode({digitCount, digits, position, multiplier, tolerance}));
}

CapacitorWindow::CapacitorWindow(const ui::WindowFrame& frame, QWidget* parent)
    : CodeWindow(frame, kCapacitorNames, parent) {}

void CapacitorWindow::controlsBuilt(const ui::Controls& controls) {
    CodeWindow::controlsBuilt(controls);
    Edit1 = controls.get<QLineEdit>("Edit1");
    Edit2 = controls.get<QLineEdit>("Edit2");
}

TForm9::TForm9(QWidget* parent)
    : CapacitorWindow({"3-мя цифрами", Border::FixedTool, {495, 209}, kSansSerif11, kForm9},
                      parent) {}

void TForm9::Button1Click() {
    present(pressThreeDigitCode(text(Edit1), text(Edit2)));
}

// Outer size 497 x 234: a 4-pixel sizing border and a 23-pixel caption bar.
TForm10::TForm10(QWidget* parent)
    : CapacitorWindow({"4-мя цифрами", Border::Sizeable, {489, 203}, kSansSerif11, kForm10},
                      parent) {}

void TForm10::Button1Click() {
    present(pressFourDigitCode(text(Edit1), text(Edit2)));
}

MarkingWindow::MarkingWindow(const char* caption, std::span<const ui::Control> controls,
                             Reader reader, QWidget* parent)
    : CodeWindow({caption, Border::FixedTool, {400, 161}, kSansSerif11, controls}, kMarkingNames,
                 parent)
    , reader_(reader) {}

void MarkingWindow::controlsBuilt(const ui::Controls& controls) {
    CodeWindow::controlsBuilt(controls);
    Edit1 = controls.get<QLineEdit>("Edit1");
    // Enter on the button presses it, as Space does; Enter in the edit box presses nothing.
    controls.get<QPushButton>("Button1")->setAutoDefault(true);
}

void MarkingWindow::Button1Click() {
    present(reader_(text(Edit1)));
}

} // namespace vantrel::codes
