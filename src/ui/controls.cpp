#include "ui/controls.h"

#include "ui/pictures.h"
#include "ui/radio_group.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <limits>
#include <optional>

namespace vantrel::ui {
namespace {

const QColor kAqua(0, 255, 255);

QPalette::ColorRole textRole(Kind kind) {
    switch (kind) {
    case Kind::Label:
    case Kind::Selector:
        return QPalette::WindowText;
    case Kind::Button:
        return QPalette::ButtonText;
    case Kind::Picture:
    case Kind::Edit:
    case Kind::Memo:
    case Kind::List:
    case Kind::Table:
        break;
    }
    return QPalette::Text;
}

// The text colour a row asks for, or nothing for the window's own.
std::optional<QColor> textColour(Colour colour) {
    switch (colour) {
    case Colour::WindowText:
        return std::nullopt;
    case Colour::Black:
        return QColor(Qt::black);
    case Colour::Red:
        return QColor(255, 0, 0);
    case Colour::Purple:
        return QColor(128, 0, 128);
    case Colour::Navy:
        return QColor(0, 0, 128);
    case Colour::Highlight:
        return QPalette().color(QPalette::Highlight);
    case Colour::ActiveCaption:
        return QPalette().color(QPalette::Active, QPalette::Highlight);
    }
    return std::nullopt;
}

void applyColours(QWidget* widget, const Control& row) {
    QPalette palette = widget->palette();
    const QPalette system;
    if (const std::optional<QColor> colour = textColour(row.colour))
        palette.setColor(textRole(row.kind), *colour);
    if (row.style & Aqua)
        palette.setColor(QPalette::Base, kAqua);
    if (row.style & Tooltip) {
        palette.setColor(QPalette::Base, system.color(QPalette::ToolTipBase));
        palette.setColor(QPalette::Text, system.color(QPalette::ToolTipText));
    }
    widget->setPalette(palette);
}

QWidget* makeMemo(QWidget* parent, const Control& row) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setLineWrapMode(row.style & WordWrap ? QPlainTextEdit::WidgetWidth
                                               : QPlainTextEdit::NoWrap);
    memo->document()->setDocumentMargin(1);
    memo->setTabChangesFocus(true);
    memo->setReadOnly(row.style & ReadOnly);
    if (row.style & ReadOnly) // still reachable and readable from the keyboard
        memo->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    memo->setFocusPolicy(Qt::StrongFocus);
    memo->setAccessibleName(QStringLiteral("Результат"));
    return memo;
}

QWidget* makeEdit(QWidget* parent, const Control& row) {
    auto* edit = new QLineEdit(parent);
    edit->setReadOnly(row.style & ReadOnly);
    return edit;
}

// Edit boxes and memos lay their text out as soon as they have it: it comes after their font,
// so that it is laid out once, in the font it is shown in.
void giveFirstText(QWidget* widget, const Control& row) {
    if (row.kind == Kind::Edit) {
        auto* edit = static_cast<QLineEdit*>(widget);
        edit->setText(QString::fromUtf8(row.text));
        edit->setMaxLength(row.maxLength > 0 ? row.maxLength : std::numeric_limits<int>::max());
    } else if (row.kind == Kind::Memo) {
        static_cast<QPlainTextEdit*>(widget)->setPlainText(QString::fromUtf8(row.text));
    }
}

QWidget* makeControl(QWidget* parent, const Control& row) {
    switch (row.kind) {
    case Kind::Label:
        return new QLabel(QString::fromUtf8(row.text), parent);
    case Kind::Picture:
        return new Picture(QString::fromUtf8(row.text), parent);
    case Kind::Edit:
        return makeEdit(parent, row);
    case Kind::Button: {
        auto* button = new QPushButton(QString::fromUtf8(row.text), parent);
        button->setAutoDefault(false); // no window has a default button
        return button;
    }
    case Kind::Memo:
        return makeMemo(parent, row);
    case Kind::List: { // rows to pick from with the mouse or the arrow keys
        auto* list = new QListWidget(parent);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->setTextElideMode(Qt::ElideRight);
        return list;
    }
    case Kind::Table: { // rows of columns, picked a row at a time
        auto* table = new QTableView(parent);
        table->setSelectionBehavior(QAbstractItemView::SelectRows);
        table->setSelectionMode(QAbstractItemView::SingleSelection);
        table->setEditTriggers(QAbstractItemView::NoEditTriggers);
        table->setTabKeyNavigation(false);
        table->setWordWrap(false);
        return table;
    }
    case Kind::Selector: {
        auto* group = new RadioGroup(parent);
        const QString items = QString::fromUtf8(row.text);
        if (!items.isEmpty())
            group->setItems(items.split(u'|'));
        return group;
    }
    }
    return nullptr;
}

} // namespace

Controls::Controls(std::span<const Control> rows, std::vector<QWidget*> made)
    : rows_(rows)
    , made_(std::move(made)) {}

QWidget* Controls::find(std::string_view name, std::optional<Kind> kind) const {
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].name == name && (!kind || rows_[i].kind == *kind))
            return made_[i];
    qFatal("The window's table has no control %.*s of the kind its code asks for",
           static_cast<int>(name.size()), name.data());
}

Controls buildControls(QWidget* parent, std::span<const Control> rows) {
    QMap<int, QWidget*> tabOrder;
    std::vector<QWidget*> made;
    made.reserve(rows.size());
    for (const Control& row : rows) {
        QWidget* widget = makeControl(parent, row);
        made.push_back(widget);
        widget->setObjectName(QString::fromLatin1(row.name));
        if (row.font.family)
            widget->setFont(makeFont(row.font));
        giveFirstText(widget, row);
        applyColours(widget, row);
        widget->setEnabled(!(row.style & Disabled));
        widget->setGeometry(row.left, row.top, row.width, row.height);
        if (row.kind == Kind::Label) // labels size themselves to their text
            widget->adjustSize();
        if (row.tab >= 0)
            tabOrder.insert(row.tab, widget);
    }
    QWidget* previous = nullptr;
    for (QWidget* widget : std::as_const(tabOrder)) {
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
    return {rows, std::move(made)};
}

void nameControls(const Controls& controls, std::span<const NamedBy> names) {
    for (const NamedBy& name : names)
        controls.widget(name.control)->setAccessibleName(controls.get<QLabel>(name.label)->text());
}

} // namespace vantrel::ui
