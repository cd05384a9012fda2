#include "ui/pictures.h"

#include "ui/jpeg.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QHash>
#include <QPainter>
#include <QResource>
#include <cstring>

namespace vantrel::ui {
namespace {

// Decoded pictures belong to the application: pixmaps must not outlive it, so the cache is
// dropped when the application ends, and made again if another one starts.
struct Cache {
    QHash<QString, QPixmap> pictures;
    QIcon icon;
};
Cache* cache = nullptr;

void dropCache() {
    delete cache;
    cache = nullptr;
}

Cache& theCache() {
    if (!cache) {
        cache = new Cache;
        qAddPostRoutine(dropCache);
    }
    return *cache;
}

struct Name {
    const char* resource;
    const char* name;
};
constexpr Name kNames[] = {
    {":/pictures/colours.jpg", "Цвета полос"},
    {":/pictures/banner.pixels", "Заставка Vantrel"},
    {":/pictures/letter_code_1.jpg", "Места знаков кода R33G"},
    {":/pictures/letter_code_2.jpg", "Места знаков кода R33G и необязательной буквы"},
    {":/pictures/about.jpg", "Фотография"},
    {":/pictures/smd_resistor.jpg", "Чип-резистор с кодом 472 на корпусе"},
    {":/pictures/ceramic_capacitor.jpg", "Керамический конденсатор с кодом 2A104J на корпусе"},
};

// Pixels the build decoded (pictures/decode_picture.cpp), shown from where the resource lies:
// the width, the height and the format, then rows of 32-bit pixels. Anything else gives a null
// image.
QImage builtPixels(const QResource& file) {
    quint32 header[3] = {};
    if (file.compressionAlgorithm() != QResource::NoCompression ||
        file.size() < qint64(sizeof header))
        return {};
    std::memcpy(header, file.data(), sizeof header);
    const auto [width, height, format] = header;
    const uchar* pixels = file.data() + sizeof header;
    if (width > 4096 || height > 4096 ||
        qint64(width) * height * 4 != file.size() - qint64(sizeof header) ||
        (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32))
        return {};
    const QImage image(pixels, int(width), int(height), int(width) * 4, QImage::Format(format));
    // A 32-bit pixel must not straddle its alignment; where it would, the image takes a copy.
    return reinterpret_cast<quintptr>(pixels) % alignof(quint32) == 0 ? image : image.copy();
}

QString nameOf(const QString& resource) {
    for (const Name& entry : kNames)
        if (resource == QLatin1String(entry.resource))
            return QString::fromUtf8(entry.name);
    return {};
}

// Without this a screen reader meets a picture as an unnamed filler.
QAccessibleInterface* accessiblePicture(const QString& className, QObject* object) {
    if (className == QLatin1String(Picture::staticMetaObject.className()) && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
    return nullptr;
}

} // namespace

QPixmap picture(const QString& resource) {
    QHash<QString, QPixmap>& decoded = theCache().pictures;
    auto found = decoded.find(resource);
    if (found == decoded.end()) {
        const QResource file(resource);
        found =
            decoded.insert(resource, QPixmap::fromImage(resource.endsWith(u".pixels")
                                                            ? builtPixels(file)
                                                            : decodeJpeg(file.uncompressedData())));
    }
    return *found;
}

QIcon applicationIcon() {
    QIcon& icon = theCache().icon;
    if (icon.isNull())
        icon = QIcon(picture(QStringLiteral(":/pictures/icon.pixels")));
    return icon;
}

Picture::Picture(const QString& resource, QWidget* parent)
    : QWidget(parent)
    , pixmap_(picture(resource)) {
    static const bool factoryInstalled = (QAccessible::installFactory(accessiblePicture), true);
    Q_UNUSED(factoryInstalled);
    setAccessibleName(nameOf(resource));
}

void Picture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawPixmap(0, 0, pixmap_);
}

} // namespace vantrel::ui
