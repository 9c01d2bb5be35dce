// Creating and destroying the palette windows.
#pragma once

#include "catalogs/PaletteWindow.h"

// Creates the palettes hidden, in start-up order: mask, flower, text, cartoon, frame. A failure in one
// palette's set-up is reported and start-up goes on.
void CreatePalettes(const PaletteContext& context);
void DestroyPalettes();
