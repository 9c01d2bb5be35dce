// Pictures of card files as PNG, through Qt's PNG support: lossless both ways, every decode bounded.
#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QImage>
#include <QString>
#include <atomic>

namespace festoon {

// A lossless PNG of the picture, its rows filtered but not compressed, for speed: a 24-bit bitmap whose
// pixels are all grey becomes a grey PNG, any other 24-bit bitmap an RGB one, a picture with alpha an RGBA
// one. Throws PlatformError when the picture cannot be encoded.
[[nodiscard]] QByteArray EncodePng(const QImage& picture);

// How many pixels the pictures of one file may decode to in all; shared by the threads that decode them.
class PixelBudget {
  public:
    explicit PixelBudget(qint64 pixels) : left_(pixels) {}
    // Spends `pixels`; false, spending nothing, when fewer are left.
    [[nodiscard]] bool Spend(qint64 pixels);

  private:
    std::atomic<qint64> left_;
};

// Lets Qt's image readers allocate pictures up to the program's own limits; call it before decoding starts
// on any thread, since the setting is Qt's, for the whole process.
void AllowPictureSizedAllocations();

// Decodes the PNG that `device` delivers, in whatever format Qt gives it. Anything that is not a PNG,
// a picture beyond the picture limits and one beyond what is left of the budget are refused before its
// pixels are allocated. Throws PlatformError whose message names the picture as `name`.
[[nodiscard]] QImage DecodePng(QIODevice& device, const QString& name, PixelBudget& budget);

} // namespace festoon
