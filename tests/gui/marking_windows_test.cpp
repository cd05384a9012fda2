// The windows that read a code as the body prints it, on the real application: created by
// their menu item's first showing, read by keyboard, kept with their state when closed.
#include "gui_helpers.h"
#include "qt_test.h"
#include "ui/pictures.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace vantrel;
using test::App;
using test::MessageBoxWatcher;
using test::showThrough;

namespace {

QLineEdit* codeBox(const QWidget* window) {
    return window->findChild<QLineEdit*>("Edit1");
}

QPlainTextEdit* resultBox(const QWidget* window) {
    return window->findChild<QPlainTextEdit*>("Memo1");
}

// Types the code into the edit box, goes on to the button with Tab and presses it with a key.
void readCode(QWidget* window, const QString& code, Qt::Key pressKey) {
    // Offscreen there is no window manager to make the window active again after a box.
    QApplication::setActiveWindow(window);
    test::type(window, "Edit1", code);
    QTest::keyClick(codeBox(window), Qt::Key_Tab);
    auto* button = window->findChild<QPushButton*>("Button1");
    ASSERT_EQ(QApplication::focusWidget(), button);
    QTest::keyClick(button, pressKey);
}

struct MarkingCase {
    const char* item;
    QString caption;
    QString code;
    QString line;
    QString readout;
    QString bad;
};

const MarkingCase kWindows[] = {
    {"SmdCode", "SMD-код", "68х" /* Cyrillic х */, "R=49,9 Ом ±1 %", "49,9 Ом ±1 %\nРяд E96",
     "4K7"},
    {"PrintedCapacitorCode", "Код с буквами", "2А104J" /* Cyrillic А */, "C=100 нФ ±5 %, 100 В",
     "100 нФ ±5 %, 100 В\nРяд E6\n= 100000 пФ = 100 нФ = 0,1 мкФ", "104JJ"},
};

} // namespace

TEST(MarkingWindows, MenuItemShowsThemReadingByKeyboardAndKeepingTheirState) {
    App program;
    app::TForm1* main = program.forms.Form1;
    EXPECT_TRUE(main->findChildren<codes::MarkingWindow*>().isEmpty()); // none at start-up
    for (const MarkingCase& c : kWindows) {
        SCOPED_TRACE(c.item);
        QAction* item = main->findChild<QAction*>(c.item);
        ASSERT_TRUE(item);
        MessageBoxWatcher boxes;
        QString line, readout, lineAfterBad, readoutAfterBad;
        QDialog* window = showThrough(item, [&](QDialog* shown) {
            EXPECT_EQ(shown->windowTitle(), c.caption);
            EXPECT_EQ(QApplication::focusWidget(), codeBox(shown)); // the edit box comes first
            readCode(shown, c.code, Qt::Key_Space);
            EXPECT_EQ(resultBox(shown)->toPlainText(), c.line);
            readCode(shown, c.bad, Qt::Key_Space);
            lineAfterBad = resultBox(shown)->toPlainText();
            readoutAfterBad = resultBox(shown)->toolTip();
            readCode(shown, c.code, Qt::Key_Return);
            line = resultBox(shown)->toPlainText();
            readout = resultBox(shown)->toolTip();
        });
        ASSERT_TRUE(window);
        EXPECT_EQ(line, c.line);
        EXPECT_EQ(readout, c.readout);
        EXPECT_EQ(lineAfterBad, "");
        EXPECT_EQ(readoutAfterBad, "");
        ASSERT_EQ(boxes.boxes.size(), 1);
        EXPECT_EQ(boxes.boxes[0].title, "Error");
        EXPECT_EQ(boxes.boxes[0].icon, QMessageBox::Critical);
        EXPECT_EQ(boxes.boxes[0].text, "Проверь код!");
        EXPECT_EQ(boxes.boxes[0].buttons, QStringList{"&Yes"});

        QString keptCode, keptLine;
        EXPECT_EQ(showThrough(item,
                              [&](QDialog* shown) {
                                  keptCode = codeBox(shown)->text();
                                  keptLine = resultBox(shown)->toPlainText();
                              }),
                  window);
        EXPECT_EQ(keptCode, c.code);
        EXPECT_EQ(keptLine, c.line);
        EXPECT_EQ(window->parentWidget(), main);

        EXPECT_EQ(QAccessible::queryAccessibleInterface(codeBox(window))->text(QAccessible::Name),
                  "Введите код с корпуса");
        const auto* picture = window->findChild<ui::Picture*>();
        ASSERT_TRUE(picture);
        EXPECT_FALSE(picture->pixmap().isNull());
        EXPECT_FALSE(picture->accessibleName().isEmpty());
    }
    EXPECT_EQ(main->findChildren<codes::MarkingWindow*>().size(), std::ssize(kWindows));
}

// The capacitor window reads what film and electrolytic bodies print, the farad after n no
// tolerance letter, in the box's full length.
TEST(MarkingWindows, CapacitorWindowReadsUnitsAndVoltsAfterTheValue) {
    App program;
    const struct {
        QString code;
        QString line;
    } cases[] = {{"47nF", "C=47 нФ"},
                 {"4n7F", "C=4,7 нФ ±1 %"},
                 {"220мкФ 35В", "C=220 мкФ, 35 В"},
                 {"1000uF 6.3V", "C=1000 мкФ, 6,3 В"},
                 {"0,1 мкФ 630 В", "C=100 нФ, 630 В"}};
    QStringList lines;
    showThrough(program.forms.Form1->findChild<QAction*>("PrintedCapacitorCode"),
                [&](QDialog* shown) {
                    for (const auto& c : cases) {
                        readCode(shown, c.code, Qt::Key_Space);
                        lines.append(resultBox(shown)->toPlainText());
                    }
                });
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(lines.value(static_cast<qsizetype>(i)), cases[i].line)
            << cases[i].code.toStdString();
}
