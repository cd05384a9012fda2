// Draws every window that a user can open, each with a worked example filled in, into PNG
// files: cmake --build build --target screenshots   (writes docs/*.png, needs no display)
#include "app/start_up.h"
#include "support/windows_of.h"
#include "ui/pictures.h"
#include "ui/radio_group.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolTip>
#include <cstdio>

using namespace vantrel;

namespace {

void pickAll(QWidget* window, std::initializer_list<int> items) {
    int band = 1;
    for (int item : items) {
        auto* group =
            window->findChild<ui::RadioGroup*>(QStringLiteral("RadioGroup%1").arg(band++));
        group->button(item)->click();
    }
}

void type(QWidget* window, const char* edit, const char* text) {
    window->findChild<QLineEdit*>(QString::fromLatin1(edit))->setText(QString::fromUtf8(text));
}

void press(QWidget* window) { // the decoding windows; About and the unused ones have no button
    if (auto* button = window->findChild<QPushButton*>(QStringLiteral("Button1")))
        button->click();
}

// The first page at 100 dpi, on white.
bool savePage(const paper::Document& document, const QString& folder, const char* name) {
    constexpr double kPerMillimetre = 100 / 25.4;
    const paper::Size page = paper::paperSize(document.paper);
    QImage image(static_cast<int>(page.width * kPerMillimetre),
                 static_cast<int>(page.height * kPerMillimetre), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paper::Canvas canvas(painter, kPerMillimetre);
    document.draw(canvas, 0);
    painter.end();
    return image.save(folder + QString::fromLatin1(name) + ".png");
}

bool save(QWidget* window, const QString& folder, const char* name) {
    window->show();
    QApplication::processEvents();
    const bool saved = window->grab().save(folder + QString::fromLatin1(name) + ".png");
    window->hide();
    return saved;
}

// The window with its result box's tooltip open over it, as hovering the box shows it; the
// tooltip is a window of its own, so the two grabs are laid together.
bool saveWithReadout(QWidget* window, const QString& folder, const char* name) {
    window->show();
    QApplication::processEvents();
    auto* box = window->findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
    QToolTip::showText(box->mapToGlobal(QPoint(box->width() / 3, box->height())), box->toolTip(),
                       box);
    QApplication::processEvents();
    QWidget* tip = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->inherits("QTipLabel") && widget->isVisible())
            tip = widget;
    const QRect frame(window->mapToGlobal(QPoint(0, 0)), window->size());
    const QRect both = tip ? frame.united(tip->geometry()) : frame;
    QImage shot(both.size(), QImage::Format_ARGB32_Premultiplied);
    shot.fill(Qt::transparent);
    QPainter painter(&shot);
    painter.drawPixmap(frame.topLeft() - both.topLeft(), window->grab());
    if (tip)
        painter.drawPixmap(tip->pos() - both.topLeft(), tip->grab());
    painter.end();
    QToolTip::hideText();
    window->hide();
    return tip && shot.save(folder + QString::fromLatin1(name) + ".png");
}

// A window created on its first showing: opened once through its menu item, as a user would,
// and closed again.
void showOnce(app::TForm1* main, const char* item) {
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    main->findChild<QAction*>(QString::fromLatin1(item))->trigger();
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QTemporaryDir dataHome; // no builder's own values in the pictures
    qputenv("XDG_DATA_HOME", dataHome.path().toUtf8());
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    const QString folder = (arguments.size() > 1 ? arguments[1] : QStringLiteral("docs")) + u'/';
    QDir().mkpath(folder);

    const auto main = app::startUp();
    showOnce(main.get(), "SmdCode");
    showOnce(main.get(), "PrintedCapacitorCode");
    showOnce(main.get(), "AnyMarking");
    showOnce(main.get(), "Combine");
    showOnce(main.get(), "CheckList");
    showOnce(main.get(), "Labels");
    const test::Windows f = test::windowsOf(main.get());
    f.Form1->setClock([] { return QDateTime(QDate(2026, 12, 8), QTime(14, 5, 9)); });
    QMetaObject::invokeMethod(f.Form1, "Timer1Timer");
    for (int tick = 0; tick < 12; ++tick)
        QMetaObject::invokeMethod(f.Form1, "Timer3Timer");

    for (ui::Window* window : f.secondary())
        window->ensureBuilt();
    pickAll(f.Form2, {4, 7, 2}); // yellow, violet, red
    pickAll(f.Form3, {4, 7, 2, 11});
    pickAll(f.Form4, {4, 7, 0, 3, 2});
    pickAll(f.Form5, {1, 0, 0, 1, 1, 1});
    pickAll(f.Form12, {1, 0, 2});
    pickAll(f.Form13, {4, 7, 1, 11});
    type(f.Form8, "Edit1", "33");
    type(f.Form8, "Edit2", "1");
    type(f.Form8, "Edit4", "K");
    type(f.Form8, "Edit3", "J");
    type(f.Form9, "Edit1", "47");
    type(f.Form9, "Edit2", "3");
    type(f.Form10, "Edit1", "100");
    type(f.Form10, "Edit2", "2");
    type(f.SmdCode, "Edit1", "01C");
    type(f.PrintedCapacitorCode, "Edit1", "2A104J");
    type(f.AnyMarking, "Edit1", "кор чёрн оранж зол"); // read as it is typed, no button
    type(f.Combine, "Value", "4,32 кОм");
    type(f.Combine, "Input", "5 В");
    type(f.Combine, "Output", "1,2 В");
    f.Combine->findChild<ui::RadioGroup*>("Series")->button(2)->click(); // E12
    // Its answers come from a search of their own, after a pause in typing.
    while (f.Combine->property("answering").toBool())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    // A parts list with a finding of every kind, read on the window's own thread; the first
    // line picked, whose part number orders another value.
    f.CheckList->openList(folder + QStringLiteral("../tests/lists/kicad.csv"));
    while (f.CheckList->property("reading").toBool())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    auto* lines = f.CheckList->findChild<QTableView*>("Lines");
    lines->setCurrentIndex(lines->model()->index(0, 0));
    f.Labels->findChild<QPlainTextEdit*>("Values")->setPlainText(
        QString::fromUtf8("10k 1% 0603\n4,7 кОм\n220 Ом 5%\n100n 50V X7R 0805\n4,7 мкГн\n"
                          "22 мкФ 25В; 1M"));
    f.Labels->findChild<ui::RadioGroup*>("Code")->button(1)->click(); // with QR codes
    for (ui::Window* window : f.secondary())
        press(window);
    press(f.SmdCode);
    press(f.PrintedCapacitorCode);

    const std::pair<QWidget*, const char*> shots[] = {
        {f.Form1, "main"},
        {f.Form6, "about"},
        {f.Form2, "resistor-3-bands"},
        {f.Form3, "resistor-4-bands"},
        {f.Form4, "resistor-5-bands"},
        {f.Form5, "resistor-6-bands"},
        {f.Form8, "resistor-letter-code"},
        {f.Form9, "capacitor-3-digits"},
        {f.Form10, "capacitor-4-digits"},
        {f.PrintedCapacitorCode, "capacitor-printed-code"},
        {f.SmdCode, "resistor-smd-code"},
        {f.Form12, "inductor-3-bands"},
        {f.Form13, "inductor-4-bands"},
        {f.AnyMarking, "any-marking"},
        {f.Combine, "combine"},
        {f.CheckList, "check-list"},
        {f.Labels, "labels"}};
    bool saved = true;
    for (const auto& [window, name] : shots)
        saved = save(window, folder, name) && saved;
    pickAll(f.Form2, {1, 0, 3}); // brown, black, orange: 10 kOhm, 300 Ohm the other way
    press(f.Form2);
    saved = saveWithReadout(f.Form2, folder, "readout") && saved;
    type(f.AnyMarking, "Edit1", "0.1uF 50V X7R 10% 0603"); // a parts list's whole line
    saved = save(f.AnyMarking, folder, "any-marking-line") && saved;
    type(f.AnyMarking, "Edit1", "GRM188R71H104KA93D"); // a maker's part number
    saved = save(f.AnyMarking, folder, "any-marking-part-number") && saved;
    // A page of each, as it prints: a workshop's list with bands to sort by, and the labels.
    f.CheckList->openList(folder + QStringLiteral("../tests/lists/workshop.txt"));
    while (f.CheckList->property("reading").toBool())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    saved = savePage(f.CheckList->sheetDocument(), folder, "sorting-sheet") && saved;
    saved = savePage(f.Labels->document(), folder, "label-sheet") && saved;
    if (!saved)
        std::fprintf(stderr, "screenshots: could not write into %s\n", qPrintable(folder));
    return saved ? 0 : 1;
}
