// The code windows on the real application: typing, modes, presses and their messages.
#include "gui_helpers.h"
#include "qt_test.h"
#include "ui/radio_group.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

using namespace vantrel;
using test::App;
using test::MessageBoxWatcher;
using test::Opened;
using test::press;
using test::type;

namespace {

QString edit(QWidget* window, const char* name) {
    return window->findChild<QLineEdit*>(QString::fromLatin1(name))->text();
}

void chooseMode(QWidget* window, int item) {
    auto* group = window->findChild<ui::RadioGroup*>("RadioGroup1");
    QTest::mouseClick(group->button(item), Qt::LeftButton, {}, QPoint(8, 8));
}

} // namespace

TEST(LetterCodeWindow, TypedCodesGiveTheirLines) {
    App program;
    QDialog* window = program.forms.Form8;
    Opened open(window);
    MessageBoxWatcher boxes;
    type(window, "Edit1", "47");
    type(window, "Edit2", "2");
    type(window, "Edit4", "М"); // Cyrillic
    type(window, "Edit3", "F");
    EXPECT_EQ(press(window), "R=47 MOm *0.1 ТКС=+/- 1%");
    chooseMode(window, 1);
    type(window, "Edit1", "100");
    type(window, "Edit4", "G");
    type(window, "Edit3", "B");
    EXPECT_EQ(press(window), "R=100 ГOm *0.01 ТКС=+/- 0.1%");
    type(window, "Edit1", "470");
    type(window, "Edit2", "4");
    type(window, "Edit4", "Е"); // Cyrillic: plain ohms
    type(window, "Edit3", "E"); // Latin
    EXPECT_EQ(press(window), "470 Om ТКС=+/- 0,001%");
    EXPECT_TRUE(boxes.boxes.isEmpty());
}

TEST(LetterCodeWindow, MessagesInFieldOrderLeaveTheBoxEmpty) {
    App program;
    QDialog* window = program.forms.Form8;
    Opened open(window);
    MessageBoxWatcher boxes;
    EXPECT_EQ(press(window), "");
    EXPECT_EQ(boxes.texts(), (QStringList{"Проверь цифры в поле №4!", "Проверь буквы в поле №3!",
                                          "Проверь положение в поле №2!"}));
    EXPECT_EQ(boxes.boxes[0].title, "Error");
    EXPECT_EQ(boxes.boxes[0].buttons, QStringList{"&Yes"});
    boxes.boxes.clear();
    type(window, "Edit1", "33");
    type(window, "Edit2", "3");
    type(window, "Edit4", "k");
    type(window, "Edit3", "j");
    EXPECT_EQ(press(window), "");
    EXPECT_EQ(boxes.texts(), (QStringList{"Проверь цифры в поле №4!", "Проверь буквы в поле №3!"}));
    boxes.boxes.clear();
    chooseMode(window, 1);
    type(window, "Edit2", "");
    EXPECT_EQ(press(window), "");
    EXPECT_EQ(boxes.texts().last(), "Проверь положение!");
}

TEST(LetterCodeWindow, AnyTextIsTakenAndKeptExactly) {
    App program;
    QDialog* window = program.forms.Form8;
    Opened open(window);
    MessageBoxWatcher boxes;
    EXPECT_EQ(window->findChild<QLineEdit*>("Edit1")->maxLength(), 3);
    type(window, "Edit1", "1234");
    EXPECT_EQ(edit(window, "Edit1"), "123");
    type(window, "Edit2", "12");
    EXPECT_EQ(edit(window, "Edit2"), "1");
    // A right-to-left mark and an emoji are copied into the line as they are.
    const QString unusual = QString::fromUtf8("\u200F😀");
    type(window, "Edit1", unusual);
    type(window, "Edit4", "K");
    type(window, "Edit3", "J");
    EXPECT_EQ(press(window), "R=" + unusual + " kOm *0.01 ТКС=+/- 5%");
    // Field №4 has no maximum length: a pasted megabyte is refused, not cut or changed.
    const QString megabyte(1 << 20, u'J');
    QApplication::clipboard()->setText(megabyte);
    auto* field4 = window->findChild<QLineEdit*>("Edit3");
    field4->selectAll();
    field4->paste();
    EXPECT_EQ(field4->text(), megabyte);
    EXPECT_EQ(press(window), "");
    EXPECT_EQ(boxes.texts(), QStringList{"Проверь цифры в поле №4!"});
    EXPECT_EQ(field4->text(), megabyte);
}

TEST(LetterCodeWindow, KeepsTextsModeAndLineAcrossCloseAndReopen) {
    App program;
    const test::Windows& f = program.forms;
    QAction* item = f.Form1->findChild<QAction*>("N9");
    QDialog* window = f.Form8;
    test::whileOpen(
        window, [&] { item->trigger(); },
        [&] {
            chooseMode(window, 1);
            type(window, "Edit1", "330");
            type(window, "Edit2", "1");
            type(window, "Edit4", "K");
            type(window, "Edit3", "G");
            EXPECT_EQ(press(window), "330 kOm *0.001 ТКС=+/- 2%");
        });
    test::whileOpen(
        window, [&] { item->trigger(); },
        [&] {
            EXPECT_EQ(window->findChild<ui::RadioGroup*>("RadioGroup1")->itemIndex(), 1);
            EXPECT_EQ(edit(window, "Edit1"), "330");
            EXPECT_EQ(window->findChild<QPlainTextEdit*>("Memo1")->toPlainText(),
                      "330 kOm *0.001 ТКС=+/- 2%");
        });
}

TEST(CapacitorWindows, PressesLinesAndMessages) {
    App program;
    QDialog* three = program.forms.Form9;
    QDialog* four = program.forms.Form10;
    MessageBoxWatcher boxes;
    {
        Opened open(three);
        type(three, "Edit1", "47");
        type(three, "Edit2", "3");
        EXPECT_EQ(press(three), "C=47нФ");
        type(three, "Edit1", "56");
        EXPECT_EQ(press(three), ""); // no line from the earlier press
        EXPECT_EQ(boxes.texts(), QStringList{"Проверь цифры!"});
        type(three, "Edit1", "123");
        EXPECT_EQ(edit(three, "Edit1"), "12");
        type(three, "Edit1", "10");
        type(three, "Edit2", "4");
        auto* memo = three->findChild<QPlainTextEdit*>("Memo1");
        EXPECT_FALSE(memo->isReadOnly());
        QTest::keyClicks(memo, "typed");
        EXPECT_EQ(press(three), "C=100 нФ");
    }
    boxes.boxes.clear();
    {
        Opened open(four);
        type(four, "Edit1", "470");
        type(four, "Edit2", "8");
        EXPECT_EQ(press(four), "");
        EXPECT_EQ(boxes.texts(), QStringList{"Проверь цифры!"});
        type(four, "Edit1", "");
        type(four, "Edit2", "3");
        EXPECT_EQ(press(four), "нФ");
        type(four, "Edit1", "1000");
        type(four, "Edit2", "2");
        EXPECT_EQ(press(four), "100*0,1 нФ");
    }
}

TEST(CapacitorWindows, FourDigitWindowResizesAroundFixedControls) {
    App program;
    QDialog* window = program.forms.Form10;
    Opened open(window);
    QWidget* button = window->findChild<QWidget*>("Button1");
    EXPECT_EQ(button->geometry(), QRect(192, 128, 113, 41));
    EXPECT_EQ(test::built(program.forms.Form9)->findChild<QWidget*>("Button1")->geometry(),
              QRect(200, 128, 113, 41));
    window->resize(900, 600);
    QApplication::processEvents();
    EXPECT_EQ(button->geometry(), QRect(192, 128, 113, 41));
    EXPECT_TRUE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
}
