// The queue of picture loads, the busy pointer and the delayed progress panel.
#include "platform/PictureLoading.h"

#include "core/PictureFile.h"
#include "platform/ErrorReporting.h"
#include "platform/LoadProgressPanel.h"

#include <QApplication>
#include <QFileInfo>

namespace festoon {
PictureLoading::PictureLoading(QWidget* host)
    : indication_(
          host, [this] { return decode_.Progress(); }, [this] { return decode_.Running(); },
          [this] { Cancel(); }) {}

PictureLoading::~PictureLoading() {
    Cancel();
}

void PictureLoading::Load(const QString& path, Apply apply, NeededSize neededSize) {
    waiting_.append({path, std::move(apply), std::move(neededSize)});
    if (!decode_.Running() && !handing_) {
        StartNext();
    }
}

void PictureLoading::Cancel() {
    waiting_.clear();
    decode_.Cancel();
    GoIdle();
}

bool PictureLoading::Busy() const {
    return decode_.Running() || handing_ || !waiting_.isEmpty();
}

bool PictureLoading::WaitUntilIdle(int timeoutMs) {
    return WaitWhileBusy([this] { return Busy(); }, timeoutMs);
}

void PictureLoading::StartNext() {
    if (waiting_.isEmpty()) {
        GoIdle();
        return;
    }
    current_ = waiting_.takeFirst();
    indication_.Begin(QStringLiteral("Opening %1\u2026").arg(QFileInfo(current_.path).fileName()));
    decode_.Start([path = current_.path, neededSize = current_.neededSize](
                      DecodeControl& control) { return ReadPictureFile(path, &control, neededSize); },
                  [this](const LoadedPicture& result) { Loaded(result); },
                  [this](std::exception_ptr error) { Failed(error); });
}

void PictureLoading::Loaded(const LoadedPicture& picture) {
    handing_ = true;
    const Apply apply = std::move(current_.apply);
    current_ = {};
    RunReportingErrors([&] { apply(picture); });
    handing_ = false;
    StartNext();
}

void PictureLoading::Failed(std::exception_ptr error) {
    handing_ = true;
    current_ = {};
    if (waiting_.isEmpty()) {
        GoIdle(); // the error box shows with an ordinary pointer and no panel
    }
    RunReportingErrors([&] {
        try {
            std::rethrow_exception(error);
        } catch (const DecodeCancelled&) {
            // dropped without a word
        }
    });
    handing_ = false;
    StartNext();
}

void PictureLoading::GoIdle() {
    indication_.End();
}

} // namespace festoon
