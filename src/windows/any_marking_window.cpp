#include "windows/any_marking_window.h"

#include "core/marking/value_markings.h"
#include "core/value/series.h"
#include "ui/controls.h"
#include "windows/marking_rows.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

namespace vantrel::marking {
namespace {

using ui::kBold13;
using ui::Kind;
using ui::kTitle;

// clang-format off
constexpr ui::Control kControls[] = {
    {Kind::Label, "Label1",        8,   8,   0, 20, "Введите маркировку или номинал", kTitle},
    {Kind::Edit,  "Edit1",         8,  36, 664, 24, "", kBold13, 0, ui::Aqua},
    {Kind::Label, "Label2",        8,  70,   0, 16, "Прочтения", kBold13},
    {Kind::Button, "Button1",    496,  62, 176, 24, "Подобрать из стандартных", {}, 4},
    {Kind::List,  "Readings1",     8,  88, 664, 92, "", kBold13, 1, ui::Tooltip},
    {Kind::Label, "Label3",        8, 190,   0, 16, "", kBold13},
    {Kind::List,  "Markings1",     8, 208, 664, 208, "", kBold13, 2, ui::Tooltip},
    {Kind::Label, "Label4",        8, 368,   0, 16, "Ближайшие стандартные номиналы", kBold13},
    {Kind::List,  "Neighbours1",   8, 386, 664, 30, "", kBold13, 3, ui::Tooltip},
};
// clang-format on

// The row picked in the list, or -1 when none is.
int pickedRow(const QListWidget* list) {
    const QList<QListWidgetItem*> picked = list->selectedItems();
    return picked.isEmpty() ? -1 : list->row(picked.front());
}

} // namespace

AnyMarkingWindow::AnyMarkingWindow(QWidget* parent)
    : Window({"Что за маркировка?", ui::Border::FixedTool, {680, 424}, ui::kSansSerif11, kControls},
             parent) {}

void AnyMarkingWindow::controlsBuilt(const ui::Controls& controls) {
    Edit1 = controls.get<QLineEdit>("Edit1");
    Readings1 = controls.get<QListWidget>("Readings1");
    Label3 = controls.get<QLabel>("Label3");
    Markings1 = controls.get<QListWidget>("Markings1");
    Label4 = controls.get<QLabel>("Label4");
    Neighbours1 = controls.get<QListWidget>("Neighbours1");
    Button1 = controls.get<QPushButton>("Button1");
    Button1->setToolTip(QStringLiteral("Собрать этот номинал из одной, двух или трёх деталей "
                                       "стандартного ряда, и делители"));
    constexpr ui::NamedBy kNames[] = {
        {"Edit1", "Label1"}, {"Readings1", "Label2"}, {"Neighbours1", "Label4"}};
    ui::nameControls(controls, kNames);
    Markings1->setSelectionMode(QAbstractItemView::NoSelection);
    Markings1->setFocusPolicy(Qt::StrongFocus); // read row by row with the arrow keys
    Neighbours1->setFlow(QListView::LeftToRight);
    Neighbours1->setSpacing(2);
    Edit1Change(); // the empty box: no readings, no markings

    connect(Edit1, &QLineEdit::textChanged, this, &AnyMarkingWindow::Edit1Change);
    connect(Button1, &QPushButton::clicked, this, [this] {
        if (shown_)
            emit combineAsked(
                QString::fromStdString(value::quantityText(shown_->quantity, shown_->value)));
    });
    connect(Readings1, &QListWidget::itemSelectionChanged, this, [this] {
        if (const int row = pickedRow(Readings1); row >= 0)
            showReading(readings_[static_cast<std::size_t>(row)]);
    });
    connect(Neighbours1, &QListWidget::itemSelectionChanged, this, [this] {
        if (const int row = pickedRow(Neighbours1); row >= 0) {
            Readings1->clearSelection();
            const value::Reading& near = neighbours_[static_cast<std::size_t>(row)];
            showMarkings(near, markingsOf(near));
        }
    });
}

void AnyMarkingWindow::Edit1Change() {
    MarkingAnswer read = readMarking(Edit1->text().toStdString());
    readings_ = std::move(read.readings);
    neighbours_.clear();
    showValue(std::nullopt);
    Readings1->clear();
    Markings1->clear();
    Neighbours1->clear();
    Label3->clear();
    Markings1->setAccessibleName(QStringLiteral("Маркировки"));
    showNeighbours(false);
    if (readings_.empty() && !Edit1->text().trimmed().isEmpty())
        addNote(Readings1,
                read.reason.empty()
                    ? QStringLiteral("Нет прочтения")
                    : QStringLiteral("Нет прочтения: %1").arg(QString::fromStdString(read.reason)));
    for (const MarkingReading& found : readings_)
        addRow(Readings1, readingLine(found));
    if (!readings_.empty())
        Readings1->setCurrentRow(0); // the first reading's markings until another is picked
}

// The reading's markings and, for a value in no series, its nearest standard values below the
// markings, which take less room then. A dielectric or a power rating alone has no value to
// mark.
void AnyMarkingWindow::showReading(const MarkingReading& found) {
    const value::Reading& reading = found.reading;
    if (!found.valued) {
        showValue(std::nullopt);
        Markings1->clear();
        Label3->clear();
        neighbours_.clear();
        Neighbours1->clear();
        addNote(Markings1, QStringLiteral("Эта маркировка не даёт номинала"));
        showNeighbours(false);
        return;
    }
    showMarkings(reading, markingsOf(found));
    neighbours_.clear();
    Neighbours1->clear();
    if (reading.value.significand > 0 && !value::firstSeriesHolding(reading.value)) {
        const value::Neighbours near = value::nearestStandardValues(reading.value);
        for (const value::Decimal standard : {near.lower, near.higher}) {
            neighbours_.emplace_back(reading.quantity, standard, reading.tolerance);
            addRow(Neighbours1, value::quantityText(reading.quantity, standard));
        }
    }
    showNeighbours(!neighbours_.empty());
}

void AnyMarkingWindow::showNeighbours(bool shown) {
    Label4->setVisible(shown);
    Neighbours1->setVisible(shown);
    Markings1->resize(Markings1->width(),
                      (shown ? Label4->y() - 10 : height() - 8) - Markings1->y());
}

// The value that «Подобрать из стандартных» hands over, where there is one above zero.
void AnyMarkingWindow::showValue(const std::optional<value::Reading>& value) {
    shown_ = value;
    Button1->setEnabled(value && value->value.significand > 0);
}

void AnyMarkingWindow::showMarkings(const value::Reading& value, const std::vector<Marking>& ways) {
    showValue(value);
    Label3->setText(
        QStringLiteral("Так маркируют %1:")
            .arg(QString::fromStdString(value::quantityText(value.quantity, value.value))));
    Label3->adjustSize();
    Markings1->setAccessibleName(Label3->text());
    fillMarkings(Markings1, value, ways);
}

} // namespace vantrel::marking
