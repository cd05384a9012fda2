// JPEG decoding through libjpeg-turbo's C API.
#pragma once

#include <QByteArrayView>
#include <QImage>

namespace vantrel::ui {

// Decodes a whole JPEG file held in memory; a broken or truncated file gives a null image.
QImage decodeJpeg(QByteArrayView data);

} // namespace vantrel::ui
