#pragma once

#include <QColor>

// Element colours shared by every page.
inline constexpr QRgb ElementGreen = 0xFF5AB762;
inline constexpr QRgb ElementRed = 0xFFFF0000;
inline constexpr QRgb ElementWhite = 0xFFFFFFFF;
inline constexpr QRgb ElementGrey = 0xFF4B565C;
inline constexpr QRgb ElementSilver = 0xFFC0C0C0;

// A colour theme: the window background, the panels and the text.
struct TColorSet
{
    QColor Background;
    QColor Panel;
    QColor Text;
};

namespace Theme {

const TColorSet &Dark();
const TColorSet &Light();
// The colours in use; a copy of one of the two sets.
TColorSet &Current();
// Which set the theme button last chose.
bool IsDark();
void SetDark(bool dark);
// The shade used for the dark bars of section tabs.
QColor DarkShade();

} // namespace Theme
