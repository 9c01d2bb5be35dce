// The main window's button faces (three states each), the two window glyphs, as resources.
#pragma once

class ArtworkOutput;

// buttons/<Name>_{rest,hover,down}.bmp for the column buttons and Copy, Delete, Undo and Redo;
// buttons/{Undo,Redo}_disabled.bmp; glyphs/bar.bmp and glyphs/cross.bmp.
void DrawButtonFaces(const ArtworkOutput& out);
