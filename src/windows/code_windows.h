// The code windows: the resistor letter code, the capacitor 3- and 4-digit codes, and what
// the windows that read one code as printed share.
#pragma once

#include "core/codes/capacitor_code.h"
#include "core/codes/letter_code.h"
#include "ui/window_frame.h"

#include <array>

class QLineEdit;
class QPlainTextEdit;

namespace vantrel::ui {
class RadioGroup;
}

namespace vantrel::codes {

// What the code windows share: a press shows its check messages in order, then writes its
// line into the emptied result box.
class CodeWindow : public ui::Window {
    Q_OBJECT
protected:
    CodeWindow(const ui::WindowFrame& frame, std::span<const ui::NamedBy> names, QWidget* parent);

    void controlsBuilt(const ui::Controls& controls) override;
    void present(const PressResult& result);
    static std::string text(const QLineEdit* edit); // as UTF-8

protected slots:
    virtual void Button1Click() = 0;

private:
    std::span<const ui::NamedBy> names_;
    QPlainTextEdit* Memo1 = nullptr;
};

class TForm8 final : public CodeWindow { // resistor letter code
    Q_OBJECT
public:
    explicit TForm8(QWidget* parent = nullptr);

private slots:
    void Button1Click() override;

private:
    void controlsBuilt(const ui::Controls& controls) override;

    ui::RadioGroup* RadioGroup1 = nullptr;
    QLineEdit* Edit1 = nullptr; // field 1, the digits
    QLineEdit* Edit2 = nullptr; // field 2, the letter's place
    QLineEdit* Edit4 = nullptr; // field 3, the multiplier letter
    QLineEdit* Edit3 = nullptr; // field 4, the tolerance letter
};

// The capacitor windows: the significant digits and the multiplier digit.
class CapacitorWindow : public CodeWindow {
    Q_OBJECT
protected:
    CapacitorWindow(const ui::WindowFrame& frame, QWidget* parent);
    void controlsBuilt(const ui::Controls& controls) override;

    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
};

class TForm9 final : public CapacitorWindow { // 3 digits
    Q_OBJECT
public:
    explicit TForm9(QWidget* parent = nullptr);

private slots:
    void Button1Click() override;
};

class TForm10 final : public CapacitorWindow { // 4 digits
    Q_OBJECT
public:
    explicit TForm10(QWidget* parent = nullptr);

private slots:
    void Button1Click() override;
};

// A window that reads one code, typed as the body prints it, from its one edit box: the
// heading, the edit box, the button and the result box down the left, a picture of the
// marked body on the right.
class MarkingWindow : public CodeWindow {
    Q_OBJECT
protected:
    using Reader = PressResult (*)(std::string_view typed);
    MarkingWindow(const char* caption, std::span<const ui::Control> controls, Reader reader,
                  QWidget* parent);
    void controlsBuilt(const ui::Controls& controls) override;

private slots:
    void Button1Click() override;

private:
    Reader reader_;
    QLineEdit* Edit1 = nullptr;
};

// The controls of a marking window, whose code is at most maxLength characters long.
// clang-format off
constexpr std::array<ui::Control, 5> markingControls(const char* picture, int maxLength) {
    using ui::Kind;
    return {{
        {Kind::Label,   "Label1",    8,   8, 216,  20, "Введите код с корпуса", ui::kTitle},
        {Kind::Edit,    "Edit1",     8,  40, 121,  24, "", ui::kBold13, 0, ui::Aqua, maxLength},
        {Kind::Button,  "Button1",   8,  72, 121,  41, ui::kCalculate, {}, 1},
        {Kind::Picture, "Image1",  232,   8, 160, 105, picture},
        {Kind::Memo,    "Memo1",     8, 128, 384,  25, "", ui::kTitle, 2, ui::Tooltip | ui::ReadOnly},
    }};
}
// clang-format on

} // namespace vantrel::codes
