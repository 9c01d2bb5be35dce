// Reading a card file. A card this program wrote is rebuilt from its own attributes and pictures; any
// other OpenRaster file is read as layers with alpha. Pictures are decoded on the machine's cores, each
// worker through its own reader of the archive, all of them within one budget of pixels.
#include "core/CardFile.h"

#include "core/CardFileFormat.h"
#include "core/CardStack.h"
#include "core/ObjectAlpha.h"
#include "core/ParallelTasks.h"
#include "core/PictureDecoding.h"
#include "core/PlatformError.h"
#include "core/PngCodec.h"
#include "core/ZipReader.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <stdexcept>
#include <vector>

namespace festoon {
namespace {

using namespace cardfile;

constexpr QRgb kWhite = 0xFFFFFFFF;

[[noreturn]] void ThrowDamaged(const QString& why) {
    throw PlatformError(QStringLiteral("its Festoon data is damaged (%1)").arg(why));
}

[[noreturn]] void ThrowTooManyLayers(qsizetype layers) {
    throw PlatformError(QStringLiteral("it has %1 layers, and a card holds at most %2 objects")
                            .arg(layers)
                            .arg(Composition::kSlotCount));
}

void CheckMimeType(const ZipReader& zip) {
    // Some programs leave the mimetype out; stack.xml then decides.
    if (!zip.Contains(kMimeTypeEntry)) {
        return;
    }
    const QByteArray type = zip.Read(kMimeTypeEntry, kMaxMimeTypeBytes).trimmed();
    if (type != kMimeType) {
        throw PlatformError(QStringLiteral("it is not an OpenRaster picture (its type is %1)")
                                .arg(QString::fromUtf8(type.left(64))));
    }
}

QImage DecodeEntry(const ZipReader& zip, const QString& name, PixelBudget& budget) {
    const std::unique_ptr<ZipEntryDevice> device = zip.Open(name, kMaxPngBytes);
    QImage picture;
    try {
        picture = DecodePng(*device, name, budget);
    } catch (const PlatformError&) {
        if (!device->LimitExceeded() && !device->Damaged()) {
            throw;
        }
    }
    // What follows the picture is read too, so that the archive's checksum of the whole entry is checked.
    char rest[4096];
    while (device->read(rest, sizeof rest) > 0) {
    }
    device->CheckComplete(name);
    return picture;
}

// Decodes each named entry once, converted by `convert`, on every core.
QHash<QString, QImage> DecodePictures(const ZipReader& zip, QStringList names, PixelBudget& budget,
                                      const std::function<QImage(const QImage&)>& convert) {
    names.removeDuplicates();
    std::vector<QImage> pictures(static_cast<size_t>(names.size()));
    std::vector<std::unique_ptr<ZipReader>> readers(static_cast<size_t>(WorkerCount()));
    RunTasks(static_cast<int>(names.size()), WorkerCount(), [&](int index, int worker) {
        std::unique_ptr<ZipReader>& own = readers[static_cast<size_t>(worker)];
        if (worker > 0 && !own) {
            own = std::make_unique<ZipReader>(zip.Reopen());
        }
        const ZipReader& reader = worker > 0 ? *own : zip;
        pictures[static_cast<size_t>(index)] = convert(DecodeEntry(reader, names[index], budget));
    });
    QHash<QString, QImage> byName;
    for (qsizetype i = 0; i < names.size(); ++i) {
        byName.insert(names[i], pictures[static_cast<size_t>(i)]);
    }
    return byName;
}

// --- a card this program wrote ---

QString Own(const QHash<QString, QString>& own, const QString& name) {
    const auto found = own.constFind(name);
    if (found == own.cend()) {
        ThrowDamaged(QStringLiteral("%1 is missing").arg(name));
    }
    return *found;
}

int OwnNumber(const QHash<QString, QString>& own, const QString& name, int lowest, int highest) {
    bool ok = false;
    const int value = Own(own, name).toInt(&ok);
    if (!ok || value < lowest || value > highest) {
        ThrowDamaged(QStringLiteral("%1 is out of range").arg(name));
    }
    return value;
}

bool OwnFlag(const QHash<QString, QString>& own, const QString& name) {
    return own.value(name) == QStringLiteral("true");
}

QColor OwnColour(const QHash<QString, QString>& own, const QString& name) {
    const QColor colour = QColor::fromString(Own(own, name));
    if (!colour.isValid()) {
        ThrowDamaged(QStringLiteral("%1 is not a colour").arg(name));
    }
    return colour;
}

// What version 2 added; a file without it holds upright objects and no lettering.
void ReadTurnAndLettering(const QHash<QString, QString>& own, Layer& layer) {
    if (own.contains(kAngleAttribute)) {
        bool ok = false;
        const double angle = own.value(kAngleAttribute).toDouble(&ok);
        if (!ok || !std::isfinite(angle) || angle < 0 || angle >= 360) {
            ThrowDamaged(QStringLiteral("%1 is out of range").arg(kAngleAttribute));
        }
        layer.angle = angle;
    }
    layer.mirroredAcross = OwnFlag(own, kMirroredAcrossAttribute);
    layer.mirroredUpDown = OwnFlag(own, kMirroredUpDownAttribute);
    if (!own.contains(kTextAttribute)) {
        return;
    }
    Lettering lettering;
    lettering.text = Own(own, kTextAttribute);
    if (!lettering.font.fromString(Own(own, kFontAttribute))) {
        ThrowDamaged(QStringLiteral("%1 is not a font").arg(kFontAttribute));
    }
    lettering.colour = OwnColour(own, kColourAttribute);
    lettering.outlineColour = OwnColour(own, kOutlineColourAttribute);
    lettering.outlineWidth = OwnNumber(own, kOutlineWidthAttribute, 0, Lettering::kMaxOutlineWidth);
    lettering.shadow = OwnFlag(own, kShadowAttribute);
    layer.lettering = std::move(lettering);
}

struct OwnObject {
    Layer layer;
    QString picture;
    QString mask;
    QString original;
};

// The original picture files a card keeps, each read once, all of them within kMaxOriginalBytes; each
// must at least start as a picture the program reads. An absent attribute (older files) gives none.
class OriginalReader {
  public:
    explicit OriginalReader(const ZipReader& zip) : zip_(zip) {}

    QByteArray Read(const QString& entry) {
        if (entry.isEmpty()) {
            return {};
        }
        if (const auto found = read_.constFind(entry); found != read_.cend()) {
            return *found;
        }
        if (!zip_.Contains(entry)) {
            ThrowDamaged(QStringLiteral("%1 is missing").arg(entry));
        }
        const QByteArray bytes = zip_.Read(entry, std::min(kMaxPictureFileBytes, kMaxOriginalBytes - total_));
        total_ += bytes.size();
        if (SniffPictureFormat(bytes) == PictureFormat::Unknown) {
            ThrowDamaged(QStringLiteral("%1 is not a picture file").arg(entry));
        }
        read_.insert(entry, bytes);
        return bytes;
    }

  private:
    const ZipReader& zip_;
    qint64 total_ = 0;
    QHash<QString, QByteArray> read_;
};

OwnObject ReadOwnObject(const QHash<QString, QString>& own, PixelBudget& budget) {
    OwnObject object;
    object.layer.slot = OwnNumber(own, kSlotAttribute, 1, Composition::kSlotCount);
    const int x = OwnNumber(own, kXAttribute, -kMaxPosition, kMaxPosition);
    const int y = OwnNumber(own, kYAttribute, -kMaxPosition, kMaxPosition);
    const int w = OwnNumber(own, kWidthAttribute, -kMaxPictureSide, kMaxPictureSide);
    const int h = OwnNumber(own, kHeightAttribute, -kMaxPictureSide, kMaxPictureSide);
    object.layer.bounds = QRect(x, y, w, h);
    // Rendering fills the bounds: they count against the card's pixels like its pictures.
    if (w > 0 && h > 0 && !budget.Spend(static_cast<qint64>(w) * h)) {
        throw PlatformError(QStringLiteral("its objects are far too large in all"));
    }
    object.layer.blendPasses = OwnNumber(own, kBlendPassesAttribute, 1, 2);
    object.picture = Own(own, kPictureAttribute);
    object.mask = Own(own, kMaskAttribute);
    ReadTurnAndLettering(own, object.layer);
    object.original = own.value(kOriginalAttribute);
    return object;
}

QImage Picture(const QHash<QString, QImage>& pictures, const QString& entry) {
    return entry.isEmpty() ? QImage() : pictures.value(entry);
}

Composition ReadOwnCard(const ZipReader& zip, const CardStack& stack) {
    const int version = OwnNumber(stack.own, kVersionAttribute, 1, std::numeric_limits<int>::max());
    if (version > kVersion) {
        throw PlatformError(QStringLiteral("it was saved by a later version of Festoon"));
    }
    PixelBudget budget(kMaxCardPixels);
    QString backdrop;
    const qsizetype objectLayers =
        std::count_if(stack.layers.cbegin(), stack.layers.cend(),
                      [](const StackLayer& layer) { return layer.own.contains(kSlotAttribute); });
    if (objectLayers > Composition::kSlotCount) {
        ThrowTooManyLayers(objectLayers);
    }
    QList<OwnObject> objects; // the bottom layer first
    for (const StackLayer& layer : stack.layers) {
        if (layer.own.value(kBackdropAttribute) == QStringLiteral("true")) {
            backdrop = layer.src;
        } else if (layer.own.contains(kSlotAttribute)) {
            objects.prepend(ReadOwnObject(layer.own, budget));
        }
    }
    if (backdrop.isEmpty()) {
        ThrowDamaged(QStringLiteral("the backdrop is missing"));
    }
    const QString clean = Own(stack.own, kCleanBackdropAttribute);
    const bool framed = stack.own.contains(kFramePictureAttribute);
    const QString framePicture = framed ? Own(stack.own, kFramePictureAttribute) : QString();
    const QString frameMask = framed ? Own(stack.own, kFrameMaskAttribute) : QString();
    QStringList entries{backdrop, clean, framePicture, frameMask};
    for (const OwnObject& object : objects) {
        entries << object.picture << object.mask;
    }
    entries.removeAll(QString()); // also the empty names of null pictures
    const QHash<QString, QImage> pictures = DecodePictures(zip, entries, budget, ToBitmap24);

    OriginalReader originals(zip);
    CompositionParts parts;
    parts.canvasSize = stack.size;
    parts.backdropOriginal = originals.Read(stack.own.value(kBackdropOriginalAttribute));
    parts.backdrop = pictures.value(backdrop);
    parts.cleanBackdrop = pictures.value(clean);
    if (framed) {
        parts.frame = Frame{Picture(pictures, framePicture), Picture(pictures, frameMask)};
    }
    for (OwnObject& object : objects) {
        object.layer.picture = Picture(pictures, object.picture);
        object.layer.mask = Picture(pictures, object.mask);
        object.layer.original = originals.Read(object.original);
        parts.layers.append(std::move(object.layer));
    }
    for (int slot = 1; slot <= Composition::kSlotCount; ++slot) {
        parts.slotNames[static_cast<size_t>(slot - 1)] =
            Own(stack.own, kSlotNameAttribute + QString::number(slot));
    }
    for (Layer& layer : parts.layers) {
        layer.name = parts.slotNames[static_cast<size_t>(layer.slot - 1)];
    }
    parts.selectedSlot = OwnNumber(stack.own, kSelectedSlotAttribute, 0, Composition::kSlotCount);
    parts.selectionMarked = Own(stack.own, kSelectionMarkedAttribute) == QStringLiteral("true");
    try {
        return Composition::FromParts(std::move(parts));
    } catch (const std::invalid_argument& broken) {
        ThrowDamaged(QString::fromUtf8(broken.what()));
    }
}

// --- a file from a painting program ---

bool OpaqueOver(const QImage& picture, const QRect& area) {
    if (!picture.hasAlphaChannel()) {
        return true;
    }
    const QImage straight = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(straight.constScanLine(y));
        for (int x = area.left(); x <= area.right(); ++x) {
            if (qAlpha(row[x]) != 255) {
                return false;
            }
        }
    }
    return true;
}

// The part of the bottom layer over the canvas when it covers the whole canvas opaquely; null otherwise.
QImage CoveringBackdrop(const StackLayer& layer, const QImage& picture, QSize canvas) {
    const QRect placed(layer.position, picture.size());
    const QRect area = QRect(QPoint(0, 0), canvas).translated(-layer.position);
    if (layer.opacity < 1.0 || !placed.contains(QRect(QPoint(0, 0), canvas)) || !OpaqueOver(picture, area)) {
        return {};
    }
    return ToBitmap24(picture.copy(area));
}

Composition ReadForeignCard(const ZipReader& zip, const CardStack& stack) {
    QList<const StackLayer*> shown; // the bottom layer first
    for (const StackLayer& layer : stack.layers) {
        if (layer.visible) {
            shown.prepend(&layer);
        }
    }
    // The bottom layer may turn out to be the backdrop.
    if (shown.size() > Composition::kSlotCount + 1) {
        ThrowTooManyLayers(shown.size());
    }
    QStringList entries;
    for (const StackLayer* layer : shown) {
        entries << layer->src;
    }
    PixelBudget budget(kMaxCardPixels);
    const QHash<QString, QImage> pictures =
        DecodePictures(zip, entries, budget, [](const QImage& picture) { return picture; });
    QImage backdrop;
    if (!shown.isEmpty()) {
        backdrop = CoveringBackdrop(*shown.first(), pictures.value(shown.first()->src), stack.size);
    }
    if (backdrop.isNull()) {
        backdrop = SolidBitmap(stack.size.width(), stack.size.height(), kWhite);
    } else {
        shown.removeFirst();
    }
    if (shown.size() > Composition::kSlotCount) {
        ThrowTooManyLayers(shown.size());
    }
    Composition card(stack.size, backdrop);
    for (const StackLayer* layer : shown) {
        const QImage& picture = pictures.value(layer->src);
        const PictureAndMask object = ObjectFromAlpha(picture, layer->opacity);
        card.PlaceObject(QRect(layer->position, picture.size()), object.picture, object.mask);
    }
    card.Recompose();
    return card;
}

Composition ReadCard(const ZipReader& zip) {
    CheckMimeType(zip);
    const CardStack stack = ParseCardStack(zip.Read(kStackEntry, kMaxStackBytes));
    AllowPictureSizedAllocations();
    return stack.own.contains(kVersionAttribute) ? ReadOwnCard(zip, stack) : ReadForeignCard(zip, stack);
}

// Runs `read`, putting the reason for any failure into `message`.
Composition Reading(const std::function<QString(const QString&)>& message,
                    const std::function<Composition()>& read) {
    try {
        return read();
    } catch (const PlatformError& error) {
        throw PlatformError(message(error.message()));
    } catch (const std::bad_alloc&) {
        throw PlatformError(message(QStringLiteral("there is not enough memory to open it")));
    }
}

} // namespace

Composition DecodeCardFile(const QByteArray& data) {
    return Reading([](const QString& why) { return QStringLiteral("Cannot open the card: %1").arg(why); },
                   [&] { return ReadCard(ZipReader::FromBytes(data)); });
}

Composition ReadCardFile(const QString& path) {
    // Only regular files: a device or a pipe may never end.
    if (!QFileInfo(path).isFile() || !QFile(path).open(QIODevice::ReadOnly)) {
        throw PlatformError::CannotOpen(path);
    }
    return Reading(
        [&](const QString& why) { return QStringLiteral("Cannot open the card %1: %2").arg(path, why); },
        [&] { return ReadCard(ZipReader::FromFile(path)); });
}

} // namespace festoon
