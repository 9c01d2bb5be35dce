// Cards and OpenRaster files made by the card-file tests: a card using every kind of object and state,
// and archives put together entry by entry, as another program or a damaged copy would have them.
#pragma once

#include "core/Composition.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>
#include <utility>

namespace festoon::test {

// A 24-bit mask of seeded random greys: every value from black to white appears.
[[nodiscard]] QImage GreyNoise(int w, int h, unsigned seed);

// A card on a 320 x 240 canvas with a backdrop and photos kept with their files (one masked, one copied),
// artwork, lettering, a frame over the backdrop, a deleted slot, objects partly and wholly off the canvas,
// one without a picture, and the last one dragged (blended once, unmarked).
[[nodiscard]] Composition RichCard();

// The same PNG bytes Qt would write for the picture.
[[nodiscard]] QByteArray Png(const QImage& picture);

using Entries = QList<std::pair<QString, QByteArray>>;
// An archive of the entries in that order; the mimetype entry, when given, is stored.
[[nodiscard]] QByteArray Archive(const Entries& entries);
// The entries of an archive, in its order.
[[nodiscard]] Entries EntriesOf(const QByteArray& archive);
// The archive with one entry's content replaced (or removed, for a null replacement).
[[nodiscard]] QByteArray Replaced(const QByteArray& archive, const QString& name, const QByteArray& content);

// stack.xml of a w x h picture with the given <layer> (or <stack>) elements, as a painting program writes it.
[[nodiscard]] QByteArray StackXml(int w, int h, const QString& layers);
// An OpenRaster file without the program's data: mimetype, the stack, and the given pictures.
[[nodiscard]] QByteArray ForeignCard(int w, int h, const QString& layers, const Entries& pictures);

} // namespace festoon::test
