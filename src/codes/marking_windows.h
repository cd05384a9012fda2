// The windows that read one code as the body prints it: the SMD resistor's "472", "1002",
// "4R7" or "01C", and the capacitor's "2A104J", "475K" or "4n7".
#pragma once

#include "codes/code_windows.h"

namespace vantrel::codes {

class SmdCodeWindow final : public MarkingWindow {
    Q_OBJECT
public:
    explicit SmdCodeWindow(QWidget* parent = nullptr);
};

class CapacitorMarkingWindow final : public MarkingWindow {
    Q_OBJECT
public:
    explicit CapacitorMarkingWindow(QWidget* parent = nullptr);
};

} // namespace vantrel::codes
