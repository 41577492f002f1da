#pragma once
// The painting palette "ketpal.bmp": 256 distinct colours in 16 rows of 16.

#include <QImage>
#include <QRgb>

#include <array>

// Colour of palette index i is entry i. Index 0 is black, the table colour a battle starts
// with; no other entry is pure black, so a colour taken from the palette never turns
// transparent in a masked picture.
std::array<QRgb, 256> PaletteColours();

// The 16 by 16 picture: index i at column i mod 16, row i div 16.
QImage PalettePicture();
