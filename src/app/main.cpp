// Vantrel: reads a component's marking and states its nominal value.
#include "app/start_up.h"
#include "core/cli/command_line.h"
#include "paper/documents.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    // --sheet and --labels draw their PDF with this printer.
    static constexpr vantrel::cli::Printer printer{&vantrel::paper::localePaper,
                                                   &vantrel::paper::printJob};
    if (const auto exitCode = vantrel::cli::answerCommandLine(argc, argv, &printer))
        return *exitCode;
    vantrel::app::prepareEnvironment();
    QApplication application(argc, argv);
    const auto Form1 = vantrel::app::startUp();
    Form1->show();
    return QApplication::exec();
}
