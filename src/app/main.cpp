// Vantrel: reads a component's marking and states its nominal value.
#include "app/forms.h"
#include "ui/pictures.h"

#include <QApplication>
#ifdef VANTREL_FIRST_PAINT
#include "first_paint.h" // the start-up benchmark's build only
#endif

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantrel"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vantrel.Vantrel"));
    QApplication::setWindowIcon(vantrel::ui::applicationIcon());
    const auto forms = vantrel::app::createForms();
#ifdef VANTREL_FIRST_PAINT
    new vantrel::bench::FirstPaint(forms->Form1.get());
#endif
    forms->Form1->show();
    return QApplication::exec();
}
