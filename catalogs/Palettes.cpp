// Creating and destroying the palette windows (palettes are added by the catalog work).
#include "catalogs/Palettes.h"

void CreatePalettes() {}
void DestroyPalettes() {}
