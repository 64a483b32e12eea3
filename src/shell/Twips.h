#pragma once
#include <QRect>

// Twips (15 to a pixel at 96 dpi) to pixels and back.
inline int versPixels(int twips) { return twips / 15; }
inline int versTwips(int pixels) { return pixels * 15; }
// A control's rectangle given in twips (left, top, width, height), in pixels.
inline QRect rectPixels(int x, int y, int l, int h)
{
    return {versPixels(x), versPixels(y), versPixels(l), versPixels(h)};
}
