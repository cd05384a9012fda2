// vantrel_print.so: the print dialog and the printer, for windows/paper_output.cpp.
#include "windows/print_module.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

extern "C" Q_DECL_EXPORT bool vantrelPrint(QWidget* parent,
                                           const vantrel::windows::PrintRequest& request) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true); // the pages keep their own margins
    printer.setPageLayout(request.layout);
    printer.setDocName(request.title);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Печать"));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    QPainter painter(&printer);
    for (int page = 0; page < request.pages; ++page) {
        if (page > 0)
            printer.newPage();
        request.draw(painter, page);
    }
    return true;
}
