// Test helpers for the real windows: a watcher that answers message boxes as they appear,
// a runner that acts inside a window's modal loop, and the application itself.
#pragma once

#include "app/start_up.h"
#include "support/windows_of.h"

#include <QMessageBox>
#include <QObject>
#include <QTimer>
#include <functional>
#include <ostream>

// Lets GoogleTest print Qt strings in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace vantrel::test {

struct SeenBox {
    QString title;
    QMessageBox::Icon icon;
    QString text;
    QStringList buttons;
};

// While it lives, every message box that becomes the active modal widget is recorded and
// closed with its first button.
class MessageBoxWatcher : public QObject {
public:
    MessageBoxWatcher();
    QList<SeenBox> boxes;
    QStringList texts() const;

private:
    void poll();
    QTimer timer_;
};

// Runs body while the dialog is open modally through trigger (a menu command), then closes
// the dialog with its close box; returns once the modal showing has returned.
void whileOpen(QDialog* dialog, const std::function<void()>& trigger,
               const std::function<void()>& body);

// Runs body in the window a menu item shows (one created on its first showing), once it is
// the active window, then closes it with its close box; gives the window, and fails the test
// when none is shown.
QDialog* showThrough(QAction* item, const std::function<void(QDialog*)>& body);

// Shows a window without its modal loop for the length of a scope, as the active window.
struct Opened {
    explicit Opened(QDialog* window);
    ~Opened();
    QDialog* dialog;
};

// A window with its controls built, as its first showing builds them, without showing it.
template <typename Window> Window* built(Window* window) {
    window->ensureBuilt();
    return window;
}

// Types text into the window's edit box over what it holds, the way a keyboard does: a key
// press and release per character, any script.
void type(QWidget* window, const char* edit, const QString& text);
// The same into any box that has the focus or not, after what it holds; "\n" as Return.
void typeInto(QWidget* box, const QString& text);

// The rows of a window's list, by the list's name, once the window has answered what was
// typed; none where it has no such list.
QStringList rows(const QWidget* window, const char* list);

// What a screen reader names the window's control by.
QString accessibleName(const QWidget* window, const char* control);

// Clicks "Считать!!!" and reads the result box.
QString press(QWidget* window);

// One application's worth of windows for a test, with the main window shown.
struct App {
    App();
    ~App();
    bool forgotten; // the own values of an earlier test
    std::unique_ptr<app::TForm1> main;
    test::Windows forms;
};

} // namespace vantrel::test
