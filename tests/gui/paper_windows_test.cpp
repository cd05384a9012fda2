// Paper in the windows: a drawn band set against the band colour table, pixel by pixel; the
// sorting sheet saved from «Проверка перечня»; «Этикетки» after it in the menu, reading values
// typed, own values and parts lists, keeping them across showings, and an unwritable file.
#include "core/paper/content.h"
#include "core/paper/layout.h"
#include "gui_helpers.h"
#include "paper/drawing.h"
#include "ui/band_colours.h"
#include "ui/radio_group.h"
#include "windows/own_values.h"
#include "windows/print_module.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLibrary>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

using namespace vantrel;
using test::App;
using test::showThrough;

namespace {

QAction* labelsItem(const App& program) {
    return program.forms.Form1->findChild<QAction*>("Labels");
}

bool isPdf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(5) == "%PDF-" && file.size() > 1000;
}

void waitForTable(QWidget* window) {
    while (window->property("reading").toBool())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
}

// Drawn at 20 pixels a millimetre, the middle of each band is the table's colour for the
// colour the code gives that digit, multiplier or tolerance.
TEST(PaperDrawing, BandsArePaintedInTheTableColours) {
    struct Case {
        const char* value;
        std::vector<int> colours; // black 0 ... white 9, silver 10, gold 11
    };
    const Case cases[] = {
        {"4k7 5%", {4, 7, 2, 11}},    // yellow violet red gold
        {"10k 1%", {1, 0, 0, 2, 1}},  // brown black black red brown
        {"0R56 10%", {5, 6, 10, 10}}, // green blue silver silver
        {"820k 2%", {8, 2, 4, 2}},    // grey red yellow red
        {"39 Ом 2%", {3, 9, 0, 2}},   // orange white black red
    };
    constexpr double kPerMillimetre = 20;
    const paper::Rect body{5, 5, 40, 7};
    for (const Case& c : cases) {
        const auto read = paper::readLabelValues(c.value, "test");
        const auto* values = std::get_if<std::vector<value::Reading>>(&read);
        ASSERT_TRUE(values && values->size() == 1) << c.value;
        const paper::Label label = paper::labelOf(values->front());
        ASSERT_FALSE(label.markings.bands.empty()) << c.value;
        const marking::Marking& bands = label.markings.bands.front();
        ASSERT_EQ(bands.colours, c.colours) << c.value;
        QImage image(60 * kPerMillimetre, 20 * kPerMillimetre, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            paper::Canvas canvas(painter, kPerMillimetre);
            paper::drawBands(canvas, body, {5, 12.5, 40, 5}, bands);
        }
        const auto rects = paper::bandRects(body, c.colours.size(), bands.toleranceBand);
        for (std::size_t i = 0; i < rects.size(); ++i) {
            const QPoint middle(
                static_cast<int>((rects[i].left + rects[i].width / 2) * kPerMillimetre),
                static_cast<int>((rects[i].top + rects[i].height / 2) * kPerMillimetre));
            EXPECT_EQ(image.pixel(middle),
                      ui::kBandColours[static_cast<std::size_t>(c.colours[i])].rgb | 0xff000000u)
                << c.value << " band " << i + 1;
        }
    }
}

TEST(CheckWindow, SavesTheSortingSheetOfTheListShown) {
    App program;
    QTemporaryDir folder;
    bool enabledBefore = true, enabledAfter = false, saved = false;
    showThrough(program.forms.Form1->findChild<QAction*>("CheckList"), [&](QDialog* shown) {
        auto* window = static_cast<windows::CheckWindow*>(shown);
        auto* button = window->findChild<QPushButton*>("SavePdf");
        enabledBefore =
            button->isEnabled() || window->findChild<QPushButton*>("Print")->isEnabled();
        window->openList(QStringLiteral(VANTREL_LISTS "/workshop.txt"));
        waitForTable(window);
        enabledAfter = button->isEnabled() && window->findChild<QPushButton*>("Print")->isEnabled();
        saved = window->savePdf(folder.filePath(QStringLiteral("sheet.pdf")));
        EXPECT_EQ(window->sheetDocument().pages, 2);
        EXPECT_TRUE(window->sheetDocument().title.endsWith(QStringLiteral("workshop.txt")));
    });
    EXPECT_FALSE(enabledBefore);
    EXPECT_TRUE(enabledAfter);
    EXPECT_TRUE(saved);
    EXPECT_TRUE(isPdf(folder.filePath(QStringLiteral("sheet.pdf"))));
}

TEST(LabelsWindow, LastMenuItemReadsValuesAndKeepsThem) {
    App program;
    QAction* item = labelsItem(program);
    ASSERT_TRUE(item);
    EXPECT_EQ(item->text(), "Этикетки");
    EXPECT_EQ(program.forms.Form1->findChild<QMenu*>("N3")->actions().last(), item);
    struct Typed {
        const char* text;
        std::size_t labels;
        const char* summary;
    };
    const Typed typed[] = {
        {"", 0, "Впишите номиналы"},
        {"10k 1% 0603\n4,7 мкФ 25В; 220", 3, "Этикеток: 3, листов: 1"},
        {"220\nLM358", 0, "номиналы, строка 2"},
        {"1k;2k;3k;4k;5k;6k;7k;8k;9k;10k;11k;12k;13k;14k;15k;16k;17k;18k;19k;20k;21k;22k;23k;"
         "24k;25k",
         25, "Этикеток: 25, листов: 2"},
    };
    QDialog* window = showThrough(item, [&](QDialog* shown) {
        auto* values = shown->findChild<QPlainTextEdit*>("Values");
        auto* summary = shown->findChild<QLabel*>("Summary");
        for (const Typed& t : typed) {
            values->setPlainText(QString::fromUtf8(t.text)); // as pasted
            // Read once typing pauses.
            QElapsedTimer waited;
            waited.start();
            while (waited.elapsed() < 2000 &&
                   !summary->text().startsWith(QString::fromUtf8(t.summary)))
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            const auto* labels = static_cast<windows::LabelsWindow*>(shown);
            EXPECT_EQ(labels->labels().size(), t.labels) << t.text;
            EXPECT_TRUE(summary->text().startsWith(QString::fromUtf8(t.summary)))
                << summary->text().toStdString();
            EXPECT_EQ(shown->findChild<QPushButton*>("SavePdf")->isEnabled(), t.labels > 0);
        }
        shown->findChild<ui::RadioGroup*>("Sheet")->button(2)->click(); // 5 × 13
        shown->findChild<ui::RadioGroup*>("Code")->button(1)->click();  // with QR codes
        EXPECT_EQ(static_cast<windows::LabelsWindow*>(shown)->document().pages, 1);
    });
    // Shown again, it is the same window with the same values, sheet and code.
    showThrough(item, [&](QDialog* shown) {
        EXPECT_EQ(shown, window);
        EXPECT_EQ(static_cast<windows::LabelsWindow*>(shown)->labels().size(), 25u);
        EXPECT_EQ(shown->findChild<ui::RadioGroup*>("Sheet")->itemIndex(), 2);
        EXPECT_EQ(shown->findChild<ui::RadioGroup*>("Code")->itemIndex(), 1);
    });
}

TEST(LabelsWindow, OwnValuesAPartsListAndWhatCannotBeRead) {
    App program; // with no own values kept
    ASSERT_TRUE(windows::keepOwnValues(QStringLiteral("4k7; 10k\n100n")));
    QTemporaryDir folder;
    const QString binary = folder.filePath(QStringLiteral("binary.csv"));
    {
        QFile file(binary);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("\x89PNG\r\n\x1a\n\0\0\0", 11));
    }
    test::MessageBoxWatcher watcher;
    showThrough(labelsItem(program), [&](QDialog* shown) {
        auto* window = static_cast<windows::LabelsWindow*>(shown);
        window->findChild<QPushButton*>("Own")->click();
        QCoreApplication::processEvents();
        EXPECT_EQ(window->findChild<QPlainTextEdit*>("Values")->toPlainText(), "4k7; 10k\n100n");
        EXPECT_TRUE(window->savePdf(folder.filePath(QStringLiteral("own.pdf"))));
        EXPECT_EQ(window->labels().size(), 3u);
        // A parts list gives one line a value, in the order of the sorting sheet.
        EXPECT_TRUE(window->takeList(QStringLiteral(VANTREL_LISTS "/workshop.txt")));
        const QStringList lines = window->findChild<QPlainTextEdit*>("Values")->toPlainText().split(
            u'\n', Qt::SkipEmptyParts);
        EXPECT_EQ(lines.size(), 10);
        EXPECT_EQ(lines.value(0), "220 Ом");
        EXPECT_EQ(lines.value(4), "47 кОм, 0805 (2012 мм)");
        EXPECT_EQ(window->labels().size(), 10u);
        // What cannot be read or written gets the "Error" box, and the values stay.
        EXPECT_FALSE(window->takeList(binary));
        EXPECT_FALSE(window->savePdf(folder.filePath(QStringLiteral("нет/labels.pdf"))));
        EXPECT_EQ(window->labels().size(), 10u);
    });
    EXPECT_TRUE(isPdf(folder.filePath(QStringLiteral("own.pdf"))));
    ASSERT_EQ(watcher.boxes.size(), 2);
    for (const test::SeenBox& box : watcher.boxes) {
        EXPECT_EQ(box.title, "Error");
        EXPECT_EQ(box.buttons, QStringList{"&Yes"});
    }
    EXPECT_TRUE(watcher.boxes[0].text.endsWith(": в файле двоичные данные, а не текст"));
    EXPECT_TRUE(watcher.boxes[1].text.contains(QStringLiteral("не удалось записать")));
}

// The print module's one function shows the system's print dialog over the window, and
// prints nothing when the dialog is cancelled.
TEST(PrintModule, ShowsThePrintDialogAndPrintsNothingWhenCancelled) {
    App program;
    QLibrary module(QStringLiteral(VANTREL_PRINT_MODULE));
    ASSERT_TRUE(module.load()) << module.errorString().toStdString();
    const auto print =
        reinterpret_cast<windows::PrintFunction>(module.resolve(windows::kPrintFunction));
    ASSERT_TRUE(print);
    QString title;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog)
            return;
        title = dialog->windowTitle();
        static_cast<QDialog*>(dialog)->reject();
    });
    int drawn = 0;
    EXPECT_FALSE(print(program.forms.Form1,
                       {QStringLiteral("Этикетки"), paper::pageLayoutOf(paper::Paper::A4), 2,
                        [&](QPainter&, int) { ++drawn; }}));
    EXPECT_EQ(title, "Печать");
    EXPECT_EQ(drawn, 0);
}

} // namespace
