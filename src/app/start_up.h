// Start-up, shared by the program, its start-up benchmark and the screenshot tool.
#pragma once

#include "app/main_window.h"

#include <QTranslator>
#include <memory>
#include <mutex>

namespace vantrel::app {

// Qt's own texts, such as the edit boxes' context menus, in Russian like the rest of the
// program whatever the locale. Installed at start-up, but its file is read only when Qt first
// asks for one of its texts, which the first frame never does. The file goes into a translator
// that is not installed: loading an installed one tells every window that the language
// changed, and a message box open at that moment would put Russian on its English buttons.
class QtTranslation final : public QTranslator {
public:
    // name as QTranslator::load takes it, e.g. "qtbase_ru", found in folder.
    QtTranslation(QString name, QString folder, QObject* parent = nullptr);
    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override;

private:
    QString name_, folder_;
    mutable std::once_flag read_;
    mutable QTranslator texts_;
};

// Runs before the QApplication is made. Vantrel uses nothing of GLib, so it asks for Qt's
// own event loop rather than GLib's, which wakes more often: the caption's ticks cost a fifth
// less CPU. QT_NO_GLIB set in the environment still decides.
void prepareEnvironment();

// Names the application, registers the font stand-ins, installs Qt's Russian texts and creates
// the main window, which creates every other window. Needs the QApplication; the caller shows
// the main window.
std::unique_ptr<TForm1> startUp();

} // namespace vantrel::app
