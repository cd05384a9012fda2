// The frame every secondary window shares: its kind of border, client size, first placement
// and the table of its controls.
#pragma once

#include "ui/controls.h"

#include <QDialog>

namespace vantrel::ui {

enum class Border {
    FixedTool,    // thin caption bar with a close box only, not resizable
    SizeableTool, // as FixedTool with a sizing border; scroll bars when made too small
    Sizeable,     // an ordinary window with minimize, maximize and close boxes
};

struct WindowFrame {
    const char* caption;
    Border border;
    QSize client;
    FontSpec font;                     // the window's own font
    std::span<const Control> controls; //
    QPoint firstPosition{-1, -1};      // outer top-left on the screen; (-1, -1): centred
};

// A window shown modally from the main menu: created once, only hidden when closed, and
// placed by its own rule on its first showing only.
class Window : public QDialog {
    Q_OBJECT
public:
    Window(const WindowFrame& frame, QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QPoint firstPosition_;
    bool placed_ = false;
};

} // namespace vantrel::ui
