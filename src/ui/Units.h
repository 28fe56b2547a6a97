#pragma once

#include "pick/View.h"

#include <QColor>
#include <QRect>
#include <QtMath>

// The window is designed in twips; Qt lays out in device-independent pixels (15 twips each at
// 96 dots per inch). Qt scales pixels to the screen, so this one factor serves every screen.
inline constexpr int twipsPerPixel = 15;

inline int twipsToPx(int twips)
{
    return qRound(double(twips) / twipsPerPixel);
}

inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twipsToPx(left), twipsToPx(top), twipsToPx(width), twipsToPx(height));
}

// Colours are held red in the low byte, as the design writes them.
inline QColor toQColor(Colour colour)
{
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}
