// «Подобрать из стандартных»: the best networks of one to three standard parts for a value,
// and the best dividers for a ratio, answered as they are typed.
#pragma once

#include "ui/window_frame.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QTimer;

namespace vantrel::ui {
class RadioGroup;
template <typename Worker> class WorkerThread;
} // namespace vantrel::ui

namespace vantrel::windows {

class CombineSearch;

// What the boxes hold when the typing pauses: the question the search answers.
struct CombineQuestion {
    std::uint64_t number = 0; // later questions have larger numbers
    std::string value;        // the value box
    std::string input, output, total;
    std::string series; // "E24", or empty for the builder's own list
    std::string list;   // the builder's own values
};

// A row of an answer: a network or a divider, or a note saying why there is none.
struct CombineRow {
    std::string text;
    bool note = false;
};

struct CombineAnswer {
    std::uint64_t number = 0;
    std::vector<CombineRow> networks;
    std::vector<CombineRow> dividers;
};

class CombineWindow final : public ui::Window {
    Q_OBJECT
public:
    explicit CombineWindow(QWidget* parent = nullptr);
    ~CombineWindow() override;

    // Puts a value in the box, as «Что за маркировка?» hands one over: "4,32 кОм".
    void setValue(const QString& value);

    // How long typing must pause before the search starts.
    static constexpr int kPauseMs = 150;

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void controlsBuilt(const ui::Controls& controls) override;
    void boxesChanged(); // something typed or picked: ask again after a pause
    void ask();          // the question the boxes hold, to the search
    void showAnswer(const CombineAnswer& answer); // the latest question's, when it comes

    QString pendingValue_;    // a value handed over before the controls exist
    QString keptList_;        // the builder's list as last kept in their data folder
    QTimer* pause_ = nullptr; // made with the controls, on the first showing
    std::unique_ptr<ui::WorkerThread<CombineSearch>> thread_; // made on the first showing
    CombineSearch* search_ = nullptr;                         // thread_'s worker
    std::uint64_t asked_ = 0;                                 // the number of the latest question
    QLineEdit* valueBox = nullptr;
    QLineEdit* inputBox = nullptr;
    QLineEdit* outputBox = nullptr;
    QLineEdit* totalBox = nullptr;
    ui::RadioGroup* seriesGroup = nullptr;
    QPlainTextEdit* listBox = nullptr;
    QListWidget* networksList = nullptr;
    QListWidget* dividersList = nullptr;
};

} // namespace vantrel::windows
