// Picture files made with libjpeg or byte by byte, for the readers' tests and the fuzzers' seeds.
#include "tests/support/PictureVariants.h"

#include <algorithm>
#include <cstdio>
#include <jpeglib.h>
#include <random>
#include <vector>

namespace festoon::testing {
namespace {

// Photoshop's CMYK: inverted inks, K the darkness the other three share.
void BgrRowToInvertedCmyk(const uchar* bgr, int width, unsigned char* cmyk) {
    for (int x = 0; x < width; ++x) {
        const int b = bgr[x * 3], g = bgr[x * 3 + 1], r = bgr[x * 3 + 2];
        const int k = std::max({r, g, b});
        const auto ink = [k](int channel) {
            return static_cast<unsigned char>(k == 0 ? 0 : channel * 255 / k);
        };
        cmyk[x * 4 + 0] = ink(r);
        cmyk[x * 4 + 1] = ink(g);
        cmyk[x * 4 + 2] = ink(b);
        cmyk[x * 4 + 3] = static_cast<unsigned char>(k);
    }
}

void SetComponents(jpeg_compress_struct& info, const JpegVariant& variant) {
    if (variant.greyscale) {
        info.input_components = 1;
        info.in_color_space = JCS_GRAYSCALE;
    } else if (variant.cmyk) {
        info.input_components = 4;
        info.in_color_space = JCS_CMYK;
    } else {
        info.input_components = 3;
        info.in_color_space = JCS_EXT_BGR;
    }
}

void AppendLe16(QByteArray& out, int value) {
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>((value >> 8) & 0xFF));
}

void AppendLe32(QByteArray& out, qint64 value) {
    AppendLe16(out, static_cast<int>(value & 0xFFFF));
    AppendLe16(out, static_cast<int>((value >> 16) & 0xFFFF));
}

void AppendBe16(QByteArray& out, int value) {
    out.append(static_cast<char>((value >> 8) & 0xFF));
    out.append(static_cast<char>(value & 0xFF));
}

// Entropy-coded bits, most significant first, with a zero stuffed after every FF byte.
class BitWriter {
  public:
    explicit BitWriter(QByteArray& out) : out_(out) {}
    void Put(unsigned value, int bits) {
        for (int i = bits - 1; i >= 0; --i) {
            byte_ = (byte_ << 1) | ((value >> i) & 1U);
            if (++filled_ == 8) {
                Emit();
            }
        }
    }
    void Finish() {
        while (filled_ != 0) {
            Put(1, 1);
        }
    }

  private:
    void Emit() {
        out_.append(static_cast<char>(byte_));
        if (byte_ == 0xFF) {
            out_.append('\0');
        }
        byte_ = 0;
        filled_ = 0;
    }
    QByteArray& out_;
    unsigned byte_ = 0;
    int filled_ = 0;
};

void AppendMarker(QByteArray& out, int code) {
    out.append('\xFF');
    out.append(static_cast<char>(code));
}

// `blocks` blocks of zero coefficients as end-of-band runs: run symbol n (its 4-bit code is n) and n
// extra bits give runs of 2^n to 2^(n+1) - 1 blocks.
void AppendEndOfBandRuns(QByteArray& out, int blocks) {
    BitWriter bits(out);
    while (blocks > 0) {
        const int run = std::min(blocks, 32767);
        int n = 0;
        while ((2 << n) <= run) {
            ++n;
        }
        bits.Put(static_cast<unsigned>(n), 4);
        bits.Put(static_cast<unsigned>(run - (1 << n)), n);
        blocks -= run;
    }
    bits.Finish();
}

// An AC scan of coefficient k of one component, bits ah to al, all its blocks zero.
void AppendAcScan(QByteArray& out, int component, int k, int ah, int al, int blocks) {
    AppendMarker(out, 0xDA);
    AppendBe16(out, 8);
    out.append('\x01').append(static_cast<char>(component)).append('\0');
    out.append(static_cast<char>(k)).append(static_cast<char>(k)).append(static_cast<char>(ah << 4 | al));
    AppendEndOfBandRuns(out, blocks);
}

// 256 greys, or 16 for four bits a pixel; a pixel's index is its grey level scaled to the palette.
int PaletteSize(BmpLayout layout) {
    return layout == BmpLayout::RunLength4 ? 16 : 256;
}

int GreyIndex(const QImage& picture, int x, int y, int paletteSize) {
    return qGray(picture.pixel(x, y)) * paletteSize / 256;
}

void AppendRunLengthRow(QByteArray& out, const QImage& picture, int y, int paletteSize) {
    for (int x = 0; x < picture.width();) {
        const int index = GreyIndex(picture, x, y, paletteSize);
        int run = 1;
        while (x + run < picture.width() && run < 255 &&
               GreyIndex(picture, x + run, y, paletteSize) == index) {
            ++run;
        }
        out.append(static_cast<char>(run));
        out.append(static_cast<char>(paletteSize == 16 ? index * 17 : index)); // both nibbles alike
        x += run;
    }
    AppendLe16(out, 0); // end of line
}

QByteArray BmpPixels(const QImage& picture, BmpLayout layout) {
    QByteArray out;
    const int w = picture.width();
    const int h = picture.height();
    const bool topDown = layout == BmpLayout::TopDown24;
    for (int i = 0; i < h; ++i) {
        const int y = topDown ? i : h - 1 - i;
        const qsizetype rowStart = out.size();
        switch (layout) {
        case BmpLayout::RunLength8:
        case BmpLayout::RunLength4:
            AppendRunLengthRow(out, picture, y, PaletteSize(layout));
            continue; // no padding to 32 bits
        case BmpLayout::BitFields16:
            for (int x = 0; x < w; ++x) {
                const QRgb c = picture.pixel(x, y);
                AppendLe16(out, (qRed(c) >> 3) << 11 | (qGreen(c) >> 2) << 5 | qBlue(c) >> 3);
            }
            break;
        case BmpLayout::Paletted8:
            for (int x = 0; x < w; ++x) {
                out.append(static_cast<char>(GreyIndex(picture, x, y, 256)));
            }
            break;
        case BmpLayout::TopDown24:
        case BmpLayout::Os2Core24:
            for (int x = 0; x < w; ++x) {
                const QRgb c = picture.pixel(x, y);
                out.append(static_cast<char>(qBlue(c)));
                out.append(static_cast<char>(qGreen(c)));
                out.append(static_cast<char>(qRed(c)));
            }
            break;
        }
        while ((out.size() - rowStart) % 4 != 0) {
            out.append('\0');
        }
    }
    if (layout == BmpLayout::RunLength8 || layout == BmpLayout::RunLength4) {
        AppendLe16(out, 0x0100); // end of bitmap: 00 01
    }
    return out;
}

struct BmpHeaderFields {
    int w;
    qint64 h; // negative: top-down
    int bitCount;
    int compression;
    int paletteSize;
};

QByteArray BmpFile(const BmpHeaderFields& fields, bool os2, const QByteArray& extra,
                   const QByteArray& pixels) {
    const int infoSize = os2 ? 12 : 40;
    const qint64 offset =
        14 + infoSize + extra.size() + static_cast<qint64>(fields.paletteSize) * (os2 ? 3 : 4);
    QByteArray out("BM");
    AppendLe32(out, offset + pixels.size());
    AppendLe32(out, 0);
    AppendLe32(out, offset);
    AppendLe32(out, infoSize);
    if (os2) {
        AppendLe16(out, fields.w);
        AppendLe16(out, static_cast<int>(fields.h));
        AppendLe16(out, 1);
        AppendLe16(out, fields.bitCount);
    } else {
        AppendLe32(out, fields.w);
        AppendLe32(out, fields.h);
        AppendLe16(out, 1);
        AppendLe16(out, fields.bitCount);
        AppendLe32(out, fields.compression);
        AppendLe32(out, pixels.size());
        AppendLe32(out, 2835); // 72 dots per inch
        AppendLe32(out, 2835);
        AppendLe32(out, fields.paletteSize);
        AppendLe32(out, 0);
    }
    out += extra;
    for (int i = 0; i < fields.paletteSize; ++i) {
        const char grey = static_cast<char>(i * 255 / std::max(1, fields.paletteSize - 1));
        out.append(grey).append(grey).append(grey);
        if (!os2) {
            out.append('\0');
        }
    }
    return out + pixels;
}

} // namespace

QByteArray EncodeJpegVariant(const QImage& source, const JpegVariant& variant) {
    const QImage picture = source.convertToFormat(QImage::Format_BGR888);
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(picture.width());
    info.image_height = static_cast<JDIMENSION>(picture.height());
    SetComponents(info, variant);
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, variant.quality, TRUE);
    if (variant.cmyk) {
        jpeg_set_colorspace(&info, JCS_YCCK);
        info.write_Adobe_marker = TRUE;
    }
    if (variant.fullChroma && !variant.greyscale) {
        info.comp_info[0].h_samp_factor = 1;
        info.comp_info[0].v_samp_factor = 1;
    }
    info.restart_in_rows = variant.restartRows;
    info.optimize_coding = variant.optimizeCoding ? TRUE : FALSE;
    if (variant.progressive) {
        jpeg_simple_progression(&info);
    }
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(static_cast<size_t>(picture.width()) * 4);
    while (info.next_scanline < info.image_height) {
        const uchar* bgr = picture.constScanLine(static_cast<int>(info.next_scanline));
        if (variant.greyscale) {
            for (int x = 0; x < picture.width(); ++x) {
                row[static_cast<size_t>(x)] = static_cast<unsigned char>(
                    (bgr[x * 3] * 29 + bgr[x * 3 + 1] * 150 + bgr[x * 3 + 2] * 77) >> 8);
            }
        } else if (variant.cmyk) {
            BgrRowToInvertedCmyk(bgr, picture.width(), row.data());
        } else {
            std::copy(bgr, bgr + picture.width() * 3, row.begin());
        }
        JSAMPROW rowPointer = row.data();
        jpeg_write_scanlines(&info, &rowPointer, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray bytes(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
    std::free(buffer);
    return bytes;
}

QImage PhotoLikePicture(int w, int h, unsigned seed) {
    QImage picture(w, h, QImage::Format_BGR888);
    std::minstd_rand random(seed);
    for (int y = 0; y < h; ++y) {
        uchar* row = picture.scanLine(y);
        for (int x = 0; x < w; ++x) {
            const int grain = static_cast<int>(random() % 9) - 4;
            row[x * 3 + 0] = static_cast<uchar>(std::clamp(x * 200 / std::max(1, w) + 30 + grain, 0, 255));
            row[x * 3 + 1] = static_cast<uchar>(std::clamp(y * 180 / std::max(1, h) + 40 + grain, 0, 255));
            row[x * 3 + 2] = static_cast<uchar>(std::clamp(((x + y) % 512) / 3 + 60 + grain, 0, 255));
        }
    }
    return picture;
}

QByteArray ProgressiveManyScans(int w, int h, int scansPerCoefficient, int scanLimit, int inconsistentScans) {
    QByteArray out;
    AppendMarker(out, 0xD8);
    AppendMarker(out, 0xDB); // one quantisation table of ones
    AppendBe16(out, 67);
    out.append('\0');
    out.append(QByteArray(64, '\1'));
    AppendMarker(out, 0xC2); // progressive frame, three components at full resolution
    AppendBe16(out, 17);
    out.append('\x08');
    AppendBe16(out, h);
    AppendBe16(out, w);
    out.append('\x03');
    for (char component = 1; component <= 3; ++component) {
        out.append(component).append('\x11').append('\0');
    }
    AppendMarker(out, 0xC4); // DC table: category 0 (no change) as the one-bit code 0
    AppendBe16(out, 20);
    out.append('\0').append('\1').append(QByteArray(15, '\0')).append('\0');
    AppendMarker(out, 0xC4); // AC table: the end-of-band runs 0..14 as 4-bit codes
    AppendBe16(out, 34);
    out.append('\x10').append(QByteArray(3, '\0')).append('\x0F').append(QByteArray(12, '\0'));
    for (int n = 0; n < 15; ++n) {
        out.append(static_cast<char>(n << 4));
    }
    const int blocks = ((w + 7) / 8) * ((h + 7) / 8);
    // The DC scan: every DC difference zero, one bit per block of each component.
    AppendMarker(out, 0xDA);
    AppendBe16(out, 12);
    out.append('\x03');
    for (char component = 1; component <= 3; ++component) {
        out.append(component).append('\0');
    }
    out.append('\0').append('\0').append('\0');
    out.append(QByteArray((blocks * 3 + 7) / 8, '\0'));
    int written = 1;
    const int top = scansPerCoefficient - 1; // the bit the first scan of a coefficient stops at
    for (int component = 1; component <= 3 && written < scanLimit; ++component) {
        for (int k = 1; k < 64 && written < scanLimit; ++k) {
            for (int step = 0; step <= top && written < scanLimit; ++step, ++written) {
                const int ah = step == 0 ? 0 : top - step + 1;
                AppendAcScan(out, component, k, ah, top - step, blocks);
            }
        }
    }
    for (int i = 0; i < inconsistentScans; ++i) {
        AppendAcScan(out, 1, 1, 1, 0, blocks);
    }
    AppendMarker(out, 0xD9);
    return out;
}

QByteArray EncodeBmpVariant(const QImage& picture, BmpLayout layout) {
    const QByteArray pixels = BmpPixels(picture, layout);
    switch (layout) {
    case BmpLayout::RunLength8:
        return BmpFile({picture.width(), picture.height(), 8, 1, 256}, false, {}, pixels);
    case BmpLayout::RunLength4:
        return BmpFile({picture.width(), picture.height(), 4, 2, 16}, false, {}, pixels);
    case BmpLayout::BitFields16: {
        QByteArray masks;
        AppendLe32(masks, 0xF800);
        AppendLe32(masks, 0x07E0);
        AppendLe32(masks, 0x001F);
        return BmpFile({picture.width(), picture.height(), 16, 3, 0}, false, masks, pixels);
    }
    case BmpLayout::TopDown24:
        return BmpFile({picture.width(), -qint64(picture.height()), 24, 0, 0}, false, {}, pixels);
    case BmpLayout::Os2Core24:
        return BmpFile({picture.width(), picture.height(), 24, 0, 0}, true, {}, pixels);
    case BmpLayout::Paletted8:
        return BmpFile({picture.width(), picture.height(), 8, 0, 256}, false, {}, pixels);
    }
    return {};
}

QByteArray RunLengthBmpClaimingSize(int w, int h) {
    QByteArray pixels;
    for (int x = 0; x < w; x += 255) {
        pixels.append(static_cast<char>(std::min(255, w - x))).append('\x80');
    }
    AppendLe16(pixels, 0);      // end of line
    AppendLe16(pixels, 0x0100); // end of bitmap
    return BmpFile({w, h, 8, 1, 256}, false, {}, pixels);
}

QByteArray WithExifOrientation(const QByteArray& jpeg, int orientation, bool bigEndian) {
    QByteArray tiff;
    const auto put16 = [&](int v) {
        const char hi = static_cast<char>((v >> 8) & 0xFF), lo = static_cast<char>(v & 0xFF);
        tiff.append(bigEndian ? hi : lo).append(bigEndian ? lo : hi);
    };
    const auto put32 = [&](int v) {
        if (bigEndian) {
            put16(v >> 16);
            put16(v & 0xFFFF);
        } else {
            put16(v & 0xFFFF);
            put16(v >> 16);
        }
    };
    tiff.append(bigEndian ? "MM" : "II");
    put16(42);
    put32(8); // the first directory follows the header
    put16(1); // one entry: the orientation, a SHORT
    put16(0x0112);
    put16(3);
    put32(1);
    put16(orientation);
    put16(0);
    put32(0); // no further directory
    const QByteArray payload = QByteArray("Exif\0\0", 6) + tiff;
    const int length = static_cast<int>(payload.size()) + 2;
    QByteArray marker("\xFF\xE1", 2);
    marker.append(static_cast<char>(length >> 8)).append(static_cast<char>(length & 0xFF)).append(payload);
    return jpeg.left(2) + marker + jpeg.mid(2);
}

namespace {

void Put16(QByteArray& out, int v) {
    out.append(static_cast<char>(v & 0xFF)).append(static_cast<char>((v >> 8) & 0xFF));
}

// The LZW data of a frame of one palette index: a clear code before every two pixels, so that the code
// table never grows past its first width of 3 bits.
QByteArray OneColourLzw(int pixels, int index) {
    constexpr int kClear = 4, kEnd = 5, kWidth = 3;
    QByteArray packed;
    quint32 bits = 0;
    int count = 0;
    const auto put = [&](int code) {
        bits |= static_cast<quint32>(code) << count;
        count += kWidth;
        while (count >= 8) {
            packed.append(static_cast<char>(bits & 0xFF));
            bits >>= 8;
            count -= 8;
        }
    };
    for (int i = 0; i < pixels; ++i) {
        if (i % 2 == 0) {
            put(kClear);
        }
        put(index);
    }
    put(kEnd);
    if (count > 0) {
        packed.append(static_cast<char>(bits & 0xFF));
    }
    QByteArray blocks(1, static_cast<char>(2)); // the minimum code size
    for (qsizetype at = 0; at < packed.size(); at += 255) {
        const QByteArray block = packed.mid(at, 255);
        blocks.append(static_cast<char>(block.size())).append(block);
    }
    return blocks.append('\0');
}

} // namespace

QByteArray TwoFrameGif(int w, int h, QRgb first, QRgb second) {
    QByteArray gif("GIF89a");
    Put16(gif, w);
    Put16(gif, h);
    gif.append(static_cast<char>(0xF1)).append('\0').append('\0'); // a global table of 4 colours
    for (const QRgb colour : {first, second, qRgb(0, 0, 0), qRgb(255, 255, 255)}) {
        gif.append(static_cast<char>(qRed(colour)))
            .append(static_cast<char>(qGreen(colour)))
            .append(static_cast<char>(qBlue(colour)));
    }
    for (int frame = 0; frame < 2; ++frame) {
        gif.append("\x21\xF9\x04\x04", 4); // graphic control: keep the frame, a delay of 0.1 s
        Put16(gif, 10);
        gif.append('\0').append('\0');
        gif.append(',');
        Put16(gif, 0);
        Put16(gif, 0);
        Put16(gif, w);
        Put16(gif, h);
        gif.append('\0');
        gif.append(OneColourLzw(w * h, frame));
    }
    return gif.append(';');
}

QImage SoftOvalMask(int w, int h) {
    QImage mask(w, h, QImage::Format_BGR888);
    for (int y = 0; y < h; ++y) {
        uchar* row = mask.scanLine(y);
        for (int x = 0; x < w; ++x) {
            const double dx = 2.0 * x / w - 1, dy = 2.0 * y / h - 1;
            const auto level =
                static_cast<uchar>(255 * std::clamp(1.6 - 1.6 * (dx * dx + dy * dy), 0.0, 1.0));
            row[x * 3] = row[x * 3 + 1] = row[x * 3 + 2] = level;
        }
    }
    return mask;
}

} // namespace festoon::testing
