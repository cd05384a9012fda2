// A long session in one process: every window opened and closed 2,000 times through its menu
// item, then 100,000 random picks, typings and presses. Memory must settle and no message box
// may be left open.
#include "app/start_up.h"
#include "support/windows_of.h"
#include "ui/radio_group.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <gtest/gtest.h>
#include <random>

using namespace vantrel;

namespace {

// Answers every message box as soon as it is shown, through the event loop as a user would.
class BoxAnswerer : public QObject {
public:
    int answered = 0;

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        auto* box = qobject_cast<QMessageBox*>(object);
        if (box && event->type() == QEvent::Show) {
            ++answered;
            QMetaObject::invokeMethod(box->buttons().constFirst(), &QAbstractButton::click,
                                      Qt::QueuedConnection);
        }
        return false;
    }
};

long residentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').constFirst().toLong();
    return -1;
}

const QStringList kTexts{"",   "1",     "2",   "3",   "4",   "9",      "8",   "47",
                         "10", "33",    "330", "R",   "K",   "К",      "Е",   "E",
                         "J",  "G",     "Т",   "M",   "x",   "жжж",    "😀",   "\u200F",
                         " ",  "12345", "472", "01C", "4R7", "2A104J", "4n7", "2А104К"};

} // namespace

TEST(Soak, ThousandsOfWindowsAndOperations) {
    const auto main = app::startUp();
    main->show();
    // The windows that their menu items create on first showing are made first.
    for (const char* name : {"SmdCode", "PrintedCapacitorCode"}) {
        QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
        main->findChild<QAction*>(QString::fromLatin1(name))->trigger();
    }
    const test::Windows forms = test::windowsOf(main.get());
    ASSERT_TRUE(forms.SmdCode && forms.PrintedCapacitorCode);
    BoxAnswerer boxes;
    qApp->installEventFilter(&boxes);

    const std::pair<const char*, ui::Window*> items[] = {
        {"N31", forms.Form2},       {"N41", forms.Form3},
        {"N51", forms.Form4},       {"N61", forms.Form5},
        {"N7", forms.Form6},        {"N9", forms.Form8},
        {"N34", forms.Form9},       {"N43", forms.Form10},
        {"N35", forms.Form12},      {"N44", forms.Form13},
        {"SmdCode", forms.SmdCode}, {"PrintedCapacitorCode", forms.PrintedCapacitorCode}};
    for (int cycle = 0; cycle < 2000; ++cycle) {
        for (const auto& [name, window] : items) {
            QTimer::singleShot(0, window, &QWidget::close);
            forms.Form1->findChild<QAction*>(QString::fromLatin1(name))->trigger();
        }
    }

    const QList<ui::Window*> colourWindows{forms.Form2, forms.Form3,  forms.Form4,
                                           forms.Form5, forms.Form12, forms.Form13};
    const QList<ui::Window*> codeWindows{forms.Form8, forms.Form9, forms.Form10, forms.SmdCode,
                                         forms.PrintedCapacitorCode};
    std::mt19937 random(8122026);
    long baseline = 0;
    for (int operation = 0; operation < 100000; ++operation) {
        const auto kind = random() % 20;
        if (kind < 9) { // a pick
            ui::Window* window = colourWindows[static_cast<int>(random() % 6)];
            const auto groups = window->findChildren<ui::RadioGroup*>();
            ui::RadioGroup* group = groups[static_cast<int>(random() % groups.size())];
            group->button(static_cast<int>(random() % group->count()))->click();
        } else if (kind < 14) { // a typing
            ui::Window* window = codeWindows[static_cast<int>(random() % codeWindows.size())];
            const auto edits = window->findChildren<QLineEdit*>();
            edits[static_cast<int>(random() % edits.size())]->setText(
                kTexts[static_cast<int>(random() % kTexts.size())]);
        } else { // a press
            ui::Window* window = random() % 2
                                     ? colourWindows[static_cast<int>(random() % 6)]
                                     : codeWindows[static_cast<int>(random() % codeWindows.size())];
            window->findChild<QPushButton*>(QStringLiteral("Button1"))->click();
        }
        if (operation == 999)
            baseline = residentKilobytes();
    }
    QApplication::processEvents();
    const long after = residentKilobytes();
    std::printf(
        "resident memory: %ld kB after 1,000 operations, %ld kB after 100,000; %d message boxes\n",
        baseline, after, boxes.answered);
    EXPECT_GT(boxes.answered, 1000);
#ifndef __SANITIZE_ADDRESS__ // AddressSanitizer holds freed memory back on purpose; LSan checks
                             // leaks
    EXPECT_LT(after - baseline, 2048);
#endif
    for (QWidget* window : QApplication::topLevelWidgets())
        EXPECT_FALSE(qobject_cast<QMessageBox*>(window) && window->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

int main(int argc, char* argv[]) {
    ::testing::InitGoogleTest(&argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    app::prepareEnvironment(); // the event loop the program runs on
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
