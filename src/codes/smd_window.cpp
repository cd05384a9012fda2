#include "codes/smd_window.h"

#include "codes/smd_code.h"

namespace vantrel::codes {
namespace {

constexpr auto kControls = markingControls(":/pictures/smd_resistor.jpg", 4);

} // namespace

SmdCodeWindow::SmdCodeWindow(QWidget* parent)
    : MarkingWindow("SMD-код", kControls, &readSmdCode, parent) {}

} // namespace vantrel::codes
