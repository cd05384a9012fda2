// «Проверка перечня»: a parts list opened or dropped on the window, read on a thread of its
// own, its lines in a table with their findings, and the markings of the line picked.
#pragma once

#include "core/parts_list/checks.h"
#include "paper/documents.h"
#include "ui/window_frame.h"

#include <QAbstractTableModel>
#include <cstdint>
#include <memory>
#include <variant>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;
class QTableView;

namespace vantrel::ui {
class RadioGroup;
template <typename Worker> class WorkerThread;
} // namespace vantrel::ui

namespace vantrel::windows {

// The lines of a checked list as the table shows them: in the file's order, or those with
// findings first.
class CheckReader;

class CheckedLines final : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Line, Designators, Quantity, Value, PartNumber, Footprint, Reading, Findings };
    static constexpr int kColumns = 8;

    using QAbstractTableModel::QAbstractTableModel;
    void setLines(std::vector<lists::CheckedLine> lines, bool findingsFirst);
    void setFindingsFirst(bool findingsFirst);
    const lists::CheckedLine* lineAt(int row) const;
    const std::vector<lists::CheckedLine>& lines() const { return lines_; } // in the file's order

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<lists::CheckedLine> lines_;
    std::vector<std::size_t> order_; // the row each line is shown in
};

class CheckWindow final : public ui::Window {
    Q_OBJECT
public:
    explicit CheckWindow(QWidget* parent = nullptr);
    ~CheckWindow() override;

    // Reads and checks the file on the reading thread; the table shows it when it is done.
    void openList(const QString& path);
    // The sorting sheet of the list shown, as «Сохранить PDF…» writes it; whether it was written
    // (where not, the "Error" box said why).
    bool savePdf(const QString& path);
    paper::Document sheetDocument() const;

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void controlsBuilt(const ui::Controls& controls) override;
    void OpenClick();
    void showChecked(std::uint64_t number, const QString& path,
                     std::variant<lists::CheckedList, lists::Unreadable> checked,
                     const QString& stockNote);
    void showPicked(); // the markings of the line picked in the table

    std::unique_ptr<ui::WorkerThread<CheckReader>> reading_; // made on the first showing
    CheckReader* reader_ = nullptr;                          // reading_'s worker
    std::uint64_t opened_ = 0;                               // the number of the latest file opened
    QString path_;                                           // the file shown, or being read
    QString pendingPath_; // a file opened before the controls exist
    CheckedLines* model_ = nullptr;
    QLabel* FileName = nullptr;
    QLabel* Summary = nullptr;
    QPushButton* Open = nullptr;
    QPushButton* SavePdf = nullptr;
    QPushButton* Print = nullptr;
    ui::RadioGroup* Order = nullptr;
    ui::RadioGroup* Stock = nullptr;
    QTableView* Lines = nullptr;
    QLabel* MarkingsLabel = nullptr;
    QListWidget* Markings = nullptr;
};

} // namespace vantrel::windows
