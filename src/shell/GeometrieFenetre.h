#pragma once
#include <QPoint>
#include <QRect>
#include <QSize>

#include <vector>

// The window's layout frames in twips (15 to a pixel). The client area is the frame the form
// shows: the window manager draws its own border around it.
// Remote-control panel frame, 4455 x 5175: the normal window.
constexpr QSize kNormale(4455, 5175);
// Main panel frame, 9975 wide: the remote-control panel with a side pane beside it.
constexpr int kLargeurOuverte = 9975;
// Remote-control form: the channel column (left 120, 2655 wide) and a 90 margin on its right;
// the panel's height plus the extension frame below it (2655) and its 105 margin.
constexpr QSize kTelecommande(120 + 2655 + 90, 5175 + 2655 + 105);

// The fold-out and fold-in animation: eleven widths from `depart`'s, the last `largeurCible`;
// none when the width is already the target.
std::vector<QSize> animationLargeur(const QSize& depart, int largeurCible);

// Where a window frame `l` x `h` pixels whose top-left is at `pos` stands on the screen's
// available area `ecran`. `dedansX`/`dedansY`: the axes kept inside the screen; on the others
// a strip of the window still stays on it, to be grabbed.
QPoint placerSurEcran(const QRect& ecran, QPoint pos, int l, int h, bool dedansX, bool dedansY);
