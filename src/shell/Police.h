#pragma once
#include <QFont>

// The application's type, the same on every desktop: the window's layout is fixed in pixels,
// drawn for an 8-point font at 96 dpi, and DejaVu Sans (Debian's fonts-dejavu-core) is wider
// than the type it was drawn for; at this size its captions take the widths the layout gives
// them.
QFont PoliceApplication();
// Sets it for the whole application; once, at start.
void appliquerPoliceApplication();
