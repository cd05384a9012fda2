#include "windows/band_window.h"

#include "ui/message_boxes.h"
#include "ui/radio_group.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <array>

namespace vantrel::bands {
namespace {

QString text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

} // namespace

BandWindow::BandWindow(const ui::WindowFrame& frame, const WindowRecipe& recipe, QWidget* parent)
    : ui::Window(frame, parent)
    , bands_(recipe) {}

void BandWindow::controlsBuilt(const ui::Controls& controls) {
    using Slot = void (BandWindow::*)();
    static constexpr std::array<Slot, kMaxBands> kClickSlots{
        &BandWindow::RadioGroup1Click, &BandWindow::RadioGroup2Click,
        &BandWindow::RadioGroup3Click, &BandWindow::RadioGroup4Click,
        &BandWindow::RadioGroup5Click, &BandWindow::RadioGroup6Click};
    Memo1 = controls.get<QPlainTextEdit>("Memo1");
    for (int band = 0; band < bands_.bandCount(); ++band) {
        const QByteArray name = "RadioGroup" + QByteArray::number(band + 1);
        auto* selector = controls.get<ui::RadioGroup>(name.constData());
        QStringList items;
        for (std::string_view item : bands_.items(band))
            items << text(item);
        selector->setItems(items);
        selector->setAccessibleName(QStringLiteral("%1-я полоса").arg(band + 1));
        connect(selector, &ui::RadioGroup::itemPicked, this,
                kClickSlots[static_cast<std::size_t>(band)]);
        RadioGroups[static_cast<std::size_t>(band)] = selector;
    }
    connect(controls.get<QPushButton>("Button1"), &QPushButton::clicked, this,
            &BandWindow::Button1Click);
}

void BandWindow::pick(int band) {
    ui::RadioGroup* selector = RadioGroups[static_cast<std::size_t>(band)];
    const PickOutcome outcome = bands_.pick(band, selector->itemIndex());
    if (outcome.accepted || outcome.message.empty())
        return;
    ui::showCheckMessage(this, text(outcome.message));
    // A rejected colour does not stay shown: the selector goes back to the colour the band
    // holds, so what the window shows always agrees with what a press will write.
    selector->setItemIndex(bands_.acceptedItem(band));
}

void BandWindow::Button1Click() {
    Memo1->clear();
    const PressOutcome outcome = bands_.press();
    Memo1->setToolTip(text(outcome.readout)); // screen readers hear it as the description
    if (!outcome.missing.empty()) {
        ui::showMissingData(this, text(outcome.missing));
        return;
    }
    Memo1->insertPlainText(text(outcome.line));
}

} // namespace vantrel::bands
