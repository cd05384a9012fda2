// The two kinds of message box the windows show: a check message and a missing-data message.
#pragma once

#include <QString>

class QWidget;

namespace vantrel::ui {

// Error icon, caption "Error", the single button "&Yes". Returns when the box is closed.
void showCheckMessage(QWidget* parent, const QString& text);

// Information icon, caption "Information", the single button "OK".
void showMissingData(QWidget* parent, const QString& text);

} // namespace vantrel::ui
