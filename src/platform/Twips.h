#pragma once
#include <QPoint>
#include <QRect>
#include <QSize>

// Twips, the layout's unit: 15 to a pixel at 96 dpi. Twips become pixels one way only, to the
// nearest pixel, so that a size, a place and the video inside them never disagree by one.
constexpr int kTwipsParPixel = 15;

constexpr int versPixels(int twips)
{
    const int demi = kTwipsParPixel / 2;
    return twips >= 0 ? (twips + demi) / kTwipsParPixel : -((-twips + demi) / kTwipsParPixel);
}
constexpr int versTwips(int pixels)
{
    return pixels * kTwipsParPixel;
}

inline QPoint versPixels(const QPoint& twips)
{
    return {versPixels(twips.x()), versPixels(twips.y())};
}
inline QSize versPixels(const QSize& twips)
{
    return {versPixels(twips.width()), versPixels(twips.height())};
}
inline QRect versPixels(const QRect& twips)
{
    return {versPixels(twips.topLeft()), versPixels(twips.size())};
}
inline QPoint versTwips(const QPoint& pixels)
{
    return pixels * kTwipsParPixel;
}
inline QSize versTwips(const QSize& pixels)
{
    return pixels * kTwipsParPixel;
}

// A control's rectangle given in twips (left, top, width, height), in pixels.
inline QRect rectPixels(int x, int y, int l, int h)
{
    return versPixels(QRect(x, y, l, h));
}
