#include "windows/labels_window.h"

#include "ui/controls.h"
#include "ui/message_boxes.h"
#include "ui/radio_group.h"
#include "windows/own_values.h"
#include "windows/paper_output.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>

namespace vantrel::windows {
namespace {

using ui::kBold13;
using ui::Kind;

// clang-format off
constexpr ui::Control kControls[] = {
    {Kind::Label,    "ValuesLabel",   8,   8,   0,  20, "Номиналы для этикеток", ui::kTitle},
    {Kind::Memo,     "Values",        8,  36, 320, 420, "", kBold13, 0, ui::Aqua},
    {Kind::Button,   "Own",           8, 464, 156,  24, "Свои номиналы", {}, 1},
    {Kind::Button,   "FromList",    172, 464, 156,  24, "Из перечня…", {}, 2},
    {Kind::Label,    "Summary",       8, 496,   0,  16, "", kBold13},
    {Kind::Label,    "SheetLabel",  344,   8,   0,  20, "Лист этикеток", ui::kTitle},
    {Kind::Selector, "Sheet",       344,  32, 300,  76, "", kBold13, 3},
    {Kind::Selector, "Code",        652,  32, 240,  52, "Без QR-кода|С QR-кодом", kBold13, 4},
    {Kind::Button,   "SavePdf",     660, 116, 160,  24, "Сохранить PDF…", {}, 5, ui::Disabled},
    {Kind::Button,   "Print",       660, 148, 160,  24, "Печать…", {}, 6, ui::Disabled},
};
// clang-format on

constexpr QRect kPreview{344, 116, 300, 424}; // A4 upright
constexpr QRect kSummary{8, 496, 320, 48};    // two lines, wrapped
constexpr int kReadingPause = 150;            // ms after the last key

QStringList presetTitles() {
    QStringList titles;
    for (const paper::LabelPreset& preset : paper::labelPresets())
        titles.push_back(
            QString::fromUtf8(preset.title.data(), static_cast<qsizetype>(preset.title.size())));
    return titles;
}

} // namespace

void PagePreview::setDocument(paper::Document document) {
    document_ = std::move(document);
    update();
}

void PagePreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(Qt::gray);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (!document_.draw)
        return;
    paper::Canvas canvas(painter, width() / paper::paperSize(document_.paper).width);
    document_.draw(canvas, 0);
}

LabelsWindow::LabelsWindow(QWidget* parent)
    : Window({"Этикетки", ui::Border::FixedTool, {900, 548}, ui::kSansSerif11, kControls}, parent) {
    reading_.setSingleShot(true);
    reading_.setInterval(kReadingPause);
    connect(&reading_, &QTimer::timeout, this, &LabelsWindow::readValues);
}

void LabelsWindow::controlsBuilt(const ui::Controls& controls) {
    Values = controls.get<QPlainTextEdit>("Values");
    Own = controls.get<QPushButton>("Own");
    FromList = controls.get<QPushButton>("FromList");
    Summary = controls.get<QLabel>("Summary");
    Sheet = controls.get<ui::RadioGroup>("Sheet");
    Code = controls.get<ui::RadioGroup>("Code");
    SavePdf = controls.get<QPushButton>("SavePdf");
    Print = controls.get<QPushButton>("Print");
    constexpr ui::NamedBy kNames[] = {{"Values", "ValuesLabel"}, {"Sheet", "SheetLabel"}};
    ui::nameControls(controls, kNames);
    Summary->setWordWrap(true); // a refusal names the line and the word
    Summary->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Summary->setGeometry(kSummary);
    Sheet->setItems(presetTitles());
    Sheet->setItemIndex(0);
    Code->setItemIndex(0);
    Code->setAccessibleName(QStringLiteral("QR-код"));
    Values->setToolTip(QStringLiteral(
        "По номиналу или нескольку в строке, через «;»: 10k 1% 0603; 100n 50V; 4,7 мкГн. "
        "Подходит и номер детали. После # — примечание"));
    Own->setToolTip(QStringLiteral("Номиналы, которые хранит окно «Подобрать из стандартных»: %1")
                        .arg(ownValuesPath()));
    FromList->setToolTip(QStringLiteral("Номиналы перечня деталей (CSV, TSV или список), "
                                        "по строке на номинал"));
    Code->setToolTip(QStringLiteral("QR-код с номиналом, как его пишет Vantrel: "
                                    "«vantrel --json» читает его обратно"));

    Preview = new PagePreview(this);
    Preview->setGeometry(kPreview);
    Preview->setAccessibleName(QStringLiteral("Первый лист этикеток"));

    connect(Values, &QPlainTextEdit::textChanged, &reading_, qOverload<>(&QTimer::start));
    connect(Sheet, &ui::RadioGroup::itemPicked, this, &LabelsWindow::readValues);
    connect(Code, &ui::RadioGroup::itemPicked, this, &LabelsWindow::readValues);
    connect(Own, &QPushButton::clicked, this, [this] { Values->setPlainText(readOwnValues()); });
    connect(FromList, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getOpenFileName(
            this, QStringLiteral("Открыть перечень деталей"), {},
            QStringLiteral("Перечни (*.csv *.tsv *.txt);;Все файлы (*)"));
        if (!path.isEmpty())
            takeList(path);
    });
    connect(SavePdf, &QPushButton::clicked, this,
            [this] { saveDocumentPdf(this, document(), QStringLiteral("этикетки.pdf")); });
    connect(Print, &QPushButton::clicked, this, [this] { printDocument(this, document()); });
    readValues();
}

bool LabelsWindow::takeList(const QString& path) {
    ensureBuilt();
    QFile file(path);
    std::variant<lists::CheckedList, lists::Unreadable> checked =
        lists::Unreadable{"не удалось открыть файл: " + file.errorString().toStdString()};
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = file.read(static_cast<qint64>(lists::kLongestList) + 1);
        checked = lists::checkPartsList(std::string_view(bytes.data(), bytes.size()));
    }
    if (const auto* unreadable = std::get_if<lists::Unreadable>(&checked)) {
        ui::showCheckMessage(
            this, QStringLiteral("%1: %2").arg(QFileInfo(path).fileName(),
                                               QString::fromStdString(unreadable->reason)));
        return false;
    }
    QString values;
    for (const paper::SheetRow& row :
         paper::sortingSheet(std::get<lists::CheckedList>(checked).lines).rows)
        if (row.reading)
            values += QString::fromStdString(row.plainly) + QLatin1Char('\n');
    Values->setPlainText(values);
    readValues();
    return true;
}

void LabelsWindow::readValues() {
    reading_.stop();
    labels_.clear();
    auto read = paper::readLabelValues(Values->toPlainText().toStdString(), "номиналы");
    QString summary;
    if (const auto* refusal = std::get_if<std::string>(&read)) {
        summary = QString::fromStdString(*refusal);
    } else {
        for (const value::Reading& reading : std::get<std::vector<value::Reading>>(read))
            labels_.push_back(paper::labelOf(reading));
    }
    // One document for the summary's page count and the preview.
    paper::Document made = labels_.empty() ? paper::Document{} : document();
    if (!labels_.empty())
        summary = QStringLiteral("Этикеток: %1, листов: %2").arg(labels_.size()).arg(made.pages);
    else if (summary.isEmpty())
        summary = QStringLiteral("Впишите номиналы");
    Summary->setText(summary);
    SavePdf->setEnabled(!labels_.empty());
    Print->setEnabled(!labels_.empty());
    Preview->setDocument(std::move(made));
}

paper::Document LabelsWindow::document() const {
    const auto presets = paper::labelPresets();
    const auto picked = static_cast<std::size_t>(std::max(Sheet->itemIndex(), 0));
    return paper::labelDocument(labels_, presets[std::min(picked, presets.size() - 1)].sheet,
                                paper::Paper::A4, Code->itemIndex() == 1,
                                QStringLiteral("этикетки"));
}

bool LabelsWindow::savePdf(const QString& path) {
    ensureBuilt();
    readValues();
    return writeDocumentPdf(this, document(), path);
}

} // namespace vantrel::windows
