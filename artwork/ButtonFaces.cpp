// The main window's button faces and the bar and cross glyphs of the small window buttons.
// Column buttons are 80 x 33, the small buttons 30 x 30: each face is exactly the size it is shown.
#include "artwork/ButtonFaces.h"

#include "artwork/ArtworkOutput.h"
#include "artwork/MainWindowLayout.h"
#include "artwork/Painting.h"
#include "artwork/Shapes.h"

#include <QFont>
#include <QPainter>
#include <cmath>

using namespace art;

namespace {

enum class ButtonState { Rest, Hover, Down, Disabled };

// Every face is drawn at the size its button shows it, so that no picture is scaled on screen.
constexpr int kFaceWidth = 80;
constexpr int kShownHeight = 33;

struct Pill {
    QColor top, bottom, rim;
};

Pill PillColours(ButtonState state) {
    switch (state) {
    case ButtonState::Hover:
        return {QColor(236, 178, 100), QColor(190, 122, 56), QColor(120, 70, 30)};
    case ButtonState::Down:
        return {QColor(128, 76, 38), QColor(100, 58, 30), QColor(52, 30, 14)};
    case ButtonState::Disabled:
        return {QColor(124, 100, 82), QColor(104, 84, 68), QColor(72, 54, 40)};
    case ButtonState::Rest:
        break;
    }
    return {QColor(202, 138, 70), QColor(146, 88, 42), QColor(84, 48, 22)};
}

QImage DrawColumnButton(const QString& caption, ButtonState state, int ratio) {
    QImage drawn = NewCanvas(kFaceWidth, kShownHeight, mainwindow::kColumnColour, ratio);
    QPainter painter(&drawn);
    painter.setRenderHint(QPainter::Antialiasing);
    const Pill colours = PillColours(state);
    const QRectF box(2.5, 2.5, kFaceWidth - 5, kShownHeight - 6);
    const QPainterPath pill = RoundedBox(box, box.height() / 2);
    if (state != ButtonState::Down) {
        DrawSoftShadow(painter, pill, QPointF(0, 1.5), 1, QColor(0, 0, 0, 150));
    }
    FillVertical(painter, pill, box, colours.top, colours.bottom);
    // A glassy highlight over the upper half.
    const QRectF gloss = box.adjusted(5, 1.5, -5, -box.height() / 2);
    FillVertical(painter, RoundedBox(gloss, gloss.height() / 2), gloss, QColor(255, 240, 210, 90),
                 QColor(255, 240, 210, 10));
    painter.setPen(QPen(colours.rim, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(pill);

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    font.setBold(true);
    font.setStretch(caption.size() > 7 ? QFont::Condensed : QFont::Unstretched);
    const QRectF text = box.translated(0, state == ButtonState::Down ? 1 : 0);
    painter.setFont(font);
    painter.setPen(QColor(40, 20, 6, 190));
    painter.drawText(text.translated(0, 1), Qt::AlignCenter, caption);
    painter.setPen(QColor(255, 255, 255));
    painter.drawText(text, Qt::AlignCenter, caption);
    painter.end();
    return drawn;
}

// The copy and delete buttons are opaque squares on the column's colour.
QImage SmallButtonGround(int size, ButtonState state, int ratio) {
    QImage image = NewCanvas(size, size, mainwindow::kColumnColour, ratio);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box(0.5, 0.5, size - 1, size - 1);
    const QPainterPath tile = RoundedBox(box, size / 5.0);
    const Pill colours = PillColours(state);
    FillVertical(painter, tile, box, colours.top, colours.bottom);
    painter.setPen(QPen(colours.rim, 1));
    painter.drawPath(tile);
    return image;
}

// Two overlapping sheets with lines of text on the upper one.
QImage DrawCopyButton(ButtonState state, int ratio) {
    QImage image = SmallButtonGround(30, state, ratio);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(0, state == ButtonState::Down ? 1 : 0);
    const QColor ink(60, 32, 12);
    painter.setPen(QPen(ink, 1.4));
    painter.setBrush(house::Cream);
    for (const QRectF sheet : {QRectF(6.5, 5.5, 11, 14), QRectF(12.5, 10.5, 11, 14)}) {
        painter.drawRoundedRect(sheet, 1.2, 1.2);
    }
    painter.setPen(QPen(QColor(170, 130, 90), 1.2));
    for (const qreal y : {14.5, 17.5, 20.5}) {
        painter.drawLine(QPointF(15, y), QPointF(y < 20 ? 21 : 19, y));
    }
    painter.end();
    return image;
}

// A small waste bin.
QImage DrawDeleteButton(ButtonState state, int ratio) {
    QImage image = SmallButtonGround(30, state, ratio);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(0, state == ButtonState::Down ? 1 : 0);
    const QColor ink(60, 32, 12);
    QPainterPath bin;
    bin.moveTo(9, 10);
    bin.lineTo(21, 10);
    bin.lineTo(19.5, 24);
    bin.lineTo(10.5, 24);
    bin.closeSubpath();
    painter.setPen(QPen(ink, 1.4));
    painter.setBrush(house::Cream);
    painter.drawPath(bin);
    painter.drawRoundedRect(QRectF(7.5, 7, 15, 2.6), 1, 1);
    painter.drawLine(QPointF(13, 7), QPointF(13.5, 5));
    painter.drawLine(QPointF(13.5, 5), QPointF(16.5, 5));
    painter.drawLine(QPointF(16.5, 5), QPointF(17, 7));
    painter.setPen(QPen(QColor(150, 100, 60), 1.2));
    for (const qreal x : {12.5, 15.0, 17.5}) {
        painter.drawLine(QPointF(x, 12.5), QPointF(x + (15 - x) * 0.12, 21.5));
    }
    painter.end();
    return image;
}

// A curved arrow turning back (undo) or forward (redo, the mirror image); greyed when disabled.
QImage DrawHistoryButton(ButtonState state, bool forward, int ratio) {
    QImage image = SmallButtonGround(30, state, ratio);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    if (forward) {
        painter.translate(30, 0);
        painter.scale(-1, 1);
    }
    painter.translate(0, state == ButtonState::Down ? 1 : 0);
    const bool disabled = state == ButtonState::Disabled;
    const QColor ink = disabled ? QColor(84, 66, 52) : QColor(60, 32, 12);
    const QColor fill = disabled ? QColor(168, 150, 134) : house::Cream;
    QPainterPath arc;
    arc.moveTo(11, 12);
    arc.cubicTo(16, 7.5, 24, 9, 23, 16.5);
    arc.cubicTo(22.5, 20.5, 19, 22.5, 15, 22.5);
    QPainterPath head;
    head.moveTo(6, 12.5);
    head.lineTo(13.5, 7);
    head.lineTo(13.5, 17.5);
    head.closeSubpath();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(ink, 4.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(arc);
    painter.setPen(QPen(fill, 2.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(arc);
    painter.setPen(QPen(ink, 1.2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(fill);
    painter.drawPath(head);
    painter.end();
    return image;
}

// Glyphs: 16 x 16 pixel art, the bottom-left pixel's colour is transparent. The button shows them from
// (-1, -1) on 12 x 12, so the marks keep to pixels 3..12. A dark outline keeps the light mark legible
// on light and dark faces alike. At a higher ratio each device pixel is judged at its own centre in the
// same logical grid, so the marks keep their place and weight with finer edges.
const QColor kGlyphKey(255, 0, 255);
const QColor kGlyphLight(250, 234, 200);
const QColor kGlyphDark(46, 26, 12);

QImage DrawGlyph(bool cross, int ratio) {
    const int side = 16 * ratio;
    QImage glyph(side, side, QImage::Format_RGB32);
    glyph.fill(kGlyphKey);
    // A device pixel's centre in logical pixels, measured so that ratio 1 samples the pixel grid itself.
    const auto logical = [ratio](int device) { return (device + 0.5) / ratio - 0.5; };
    for (int py = 0; py < side; ++py) {
        auto* row = reinterpret_cast<QRgb*>(glyph.scanLine(py));
        const double y = logical(py);
        for (int px = 0; px < side; ++px) {
            const double x = logical(px);
            double distance;
            if (cross) {
                const double cx = x - 7.5, cy = y - 7.5;
                if (std::abs(cx) > 5.0 || std::abs(cy) > 5.0) {
                    continue;
                }
                distance = std::min(std::abs(cx - cy), std::abs(cx + cy)) / std::sqrt(2.0);
            } else {
                // The bar: a light core from 4 to 11 by 9 to 11 within a one-pixel dark rim.
                if (x < 2.5 || x > 12.5 || y < 7.5 || y > 12.5) {
                    continue;
                }
                distance = (x < 3.5 || x > 11.5 || y < 8.5 || y > 11.5) ? 1.0 : 0.0;
            }
            if (distance < 0.75) {
                row[px] = kGlyphLight.rgb();
            } else if (distance < 1.6) {
                row[px] = kGlyphDark.rgb();
            }
        }
    }
    glyph.setPixel(0, side - 1, kGlyphKey.rgb());
    glyph.setDevicePixelRatio(ratio);
    return glyph;
}

struct ColumnButton {
    const char* name;
    const char* caption;
};

// Writes <name>.bmp at ratio 1 and <name>@2x.bmp at ratio 2, each drawn by draw(ratio).
template <typename Draw> void WriteAtRatios(const ArtworkOutput& out, const QString& name, Draw draw) {
    out.WriteResource(name + QStringLiteral(".bmp"), draw(1));
    out.WriteResource(name + QStringLiteral("@2x.bmp"), draw(2));
}

} // namespace

void DrawButtonFaces(const ArtworkOutput& out) {
    const ColumnButton column[] = {
        {"New", "New"},      {"Save", "Save"},          {"Photo", "Photo"},     {"Backdrop", "Backdrop"},
        {"Mask", "Mask"},    {"Flower", "Flower"},      {"Cartoon", "Cartoon"}, {"Text", "Text"},
        {"Frame", "Frame"},  {"DelFrame", "Del Frame"}, {"Help", "Help"},       {"Open", "Open"},
        {"Export", "Export"}};
    const struct {
        ButtonState state;
        const char* suffix;
    } states[] = {{ButtonState::Rest, "rest"}, {ButtonState::Hover, "hover"}, {ButtonState::Down, "down"}};
    for (const auto& state : states) {
        const auto file = [&](const char* name) {
            return QStringLiteral("buttons/%1_%2").arg(QLatin1String(name), QLatin1String(state.suffix));
        };
        for (const ColumnButton& button : column) {
            WriteAtRatios(out, file(button.name), [&](int ratio) {
                return DrawColumnButton(QString::fromLatin1(button.caption), state.state, ratio);
            });
        }
        WriteAtRatios(out, file("Copy"), [&](int ratio) { return DrawCopyButton(state.state, ratio); });
        WriteAtRatios(out, file("Delete"), [&](int ratio) { return DrawDeleteButton(state.state, ratio); });
        WriteAtRatios(out, file("Undo"),
                      [&](int ratio) { return DrawHistoryButton(state.state, false, ratio); });
        WriteAtRatios(out, file("Redo"),
                      [&](int ratio) { return DrawHistoryButton(state.state, true, ratio); });
    }
    WriteAtRatios(out, QStringLiteral("buttons/Undo_disabled"),
                  [](int ratio) { return DrawHistoryButton(ButtonState::Disabled, false, ratio); });
    WriteAtRatios(out, QStringLiteral("buttons/Redo_disabled"),
                  [](int ratio) { return DrawHistoryButton(ButtonState::Disabled, true, ratio); });
    WriteAtRatios(out, QStringLiteral("glyphs/bar"), [](int ratio) { return DrawGlyph(false, ratio); });
    WriteAtRatios(out, QStringLiteral("glyphs/cross"), [](int ratio) { return DrawGlyph(true, ratio); });
}
