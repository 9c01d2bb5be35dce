// JPEG through libjpeg's IJG interface. libjpeg reports a fatal error by calling error_exit, which must
// not return; it jumps back with longjmp to the one function that made the libjpeg calls. Throwing a C++
// exception through libjpeg's C frames would need unwind tables there, which C builds need not carry.
// So every frame that longjmp can skip holds only trivially destructible locals: the C++ objects (the
// bitmap, buffers) live in a state object owned by the caller, which releases the codec on every path.
#include "core/JpegCodec.h"

#include "core/Bitmap.h"
#include "core/PlatformError.h"

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
// after jpeglib.h, which it needs
#include <jerror.h>
#include <new>
#include <vector>

namespace festoon {
namespace {

struct ErrorManager {
    jpeg_error_mgr base; // first member: libjpeg hands back a pointer to it
    std::jmp_buf jump;
};

[[noreturn]] void JumpBack(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

// Corrupt-data warnings that libjpeg recovers from are not failures, but a stream that ends early is:
// libjpeg would pad it with grey and report success, and the user would get half a picture.
void OnWarning(j_common_ptr info, int level) {
    if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) {
        info->err->error_exit(info);
    }
}

void IgnoreOutput(j_common_ptr) {}

void InstallErrorManager(ErrorManager& manager) {
    jpeg_std_error(&manager.base);
    manager.base.error_exit = JumpBack;
    manager.base.emit_message = OnWarning;
    manager.base.output_message = IgnoreOutput;
}

struct DecodeState {
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    QImage bitmap;
    std::vector<unsigned char> cmykRow;
    ~DecodeState() { jpeg_destroy_decompress(&info); }
};

// Adobe writes inverted CMYK and libjpeg hands it back as stored, so K scales the inverted inks.
void CmykRowToBgr(const unsigned char* cmyk, JDIMENSION width, uchar* out) {
    for (JDIMENSION x = 0; x < width; ++x) {
        const int c = cmyk[x * 4], m = cmyk[x * 4 + 1], y = cmyk[x * 4 + 2], k = cmyk[x * 4 + 3];
        out[x * 3 + 0] = static_cast<uchar>(y * k / 255);
        out[x * 3 + 1] = static_cast<uchar>(m * k / 255);
        out[x * 3 + 2] = static_cast<uchar>(c * k / 255);
    }
}

// Makes every libjpeg call of a decode; false after a libjpeg error. No local here may have a destructor
// (see the top of the file). C++ exceptions thrown by our own code (size check, allocation) pass through
// normally, as no libjpeg frame lies between them and the caller.
bool DecodeInto(DecodeState& state, const unsigned char* bytes, unsigned long size) {
    jpeg_decompress_struct& info = state.info;
    InstallErrorManager(state.errors);
    info.err = &state.errors.base;
    if (setjmp(state.errors.jump) != 0) {
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes, size);
    jpeg_read_header(&info, TRUE);
    CheckPictureSize(static_cast<int>(std::min<JDIMENSION>(info.image_width, 1U << 30)),
                     static_cast<int>(std::min<JDIMENSION>(info.image_height, 1U << 30)));

    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGR;
    jpeg_start_decompress(&info);
    state.bitmap = MakeBitmap(static_cast<int>(info.output_width), static_cast<int>(info.output_height));
    if (state.bitmap.isNull()) {
        throw std::bad_alloc();
    }
    if (cmyk) {
        state.cmykRow.resize(static_cast<size_t>(info.output_width) * 4);
    }
    while (info.output_scanline < info.output_height) {
        uchar* out = state.bitmap.scanLine(static_cast<int>(info.output_scanline));
        JSAMPROW row = cmyk ? state.cmykRow.data() : out;
        if (jpeg_read_scanlines(&info, &row, 1) != 1) {
            return false;
        }
        if (cmyk) {
            CmykRowToBgr(state.cmykRow.data(), info.output_width, out);
        }
    }
    jpeg_finish_decompress(&info);
    return true;
}

// Destination manager that grows a buffer owned by the encode's state; a failed allocation is reported
// through libjpeg as out of memory, so that nothing is thrown from inside libjpeg.
struct BufferDestination {
    jpeg_destination_mgr base; // first member: libjpeg hands back a pointer to it
    std::vector<JOCTET> bytes;
};

constexpr size_t kFirstOutputSize = 64 * 1024;

void StartOutput(j_compress_ptr info) {
    auto* destination = reinterpret_cast<BufferDestination*>(info->dest);
    destination->base.next_output_byte = destination->bytes.data();
    destination->base.free_in_buffer = destination->bytes.size();
}

boolean GrowOutput(j_compress_ptr info) {
    auto* destination = reinterpret_cast<BufferDestination*>(info->dest);
    const size_t used = destination->bytes.size();
    bool grown = true;
    try {
        destination->bytes.resize(used * 2);
    } catch (const std::exception&) {
        grown = false;
    }
    if (!grown) {
        info->err->msg_code = JERR_OUT_OF_MEMORY;
        info->err->error_exit(reinterpret_cast<j_common_ptr>(info));
    }
    destination->base.next_output_byte = destination->bytes.data() + used;
    destination->base.free_in_buffer = destination->bytes.size() - used;
    return TRUE;
}

void FinishOutput(j_compress_ptr info) {
    auto* destination = reinterpret_cast<BufferDestination*>(info->dest);
    destination->bytes.resize(destination->bytes.size() - destination->base.free_in_buffer);
}

struct EncodeState {
    jpeg_compress_struct info{};
    ErrorManager errors{};
    BufferDestination destination{};
    ~EncodeState() { jpeg_destroy_compress(&info); }
};

// Makes every libjpeg call of an encode; false after a libjpeg error. No local here may have a destructor.
bool EncodeInto(EncodeState& state, const QImage& bitmap, int quality) {
    jpeg_compress_struct& info = state.info;
    InstallErrorManager(state.errors);
    info.err = &state.errors.base;
    if (setjmp(state.errors.jump) != 0) {
        return false;
    }
    jpeg_create_compress(&info);
    state.destination.base.init_destination = StartOutput;
    state.destination.base.empty_output_buffer = GrowOutput;
    state.destination.base.term_destination = FinishOutput;
    info.dest = &state.destination.base;

    info.image_width = static_cast<JDIMENSION>(bitmap.width());
    info.image_height = static_cast<JDIMENSION>(bitmap.height());
    info.input_components = 3;
    info.in_color_space = JCS_EXT_BGR;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        // libjpeg's interface is not const-correct; it only reads the row.
        JSAMPROW row = const_cast<uchar*>(bitmap.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    return true;
}

} // namespace

QImage DecodeJpeg(const QByteArray& data) {
    DecodeState state;
    // libjpeg refuses an empty buffer with its own error, as it would an empty file.
    if (!DecodeInto(state, reinterpret_cast<const unsigned char*>(data.constData()),
                    static_cast<unsigned long>(data.size()))) {
        throw PlatformError::Jpeg(state.errors.base.msg_code);
    }
    return std::move(state.bitmap);
}

QByteArray EncodeJpeg(const QImage& source, int quality) {
    const QImage bitmap = ToBitmap24(source);
    EncodeState state;
    state.destination.bytes.resize(kFirstOutputSize);
    if (!EncodeInto(state, bitmap, quality)) {
        throw PlatformError::Jpeg(state.errors.base.msg_code);
    }
    const std::vector<JOCTET>& bytes = state.destination.bytes;
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

} // namespace festoon
