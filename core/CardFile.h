// Card files: a card saved so that it reopens exactly, and so that painting programs open it as layers.
// The file is OpenRaster (.ora): the backdrop as the bottom layer and each object as a layer at its place,
// shown as the finished card shows it, plus the card's own pictures and settings for the program itself.
#pragma once

#include "core/Composition.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <mutex>

namespace festoon {

// Writes cards again and again, as saving while a card is made does: it keeps the PNGs of the last card
// it wrote (up to 256 MB of them), by the pictures they came from, and encodes only what changed since.
// Several threads may use one writer at once.
class CardFileWriter {
  public:
    // Encodes on `workers` threads, the caller's among them; 0 for one per core. Writing in the
    // background while a window stays responsive is best done on one.
    explicit CardFileWriter(int workers = 0) : workers_(workers) {}

    // The card as an OpenRaster file. Reading it back gives a card equal to this one. Throws
    // PlatformError for a card without a canvas, or when a picture cannot be encoded.
    [[nodiscard]] QByteArray Encode(const Composition& card);
    // Writes the card file to path, replacing an existing file only once the new one is complete. Throws
    // PlatformError as Encode does, or PlatformError::CannotCreate(path).
    void Write(const Composition& card, const QString& path);

  private:
    [[nodiscard]] QByteArray EncodeCard(const Composition& card);

    int workers_;
    std::mutex keptLock_;
    QHash<QString, QByteArray> kept_;
};

// The same, once, without keeping anything.
[[nodiscard]] QByteArray EncodeCardFile(const Composition& card);
void WriteCardFile(const Composition& card, const QString& path);

// The card an OpenRaster file holds: one written by this program exactly as it was saved; one from a
// painting program as its visible layers, each an object whose mask shows it as its alpha does, the
// bottom layer the backdrop when it covers the whole picture opaquely (the backdrop is white otherwise),
// on a canvas of the picture's size. Throws PlatformError with a message naming what is wrong: not an
// OpenRaster file, incomplete or damaged, a layer that is not a PNG, pictures beyond the program's limits,
// more layers than a card's slots. Nothing is ever written from the file's names.
[[nodiscard]] Composition DecodeCardFile(const QByteArray& data);
[[nodiscard]] Composition ReadCardFile(const QString& path);

} // namespace festoon
