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

// What the three windows share: a press shows its check messages in order, then writes
// its line into the emptied result box.
class CodeWindow : public ui::Window {
    Q_OBJECT
public:
    CodeWindow(const ui::WindowFrame& frame, QWidget* parent);

protected:
    void present(const PressResult& result);
    QString text(const char* editName) const;

private:
    QPlainTextEdit* Memo1;
};

class TForm8 final : public CodeWindow { // resistor letter code
    Q_OBJECT
public:
    explicit TForm8(QWidget* parent = nullptr);

private slots:
    void Button1Click();

private:
    ui::RadioGroup* RadioGroup1;
    LetterCodeMemory memory_;
};

class TForm9 final : public CodeWindow { // capacitor, 3 digits
    Q_OBJECT
public:
    explicit TForm9(QWidget* parent = nullptr);

private slots:
    void Button1Click();

private:
    ThreeDigitMemory memory_;
};

class TForm10 final : public CodeWindow { // capacitor, 4 digits
    Q_OBJECT
public:
    explicit TForm10(QWidget* parent = nullptr);

private slots:
    void Button1Click();

private:
    FourDigitMemory memory_;
};

} // namespace vantrel::codes
