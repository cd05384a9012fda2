// Vantrel: reads a component's marking and states its nominal value.
#include "app/start_up.h"
#include "core/cli/command_line.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (const auto answer = vantrel::cli::answerCommandLine(argc, argv)) {
        std::fputs(answer->standardOutput.c_str(), stdout);
        std::fputs(answer->standardError.c_str(), stderr);
        return answer->exitCode;
    }
    vantrel::app::prepareEnvironment();
    QApplication application(argc, argv);
    const auto Form1 = vantrel::app::startUp();
    Form1->show();
    return QApplication::exec();
}
