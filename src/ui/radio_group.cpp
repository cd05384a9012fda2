#include "ui/radio_group.h"

#include <QButtonGroup>
#include <QRadioButton>

namespace vantrel::ui {

RadioGroup::RadioGroup(QWidget* parent)
    : QGroupBox(parent)
    , group_(new QButtonGroup(this)) {
    // A place in the window's tab order of its own, handed on to the items through the
    // focus proxy.
    setFocusPolicy(Qt::TabFocus);
    connect(group_, &QButtonGroup::idToggled, this, &RadioGroup::onButtonToggled);
}

void RadioGroup::setItems(const QStringList& items) {
    setFocusProxy(nullptr);
    qDeleteAll(buttons_);
    buttons_.clear();
    itemIndex_ = -1;
    // The items take the group's own place in the window's tab order.
    QWidget* previous = this;
    for (const QString& item : items) {
        auto* button = new QRadioButton(item, this);
        button->setObjectName(item);
        group_->addButton(button, static_cast<int>(buttons_.size()));
        QWidget::setTabOrder(previous, button);
        previous = button;
        buttons_.push_back(button);
    }
    placeButtons();
    updateTabStop();
}

QStringList RadioGroup::items() const {
    QStringList texts;
    for (const QRadioButton* button : buttons_)
        texts << button->text();
    return texts;
}

QRadioButton* RadioGroup::button(int index) const {
    return index >= 0 && index < count() ? buttons_[index] : nullptr;
}

void RadioGroup::setItemIndex(int index) {
    if (index < -1 || index >= count())
        return;
    itemIndex_ = index;
    if (index >= 0) {
        buttons_[index]->setChecked(true);
    } else {
        // An exclusive group never lets its last checked button go, so step out of it briefly.
        group_->setExclusive(false);
        for (QRadioButton* button : buttons_)
            button->setChecked(false);
        group_->setExclusive(true);
    }
    updateTabStop();
}

// setItemIndex() records its index before it checks the button, so only the user's own
// change of selection gets this far.
void RadioGroup::onButtonToggled(int index, bool checked) {
    if (!checked || index == itemIndex_)
        return;
    itemIndex_ = index;
    updateTabStop();
    emit itemPicked();
}

// Tab reaches a group once, at its selected item (or its first); the arrow keys move within.
void RadioGroup::updateTabStop() {
    QRadioButton* stop = button(itemIndex_ >= 0 ? itemIndex_ : 0);
    for (QRadioButton* item : buttons_)
        item->setFocusPolicy(item == stop ? Qt::StrongFocus : Qt::ClickFocus);
    setFocusProxy(stop);
}

void RadioGroup::resizeEvent(QResizeEvent* event) {
    QGroupBox::resizeEvent(event);
    placeButtons();
}

// The items share the group's height evenly, one row each, as a column of bands reads. They
// stand just inside the frame, so that the longest colour name shows whole in the narrowest
// selector (68 pixels).
void RadioGroup::placeButtons() {
    if (buttons_.isEmpty())
        return;
    constexpr int kMargin = 4; // above the first row and below the last
    constexpr int kInset = 2;  // left and right, inside the frame
    const int rowHeight = (height() - 2 * kMargin) / count();
    for (int row = 0; row < count(); ++row) {
        QRadioButton* button = buttons_[row];
        const int buttonHeight = std::min(rowHeight, button->sizeHint().height());
        button->setGeometry(kInset, kMargin + row * rowHeight + (rowHeight - buttonHeight) / 2,
                            width() - 2 * kInset, buttonHeight);
    }
}

} // namespace vantrel::ui
