// «Этикетки»: labels for drawers and bags, for values typed, the finder's own values or the
// values of a parts list; the first page drawn as it prints, saved as PDF or printed.
#pragma once

#include "core/paper/content.h"
#include "paper/documents.h"
#include "ui/window_frame.h"

#include <QTimer>
#include <vector>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace vantrel::ui {
class RadioGroup;
} // namespace vantrel::ui

namespace vantrel::windows {

// A page drawn by the same code as on paper, scaled to the widget.
class PagePreview final : public QWidget {
public:
    using QWidget::QWidget;
    void setDocument(paper::Document document);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    paper::Document document_;
};

class LabelsWindow final : public ui::Window {
    Q_OBJECT
public:
    explicit LabelsWindow(QWidget* parent = nullptr);

    // The values of the parts list at `path`, one line each, in place of those typed; whether
    // it could be read (where not, the "Error" box said why).
    bool takeList(const QString& path);
    // The labels as «Сохранить PDF…» writes them; whether they were written.
    bool savePdf(const QString& path);
    const std::vector<paper::Label>& labels() const { return labels_; }
    paper::Document document() const; // on the sheet and with the code picked

private:
    void controlsBuilt(const ui::Controls& controls) override;
    void readValues(); // the labels of the values typed, the summary and the preview

    std::vector<paper::Label> labels_;
    QTimer reading_; // the values are read once typing pauses
    QPlainTextEdit* Values = nullptr;
    QPushButton* Own = nullptr;
    QPushButton* FromList = nullptr;
    QLabel* Summary = nullptr;
    ui::RadioGroup* Sheet = nullptr;
    ui::RadioGroup* Code = nullptr;
    PagePreview* Preview = nullptr;
    QPushButton* SavePdf = nullptr;
    QPushButton* Print = nullptr;
};

} // namespace vantrel::windows
