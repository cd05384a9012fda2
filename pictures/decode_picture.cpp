// A build step: decodes a picture as the program would, a JPEG with the program's own decoder
// and a PNG with Qt's, and writes its exact pixels in the form the screen takes them, so that
// the program shows the picture without decoding it: the width, the height and the QImage
// format (32-bit RGB, or ARGB where the picture has transparency) as three 32-bit numbers,
// then the rows of 32-bit pixels. The first frame's banner and the window icon are built so.
//   decode_picture IN.jpg|IN.png OUT.pixels
#include "ui/jpeg.h"

#include <QFile>
#include <cstdio>

namespace {

QImage decode(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return path.endsWith(u".jpg") ? vantrel::ui::decodeJpeg(file.readAll())
                                  : QImage::fromData(file.readAll(), "PNG");
}

bool writePixels(const QImage& decoded, const QString& path) {
    const QImage pixels = decoded.convertToFormat(decoded.hasAlphaChannel() ? QImage::Format_ARGB32
                                                                            : QImage::Format_RGB32);
    const quint32 header[3] = {static_cast<quint32>(pixels.width()),
                               static_cast<quint32>(pixels.height()),
                               static_cast<quint32>(pixels.format())};
    QFile file(path);
    if (pixels.isNull() || !file.open(QIODevice::WriteOnly))
        return false;
    file.write(reinterpret_cast<const char*>(header), sizeof header);
    for (int y = 0; y < pixels.height(); ++y)
        file.write(reinterpret_cast<const char*>(pixels.constScanLine(y)), pixels.width() * 4);
    return file.flush() && file.error() == QFile::NoError;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: decode_picture IN.jpg|IN.png OUT.pixels\n");
        return 2;
    }
    if (!writePixels(decode(QString::fromLocal8Bit(argv[1])), QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "decode_picture: could not turn %s into %s\n", argv[1], argv[2]);
        return 1;
    }
    return 0;
}
