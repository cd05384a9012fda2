// «Проверка перечня» on the real application: the item after «Подобрать из стандартных», a list
// opened and dropped, its lines and findings in the table, the markings of the line picked, what
// the window keeps, a file that is no list, and the own values the finder keeps.
#include "core/cli/check_answers.h"
#include "gui_helpers.h"
#include "qt_test.h"
#include "ui/radio_group.h"
#include "windows/own_values.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTableView>
#include <QTemporaryFile>
#include <QTimer>
#include <gtest/gtest.h>

using namespace vantrel;
using test::App;
using test::showThrough;

namespace {

const QString kKicad = QStringLiteral(VANTREL_LISTS "/kicad.csv");

QAction* menuItem(const App& program) {
    return program.forms.Form1->findChild<QAction*>("CheckList");
}

// The table once the file is read: each row's cells joined by '|', with '!' in front of a row
// marked as found.
QStringList table(QWidget* window) {
    while (window->property("reading").toBool())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    const QAbstractItemModel* model = window->findChild<QTableView*>("Lines")->model();
    QStringList rows;
    for (int row = 0; row < model->rowCount(); ++row) {
        QString text = model->index(row, 0).data(Qt::BackgroundRole) == QColor(255, 208, 208)
                           ? QStringLiteral("!")
                           : QString();
        for (int column = 0; column < model->columnCount(); ++column)
            text += (column ? "|" : "") + model->index(row, column).data().toString();
        rows << text;
    }
    return rows;
}

void pick(QWidget* window, int row) {
    auto* lines = window->findChild<QTableView*>("Lines");
    lines->setCurrentIndex(lines->model()->index(row, 0));
}

} // namespace

TEST(CheckWindow, MenuItemShowsTheListAndKeepsIt) {
    App program;
    QAction* item = menuItem(program);
    ASSERT_TRUE(item);
    EXPECT_EQ(item->text(), "Проверка перечня");
    const QList<QAction*> element = program.forms.Form1->findChild<QMenu*>("N3")->actions();
    EXPECT_EQ(element[element.size() - 2], item);
    EXPECT_EQ(element.last()->objectName(), "Labels");
    QStringList rows, firstFindings, markings;
    QString label;
    QDialog* window = showThrough(item, [&](QDialog* shown) {
        EXPECT_EQ(shown->windowTitle(), "Проверка перечня");
        static_cast<windows::CheckWindow*>(shown)->openList(kKicad);
        rows = table(shown);
        pick(shown, 0);
        label = shown->findChild<QLabel*>("MarkingsLabel")->text();
        markings = test::rows(shown, "Markings");
        QTest::mouseClick(shown->findChild<ui::RadioGroup*>("Order")->button(1), Qt::LeftButton);
        firstFindings = table(shown);
    });
    ASSERT_EQ(rows.size(), 15);
    EXPECT_EQ(rows[0], "!2|R1,R2|2|2k2|RC0603FR-0710KL|R_0603_1608Metric|2,2 кОм|номер детали "
                       "RC0603FR-0710KL: 10 кОм, а в номинале 2,2 кОм");
    EXPECT_EQ(rows[5], "7|R6|1|470||R_0603_1608Metric|470 Ом|");
    EXPECT_EQ(rows[13], "15|R11|1|22k||R_0603_1608Metric|не устанавливается (DNP)|");
    EXPECT_EQ(rows.filter(QRegularExpression("^!")).size(), 9);
    EXPECT_EQ(label, "Так маркируют 2,2 кОм (строка 2):");
    EXPECT_TRUE(markings.contains("SMD, 3 цифры: 222"));
    // Those with findings first, each group in the file's order.
    ASSERT_EQ(firstFindings.size(), 15);
    EXPECT_TRUE(firstFindings[8].startsWith("!11|C5|"));
    EXPECT_TRUE(firstFindings[9].startsWith("7|R6|"));
    // Shown again, it holds the same list in the same order.
    QStringList again;
    showThrough(item, [&](QDialog* shown) {
        EXPECT_EQ(shown, window);
        again = table(shown);
    });
    EXPECT_EQ(again, firstFindings);
}

TEST(CheckWindow, AFileDroppedIsOpened) {
    App program;
    auto* window =
        test::built(program.forms.CheckList ? program.forms.CheckList
                                            : new windows::CheckWindow(program.forms.Form1));
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QStringLiteral(VANTREL_LISTS "/assembly.csv"))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window, &drop);
    const QStringList rows = table(window);
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[0], "2|R1,R2,R3||10k|C25804|0603|10 кОм|");
    EXPECT_EQ(window->findChild<QLabel*>("Summary")->text(),
              "таблица для сборки (Comment, Designator, Footprint); строк: 3, с замечаниями: 0");
}

// The lists people have, in the window as on the command line: EasyEDA's in UTF-16, a plain
// list with values as Russian lists write them, and the designator deciding a bare value.
TEST(CheckWindow, ListsAsPeopleHaveThem) {
    App program;
    auto* window = test::built(new windows::CheckWindow(program.forms.Form1));
    window->openList(QStringLiteral(VANTREL_LISTS "/easyeda_std.csv"));
    QStringList rows = table(window);
    ASSERT_EQ(rows.size(), 6);
    EXPECT_EQ(rows[0], "2|R1,R2|2|10kΩ|0603WAF1002T5E|R0603|10 кОм|");
    EXPECT_EQ(rows[3], "5|L1|1|4.7uH|C83367|IND-SMD_L4.0-W4.0|4,7 мкГн|");
    EXPECT_EQ(window->findChild<QLabel*>("Summary")->text(),
              "таблица EasyEDA, UTF-16; строк: 6, с замечаниями: 0");
    window->openList(QStringLiteral(VANTREL_LISTS "/plain_semicolons.txt"));
    rows = table(window);
    ASSERT_EQ(rows.size(), 10);
    EXPECT_EQ(rows[0], "1|R1||10 кОм|||10 кОм|");
    EXPECT_EQ(rows[2], "3|C1 - C3||100 nF|||100 нФ|");
    EXPECT_EQ(rows[9], "10|C5||1000uF 6V3|||1000 мкФ, 6,3 В|");
    EXPECT_EQ(rows.filter(QRegularExpression("^!")).size(), 0);
}

// A long list is read on the window's own thread: opening it returns at once, and the window
// goes on answering while it is read.
TEST(CheckWindow, StaysResponsiveWhileALongListIsRead) {
    App program;
    QTemporaryFile file;
    ASSERT_TRUE(file.open());
    file.write("Reference,Value,Footprint\n");
    for (int line = 1; line <= 12'000; ++line)
        file.write(
            QStringLiteral("C%1,%2n,C_0603_1608Metric\n").arg(line).arg(line % 90 + 10).toUtf8());
    file.close();
    auto* window = test::built(new windows::CheckWindow(program.forms.Form1));
    QElapsedTimer clock;
    clock.start();
    window->openList(file.fileName());
    const qint64 opening = clock.elapsed();
    const bool readingAfterOpening = window->property("reading").toBool();
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(5);
    const QStringList rows = table(window);
    EXPECT_LT(opening, 50);
    EXPECT_TRUE(readingAfterOpening);
    EXPECT_GT(ticks, 1); // the event loop ran while the list was read
    EXPECT_EQ(rows.size(), 12'000);
}

TEST(CheckWindow, AFileThatIsNoListIsNamedInAnErrorBox) {
    App program;
    QTemporaryFile file;
    ASSERT_TRUE(file.open());
    file.write(QByteArray("\x89PNG\r\n\x1a\n\0\0\0", 11));
    file.close();
    test::MessageBoxWatcher watcher;
    QStringList rows;
    showThrough(menuItem(program), [&](QDialog* shown) {
        static_cast<windows::CheckWindow*>(shown)->openList(kKicad);
        table(shown);
        static_cast<windows::CheckWindow*>(shown)->openList(file.fileName());
        rows = table(shown);
    });
    EXPECT_TRUE(rows.isEmpty());
    ASSERT_EQ(watcher.boxes.size(), 1);
    EXPECT_EQ(watcher.boxes[0].title, "Error");
    EXPECT_EQ(watcher.boxes[0].buttons, QStringList{"&Yes"});
    EXPECT_TRUE(watcher.boxes[0].text.endsWith(": в файле двоичные данные, а не текст"));
}

// The finder keeps the builder's own values where --stock finds them, loads them on the next
// first showing, and «Проверка перечня» checks against them when asked.
TEST(CheckWindow, OwnValuesKeptByTheFinderAreTheStock) {
    EXPECT_EQ(windows::ownValuesPath().toStdString(), cli::ownValuesFile().value_or(""));
    App program;
    showThrough(program.forms.Form1->findChild<QAction*>("Combine"), [](QDialog* shown) {
        auto* memo = shown->findChild<QPlainTextEdit*>("OwnValues");
        memo->setFocus();
        test::typeInto(memo, "10k; 4k7\n2k2");
    });
    EXPECT_EQ(windows::readOwnValues(), "10k; 4k7\n2k2");
    QStringList rows;
    showThrough(menuItem(program), [&](QDialog* shown) {
        QTest::mouseClick(shown->findChild<ui::RadioGroup*>("Stock")->button(1), Qt::LeftButton);
        static_cast<windows::CheckWindow*>(shown)->openList(kKicad);
        rows = table(shown);
    });
    ASSERT_EQ(rows.size(), 15);
    EXPECT_TRUE(rows[0].endsWith("2,2 кОм|номер детали RC0603FR-0710KL: 10 кОм, а в номинале "
                                 "2,2 кОм"));
    EXPECT_TRUE(rows[5].endsWith("|470 Ом|нет среди своих номиналов: 470 Ом"));

    App next; // a new run: the list is as it was left
    ASSERT_TRUE(windows::keepOwnValues(QStringLiteral("1k")));
    QString list;
    showThrough(next.forms.Form1->findChild<QAction*>("Combine"), [&](QDialog* shown) {
        list = shown->findChild<QPlainTextEdit*>("OwnValues")->toPlainText();
    });
    EXPECT_EQ(list, "1k");
}
