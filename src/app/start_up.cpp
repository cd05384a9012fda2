#include "app/start_up.h"

#include "ui/fonts.h"
#include "ui/pictures.h"

#include <QApplication>

namespace vantrel::app {

std::unique_ptr<TForm1> startUp() {
    QApplication::setApplicationName(QStringLiteral("Vantrel"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vantrel.Vantrel"));
    QApplication::setWindowIcon(ui::applicationIcon());
    ui::registerFontSubstitutes();
    return std::make_unique<TForm1>();
}

} // namespace vantrel::app
