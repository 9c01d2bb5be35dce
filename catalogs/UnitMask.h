// TFormMask: the mask palette. A click on a mask thumbnail cuts the topmost photo on the canvas into
// that mask's shape.
#pragma once

#include "catalogs/GridPalette.h"

class TFormMask : public TGridPalette {
    Q_OBJECT
  public:
    explicit TFormMask(const PaletteContext& context);

    // Pages without a button of their own unless the catalog ships them.
    void FlatRadioButton8Click() { SelectPage(8); }
    void FlatRadioButton9Click() { SelectPage(9); }
    void FlatRadioButton10Click() { SelectPage(10); }

    // Applies item K of the current page: CurrentPageFolder + K + ".ssl".
    void ThumbnailClick(int item) override;

    // Makes the picture of the artwork file the mask of the photo highest in the stack (an object whose
    // name contains "man"). Without a photo nothing changes. Throws PlatformError before anything
    // changes.
    void ApplyMask(const QString& path);
};

extern TFormMask* FormMask;
