#include "ui/jpeg.h"

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

namespace vantrel::ui {
namespace {

// The program's pictures are a few hundred pixels a side; a header that asks for more is
// not one of them, and is refused before libjpeg allocates anything for it.
constexpr JDIMENSION kMaxSide = 4096;

// libjpeg's default error handler ends the process; this one jumps back instead.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void onError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

void onMessage(j_common_ptr) {} // counted in num_warnings, never printed

// Everything a jump back from libjpeg must find intact lives here, in decodeJpeg's frame:
// only the frame that calls setjmp loses what it changed after the call.
struct Decoder {
    jpeg_decompress_struct info{};
    ErrorManager errors{};
};

// Decodes into image; false when libjpeg gave up. Nothing in this frame has a destructor
// that a jump could skip, and nothing here changes after setjmp.
bool decode(Decoder& decoder, QByteArrayView data, QImage& image) {
    if (setjmp(decoder.errors.jump) != 0)
        return false;
    jpeg_decompress_struct& info = decoder.info;
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(data.data()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&info, TRUE);
    if (info.image_width > kMaxSide || info.image_height > kMaxSide)
        return false;
    info.out_color_space = JCS_EXT_RGB;
    jpeg_start_decompress(&info);
    image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                   QImage::Format_RGB888);
    if (image.isNull())
        return false;
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    return true;
}

} // namespace

QImage decodeJpeg(QByteArrayView data) {
    Decoder decoder;
    decoder.info.err = jpeg_std_error(&decoder.errors.base);
    decoder.errors.base.error_exit = onError;
    decoder.errors.base.output_message = onMessage;
    QImage image;
    const bool decoded = decode(decoder, data, image);
    jpeg_destroy_decompress(&decoder.info);
    // A truncated or damaged file only draws a warning, and grey where its data ran out;
    // part of a picture is not the picture.
    if (!decoded || decoder.errors.base.num_warnings > 0)
        return {};
    return image;
}

} // namespace vantrel::ui
