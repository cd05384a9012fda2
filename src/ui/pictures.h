// The pictures built into the program, decoded once and shared by every window.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace vantrel::ui {

// A JPEG picture from the program's resources, e.g. ":/pictures/colours.jpg".
const QPixmap& picture(const QString& resource);

// The 32 x 32 resistor under a question mark.
QIcon applicationIcon();

} // namespace vantrel::ui
