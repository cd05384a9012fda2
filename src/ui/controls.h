// A window's controls as a table, one row per control, and the builder that places them.
#pragma once

#include "ui/fonts.h"

#include <QWidget>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTableView;

namespace vantrel::ui {

class Picture;
class RadioGroup;

enum class Kind { Label, Picture, Edit, Button, Memo, Selector, List, Table };

enum class Colour { WindowText, Black, Red, Purple, Navy, Highlight, ActiveCaption };

// Properties a row may switch on.
enum Style : unsigned {
    Plain = 0,
    Aqua = 1u << 0,     // input boxes and the colour windows' result boxes
    Tooltip = 1u << 1,  // the code windows' result boxes
    ReadOnly = 1u << 2, //
    Disabled = 1u << 3, //
    WordWrap = 1u << 4, // result boxes that wrap instead of scrolling sideways
};

// The caption of every decoding window's one button, which writes its result.
inline constexpr const char* kCalculate = "Считать!!!";

struct Control {
    Kind kind;
    const char* name; // the object name, as the window's table gives it
    int left, top, width, height;
    const char* text = ""; // caption, first text, picture resource, or selector items split by '|'
    FontSpec font = {};
    int tab = -1; // position in the window's tab order, -1 for none
    unsigned style = Plain;
    int maxLength = 0; // edit boxes: 0 is no limit
    Colour colour = Colour::WindowText;
};

// The class of widget each kind of row makes.
template <typename T> constexpr Kind kKindMaking = T::no_kind_makes_this_class;
template <> inline constexpr Kind kKindMaking<QLabel> = Kind::Label;
template <> inline constexpr Kind kKindMaking<Picture> = Kind::Picture;
template <> inline constexpr Kind kKindMaking<QLineEdit> = Kind::Edit;
template <> inline constexpr Kind kKindMaking<QPushButton> = Kind::Button;
template <> inline constexpr Kind kKindMaking<QPlainTextEdit> = Kind::Memo;
template <> inline constexpr Kind kKindMaking<RadioGroup> = Kind::Selector;
template <> inline constexpr Kind kKindMaking<QListWidget> = Kind::List;
template <> inline constexpr Kind kKindMaking<QTableView> = Kind::Table;

// The controls a table made, as they were made, found by their rows' names.
class Controls {
public:
    Controls(std::span<const Control> rows, std::vector<QWidget*> made);

    // The control of the row with this name, as the class its kind makes. A name that no row
    // has, or a row of another kind, ends the program with the name in every build: the
    // window's code and its table disagree.
    template <typename T> T* get(std::string_view name) const {
        return static_cast<T*>(find(name, kKindMaking<T>));
    }
    // The same for a control of any kind.
    QWidget* widget(std::string_view name) const { return find(name, std::nullopt); }

private:
    QWidget* find(std::string_view name, std::optional<Kind> kind) const;

    std::span<const Control> rows_;
    std::vector<QWidget*> made_; // one per row, in the rows' order
};

// Creates the rows' controls as children of parent, with their geometry, fonts, colours and
// tab order.
Controls buildControls(QWidget* parent, std::span<const Control> rows);

// A control named for screen readers by the text of a label, where it has no text of its own.
struct NamedBy {
    const char* control;
    const char* label;
};
void nameControls(const Controls& controls, std::span<const NamedBy> names);

} // namespace vantrel::ui
