// Creating the palettes hidden at start, owned by the main window, and destroying them at the end.
#include "catalogs/Palettes.h"

#include "app/Unit1.h"
#include "catalogs/UnitCartoon.h"
#include "catalogs/UnitFrame.h"
#include "catalogs/UnitMask.h"
#include "catalogs/UnitText.h"
#include "catalogs/Unitflower.h"

void CreatePalettes() {
    FormMask = new TFormMask(FormMain);
    FormFlower = new TFormFlower(FormMain);
    FormText = new TFormText(FormMain);
    FormCartoon = new TFormCartoon(FormMain);
    FormFrame = new TFormFrame(FormMain);
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
