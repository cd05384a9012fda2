#include "windows/check_window.h"

#include "core/marking/value_markings.h"
#include "ui/controls.h"
#include "ui/message_boxes.h"
#include "ui/radio_group.h"
#include "ui/worker_thread.h"
#include "windows/marking_rows.h"
#include "windows/own_values.h"
#include "windows/paper_output.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QTableView>
#include <algorithm>
#include <atomic>

namespace vantrel::windows {

// The reading and checking, on a thread of its own: a long list never holds the window up.
class CheckReader final : public QObject {
public:
    std::atomic<std::uint64_t> latest = 0; // files opened before it are read no more
};

namespace {

using lists::CheckedLine;
using ui::kBold13;
using ui::Kind;

// clang-format off
constexpr ui::Control kControls[] = {
    {Kind::Label,    "ListLabel",      8,   8,   0,  20, "Перечень деталей", ui::kTitle},
    {Kind::Button,   "Open",           8,  36, 120,  24, "Открыть…", {}, 0},
    {Kind::Label,    "FileName",     136,  40,   0,  16, "Откройте перечень или перетащите его в окно", kBold13},
    {Kind::Button,   "SavePdf",      296,   6, 140,  24, "Сохранить PDF…", {}, 5, ui::Disabled},
    {Kind::Button,   "Print",        444,   6, 120,  24, "Печать…", {}, 6, ui::Disabled},
    {Kind::Selector, "Order",        584,   4, 200,  52, "По порядку строк|Сначала с замечаниями", kBold13, 1},
    {Kind::Selector, "Stock",        792,   4, 200,  52, "Без своих номиналов|Сверять со своими", kBold13, 2},
    {Kind::Label,    "Summary",        8,  66,   0,  16, "", kBold13},
    {Kind::Table,    "Lines",          8,  86, 984, 300, "", kBold13, 3, ui::Tooltip},
    {Kind::Label,    "MarkingsLabel",  8, 396,   0,  16, "Так маркируют: выберите строку", kBold13},
    {Kind::List,     "Markings",       8, 414, 984, 158, "", kBold13, 4, ui::Tooltip},
};
// clang-format on

constexpr const char* kHeadings[CheckedLines::kColumns] = {
    "Строка",       "Обозначения",      "Кол.",      "Номинал",
    "Номер детали", "Посадочное место", "Прочтение", "Замечания"};
constexpr int kWidths[CheckedLines::kColumns - 1] = {52, 90, 40, 90, 150, 120, 130};

const QColor kFound(255, 208, 208);     // a line with findings
const QColor kNotFitted(224, 224, 224); // a line not fitted

QString joined(const std::vector<lists::Finding>& findings, const char* between) {
    QString text;
    for (const lists::Finding& finding : findings)
        text += (text.isEmpty() ? "" : QString::fromUtf8(between)) +
                QString::fromStdString(finding.text);
    return text;
}

QString readingText(const CheckedLine& line) {
    if (line.line.doNotPopulate)
        return QStringLiteral("не устанавливается (DNP)");
    if (line.readings.empty())
        return {};
    return QString::fromStdString(marking::valueText(line.readings.front()));
}

} // namespace

void CheckedLines::setLines(std::vector<CheckedLine> lines, bool findingsFirst) {
    beginResetModel();
    lines_ = std::move(lines);
    endResetModel();
    setFindingsFirst(findingsFirst);
}

void CheckedLines::setFindingsFirst(bool findingsFirst) {
    beginResetModel();
    order_.resize(lines_.size());
    for (std::size_t i = 0; i < order_.size(); ++i)
        order_[i] = i;
    if (findingsFirst)
        std::ranges::stable_partition(
            order_, [this](std::size_t i) { return !lines_[i].findings.empty(); });
    endResetModel();
}

const CheckedLine* CheckedLines::lineAt(int row) const {
    if (row < 0 || static_cast<std::size_t>(row) >= order_.size())
        return nullptr;
    return &lines_[order_[static_cast<std::size_t>(row)]];
}

int CheckedLines::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(order_.size());
}

int CheckedLines::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant CheckedLines::data(const QModelIndex& index, int role) const {
    const CheckedLine* line = lineAt(index.row());
    if (!line)
        return {};
    if (role == Qt::BackgroundRole) {
        if (!line->findings.empty())
            return kFound;
        return line->line.doNotPopulate ? QVariant(kNotFitted) : QVariant();
    }
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return {};
    const auto text = [](const std::string& written) { return QString::fromStdString(written); };
    switch (static_cast<Column>(index.column())) {
    case Line:
        return QString::number(line->line.line);
    case Designators:
        return text(line->line.designators);
    case Quantity:
        return text(line->line.quantity);
    case Value:
        return text(line->line.value);
    case PartNumber:
        return text(line->line.partNumber);
    case Footprint: // KiCad's library name before the colon is in the tooltip only
        if (role == Qt::DisplayRole)
            return text(line->line.footprint.substr(line->line.footprint.find(':') + 1));
        return text(line->line.footprint);
    case Reading:
        return readingText(*line);
    case Findings:
        return joined(line->findings, role == Qt::ToolTipRole ? "\n" : "; ");
    }
    return {};
}

QVariant CheckedLines::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= kColumns)
        return {};
    return QString::fromUtf8(kHeadings[section]);
}

CheckWindow::CheckWindow(QWidget* parent)
    : Window({"Проверка перечня", ui::Border::FixedTool, {1000, 580}, ui::kSansSerif11, kControls},
             parent) {
    setAcceptDrops(true);
}

CheckWindow::~CheckWindow() = default;

void CheckWindow::controlsBuilt(const ui::Controls& controls) {
    Open = controls.get<QPushButton>("Open");
    SavePdf = controls.get<QPushButton>("SavePdf");
    Print = controls.get<QPushButton>("Print");
    FileName = controls.get<QLabel>("FileName");
    Summary = controls.get<QLabel>("Summary");
    Order = controls.get<ui::RadioGroup>("Order");
    Stock = controls.get<ui::RadioGroup>("Stock");
    Lines = controls.get<QTableView>("Lines");
    MarkingsLabel = controls.get<QLabel>("MarkingsLabel");
    Markings = controls.get<QListWidget>("Markings");
    constexpr ui::NamedBy kNames[] = {{"Lines", "ListLabel"}, {"Markings", "MarkingsLabel"}};
    ui::nameControls(controls, kNames);
    Order->setAccessibleName(QStringLiteral("Порядок строк"));
    Stock->setAccessibleName(QStringLiteral("Свои номиналы"));
    Stock->setToolTip(QStringLiteral("Свои номиналы хранит окно «Подобрать из стандартных»: %1")
                          .arg(ownValuesPath()));
    Open->setToolTip(QStringLiteral("Перечень в CSV или TSV (KiCad, для сборки, из таблицы) "
                                    "или список: деталь в строке, например «R1,R5 10k 0603»"));
    const QString sheet = QStringLiteral(
        "Лист для сортировки: по строке на номинал, по возрастанию, с полосами и кодами, "
        "которые искать на детали; строки с замечаниями отмечены");
    SavePdf->setToolTip(sheet);
    Print->setToolTip(sheet);
    Order->setItemIndex(0);
    Stock->setItemIndex(0);
    Markings->setSelectionMode(QAbstractItemView::NoSelection);
    Markings->setFocusPolicy(Qt::StrongFocus);

    model_ = new CheckedLines(this);
    Lines->setModel(model_);
    Lines->verticalHeader()->hide();
    Lines->horizontalHeader()->setStretchLastSection(true);
    Lines->horizontalHeader()->setHighlightSections(false);
    Lines->verticalHeader()->setDefaultSectionSize(Lines->fontMetrics().height() + 4);
    for (int column = 0; column < CheckedLines::kColumns - 1; ++column)
        Lines->setColumnWidth(column, kWidths[column]);

    reading_ =
        std::make_unique<ui::WorkerThread<CheckReader>>(QStringLiteral("parts list reading"));
    reader_ = reading_->worker();

    connect(Open, &QPushButton::clicked, this, &CheckWindow::OpenClick);
    connect(SavePdf, &QPushButton::clicked, this, [this] {
        saveDocumentPdf(
            this, sheetDocument(),
            QFileInfo(path_).absoluteDir().filePath(QFileInfo(path_).completeBaseName() +
                                                    QStringLiteral("-сортировка.pdf")));
    });
    connect(Print, &QPushButton::clicked, this, [this] { printDocument(this, sheetDocument()); });
    connect(Order, &ui::RadioGroup::itemPicked, this,
            [this] { model_->setFindingsFirst(Order->itemIndex() == 1); });
    connect(Stock, &ui::RadioGroup::itemPicked, this, [this] {
        if (!path_.isEmpty())
            openList(path_); // checked again, with or without the own values
    });
    connect(Lines->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &CheckWindow::showPicked);
    connect(model_, &QAbstractItemModel::modelReset, this, &CheckWindow::showPicked);
    if (!pendingPath_.isEmpty())
        openList(std::exchange(pendingPath_, {}));
}

void CheckWindow::OpenClick() {
    const QString path = QFileDialog::getOpenFileName(
        this, QStringLiteral("Открыть перечень деталей"), QFileInfo(path_).absolutePath(),
        QStringLiteral("Перечни (*.csv *.tsv *.txt);;Все файлы (*)"));
    if (!path.isEmpty())
        openList(path);
}

void CheckWindow::openList(const QString& path) {
    if (!reader_) {
        pendingPath_ = path;
        return;
    }
    path_ = path;
    const std::uint64_t number = ++opened_;
    const bool withStock = Stock->itemIndex() == 1;
    setProperty("reading", true); // read by the tests and tools that wait for the table
    FileName->setText(QFileInfo(path).fileName());
    FileName->adjustSize();
    Summary->setText(QStringLiteral("Читается…"));
    Summary->adjustSize();
    reader_->latest = number;
    QMetaObject::invokeMethod(reader_, [this, reader = reader_, number, path, withStock] {
        if (reader->latest != number)
            return; // a later file is queued behind this one
        QFile file(path);
        std::variant<lists::CheckedList, lists::Unreadable> checked =
            lists::Unreadable{"не удалось открыть файл: " + file.errorString().toStdString()};
        QString stockNote;
        if (file.open(QIODevice::ReadOnly)) {
            const QByteArray bytes = file.read(static_cast<qint64>(lists::kLongestList) + 1);
            std::optional<lists::OwnStock> stock;
            if (withStock) {
                auto read = lists::readOwnStock(readOwnValues().toStdString(), "свои номиналы");
                if (auto* own = std::get_if<lists::OwnStock>(&read))
                    stock = std::move(*own);
                else
                    stockNote = QString::fromStdString(std::get<lists::Unreadable>(read).reason);
            }
            checked = lists::checkPartsList(std::string_view(bytes.data(), bytes.size()),
                                            stock ? &*stock : nullptr);
        }
        QMetaObject::invokeMethod(
            this, [this, number, path, stockNote, checked = std::move(checked)]() mutable {
                showChecked(number, path, std::move(checked), stockNote);
            });
    });
}

void CheckWindow::showChecked(std::uint64_t number, const QString& path,
                              std::variant<lists::CheckedList, lists::Unreadable> checked,
                              const QString& stockNote) {
    if (number != opened_)
        return; // another file was opened since
    setProperty("reading", false);
    const bool read = std::holds_alternative<lists::CheckedList>(checked);
    SavePdf->setEnabled(read);
    Print->setEnabled(read);
    if (const auto* unreadable = std::get_if<lists::Unreadable>(&checked)) {
        model_->setLines({}, false);
        Summary->setText(QStringLiteral("Не прочитан"));
        Summary->adjustSize();
        ui::showCheckMessage(
            this, QStringLiteral("%1: %2").arg(QFileInfo(path).fileName(),
                                               QString::fromStdString(unreadable->reason)));
        return;
    }
    lists::CheckedList& list = std::get<lists::CheckedList>(checked);
    const std::size_t lines = list.lines.size();
    const std::size_t found = list.withFindings;
    QString summary = QStringLiteral("%1; строк: %2, с замечаниями: %3")
                          .arg(QString::fromStdString(list.format))
                          .arg(lines)
                          .arg(found);
    if (!stockNote.isEmpty())
        summary += QStringLiteral("; свои номиналы не читаются: ") + stockNote;
    Summary->setText(summary);
    Summary->adjustSize();
    model_->setLines(std::move(list.lines), Order->itemIndex() == 1);
}

paper::Document CheckWindow::sheetDocument() const {
    return paper::sheetDocument(paper::sortingSheet(model_->lines()), paper::localePaper(),
                                QFileInfo(path_).fileName());
}

bool CheckWindow::savePdf(const QString& path) {
    return writeDocumentPdf(this, sheetDocument(), path);
}

void CheckWindow::showPicked() {
    const CheckedLine* line = model_->lineAt(Lines->currentIndex().row());
    Markings->clear();
    if (!line || line->readings.empty()) {
        MarkingsLabel->setText(QStringLiteral("Так маркируют: выберите строку с номиналом"));
        MarkingsLabel->adjustSize();
        return;
    }
    const marking::MarkingReading& reading = line->readings.front();
    MarkingsLabel->setText(QStringLiteral("Так маркируют %1 (строка %2):")
                               .arg(QString::fromStdString(value::quantityText(
                                   reading.reading.quantity, reading.reading.value)))
                               .arg(line->line.line));
    MarkingsLabel->adjustSize();
    Markings->setAccessibleName(MarkingsLabel->text());
    marking::fillMarkings(Markings, reading.reading, marking::markingsOf(reading));
}

void CheckWindow::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (!urls.isEmpty() && urls.front().isLocalFile())
        event->acceptProposedAction();
}

void CheckWindow::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.isEmpty() || !urls.front().isLocalFile())
        return;
    event->acceptProposedAction();
    openList(urls.front().toLocalFile());
}

} // namespace vantrel::windows
