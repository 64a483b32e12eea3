#pragma once
// The X server's own view of things, through xdotool, for tests under Xvfb.
#include <QRect>
#include <QString>
#include <QStringList>

// Runs xdotool; true when it ended well. Its standard output goes to `sortie` when given.
bool xdotool(const QStringList& args, QString* sortie = nullptr);

// A top-level window's place and size as the X server has them (no window manager: the
// client area); an empty rectangle when xdotool cannot tell.
QRect geometrieX(quintptr fenetre);
