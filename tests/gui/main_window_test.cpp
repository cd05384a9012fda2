// The main window on the real application: windows at start-up, menu, caption and clock.
#include "core/cli/command_line.h"
#include "gui_helpers.h"
#include "qt_test.h"
#include "ui/pictures.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>

using namespace vantrel;
using test::App;

namespace {

QStringList captions(const QWidget* menu) {
    QStringList texts;
    for (const QAction* action : menu->actions())
        texts << action->text();
    return texts;
}

QMenu* submenu(const QWidget* owner, const char* name) {
    return owner->findChild<QMenu*>(QString::fromLatin1(name));
}

void tick(QObject* window, const char* slot, int times = 1) {
    for (int i = 0; i < times; ++i)
        QMetaObject::invokeMethod(window, slot);
}

} // namespace

TEST(StartUp, CreatesThirteenWindowsAndShowsOnlyTheMain) {
    App program;
    const test::Windows& f = program.forms;
    const auto secondary = f.secondary();
    EXPECT_TRUE(f.Form1->isVisible());
    const QStringList expected{"3 полосы",     "4 полосы",          "5 полос",       "6 полос",
                               "О программе",  "Кодовая",           "Кодовая",       "3-мя цифрами",
                               "4-мя цифрами", "Буквенно-цифровая", "Индуктивность", "4 полосы"};
    for (std::size_t i = 0; i < secondary.size(); ++i) {
        EXPECT_FALSE(secondary[i]->isVisible()) << i;
        // Start-up pays for the main window only: the others build their controls when shown.
        EXPECT_TRUE(secondary[i]->findChildren<QWidget*>().isEmpty()) << i;
        EXPECT_EQ(secondary[i]->windowTitle(), expected[i]);
        EXPECT_EQ(secondary[i]->parentWidget(), f.Form1);
    }
    EXPECT_EQ(f.SmdCode, nullptr); // these two are created on their first showing
    EXPECT_EQ(f.PrintedCapacitorCode, nullptr);
    // From start-up until the first ticks the caption and the clock are empty.
    EXPECT_EQ(f.Form1->windowTitle(), "");
    EXPECT_EQ(f.Form1->findChild<QLabel*>("Label1")->text(), "");
}

TEST(MainWindow, FixedSizeClientAreaAndControls) {
    App program;
    app::TForm1& main = *program.forms.Form1;
    EXPECT_EQ(main.centralWidget()->size(), QSize(695, 450));
    EXPECT_EQ(main.minimumSize(), main.maximumSize());
    EXPECT_FALSE(main.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(main.windowFlags() & Qt::WindowMinimizeButtonHint);
    const auto* banner = main.findChild<ui::Picture*>("Image1");
    EXPECT_EQ(banner->geometry(), QRect(0, 180, 697, 69));
    EXPECT_EQ(banner->pixmap().size(), QSize(691, 66));
    const auto* address = main.findChild<QLineEdit*>("Edit1");
    EXPECT_EQ(address->geometry(), QRect(267, 420, 173, 26));
    EXPECT_FALSE(address->isEnabled());
    EXPECT_TRUE(address->isReadOnly());
    EXPECT_FALSE(main.windowIcon().isNull());
}

TEST(MainWindow, MenuItemsInOrderWithTheirAccessKeys) {
    App program;
    const QMenuBar* bar = program.forms.Form1->menuBar();
    EXPECT_EQ(captions(bar), (QStringList{"&Файл", "&Элемент", "О программе"}));
    EXPECT_EQ(captions(submenu(bar, "N1")), QStringList{"&Закрыть"});
    EXPECT_EQ(captions(submenu(bar, "N3")),
              (QStringList{"Резистор", "Конденсатор", "Индуктивность", "Что за маркировка?",
                           "Подобрать из стандартных", "Проверка перечня", "Этикетки"}));
    EXPECT_EQ(captions(submenu(bar, "N4")), (QStringList{"Цветовая", "Кодовая", "&SMD-код"}));
    EXPECT_EQ(captions(submenu(bar, "N8")),
              (QStringList{"&3 полосы", "&4 полосы", "&5 полос", "&6 полос"}));
    EXPECT_EQ(captions(submenu(bar, "N5")), (QStringList{"Кодовая", "Код с буквами"}));
    EXPECT_EQ(captions(submenu(bar, "N33")), (QStringList{"&3-мя цифрами", "&4-мя цифрами"}));
    EXPECT_EQ(captions(submenu(bar, "N11")), (QStringList{"&3 полосы", "&4 полосы"}));
}

// The command line's help names every window: each caption on the way through «&Элемент».
TEST(MainWindow, HelpNamesEveryWindowOfTheMenu) {
    App program;
    const char* argv[] = {"vantrel", "--help"};
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    cli::answerCommandLine(2, argv, in, out, err);
    const QString help = QString::fromStdString(out.str());
    int named = 0;
    const std::function<void(const QMenu*)> walk = [&](const QMenu* menu) {
        for (const QAction* action : menu->actions()) {
            const QString caption = QString(action->text()).remove(u'&');
            EXPECT_TRUE(help.contains(caption)) << caption.toStdString();
            ++named;
            if (action->menu())
                walk(action->menu());
        }
    };
    walk(submenu(program.forms.Form1->menuBar(), "N3"));
    EXPECT_EQ(named, 20);
}

TEST(MainWindow, CaptionScrollsAndWrapsAfter122Ticks) {
    App program;
    app::TForm1* main = program.forms.Form1;
    const QString name = "...:::Vantrel:::...";
    auto* timer = main->findChild<QTimer*>("Timer3");
    EXPECT_EQ(timer->interval(), 1000);
    tick(main, "Timer3Timer");
    EXPECT_EQ(main->windowTitle(), " " + name);
    EXPECT_EQ(timer->interval(), 150);
    tick(main, "Timer3Timer", 120);
    EXPECT_EQ(main->windowTitle(), QString(121, u' ') + name);
    tick(main, "Timer3Timer");
    EXPECT_EQ(main->windowTitle(), name);
    tick(main, "Timer3Timer");
    EXPECT_EQ(main->windowTitle(), " " + name);
    EXPECT_FALSE(main->findChild<QTimer*>("Timer2")->isActive());
}

TEST(MainWindow, CaptionTimerRunsOnItsOwn) {
    App program;
    app::TForm1* main = program.forms.Form1;
    ASSERT_TRUE(QTest::qWaitFor(
        [main] { return main->windowTitle().endsWith("...:::Vantrel:::..."); }, 3000));
    const QString first = main->windowTitle();
    EXPECT_TRUE(QTest::qWaitFor([&] { return main->windowTitle() != first; }, 1000)); // 150 ms
}

TEST(Clock, ShowsDateAndTimeOrTheDateAloneAtMidnight) {
    const QLocale russian(QLocale::Russian, QLocale::Russia);
    const QDate day(2026, 12, 8);
    EXPECT_EQ(app::TForm1::clockText(QDateTime(day, QTime(14, 5, 9)), russian),
              "Сейчас: 08.12.2026 14:05:09");
    EXPECT_EQ(app::TForm1::clockText(QDateTime(day, QTime(0, 0, 0, 999)), russian),
              "Сейчас: 08.12.2026");
    EXPECT_EQ(app::TForm1::clockText(QDateTime(day, QTime(0, 0, 1)), russian),
              "Сейчас: 08.12.2026 00:00:01");
    const QString american = app::TForm1::clockText(
        QDateTime(day, QTime(14, 5, 9)), QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(american, "Сейчас: 12/8/26 2:05:09 PM");
}

TEST(Clock, TickWritesTheLabelFromTheInjectedTime) {
    App program;
    app::TForm1* main = program.forms.Form1;
    main->setClock([] { return QDateTime(QDate(2026, 1, 2), QTime(0, 0)); });
    tick(main, "Timer1Timer");
    auto* label = main->findChild<QLabel*>("Label1");
    EXPECT_EQ(label->text(),
              "Сейчас: " + QLocale().toString(QDate(2026, 1, 2), QLocale::ShortFormat));
    EXPECT_EQ(label->pos(), QPoint(512, 421));
    EXPECT_GT(label->width(), 60); // the label grows to its text
}

TEST(MainWindow, CloseCommandClosesTheMainWindow) {
    App program;
    app::TForm1* main = program.forms.Form1;
    QAction* close = main->findChild<QAction*>("N12");
    ASSERT_TRUE(close);
    close->trigger();
    EXPECT_FALSE(main->isVisible());
}

TEST(MainWindow, MenuOpensEachWindowModally) {
    App program;
    const test::Windows& f = program.forms;
    const std::pair<const char*, QDialog*> items[] = {
        {"N31", f.Form2},  {"N41", f.Form3}, {"N51", f.Form4}, {"N61", f.Form5},
        {"N7", f.Form6},   {"N9", f.Form8},  {"N34", f.Form9}, {"N43", f.Form10},
        {"N35", f.Form12}, {"N44", f.Form13}};
    for (const auto& [name, window] : items) {
        SCOPED_TRACE(name);
        QAction* action = f.Form1->findChild<QAction*>(name);
        ASSERT_TRUE(action);
        test::whileOpen(
            window, [action] { action->trigger(); },
            [&] {
                EXPECT_TRUE(window->isModal());
                EXPECT_FALSE(f.Form7->isVisible());
                EXPECT_FALSE(f.Form11->isVisible());
            });
    }
}
