// The About window, the two windows nothing shows, keyboard-only use and screen-reader names.
#include "gui_helpers.h"
#include "qt_test.h"
#include "ui/pictures.h"
#include "ui/radio_group.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <gtest/gtest.h>

using namespace vantrel;
using test::App;
using test::MessageBoxWatcher;

namespace {

QString accessibleName(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

// A key press and release on whatever has the keyboard: an open menu, the focused control.
void key(int code, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {}) {
    QWidget* target = QApplication::activePopupWidget();
    if (!target)
        target = QApplication::focusWidget();
    if (!target)
        target = QApplication::activeWindow();
    ASSERT_TRUE(target);
    if (text.isEmpty())
        QTest::keyClick(target, static_cast<Qt::Key>(code), modifiers);
    else // keys beyond ASCII carry their text themselves
        QTest::sendKeyEvent(QTest::Click, target, static_cast<Qt::Key>(code), text, modifiers);
    QApplication::processEvents(); // menus open and close through the event loop
}

void typeKeys(const char* text) {
    QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(text));
}

constexpr int kCyrillicE = 0x42D; // "Э", the access key of "&Элемент"

// Runs keys once a modal window is up; whatever they do, the window is closed afterwards.
void onModal(const std::function<void()>& keys) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, keys, waited = 0]() mutable {
        QWidget* modal = QApplication::activeModalWidget();
        // Keys go to the window once the platform has made it active, as a desktop does.
        if (!modal || !modal->isVisible() || (!modal->isActiveWindow() && ++waited < 200))
            return;
        poll->stop();
        poll->deleteLater();
        keys();
        if (QApplication::activeModalWidget() == modal)
            modal->close();
    });
    poll->start(5);
}

} // namespace

TEST(AboutWindow, OpensTwiceWithTheSameContent) {
    App program;
    QDialog* about = program.forms.Form6;
    QAction* item = program.forms.Form1->findChild<QAction*>("N7");
    QStringList first;
    QStringList second;
    const auto read = [about](QStringList& texts) {
        for (const QLabel* label : about->findChildren<QLabel*>())
            texts << label->objectName() + ":" + label->text();
    };
    test::whileOpen(
        about, [item] { item->trigger(); }, [&] { read(first); });
    test::whileOpen(
        about, [item] { item->trigger(); }, [&] { read(second); });
    EXPECT_EQ(first, second);
    EXPECT_TRUE(first.contains("Label1:О программе"));
    EXPECT_TRUE(first.contains("Label7:\"Vantrel\""));
    EXPECT_TRUE(first.contains("Label8:Обновления на моём сайте:"));
    EXPECT_EQ(about->size(), QSize(481, 267));
    EXPECT_EQ(about->findChild<ui::Picture*>("Image1")->pixmap().size(), QSize(194, 199));
}

TEST(UnusedWindows, ExistWithTheirContentAndNoMenuShowsThem) {
    App program;
    const test::Windows& f = program.forms;
    EXPECT_EQ(test::built(f.Form7)->findChild<QLabel*>("Label1")->text(),
              "Введите код в эту строку.");
    EXPECT_TRUE(f.Form7->findChild<QLineEdit*>("Edit1"));
    EXPECT_TRUE(test::built(f.Form11)->findChildren<QWidget*>().isEmpty());
    MessageBoxWatcher boxes;
    for (QAction* action : f.Form1->findChildren<QAction*>()) {
        if (action->menu() || action->objectName() == "N12" || action->objectName().isEmpty())
            continue;
        QTimer::singleShot(0, [&] {
            EXPECT_FALSE(f.Form7->isVisible());
            EXPECT_FALSE(f.Form11->isVisible());
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
        });
        action->trigger();
    }
    EXPECT_FALSE(f.Form7->isVisible());
    EXPECT_FALSE(f.Form11->isVisible());
}

// The whole road without a mouse: access keys into the menu, Tab, arrows, Space, Escape.
// Each test starts at the active main window, with message boxes watched.
class Keyboard : public ::testing::Test {
protected:
    Keyboard() { QApplication::setActiveWindow(f.Form1); }

    App program;
    test::Windows& f = program.forms;
    MessageBoxWatcher boxes;
    QString line; // the result box, read before the window closes
};

TEST_F(Keyboard, ColourWindowFromMenuToLine) {
    onModal([&] {
        ASSERT_EQ(QApplication::activeModalWidget(), f.Form2);
        key(Qt::Key_Down); // band 1: from black to brown
        key(Qt::Key_Space);
        key(Qt::Key_Tab); // band 2: black
        key(Qt::Key_Space);
        key(Qt::Key_Tab); // band 3: red
        key(Qt::Key_Down);
        key(Qt::Key_Down);
        key(Qt::Key_Space);
        key(Qt::Key_Tab); // the button
        key(Qt::Key_Space);
        line = f.Form2->findChild<QPlainTextEdit*>("Memo1")->toPlainText();
        key(Qt::Key_Escape);
    });
    key(kCyrillicE, Qt::AltModifier, "э"); // "&Элемент"
    key(Qt::Key_Return);                   // "Резистор"
    key(Qt::Key_Return);                   // "Цветовая"
    key(Qt::Key_3);                        // "3 полосы", modal until Escape
    EXPECT_EQ(line, "R=1000 Om");
    EXPECT_FALSE(f.Form2->isVisible());
    EXPECT_TRUE(boxes.boxes.isEmpty());
}

TEST_F(Keyboard, CodeWindowFromMenuToLine) {
    onModal([&] {
        ASSERT_EQ(QApplication::activeModalWidget(), f.Form9);
        typeKeys("47"); // Edit1 has the focus first
        key(Qt::Key_Tab);
        key(Qt::Key_Tab);
        key(Qt::Key_Tab); // past the button and the result box, to Edit2
        typeKeys("3");
        key(Qt::Key_Tab, Qt::ShiftModifier);
        key(Qt::Key_Tab, Qt::ShiftModifier);
        key(Qt::Key_Space);
        line = f.Form9->findChild<QPlainTextEdit*>("Memo1")->toPlainText();
        key(Qt::Key_Escape);
    });
    key(kCyrillicE, Qt::AltModifier, "э");
    key(Qt::Key_Down); // "Конденсатор"
    key(Qt::Key_Return);
    key(Qt::Key_Return); // "Кодовая"
    key(Qt::Key_3);      // "3-мя цифрами"
    EXPECT_EQ(line, "C=47нФ");
    EXPECT_TRUE(boxes.boxes.isEmpty());
}

TEST(Accessibility, ControlsWithoutTextOfTheirOwnAreNamed) {
    App program;
    const test::Windows& f = program.forms;
    for (ui::Window* window : f.secondary())
        window->ensureBuilt();
    EXPECT_EQ(accessibleName(f.Form5->findChild<QWidget*>("RadioGroup6")), "6-я полоса");
    EXPECT_EQ(accessibleName(f.Form2->findChild<QWidget*>("RadioGroup1")), "1-я полоса");
    EXPECT_EQ(accessibleName(f.Form8->findChild<QWidget*>("Edit4")),
              "3. Введите букву ЗАГЛАВНЫМ регистром.");
    EXPECT_EQ(accessibleName(f.Form8->findChild<QWidget*>("Edit3")), "4. Введите последнюю букву.");
    EXPECT_EQ(accessibleName(f.Form10->findChild<QWidget*>("Edit1")), "Введите первые 3 цифры");
    EXPECT_EQ(accessibleName(f.Form9->findChild<QWidget*>("Memo1")), "Результат");
    QWidget* radio = f.Form3->findChild<ui::RadioGroup*>("RadioGroup4")->button(11);
    QAccessibleInterface* item = QAccessible::queryAccessibleInterface(radio);
    EXPECT_EQ(item->role(), QAccessible::RadioButton);
    EXPECT_EQ(item->text(QAccessible::Name), "Золот.");
    QAccessibleInterface* button =
        QAccessible::queryAccessibleInterface(f.Form3->findChild<QWidget*>("Button1"));
    EXPECT_EQ(button->role(), QAccessible::Button);
    EXPECT_EQ(button->text(QAccessible::Name), "Считать!!!");
}

// Run by CTest a second time with QT_SCALE_FACTOR=2: the layout doubles, the pictures keep
// their sharp pixels.
TEST(HiDpi, WindowsScaleWithoutBlurringPictures) {
    App program;
    QDialog* window = program.forms.Form2;
    test::Opened open(window);
    const qreal ratio = window->devicePixelRatioF();
    if (ratio < 2)
        GTEST_SKIP() << "runs under QT_SCALE_FACTOR=2";
    EXPECT_EQ(window->size(), QSize(362, 411)); // the layout in logical pixels is unchanged
    EXPECT_EQ(window->findChild<QWidget*>("Button1")->geometry(), QRect(8, 323, 345, 46));
    const QImage shot = window->grab().toImage();
    EXPECT_EQ(shot.size(), QSize(724, 822));
    // Each pixel of the colour legend becomes a block of 2 x 2 equal pixels: scaled, not
    // smoothed into its neighbours.
    const QImage legend = window->findChild<ui::Picture*>("Image1")->pixmap().toImage();
    int blurred = 0;
    for (int y = 0; y < 286; ++y) {
        for (int x = 0; x < 60; ++x) {
            const QRgb source = legend.pixel(x, y);
            for (const QPoint offset : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)})
                blurred +=
                    shot.pixel(2 * (8 + x) + offset.x(), 2 * (37 + y) + offset.y()) != source;
        }
    }
    EXPECT_EQ(blurred, 0);
}
