// Broken and hostile files for the robustness suites, and a snapshot of everything on the canvas that a
// failed action must leave as it was.
#pragma once

#include "app/Unit1.h"

#include <QByteArray>
#include <QImage>
#include <ostream>

// Messages in failures print as text.
void PrintTo(const QString& text, std::ostream* out);

// A small valid JPEG whose frame header claims `width` x `height` pixels.
[[nodiscard]] QByteArray JpegClaimingSize(int width, int height);
// A small valid 24-bit BMP whose header claims `width` x `height` pixels.
[[nodiscard]] QByteArray BmpClaimingSize(int width, int height);
// The first `keep` parts of an encoded picture of 300 x 200 with detail all over (so that a JPEG cut in
// the middle ends inside its scan data).
[[nodiscard]] QByteArray TruncatedJpeg(double keep = 0.5);
[[nodiscard]] QByteArray TruncatedBmp(double keep = 0.5);
// An artwork file (first 16 bytes meaningless) made from JPEG bytes.
[[nodiscard]] QByteArray AsArtwork(QByteArray jpeg);

// What the user owns and sees: the card, the picture the editing surface shows, and the object a drag
// acts on.
struct CanvasSnapshot {
    festoon::Composition card;
    QImage shown;
    int dragSlot = 0;
};

[[nodiscard]] CanvasSnapshot TakeSnapshot(const TFormMain& window);
// Expects the card, the shown picture and the dragged object to equal the snapshot's.
void ExpectCanvasUnchanged(const TFormMain& window, const CanvasSnapshot& before);
