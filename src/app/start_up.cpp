#include "app/start_up.h"

#include "ui/fonts.h"
#include "ui/pictures.h"

#include <QApplication>

namespace vantrel::app {

void prepareEnvironment() {
    if (!qEnvironmentVariableIsSet("QT_NO_GLIB"))
        qputenv("QT_NO_GLIB", "1");
}

std::unique_ptr<TForm1> startUp() {
    QApplication::setApplicationName(QStringLiteral("Vantrel"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vantrel.Vantrel"));
    QApplication::setWindowIcon(ui::applicationIcon());
    ui::registerFontSubstitutes();
    return std::make_unique<TForm1>();
}

} // namespace vantrel::app
