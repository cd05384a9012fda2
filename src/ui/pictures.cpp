#include "ui/pictures.h"

#include "ui/jpeg.h"

#include <QHash>
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
    return QIcon(QStringLiteral(":/pictures/icon.png"));
}

} // namespace vantrel::ui
