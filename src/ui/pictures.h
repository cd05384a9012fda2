// The pictures built into the program, decoded once and shared by every window.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QWidget>

namespace vantrel::ui {

// A picture from the program's resources, e.g. ":/pictures/colours.jpg", decoded on first use
// and kept until the application ends; or pixels the build decoded from a picture (".pixels").
QPixmap picture(const QString& resource);

// The 32 x 32 resistor under a question mark.
QIcon applicationIcon();

// A picture drawn at its own size from the control's top-left corner, clipped to the control.
// On a scaled screen its pixels grow as blocks and are never smoothed into each other. A
// screen reader finds it as an image with a short name.
class Picture : public QWidget {
    Q_OBJECT
public:
    Picture(const QString& resource, QWidget* parent);
    const QPixmap& pixmap() const { return pixmap_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap pixmap_; // shares the decoded picture's data
};

} // namespace vantrel::ui
