// Development aid: draws contact sheets of the generated artwork and mock-ups of the main window and
// the palettes, so the art can be judged before the windows exist. Not installed, not run at build.
//   festoon_artwork_preview <program folder> <resource folder> <output folder>
#include "core/ArtworkReader.h"
#include "core/Bitmap.h"
#include "core/Skin.h"

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <cstdio>

namespace {

QString programFolder, resourceFolder, outputFolder;

QImage Resource(const QString& name) {
    return QImage(resourceFolder + QLatin1Char('/') + name);
}

// Draws a bitmap scaled the way the program does, leaving out its bottom-left colour when asked.
void DrawPicture(QImage& target, const QImage& picture, const QRect& place, bool transparent) {
    const QImage scaled =
        festoon::StretchBitmap(picture, place.width(), place.height()).convertToFormat(QImage::Format_ARGB32);
    QImage masked = scaled;
    if (transparent) {
        const QRgb key = picture.pixel(0, picture.height() - 1);
        for (int y = 0; y < masked.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(masked.scanLine(y));
            for (int x = 0; x < masked.width(); ++x) {
                if ((row[x] & 0xFFFFFF) == (key & 0xFFFFFF)) {
                    row[x] = 0;
                }
            }
        }
    }
    QPainter(&target).drawImage(place.topLeft(), masked);
}

void Save(const QImage& image, const QString& name) {
    image.save(outputFolder + QLatin1Char('/') + name);
    std::printf("%s\n", qPrintable(outputFolder + QLatin1Char('/') + name));
}

void MockMainWindow(QSize screen) {
    const QImage skin = festoon::StretchSkin(QImage(programFolder + "/main/mainx.bmp"),
                                             QSize(screen.width() - 4, screen.height() - 25));
    QImage window = skin.convertToFormat(QImage::Format_ARGB32);
    const QRect panel(114, 58, skin.width() - 138, skin.height() - 70);
    {
        QPainter painter(&window);
        painter.fillRect(panel, QColor(100, 100, 100));
        painter.fillRect(panel.adjusted(2, 2, -2, -2), QColor(60, 60, 60));
    }
    DrawPicture(window, QImage(programFolder + "/main/mainb.jpg"), panel.adjusted(3, 3, -3, -3), false);
    const char* names[] = {"New",     "Save", "Photo", "Backdrop", "Mask", "Flower",
                           "Cartoon", "Text", "Frame", "DelFrame", "Help"};
    const int tops[] = {112, 144, 176, 208, 240, 272, 305, 336, 369, 401, 432};
    for (int i = 0; i < 11; ++i) {
        const char* state = i == 2 ? "hover" : i == 4 ? "down" : "rest";
        DrawPicture(window, Resource(QStringLiteral("buttons/%1_%2.bmp").arg(names[i], state)),
                    QRect(26, tops[i], 80, 33), true);
    }
    DrawPicture(window, Resource("buttons/Copy_rest.bmp"), QRect(35, 80, 30, 30), false);
    DrawPicture(window, Resource("buttons/Delete_rest.bmp"), QRect(69, 80, 30, 30), false);
    for (const auto& [left, glyph] :
         {std::pair{skin.width() - 77, "bar"}, std::pair{skin.width() - 63, "cross"}}) {
        QPainter(&window).fillRect(QRect(left, 14, 16, 16), QColor(64, 38, 23));
        DrawPicture(window, Resource(QStringLiteral("glyphs/%1.bmp").arg(glyph)), QRect(left, 14, 16, 16),
                    true);
    }
    // Show the window's shape: the key colour as it would look on a grey desktop.
    const QRegion shape = festoon::BitmapToRegion(skin, skin.pixel(0, 0));
    QImage desktop(window.size(), QImage::Format_ARGB32);
    desktop.fill(QColor(90, 110, 130));
    QPainter painter(&desktop);
    painter.setClipRegion(shape);
    painter.drawImage(0, 0, window);
    painter.end();
    Save(desktop, QStringLiteral("mainwindow_%1x%2.png").arg(skin.width()).arg(skin.height()));
}

void MockGridPalette(const QString& catalog, const QString& thumbFolder, const QString& name) {
    const QImage skin = Resource("skins/palette.bmp");
    QImage window = skin.convertToFormat(QImage::Format_ARGB32);
    QPainter painter(&window);
    painter.fillRect(QRect(16, 40, 438, 31), QColor(136, 68, 0));
    painter.setPen(Qt::black);
    painter.drawRect(QRect(16, 40, 437, 30));
    painter.end();
    const int columns[] = {24, 110, 196, 282, 368}, rows[] = {74, 160, 250, 338};
    for (int k = 1; k <= 20; ++k) {
        try {
            DrawPicture(
                window,
                festoon::ReadArtworkFile(programFolder + "/" + thumbFolder + QString::number(k) + ".ssl"),
                QRect(columns[(k - 1) % 5], rows[(k - 1) / 5], 80, 80), false);
        } catch (...) {
            std::fprintf(stderr, "missing %s item %d\n", qPrintable(catalog), k);
        }
    }
    QImage desktop(window.size(), QImage::Format_ARGB32);
    desktop.fill(QColor(90, 110, 130));
    QPainter shaped(&desktop);
    shaped.setClipRegion(festoon::BitmapToRegion(skin, skin.pixel(0, 0)));
    shaped.drawImage(0, 0, window);
    shaped.end();
    Save(desktop, name);
}

void MockTextPalette() {
    const QImage skin = Resource("skins/text.bmp");
    QImage window = skin.convertToFormat(QImage::Format_ARGB32);
    QPainter painter(&window);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    painter.setFont(font);
    painter.setPen(QColor(0, 255, 0));
    painter.drawText(QRect(24, 40, 328, 20),
                     QStringLiteral("(1) Choose one Speaking  Balloon by clicking it"));
    painter.drawText(QRect(24, 264, 242, 20), QStringLiteral("(2) Input text then click button 'OK'"));
    painter.fillRect(QRect(24, 252, 401, 1), QColor(160, 150, 131));
    painter.fillRect(QRect(24, 290, 409, 19), QColor(160, 150, 131));
    painter.fillRect(QRect(25, 291, 407, 17), QColor(235, 234, 225));
    for (const QRect button : {QRect(240, 320, 80, 23), QRect(344, 320, 80, 23)}) {
        painter.fillRect(button, QColor(160, 150, 131));
        painter.fillRect(button.adjusted(1, 1, -1, -1), QColor(235, 234, 225));
    }
    painter.end();
    const QPoint places[] = {{24, 74},  {126, 74},  {236, 74},  {346, 74},
                             {24, 162}, {128, 160}, {238, 160}, {348, 160}};
    for (int k = 1; k <= 8; ++k) {
        try {
            DrawPicture(
                window,
                festoon::ReadArtworkFile(programFolder + "/pic/text/small/" + QString::number(k) + ".ssl"),
                QRect(places[k - 1], QSize(80, 80)), false);
        } catch (...) {
        }
    }
    Save(window, "palette_text.png");
}

// Every picture of one folder, fitted into cells of a sheet.
void ContactSheet(const QString& folder, const QString& name, QSize cell) {
    QImage sheet(cell.width() * 5 + 60, cell.height() * 4 + 50, QImage::Format_RGB32);
    sheet.fill(QColor(128, 128, 128));
    QPainter painter(&sheet);
    for (int k = 1; k <= 20; ++k) {
        const QRect place(10 + ((k - 1) % 5) * (cell.width() + 10), 10 + ((k - 1) / 5) * (cell.height() + 10),
                          cell.width(), cell.height());
        try {
            const QImage picture =
                festoon::ReadArtworkFile(programFolder + "/" + folder + QString::number(k) + ".ssl");
            painter.drawImage(place,
                              picture.scaled(place.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
        } catch (...) {
            painter.fillRect(place, Qt::red);
        }
    }
    painter.end();
    Save(sheet, name);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr,
                     "usage: festoon_artwork_preview <program folder> <resource folder> <output folder>\n");
        return 2;
    }
    programFolder = QString::fromLocal8Bit(argv[1]);
    resourceFolder = QString::fromLocal8Bit(argv[2]);
    outputFolder = QString::fromLocal8Bit(argv[3]);
    QDir().mkpath(outputFolder);
    MockMainWindow(QSize(1024, 768));
    MockMainWindow(QSize(1920, 1080));
    MockTextPalette();
    for (const QString page : {"1", "2"}) {
        MockGridPalette("mask", "pic/mask/" + page + "/small/", "palette_mask_" + page + ".png");
        MockGridPalette("frame", "pic/Frame/" + page + "/small/", "palette_frame_" + page + ".png");
        MockGridPalette("cartoon", "pic/cartoon/" + page + "/pic/", "palette_cartoon_" + page + ".png");
        MockGridPalette("flower", "pic/flower/" + page + "/small/", "palette_flower_" + page + ".png");
        ContactSheet("pic/mask/" + page + "/big/", "sheet_mask_big_" + page + ".png", QSize(200, 150));
        ContactSheet("pic/Frame/" + page + "/big/", "sheet_frame_big_" + page + ".png", QSize(240, 180));
        ContactSheet("pic/Frame/" + page + "/mask/", "sheet_frame_mask_" + page + ".png", QSize(240, 180));
    }
    return 0;
}
