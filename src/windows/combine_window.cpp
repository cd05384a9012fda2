#include "windows/combine_window.h"

#include "core/networks/network_text.h"
#include "ui/controls.h"
#include "ui/radio_group.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

namespace vantrel::networks {
namespace {

using ui::kBold13;
using ui::Kind;
using ui::kTitle;

constexpr const char* kSeriesItems = "E3|E6|E12|E24|E48|E96|E192|Свои";
constexpr int kOwnItem = 7;     // «Свои»: the list in the box beside
constexpr int kFirstSeries = 3; // E24

// clang-format off
constexpr ui::Control kControls[] = {
    {Kind::Label,    "Label1",        8,   8,   0,  20, "Нужный номинал", kTitle},
    {Kind::Edit,     "Edit1",         8,  36, 240,  24, "", kBold13, 0, ui::Aqua},
    {Kind::Label,    "Label2",        8,  72,   0,  16, "Делитель: вход, выход, сумма", kBold13},
    {Kind::Edit,     "Edit2",         8,  90,  76,  24, "", kBold13, 1, ui::Aqua},
    {Kind::Edit,     "Edit3",        90,  90,  76,  24, "", kBold13, 2, ui::Aqua},
    {Kind::Edit,     "Edit4",       172,  90,  76,  24, "", kBold13, 3, ui::Aqua},
    {Kind::Label,    "Label7",        8, 124, 240,  80, "Номинал: 4,32 кОм, 4k32, 100 нФ, 10 мкГн.\n"
                                                        "Делитель: 5 В и 1,2 В, или 0,24 и пустой выход; "
                                                        "сумма около 10 кОм, если не задана."},
    {Kind::Label,    "Label5",      264,   8,   0,  16, "Ряд", kBold13},
    {Kind::Selector, "RadioGroup1", 264,  26,  80, 180, kSeriesItems, kBold13, 4},
    {Kind::Label,    "Label6",      356,   8,   0,  16, "Свои номиналы, по одному в строке", kBold13},
    {Kind::Memo,     "Memo1",       356,  26, 316, 180, "", kBold13, 5, ui::Aqua},
    {Kind::Label,    "Label3",        8, 216,   0,  16, "Из стандартных деталей (+ последовательно, ‖ параллельно)", kBold13},
    {Kind::List,     "Networks1",     8, 234, 664,  80, "", kBold13, 6, ui::Tooltip},
    {Kind::Label,    "Label4",        8, 324,   0,  16, "Делители: верх от входа к выходу, низ от выхода к общему", kBold13},
    {Kind::List,     "Dividers1",     8, 342, 664,  74, "", kBold13, 7, ui::Tooltip},
};
// clang-format on

// A row that says something and cannot be picked: why there is no answer.
void addNote(QListWidget* list, const std::string& text) {
    auto* item = new QListWidgetItem(QString::fromStdString(text), list);
    item->setFlags(Qt::ItemIsEnabled);
    item->setToolTip(item->text());
}

void addRow(QListWidget* list, const std::string& text) {
    auto* item = new QListWidgetItem(QString::fromStdString(text), list);
    item->setToolTip(item->text()); // the whole row, where the list cuts it short
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

void CombineWindow::setValue(const QString& value) {
    if (Edit1)
        Edit1->setText(value);
    else
        pendingValue_ = value;
}

void CombineWindow::controlsBuilt(const ui::Controls& controls) {
    Edit1 = controls.get<QLineEdit>("Edit1");
    Edit2 = controls.get<QLineEdit>("Edit2");
    Edit3 = controls.get<QLineEdit>("Edit3");
    Edit4 = controls.get<QLineEdit>("Edit4");
    RadioGroup1 = controls.get<ui::RadioGroup>("RadioGroup1");
    Memo1 = controls.get<QPlainTextEdit>("Memo1");
    Networks1 = controls.get<QListWidget>("Networks1");
    Dividers1 = controls.get<QListWidget>("Dividers1");
    constexpr ui::NamedBy kNames[] = {{"Edit1", "Label1"},
                                      {"RadioGroup1", "Label5"},
                                      {"Memo1", "Label6"},
                                      {"Networks1", "Label3"},
                                      {"Dividers1", "Label4"}};
    ui::nameControls(controls, kNames);
    Edit2->setAccessibleName(QStringLiteral("Входное напряжение или коэффициент делителя"));
    Edit3->setAccessibleName(QStringLiteral("Выходное напряжение делителя"));
    Edit4->setAccessibleName(QStringLiteral("Сумма сопротивлений делителя"));
    Edit2->setPlaceholderText(QStringLiteral("5 В"));
    Edit3->setPlaceholderText(QStringLiteral("1,2 В"));
    Edit4->setPlaceholderText(QStringLiteral("10 кОм"));
    Edit2->setToolTip(Edit2->accessibleName());
    Edit3->setToolTip(Edit3->accessibleName());
    Edit4->setToolTip(QStringLiteral("Сумма сопротивлений делителя, около которой искать: "
                                     "в пределах декады вокруг неё"));
    auto* hint = controls.get<QLabel>("Label7");
    hint->setWordWrap(true);
    hint->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    hint->setFixedSize(240, 80); // as its row gives it, wrapped
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Memo1->setToolTip(QStringLiteral("Номиналы, которые есть под рукой: по одному в строке или "
                                     "через «;», с допуском, например 4,7 кОм ±1 % или 4K7F"));
    RadioGroup1->setItemIndex(kFirstSeries);
    for (QListWidget* list : {Networks1, Dividers1}) {
        list->setSelectionMode(QAbstractItemView::NoSelection);
        list->setFocusPolicy(Qt::StrongFocus); // read row by row with the arrow keys
    }
    if (!pendingValue_.isEmpty())
        Edit1->setText(pendingValue_);
    Edit1Change();
    DividerChange();

    connect(Edit1, &QLineEdit::textChanged, this, &CombineWindow::Edit1Change);
    for (QLineEdit* edit : {Edit2, Edit3, Edit4})
        connect(edit, &QLineEdit::textChanged, this, &CombineWindow::DividerChange);
    const auto everything = [this] {
        Edit1Change();
        DividerChange();
    };
    connect(RadioGroup1, &ui::RadioGroup::itemPicked, this, everything);
    // Typing a list is choosing it.
    connect(Memo1, &QPlainTextEdit::textChanged, this, [this, everything] {
        if (RadioGroup1->itemIndex() != kOwnItem)
            RadioGroup1->setItemIndex(kOwnItem);
        everything();
    });
}

std::variant<const Combiner*, Refusal> CombineWindow::combinerFor(value::Quantity quantity) {
    const int item = RadioGroup1->itemIndex();
    if (item != kOwnItem) {
        const auto key = std::pair(item, quantity);
        auto found = series_.find(key);
        if (found == series_.end()) {
            const QString name = RadioGroup1->items().value(item);
            found =
                series_.emplace(key, Combiner(*seriesStock(name.toStdString(), quantity))).first;
        }
        return &found->second;
    }
    const std::string text = Memo1->toPlainText().toStdString();
    if (!own_ || ownRead_ != text || own_->stock().quantity != quantity) {
        own_.reset();
        auto read = readStock(text, quantity, "свои номиналы");
        if (const auto* refused = std::get_if<Refusal>(&read))
            return *refused;
        own_.emplace(std::get<Stock>(std::move(read)));
        ownRead_ = text;
    }
    return &*own_;
}

void CombineWindow::Edit1Change() {
    Networks1->clear();
    if (Edit1->text().trimmed().isEmpty())
        return;
    const auto target = readPartValue(typed(Edit1));
    if (const auto* refused = std::get_if<Refusal>(&target))
        return addNote(Networks1, refused->message);
    const value::Reading& wanted = std::get<value::Reading>(target);
    const auto combiner = combinerFor(wanted.quantity);
    if (const auto* refused = std::get_if<Refusal>(&combiner))
        return addNote(Networks1, refused->message);
    const Combiner& from = *std::get<const Combiner*>(combiner);
    if (const auto refused = unreachable(from, wanted, 3))
        return addNote(Networks1, refused->message);
    for (const Network& network : from.best(wanted.value))
        addRow(Networks1, networkLine(network, from.stock()));
}

void CombineWindow::DividerChange() {
    Dividers1->clear();
    if (Edit2->text().trimmed().isEmpty() && Edit3->text().trimmed().isEmpty())
        return;
    const auto ratio = readRatio(typed(Edit2), typed(Edit3));
    if (const auto* refused = std::get_if<Refusal>(&ratio))
        return addNote(Dividers1, refused->message);
    const auto total = readAimedTotal(typed(Edit4));
    if (const auto* refused = std::get_if<Refusal>(&total))
        return addNote(Dividers1, refused->message);
    const auto combiner = combinerFor(value::Quantity::Resistance);
    if (const auto* refused = std::get_if<Refusal>(&combiner))
        return addNote(Dividers1, refused->message);
    const Combiner& from = *std::get<const Combiner*>(combiner);
    if (const auto refused = unreachableTotal(from, std::get<double>(total)))
        return addNote(Dividers1, refused->message);
    const double input =
        Edit3->text().trimmed().isEmpty() ? 0 : std::get<double>(readVoltage(typed(Edit2)));
    const std::vector<Divider> found =
        from.dividers(std::get<double>(ratio), std::get<double>(total));
    if (found.empty())
        return addNote(Dividers1, noDivider(from.stock(), std::get<double>(total)));
    for (const Divider& divider : found)
        addRow(Dividers1, dividerLine(divider, from.stock(), input));
}

} // namespace vantrel::networks
