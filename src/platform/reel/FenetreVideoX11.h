#pragma once
#include <QSize>
#include <QWidget>
#include <QtGlobal>

// The X11 windows of the embedded view, through the toolkit's own XCB connection. Each does
// nothing when there is no X11 connection (another platform) or no window.

// The X server itself paints the window black wherever the player's picture does not
// cover it (the bands around a picture of another shape): the window toolkit never paints
// over a window that another program draws in.
void fondNoirX11(WId fenetre);

// The window the player draws into: ours, not the toolkit's, so that we alone decide when
// it goes. Painted black by the X server, like its parent. 0 when it cannot be made.
quint32 creerFenetreVideo(WId parent, QSize taille);
void dimensionnerFenetreVideo(quint32 fenetre, QSize taille);
// Out of sight and out of its parent: the parent may now go without taking it along.
void eloignerFenetreVideo(quint32 fenetre);
void detruireFenetreVideo(quint32 fenetre);
