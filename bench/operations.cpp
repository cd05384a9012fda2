// Times a pick and a press of "Считать!!!" in process, on the real windows (offscreen), with
// no message box involved: prints the median of many runs of each in microseconds.
#include "app/start_up.h"
#include "support/windows_of.h"
#include "ui/radio_group.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

using namespace vantrel;

namespace {

double medianMicroseconds(const std::function<void(int)>& operation, int runs) {
    std::vector<double> times;
    times.reserve(static_cast<std::size_t>(runs));
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        operation(run);
        const std::chrono::duration<double, std::micro> spent =
            std::chrono::steady_clock::now() - start;
        times.push_back(spent.count());
    }
    std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
    return times[static_cast<std::size_t>(runs / 2)];
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const auto main = app::startUp();
    const test::Windows forms = test::windowsOf(main.get());
    QDialog* window = forms.Form5; // the 6-band window: the longest line
    window->show();
    auto* band2 = window->findChild<ui::RadioGroup*>(QStringLiteral("RadioGroup2"));
    for (int band = 1; band <= 6; ++band)
        window->findChild<ui::RadioGroup*>(QStringLiteral("RadioGroup%1").arg(band))
            ->button(1)
            ->click();
    auto* button = window->findChild<QPushButton*>(QStringLiteral("Button1"));
    const double pick =
        medianMicroseconds([band2](int run) { band2->button(run % 10)->click(); }, 20000);
    const double press = medianMicroseconds([button](int) { button->click(); }, 20000);

    QDialog* letters = forms.Form8;
    letters->show();
    for (const auto& [edit, text] :
         {std::pair{"Edit1", "33"}, {"Edit2", "1"}, {"Edit4", "K"}, {"Edit3", "J"}})
        letters->findChild<QLineEdit*>(QString::fromLatin1(edit))
            ->setText(QString::fromLatin1(text));
    auto* letterButton = letters->findChild<QPushButton*>(QStringLiteral("Button1"));
    const double letterPress =
        medianMicroseconds([letterButton](int) { letterButton->click(); }, 20000);
    std::printf("pick-us %.2f\npress-us %.2f\nletter-press-us %.2f\n", pick, press, letterPress);
    return 0;
}
