// «Подобрать из стандартных»: the best networks of one to three standard parts for a value,
// and the best dividers for a ratio, answered as they are typed.
#pragma once

#include "core/networks/networks.h"
#include "ui/window_frame.h"

#include <map>
#include <optional>
#include <string>

class QLineEdit;
class QListWidget;
class QPlainTextEdit;

namespace vantrel::ui {
class RadioGroup;
}

namespace vantrel::networks {

class CombineWindow final : public ui::Window {
    Q_OBJECT
public:
    explicit CombineWindow(QWidget* parent = nullptr);

    // Puts a value in the box, as «Что за маркировка?» hands one over: "4,32 кОм".
    void setValue(const QString& value);

private:
    void controlsBuilt(const ui::Controls& controls) override;
    void Edit1Change();   // the networks for the value typed
    void DividerChange(); // the dividers for the voltages or the ratio typed
    // The stock the series selector names, of the quantity, with its tables kept for the next
    // answer; or why the builder's own list cannot be used.
    std::variant<const Combiner*, Refusal> combinerFor(value::Quantity quantity);

    std::map<std::pair<int, value::Quantity>, Combiner> series_; // by the selector's item
    std::optional<Combiner> own_;                                // the builder's list, as read
    std::string ownRead_;                                        // the text it was read from
    QString pendingValue_; // a value handed over before the controls exist
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QLineEdit* Edit4 = nullptr;
    ui::RadioGroup* RadioGroup1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QListWidget* Networks1 = nullptr;
    QListWidget* Dividers1 = nullptr;
};

} // namespace vantrel::networks
