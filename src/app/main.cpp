// Vantrel: reads a component's marking and states its nominal value.
#include "app/forms.h"
#include "ui/pictures.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantrel"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vantrel.Vantrel"));
    QApplication::setWindowIcon(vantrel::ui::applicationIcon());
    const auto forms = vantrel::app::createForms();
    forms->Form1->show();
    return QApplication::exec();
}
