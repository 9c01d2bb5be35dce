// Writing a card file: every picture is encoded as PNG on the machine's cores, each distinct picture
// once however many objects share it, and none that the writer encoded for the previous card; the
// archive is then put together with the mimetype first and stored, as OpenRaster asks, and the PNGs
// stored since they are compressed already.
#include "core/CardFile.h"

#include "core/CardFileFormat.h"
#include "core/CardRendering.h"
#include "core/CardStack.h"
#include "core/FileIO.h"
#include "core/ObjectAlpha.h"
#include "core/ParallelTasks.h"
#include "core/PlatformError.h"
#include "core/PngCodec.h"
#include "core/TurnGeometry.h"
#include "core/ZipWriter.h"

#include <algorithm>
#include <functional>
#include <numeric>
#include <utility>
#include <vector>

namespace festoon {
namespace {

using namespace cardfile;

// How much of the last card's PNGs a writer keeps at most.
constexpr qint64 kKeptBytes = 256LL * 1024 * 1024;

// One PNG of the archive; its picture is made (rendered or scaled) and encoded on a worker thread.
struct PngEntry {
    QString name;
    std::function<QImage()> picture;
    qint64 pixels = 0; // the largest are started first
    // What the PNG depends on, for finding it among those of the previous card; empty when it is new
    // every time.
    QString key;
    QByteArray png;
};

qint64 Pixels(QSize size) {
    return static_cast<qint64>(size.width()) * size.height();
}

QString PictureKey(const QImage& picture) {
    return QStringLiteral("picture %1").arg(picture.cacheKey());
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
        entries_.append(
            {name, [picture] { return picture; }, Pixels(picture.size()), PictureKey(picture), {}});
        return name;
    }

  private:
    QList<PngEntry>& entries_;
    QHash<qint64, QString> byKey_;
};

// The original files of the card's photos and backdrop, under festoon/, each stored once however many
// objects share it (copies of a photo share its bytes).
class OriginalFiles {
  public:
    // The entry holding the file; no attribute is written for an empty one.
    QString Add(const QByteArray& original) {
        if (original.isEmpty()) {
            return {};
        }
        const auto key = reinterpret_cast<quintptr>(original.constData());
        if (const auto found = byData_.constFind(key); found != byData_.cend()) {
            return *found;
        }
        const QString name = OriginalEntry(static_cast<int>(files_.size()) + 1);
        byData_.insert(key, name);
        files_.append({name, original});
        return name;
    }
    [[nodiscard]] const QList<std::pair<QString, QByteArray>>& Files() const { return files_; }

  private:
    QHash<quintptr, QString> byData_;
    QList<std::pair<QString, QByteArray>> files_;
};

void OwnIfAny(CardStackWriter& stack, const QString& attribute, const QString& entry) {
    if (!entry.isEmpty()) {
        stack.Own(attribute, entry);
    }
}

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

// Adds the PNG of each object as painting programs see it, and says where it lies.
QList<ShownLayer> AddShownObjects(const Composition& card, QList<PngEntry>& entries) {
    const QRect canvas(QPoint(0, 0), card.CanvasSize());
    QList<ShownLayer> shown;
    bool emptyAdded = false;
    for (const Layer& layer : card.Layers()) {
        const QRect part = ShownRect(layer).intersected(canvas);
        if (part.isEmpty()) {
            shown.append({QPoint(0, 0), kEmptyEntry});
            if (!std::exchange(emptyAdded, true)) {
                entries.append({kEmptyEntry, [] { return TransparentPixel(); }, 1, kEmptyEntry, {}});
            }
            continue;
        }
        const QRect b = layer.bounds;
        const QString key = QStringLiteral("object %1 %2 %3 %4 %5 %6 %7 %8 %9")
                                .arg(layer.picture.cacheKey())
                                .arg(layer.mask.cacheKey())
                                .arg(b.x())
                                .arg(b.y())
                                .arg(b.width())
                                .arg(b.height())
                                .arg(canvas.width())
                                .arg(canvas.height())
                                .arg(QStringLiteral("%1 %2 %3")
                                         .arg(layer.angle, 0, 'g', 17)
                                         .arg(layer.mirroredAcross)
                                         .arg(layer.mirroredUpDown));
        shown.append({part.topLeft(), ObjectEntry(layer.slot)});
        entries.append({ObjectEntry(layer.slot),
                        [&card, &layer] { return ObjectWithAlpha(layer, card.CanvasSize()); },
                        Pixels(part.size()),
                        key,
                        {}});
    }
    return shown;
}

void WriteCardAttributes(CardStackWriter& stack, const Composition& card, OwnPictures& own,
                         OriginalFiles& originals) {
    stack.Own(kVersionAttribute, kVersion);
    stack.Own(kSelectedSlotAttribute, card.SelectedSlot());
    stack.Own(kSelectionMarkedAttribute,
              card.SelectionMarked() ? QStringLiteral("true") : QStringLiteral("false"));
    // Without a frame the clean backdrop is the backdrop itself.
    const bool clean = card.CleanBackdrop() == card.Backdrop();
    stack.Own(kCleanBackdropAttribute, clean ? kBackdropEntry : own.Add(card.CleanBackdrop()));
    OwnIfAny(stack, kBackdropOriginalAttribute, originals.Add(card.BackdropOriginal()));
    if (const std::optional<Frame>& frame = card.LaidFrame()) {
        stack.Own(kFramePictureAttribute, own.Add(frame->picture));
        stack.Own(kFrameMaskAttribute, own.Add(frame->mask));
    }
    for (int slot = 1; slot <= Composition::kSlotCount; ++slot) {
        stack.Own(kSlotNameAttribute + QString::number(slot), card.SlotName(slot));
    }
}

QString Flag(bool on) {
    return on ? QStringLiteral("true") : QStringLiteral("false");
}

void WriteTurnAndLettering(CardStackWriter& stack, const Layer& layer) {
    if (layer.angle != 0) {
        stack.Own(kAngleAttribute, QString::number(layer.angle, 'g', 17));
    }
    if (layer.mirroredAcross) {
        stack.Own(kMirroredAcrossAttribute, Flag(true));
    }
    if (layer.mirroredUpDown) {
        stack.Own(kMirroredUpDownAttribute, Flag(true));
    }
    if (const std::optional<Lettering>& lettering = layer.lettering) {
        stack.Own(kTextAttribute, lettering->text);
        stack.Own(kFontAttribute, lettering->font.toString());
        stack.Own(kColourAttribute, lettering->colour.name(QColor::HexArgb));
        stack.Own(kOutlineColourAttribute, lettering->outlineColour.name(QColor::HexArgb));
        stack.Own(kOutlineWidthAttribute, lettering->outlineWidth);
        stack.Own(kShadowAttribute, Flag(lettering->shadow));
    }
}

void WriteObjectLayer(CardStackWriter& stack, const Layer& layer, const ShownLayer& shown, OwnPictures& own,
                      OriginalFiles& originals) {
    stack.StartLayer(layer.name, shown.entry, shown.position);
    stack.Own(kSlotAttribute, layer.slot);
    stack.Own(kXAttribute, layer.bounds.x());
    stack.Own(kYAttribute, layer.bounds.y());
    stack.Own(kWidthAttribute, layer.bounds.width());
    stack.Own(kHeightAttribute, layer.bounds.height());
    stack.Own(kPictureAttribute, own.Add(layer.picture));
    stack.Own(kMaskAttribute, own.Add(layer.mask));
    stack.Own(kBlendPassesAttribute, layer.blendPasses);
    WriteTurnAndLettering(stack, layer);
    OwnIfAny(stack, kOriginalAttribute, originals.Add(layer.original));
    stack.EndLayer();
}

// stack.xml, adding the card's own pictures to the entries as they are named.
QByteArray CardStackXml(const Composition& card, const QList<ShownLayer>& shown, QList<PngEntry>& entries,
                        OriginalFiles& originals) {
    OwnPictures own(entries);
    CardStackWriter stack(card.CanvasSize());
    WriteCardAttributes(stack, card, own, originals);
    stack.StartStack();
    const QList<Layer>& layers = card.Layers();
    for (qsizetype i = layers.size() - 1; i >= 0; --i) {
        WriteObjectLayer(stack, layers[i], shown[i], own, originals);
    }
    stack.StartLayer(QStringLiteral("Backdrop"), kBackdropEntry, QPoint(0, 0));
    stack.Own(kBackdropAttribute, QStringLiteral("true"));
    stack.EndLayer();
    return stack.Finish();
}

void EncodeMissing(QList<PngEntry>& entries, int workers) {
    std::vector<int> order;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (entries[i].png.isNull()) {
            order.push_back(static_cast<int>(i));
        }
    }
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return entries[a].pixels > entries[b].pixels; });
    RunTasks(static_cast<int>(order.size()), workers > 0 ? workers : WorkerCount(), [&](int index, int) {
        PngEntry& entry = entries[order[static_cast<size_t>(index)]];
        entry.png = EncodePng(entry.picture());
    });
}

// The PNGs worth keeping for the next card, the largest first, within kKeptBytes: encoding takes time
// in proportion to the bytes, and so all of them save the same time for the memory they hold.
QHash<QString, QByteArray> PngsToKeep(const QList<PngEntry>& entries) {
    std::vector<const PngEntry*> largestFirst;
    for (const PngEntry& entry : entries) {
        if (!entry.key.isEmpty()) {
            largestFirst.push_back(&entry);
        }
    }
    std::stable_sort(largestFirst.begin(), largestFirst.end(),
                     [](const PngEntry* a, const PngEntry* b) { return a->png.size() > b->png.size(); });
    QHash<QString, QByteArray> kept;
    qint64 bytes = 0;
    for (const PngEntry* entry : largestFirst) {
        if (bytes + entry->png.size() <= kKeptBytes) {
            bytes += entry->png.size();
            kept.insert(entry->key, entry->png);
        }
    }
    return kept;
}

} // namespace

QByteArray CardFileWriter::EncodeCard(const Composition& card) {
    if (card.CanvasSize().isEmpty()) {
        throw PlatformError(QStringLiteral("there is no card to save"));
    }
    QList<PngEntry> entries;
    entries.append({kBackdropEntry,
                    [&card] { return card.Backdrop(); },
                    Pixels(card.CanvasSize()),
                    PictureKey(card.Backdrop()),
                    {}});
    const QList<ShownLayer> shown = AddShownObjects(card, entries);
    const QImage merged = CardPicture(card);
    entries.append({kMergedEntry, [merged] { return merged; }, Pixels(merged.size()), {}, {}});
    entries.append(
        {kThumbnailEntry, [merged] { return Thumbnail(merged); }, Pixels(merged.size()) / 4, {}, {}});
    OriginalFiles originals;
    const QByteArray stackXml = CardStackXml(card, shown, entries, originals);

    {
        const std::lock_guard lock(keptLock_);
        for (PngEntry& entry : entries) {
            if (!entry.key.isEmpty()) {
                entry.png = kept_.value(entry.key);
            }
        }
    }
    EncodeMissing(entries, workers_);
    QHash<QString, QByteArray> kept = PngsToKeep(entries);
    {
        const std::lock_guard lock(keptLock_);
        kept_ = std::move(kept);
    }

    ZipWriter zip;
    zip.Add(kMimeTypeEntry, kMimeType, ZipWriter::Compression::Store);
    zip.Add(kStackEntry, stackXml, ZipWriter::Compression::Deflate);
    for (const PngEntry& entry : entries) {
        zip.Add(entry.name, entry.png, ZipWriter::Compression::Store);
    }
    // Picture files are compressed already.
    for (const auto& [name, bytes] : originals.Files()) {
        zip.Add(name, bytes, ZipWriter::Compression::Store);
    }
    return zip.Finish();
}

QByteArray CardFileWriter::Encode(const Composition& card) {
    try {
        return EncodeCard(card);
    } catch (const PlatformError& error) {
        throw PlatformError(QStringLiteral("Cannot save the card: %1").arg(error.message()));
    } catch (const std::bad_alloc&) {
        throw PlatformError(QStringLiteral("Cannot save the card: there is not enough memory"));
    }
}

void CardFileWriter::Write(const Composition& card, const QString& path) {
    WriteFileReplacing(path, Encode(card));
}

QByteArray EncodeCardFile(const Composition& card) {
    return CardFileWriter().Encode(card);
}

void WriteCardFile(const Composition& card, const QString& path) {
    CardFileWriter().Write(card, path);
}

} // namespace festoon
