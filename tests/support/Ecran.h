#pragma once
// What the screen shows, read back from the X server, for end-to-end tests under Xvfb.
#include <QImage>
#include <QRect>

class QWidget;

// The screen over a rectangle (global pixels), every window in it included.
QImage ecranSur(const QRect& global);
// The screen over a widget, child windows (a video's) included.
QImage ecranSous(const QWidget& w);
// Distinct colours among every fourth pixel of every fourth row: a picture has many, a plain
// background one or two.
int nombreDeCouleurs(const QImage& image);
// The share of pixels of the same colour in two pictures of one size.
double ressemblance(const QImage& a, const QImage& b);
// The screen over a widget looks like the widget itself: nothing lies over it.
bool visibleALEcran(QWidget& w);
