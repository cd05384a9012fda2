#include "app/main_window.h"

#include "app/shell_windows.h"
#include "ui/caption_bar.h"
#include "ui/controls.h"
#include "ui/menu_keys.h"
#include "ui/pictures.h"
#include "ui/window_frame.h"
#include "windows/any_marking_window.h"
#include "windows/check_window.h"
#include "windows/code_windows.h"
#include "windows/colour_windows.h"
#include "windows/combine_window.h"
#include "windows/labels_window.h"
#include "windows/marking_windows.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QTimer>

namespace vantrel::app {
namespace {

constexpr ui::FontSpec kArialBold{"Arial", 15, true};

// clang-format off
constexpr ui::Control kControls[] = {
    {ui::Kind::Picture, "Image1",   0, 180, 697, 69, ":/pictures/banner.pixels"},
    {ui::Kind::Label,   "Label1", 512, 421,   0, 18, "", kArialBold},
    {ui::Kind::Edit,    "Edit1",  267, 420, 173, 26, "www.vantrel.org", kArialBold, 0, ui::ReadOnly | ui::Disabled},
};
// clang-format on

constexpr int kCaptionSteps = 122; // after 121 spaces the caption starts again from the left
constexpr const char* kCaption = "...:::Vantrel:::...";

// The locale's long time format names the time zone too; the clock leaves it out.
QString timeFormatWithoutZone(const QLocale& locale) {
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString kept;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == u'\'')
            quoted = !quoted;
        if (quoted || c != u't')
            kept += c;
    }
    return kept.simplified();
}

void assignAccessKeys(QMenu* menu) {
    QStringList captions;
    for (const QAction* action : menu->actions())
        captions << action->text();
    const QStringList keyed = ui::withAccessKeys(captions);
    for (qsizetype i = 0; i < keyed.size(); ++i)
        menu->actions()[i]->setText(keyed[i]);
}

// A window created on its first showing, then kept, with what it holds, until the program ends.
template <typename Window> void showKept(QWidget* owner, QDialog*& window) {
    if (!window)
        window = new Window(owner);
    window->exec();
}

} // namespace

TForm1::TForm1()
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                               Qt::WindowCloseButtonHint) {
    auto* canvas = new QWidget(this);
    canvas->setObjectName(QStringLiteral("Canvas"));
    const ui::Controls controls = ui::buildControls(canvas, kControls);
    // After the controls, which have fonts of their own: an edit box lays its text out as it is
    // made, in its parent's font, which the first frame would otherwise load for nothing.
    canvas->setFont(ui::makeFont({"Shotgun BT", 12}));
    setCentralWidget(canvas);
    Label1 = controls.get<QLabel>("Label1");
    Edit1 = controls.get<QLineEdit>("Edit1");
    Edit1->setCursor(Qt::ArrowCursor);
    buildMenu();
    setWindowIcon(ui::applicationIcon());
    setFixedSize(695, 450 + menuBar()->sizeHint().height());
    ui::centreWhenShown(this);
    ui::keepCaptionBarEmpty(this); // the caption starts scrolling after a second

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    Timer1->start();
    Timer2 = new QTimer(this); // it has no work and never runs
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer3 = new QTimer(this);
    Timer3->setObjectName(QStringLiteral("Timer3"));
    Timer3->setInterval(1000); // the caption waits a second, then moves every 150 ms
    connect(Timer3, &QTimer::timeout, this, &TForm1::Timer3Timer);
    Timer3->start();
    createWindows();
}

// In their fixed order, after the main window itself; Form7 and Form11 are never shown, and
// only their parent keeps them.
void TForm1::createWindows() {
    Form2 = new bands::TForm2(this);
    Form3 = new bands::TForm3(this);
    Form4 = new bands::TForm4(this);
    Form5 = new bands::TForm5(this);
    Form6 = new TForm6(this);
    new TForm7(this);
    Form8 = new codes::TForm8(this);
    Form9 = new codes::TForm9(this);
    Form10 = new codes::TForm10(this);
    new TForm11(this);
    Form12 = new bands::TForm12(this);
    Form13 = new bands::TForm13(this);
}

QAction* TForm1::addCommand(QMenu* menu, const char* caption, const char* name,
                            void (TForm1::*slot)()) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, slot);
    return action;
}

void TForm1::buildMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    const auto submenu = [](auto* owner, const char* caption, const char* name) {
        QMenu* menu = owner->addMenu(QString::fromUtf8(caption));
        menu->setObjectName(QString::fromLatin1(name));
        menu->menuAction()->setObjectName(QString::fromLatin1(name));
        return menu;
    };
    N1 = submenu(bar, "&Файл", "N1");
    N12 = addCommand(N1, "&Закрыть", "N12", &TForm1::N12Click);
    N3 = submenu(bar, "&Элемент", "N3");
    N4 = submenu(N3, "Резистор", "N4");
    N8 = submenu(N4, "Цветовая", "N8");
    N31 = addCommand(N8, "3 полосы", "N31", &TForm1::N31Click);
    N41 = addCommand(N8, "4 полосы", "N41", &TForm1::N41Click);
    N51 = addCommand(N8, "5 полос", "N51", &TForm1::N51Click);
    N61 = addCommand(N8, "6 полос", "N61", &TForm1::N61Click);
    N9 = addCommand(N4, "Кодовая", "N9", &TForm1::N9Click);
    SmdCode = addCommand(N4, "SMD-код", "SmdCode", &TForm1::SmdCodeClick);
    N5 = submenu(N3, "Конденсатор", "N5");
    N33 = submenu(N5, "Кодовая", "N33");
    N34 = addCommand(N33, "3-мя цифрами", "N34", &TForm1::N34Click);
    N43 = addCommand(N33, "4-мя цифрами", "N43", &TForm1::N43Click);
    PrintedCapacitorCode =
        addCommand(N5, "Код с буквами", "PrintedCapacitorCode", &TForm1::PrintedCapacitorCodeClick);
    N11 = submenu(N3, "Индуктивность", "N11");
    N35 = addCommand(N11, "3 полосы", "N35", &TForm1::N35Click);
    N44 = addCommand(N11, "4 полосы", "N44", &TForm1::N44Click);
    AnyMarking = addCommand(N3, "Что за маркировка?", "AnyMarking", &TForm1::AnyMarkingClick);
    Combine = addCommand(N3, "Подобрать из стандартных", "Combine", &TForm1::CombineClick);
    CheckList = addCommand(N3, "Проверка перечня", "CheckList", &TForm1::CheckListClick);
    Labels = addCommand(N3, "Этикетки", "Labels", &TForm1::LabelsClick);
    N7 = bar->addAction(QStringLiteral("О программе"));
    N7->setObjectName(QStringLiteral("N7"));
    connect(N7, &QAction::triggered, this, &TForm1::N7Click);
    for (QMenu* menu : {N1, N3, N4, N8, N5, N33, N11})
        assignAccessKeys(menu);
}

// Each window is modal while it is open; what it returns means nothing here.
void TForm1::N31Click() {
    Form2->exec();
}
void TForm1::N41Click() {
    Form3->exec();
}
void TForm1::N51Click() {
    Form4->exec();
}
void TForm1::N61Click() {
    Form5->exec();
}
void TForm1::N7Click() {
    Form6->exec();
}
void TForm1::N9Click() {
    Form8->exec();
}
void TForm1::N34Click() {
    Form9->exec();
}
void TForm1::N43Click() {
    Form10->exec();
}
void TForm1::N35Click() {
    Form12->exec();
}
void TForm1::N44Click() {
    Form13->exec();
}
void TForm1::SmdCodeClick() {
    showKept<codes::SmdCodeWindow>(this, SmdCodeForm);
}
void TForm1::PrintedCapacitorCodeClick() {
    showKept<codes::PrintedCapacitorCodeWindow>(this, PrintedCapacitorCodeForm);
}
void TForm1::AnyMarkingClick() {
    if (!AnyMarkingForm) {
        auto* window = new marking::AnyMarkingWindow(this);
        connect(window, &marking::AnyMarkingWindow::combineAsked, this,
                [this](const QString& value) { showCombine(value); });
        AnyMarkingForm = window;
    }
    AnyMarkingForm->exec();
}
void TForm1::CombineClick() {
    showCombine();
}
void TForm1::CheckListClick() {
    showKept<windows::CheckWindow>(this, CheckListForm);
}
void TForm1::LabelsClick() {
    showKept<windows::LabelsWindow>(this, LabelsForm);
}
void TForm1::showCombine(const QString& value) {
    if (!CombineForm)
        CombineForm = new windows::CombineWindow(this);
    if (!value.isEmpty())
        CombineForm->setValue(value);
    CombineForm->exec();
}
void TForm1::N12Click() {
    close();
}

QString TForm1::clockText(const QDateTime& now, const QLocale& locale) {
    QString text = QStringLiteral("Сейчас: ") + locale.toString(now.date(), QLocale::ShortFormat);
    const QTime time = now.time();
    if (time.hour() != 0 || time.minute() != 0 || time.second() != 0)
        text += u' ' + locale.toString(time, timeFormatWithoutZone(locale));
    return text;
}

void TForm1::Timer1Timer() {
    Label1->setText(clockText(clock_(), QLocale()));
    Label1->adjustSize();
}

void TForm1::Timer3Timer() {
    if (Timer3->interval() != 150)
        Timer3->setInterval(150);
    scrollPrefix_ += u' ';
    if (scrollPrefix_.size() == kCaptionSteps)
        scrollPrefix_.clear();
    setWindowTitle(scrollPrefix_ + QLatin1String(kCaption));
}

} // namespace vantrel::app
