// «Что за маркировка?» on the real application: the last item of the «Элемент» menu, readings
// as the text is typed, the selected reading's markings with their colour swatches, the
// nearest standard values, and the keyboard and the screen reader.
#include "gui_helpers.h"
#include "qt_test.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <gtest/gtest.h>

using namespace vantrel;
using test::App;
using test::rows;
using test::showThrough;

namespace {

QString heading(const QWidget* window) { // «Так маркируют …:»
    return window->findChild<QLabel*>("Label3")->text();
}

QListWidget* list(const QWidget* window, const char* name) {
    return window->findChild<QListWidget*>(QString::fromLatin1(name));
}

void click(QListWidget* list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

QAction* menuItem(const App& program) {
    return program.forms.Form1->findChild<QAction*>("AnyMarking");
}

const QString kPartsBand = " + полоса допуска детали";
const QStringList k4k7 = {"4 полосы: Жёлт. Фиол. Крас." + kPartsBand,
                          "5 полос: Жёлт. Фиол. Чёрн. Кор." + kPartsBand, "SMD, 3 цифры: 472",
                          "SMD, 4 цифры: 4701", "Буквенный код: 4K7"};

} // namespace

// The item comes last in «Элемент», with no access key; the window is created on its first
// showing, named for a screen reader, and keeps its text and readings when shown again.
// Enter in the box changes nothing.
TEST(AnyMarkingWindow, LastMenuItemShowsItAndKeepsIt) {
    App program;
    app::TForm1* main = program.forms.Form1;
    QAction* item = menuItem(program);
    ASSERT_TRUE(item);
    EXPECT_EQ(item->text(), "Что за маркировка?");
    // After the windows of the bands and the codes; «Подобрать из стандартных», «Проверка
    // перечня» and «Этикетки» follow.
    const QList<QAction*> element = main->findChild<QMenu*>("N3")->actions();
    EXPECT_EQ(element.indexOf(item), element.size() - 4);
    EXPECT_EQ(element[element.size() - 3]->objectName(), "Combine");
    EXPECT_EQ(element[element.size() - 2]->objectName(), "CheckList");
    EXPECT_EQ(element.last()->objectName(), "Labels");
    EXPECT_TRUE(main->findChildren<marking::AnyMarkingWindow*>().isEmpty());

    QStringList readings, afterEnter;
    bool visibleAfterEnter = false;
    QDialog* window = showThrough(item, [&](QDialog* shown) {
        EXPECT_EQ(shown->windowTitle(), "Что за маркировка?");
        EXPECT_EQ(QApplication::focusWidget(), shown->findChild<QLineEdit*>("Edit1"));
        test::type(shown, "Edit1", "472");
        readings = rows(shown, "Readings1");
        QTest::keyClick(shown->findChild<QLineEdit*>("Edit1"), Qt::Key_Return);
        visibleAfterEnter = shown->isVisible();
        afterEnter = rows(shown, "Readings1");
    });
    ASSERT_TRUE(window);
    EXPECT_EQ(readings,
              (QStringList{"Резистор, SMD-код: 4,7 кОм; Ряд E6", "Конденсатор, код: 4,7 нФ; Ряд E6",
                           "Катушка индуктивности, код: 4,7 мГн; Ряд E6"}));
    EXPECT_TRUE(visibleAfterEnter);
    EXPECT_EQ(afterEnter, readings);

    QString keptText;
    QStringList keptReadings, keptMarkings;
    EXPECT_EQ(showThrough(item,
                          [&](QDialog* shown) {
                              keptText = shown->findChild<QLineEdit*>("Edit1")->text();
                              keptReadings = rows(shown, "Readings1");
                              keptMarkings = rows(shown, "Markings1");
                          }),
              window);
    EXPECT_EQ(keptText, "472");
    EXPECT_EQ(keptReadings, readings);
    EXPECT_EQ(keptMarkings, k4k7);
    EXPECT_EQ(window->parentWidget(), main);
    EXPECT_EQ(main->findChildren<marking::AnyMarkingWindow*>().size(), 1);

    const auto name = [&](const char* control) { return test::accessibleName(window, control); };
    EXPECT_EQ(name("Edit1"), "Введите маркировку или номинал");
    EXPECT_EQ(name("Readings1"), "Прочтения");
    EXPECT_EQ(name("Markings1"), "Так маркируют 4,7 кОм:");
    EXPECT_EQ(name("Neighbours1"), "Ближайшие стандартные номиналы");
}

// Each text, as typed: every reading, and the markings of the first one; a tolerance that a
// band gives is marked, any other is left to the part.
TEST(AnyMarkingWindow, ReadingsFollowTheTextAndTheFirstOnesMarkingsShow) {
    App program;
    const struct {
        QString text;
        QStringList readings;
        QString heading;
        QStringList markings;
    } cases[] = {
        {"472",
         {"Резистор, SMD-код: 4,7 кОм; Ряд E6", "Конденсатор, код: 4,7 нФ; Ряд E6",
          "Катушка индуктивности, код: 4,7 мГн; Ряд E6"},
         "Так маркируют 4,7 кОм:",
         k4k7},
        {"2А104J", // a Cyrillic А
         {"Конденсатор, код: 100 нФ ±5 %, 100 В; Ряд E6"},
         "Так маркируют 100 нФ:",
         {"Трёхзначный код: 104", "Буква вместо запятой: 100n", "Буква вместо запятой: µ1",
          "SMD-конденсатор, EIA-198: A5"}},
        {"107C", // a tantalum's band is its + lead
         {"Конденсатор, код тантала: 100 мкФ, 16 В; Ряд E6; полоса у вывода +, у алюминиевого — у "
          "−"},
         "Так маркируют 100 мкФ:",
         {"Буква вместо запятой: 100µ", "Тантал, код и напряжение: 107C"}},
        {"X7R", // a dielectric has no value to mark
         {"Конденсатор, диэлектрик: X7R, класс 2: от -55 до +125 °C, изменение ёмкости ±15 %"},
         "",
         {"Эта маркировка не даёт номинала"}},
        {"кор чёрн оранж зол",
         {"Резистор, цветные полосы: 10 кОм ±5 %; Ряд E6",
          "Катушка индуктивности, цветные полосы: 10 мГн ±5 %; Ряд E6"},
         "Так маркируют 10 кОм:",
         {"4 полосы: Кор. Чёрн. Оранж. Золот.", "5 полос: Кор. Чёрн. Чёрн. Крас. Золот.",
          "SMD, 3 цифры: 103", "SMD, 4 цифры: 1002", "EIA-96: 01C", "Буквенный код: 10K"}},
        {"68R",
         {"Резистор, SMD-код: 68 Ом; Ряд E6",
          "Резистор, EIA-96 с буквами R, S, H: 4,99 Ом ±1 %; Ряд E96",
          "Конденсатор, код: 68 пФ; Ряд E6", "Катушка индуктивности, код: 68 мкГн; Ряд E6"},
         "Так маркируют 68 Ом:",
         {"4 полосы: Гол. Сер. Чёрн." + kPartsBand, "5 полос: Гол. Сер. Чёрн. Золот." + kPartsBand,
          "SMD, 3 цифры: 680", "SMD с R: 68R0", "Буквенный код: 68R"}},
        {"4,7 кОм",
         {"Резистор, номинал с единицей: 4,7 кОм; Ряд E6"},
         "Так маркируют 4,7 кОм:",
         k4k7},
        {"hello", {"Нет прочтения"}, "", {}},
        {"", {}, "", {}},
    };
    showThrough(menuItem(program), [&](QDialog* shown) {
        for (const auto& c : cases) {
            test::type(shown, "Edit1", c.text);
            EXPECT_EQ(rows(shown, "Readings1"), c.readings) << c.text.toStdString();
            EXPECT_EQ(heading(shown), c.heading) << c.text.toStdString();
            EXPECT_EQ(rows(shown, "Markings1"), c.markings) << c.text.toStdString();
            EXPECT_TRUE(list(shown, "Readings1")->selectedItems().size() <= 1);
        }
        // «Нет прочтения» says so and cannot be picked.
        test::type(shown, "Edit1", "hello");
        EXPECT_TRUE(list(shown, "Readings1")->selectedItems().isEmpty());
        EXPECT_FALSE(list(shown, "Readings1")->item(0)->flags() & Qt::ItemIsSelectable);
    });
}

// The arrow keys and the mouse pick a reading; Tab goes from the box to the readings and on to
// the markings; Escape closes the window.
TEST(AnyMarkingWindow, ReadingsArePickedByArrowsAndMouse) {
    App program;
    QStringList headings;
    QStringList inductorMarkings;
    QWidget* afterTab = nullptr;
    bool visibleAfterEscape = true;
    QDialog* window = showThrough(menuItem(program), [&](QDialog* shown) {
        test::type(shown, "Edit1", "472");
        QListWidget* readings = list(shown, "Readings1");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), readings);
        QTest::keyClick(readings, Qt::Key_Down);
        headings << heading(shown);
        QTest::keyClick(readings, Qt::Key_Down);
        headings << heading(shown);
        inductorMarkings = rows(shown, "Markings1");
        click(readings, 0);
        headings << heading(shown);
        QTest::keyClick(readings, Qt::Key_Tab);
        afterTab = QApplication::focusWidget();
        QTest::keyClick(afterTab, Qt::Key_Escape);
        visibleAfterEscape = shown->isVisible();
    });
    ASSERT_TRUE(window);
    EXPECT_EQ(
        headings,
        (QStringList{"Так маркируют 4,7 нФ:", "Так маркируют 4,7 мГн:", "Так маркируют 4,7 кОм:"}));
    EXPECT_EQ(inductorMarkings,
              (QStringList{"4 полосы: Жёлт. Фиол. Крас." + kPartsBand, "Трёхзначный код: 472"}));
    EXPECT_EQ(afterTab, list(window, "Markings1"));
    EXPECT_FALSE(visibleAfterEscape);
}

// A value in no series shows its two nearest standard values; picking one shows its markings,
// picking the reading again shows the value's own. A value in a series shows none.
TEST(AnyMarkingWindow, NearestStandardValuesShowTheirOwnMarkings) {
    App program;
    QStringList neighbours, headings, firstMarkings;
    bool shownFor48 = false, shownFor47 = true, readingPickedAfterNeighbour = true;
    showThrough(menuItem(program), [&](QDialog* shown) {
        QListWidget* nearest = list(shown, "Neighbours1");
        test::type(shown, "Edit1", "4,8 кОм");
        shownFor48 = nearest->isVisible();
        neighbours = rows(shown, "Neighbours1");
        headings << heading(shown);
        firstMarkings << rows(shown, "Markings1").value(0);
        click(nearest, 1);
        headings << heading(shown);
        firstMarkings << rows(shown, "Markings1").value(0);
        readingPickedAfterNeighbour = !list(shown, "Readings1")->selectedItems().isEmpty();
        click(list(shown, "Readings1"), 0);
        headings << heading(shown);
        EXPECT_TRUE(nearest->selectedItems().isEmpty());
        test::type(shown, "Edit1", "4,7 кОм");
        shownFor47 = nearest->isVisible();
    });
    EXPECT_TRUE(shownFor48);
    EXPECT_EQ(neighbours, (QStringList{"4,7 кОм", "5,1 кОм"}));
    EXPECT_EQ(headings, (QStringList{"Так маркируют 4,8 кОм:", "Так маркируют 5,1 кОм:",
                                     "Так маркируют 4,8 кОм:"}));
    EXPECT_EQ(firstMarkings, (QStringList{"4 полосы: Жёлт. Сер. Крас." + kPartsBand,
                                          "4 полосы: Зел. Кор. Крас." + kPartsBand}));
    EXPECT_FALSE(readingPickedAfterNeighbour);
    EXPECT_FALSE(shownFor47);
}

// A band marking's swatches are its colours, left to right, in the colour windows' legend
// colours; a code has none.
TEST(AnyMarkingWindow, BandMarkingsAreDrawnAsSwatches) {
    App program;
    QImage bands, code;
    showThrough(menuItem(program), [&](QDialog* shown) {
        test::type(shown, "Edit1", "кор чёрн оранж зол");
        QListWidget* markings = list(shown, "Markings1");
        bands = markings->item(0)->icon().pixmap(markings->iconSize()).toImage();
        code = markings->item(2)->icon().pixmap(markings->iconSize()).toImage();
    });
    ASSERT_FALSE(bands.isNull());
    const QRgb expected[] = {qRgb(128, 0, 0), qRgb(0, 0, 0), qRgb(255, 128, 64),
                             qRgb(255, 255, 128)};
    for (int band = 0; band < 4; ++band)
        EXPECT_EQ(bands.pixel(band * bands.width() / 5 + 6, bands.height() / 2), expected[band])
            << band;
    EXPECT_EQ(qAlpha(bands.pixel(4 * bands.width() / 5 + 6, bands.height() / 2)), 0);
    EXPECT_EQ(qAlpha(code.pixel(6, code.height() / 2)), 0);
}

// Any text of any length and script, pasted at once, leaves the window reading the next one.
TEST(AnyMarkingWindow, AnyPastedTextIsHarmless) {
    App program;
    QStringList afterLong, afterMixed, afterCode;
    showThrough(menuItem(program), [&](QDialog* shown) {
        auto* box = shown->findChild<QLineEdit*>("Edit1");
        box->setText(QString(100'000, u'4'));
        afterLong = rows(shown, "Readings1");
        box->setText(QString::fromUtf8("472 \u202E\U0001F600 кор\t") + QChar(0) + "чёрн");
        afterMixed = rows(shown, "Readings1");
        test::type(shown, "Edit1", "4K7");
        afterCode = rows(shown, "Readings1");
    });
    EXPECT_EQ(afterLong, QStringList{"Нет прочтения"});
    // The reason echoes the word it could not read, its control characters as «?».
    EXPECT_EQ(afterMixed, QStringList{"Нет прочтения: непонятное слово «?😀»"});
    EXPECT_EQ(afterCode, QStringList{"Резистор, буквенный код: 4,7 кОм; Ряд E6"});
}

// A whole line: its reading with every fact, only the codes its chip carries, none on the
// smallest chips; a semiconductor's designation says what it is.
TEST(AnyMarkingWindow, WholeLinesShowTheirFacts) {
    App program;
    const struct {
        QString typed;
        QStringList readings, markings;
    } cases[] = {
        {"0.1uF 50V X7R 10% 0603",
         {"Конденсатор, код: 100 нФ ±10 %, 50 В, 0603 (1608 мм), X7R; Ряд E6"},
         {"SMD-конденсатор, EIA-198: A5", "Так заказывают:", "Murata GRM: GRM188R71H104KA01D",
          "Samsung CL: CL10B104KB8NNNC", "Yageo CC: CC0603KRX7R9BB104",
          "TDK C: C1608X7R1H104K080AA", "KEMET C: C0603C104K5RACTU", "AVX MLCC: 06035C104KAT2A",
          "Taiyo Yuden MLCC: UMK107B7104KA-T", "Walsin MLCC: 0603B104K500CT"}},
        {"10k 1% 0603",
         {"Резистор, буквенный код: 10 кОм ±1 %, 0603 (1608 мм); Ряд E6"},
         {"EIA-96: 01C", "Так заказывают:", "Yageo RC: RC0603FR-0710KL", "TE CRG: CRG0603F10K",
          "ROHM MCR: MCR03EZPF1002", "Stackpole RMCF: RMCF0603FT10K0",
          "Vishay CRCW: CRCW060310K0FKEA", "Panasonic ERJ: ERJ-3EKF1002V",
          "UniOhm Thick Film: 0603WAF1002T5E", "Samsung RC: RC1608F103CS",
          "KOA RK73: RK73H1JTTD1002F"}},
        {"RC0603JR-07100RL",
         {"Резистор, номер детали Yageo RC: 100 Ом ±5 %, 0603 (1608 мм); Ряд E6"},
         {"SMD, 3 цифры: 101", "Так заказывают:", "Yageo RC: RC0603JR-07100RL",
          "TE CRG: CRG0603J100R", "ROHM MCR: MCR03EZPJ101", "Stackpole RMCF: RMCF0603JT100R",
          "Vishay CRCW: CRCW0603100RJNEA", "Panasonic ERJ: ERJ-3GEYJ101V",
          "UniOhm Thick Film: 0603WAJ0101T5E", "Samsung RC: RC1608J101CS",
          "KOA RK73: RK73B1JTTD101J"}},
        {"GRM188R71H104QA93D",
         {"Нет прочтения: номер детали Murata GRM: нет такого допуска «Q»"},
         {}},
        {"10k 0402",
         {"Резистор, буквенный код: 10 кОм, 0402 (1005 мм); Ряд E6"},
         {"Чипы размера 0402 (1005 мм) обычно не маркируют"}},
        {"1N4148",
         {"Нет прочтения: обозначение полупроводникового прибора (JEDEC), не пассивная деталь"},
         {}},
    };
    for (const auto& c : cases) {
        QStringList readings, markings;
        showThrough(menuItem(program), [&](QDialog* shown) {
            test::type(shown, "Edit1", c.typed);
            readings = rows(shown, "Readings1");
            markings = rows(shown, "Markings1");
        });
        EXPECT_EQ(readings, c.readings) << c.typed.toStdString();
        EXPECT_EQ(markings, c.markings) << c.typed.toStdString();
    }
}
