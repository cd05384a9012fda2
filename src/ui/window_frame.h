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

// Puts the window's outer frame in the middle of its screen when it is first shown. The
// window manager frames it only after that, so it is placed once more, by its whole frame,
// when it is first painted.
void centreWhenShown(QWidget* window);

// A window shown modally from the main menu: created with its caption and size, only hidden
// when closed, and placed by its own rule on its first showing only. Its controls are built
// when it is first shown, so that start-up pays only for the main window.
class Window : public QDialog {
    Q_OBJECT
public:
    Window(const WindowFrame& frame, QWidget* parent);

    // Builds the controls now if they are not there yet.
    void ensureBuilt();
    void setVisible(bool visible) override;

protected:
    // Runs once, right after the controls are built: where a window takes its controls and
    // connects them.
    virtual void controlsBuilt(const Controls&) {}

private:
    WindowFrame frame_;
    bool built_ = false;
};

} // namespace vantrel::ui
