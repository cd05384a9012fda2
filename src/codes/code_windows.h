// The three code windows: the resistor letter code and the capacitor 3- and 4-digit codes.
#pragma once

#include "codes/capacitor_code.h"
#include "codes/letter_code.h"
#include "ui/window_frame.h"

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

    void controlsBuilt() override;
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
    void controlsBuilt() override;

    ui::RadioGroup* RadioGroup1 = nullptr;
    QLineEdit* Edit1 = nullptr; // field 1, the digits
    QLineEdit* Edit2 = nullptr; // field 2, the letter's place
    QLineEdit* Edit4 = nullptr; // field 3, the multiplier letter
    QLineEdit* Edit3 = nullptr; // field 4, the tolerance letter
    LetterCodeMemory memory_;
};

// The capacitor windows: the significant digits and the multiplier digit.
class CapacitorWindow : public CodeWindow {
    Q_OBJECT
protected:
    CapacitorWindow(const ui::WindowFrame& frame, QWidget* parent);
    void controlsBuilt() override;

    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
};

class TForm9 final : public CapacitorWindow { // 3 digits
    Q_OBJECT
public:
    explicit TForm9(QWidget* parent = nullptr);

private slots:
    void Button1Click() override;

private:
    ThreeDigitMemory memory_;
};

class TForm10 final : public CapacitorWindow { // 4 digits
    Q_OBJECT
public:
    explicit TForm10(QWidget* parent = nullptr);

private slots:
    void Button1Click() override;

private:
    FourDigitMemory memory_;
};

} // namespace vantrel::codes
