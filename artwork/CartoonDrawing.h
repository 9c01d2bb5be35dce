// The cartoon stickers drawn as vector shapes, each inside a 200 x 200 box at the painter's origin,
// and the pens and fills they share.
#pragma once

#include <QColor>
#include <QLinearGradient>
#include <QPen>
#include <QString>

class QPainter;
class QPainterPath;

inline const QColor kInk(58, 34, 26);

[[nodiscard]] QPen InkPen(double width = 4.0);
// A top-to-bottom gradient from `light` to `dark` between y0 and y1.
[[nodiscard]] QLinearGradient Shade(const QColor& light, const QColor& dark, double y0, double y1);
// Fills `path` with a gradient and outlines it in ink.
void FillInked(QPainter& painter, const QPainterPath& path, const QColor& light, const QColor& dark,
               double inkWidth = 4.0);
// A soft white gloss spot.
void Gloss(QPainter& painter, const QRectF& ellipse, int alpha = 150);

void DrawPartyHat(QPainter& painter);
void DrawCrown(QPainter& painter);
void DrawSunglasses(QPainter& painter);
void DrawMoustache(QPainter& painter);
void DrawGlossyHeart(QPainter& painter);
void DrawSmilingStar(QPainter& painter);
void DrawBow(QPainter& painter);
void DrawBalloonBunch(QPainter& painter);
void DrawRainbow(QPainter& painter);
void DrawSmilingSun(QPainter& painter);
void DrawBunnyEars(QPainter& painter);
void DrawLips(QPainter& painter);
void DrawCatEars(QPainter& painter);
void DrawBowTie(QPainter& painter);
void DrawMusicNotes(QPainter& painter);

// Word stickers: a bold word on a burst or in a speech bubble.
enum class WordGround { Burst, Bubble };
void DrawWordSticker(QPainter& painter, const QString& word, WordGround ground, const QColor& groundLight,
                     const QColor& groundDark, const QColor& wordLight, const QColor& wordDark);
// A speech bubble holding a big heart.
void DrawLoveBubble(QPainter& painter);
