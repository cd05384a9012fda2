// «Что за маркировка?»: one box for any marking or value, every reading of what is typed, and
// every way the selected value is marked.
#pragma once

#include "core/marking/any_marking.h"
#include "ui/window_frame.h"

#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;

namespace vantrel::marking {

class AnyMarkingWindow final : public ui::Window {
    Q_OBJECT
public:
    explicit AnyMarkingWindow(QWidget* parent = nullptr);

private:
    void controlsBuilt(const ui::Controls& controls) override;
    void Edit1Change(); // reads the box anew, as it is typed
    void showReading(const MarkingReading& found);
    void showNeighbours(bool shown);
    void showMarkings(const value::Reading& value); // of a reading, or of a nearest value

    std::vector<MarkingReading> readings_;
    std::vector<value::Reading> neighbours_; // the nearest standard values, where the value has
    QLineEdit* Edit1 = nullptr;
    QListWidget* Readings1 = nullptr;
    QLabel* Label3 = nullptr; // «Так маркируют …:»
    QListWidget* Markings1 = nullptr;
    QLabel* Label4 = nullptr;
    QListWidget* Neighbours1 = nullptr;
};

} // namespace vantrel::marking
