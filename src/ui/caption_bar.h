// The caption bar of a window whose title is empty.
#pragma once

class QWidget;

namespace vantrel::ui {

// Qt gives a window with an empty title the application's name in its caption bar; this one
// keeps its caption bar empty until its title has text. The application's name stays where
// it belongs, in the window's class. Only X11 is reached this way; elsewhere it does nothing.
void keepCaptionBarEmpty(QWidget* window);

} // namespace vantrel::ui
