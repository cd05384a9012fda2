// The windows that read one code as the body prints it: the SMD resistor's "472", "1002",
// "4R7" or "01C", and the capacitor's "2A104J", "475K" or "4n7".
#pragma once

#include "windows/code_windows.h"

namespace vantrel::codes {

class SmdCodeWindow final : public MarkingWindow {
    Q_OBJECT
public:
    explicit SmdCodeWindow(QWidget* parent = nullptr);
};

class PrintedCapacitorCodeWindow final : public MarkingWindow {
    Q_OBJECT
public:
    explicit PrintedCapacitorCodeWindow(QWidget* parent = nullptr);
};

} // namespace vantrel::codes
