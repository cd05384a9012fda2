// Runs the GUI tests inside one application, on the offscreen platform unless
// QT_QPA_PLATFORM names another, so no display is needed.
#include "app/start_up.h"

#include <QApplication>
#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    ::testing::InitGoogleTest(&argc, argv);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The windows keep the builder's own values in the user's data folder: the tests keep
    // theirs in a folder of their own, empty at the start.
    const QTemporaryDir dataHome;
    qputenv("XDG_DATA_HOME", dataHome.path().toUtf8());
    vantrel::app::prepareEnvironment(); // the event loop the program runs on
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vantrel"));
    return RUN_ALL_TESTS();
}
