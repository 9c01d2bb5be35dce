// Every group of pictures the program ships, each drawn by its own unit.
#pragma once

class ArtworkOutput;

// main/mainx.bmp, main/mainb.jpg, main/Defaultmask.jpg; button faces, glyphs and the icon (resources).
void DrawMainWindowArt(const ArtworkOutput& out);
// The grid palettes' skin (470 x 444) and the text palette's skin (470 x 369) (resources).
void DrawPaletteSkins(const ArtworkOutput& out);
// pic/mask/N/{small,big}/K.ssl
void DrawMaskCatalog(const ArtworkOutput& out);
// pic/Frame/N/{small,big,mask}/K.ssl
void DrawFrameCatalog(const ArtworkOutput& out);
// pic/cartoon/N/{pic,mask}/K.ssl
void DrawCartoonCatalog(const ArtworkOutput& out);
// pic/flower/N/{small,big,mask}/K.ssl
void DrawFlowerCatalog(const ArtworkOutput& out);
// pic/text/{small,big,mask}/K.ssl, K = 1 to 8
void DrawBalloonCatalog(const ArtworkOutput& out);
