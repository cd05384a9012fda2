#include "windows/paper_output.h"

#include "ui/message_boxes.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace vantrel::windows {

void printDocument(QWidget* parent, const paper::Document& document) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true); // the pages keep their own margins
    printer.setPageLayout(paper::pageLayoutOf(document.paper));
    printer.setDocName(document.title);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Печать"));
    if (dialog.exec() == QDialog::Accepted)
        paper::drawDocument(document, printer);
}

bool writeDocumentPdf(QWidget* parent, const paper::Document& document, const QString& path) {
    if (const auto problem = paper::writePdf(document, path)) {
        ui::showCheckMessage(parent, *problem);
        return false;
    }
    return true;
}

QString saveDocumentPdf(QWidget* parent, const paper::Document& document,
                        const QString& suggested) {
    QFileDialog dialog(parent, QStringLiteral("Сохранить PDF"), suggested,
                       QStringLiteral("PDF (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf")); // and it asks before a file is replaced
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString path = dialog.selectedFiles().front();
    return writeDocumentPdf(parent, document, path) ? path : QString();
}

} // namespace vantrel::windows
