// JPEG through libjpeg's IJG interface. libjpeg reports errors with longjmp-free callbacks here: the
// error manager throws, and RAII guards release the codec objects on every path.
#include "platform/JpegCodec.h"

#include "platform/Bitmap.h"
#include "platform/PlatformError.h"

#include <cstdio>
#include <jpeglib.h>
#include <vector>

namespace festoon {
namespace {

[[noreturn]] void ThrowJpegError(j_common_ptr info) {
    throw PlatformError::Jpeg(info->err->msg_code);
}

// Warnings (corrupt-data notices libjpeg recovers from) are not failures.
void IgnoreMessage(j_common_ptr, int) {}
void IgnoreOutput(j_common_ptr) {}

void InstallErrorManager(jpeg_error_mgr& manager) {
    jpeg_std_error(&manager);
    manager.error_exit = ThrowJpegError;
    manager.emit_message = IgnoreMessage;
    manager.output_message = IgnoreOutput;
}

struct DecompressGuard {
    jpeg_decompress_struct* info;
    ~DecompressGuard() { jpeg_destroy_decompress(info); }
};

struct CompressGuard {
    jpeg_compress_struct* info;
    ~CompressGuard() { jpeg_destroy_compress(info); }
};

struct MemoryBuffer {
    unsigned char* data = nullptr;
    unsigned long size = 0;
    ~MemoryBuffer() { std::free(data); }
};

} // namespace

QImage DecodeJpeg(const QByteArray& data) {
    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    InstallErrorManager(errors);
    info.err = &errors;
    jpeg_create_decompress(&info);
    DecompressGuard guard{&info};

    // libjpeg needs a non-empty buffer; an empty one fails as an empty file would.
    static const unsigned char kEmpty[1] = {0};
    const auto* bytes = data.isEmpty() ? kEmpty : reinterpret_cast<const unsigned char*>(data.constData());
    jpeg_mem_src(&info, bytes, static_cast<unsigned long>(data.size()));
    jpeg_read_header(&info, TRUE);
    CheckPictureSize(static_cast<int>(std::min<JDIMENSION>(info.image_width, 1u << 30)),
                     static_cast<int>(std::min<JDIMENSION>(info.image_height, 1u << 30)));

    info.out_color_space = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK
                               ? JCS_CMYK
                               : JCS_EXT_BGR;
    jpeg_start_decompress(&info);

    QImage bitmap = MakeBitmap(static_cast<int>(info.output_width), static_cast<int>(info.output_height));
    if (bitmap.isNull()) {
        throw PlatformError::PictureTooLarge(static_cast<int>(info.output_width),
                                             static_cast<int>(info.output_height));
    }
    std::vector<unsigned char> cmykRow;
    if (info.out_color_space == JCS_CMYK) {
        cmykRow.resize(static_cast<size_t>(info.output_width) * 4);
    }
    while (info.output_scanline < info.output_height) {
        const int y = static_cast<int>(info.output_scanline);
        if (cmykRow.empty()) {
            JSAMPROW row = bitmap.scanLine(y);
            jpeg_read_scanlines(&info, &row, 1);
            continue;
        }
        JSAMPROW row = cmykRow.data();
        jpeg_read_scanlines(&info, &row, 1);
        // Adobe writes inverted CMYK; libjpeg hands it back as stored, so K scales the inverted inks.
        uchar* out = bitmap.scanLine(y);
        for (JDIMENSION x = 0; x < info.output_width; ++x) {
            const int c = cmykRow[x * 4], m = cmykRow[x * 4 + 1], ye = cmykRow[x * 4 + 2],
                      k = cmykRow[x * 4 + 3];
            out[x * 3 + 0] = static_cast<uchar>(ye * k / 255);
            out[x * 3 + 1] = static_cast<uchar>(m * k / 255);
            out[x * 3 + 2] = static_cast<uchar>(c * k / 255);
        }
    }
    jpeg_finish_decompress(&info);
    return bitmap;
}

QByteArray EncodeJpeg(const QImage& source, int quality) {
    const QImage bitmap = ToBitmap24(source);
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    InstallErrorManager(errors);
    info.err = &errors;
    jpeg_create_compress(&info);
    CompressGuard guard{&info};

    MemoryBuffer buffer;
    jpeg_mem_dest(&info, &buffer.data, &buffer.size);
    info.image_width = static_cast<JDIMENSION>(bitmap.width());
    info.image_height = static_cast<JDIMENSION>(bitmap.height());
    info.input_components = 3;
    info.in_color_space = JCS_EXT_BGR;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<uchar*>(bitmap.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    return QByteArray(reinterpret_cast<const char*>(buffer.data), static_cast<qsizetype>(buffer.size));
}

} // namespace festoon
