// Contact sheets of the cartoon, flower and balloon catalogs as the program shows them: the thumbnails
// stretched to 80 x 80, and every piece placed at its divisor over a photo-like ground, blended through
// its mask with the canvas's own two-pass blend.
#include "core/ArtworkReader.h"
#include "core/Bitmap.h"
#include "core/PlatformError.h"
#include "core/RenderObject.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <cstdio>
#include <functional>

namespace {

constexpr int kThumbCell = 96;
constexpr int kPlacedCell = 420;

// A sunny, busy backdrop: sky, hills and grass, so that halos and jaggies show up on light and dark.
QImage PhotoLikeGround(int w, int h) {
    QImage ground(w, h, QImage::Format_RGB32);
    QPainter painter(&ground);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0, QColor(90, 150, 220));
    sky.setColorAt(0.55, QColor(200, 225, 245));
    sky.setColorAt(0.56, QColor(70, 140, 60));
    sky.setColorAt(1, QColor(30, 80, 30));
    painter.fillRect(ground.rect(), sky);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 12; ++i) {
        painter.setBrush(QColor::fromHsv((i * 47) % 360, 90, 120 + (i * 37) % 120));
        painter.drawEllipse(QPointF((i * 137) % w, h * 0.5 + (i * 53) % (h / 2)), w * 0.09, h * 0.06);
    }
    return festoon::ToBitmap24(ground);
}

// A sheet of `count` cells in rows of five; `cell` draws item k into the sheet at the given corner.
QImage Sheet(int count, int cellSize, const QColor& background,
             const std::function<void(int, QImage&, QPoint)>& cell) {
    const int rows = (count + 4) / 5;
    QImage sheet = festoon::MakeBitmap(5 * cellSize, rows * cellSize);
    festoon::FillBitmap(sheet, background.rgb());
    for (int k = 1; k <= count; ++k) {
        cell(k, sheet, QPoint(((k - 1) % 5) * cellSize, ((k - 1) / 5) * cellSize));
    }
    return sheet;
}

QImage ThumbnailSheet(const QString& folder, int count) {
    return Sheet(count, kThumbCell, QColor(60, 36, 24), [&](int k, QImage& sheet, QPoint at) {
        const QImage thumb = festoon::ReadArtworkFile(folder + QString::number(k) + QStringLiteral(".ssl"));
        festoon::StretchDraw(thumb, sheet, QRect(at + QPoint(8, 8), QSize(80, 80)));
    });
}

QImage PlacedSheet(const QString& pictures, const QString& masks, const std::function<int(int)>& divisor,
                   int count) {
    const QImage ground = PhotoLikeGround(kPlacedCell, kPlacedCell);
    festoon::RenderScratch scratch;
    return Sheet(count, kPlacedCell, Qt::black, [&](int k, QImage& sheet, QPoint at) {
        const QImage picture =
            festoon::ReadArtworkFile(pictures + QString::number(k) + QStringLiteral(".ssl"));
        const QImage mask = festoon::ReadArtworkFile(masks + QString::number(k) + QStringLiteral(".ssl"));
        festoon::DrawUnscaled(ground, sheet, at);
        QSize size = picture.size() / divisor(k);
        if (size.width() > kPlacedCell - 20 || size.height() > kPlacedCell - 20) {
            std::fprintf(stderr, "item %d placed at %dx%d, shown shrunk\n", k, size.width(), size.height());
            size.scale(kPlacedCell - 20, kPlacedCell - 20, Qt::KeepAspectRatio);
        }
        const QRect bounds(QPoint(10, 10), size);
        const QImage placed = festoon::RenderObject(ground, bounds, picture, mask, 2, scratch);
        festoon::DrawUnscaled(placed, sheet, at + bounds.topLeft());
    });
}

void Save(const QImage& sheet, const QString& path) {
    if (!sheet.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    } else {
        std::printf("%s\n", qPrintable(path));
    }
}

int FlowerDivisor(int page, int k) {
    if (k == 7 || k == 9 || k == 10 || k == 11) {
        return 1;
    }
    return (k >= 12 && page == 2) ? 1 : 4;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: festoon_preview_catalogs <program folder> <sheet folder>\n");
        return 2;
    }
    const QString pic = QString::fromLocal8Bit(argv[1]) + QStringLiteral("/pic/");
    const QString sheets = QString::fromLocal8Bit(argv[2]) + QLatin1Char('/');
    try {
        for (int page = 1; page <= 2; ++page) {
            const QString cartoon = pic + QStringLiteral("cartoon/%1/").arg(page);
            Save(ThumbnailSheet(cartoon + QStringLiteral("pic/"), 20),
                 sheets + QStringLiteral("cartoon%1-thumbs.png").arg(page));
            Save(PlacedSheet(
                     cartoon + QStringLiteral("pic/"), cartoon + QStringLiteral("mask/"),
                     [](int) { return 1; }, 20),
                 sheets + QStringLiteral("cartoon%1-placed.png").arg(page));
            const QString flower = pic + QStringLiteral("flower/%1/").arg(page);
            Save(ThumbnailSheet(flower + QStringLiteral("small/"), 20),
                 sheets + QStringLiteral("flower%1-thumbs.png").arg(page));
            Save(PlacedSheet(
                     flower + QStringLiteral("big/"), flower + QStringLiteral("mask/"),
                     [page](int k) { return FlowerDivisor(page, k); }, 20),
                 sheets + QStringLiteral("flower%1-placed.png").arg(page));
        }
        Save(ThumbnailSheet(pic + QStringLiteral("text/small/"), 8),
             sheets + QStringLiteral("text-thumbs.png"));
        Save(PlacedSheet(
                 pic + QStringLiteral("text/big/"), pic + QStringLiteral("text/mask/"), [](int) { return 2; },
                 8),
             sheets + QStringLiteral("text-placed.png"));
    } catch (const festoon::PlatformError& error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.message()));
        return 1;
    }
    return 0;
}
