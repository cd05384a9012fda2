// «Что за маркировка?»: one box for any marking or value, every reading of what is typed, and
// every way the selected value is marked.
#pragma once

#include "core/marking/any_marking.h"
#include "core/marking/value_markings.h"
#include "ui/window_frame.h"

#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace vantrel::marking {

class AnyMarkingWindow final : public ui::Window {
    Q_OBJECT
public:
    explicit AnyMarkingWindow(QWidget* parent = nullptr);

signals:
    // «Подобрать из стандартных» was pressed for the value whose markings are shown: "4,32 кОм".
    void combineAsked(const QString& value);

private:
    void controlsBuilt(const ui::Controls& controls) override;
    void Edit1Change(); // reads the box anew, as it is typed
    void showReading(const MarkingReading& found);
    void showNeighbours(bool shown);
    void showValue(const std::optional<value::Reading>& value);
    // Of a reading, or of a nearest value.
    void showMarkings(const value::Reading& value, const std::vector<Marking>& ways);

    std::vector<MarkingReading> readings_;
    std::vector<value::Reading> neighbours_; // the nearest standard values, where the value has
    std::optional<value::Reading> shown_;    // the value whose markings are shown
    QLineEdit* Edit1 = nullptr;
    QListWidget* Readings1 = nullptr;
    QLabel* Label3 = nullptr; // «Так маркируют …:»
    QListWidget* Markings1 = nullptr;
    QLabel* Label4 = nullptr;
    QListWidget* Neighbours1 = nullptr;
    QPushButton* Button1 = nullptr; // «Подобрать из стандартных»
};

} // namespace vantrel::marking
