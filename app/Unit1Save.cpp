// Saving the finished card as a JPEG or BMP file, starting a new task, showing the help, and closing the
// main window.
#include "app/Unit1.h"

#include "core/CardFile.h"
#include "core/PictureFile.h"
#include "platform/Help.h"
#include "platform/Paths.h"

namespace {

constexpr int kJpegQuality = 85;
constexpr int kBmpFilterIndex = 2;
constexpr int kCardFilterIndex = 3;

// The path a save writes to: the chosen format's extension is appended unless the path already contains
// it anywhere, in exactly that letter case.
QString SavePath(const QString& chosen, const QString& extension) {
    return chosen.contains(extension) ? chosen : chosen + extension;
}

} // namespace

void TFormMain::BtnSaveClick() {
    BtnSaveFuzhuClick();
}

void TFormMain::BtnSaveFuzhuClick() {
    // The canvas is recomposed first, as the picture is: the selection marks go.
    BtnchonghuaClick();
    const QImage output = festoon::CardPicture(card_);
    if (SaveDialog1.Execute(this)) {
        // A failed write throws here, before the canvas is cleared: ClearAfterSave stays set.
        if (SaveDialog1.FilterIndex == kCardFilterIndex) {
            festoon::WriteCardFile(card_, SavePath(SaveDialog1.FileName, QStringLiteral(".ora")));
            emit cardSaved();
        } else if (SaveDialog1.FilterIndex == kBmpFilterIndex) {
            festoon::SaveBmpFile(output, SavePath(SaveDialog1.FileName, QStringLiteral(".bmp")));
        } else {
            festoon::SaveJpegFile(output, SavePath(SaveDialog1.FileName, QStringLiteral(".jpg")),
                                  kJpegQuality);
        }
    }
    if (ClearAfterSave) {
        ClearAfterSave = false;
        CancelLoads();
        EditCard([](festoon::Composition& card) { card.ClearForNewTask(QStringLiteral("not")); });
    }
}

void TFormMain::BtnNewClick() {
    if (festoon::AskYesNo(this, QStringLiteral("Save the current photo before a new task?"))) {
        ClearAfterSave = true;
        BtnSaveFuzhuClick();
        return;
    }
    CancelLoads();
    EditCard([](festoon::Composition& card) { card.ClearForNewTask(QStringLiteral("Not")); });
}

void TFormMain::BtnHelpClick() {
    festoon::ShowHelp(festoon::ExecutableFolder());
}

void TFormMain::FormClose() {
    CancelLoads();
    card_ = festoon::Composition();
    renderer_.Clear();
    shownCanvas_ = QImage();
    markedBounds_ = QRect();
}
