// Vantrel: reads a component's marking and states its nominal value.
#include "app/start_up.h"
#include "core/cli/command_line.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    if (const auto exitCode = vantrel::cli::answerCommandLine(argc, argv))
        return *exitCode;
    vantrel::app::prepareEnvironment();
    QApplication application(argc, argv);
    const auto Form1 = vantrel::app::startUp();
    Form1->show();
    return QApplication::exec();
}
