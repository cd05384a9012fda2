// The colour-band windows on the real application: clicks, presses, message boxes, state.
#include "gui_helpers.h"
#include "qt_test.h"
#include "ui/radio_group.h"

#include <QApplication>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <gtest/gtest.h>

using namespace vantrel;
using test::App;
using test::MessageBoxWatcher;
using test::Opened;
using test::press;

namespace {

const QStringList kColourNames{"Чёрн.", "Кор.",  "Крас.", "Оранж.", "Жёлт.",  "Зел.",
                               "Гол.",  "Фиол.", "Сер.",  "Бел.",   "Сереб.", "Золот."};
const QStringList kEnglish{"black", "brown",  "red",  "orange", "yellow", "green",
                           "blue",  "violet", "grey", "white",  "silver", "gold"};

ui::RadioGroup* selector(QWidget* window, int band) {
    return window->findChild<ui::RadioGroup*>(QStringLiteral("RadioGroup%1").arg(band));
}

// A real mouse click on the named colour of a band (1-based).
void click(QWidget* window, int band, const QString& colour) {
    ui::RadioGroup* group = selector(window, band);
    ASSERT_TRUE(group);
    QRadioButton* button = group->button(static_cast<int>(kEnglish.indexOf(colour)));
    ASSERT_TRUE(button) << colour.toStdString();
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center() - QPoint(20, 0));
}

void clickAll(QWidget* window, const QStringList& colours) {
    for (int band = 0; band < colours.size(); ++band)
        click(window, band + 1, colours[band]);
}

QString shownColour(QWidget* window, int band) {
    const ui::RadioGroup* group = selector(window, band);
    return group->itemIndex() < 0 ? QString() : kEnglish[group->itemIndex()];
}

} // namespace

TEST(ColourWindows, WorkedExamplesByRealClicks) {
    App program;
    const test::Windows& f = program.forms;
    MessageBoxWatcher boxes;
    struct Case {
        QDialog* window;
        QStringList colours;
        QString line;
    };
    const Case cases[] = {
        {f.Form2, {"yellow", "violet", "red"}, "R=4700 Om"},
        {f.Form2, {"green", "blue", "silver"}, "R=56*0,01 Om"},
        {f.Form2, {"yellow", "violet", "black"}, "R=47 Om"},
        {f.Form3, {"orange", "orange", "gold", "brown"}, "R=33*0,1 Om+/-1%"},
        {f.Form3, {"brown", "black", "black", "gold"}, "R=10 Om+/-5%"},
        {f.Form4, {"yellow", "violet", "black", "yellow", "orange"}, "R=4700.000 Om+/-Error"},
        {f.Form4, {"brown", "black", "black", "black", "brown"}, "R=100 Om+/-1%"},
        {f.Form5,
         {"yellow", "violet", "black", "gold", "green", "white"},
         "R=470*0,1 Om +/-0.5%; ТКС= +/-1ppm/`C"},
        {f.Form5,
         {"brown", "black", "black", "black", "brown", "brown"},
         "R=100 Om +/-1%; ТКС= +/-100ppm/`C"},
        {f.Form12, {"white", "white", "orange"}, "L=99*1000 мкГн"},
        {f.Form12, {"yellow", "violet", "gold"}, "L=47*0,1 мкГн"},
        {f.Form13, {"brown", "black", "silver", "black"}, "L=10*0,01 мкГн +/-20%"},
    };
    for (const Case& c : cases) {
        Opened open(c.window);
        clickAll(c.window, c.colours);
        EXPECT_EQ(press(c.window), c.line);
        EXPECT_EQ(press(c.window), c.line); // twice: still one line
    }
    EXPECT_TRUE(boxes.boxes.isEmpty());
}

TEST(ColourWindows, SelectorsOfferTheirLists) {
    App program;
    const test::Windows& f = program.forms;
    for (ui::Window* window : f.secondary())
        window->ensureBuilt();
    const QStringList colours = kColourNames.mid(0, 10);
    EXPECT_EQ(selector(f.Form2, 1)->items(), colours);
    EXPECT_EQ(selector(f.Form2, 3)->items(), kColourNames);
    EXPECT_EQ(selector(f.Form5, 3)->items(), colours);
    EXPECT_EQ(selector(f.Form5, 6)->items(), colours);
    EXPECT_EQ(selector(f.Form13, 4)->items(), kColourNames);
    for (QDialog* window : {static_cast<QDialog*>(f.Form2), static_cast<QDialog*>(f.Form13)})
        for (int band = 1; band <= 3; ++band)
            EXPECT_EQ(selector(window, band)->itemIndex(), -1);
}

TEST(ColourWindows, CheckAndMissingDataMessagesAreRealBoxes) {
    App program;
    QDialog* window = program.forms.Form3;
    Opened open(window);
    MessageBoxWatcher boxes;
    EXPECT_EQ(press(window), "");
    click(window, 1, "black");
    ASSERT_EQ(boxes.boxes.size(), 2);
    const test::SeenBox missing = boxes.boxes[0];
    EXPECT_EQ(missing.title, "Information");
    EXPECT_EQ(missing.icon, QMessageBox::Information);
    EXPECT_EQ(missing.text, "Не хватает данных в первом столбце!");
    EXPECT_EQ(missing.buttons, QStringList{"OK"});
    const test::SeenBox check = boxes.boxes[1];
    EXPECT_EQ(check.title, "Error");
    EXPECT_EQ(check.icon, QMessageBox::Critical);
    EXPECT_EQ(check.text, "Проверь первую полосу!");
    EXPECT_EQ(check.buttons, QStringList{"&Yes"});
}

// After a rejected colour's message the selector shows the colour the band holds again.
TEST(ColourWindows, RejectedColourDoesNotStayShown) {
    App program;
    QDialog* window = program.forms.Form2;
    Opened open(window);
    MessageBoxWatcher boxes;
    click(window, 1, "black");
    EXPECT_EQ(shownColour(window, 1), "");
    click(window, 1, "black"); // the same pick again is a change again, with its message
    EXPECT_EQ(boxes.texts(), QStringList(2, "Проверь первую полосу!"));
    click(window, 1, "red");
    click(window, 1, "black");
    EXPECT_EQ(shownColour(window, 1), "red");
    click(window, 2, "red");
    click(window, 3, "brown");
    EXPECT_EQ(press(window), "R=220 Om");
    EXPECT_EQ(boxes.boxes.size(), 3);
    click(window, 3, "brown"); // already selected: nothing happens
    EXPECT_EQ(boxes.boxes.size(), 3);

    QDialog* inductor = program.forms.Form13;
    Opened second(inductor);
    click(inductor, 4, "gold");
    click(inductor, 4, "green");
    click(inductor, 4, "red");
    EXPECT_EQ(boxes.texts().mid(3),
              (QStringList{"Проверь чсетвёртую полосу!", "Проверь четвёртую полосу!"}));
    EXPECT_EQ(shownColour(inductor, 4), "gold");
}

TEST(ColourWindows, MissingBandIsNamedAndEmptiesTheBox) {
    App program;
    QDialog* window = program.forms.Form2;
    Opened open(window);
    MessageBoxWatcher boxes;
    clickAll(window, {"red", "red", "red"});
    EXPECT_EQ(press(window), "R=2200 Om");
    QDialog* six = program.forms.Form5;
    Opened second(six);
    clickAll(six, {"red", "red", "red"});
    click(six, 6, "red");
    EXPECT_EQ(press(six), "");
    EXPECT_EQ(boxes.texts(), QStringList{"Не хватает данных в четвёртом столбце!"});
}

TEST(ColourWindows, EditableInductorResultBoxIsDiscardedByAPress) {
    App program;
    QDialog* window = program.forms.Form12;
    Opened open(window);
    auto* memo = window->findChild<QPlainTextEdit*>("Memo1");
    EXPECT_FALSE(memo->isReadOnly());
    EXPECT_TRUE(
        test::built(program.forms.Form13)->findChild<QPlainTextEdit*>("Memo1")->isReadOnly());
    clickAll(window, {"brown", "black", "red"});
    QTest::keyClicks(memo, "typed text");
    EXPECT_EQ(press(window), "L=10*100 мкГн");
}

TEST(ColourWindows, KeepStateAcrossCloseAndReopenAndApartFromEachOther) {
    App program;
    const test::Windows& f = program.forms;
    MessageBoxWatcher boxes;
    QAction* threeBands = f.Form1->findChild<QAction*>("N31");
    test::whileOpen(
        f.Form2, [&] { threeBands->trigger(); },
        [&] {
            clickAll(f.Form2, {"yellow", "violet", "red"});
            EXPECT_EQ(press(f.Form2), "R=4700 Om");
        });
    const QPoint placed = f.Form2->pos();
    test::whileOpen(
        f.Form2, [&] { threeBands->trigger(); },
        [&] {
            EXPECT_EQ(f.Form2->findChild<QPlainTextEdit*>("Memo1")->toPlainText(), "R=4700 Om");
            EXPECT_EQ(shownColour(f.Form2, 1), "yellow");
            EXPECT_EQ(press(f.Form2), "R=4700 Om");
            EXPECT_EQ(f.Form2->pos(), placed);
        });
    // Every other colour window has its own bands.
    for (QDialog* other : {static_cast<QDialog*>(f.Form3), static_cast<QDialog*>(f.Form4),
                           static_cast<QDialog*>(f.Form5), static_cast<QDialog*>(f.Form12),
                           static_cast<QDialog*>(f.Form13)}) {
        Opened open(other);
        EXPECT_EQ(press(other), "");
    }
    EXPECT_EQ(boxes.texts(), QStringList(5, "Не хватает данных в первом столбце!"));
}

TEST(ColourWindows, ThousandsOfOpenCloseCyclesChangeNothing) {
    App program;
    QDialog* window = program.forms.Form3;
    MessageBoxWatcher boxes;
    {
        Opened open(window);
        clickAll(window, {"yellow", "violet", "red", "gold"});
        press(window);
    }
    for (int cycle = 0; cycle < 2000; ++cycle) {
        window->show();
        window->close();
    }
    EXPECT_EQ(window->findChild<QPlainTextEdit*>("Memo1")->toPlainText(), "R=4700 Om+/-5%");
    EXPECT_EQ(shownColour(window, 4), "gold");
    EXPECT_TRUE(boxes.boxes.isEmpty());
}

TEST(ColourWindows, FramesAndClientSizes) {
    App program;
    const test::Windows& f = program.forms;
    const std::pair<QDialog*, QSize> sizes[] = {{f.Form2, {362, 411}},
                                                {f.Form3, {498, 453}},
                                                {f.Form4, {610, 453}},
                                                {f.Form5, {719, 453}},
                                                {f.Form12, {389, 453}}};
    for (const auto& [window, size] : sizes) {
        EXPECT_EQ(window->size(), size);
        EXPECT_EQ(window->minimumSize(), size); // not resizable
        EXPECT_EQ(window->maximumSize(), size);
        EXPECT_TRUE(window->windowFlags().testFlag(Qt::Tool));
    }
    EXPECT_EQ(test::built(f.Form2)->findChild<QWidget*>("RadioGroup3")->geometry(),
              QRect(278, 23, 75, 300));
    EXPECT_EQ(test::built(f.Form5)->findChild<QWidget*>("Memo1")->geometry(),
              QRect(48, 416, 617, 25));
}

// The 4-band inductor window can be resized: its controls stay put, scroll bars appear
// when it is smaller than they need.
TEST(ColourWindows, ResizableInductorWindowScrollsInsteadOfMoving) {
    App program;
    QDialog* window = program.forms.Form13;
    Opened open(window);
    auto* area = window->findChild<QScrollArea*>("ScrollArea");
    ASSERT_TRUE(area);
    QWidget* button = window->findChild<QWidget*>("Button1");
    const QRect before = button->geometry();
    window->resize(800, 700);
    QApplication::processEvents();
    EXPECT_EQ(button->geometry(), before);
    EXPECT_FALSE(area->horizontalScrollBar()->isVisible());
    EXPECT_FALSE(area->verticalScrollBar()->isVisible());
    window->resize(300, 200);
    QApplication::processEvents();
    EXPECT_EQ(button->geometry(), before);
    EXPECT_TRUE(area->horizontalScrollBar()->isVisible());
    EXPECT_TRUE(area->verticalScrollBar()->isVisible());
    window->resize(507, 453);
}

namespace {

// The selectors, button and result box in the order Tab reaches them from band 1.
QStringList tabOrder(QDialog* window, int stops) {
    selector(window, 1)->button(0)->setFocus();
    QStringList order;
    for (int i = 0; i < stops; ++i) {
        QWidget* focused = QApplication::focusWidget();
        QWidget* named = qobject_cast<ui::RadioGroup*>(focused->parentWidget())
                             ? focused->parentWidget()
                             : focused;
        order << named->objectName();
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    return order;
}

} // namespace

TEST(ColourWindows, TabVisitsEachSelectorOnceInTheWindowsOrder) {
    App program;
    QDialog* inductor = program.forms.Form13;
    Opened open(inductor);
    QApplication::setActiveWindow(inductor);
    EXPECT_EQ(tabOrder(inductor, 7),
              (QStringList{"RadioGroup1", "RadioGroup2", "RadioGroup3", "Button1", "Memo1",
                           "RadioGroup4", "RadioGroup1"}));
    QDialog* three = program.forms.Form2;
    Opened second(three);
    QApplication::setActiveWindow(three);
    EXPECT_EQ(tabOrder(three, 6), (QStringList{"RadioGroup1", "RadioGroup2", "RadioGroup3",
                                               "Button1", "Memo1", "RadioGroup1"}));
}

// Arrow keys move the selection within a band and pick as a click does; Space presses.
TEST(ColourWindows, KeyboardPicksAndPresses) {
    App program;
    QDialog* window = program.forms.Form2;
    Opened open(window);
    QApplication::setActiveWindow(window);
    MessageBoxWatcher boxes;
    click(window, 1, "red");
    click(window, 2, "red");
    QRadioButton* red = selector(window, 3)->button(2);
    click(window, 3, "red");
    red->setFocus();
    QTest::keyClick(red, Qt::Key_Down);
    EXPECT_EQ(shownColour(window, 3), "orange");
    auto* button = window->findChild<QPushButton*>("Button1");
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Space);
    EXPECT_EQ(window->findChild<QPlainTextEdit*>("Memo1")->toPlainText(), "R=22.000 Om");
    EXPECT_TRUE(boxes.boxes.isEmpty());
}

// Closing the window while its message box is up loses nothing and breaks nothing.
TEST(ColourWindows, ClosingTheWindowUnderAMessageBoxKeepsItsState) {
    App program;
    QDialog* window = program.forms.Form3;
    Opened open(window);
    clickAll(window, {"red", "red", "red", "gold"});
    int closedUnderBox = 0;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        window->close();
        ++closedUnderBox;
        box->buttons().constFirst()->click();
    });
    closer.start(5);
    click(window, 4, "orange"); // a check message
    window->show();
    click(window, 1, "black"); // another
    window->show();
    press(window); // a line: no box
    closer.stop();
    EXPECT_EQ(closedUnderBox, 2);
    EXPECT_EQ(shownColour(window, 4), "gold");
    EXPECT_EQ(shownColour(window, 1), "red");
    EXPECT_EQ(press(window), "R=2200 Om+/-5%");
}

// Centred by the whole frame on the first showing only (the offscreen platform draws a frame
// 2 pixels wide); the 4-band inductor window starts at its own place.
TEST(ColourWindows, FirstShowingPlacesTheWindowLaterOnesKeepItsPlace) {
    App program;
    QDialog* three = program.forms.Form2;
    const QRect screen = three->screen()->geometry();
    three->show();
    for (const QWidget* window :
         std::initializer_list<const QWidget*>{three, program.forms.Form1}) {
        const QRect frame = window->frameGeometry();
        EXPECT_GT(frame.width(), window->width());
        EXPECT_EQ(frame.topLeft(), QPoint((screen.width() - frame.width()) / 2,
                                          (screen.height() - frame.height()) / 2));
    }
    three->move(10, 20); // the user drags it
    three->close();
    three->show();
    EXPECT_EQ(three->pos(), QPoint(10, 20));
    three->close();
    QDialog* inductor = program.forms.Form13;
    inductor->show();
    EXPECT_EQ(inductor->pos(), QPoint(213, 118));
    inductor->close();
}
