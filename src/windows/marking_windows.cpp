#include "windows/marking_windows.h"

#include "core/codes/printed_capacitor_code.h"
#include "core/codes/smd_code.h"

namespace vantrel::codes {
namespace {

constexpr auto kSmdControls = markingControls(":/pictures/smd_resistor.jpg", 4);
constexpr auto kCapacitorControls = markingControls(":/pictures/ceramic_capacitor.jpg", 16);

} // namespace

SmdCodeWindow::SmdCodeWindow(QWidget* parent)
    : MarkingWindow("SMD-код", kSmdControls, &readSmdCode, parent) {}

PrintedCapacitorCodeWindow::PrintedCapacitorCodeWindow(QWidget* parent)
    : MarkingWindow("Код с буквами", kCapacitorControls, &readPrintedCapacitorCode, parent) {}

} // namespace vantrel::codes
