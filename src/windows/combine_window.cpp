#include "windows/combine_window.h"

#include "core/codes/typed_code.h"
#include "core/networks/network_text.h"
#include "core/networks/stock.h"
#include "core/value/readout.h"
#include "core/value/series.h"
#include "ui/controls.h"
#include "ui/radio_group.h"
#include "ui/worker_thread.h"
#include "windows/own_values.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTimer>
#include <atomic>
#include <map>
#include <optional>
#include <variant>

namespace vantrel::windows {

using namespace networks;

// The search, on a thread of its own: it keeps each series' tables and the builder's list's
// tables by quantity, and answers only the latest question, so a keystroke never waits for it.
class CombineSearch final : public QObject {
public:
    CombineAnswer answer(const CombineQuestion& question) {
        return {question.number, networks(question), dividers(question)};
    }
    // Everything kept, freed: the window is closed.
    void forget() {
        series_.clear();
        own_.clear();
        ownRead_.clear();
    }
    // The number of the latest question asked: one queued behind it is not answered.
    std::atomic<std::uint64_t> latest{0};

private:
    // The stock the question names, of the quantity, with its tables kept for the next answer;
    // or why the builder's own list cannot be used.
    std::variant<const Combiner*, Refusal> combinerFor(const CombineQuestion& question,
                                                       value::Quantity quantity) {
        if (!question.series.empty()) {
            const auto key = std::pair(question.series, quantity);
            auto found = series_.find(key);
            if (found == series_.end())
                found =
                    series_.emplace(key, Combiner(*seriesStock(question.series, quantity))).first;
            return &found->second;
        }
        // The list's tables for each quantity asked, kept until the list is edited: going from
        // a divider back to a capacitor's value reads the list and makes its tables once.
        if (ownRead_ != question.list) {
            own_.clear();
            ownRead_ = question.list;
        }
        auto found = own_.find(quantity);
        if (found == own_.end()) {
            auto read = readStock(question.list, quantity, "свои номиналы");
            if (const auto* refused = std::get_if<Refusal>(&read))
                return *refused;
            found = own_.emplace(quantity, Combiner(std::get<Stock>(std::move(read)))).first;
        }
        return &found->second;
    }

    std::vector<CombineRow> networks(const CombineQuestion& question) {
        if (codes::trimmed(question.value).empty())
            return {};
        const auto target = readPartValue(question.value);
        if (const auto* refused = std::get_if<Refusal>(&target))
            return {{refused->message, true}};
        const value::Reading& wanted = std::get<value::Reading>(target);
        const auto combiner = combinerFor(question, wanted.quantity);
        if (const auto* refused = std::get_if<Refusal>(&combiner))
            return {{refused->message, true}};
        const Combiner& from = *std::get<const Combiner*>(combiner);
        if (const auto refused = unreachable(from, wanted, 3))
            return {{refused->message, true}};
        std::vector<CombineRow> rows;
        for (const Network& network : from.best(wanted.value))
            rows.push_back({networkLine(network, from.stock())});
        return rows;
    }

    std::vector<CombineRow> dividers(const CombineQuestion& question) {
        if (codes::trimmed(question.input).empty() && codes::trimmed(question.output).empty())
            return {};
        const auto ratio = readRatio(question.input, question.output);
        if (const auto* refused = std::get_if<Refusal>(&ratio))
            return {{refused->message, true}};
        const auto total = readAimedTotal(question.total);
        if (const auto* refused = std::get_if<Refusal>(&total))
            return {{refused->message, true}};
        const auto combiner = combinerFor(question, value::Quantity::Resistance);
        if (const auto* refused = std::get_if<Refusal>(&combiner))
            return {{refused->message, true}};
        const Combiner& from = *std::get<const Combiner*>(combiner);
        if (const auto refused = unreachableTotal(from, std::get<double>(total)))
            return {{refused->message, true}};
        const double input = codes::trimmed(question.output).empty()
                                 ? 0
                                 : std::get<double>(readVoltage(question.input));
        const std::vector<Divider> found =
            from.dividers(std::get<double>(ratio), std::get<double>(total));
        if (found.empty())
            return {{noDivider(from.stock(), std::get<double>(total)), true}};
        std::vector<CombineRow> rows;
        for (const Divider& divider : found)
            rows.push_back({dividerLine(divider, from.stock(), input)});
        return rows;
    }

    std::map<std::pair<std::string, value::Quantity>, Combiner> series_;
    std::map<value::Quantity, Combiner> own_; // the builder's list, as read for each quantity
    std::string ownRead_;                     // the text it was read from
};

namespace {

using ui::kBold13;
using ui::Kind;
using ui::kTitle;

// The series, then «Свои»: the list in the box beside.
int ownItem() {
    return static_cast<int>(value::seriesNames().size());
}

// clang-format off
constexpr ui::Control kControls[] = {
    {Kind::Label,    "ValueLabel",      8,   8,   0,  20, "Нужный номинал", kTitle},
    {Kind::Edit,     "Value",           8,  36, 240,  24, "", kBold13, 0, ui::Aqua},
    {Kind::Label,    "DividerLabel",    8,  72,   0,  16, "Делитель: вход, выход, сумма", kBold13},
    {Kind::Edit,     "Input",           8,  90,  76,  24, "", kBold13, 1, ui::Aqua},
    {Kind::Edit,     "Output",         90,  90,  76,  24, "", kBold13, 2, ui::Aqua},
    {Kind::Edit,     "Total",         172,  90,  76,  24, "", kBold13, 3, ui::Aqua},
    {Kind::Label,    "Hint",            8, 124, 240,  80}, // written with the total aimed at
    {Kind::Label,    "SeriesLabel",   264,   8,   0,  16, "Ряд", kBold13},
    {Kind::Selector, "Series",        264,  26,  80, 180, "", kBold13, 4},
    {Kind::Label,    "ListLabel",     356,   8,   0,  16, "Свои номиналы, по одному в строке", kBold13},
    {Kind::Memo,     "OwnValues",     356,  26, 316, 180, "", kBold13, 5, ui::Aqua},
    {Kind::Label,    "NetworksLabel",   8, 216,   0,  16, "Из стандартных деталей (+ последовательно, ‖ параллельно)", kBold13},
    {Kind::List,     "Networks",        8, 234, 664,  80, "", kBold13, 6, ui::Tooltip},
    {Kind::Label,    "DividersLabel",   8, 324,   0,  16, "Делители: верх от входа к выходу, низ от выхода к общему", kBold13},
    {Kind::List,     "Dividers",        8, 342, 664,  74, "", kBold13, 7, ui::Tooltip},
};
// clang-format on

void fill(QListWidget* list, const std::vector<CombineRow>& rows) {
    list->clear();
    for (const CombineRow& row : rows) {
        auto* item = new QListWidgetItem(QString::fromStdString(row.text), list);
        item->setToolTip(item->text()); // the whole row, where the list cuts it short
        if (row.note)                   // says why there is no answer, and cannot be picked
            item->setFlags(Qt::ItemIsEnabled);
    }
}

std::string typed(const QLineEdit* edit) {
    return edit->text().toStdString();
}

} // namespace

CombineWindow::CombineWindow(QWidget* parent)
    : Window({"Подобрать из стандартных",
              ui::Border::FixedTool,
              {680, 424},
              ui::kSansSerif11,
              kControls},
             parent) {}

CombineWindow::~CombineWindow() = default;

void CombineWindow::setValue(const QString& value) {
    if (valueBox)
        valueBox->setText(value);
    else
        pendingValue_ = value;
}

void CombineWindow::hideEvent(QHideEvent* event) {
    ui::Window::hideEvent(event);
    // The builder's list is kept for the next run, and for «Проверка перечня» and --stock.
    if (listBox && listBox->toPlainText() != keptList_ && keepOwnValues(listBox->toPlainText()))
        keptList_ = listBox->toPlainText();
    // A closed window keeps what is typed and shown, not the search's tables (100 MB for E192).
    if (search_)
        QMetaObject::invokeMethod(search_, [search = search_] { search->forget(); });
}

void CombineWindow::controlsBuilt(const ui::Controls& controls) {
    valueBox = controls.get<QLineEdit>("Value");
    inputBox = controls.get<QLineEdit>("Input");
    outputBox = controls.get<QLineEdit>("Output");
    totalBox = controls.get<QLineEdit>("Total");
    seriesGroup = controls.get<ui::RadioGroup>("Series");
    listBox = controls.get<QPlainTextEdit>("OwnValues");
    networksList = controls.get<QListWidget>("Networks");
    dividersList = controls.get<QListWidget>("Dividers");
    constexpr ui::NamedBy kNames[] = {{"Value", "ValueLabel"},
                                      {"Series", "SeriesLabel"},
                                      {"OwnValues", "ListLabel"},
                                      {"Networks", "NetworksLabel"},
                                      {"Dividers", "DividersLabel"}};
    ui::nameControls(controls, kNames);
    inputBox->setAccessibleName(QStringLiteral("Входное напряжение или коэффициент делителя"));
    outputBox->setAccessibleName(QStringLiteral("Выходное напряжение делителя"));
    totalBox->setAccessibleName(QStringLiteral("Сумма сопротивлений делителя"));
    inputBox->setPlaceholderText(QStringLiteral("5 В"));
    outputBox->setPlaceholderText(QStringLiteral("1,2 В"));
    totalBox->setPlaceholderText(QStringLiteral("10 кОм"));
    inputBox->setToolTip(inputBox->accessibleName());
    outputBox->setToolTip(outputBox->accessibleName());
    totalBox->setToolTip(QStringLiteral("Сумма сопротивлений делителя, около которой искать: "
                                        "в пределах декады вокруг неё"));
    auto* hint = controls.get<QLabel>("Hint");
    hint->setText(
        QStringLiteral("Номинал: 4,32 кОм, 4k32, 100 нФ, 10 мкГн.\nДелитель: 5 В и 1,2 В, "
                       "или 0,24 и пустой выход; сумма около %1, если не задана.")
            .arg(QString::fromStdString(
                value::quantityText(value::Quantity::Resistance, networks::kAimedTotal))));
    hint->setWordWrap(true);
    hint->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    hint->setFixedSize(240, 80); // as its row gives it, wrapped
    listBox->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    listBox->setToolTip(QStringLiteral("Номиналы, которые есть под рукой: по одному в строке или "
                                       "через «;», с допуском, например 4,7 кОм ±1 % или 4K7F"));
    QStringList items;
    for (const value::SeriesName& series : value::seriesNames())
        items.append(QString::fromUtf8(series.name));
    seriesGroup->setItems(items << QStringLiteral("Свои"));
    seriesGroup->setItemIndex(
        static_cast<int>(items.indexOf(QString::fromUtf8(networks::kDefaultSeries))));
    for (QListWidget* list : {networksList, dividersList}) {
        list->setSelectionMode(QAbstractItemView::NoSelection);
        list->setFocusPolicy(Qt::StrongFocus); // read row by row with the arrow keys
        list->setWordWrap(true); // a divider's row is longer than the list is wide: shown whole
    }
    if (!pendingValue_.isEmpty())
        valueBox->setText(pendingValue_);
    keptList_ = readOwnValues(); // as the last run left it; the series picked stays the same
    listBox->setPlainText(keptList_);

    pause_ = new QTimer(this);
    pause_->setSingleShot(true);
    pause_->setInterval(kPauseMs);
    connect(pause_, &QTimer::timeout, this, &CombineWindow::ask);
    thread_ = std::make_unique<ui::WorkerThread<CombineSearch>>(QStringLiteral("combine search"));
    search_ = thread_->worker();
    ask(); // what was handed over, at once

    for (QLineEdit* edit : {valueBox, inputBox, outputBox, totalBox})
        connect(edit, &QLineEdit::textChanged, this, &CombineWindow::boxesChanged);
    connect(seriesGroup, &ui::RadioGroup::itemPicked, this, &CombineWindow::boxesChanged);
    // Typing a list is choosing it.
    connect(listBox, &QPlainTextEdit::textChanged, this, [this] {
        if (seriesGroup->itemIndex() != ownItem())
            seriesGroup->setItemIndex(ownItem());
        boxesChanged();
    });
}

void CombineWindow::boxesChanged() {
    setProperty("answering", true); // read by the tests and tools that wait for the answers
    pause_->start();                // again from the start: the search waits for typing to pause
}

void CombineWindow::ask() {
    const int item = seriesGroup->itemIndex();
    CombineQuestion question{
        ++asked_,
        typed(valueBox),
        typed(inputBox),
        typed(outputBox),
        typed(totalBox),
        item == ownItem() ? std::string() : seriesGroup->items().value(item).toStdString(),
        item == ownItem() ? listBox->toPlainText().toStdString() : std::string()};
    setProperty("answering", true);
    search_->latest = question.number;
    QMetaObject::invokeMethod(search_, [this, search = search_, question = std::move(question)] {
        if (question.number != search->latest)
            return; // a later question is queued behind this one
        CombineAnswer answer = search->answer(question);
        QMetaObject::invokeMethod(this, [this, answer = std::move(answer)] { showAnswer(answer); });
    });
}

void CombineWindow::showAnswer(const CombineAnswer& answer) {
    if (answer.number != asked_)
        return; // typed over since: a later answer is coming
    fill(networksList, answer.networks);
    fill(dividersList, answer.dividers);
    setProperty("answering", pause_->isActive());
}

} // namespace vantrel::windows
