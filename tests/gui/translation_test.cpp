// Qt's Russian translation: the toolkit's own texts turn Russian, the program's stay as they are.
#include "app/start_up.h"
#include "gui_helpers.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

using namespace vantrel;

namespace {

// The texts of a context menu's commands, without their shortcuts.
QStringList commands(std::unique_ptr<QMenu> menu) {
    QStringList texts;
    for (const QAction* action : menu->actions())
        if (!action->isSeparator())
            texts << action->text().section(u'\t', 0, 0);
    return texts;
}

bool isRussian(const QString& text) {
    const auto latin = [](QChar c) { return c.script() == QChar::Script_Latin; };
    const auto cyrillic = [](QChar c) { return c.script() == QChar::Script_Cyrillic; };
    return std::none_of(text.begin(), text.end(), latin) &&
           std::any_of(text.begin(), text.end(), cyrillic);
}

} // namespace

TEST(QtTranslation, EveryEditAndResultBoxHasARussianContextMenu) {
    test::App program;
    ASSERT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Да")
        << "Qt's Russian translation (qt6-translations-l10n) is not loaded";
    int boxes = 0;
    for (ui::Window* window : program.forms.secondary()) {
        test::built(window);
        for (QLineEdit* edit : window->findChildren<QLineEdit*>()) {
            for (const QString& text :
                 commands(std::unique_ptr<QMenu>(edit->createStandardContextMenu())))
                EXPECT_TRUE(isRussian(text)) << text.toStdString();
            ++boxes;
        }
        for (QPlainTextEdit* memo : window->findChildren<QPlainTextEdit*>()) {
            const QStringList texts =
                commands(std::unique_ptr<QMenu>(memo->createStandardContextMenu()));
            EXPECT_TRUE(texts.contains("&Копировать")) << texts.join(", ").toStdString();
            for (const QString& text : texts)
                EXPECT_TRUE(isRussian(text)) << text.toStdString();
            ++boxes;
        }
    }
    EXPECT_GE(boxes, 18); // every window's edit and result boxes
}

TEST(QtTranslation, MessageBoxesKeepTheirEnglishCaptionsAndButtons) {
    test::App program;
    ASSERT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Да");
    test::MessageBoxWatcher boxes;
    {
        test::Opened open(program.forms.Form3); // nothing picked: data is missing
        test::press(open.dialog);
    }
    {
        test::Opened open(program.forms.Form8); // nothing typed: the code is checked
        test::press(open.dialog);
    }
    ASSERT_GE(boxes.boxes.size(), 2);
    EXPECT_EQ(boxes.boxes.first().title, "Information");
    EXPECT_EQ(boxes.boxes.first().buttons, QStringList{"OK"});
    EXPECT_EQ(boxes.boxes.last().title, "Error");
    EXPECT_EQ(boxes.boxes.last().buttons, QStringList{"&Yes"});
}

// The translation is read when Qt first asks for a text. Here that is a message box's button,
// and the box keeps the English text it was given while it is open.
TEST(QtTranslation, IsReadWhenFirstAskedAndLeavesAnOpenMessageBoxAsItIs) {
    test::App program;
    app::QtTranslation unread(QStringLiteral("qtbase_ru"),
                              QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    QCoreApplication::installTranslator(&unread); // asked before the one the program installed
    test::MessageBoxWatcher boxes;
    {
        test::Opened open(program.forms.Form8); // nothing typed: an "Error" box
        test::press(open.dialog);
    }
    ASSERT_GE(boxes.boxes.size(), 1);
    for (const test::SeenBox& box : boxes.boxes)
        EXPECT_EQ(box.buttons, QStringList{box.title == "Error" ? "&Yes" : "OK"})
            << box.title.toStdString();
    EXPECT_EQ(unread.translate("QPlatformTheme", "&Yes", nullptr, -1), "&Да");
    QCoreApplication::removeTranslator(&unread);
}
