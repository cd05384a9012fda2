#include "codes/marking_windows.h"

#include "codes/capacitor_marking.h"
#include "codes/smd_code.h"

namespace vantrel::codes {
namespace {

constexpr auto kSmdControls = markingControls(":/pictures/smd_resistor.jpg", 4);
constexpr auto kCapacitorControls = markingControls(":/pictures/ceramic_capacitor.jpg", 10);

} // namespace

SmdCodeWindow::SmdCodeWindow(QWidget* parent)
    : MarkingWindow("SMD-код", kSmdControls, &readSmdCode, parent) {}

CapacitorMarkingWindow::CapacitorMarkingWindow(QWidget* parent)
    : MarkingWindow("Код с буквами", kCapacitorControls, &readCapacitorMarking, parent) {}

} // namespace vantrel::codes
