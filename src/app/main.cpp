// Vantrel: reads a component's marking and states its nominal value.
#include "app/start_up.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    vantrel::app::prepareEnvironment();
    QApplication application(argc, argv);
    const auto Form1 = vantrel::app::startUp();
    Form1->show();
    return QApplication::exec();
}
