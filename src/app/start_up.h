// Start-up, shared by the program, its start-up benchmark and the screenshot tool.
#pragma once

#include "app/main_window.h"

#include <memory>

namespace vantrel::app {

// Names the application, registers the font stand-ins and creates the main window, which
// creates every other window. Needs the QApplication; the caller shows the main window.
std::unique_ptr<TForm1> startUp();

} // namespace vantrel::app
