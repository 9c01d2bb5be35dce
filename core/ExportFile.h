// Writing an export: the card rendered at its size, encoded as JPEG, PNG or PDF, and written to its file
// only once complete.
#pragma once

#include "core/Composition.h"
#include "core/DecodeControl.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace festoon {

enum class ExportFormat { Jpeg, Png, Pdf };

struct ExportSettings {
    QSize size;
    ExportFormat format = ExportFormat::Jpeg;
    int jpegQuality = 92; // 1 to 100
    // A PDF's page: the picture printed at this many pixels per inch.
    int pdfDpi = 300;
};

// The file extension of the format, with its dot: ".jpg", ".png", ".pdf".
[[nodiscard]] QString ExportExtension(ExportFormat format);

// The rendered picture as the format's file: a baseline JPEG at the quality, a compressed PNG, or a
// one-page PDF whose page is the picture at pdfDpi. Throws PlatformError when it cannot be encoded.
[[nodiscard]] QByteArray EncodeExport(const QImage& picture, const ExportSettings& settings);

// Renders the card at the settings' size (RenderCardAt), encodes it and writes it to path, replacing an
// existing file only once the new one is complete: a cancelled or failed export leaves no file behind.
// Progress is reported through the control (the render takes most of it). Throws DecodeCancelled,
// PlatformError (the message says what failed; not enough memory among it).
void ExportCard(const Composition& card, const ExportSettings& settings, const QString& path,
                DecodeControl* control = nullptr);

} // namespace festoon
