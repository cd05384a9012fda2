// The reference for the start-up benchmark: a bare Qt program with an empty 695 x 450 main
// window and a menu bar, nothing else.
#include "first_paint.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[]) {
    using vantrel::bench::mark;
    mark("main");
    QApplication application(argc, argv);
    mark("application");
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&Файл"))->addAction(QStringLiteral("&Закрыть"));
    window.menuBar()->addMenu(QStringLiteral("&Элемент"));
    window.menuBar()->addAction(QStringLiteral("О программе"));
    auto* client = new QWidget(&window);
    client->setFixedSize(695, 450);
    window.setCentralWidget(client);
    new vantrel::bench::FirstPaint(&window);
    mark("window");
    window.show();
    mark("shown");
    return QApplication::exec();
}
