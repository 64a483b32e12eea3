#pragma once

class QWidget;

// Always on top under X11, told to the window manager as the desktop's rules ask (EWMH's
// _NET_WM_STATE_ABOVE) rather than through the toolkit's window flag: Qt 6 makes a window's X
// window anew at its next show after that flag changed, and X takes the child windows down with
// the old one, the embedded view's among them.

// The window system is X11.
bool surX11();
// A window shown: asks the window manager to change the state. A window not shown yet (before
// it is mapped): writes the state it will be mapped with.
void definirAuDessusX11(QWidget& fenetre, bool auDessus, bool affichee);
