// libFuzzer target: the JPEG decoder, the one place that parses bytes made elsewhere, with
// any bytes. Besides not crashing or leaking, what it gives must be a whole picture or none.
#include "ui/jpeg.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QImage image = vantrel::ui::decodeJpeg(
        QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (image.isNull())
        return 0;
    if (image.format() != QImage::Format_RGB888 || image.width() > 4096 || image.height() > 4096)
        std::abort();
    // A picture starts with the start-of-image marker and ends with the end-of-image one.
    if (size < 4 || data[0] != 0xFF || data[1] != 0xD8)
        std::abort();
    return 0;
}
