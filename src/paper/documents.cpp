#include "paper/documents.h"

#include "core/cli/command_line.h"
#include "paper/qr_code.h"

#include <QDate>
#include <QGuiApplication>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <cstdio>
#include <memory>
#include <ostream>

namespace vantrel::paper {
namespace {

QPageSize pageSizeOf(Paper paper) {
    return QPageSize(paper == Paper::Letter ? QPageSize::Letter : QPageSize::A4);
}

} // namespace

Document sheetDocument(SortingSheet sheet, Paper paper, const QString& listName) {
    auto kept = std::make_shared<const SortingSheet>(std::move(sheet));
    auto pages = std::make_shared<const SheetPages>(layOutSheet(*kept, paperSize(paper)));
    const QString date = QLocale(QLocale::Russian).toString(QDate::currentDate(), "dd.MM.yyyy");
    return {QStringLiteral("Лист для сортировки: %1").arg(listName), paper, pages->count(),
            [kept, pages, listName, date](Canvas& canvas, int page) {
                drawSheetPage(canvas, *kept, *pages, page, listName, date);
            }};
}

Document labelDocument(std::vector<Label> labels, const LabelSheet& sheet, Paper paper, bool qr,
                       const QString& listName) {
    auto kept = std::make_shared<const std::vector<Label>>(std::move(labels));
    return {QStringLiteral("Этикетки: %1").arg(listName), paper, labelPageCount(*kept, sheet),
            [kept, sheet, qr](Canvas& canvas, int page) {
                drawLabelPage(canvas, *kept, sheet, page, qr);
            }};
}

QPageLayout pageLayoutOf(Paper paper) {
    return QPageLayout(pageSizeOf(paper), QPageLayout::Portrait, {});
}

void drawDocument(const Document& document, QPagedPaintDevice& device) {
    QPainter painter(&device);
    Canvas canvas(painter);
    for (int page = 0; page < document.pages; ++page) {
        if (page > 0)
            device.newPage();
        document.draw(canvas, page);
    }
}

std::optional<QString> writePdf(const Document& document, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("%1: не удалось записать: %2").arg(path, file.errorString());
    {
        QPdfWriter writer(&file);
        writer.setResolution(600);
        writer.setTitle(document.title);
        writer.setCreator(QStringLiteral("Vantrel"));
        writer.setPageLayout(pageLayoutOf(document.paper));
        drawDocument(document, writer);
    }
    if (!file.commit())
        return QStringLiteral("%1: не удалось записать: %2").arg(path, file.errorString());
    return std::nullopt;
}

Paper localePaper() {
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? Paper::Letter
                                                                              : Paper::A4;
}

int printJob(const cli::PaperJob& job, std::ostream& err) {
    // No display is needed: the pages are drawn off screen, with the fonts fontconfig finds.
    std::unique_ptr<QGuiApplication> application;
    if (!QGuiApplication::instance()) {
        static int argc = 1;
        static char name[] = "vantrel";
        static char* argv[] = {name, nullptr};
        qputenv("QT_QPA_PLATFORM", "offscreen");
        // The off-screen platform's notes (no XDG_RUNTIME_DIR, say) are not the answer's.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type == QtCriticalMsg || type == QtFatalMsg)
                std::fprintf(stderr, "vantrel: %s\n", qPrintable(text));
        });
        application = std::make_unique<QGuiApplication>(argc, argv);
    }
    if (const auto problem = job.qr ? qrProblem() : std::nullopt) {
        err << "vantrel: " << *problem << "\n";
        return cli::kUsageError;
    }
    const QString title = QString::fromStdString(job.title);
    const Document document =
        job.sheet ? sheetDocument(*job.sheet, job.paper, title)
                  : labelDocument(job.labels, job.labelSheet, job.paper, job.qr, title);
    if (const auto problem = writePdf(document, QString::fromStdString(job.output))) {
        err << "vantrel: " << problem->toStdString() << "\n";
        return cli::kUsageError;
    }
    return cli::kEveryMarkingRead;
}

} // namespace vantrel::paper
