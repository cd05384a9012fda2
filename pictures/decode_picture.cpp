// A build step: decodes a JPEG with the program's own decoder and writes its exact pixels in
// the form the screen takes them, so that the program shows that picture without decoding
// it: the width and the height as two 32-bit numbers, then the rows of 32-bit RGB pixels.
// The main window's banner is built in this way.
//   decode_picture IN.jpg OUT.rgb32
#include "ui/jpeg.h"

#include <QFile>
#include <cstdio>

namespace {

bool writePixels(const QImage& decoded, const QString& path) {
    const QImage pixels = decoded.convertToFormat(QImage::Format_RGB32);
    const quint32 size[2] = {static_cast<quint32>(pixels.width()),
                             static_cast<quint32>(pixels.height())};
    QFile file(path);
    if (pixels.isNull() || !file.open(QIODevice::WriteOnly))
        return false;
    file.write(reinterpret_cast<const char*>(size), sizeof size);
    for (int y = 0; y < pixels.height(); ++y)
        file.write(reinterpret_cast<const char*>(pixels.constScanLine(y)), pixels.width() * 4);
    return file.flush() && file.error() == QFile::NoError;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: decode_picture IN.jpg OUT.rgb32\n");
        return 2;
    }
    QFile jpeg(QString::fromLocal8Bit(argv[1]));
    if (!jpeg.open(QIODevice::ReadOnly) ||
        !writePixels(vantrel::ui::decodeJpeg(jpeg.readAll()), QString::fromLocal8Bit(argv[2]))) {
        std::fprintf(stderr, "decode_picture: could not turn %s into %s\n", argv[1], argv[2]);
        return 1;
    }
    return 0;
}
