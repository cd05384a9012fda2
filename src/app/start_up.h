// Start-up, shared by the program, its start-up benchmark and the screenshot tool.
#pragma once

#include "app/main_window.h"

#include <memory>

namespace vantrel::app {

// Runs before the QApplication is made. Vantrel uses nothing of GLib, so it asks for Qt's
// own event loop rather than GLib's, which wakes more often: the caption's ticks cost a fifth
// less CPU. QT_NO_GLIB set in the environment still decides.
void prepareEnvironment();

// Names the application, registers the font stand-ins, loads Qt's Russian texts and creates
// the main window, which creates every other window. Needs the QApplication; the caller shows
// the main window.
std::unique_ptr<TForm1> startUp();

} // namespace vantrel::app
