// The readout on the real windows: a press that writes a line sets the result box's tooltip,
// which screen readers hear as its description; a press without a line clears it.
#include "gui_helpers.h"
#include "qt_test.h"
#include "ui/radio_group.h"

#include <QAccessible>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <gtest/gtest.h>

using namespace vantrel;
using test::App;
using test::MessageBoxWatcher;
using test::Opened;
using test::press;

namespace {

QPlainTextEdit* resultBox(QWidget* window) {
    return window->findChild<QPlainTextEdit*>("Memo1");
}

// What a screen reader hears besides the box's name "Результат".
QString description(QWidget* window) {
    QAccessibleInterface* box = QAccessible::queryAccessibleInterface(resultBox(window));
    EXPECT_EQ(box->text(QAccessible::Name), "Результат");
    return box->text(QAccessible::Description);
}

// Picks colours by their position in the extended colour list, one per band.
void pick(QWidget* window, std::initializer_list<int> colours) {
    int band = 1;
    for (int colour : colours)
        window->findChild<ui::RadioGroup*>(QStringLiteral("RadioGroup%1").arg(band++))
            ->button(colour)
            ->click();
}

void fill(QWidget* window, std::initializer_list<std::pair<const char*, QString>> edits) {
    for (const auto& [name, text] : edits)
        window->findChild<QLineEdit*>(QString::fromLatin1(name))->setText(text);
}

} // namespace

TEST(ReadoutTooltip, ColourWindowsSetItOnEveryPressThatWritesALine) {
    App program;
    QDialog* window = program.forms.Form12; // the inductor window whose box takes typing
    Opened open(window);
    MessageBoxWatcher boxes;
    EXPECT_EQ(press(window), "");
    EXPECT_EQ(resultBox(window)->toolTip(), "");
    pick(window, {1, 0, 2}); // brown, black, red
    EXPECT_EQ(press(window), "L=10*100 мкГн");
    const QString readout = "1 мГн\nРяд E6\nС другого конца: 200 мкГн";
    EXPECT_EQ(resultBox(window)->toolTip(), readout);
    EXPECT_EQ(description(window), readout);
    QTest::keyClicks(resultBox(window), "99");
    EXPECT_EQ(resultBox(window)->toolTip(), readout); // typing is not a press
    pick(window, {4, 7, 1});                          // yellow, violet, brown
    EXPECT_EQ(press(window), "L=47*10 мкГн");
    EXPECT_EQ(description(window), "470 мкГн\nРяд E6");
    EXPECT_EQ(boxes.texts(), QStringList{"Не хватает данных в первом столбце!"});
}

TEST(ReadoutTooltip, CodeWindowsClearItWhenAPressGivesNoValue) {
    App program;
    MessageBoxWatcher boxes;
    QDialog* three = program.forms.Form9;
    {
        Opened open(three);
        fill(three, {{"Edit1", "47"}, {"Edit2", "2"}});
        EXPECT_EQ(press(three), "C=47*0,1 нФ");
        EXPECT_EQ(description(three), "4,7 нФ\nРяд E6");
        fill(three, {{"Edit1", "12"}});
        EXPECT_EQ(press(three), ""); // a check message, no line
        EXPECT_EQ(description(three), "");
    }
    QDialog* letters = program.forms.Form8;
    Opened open(letters);
    fill(letters, {{"Edit1", "33"}, {"Edit2", "1"}, {"Edit4", "K"}, {"Edit3", "J"}});
    EXPECT_EQ(press(letters), "R=33 kOm *0.01 ТКС=+/- 5%");
    EXPECT_EQ(description(letters), "330 Ом ±5 %\nРяд E6");
    fill(letters, {{"Edit1", "3З"}}); // a Cyrillic Ze: the line, but no number behind it
    EXPECT_EQ(press(letters), "R=3З kOm *0.01 ТКС=+/- 5%");
    EXPECT_EQ(resultBox(letters)->toolTip(), "");
    EXPECT_EQ(boxes.texts(), QStringList{"Проверь цифры!"});
}
