// The start-up benchmark's program: Vantrel's own start-up, timed to its first paint.
#include "app/start_up.h"
#include "first_paint.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    vantrel::app::prepareEnvironment();
    QApplication application(argc, argv);
    const auto Form1 = vantrel::app::startUp();
    new vantrel::bench::FirstPaint(Form1.get());
    Form1->show();
    return QApplication::exec();
}
