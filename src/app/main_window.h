// The main window: the menu into every other window, the banner, the clock and the
// scrolling caption.
#pragma once

#include <QDateTime>
#include <QMainWindow>
#include <functional>

class QDialog;
class QLabel;
class QLineEdit;
class QMenu;
class QTimer;

namespace vantrel::windows {
class CheckWindow;
class LabelsWindow;
class CombineWindow;
} // namespace vantrel::windows

namespace vantrel::app {

// Creates the other twelve windows, hidden, as its own children: it is their one owner, and
// it keeps pointers to the ten that its menu opens. The windows added since (SMD codes, any
// marking, standard parts, parts lists) are created on their first showing, owned the same way, and
// kept until the program ends.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    using Clock = std::function<QDateTime()>;

    TForm1();

    // The time source of the clock label; tests give it midnight.
    void setClock(Clock clock) { clock_ = std::move(clock); }

    // "Сейчас: " and the date in the locale's short format, then the time with seconds;
    // in the first second after midnight the date alone.
    static QString clockText(const QDateTime& now, const QLocale& locale);

private slots:
    void N31Click();
    void N41Click();
    void N51Click();
    void N61Click();
    void N7Click();
    void N9Click();
    void N34Click();
    void N43Click();
    void N12Click();
    void N35Click();
    void Timer1Timer();
    void Timer3Timer();
    void N44Click();
    void SmdCodeClick();
    void PrintedCapacitorCodeClick();
    void AnyMarkingClick();
    void CombineClick();
    void CheckListClick();
    void LabelsClick();

private:
    // «Подобрать из стандартных», with the value typed in where one is handed over.
    void showCombine(const QString& value = {});
    void buildMenu();
    QAction* addCommand(QMenu* menu, const char* caption, const char* name, void (TForm1::*slot)());
    void createWindows();

    // What the menu opens; each window returns nothing that matters here.
    QDialog *Form2, *Form3, *Form4, *Form5, *Form6, *Form8, *Form9, *Form10, *Form12, *Form13;
    QDialog* SmdCodeForm = nullptr; // these five are created on their first showing
    QDialog* PrintedCapacitorCodeForm = nullptr;
    QDialog* AnyMarkingForm = nullptr;
    windows::CombineWindow* CombineForm = nullptr;
    QDialog* CheckListForm = nullptr;
    QDialog* LabelsForm = nullptr;
    Clock clock_ = &QDateTime::currentDateTime;
    QString scrollPrefix_; // only ever spaces: the caption drifts right one space a tick

    QMenu *N1, *N3, *N5, *N4, *N8, *N33, *N11;
    QAction *N7, *N31, *N41, *N51, *N61, *N9, *N34, *N43, *N35, *N44, *N12;
    QAction *SmdCode, *PrintedCapacitorCode, *AnyMarking, *Combine, *CheckList, *Labels;
    QLabel* Label1;
    QTimer* Timer1;
    QTimer* Timer2;
    QTimer* Timer3;
    QLineEdit* Edit1;
};

} // namespace vantrel::app
