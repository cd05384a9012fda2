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
    CodeWindow(const ui::WindowFrame& frame, std::span<const ui::NamedBy> names, QWidget* parent);

protected:
    void present(const PressResult& result);
    std::string text(const char* editName) const; // as UTF-8

private:
    QPlainTextEdit* Memo1 = nullptr;
};

class TForm8 final : public CodeWindow { // resistor letter code
    Q_OBJECT
public:
    explicit TForm8(QWidget* parent = nullptr);

private slots:
    void Button1Click();

private:
    ui::RadioGroup* RadioGroup1 = nullptr;
    LetterCodeMemory memory_;
};

// The two capacitor windows differ in their press and what it remembers.
template <typename Memory, PressResult (*Press)(std::string_view, std::string_view, Memory&)>
class CapacitorWindow final : public CodeWindow {
public:
    explicit CapacitorWindow(QWidget* parent = nullptr);

private:
    void Button1Click();

    Memory memory_;
};

using TForm9 = CapacitorWindow<ThreeDigitMemory, pressThreeDigitCode>; // 3 digits
using TForm10 = CapacitorWindow<FourDigitMemory, pressFourDigitCode>;  // 4 digits

} // namespace vantrel::codes
