// A caption-less group of radio buttons in one column: the band selectors and the
// letter-code window's digit-count selector.
#pragma once

#include <QGroupBox>
#include <QStringList>
#include <QVector>

class QButtonGroup;
class QRadioButton;

namespace vantrel::ui {

class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit RadioGroup(QWidget* parent = nullptr);

    void setItems(const QStringList& items);
    QStringList items() const;
    int count() const { return static_cast<int>(buttons_.size()); }
    QRadioButton* button(int index) const;

    // -1 when nothing is selected.
    int itemIndex() const { return itemIndex_; }
    // Selects an item, or clears the selection with -1, without emitting itemPicked().
    void setItemIndex(int index);

signals:
    // The user changed the selection, with the mouse, the keyboard or a screen reader's
    // toggle action; picking the selected item again is no change.
    void itemPicked();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void onButtonToggled(int index, bool checked);
    void placeButtons();
    void updateTabStop();

    QButtonGroup* group_;
    QVector<QRadioButton*> buttons_;
    int itemIndex_ = -1;
};

} // namespace vantrel::ui
