// Writing a card file: every picture is encoded as PNG on the machine's cores, each distinct picture
// once however many objects share it; the archive is then put together with the mimetype first and
// stored, as OpenRaster asks, and the PNGs stored since they are compressed already.
#include "core/CardFile.h"

#include "core/CardFileFormat.h"
#include "core/CardRendering.h"
#include "core/FileIO.h"
#include "core/ObjectAlpha.h"
#include "core/ParallelTasks.h"
#include "core/PlatformError.h"
#include "core/PngCodec.h"
#include "core/ZipWriter.h"

#include <QHash>
#include <QXmlStreamWriter>
#include <algorithm>
#include <functional>
#include <numeric>
#include <utility>
#include <vector>

namespace festoon {
namespace {

using namespace cardfile;

// One PNG of the archive; its picture is made (rendered or scaled) and encoded on a worker thread.
struct PngEntry {
    QString name;
    std::function<QImage()> picture;
    qint64 pixels = 0; // the largest are started first
    QByteArray png;
};

qint64 Pixels(QSize size) {
    return static_cast<qint64>(size.width()) * size.height();
}

// The card's own pictures, under festoon/, each added once however many times the card uses it.
class OwnPictures {
  public:
    explicit OwnPictures(QList<PngEntry>& entries) : entries_(entries) {}

    // The entry holding the picture, or an empty name for a null picture.
    QString Add(const QImage& picture) {
        if (picture.isNull()) {
            return QStringLiteral("");
        }
        if (const auto found = byKey_.constFind(picture.cacheKey()); found != byKey_.cend()) {
            return *found;
        }
        const QString name = PictureEntry(static_cast<int>(byKey_.size()) + 1);
        byKey_.insert(picture.cacheKey(), name);
        entries_.append({name, [picture] { return picture; }, Pixels(picture.size()), {}});
        return name;
    }

  private:
    QList<PngEntry>& entries_;
    QHash<qint64, QString> byKey_;
};

QImage TransparentPixel() {
    QImage pixel(1, 1, QImage::Format_ARGB32);
    pixel.fill(Qt::transparent);
    return pixel;
}

QImage Thumbnail(const QImage& picture) {
    if (picture.width() <= kThumbnailSide && picture.height() <= kThumbnailSide) {
        return picture;
    }
    return picture.scaled(kThumbnailSide, kThumbnailSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

// How an object appears to painting programs: where its picture lies and which entry holds it.
struct ShownLayer {
    QPoint position;
    QString entry;
};

class StackWriter {
  public:
    explicit StackWriter(const Composition& card) : xml_(&bytes_) {
        xml_.setAutoFormatting(true);
        xml_.writeStartDocument();
        xml_.writeNamespace(kNamespace, kNamespacePrefix);
        xml_.writeStartElement(QStringLiteral("image"));
        xml_.writeAttribute(QStringLiteral("version"), QStringLiteral("0.0.5"));
        xml_.writeAttribute(QStringLiteral("w"), QString::number(card.CanvasSize().width()));
        xml_.writeAttribute(QStringLiteral("h"), QString::number(card.CanvasSize().height()));
    }

    void Own(const QString& name, const QString& value) { xml_.writeAttribute(kNamespace, name, value); }
    void Own(const QString& name, int value) { Own(name, QString::number(value)); }

    // Opens the stack once the <image> element has all its attributes.
    void StartStack() { xml_.writeStartElement(QStringLiteral("stack")); }

    void StartLayer(const QString& name, const QString& src, QPoint position) {
        xml_.writeStartElement(QStringLiteral("layer"));
        xml_.writeAttribute(QStringLiteral("name"), name);
        xml_.writeAttribute(QStringLiteral("src"), src);
        xml_.writeAttribute(QStringLiteral("x"), QString::number(position.x()));
        xml_.writeAttribute(QStringLiteral("y"), QString::number(position.y()));
        xml_.writeAttribute(QStringLiteral("opacity"), QStringLiteral("1.000"));
        xml_.writeAttribute(QStringLiteral("visibility"), QStringLiteral("visible"));
        xml_.writeAttribute(QStringLiteral("composite-op"), QStringLiteral("svg:src-over"));
    }
    void EndLayer() { xml_.writeEndElement(); }

    QByteArray Finish() {
        xml_.writeEndDocument();
        return bytes_;
    }

  private:
    QByteArray bytes_;
    QXmlStreamWriter xml_;
};

void WriteCardAttributes(StackWriter& stack, const Composition& card, OwnPictures& own) {
    stack.Own(kVersionAttribute, kVersion);
    stack.Own(kSelectedSlotAttribute, card.SelectedSlot());
    stack.Own(kSelectionMarkedAttribute,
              card.SelectionMarked() ? QStringLiteral("true") : QStringLiteral("false"));
    // Without a frame the clean backdrop is the backdrop itself.
    const bool clean = card.CleanBackdrop() == card.Backdrop();
    stack.Own(kCleanBackdropAttribute, clean ? kBackdropEntry : own.Add(card.CleanBackdrop()));
    if (const std::optional<Frame>& frame = card.LaidFrame()) {
        stack.Own(kFramePictureAttribute, own.Add(frame->picture));
        stack.Own(kFrameMaskAttribute, own.Add(frame->mask));
    }
    for (int slot = 1; slot <= Composition::kSlotCount; ++slot) {
        stack.Own(kSlotNameAttribute + QString::number(slot), card.SlotName(slot));
    }
}

void WriteObjectLayer(StackWriter& stack, const Layer& layer, const ShownLayer& shown, OwnPictures& own) {
    stack.StartLayer(layer.name, shown.entry, shown.position);
    stack.Own(kSlotAttribute, layer.slot);
    stack.Own(kXAttribute, layer.bounds.x());
    stack.Own(kYAttribute, layer.bounds.y());
    stack.Own(kWidthAttribute, layer.bounds.width());
    stack.Own(kHeightAttribute, layer.bounds.height());
    stack.Own(kPictureAttribute, own.Add(layer.picture));
    stack.Own(kMaskAttribute, own.Add(layer.mask));
    stack.Own(kBlendPassesAttribute, layer.blendPasses);
    stack.EndLayer();
}

// Adds the PNG of each object as painting programs see it, and says where it lies.
QList<ShownLayer> AddShownObjects(const Composition& card, QList<PngEntry>& entries) {
    const QRect canvas(QPoint(0, 0), card.CanvasSize());
    QList<ShownLayer> shown;
    bool emptyAdded = false;
    for (const Layer& layer : card.Layers()) {
        const QRect part = layer.bounds.intersected(canvas);
        if (part.isEmpty()) {
            shown.append({QPoint(0, 0), kEmptyEntry});
            if (!std::exchange(emptyAdded, true)) {
                entries.append({kEmptyEntry, [] { return TransparentPixel(); }, 1, {}});
            }
            continue;
        }
        shown.append({part.topLeft(), ObjectEntry(layer.slot)});
        entries.append({ObjectEntry(layer.slot),
                        [&card, &layer] { return ObjectWithAlpha(layer, card.CanvasSize()); },
                        Pixels(part.size()),
                        {}});
    }
    return shown;
}

void EncodeAll(QList<PngEntry>& entries) {
    std::vector<int> order(static_cast<size_t>(entries.size()));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return entries[a].pixels > entries[b].pixels; });
    RunTasks(static_cast<int>(order.size()), WorkerCount(), [&](int index, int) {
        PngEntry& entry = entries[order[static_cast<size_t>(index)]];
        entry.png = EncodePng(entry.picture());
    });
}

QByteArray EncodeCard(const Composition& card) {
    if (card.CanvasSize().isEmpty()) {
        throw PlatformError(QStringLiteral("there is no card to save"));
    }
    QList<PngEntry> entries;
    entries.append({kBackdropEntry, [&card] { return card.Backdrop(); }, Pixels(card.CanvasSize()), {}});
    const QList<ShownLayer> shown = AddShownObjects(card, entries);
    const QImage merged = CardPicture(card);
    entries.append({kMergedEntry, [merged] { return merged; }, Pixels(merged.size()), {}});
    entries.append({kThumbnailEntry, [merged] { return Thumbnail(merged); }, Pixels(merged.size()) / 4, {}});

    OwnPictures own(entries);
    StackWriter stack(card);
    WriteCardAttributes(stack, card, own);
    stack.StartStack();
    const QList<Layer>& layers = card.Layers();
    for (qsizetype i = layers.size() - 1; i >= 0; --i) {
        WriteObjectLayer(stack, layers[i], shown[i], own);
    }
    stack.StartLayer(QStringLiteral("Backdrop"), kBackdropEntry, QPoint(0, 0));
    stack.Own(kBackdropAttribute, QStringLiteral("true"));
    stack.EndLayer();
    const QByteArray stackXml = stack.Finish();

    EncodeAll(entries);
    ZipWriter zip;
    zip.Add(kMimeTypeEntry, kMimeType, ZipWriter::Compression::Store);
    zip.Add(kStackEntry, stackXml, ZipWriter::Compression::Deflate);
    for (const PngEntry& entry : entries) {
        zip.Add(entry.name, entry.png, ZipWriter::Compression::Store);
    }
    return zip.Finish();
}

} // namespace

QByteArray EncodeCardFile(const Composition& card) {
    try {
        return EncodeCard(card);
    } catch (const PlatformError& error) {
        throw PlatformError(QStringLiteral("Cannot save the card: %1").arg(error.message()));
    } catch (const std::bad_alloc&) {
        throw PlatformError(QStringLiteral("Cannot save the card: there is not enough memory"));
    }
}

void WriteCardFile(const Composition& card, const QString& path) {
    WriteFileReplacing(path, EncodeCardFile(card));
}

} // namespace festoon
