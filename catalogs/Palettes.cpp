// Creating the palettes hidden at start, owned by the main window, and destroying them at the end.
#include "catalogs/Palettes.h"

#include "catalogs/UnitCartoon.h"
#include "catalogs/UnitFrame.h"
#include "catalogs/UnitMask.h"
#include "catalogs/UnitText.h"
#include "catalogs/Unitflower.h"

void CreatePalettes(const PaletteContext& context) {
    FormMask = new TFormMask(context);
    FormFlower = new TFormFlower(context);
    FormText = new TFormText(context);
    FormCartoon = new TFormCartoon(context);
    FormFrame = new TFormFrame(context);
}

void DestroyPalettes() {
    delete FormFrame;
    FormFrame = nullptr;
    delete FormCartoon;
    FormCartoon = nullptr;
    delete FormText;
    FormText = nullptr;
    delete FormFlower;
    FormFlower = nullptr;
    delete FormMask;
    FormMask = nullptr;
}
