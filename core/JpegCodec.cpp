// JPEG through libjpeg's IJG interface. libjpeg reports a fatal error by calling error_exit, which must
// not return; it jumps back with longjmp to the one function that made the libjpeg calls. Throwing a C++
// exception through libjpeg's C frames would need unwind tables there, which C builds need not carry.
// So every frame that longjmp can skip holds only trivially destructible locals: the C++ objects (the
// bitmap, buffers) live in a state object owned by the caller, which releases the codec on every path.
// Decoding keeps the limits of PictureLimits.h: libjpeg's memory, the number of scans and of corrupt-data
// warnings, and a stream that ends before its picture is complete is refused, never padded with grey.
#include "core/JpegCodec.h"

#include "core/Bitmap.h"
#include "core/Orientation.h"
#include "core/PictureLimits.h"
#include "core/PlatformError.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
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
    bool cancelled; // the error was raised to stop a cancelled decode
};

[[noreturn]] void JumpBack(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

[[noreturn]] void Fail(j_common_ptr info, int messageCode) {
    info->err->msg_code = messageCode;
    info->err->error_exit(info);
    std::abort(); // error_exit never returns
}

// A data segment that ended at a marker other than a restart marker: the stream was cut before its
// picture was complete, and libjpeg would go on with zeros (grey) for everything after the cut.
bool SegmentCutShort(j_common_ptr info) {
    if (info->err->msg_code != JWRN_HIT_MARKER || !info->is_decompressor) {
        return false;
    }
    const int marker = reinterpret_cast<j_decompress_ptr>(info)->unread_marker;
    return marker < JPEG_RST0 || marker > JPEG_RST0 + 7;
}

// libjpeg recovers from corrupt data with a warning. A few are tolerated, as in a photo with one damaged
// restart interval; a stream that ends early, or is cut short, or keeps warning is refused.
void OnWarning(j_common_ptr info, int level) {
    if (level >= 0) {
        return; // trace messages
    }
    jpeg_error_mgr& errors = *info->err;
    ++errors.num_warnings;
    if (errors.msg_code == JWRN_JPEG_EOF || SegmentCutShort(info) || errors.num_warnings > kMaxJpegWarnings) {
        errors.error_exit(info);
    }
}

void IgnoreOutput(j_common_ptr) {}

void InstallErrorManager(ErrorManager& manager) {
    jpeg_std_error(&manager.base);
    manager.base.error_exit = JumpBack;
    manager.base.emit_message = OnWarning;
    manager.base.output_message = IgnoreOutput;
    manager.cancelled = false;
}

// What WatchProgress, which libjpeg calls before each piece of work, keeps between its calls.
struct ProgressMonitor {
    jpeg_progress_mgr base; // first member: libjpeg hands back a pointer to it
    DecodeControl* control;
    const unsigned char* start;
    unsigned long size;
    unsigned scannedComponents; // one bit per component index
    int lastScan;               // the scan whose blocks were last counted
    qint64 scanBlocks;          // blocks of all the scans so far
};

// Multi-scan streams are read whole before the first row comes out; that reading is most of the work.
constexpr double kReadingShare = 0.7;

int ProgressPerMille(j_decompress_ptr info, const ProgressMonitor& monitor) {
    const double rows =
        info->output_height > 0 ? static_cast<double>(info->output_scanline) / info->output_height : 0.0;
    double done = rows;
    if (jpeg_has_multiple_scans(info)) {
        const double read = static_cast<double>(info->src->next_input_byte - monitor.start) /
                            static_cast<double>(std::max(monitor.size, 1UL));
        done = jpeg_input_complete(info) ? kReadingShare + (1 - kReadingShare) * rows : kReadingShare * read;
    }
    return std::clamp(static_cast<int>(done * 1000), 0, 999);
}

// Stops a cancelled decode and a stream of too many scans, notes which components the scans have
// carried, and reports progress.
void WatchProgress(j_common_ptr common) {
    auto& monitor = *reinterpret_cast<ProgressMonitor*>(common->progress);
    auto* info = reinterpret_cast<j_decompress_ptr>(common);
    if (monitor.control != nullptr && monitor.control->cancelled.load(std::memory_order_relaxed)) {
        reinterpret_cast<ErrorManager*>(common->err)->cancelled = true;
        Fail(common, JERR_OUT_OF_MEMORY); // any code: the caller throws DecodeCancelled instead
    }
    // Each scan of a progressive stream revisits the whole picture, so a small file of thousands of
    // scans would keep the decoder busy for minutes; no encoder writes more than a few dozen, and real
    // pictures stay far below the block budget too.
    if (info->input_scan_number != monitor.lastScan) {
        monitor.lastScan = info->input_scan_number;
        for (int i = 0; i < info->comps_in_scan; ++i) {
            const jpeg_component_info& component = *info->cur_comp_info[i];
            monitor.scannedComponents |= 1U << component.component_index;
            monitor.scanBlocks += static_cast<qint64>(component.width_in_blocks) * component.height_in_blocks;
        }
    }
    if (info->input_scan_number > kMaxJpegScans || monitor.scanBlocks > kMaxJpegScanBlocks) {
        Fail(common, JERR_BAD_PROGRESSION);
    }
    if (monitor.control != nullptr) {
        monitor.control->progress.store(ProgressPerMille(info, monitor), std::memory_order_relaxed);
    }
}

// Whether every component has received all its data: a stream of several scans may end (with an
// end-of-image marker even) before its last scans, and libjpeg would show what it has as the picture.
bool AllScansArrived(j_decompress_ptr info, const ProgressMonitor& monitor) {
    if (!jpeg_has_multiple_scans(info)) {
        return true; // one scan carries every component
    }
    if (info->progressive_mode) {
        // coef_bits holds, per component and coefficient, the last bit position received (-1: none).
        for (int c = 0; c < info->num_components; ++c) {
            if (std::any_of(info->coef_bits[c], info->coef_bits[c] + DCTSIZE2,
                            [](int bit) { return bit != 0; })) {
                return false;
            }
        }
        return true;
    }
    return monitor.scannedComponents == (1U << info->num_components) - 1;
}

// The denominator of the smallest DCT scale whose result is still at least `needed` (stored sides).
unsigned ScaleDenominator(const jpeg_decompress_struct& info, QSize needed) {
    if (needed.isEmpty()) {
        return 1;
    }
    for (const unsigned denominator : {8U, 4U, 2U}) {
        if ((info.image_width + denominator - 1) / denominator >= static_cast<unsigned>(needed.width()) &&
            (info.image_height + denominator - 1) / denominator >= static_cast<unsigned>(needed.height())) {
            return denominator;
        }
    }
    return 1;
}

// The orientation the stream's EXIF data declares, from the APP1 markers libjpeg kept.
int StreamOrientation(const jpeg_decompress_struct& info) {
    for (jpeg_saved_marker_ptr marker = info.marker_list; marker != nullptr; marker = marker->next) {
        if (marker->marker == JPEG_APP0 + 1) {
            const int orientation = ExifOrientation(QByteArrayView(
                reinterpret_cast<const char*>(marker->data), static_cast<qsizetype>(marker->data_length)));
            if (orientation != 1) {
                return orientation;
            }
        }
    }
    return 1;
}

// The pixels the caller needs of the stored picture, each way: the upright picture fitted into the
// preview box, or what the caller asks for the upright picture.
QSize NeededStoredSize(const jpeg_decompress_struct& info, int orientation,
                       const JpegDecodeOptions& options) {
    const QSize upright = UprightSize(
        QSize(static_cast<int>(info.image_width), static_cast<int>(info.image_height)), orientation);
    QSize needed;
    if (!options.previewBox.isEmpty()) {
        needed = upright.scaled(options.previewBox, Qt::KeepAspectRatio);
    } else if (options.neededSize) {
        needed = options.neededSize(upright);
    }
    return UprightSize(needed, orientation);
}

struct DecodeState {
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    ProgressMonitor progress{};
    int orientation = 1;
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
// (see the top of the file). C++ exceptions thrown by our own code (size checks, allocation) pass through
// normally, as no libjpeg frame lies between them and the caller.
bool DecodeInto(DecodeState& state, const unsigned char* bytes, unsigned long size,
                const JpegDecodeOptions& options) {
    jpeg_decompress_struct& info = state.info;
    InstallErrorManager(state.errors);
    info.err = &state.errors.base;
    if (setjmp(state.errors.jump) != 0) {
        return false;
    }
    jpeg_create_decompress(&info);
    info.mem->max_memory_to_use = kJpegMemoryLimit;
    state.progress.base.progress_monitor = WatchProgress;
    state.progress.start = bytes;
    state.progress.size = size;
    info.progress = &state.progress.base;
    jpeg_mem_src(&info, bytes, size);
    if (options.upright) {
        jpeg_save_markers(&info, JPEG_APP0 + 1, 0xFFFF);
    }
    jpeg_read_header(&info, TRUE);
    CheckPictureSize(info.image_width, info.image_height);
    state.orientation = options.upright ? StreamOrientation(info) : 1;
    if (options.declaredSize != nullptr) {
        *options.declaredSize =
            UprightSize(QSize(static_cast<int>(info.image_width), static_cast<int>(info.image_height)),
                        state.orientation);
    }
    if (!PlausibleForFileSize(info.image_width, info.image_height, static_cast<qint64>(size))) {
        // More pixels than the file's bytes could hold: it ends long before its picture would.
        throw PlatformError::Jpeg(JWRN_JPEG_EOF);
    }

    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGR;
    info.scale_num = 1;
    info.scale_denom = ScaleDenominator(info, NeededStoredSize(info, state.orientation, options));
    jpeg_start_decompress(&info);
    if (!AllScansArrived(&info, state.progress)) {
        Fail(reinterpret_cast<j_common_ptr>(&info), JWRN_JPEG_EOF);
    }
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

QImage DecodeJpeg(const QByteArray& data, const JpegDecodeOptions& options) {
    ThrowIfCancelled(options.control);
    DecodeState state;
    state.progress.control = options.control;
    // libjpeg refuses an empty buffer with its own error, as it would an empty file.
    if (!DecodeInto(state, reinterpret_cast<const unsigned char*>(data.constData()),
                    static_cast<unsigned long>(data.size()), options)) {
        if (state.errors.cancelled) {
            throw DecodeCancelled();
        }
        throw PlatformError::Jpeg(state.errors.base.msg_code);
    }
    if (options.control != nullptr) {
        options.control->progress.store(1000, std::memory_order_relaxed);
    }
    if (state.orientation != 1) {
        QImage upright = OrientBitmap(state.bitmap, state.orientation);
        if (upright.isNull()) {
            throw std::bad_alloc();
        }
        return upright;
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
