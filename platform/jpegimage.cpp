#include "platform/jpegimage.h"

#include <QFile>

#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE and size_t declared first

#include <jpeglib.h>

namespace platform {

namespace {

#ifdef JCS_ALPHA_EXTENSIONS
#define DECODE_TO_RGB32
// The memory order of QImage::Format_RGB32 (0xffRRGGBB words), with the
// fourth byte set to 0xff as that format requires.
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
constexpr J_COLOR_SPACE rgb32Space = JCS_EXT_BGRA;
#else
constexpr J_COLOR_SPACE rgb32Space = JCS_EXT_ARGB;
#endif
#endif

// Pictures beyond this many pixels are refused before libjpeg allocates
// anything for them: a corrupt header must not ask for gigabytes.
constexpr unsigned long maxPixels = 64ul * 1024ul * 1024ul;

struct ErrorManager
{
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void failDecode(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

// libjpeg reports damaged data (truncation, bad Huffman codes) as warnings
// and carries on with grey filler; the picture would then not be the one
// stored, so a warning ends the decode as well.
void onMessage(j_common_ptr info, int level)
{
    if (level < 0)
        failDecode(info);
}

void silent(j_common_ptr) {}

struct Decoder
{
    ErrorManager errors;
    jpeg_decompress_struct info;
    QImage* image;
};

// Everything between setjmp and a possible longjmp lives in *decoder or in
// libjpeg, never in C++ objects of this frame, so the jump skips no destructor.
bool decodeInto(Decoder* decoder, const unsigned char* data, unsigned long size)
{
    jpeg_decompress_struct* info = &decoder->info;
    info->err = jpeg_std_error(&decoder->errors.base);
    decoder->errors.base.error_exit = failDecode;
    decoder->errors.base.emit_message = onMessage;
    decoder->errors.base.output_message = silent;
    if (setjmp(decoder->errors.jump)) {
        jpeg_destroy_decompress(info);
        return false;
    }
    jpeg_create_decompress(info);
    jpeg_mem_src(info, data, size);
    jpeg_read_header(info, TRUE);
    if (static_cast<unsigned long>(info->image_width) * info->image_height > maxPixels) {
        jpeg_destroy_decompress(info);
        return false;
    }
#ifdef DECODE_TO_RGB32
    info->out_color_space = rgb32Space;
#else
    info->out_color_space = JCS_RGB;
#endif
    jpeg_start_decompress(info);
#ifdef DECODE_TO_RGB32
    *decoder->image =
        QImage(int(info->output_width), int(info->output_height), QImage::Format_RGB32);
#else
    *decoder->image =
        QImage(int(info->output_width), int(info->output_height), QImage::Format_RGB888);
#endif
    if (decoder->image->isNull()) {
        jpeg_destroy_decompress(info);
        return false;
    }
    while (info->output_scanline < info->output_height) {
        JSAMPROW row = decoder->image->scanLine(int(info->output_scanline));
        jpeg_read_scanlines(info, &row, 1);
    }
    jpeg_finish_decompress(info);
    jpeg_destroy_decompress(info);
    return true;
}

} // namespace

QImage DecodeJpeg(const QByteArray& data)
{
    if (data.isEmpty())
        return QImage();
    QImage image;
    Decoder decoder{};
    decoder.image = &image;
    if (!decodeInto(&decoder, reinterpret_cast<const unsigned char*>(data.constData()),
                    static_cast<unsigned long>(data.size())))
        return QImage();
#ifdef DECODE_TO_RGB32
    return image;
#else
    return image.convertToFormat(QImage::Format_RGB32);
#endif
}

QImage LoadJpeg(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QImage();
    return DecodeJpeg(file.readAll());
}

} // namespace platform
