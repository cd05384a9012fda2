// The system's print dialog, in a module of its own (vantrel_print.so): Qt Print Support is
// loaded the first time something is printed, not each time the program starts.
#pragma once

#include <QPageLayout>
#include <QString>
#include <functional>

class QPainter;
class QWidget;

namespace vantrel::windows {

struct PrintRequest {
    QString title;
    QPageLayout layout;
    int pages = 1;
    std::function<void(QPainter& painter, int page)> draw; // from the page's top left corner
};

// The module's one function, found by this name: shows the print dialog over `parent` and
// prints every page where it is accepted; whether it was.
inline constexpr char kPrintFunction[] = "vantrelPrint";
using PrintFunction = bool (*)(QWidget* parent, const PrintRequest& request);

} // namespace vantrel::windows
