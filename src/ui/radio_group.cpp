#include "ui/radio_group.h"

#include <QButtonGroup>
#include <QRadioButton>

namespace vantrel::ui {

RadioGroup::RadioGroup(QWidget* parent)
    : QGroupBox(parent)
    , group_(new QButtonGroup(this)) {
    connect(group_, &QButtonGroup::idClicked, this, &RadioGroup::onButtonClicked);
}

void RadioGroup::setItems(const QStringList& items) {
    qDeleteAll(buttons_);
    buttons_.clear();
    itemIndex_ = -1;
    for (const QString& item : items) {
        auto* button = new QRadioButton(item, this);
        button->setObjectName(item);
        group_->addButton(button, static_cast<int>(buttons_.size()));
        if (!buttons_.isEmpty())
            QWidget::setTabOrder(buttons_.back(), button);
        buttons_.push_back(button);
    }
    setFocusProxy(buttons_.isEmpty() ? nullptr : buttons_.front());
    placeButtons();
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
        return;
    }
    // An exclusive group never lets its last checked button go, so step out of it briefly.
    group_->setExclusive(false);
    for (QRadioButton* button : buttons_)
        button->setChecked(false);
    group_->setExclusive(true);
}

void RadioGroup::onButtonClicked(int index) {
    if (index == itemIndex_)
        return;
    itemIndex_ = index;
    emit clicked();
}

void RadioGroup::resizeEvent(QResizeEvent* event) {
    QGroupBox::resizeEvent(event);
    placeButtons();
}

// The items share the group's height evenly, one row each, as a column of bands reads.
void RadioGroup::placeButtons() {
    if (buttons_.isEmpty())
        return;
    constexpr int kMargin = 4;
    const int rowHeight = (height() - 2 * kMargin) / count();
    for (int row = 0; row < count(); ++row) {
        QRadioButton* button = buttons_[row];
        const int buttonHeight = std::min(rowHeight, button->sizeHint().height());
        button->setGeometry(8, kMargin + row * rowHeight + (rowHeight - buttonHeight) / 2,
                            width() - 12, buttonHeight);
    }
}

} // namespace vantrel::ui
