// The main window's button faces (three states each), the two window glyphs, as resources.
#pragma once

class ArtworkOutput;

// buttons/<Name>_{rest,hover,down}.bmp for the column buttons and Copy and Delete; glyphs/bar.bmp and
// glyphs/cross.bmp.
void DrawButtonFaces(const ArtworkOutput& out);
