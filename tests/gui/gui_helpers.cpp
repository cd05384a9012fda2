#include "gui_helpers.h"

#include "qt_test.h"
#include "windows/own_values.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace vantrel::test {

MessageBoxWatcher::MessageBoxWatcher() {
    connect(&timer_, &QTimer::timeout, this, &MessageBoxWatcher::poll);
    timer_.start(5);
}

QStringList MessageBoxWatcher::texts() const {
    QStringList result;
    for (const SeenBox& box : boxes)
        result << box.text;
    return result;
}

void MessageBoxWatcher::poll() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible() || box->property("seen").toBool())
        return;
    box->setProperty("seen", true);
    QStringList buttons;
    for (const QAbstractButton* button : box->buttons())
        buttons << button->text();
    boxes.push_back({box->windowTitle(), box->icon(), box->text(), buttons});
    QTest::mouseClick(box->buttons().constFirst(), Qt::LeftButton);
}

void whileOpen(QDialog* dialog, const std::function<void()>& trigger,
               const std::function<void()>& body) {
    bool ran = false;
    QTimer::singleShot(0, dialog, [&] {
        ran = true;
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(QApplication::activeModalWidget(), dialog);
        body();
        dialog->close(); // what the close box does
    });
    trigger();
    EXPECT_TRUE(ran);
    EXPECT_FALSE(dialog->isVisible());
}

QDialog* showThrough(QAction* item, const std::function<void(QDialog*)>& body) {
    QDialog* shown = nullptr;
    QTimer::singleShot(0, [&] {
        shown = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!shown)
            return;
        EXPECT_TRUE(QTest::qWaitFor([shown] { return shown->isActiveWindow(); }, 2000));
        body(shown);
        shown->close();
    });
    item->trigger();
    EXPECT_TRUE(shown) << "the menu item showed no window";
    return shown;
}

Opened::Opened(QDialog* window)
    : dialog(window) {
    dialog->show();
    QApplication::setActiveWindow(dialog);
}

Opened::~Opened() {
    dialog->hide();
}

void type(QWidget* window, const char* edit, const QString& text) {
    auto* box = window->findChild<QLineEdit*>(QString::fromLatin1(edit));
    ASSERT_TRUE(box) << edit;
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    typeInto(box, text);
}

void typeInto(QWidget* box, const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype length = text[i].isHighSurrogate() ? 2 : 1;
        const QString character = text.mid(i, length);
        const int key = character == u'\n' ? Qt::Key_Return : 0;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, character);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, character);
        QApplication::sendEvent(box, &press);
        QApplication::sendEvent(box, &release);
        i += length - 1;
    }
}

QStringList rows(const QWidget* window, const char* list) {
    // A window that answers off the GUI thread says so while its answers are on their way.
    QElapsedTimer waited;
    waited.start();
    while (window->property("answering").toBool() && waited.elapsed() < 10'000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    QStringList texts;
    const auto* widget = window->findChild<QListWidget*>(QString::fromLatin1(list));
    for (int i = 0; widget && i < widget->count(); ++i)
        texts << widget->item(i)->text();
    return texts;
}

QString accessibleName(const QWidget* window, const char* control) {
    return QAccessible::queryAccessibleInterface(
               window->findChild<QWidget*>(QString::fromLatin1(control)))
        ->text(QAccessible::Name);
}

QString press(QWidget* window) {
    QTest::mouseClick(window->findChild<QPushButton*>("Button1"), Qt::LeftButton);
    return window->findChild<QPlainTextEdit*>("Memo1")->toPlainText();
}

// Each test starts as a first run does: no own values kept from another test.
static bool forgetOwnValues() {
    return !QFile::exists(windows::ownValuesPath()) || QFile::remove(windows::ownValuesPath());
}

App::App()
    : forgotten(forgetOwnValues())
    , main(app::startUp())
    , forms(test::windowsOf(main.get())) {
    main->show();
}

App::~App() = default;

} // namespace vantrel::test
