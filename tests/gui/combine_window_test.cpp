// «Подобрать из стандартных» on the real application: the last item of «Элемент», networks and
// dividers as they are typed, the builder's own list, what it keeps, and the value handed over
// from «Что за маркировка?».
#include "gui_helpers.h"
#include "qt_test.h"
#include "ui/radio_group.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <gtest/gtest.h>

using namespace vantrel;
using test::App;
using test::rows;
using test::showThrough;

namespace {

QAction* menuItem(const App& program) {
    return program.forms.Form1->findChild<QAction*>("Combine");
}

void pickSeries(QWidget* window, int item) {
    ui::RadioGroup* group = window->findChild<ui::RadioGroup*>("Series");
    QTest::mouseClick(group->button(item), Qt::LeftButton);
}

const QStringList k14k7 = {
    "12 кОм + 2,7 кОм = 14,7 кОм, ошибка 0 %, с допуском от 13,23 кОм до 16,17 кОм",
    "15 кОм, ошибка +2,041 %, с допуском от 13,5 кОм до 16,5 кОм"};

} // namespace

// The item comes after «Что за маркировка?», before «Проверка перечня»; the window is created on
// its first showing and keeps what was typed, the series and the list when shown again.
TEST(CombineWindow, LastMenuItemShowsItAndKeepsIt) {
    App program;
    app::TForm1* main = program.forms.Form1;
    QAction* item = menuItem(program);
    ASSERT_TRUE(item);
    EXPECT_EQ(item->text(), "Подобрать из стандартных");
    const QList<QAction*> element = main->findChild<QMenu*>("N3")->actions();
    ASSERT_GE(element.size(), 4);
    EXPECT_EQ(element[element.size() - 3], item);
    EXPECT_EQ(element[element.size() - 4]->objectName(), "AnyMarking");
    EXPECT_EQ(element[element.size() - 2]->objectName(), "CheckList");
    EXPECT_EQ(element.last()->objectName(), "Labels");
    EXPECT_TRUE(main->findChildren<windows::CombineWindow*>().isEmpty());

    QStringList networks;
    QDialog* window = showThrough(item, [&](QDialog* shown) {
        EXPECT_EQ(shown->windowTitle(), "Подобрать из стандартных");
        EXPECT_EQ(QApplication::focusWidget(), shown->findChild<QLineEdit*>("Value"));
        EXPECT_EQ(shown->findChild<ui::RadioGroup*>("Series")->itemIndex(), 3); // E24
        test::type(shown, "Value", "14,7 кОм");
        pickSeries(shown, 2); // E12
        networks = rows(shown, "Networks");
    });
    ASSERT_TRUE(window);
    EXPECT_EQ(networks, k14k7);

    QString keptText;
    int keptSeries = -1;
    QStringList keptNetworks;
    EXPECT_EQ(showThrough(item,
                          [&](QDialog* shown) {
                              keptText = shown->findChild<QLineEdit*>("Value")->text();
                              keptSeries = shown->findChild<ui::RadioGroup*>("Series")->itemIndex();
                              keptNetworks = rows(shown, "Networks");
                          }),
              window);
    EXPECT_EQ(keptText, "14,7 кОм");
    EXPECT_EQ(keptSeries, 2);
    EXPECT_EQ(keptNetworks, k14k7);
    EXPECT_EQ(window->parentWidget(), main);
    EXPECT_EQ(main->findChildren<windows::CombineWindow*>().size(), 1);

    const auto name = [&](const char* control) { return test::accessibleName(window, control); };
    EXPECT_EQ(name("Value"), "Нужный номинал");
    EXPECT_EQ(name("Input"), "Входное напряжение или коэффициент делителя");
    EXPECT_EQ(name("OwnValues"), "Свои номиналы, по одному в строке");
    EXPECT_EQ(name("Networks"), "Из стандартных деталей (+ последовательно, ‖ параллельно)");
}

// Each box answers as it is typed; what cannot be answered says why, in the list.
TEST(CombineWindow, NetworksAndDividersAsTheyAreTyped) {
    App program;
    struct Seen {
        QStringList networks, dividers;
    };
    std::vector<Seen> seen;
    showThrough(menuItem(program), [&](QDialog* shown) {
        const auto look = [&] {
            seen.push_back({rows(shown, "Networks"), rows(shown, "Dividers")});
        };
        look(); // nothing typed
        test::type(shown, "Value", "0");
        look();
        test::type(shown, "Value", "100 нФ");
        test::type(shown, "Input", "5 В");
        test::type(shown, "Output", "1,2 В");
        look();
        test::type(shown, "Output", "");
        test::type(shown, "Input", "0,5");
        test::type(shown, "Total", "1k");
        look();
        test::type(shown, "Input", "1,2");
        test::type(shown, "Output", "5");
        look();
    });
    ASSERT_EQ(seen.size(), 5u);
    EXPECT_EQ(seen[0].networks, QStringList());
    EXPECT_EQ(seen[0].dividers, QStringList());
    EXPECT_EQ(seen[1].networks, QStringList{"«0»: ноль, а нужно больше"});
    EXPECT_EQ(seen[2].networks, QStringList{"100 нФ, ошибка 0 %, с допуском от 95 нФ до 105 нФ"});
    EXPECT_EQ(seen[2].dividers,
              (QStringList{"верх 7,5 кОм + 100 Ом = 7,6 кОм, низ 2,4 кОм: 1,2 В, ошибка 0 %, "
                           "сумма 10 кОм, с допуском от 1,111 В до 1,294 В",
                           "верх 5,1 кОм, низ 1,6 кОм: 1,194 В, ошибка -0,4975 %, сумма 6,7 кОм, "
                           "с допуском от 1,105 В до 1,287 В"}));
    EXPECT_EQ(seen[3].dividers,
              QStringList{"верх 510 Ом, низ 510 Ом: коэффициент 0,5, ошибка 0 %, сумма 1,02 кОм, "
                          "с допуском от 0,475 до 0,525"});
    EXPECT_EQ(seen[4].dividers,
              QStringList{"выходное напряжение делителя должно быть меньше входного"});
}

// Typing a list picks «Свои»; the list's tolerances give the range, a line it cannot read is
// named.
TEST(CombineWindow, TheBuildersOwnList) {
    App program;
    QStringList networks, refused, afterSeries;
    int picked = -1;
    showThrough(menuItem(program), [&](QDialog* shown) {
        test::type(shown, "Value", "1k33");
        auto* memo = shown->findChild<QPlainTextEdit*>("OwnValues");
        memo->setFocus();
        test::typeInto(memo, "1K0F\n330 Ом ±1 %");
        picked = shown->findChild<ui::RadioGroup*>("Series")->itemIndex();
        networks = rows(shown, "Networks");
        test::typeInto(memo, "\nтри ома");
        refused = rows(shown, "Networks");
        pickSeries(shown, 3); // E24 again
        afterSeries = rows(shown, "Networks");
    });
    EXPECT_EQ(picked, 7);
    EXPECT_EQ(networks,
              (QStringList{"1 кОм + 330 Ом = 1,33 кОм, ошибка 0 %, с допуском от 1,317 кОм до "
                           "1,343 кОм",
                           "1 кОм, ошибка -24,81 %, с допуском от 990 Ом до 1,01 кОм"}));
    EXPECT_EQ(refused, QStringList{"свои номиналы, строка 3: «три ома» не номинал: пишите, "
                                   "например, 4,7 кОм, 4k7, 100 нФ"});
    EXPECT_EQ(afterSeries.value(0), "1,3 кОм + 30 Ом = 1,33 кОм, ошибка 0 %, с допуском от "
                                    "1,264 кОм до 1,396 кОм");
}

// «Подобрать из стандартных» in «Что за маркировка?» hands the value whose markings are shown
// over to the window, which opens on top with it typed in.
TEST(CombineWindow, ValueHandedOverFromAnyMarking) {
    App program;
    QAction* anyMarking = program.forms.Form1->findChild<QAction*>("AnyMarking");
    QString handed;
    QStringList networks;
    bool enabledWhenEmpty = true, enabledForDielectric = true;
    showThrough(anyMarking, [&](QDialog* shown) {
        auto* button = shown->findChild<QPushButton*>("Button1");
        ASSERT_TRUE(button);
        EXPECT_EQ(button->text(), "Подобрать из стандартных");
        enabledWhenEmpty = button->isEnabled();
        test::type(shown, "Edit1", "X7R");
        enabledForDielectric = button->isEnabled();
        test::type(shown, "Edit1", "4k32");
        QTimer::singleShot(0, [&] {
            auto* combine = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_TRUE(combine);
            EXPECT_EQ(combine->windowTitle(), "Подобрать из стандартных");
            handed = combine->findChild<QLineEdit*>("Value")->text();
            networks = rows(combine, "Networks");
            combine->close();
        });
        QTest::mouseClick(button, Qt::LeftButton);
    });
    EXPECT_FALSE(enabledWhenEmpty);
    EXPECT_FALSE(enabledForDielectric);
    EXPECT_EQ(handed, "4,32 кОм");
    EXPECT_EQ(networks.value(0), "4,3 кОм + 20 Ом = 4,32 кОм, ошибка 0 %, с допуском от 4,104 "
                                 "кОм до 4,536 кОм");
}

// Any text in any box, of any length and script, answers or says why not, and the window goes
// on answering.
TEST(CombineWindow, AnyPastedTextIsHarmless) {
    App program;
    QStringList afterLong, afterMixed, afterValue;
    showThrough(menuItem(program), [&](QDialog* shown) {
        auto* box = shown->findChild<QLineEdit*>("Value");
        box->setText(QString(100'000, u'4'));
        afterLong = rows(shown, "Networks");
        box->setText(QString::fromUtf8("472 \u202E\U0001F600 кор\t") + QChar(0) + "чёрн");
        afterMixed = rows(shown, "Networks");
        shown->findChild<QLineEdit*>("Input")->setText(QString(100'000, u'5'));
        shown->findChild<QPlainTextEdit*>("OwnValues")->setPlainText(QString(5000, u'\n'));
        pickSeries(shown, 3);
        test::type(shown, "Value", "4k7");
        afterValue = rows(shown, "Networks");
    });
    EXPECT_EQ(afterLong, QStringList{"номинал: больше 256 байт"});
    ASSERT_EQ(afterMixed.size(), 1);
    EXPECT_TRUE(afterMixed[0].contains("не номинал")) << afterMixed[0].toStdString();
    EXPECT_EQ(afterValue, QStringList{"4,7 кОм, ошибка 0 %, с допуском от 4,465 кОм до 4,935 кОм"});
}

// A keystroke never waits for the search: the lists change only after typing pauses, and an
// answer that later typing has made stale is never shown.
TEST(CombineWindow, AnswersComeAfterAPauseAndNeverStale) {
    App program;
    QStringList during, after;
    bool answeringWhileTyping = false;
    showThrough(menuItem(program), [&](QDialog* shown) {
        pickSeries(shown, 6); // E192: the first answer makes its tables
        auto* box = shown->findChild<QLineEdit*>("Value");
        for (const char* typed : {"1", "14", "14,", "14,7", "14,7k"}) {
            box->setText(QString::fromUtf8(typed));
            const auto* list = shown->findChild<QListWidget*>("Networks");
            for (int i = 0; i < list->count(); ++i)
                during << list->item(i)->text();
            answeringWhileTyping = shown->property("answering").toBool();
        }
        after = rows(shown, "Networks");
    });
    EXPECT_EQ(during, QStringList());
    EXPECT_TRUE(answeringWhileTyping);
    EXPECT_EQ(after, QStringList{"14,7 кОм, ошибка 0 %, с допуском от 14,63 кОм до 14,77 кОм"});
}
