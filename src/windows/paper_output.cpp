#include "windows/paper_output.h"

#include "ui/message_boxes.h"
#include "windows/print_module.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QLibrary>

namespace vantrel::windows {

namespace {

// The print module beside the program (in the build tree) or where it is installed; the
// function that prints, or why there is none.
PrintFunction printFunction(QString& problem) {
    static QLibrary module;
    static PrintFunction print = nullptr;
    if (print)
        return print;
    const QString folder = QCoreApplication::applicationDirPath();
    for (const QString& place : {folder, folder + QStringLiteral("/" VANTREL_PRINT_MODULE_DIR)}) {
        module.setFileName(place + QStringLiteral("/vantrel_print"));
        if (module.load())
            break;
    }
    print = reinterpret_cast<PrintFunction>(module.resolve(kPrintFunction));
    if (!print)
        problem = module.errorString();
    return print;
}

} // namespace

void printDocument(QWidget* parent, const paper::Document& document) {
    QString problem;
    const PrintFunction print = printFunction(problem);
    if (!print) {
        ui::showCheckMessage(parent, QStringLiteral("Печать недоступна: %1").arg(problem));
        return;
    }
    print(parent, {document.title, paper::pageLayoutOf(document.paper), document.pages,
                   [&document](QPainter& painter, int page) {
                       paper::Canvas canvas(painter);
                       document.draw(canvas, page);
                   }});
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
