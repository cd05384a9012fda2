#include "ui/pictures.h"

#include "ui/jpeg.h"

#include <QHash>
#include <QPainter>
#include <QResource>

namespace vantrel::ui {

const QPixmap& picture(const QString& resource) {
    static QHash<QString, QPixmap> decoded;
    auto found = decoded.find(resource);
    if (found == decoded.end()) {
        const QResource file(resource);
        const QByteArray bytes = file.uncompressedData();
        found = decoded.insert(resource, QPixmap::fromImage(decodeJpeg(bytes)));
    }
    return *found;
}

QIcon applicationIcon() {
    static const QIcon icon(QStringLiteral(":/pictures/icon.png")); // decoded once for all windows
    return icon;
}

Picture::Picture(const QPixmap& pixmap, QWidget* parent)
    : QWidget(parent)
    , pixmap_(pixmap) {}

void Picture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawPixmap(0, 0, pixmap_);
}

} // namespace vantrel::ui
