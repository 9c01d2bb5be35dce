// Saving the composition as a JPEG or BMP file, starting a new task, opening the help file, and
// releasing the canvas when the main window closes.
#include "app/Unit1.h"

#include "app/img.h"
#include "core/Bitmap.h"
#include "core/PictureFile.h"
#include "platform/Desktop.h"
#include "platform/Paths.h"

#include <QPushButton>

namespace {

constexpr int kJpegQuality = 85;
constexpr int kBmpFilterIndex = 2;

// The path a save writes to: the chosen format's extension is appended unless the path already contains
// it anywhere, in exactly that letter case.
QString SavePath(const QString& chosen, bool asBmp) {
    const QString extension = asBmp ? QStringLiteral(".bmp") : QStringLiteral(".jpg");
    return chosen.contains(extension) ? chosen : chosen + extension;
}

// Empties the canvas. With objects (layerCount of 2 or more) every object is hidden and renamed
// `prefix` + slot, and the layer list is cut back to the backdrop, whose picture (a frame included)
// stays; without objects the backdrop returns to the clean backdrop, which removes a frame.
void ClearCanvas(TFormMain& form, qsizetype layerCount, const QString& prefix) {
    if (layerCount < 2) {
        const QSize canvas = form.CanvasSize();
        form.ImBackDrop->setPicture(
            festoon::StretchBitmap(form.CleanBackdropBmp, canvas.width(), canvas.height()));
        return;
    }
    for (int slot = 1; slot <= TFormMain::kSlotCount; ++slot) {
        form.ObjectSlots[slot]->hide();
        form.ObjectSlots[slot]->setObjectName(prefix + QString::number(slot));
    }
    form.LayerList.resize(1);
}

} // namespace

void TFormMain::BtnSaveClick() {
    BtnSaveFuzhu->click();
}

void TFormMain::BtnSaveFuzhuClick() {
    const int w = ComposedBmp.width(), h = ComposedBmp.height();
    const qsizetype layerCount = LayerList.size();
    QImage output = festoon::MakeBitmap(w, h);
    if (layerCount < 2) {
        festoon::StretchDraw(ImBackDrop->Picture(), output, output.rect());
    } else {
        // ComposedBmp holds everything but the topmost object, whose freshly rendered Picture (without
        // selection marks) goes on top at its bounds.
        BtnchonghuaClick();
        festoon::StretchDraw(ComposedBmp, output, output.rect());
        const TImg* top = TopObject();
        const QImage object = festoon::StretchBitmap(top->Picture(), top->width(), top->height());
        festoon::DrawUnscaled(object, output, top->pos());
    }
    if (SaveDialog1.Execute(this)) {
        // A failed write throws here, before the canvas is cleared: ClearAfterSave stays set.
        if (SaveDialog1.FilterIndex == kBmpFilterIndex) {
            festoon::SaveBmpFile(output, SavePath(SaveDialog1.FileName, true));
        } else {
            festoon::SaveJpegFile(output, SavePath(SaveDialog1.FileName, false), kJpegQuality);
        }
    }
    if (ClearAfterSave) {
        ClearAfterSave = false;
        ClearCanvas(*this, layerCount, QStringLiteral("not"));
    }
}

void TFormMain::BtnNewClick() {
    if (festoon::AskYesNo(this, QStringLiteral("Save the current photo before a new task?"))) {
        ClearAfterSave = true;
        BtnSaveFuzhu->click();
        return;
    }
    ClearCanvas(*this, LayerList.size(), QStringLiteral("Not"));
}

void TFormMain::BtnHelpClick() {
    // A missing help file, or no viewer for it, shows nothing.
    festoon::OpenDocument(festoon::ExecutableFolder() + QStringLiteral("help.chm"));
}

void TFormMain::FormClose() {
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        delete ObjectSlots[slot];
        ObjectSlots[slot] = nullptr;
    }
    LayerList.clear();
    ComposedBmp = QImage();
    CleanBackdropBmp = QImage();
    WorkBitmaps = festoon::RenderScratch();
}
