// The export's worker and its panel: the worker is the one that decodes pictures in the background,
// given the export to run instead of a decode.
#include "app/CardExporting.h"

#include "platform/ErrorReporting.h"

#include <QFileInfo>

CardExporting::CardExporting(QWidget* host)
    : indication_(
          host, [this] { return work_.Progress(); }, [this] { return work_.Running(); },
          [this] { Cancel(); }) {}

CardExporting::~CardExporting() {
    Cancel();
}

void CardExporting::Start(const festoon::Composition& card, const festoon::ExportSettings& settings,
                          const QString& path) {
    Cancel();
    path_ = path;
    indication_.Begin(QStringLiteral("Exporting %1\u2026").arg(QFileInfo(path).fileName()));
    work_.Start(
        [card, settings, path](festoon::DecodeControl& control) {
            festoon::ExportCard(card, settings, path, &control);
            return festoon::LoadedPicture();
        },
        [this](const festoon::LoadedPicture&) { Ended(nullptr); },
        [this](std::exception_ptr error) { Ended(error); });
}

void CardExporting::Cancel() {
    work_.Cancel();
    indication_.End();
}

bool CardExporting::WaitUntilIdle(int timeoutMs) {
    return festoon::WaitWhileBusy([this] { return Busy(); }, timeoutMs);
}

void CardExporting::Ended(std::exception_ptr error) {
    indication_.End();
    festoon::RunReportingErrors([&] {
        try {
            if (error) {
                std::rethrow_exception(error);
            }
        } catch (const festoon::DecodeCancelled&) {
            // the user asked for it
        }
    });
    if (!error) {
        emit exported(path_);
    }
}
