#include "windows/marking_rows.h"

#include "core/bands/band_tables.h"
#include "ui/band_colours.h"

#include <QListWidget>
#include <QPainter>
#include <algorithm>

namespace vantrel::marking {
namespace {

static_assert(ui::kBandColours.size() == bands::kColourNames.size(), "a swatch for every colour");

constexpr QSize kSwatch{16, 14};
constexpr int kSwatchStep = 18;
constexpr int kMostBands = 5;

// The band colours side by side, each outlined, at the left of an icon that holds the most
// bands a marking has, so that every row's text starts in the same column.
QIcon swatches(const std::vector<int>& colours) {
    QPixmap picture(kSwatchStep * kMostBands, kSwatch.height());
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setPen(QColor(64, 64, 64));
    int left = 0;
    for (const int colour : colours) {
        const QRect box(QPoint(left, 0), kSwatch - QSize(1, 1));
        painter.fillRect(box, QColor(ui::kBandColours[static_cast<std::size_t>(colour)].rgb));
        painter.drawRect(box);
        left += kSwatchStep;
    }
    return QIcon(picture);
}

} // namespace

// A row that says something and cannot be picked: «Нет прочтения».
QListWidgetItem* addNote(QListWidget* list, const QString& text) {
    auto* item = new QListWidgetItem(text, list);
    item->setFlags(Qt::ItemIsEnabled);
    return item;
}

QListWidgetItem* addRow(QListWidget* list, const std::string& text) {
    auto* item = new QListWidgetItem(QString::fromStdString(text), list);
    item->setToolTip(item->text()); // the whole row, where the list cuts it short
    return item;
}

void fillMarkings(QListWidget* list, const value::Reading& value,
                  const std::vector<Marking>& ways) {
    list->clear();
    list->setIconSize(QSize(kSwatchStep * kMostBands, kSwatch.height()));
    // What is printed on such a part, or why nothing is; then, under their own title, the part
    // numbers that order it.
    const auto printed = std::ranges::find(ways, MarkingForm::PartNumber, &Marking::form);
    for (auto way = ways.begin(); way != printed; ++way)
        addRow(list, std::string(formTitle(way->form)) + ": " + markingText(*way))
            ->setIcon(swatches(way->colours));
    if (printed == ways.begin() && value.package && value.package->code == value::ChipCode::None)
        addNote(list, QStringLiteral("Чипы размера %1 обычно не маркируют")
                          .arg(QString::fromStdString(
                              value::packageText(*value.package, value.packageInMetric))));
    else if (printed == ways.begin())
        addNote(list, QStringLiteral("Ни одна маркировка не даёт этот номинал"));
    // Indented as the printed ones are, whose swatches take the room of the widest.
    if (printed != ways.end())
        addNote(list, QStringLiteral("%1:").arg(QString::fromUtf8(formTitle(printed->form))))
            ->setIcon(swatches({}));
    for (auto way = printed; way != ways.end(); ++way)
        addRow(list, std::string(way->maker) + " " + std::string(way->family) + ": " + way->text)
            ->setIcon(swatches({}));
}

} // namespace vantrel::marking
