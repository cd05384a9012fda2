// The start-up benchmark's program: Vantrel's own start-up, timed to its first paint.
#include "app/start_up.h"
#include "core/cli/command_line.h"
#include "first_paint.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    using vantrel::bench::mark;
    mark("main");
    if (const auto exitCode = vantrel::cli::answerCommandLine(argc, argv))
        return *exitCode;
    vantrel::app::prepareEnvironment();
    QApplication application(argc, argv);
    mark("application");
    const auto Form1 = vantrel::app::startUp();
    new vantrel::bench::FirstPaint(Form1.get());
    mark("window");
    Form1->show();
    mark("shown");
    return QApplication::exec();
}
