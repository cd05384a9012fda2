// A window's controls as a table, one row per control, and the builder that places them.
#pragma once

#include "ui/fonts.h"

#include <QWidget>
#include <span>

namespace vantrel::ui {

enum class Kind { Label, Picture, Edit, Button, Memo, Selector, List };

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

// Creates the rows' controls as children of parent, with their geometry, fonts, colours and
// tab order.
void buildControls(QWidget* parent, std::span<const Control> rows);

// A control named for screen readers by the text of a label, where it has no text of its own.
struct NamedBy {
    const char* control;
    const char* label;
};
void nameControls(const QWidget* parent, std::span<const NamedBy> names);

// A control built from a row, looked up by its name; the name must exist.
template <typename T> T* child(const QWidget* parent, const char* name) {
    T* found = parent->findChild<T*>(QString::fromLatin1(name));
    Q_ASSERT_X(found, "ui::child", name);
    return found;
}

} // namespace vantrel::ui
