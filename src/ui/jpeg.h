// JPEG decoding through libjpeg-turbo's C API.
#pragma once

#include <QByteArrayView>
#include <QImage>

namespace vantrel::ui {

// Decodes a whole JPEG file held in memory. A broken, truncated or damaged file, or one
// larger than any picture of the program, gives a null image.
QImage decodeJpeg(QByteArrayView data);

} // namespace vantrel::ui
