#include "paper/drawing.h"

#include "core/bands/band_tables.h"
#include "paper/qr_code.h"
#include "ui/band_colours.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace vantrel::paper {
namespace {

static_assert(ui::kBandColours.size() == bands::kColourNames.size(), "a colour for every name");

const QColor kBody(226, 204, 160); // a carbon-film resistor's beige
const QColor kLead(150, 150, 150);
const QColor kInk(0, 0, 0);
const QColor kQuiet(100, 100, 100); // headings and titles
const QColor kFound(192, 0, 0);     // a row with findings
const QColor kEdge(200, 200, 200);  // a label's outline

// Font heights in millimetres, the same on every device.
struct Em {
    double height;
    bool bold = false;
};
constexpr Em kTitleFont{4.2, true};
constexpr Em kHeadingFont{2.6};
constexpr Em kTextFont{3.2};
constexpr Em kCountFont{3.4, true};
constexpr Em kWrittenFont{4.4, true};
constexpr Em kCodeFont{3.8, true};
constexpr Em kSmallFont{2.4};
constexpr Em kFindingFont{2.8};
constexpr double kLineSpacing = 1.25; // a line's height, in ems

// The sheet's columns, as parts of the body's width: designators and count, the value, the
// bands, the codes.
constexpr double kColumns[] = {0, 0.25, 0.5, 0.8, 1};
constexpr const char* kHeadings[] = {"Обозначения, кол.", "Номинал", "Полосы", "Коды"};
constexpr double kPad = 2; // above and below a row's content, and between columns
constexpr double kBodyHeight = 7, kBodyWidth = 40; // a resistor body on the sheet
constexpr double kNamesHeight = 5.6;               // two lines
constexpr double kBandGap = 1.6;
constexpr double kCodeHeight = 8;

// A font whose em is `em.height` millimetres at `perMillimetre` pixels a millimetre.
QFont fontOf(Em em, double perMillimetre) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(em.height * perMillimetre))));
    font.setBold(em.bold);
    return font;
}

QString text(std::string_view written) {
    return QString::fromUtf8(written.data(), static_cast<qsizetype>(written.size()));
}

QRectF pixels(const Canvas& canvas, const QRectF& millimetres) {
    const double k = canvas.perMillimetre;
    return {millimetres.left() * k, millimetres.top() * k, millimetres.width() * k,
            millimetres.height() * k};
}

QRectF rectOf(const Rect& rect) {
    return {rect.left, rect.top, rect.width, rect.height};
}

QPen penOf(const Canvas& canvas, const QColor& colour, double millimetres,
           Qt::PenStyle style = Qt::SolidLine) {
    return QPen(colour, millimetres * canvas.perMillimetre, style);
}

void write(Canvas& canvas, Em em, const QColor& colour, const QRectF& box, int flags,
           const QString& written) {
    canvas.painter.setFont(fontOf(em, canvas.perMillimetre));
    canvas.painter.setPen(colour);
    canvas.painter.drawText(pixels(canvas, box), flags, written);
}

void line(Canvas& canvas, const QColor& colour, double width, QPointF from, QPointF to) {
    canvas.painter.setPen(penOf(canvas, colour, width));
    canvas.painter.drawLine(from * canvas.perMillimetre, to * canvas.perMillimetre);
}

// Text measured on one device for every device, so that a page breaks where it breaks on
// paper: a 600 dpi image.
class Measure {
public:
    Measure()
        : device_(1, 1, QImage::Format_RGB32) {
        device_.setDotsPerMeterX(kDotsPerMetre);
        device_.setDotsPerMeterY(kDotsPerMetre);
    }
    // The height of the text wrapped to `width`, in millimetres.
    double height(Em em, const QString& written, double width) const {
        if (written.isEmpty())
            return 0;
        const double k = kDotsPerMetre / 1000.0;
        const QFontMetricsF metrics(fontOf(em, k), &device_);
        return std::max(
            metrics.boundingRect(QRectF(0, 0, width * k, 1e6), Qt::TextWordWrap, written).height() /
                k,
            em.height * kLineSpacing);
    }

private:
    static constexpr int kDotsPerMetre = 23622; // 600 dpi
    QImage device_;
};

QString joinedFindings(const SheetRow& row) {
    QString joined;
    for (const std::string& finding : row.findings)
        joined += (joined.isEmpty() ? "" : "\n") + text(finding);
    return joined;
}

double tallest(const RowParts& parts) {
    return std::max({parts.designators, parts.written + parts.plainly, parts.bands, parts.codes});
}

double columnWidth(int i, double width) {
    return (kColumns[i + 1] - kColumns[i]) * width - kPad;
}

QString plainly(const SheetRow& row) {
    return row.reading ? text(row.plainly) : QStringLiteral("номинал не читается");
}

RowParts rowParts(const Measure& measure, const SheetRow& row, double width) {
    return {measure.height(kTextFont, text(row.designators), columnWidth(0, width)) +
                kCountFont.height * kLineSpacing,
            measure.height(kWrittenFont, text(row.written), columnWidth(1, width)),
            measure.height(kTextFont, plainly(row), columnWidth(1, width)),
            static_cast<double>(row.markings.bands.size()) *
                (kBodyHeight + kNamesHeight + kBandGap),
            static_cast<double>(row.markings.codes.size()) * kCodeHeight,
            row.findings.empty() ? 0 : measure.height(kFindingFont, joinedFindings(row), width)};
}

void drawQr(Canvas& canvas, const std::string& payload, const QRectF& square) {
    const std::optional<QrCode> code = qrCodeOf(payload);
    if (!code)
        return; // too long for a QR code: the label goes without
    constexpr int kQuietModules = 2;
    const int modules = code->width + 2 * kQuietModules;
    const QRectF place = pixels(canvas, square);
    const double module = place.width() / modules;
    QPainterPath dark;
    for (int y = 0; y < code->width; ++y)
        for (int x = 0; x < code->width; ++x)
            if (code->at(x, y))
                dark.addRect(place.left() + (x + kQuietModules) * module,
                             place.top() + (y + kQuietModules) * module, module, module);
    canvas.painter.save();
    canvas.painter.setRenderHint(QPainter::Antialiasing, false);
    canvas.painter.fillRect(place, Qt::white);
    canvas.painter.fillPath(dark.simplified(), kInk);
    canvas.painter.restore();
}

// What a label holds, as parts of its height inside the padding.
constexpr double kLabelPad = 1.5;
constexpr double kValueShare = 0.27, kDetailsShare = 0.13, kLabelBodyShare = 0.19,
                 kLabelNamesShare = 0.12, kCodesShare = 0.15;

} // namespace

Canvas::Canvas(QPainter& onDevice)
    : Canvas(onDevice, onDevice.device()->logicalDpiY() / 25.4) {}

Canvas::Canvas(QPainter& onDevice, double pixelsPerMillimetre)
    : painter(onDevice)
    , perMillimetre(pixelsPerMillimetre) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
}

void drawBands(Canvas& canvas, const Rect& body, const Rect& names, const marking::Marking& bands) {
    QPainter& painter = canvas.painter;
    const double middle = body.top + body.height / 2;
    line(canvas, kLead, body.height * 0.12, QPointF(body.left - body.height * 0.8, middle),
         QPointF(body.right() + body.height * 0.8, middle));
    painter.setPen(penOf(canvas, kInk, 0.2));
    painter.setBrush(kBody);
    const double round = body.height * 0.3 * canvas.perMillimetre;
    painter.drawRoundedRect(pixels(canvas, rectOf(body)), round, round);
    const std::optional<int> own = marking::ownBand(bands);
    const std::size_t count = bands.colours.size() + (own ? 1 : 0);
    const std::vector<Rect> rects = bandRects(body, count, bands.toleranceBand || own);
    QStringList written;
    for (std::size_t i = 0; i < rects.size(); ++i) {
        const QRectF band = rectOf(rects[i]);
        if (i >= bands.colours.size()) { // the part's own tolerance band
            painter.setPen(penOf(canvas, kQuiet, 0.2, Qt::DashLine));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(pixels(canvas, band));
            written.push_back(QStringLiteral("допуск"));
            continue;
        }
        const auto colour = static_cast<std::size_t>(bands.colours[i]);
        const ui::BandColour& paint = ui::kBandColours[colour];
        painter.setPen(paint.outlined ? penOf(canvas, kInk, 0.15) : QPen(Qt::NoPen));
        painter.setBrush(QColor(paint.rgb));
        painter.drawRect(pixels(canvas, band));
        written.push_back(text(bands::kColourNames[colour]));
    }
    painter.setBrush(Qt::NoBrush);
    // Each band's name under it, on two lines in turn, each line's names as wide as two bands
    // apart: the font is made smaller where a name would reach its neighbour's.
    const double step = rects.size() > 1 ? rects[1].left - rects[0].left : body.width;
    Em em{names.height / 2 / kLineSpacing};
    const QFontMetricsF metrics(fontOf(em, canvas.perMillimetre), painter.device());
    double widest = 0;
    for (const QString& name : written)
        widest = std::max(widest, metrics.horizontalAdvance(name) / canvas.perMillimetre);
    if (widest > 1.9 * step)
        em.height *= 1.9 * step / widest;
    for (std::size_t i = 0; i < rects.size(); ++i) {
        const double lineTop = names.top + (i % 2 ? names.height / 2 : 0);
        const double centre = rects[i].left + rects[i].width / 2;
        write(canvas, em, i < bands.colours.size() ? kInk : kQuiet,
              QRectF(centre - step, lineTop, 2 * step, names.height / 2),
              Qt::AlignHCenter | Qt::AlignTop, written[static_cast<qsizetype>(i)]);
    }
}

SheetPages layOutSheet(const SortingSheet& sheet, Size page) {
    const Measure measure;
    const Rect body = sheetBody(page);
    SheetPages pages{page, {}, {}, {}};
    for (const SheetRow& row : sheet.rows) {
        const RowParts& parts = pages.rowParts.emplace_back(rowParts(measure, row, body.width));
        // A row taller than a page is cut at the page's end.
        pages.rowHeights.push_back(
            std::min(tallest(parts) + parts.findings + 2 * kPad, body.height));
    }
    pages.starts = pageStarts(pages.rowHeights, body.height);
    return pages;
}

void drawSheetPage(Canvas& canvas, const SortingSheet& sheet, const SheetPages& pages, int page,
                   const QString& title, const QString& date) {
    QPainter& painter = canvas.painter;
    const Rect header = sheetHeader(pages.page);
    const Rect body = sheetBody(pages.page);
    const Rect footer = sheetFooter(pages.page);
    write(canvas, kTitleFont, kInk, rectOf(header), Qt::AlignLeft | Qt::AlignTop,
          QStringLiteral("Лист для сортировки: %1").arg(title));
    write(canvas, kTextFont, kInk, rectOf(header), Qt::AlignRight | Qt::AlignTop, date);
    for (int i = 0; i < 4; ++i)
        write(canvas, kHeadingFont, kQuiet,
              QRectF(body.left + kColumns[i] * body.width, header.top, body.width, header.height),
              Qt::AlignLeft | Qt::AlignBottom, QString::fromUtf8(kHeadings[i]));
    line(canvas, kInk, 0.3, QPointF(body.left, body.top), QPointF(body.right(), body.top));

    const auto at = static_cast<std::size_t>(page);
    const std::size_t end = at + 1 < pages.starts.size() ? pages.starts[at + 1] : sheet.rows.size();
    double top = body.top;
    for (std::size_t r = pages.starts[at]; r < end; ++r) {
        const SheetRow& row = sheet.rows[r];
        const double height = pages.rowHeights[r];
        const RowParts& parts = pages.rowParts[r];
        const bool found = !row.findings.empty();
        const double y = top + kPad;
        const auto column = [&](int i, double from, double tall) {
            return QRectF(body.left + kColumns[i] * body.width, from, columnWidth(i, body.width),
                          tall);
        };
        painter.save();
        painter.setClipRect(
            pixels(canvas, QRectF(body.left - kPad, top, body.width + kPad, height)));
        if (found) // marked in the margin, its findings written under it
            painter.fillRect(pixels(canvas, QRectF(body.left - kPad, y, 0.8, height - 2 * kPad)),
                             kFound);
        const double countTop = y + parts.designators - kCountFont.height * kLineSpacing;
        write(canvas, kTextFont, kInk, column(0, y, countTop - y), Qt::AlignLeft | Qt::TextWordWrap,
              text(row.designators));
        write(canvas, kCountFont, kInk, column(0, countTop, kCountFont.height * kLineSpacing),
              Qt::AlignLeft, QStringLiteral("%1 шт.").arg(row.count));
        write(canvas, kWrittenFont, found ? kFound : kInk, column(1, y, parts.written),
              Qt::AlignLeft | Qt::TextWordWrap, text(row.written));
        write(canvas, kTextFont, kInk, column(1, y + parts.written, parts.plainly),
              Qt::AlignLeft | Qt::TextWordWrap, plainly(row));
        const double bodyLeft = body.left + kColumns[2] * body.width + kBodyHeight;
        double bandTop = y;
        for (const marking::Marking& bands : row.markings.bands) {
            drawBands(canvas, {bodyLeft, bandTop, kBodyWidth, kBodyHeight},
                      {bodyLeft, bandTop + kBodyHeight + 0.3, kBodyWidth, kNamesHeight}, bands);
            bandTop += kBodyHeight + kNamesHeight + kBandGap;
        }
        double codeTop = y;
        for (const marking::Marking& code : row.markings.codes) {
            write(canvas, kSmallFont, kQuiet, column(3, codeTop, kCodeHeight), Qt::AlignLeft,
                  text(marking::formTitle(code.form)));
            write(canvas, kCodeFont, kInk,
                  column(3, codeTop + kSmallFont.height * kLineSpacing, kCodeHeight), Qt::AlignLeft,
                  text(code.text));
            codeTop += kCodeHeight;
        }
        if (found)
            write(
                canvas, kFindingFont, kFound,
                QRectF(body.left, top + height - kPad - parts.findings, body.width, parts.findings),
                Qt::AlignLeft | Qt::TextWordWrap, joinedFindings(row));
        painter.restore();
        top += height;
        line(canvas, kQuiet, 0.15, QPointF(body.left, top), QPointF(body.right(), top));
    }
    if (!sheet.notFitted.empty())
        write(canvas, kHeadingFont, kQuiet, rectOf(footer), Qt::AlignLeft | Qt::AlignVCenter,
              QStringLiteral("Не устанавливаются: %1").arg(text(sheet.notFitted)));
    write(canvas, kTextFont, kInk, rectOf(footer), Qt::AlignRight | Qt::AlignVCenter,
          QStringLiteral("Страница %1 из %2").arg(page + 1).arg(pages.count()));
}

void drawLabel(Canvas& canvas, const Label& label, const Rect& place, bool qr) {
    const double inner = place.height - 2 * kLabelPad;
    double right = place.right() - kLabelPad;
    if (qr) {
        const double side = std::min(inner, place.width * 0.45);
        drawQr(canvas, label.payload, QRectF(right - side, place.top + kLabelPad, side, side));
        right -= side + kLabelPad;
    }
    const double left = place.left + kLabelPad;
    const double width = right - left;
    double y = place.top + kLabelPad;
    // A line in the share of the label's height, smaller where it would be cut at the side.
    const auto textLine = [&](double share, bool bold, const QString& written) {
        const double height = inner * share;
        Em em{height / kLineSpacing, bold};
        const double wide = QFontMetricsF(fontOf(em, canvas.perMillimetre), canvas.painter.device())
                                .horizontalAdvance(written) /
                            canvas.perMillimetre;
        if (wide > width)
            em.height *= width / wide;
        write(canvas, em, kInk, QRectF(left, y, width, height), Qt::AlignLeft | Qt::AlignVCenter,
              written);
        y += height;
    };
    textLine(kValueShare, true, text(label.value));
    textLine(kDetailsShare, false, text(label.details));
    if (!label.markings.bands.empty()) {
        const double bodyHeight = inner * kLabelBodyShare;
        const double lead = bodyHeight * 0.8;
        const Rect body{left + lead, y, std::min(width - 2 * lead, bodyHeight * 6), bodyHeight};
        drawBands(canvas, body,
                  {body.left, y + bodyHeight + 0.2, body.width, inner * kLabelNamesShare},
                  label.markings.bands.front());
    }
    y += inner * (kLabelBodyShare + kLabelNamesShare);
    QString codes;
    for (const marking::Marking& code : label.markings.codes)
        codes += (codes.isEmpty() ? "" : "  ") + text(code.text);
    textLine(kCodesShare, true, codes);
}

int labelPageCount(const std::vector<Label>& labels, const LabelSheet& sheet) {
    const std::size_t perPage = std::max<std::size_t>(sheet.perPage(), 1);
    return static_cast<int>(std::max<std::size_t>((labels.size() + perPage - 1) / perPage, 1));
}

void drawLabelPage(Canvas& canvas, const std::vector<Label>& labels, const LabelSheet& sheet,
                   int page, bool qr) {
    QPainter& painter = canvas.painter;
    const std::size_t first = static_cast<std::size_t>(page) * sheet.perPage();
    const std::size_t end = std::min(labels.size(), first + sheet.perPage());
    for (std::size_t i = first; i < end; ++i) {
        const Rect place = labelRect(sheet, i);
        painter.setPen(penOf(canvas, kEdge, 0.1));
        painter.setBrush(Qt::NoBrush);
        const double round = 1.5 * canvas.perMillimetre;
        painter.drawRoundedRect(pixels(canvas, rectOf(place)), round, round);
        painter.save();
        painter.setClipRect(pixels(canvas, rectOf(place)));
        drawLabel(canvas, labels[i], place, qr);
        painter.restore();
    }
}

} // namespace vantrel::paper
