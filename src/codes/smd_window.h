// The SMD resistor window: "472", "1002", "4R7" or "01C" as the chip shows it.
#pragma once

#include "codes/code_windows.h"

namespace vantrel::codes {

class SmdCodeWindow final : public MarkingWindow {
    Q_OBJECT
public:
    explicit SmdCodeWindow(QWidget* parent = nullptr);
};

} // namespace vantrel::codes
