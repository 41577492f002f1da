#pragma once
// Colour rules of the editor: pure black marks transparent pixels in stored pictures, so it
// is never a drawing colour; the palette picture gives the colour grid; the preferences file
// keeps the transparent colour.

#include <QImage>
#include <QRgb>
#include <QString>

// The visible black the editor draws with instead of pure black.
constexpr QRgb kVisibleBlack = 0xff101010;
constexpr QRgb kDefaultTransparentColour = 0xffc0c0c0; // stored as 12632256

// Any colour taken from the palette, the picture, a dialog, a font or an imported region.
QRgb DrawableColour(QRgb colour);

inline bool SameColour(QRgb a, QRgb b) {
    return (a & 0x00ffffffu) == (b & 0x00ffffffu);
}

// Palette index (column × 16 + row) of the first grid cell showing `colour`, or -1.
int PaletteIndexOf(const QImage& palette, QRgb colour);
// "Color Index" text: three digits, or "---" for -1.
QString ColourIndexText(int index);
// Index shown while the mouse is over grid cell (column, row).
inline int GridCellIndex(int column, int row) {
    return column * 16 + row;
}

// Preferences value: red in the lowest byte, green in the next, blue in the third.
QRgb ColourFromPreference(qint64 value);
qint64 PreferenceFromColour(QRgb colour);

// The transparent colour kept in "fmsymbol.prf" in `folder`. A missing or unreadable file
// gives the default colour and is written with it.
QRgb ReadTransparentColour(const QString& folder);
// The preferences file of a program folder.
QString PreferencesPath(const QString& folder);
bool WriteTransparentColour(const QString& folder, QRgb colour);
