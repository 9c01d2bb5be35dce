// The frame catalog: 40 frames (picture and mask, 1000 x 750) over two pages, each with an 80 x 80
// thumbnail showing the frame around a sample photo. Each page mixes material and motif frames.
#include "artwork/ArtworkOutput.h"
#include "artwork/Catalogs.h"
#include "artwork/FrameKit.h"
#include "artwork/Shapes.h"

#include <QPainter>

using namespace art;
using namespace art::frames;

namespace {

constexpr int kThumbWidth = 76;
constexpr int kThumbHeight = 57;

// A small sunny landscape standing in for the backdrop in the thumbnails.
QImage SamplePhoto(int ratio) {
    QImage photo = NewCanvas(kThumbWidth * 4, kThumbHeight * 4, Qt::white);
    QPainter painter(&photo);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF all = photo.rect();
    FillVertical(painter, RoundedBox(all, 0), all, QColor(120, 180, 230), QColor(236, 220, 190));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 214, 90));
    painter.drawEllipse(QPointF(210, 70), 26, 26);
    painter.setBrush(QColor(120, 170, 80));
    painter.drawEllipse(QPointF(60, 250), 200, 100);
    painter.setBrush(QColor(80, 140, 70));
    painter.drawEllipse(QPointF(260, 260), 160, 90);
    painter.end();
    return photo.scaled(kThumbWidth * ratio, kThumbHeight * ratio, Qt::IgnoreAspectRatio,
                        Qt::SmoothTransformation);
}

// Drawn in device pixels at the sample's ratio to a logical one, and given that ratio at the end.
QImage FrameThumbnail(const Frame& frame, const QImage& sample, int ratio) {
    const QSize room = sample.size();
    const QImage picture = frame.picture.scaled(room, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage opening = frame.opening.scaled(room, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                               .convertToFormat(QImage::Format_Grayscale8);
    QImage thumbnail(80 * ratio, 80 * ratio, QImage::Format_RGB32);
    thumbnail.fill(QColor(62, 56, 52));
    QPainter painter(&thumbnail);
    painter.fillRect(QRect(1 * ratio, 10 * ratio, 78 * ratio, 59 * ratio), QColor(30, 27, 25));
    painter.drawImage(2 * ratio, 11 * ratio, BlendThroughMask(sample, picture, opening));
    painter.end();
    thumbnail.setDevicePixelRatio(ratio);
    return thumbnail;
}

} // namespace

void DrawFrameCatalog(const ArtworkOutput& out) {
    const auto materials = MaterialFrames();
    const auto motifs = MotifFrames();
    const QImage sample = SamplePhoto(1);
    const QImage sharpSample = SamplePhoto(2);
    for (int index = 0; index < 40; ++index) {
        const int page = index / 20 + 1, item = index % 20 + 1;
        const int design = (page - 1) * 10 + (item - 1) / 2;
        const Frame frame = (item % 2 == 1) ? materials[design]() : motifs[design]();
        const QString folder = QStringLiteral("pic/Frame/%1/").arg(page);
        out.WriteArtwork(folder + QStringLiteral("big/%1.ssl").arg(item), Flattened(frame.picture, Qt::black),
                         90);
        out.WriteArtwork(folder + QStringLiteral("mask/%1.ssl").arg(item), GreyToRgb(frame.opening), 90);
        out.WriteArtwork(folder + QStringLiteral("small/%1.ssl").arg(item), FrameThumbnail(frame, sample, 1),
                         92);
        out.WriteArtwork(folder + QStringLiteral("small/%1@2x.ssl").arg(item),
                         FrameThumbnail(frame, sharpSample, 2), 92);
    }
}
