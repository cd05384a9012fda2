// What every window shows to the eye and to a screen reader, across all windows at once.
#include "gui_helpers.h"
#include "ui/fonts.h"
#include "ui/pictures.h"
#include "ui/radio_group.h"

#include <QAccessible>
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <gtest/gtest.h>

using namespace vantrel;
using test::App;

namespace {

// The room a radio button leaves its text right of the indicator and the spacing.
int textRoom(const QRadioButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    return button->style()->subElementRect(QStyle::SE_RadioButtonContents, &option, button).width();
}

} // namespace

// The windows name their fonts ("Arial", "MS Sans Serif" ...) and the program finds the
// installed face for each itself, once: it must be the very face Qt's own substitution paints.
TEST(Appearance, EveryNamedFontIsTheFaceQtWouldPaint) {
    App program;
    for (const char* family : {"MS Sans Serif", "Arial", "Arial Black", "PT Sans Cyr", "Shotgun BT",
                               "Courier New", "DejaVu Sans", "No Such Family"})
        for (const bool bold : {false, true}) {
            QFont byQt(QString::fromLatin1(family));
            byQt.setPixelSize(15);
            byQt.setBold(bold);
            if (qstrcmp(family, "Arial Black") == 0)
                byQt.setWeight(QFont::Black);
            const QFontInfo ours(ui::makeFont({family, 15, bold})), theirs(byQt);
            EXPECT_EQ(ours.family(), theirs.family()) << family << (bold ? " bold" : "");
            EXPECT_EQ(ours.styleName(), theirs.styleName()) << family << (bold ? " bold" : "");
            EXPECT_EQ(ours.pixelSize(), theirs.pixelSize()) << family;
        }
}

// "Оранж." in a 68-pixel selector is the tightest.
TEST(Appearance, EverySelectorItemShowsWhole) {
    App program;
    int items = 0;
    for (ui::Window* window : program.forms.secondary()) {
        window->ensureBuilt();
        for (const ui::RadioGroup* selector : window->findChildren<ui::RadioGroup*>()) {
            for (int item = 0; item < selector->count(); ++item) {
                const QRadioButton* button = selector->button(item);
                SCOPED_TRACE(
                    (window->windowTitle() + u' ' + selector->objectName() + u' ' + button->text())
                        .toStdString());
                EXPECT_GE(textRoom(button),
                          button->fontMetrics().horizontalAdvance(button->text()));
                EXPECT_TRUE(selector->rect().contains(button->geometry()));
                ++items;
            }
        }
    }
    EXPECT_EQ(items, 10 * 15 + 12 * 10 + 2); // fifteen 10-colour lists, ten 12-colour ones
}

// The 3-band window's table makes every control's text black, whatever the desktop's theme.
TEST(Appearance, ThreeBandWindowTextIsBlack) {
    App program;
    ui::Window* window = test::built(program.forms.Form2);
    for (const ui::RadioGroup* selector : window->findChildren<ui::RadioGroup*>())
        EXPECT_EQ(selector->button(0)->palette().color(QPalette::WindowText), Qt::black);
    EXPECT_EQ(window->findChild<QPushButton*>("Button1")->palette().color(QPalette::ButtonText),
              Qt::black);
    EXPECT_EQ(window->findChild<QPlainTextEdit*>("Memo1")->palette().color(QPalette::Text),
              Qt::black);
}

TEST(Appearance, PicturesAreNamedImagesForScreenReaders) {
    App program;
    int pictures = 0;
    QList<QWidget*> windows{program.forms.Form1->centralWidget()};
    for (ui::Window* window : program.forms.secondary())
        windows << test::built(window);
    for (const QWidget* window : windows) {
        for (ui::Picture* picture : window->findChildren<ui::Picture*>()) {
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(picture);
            ASSERT_TRUE(accessible);
            EXPECT_EQ(accessible->role(), QAccessible::Graphic);
            EXPECT_FALSE(accessible->text(QAccessible::Name).isEmpty())
                << picture->objectName().toStdString();
            ++pictures;
        }
    }
    EXPECT_EQ(pictures, 1 + 6 + 2 + 1); // banner, colour legends, letter-code pictures, About
}
