#pragma once
// The X server's own view of things, through xdotool, for tests under Xvfb.
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>

// Runs xdotool; true when it ended well. Its standard output goes to `sortie` when given.
bool xdotool(const QStringList& args, QString* sortie = nullptr);

// A top-level window's place and size as the X server has them (no window manager: the
// client area); an empty rectangle when xdotool cannot tell.
QRect geometrieX(quintptr fenetre);

// The window that has the keyboard focus as the X server tells it; 0 when none or unknown.
quintptr fenetreActive();

// What the X server has of one window: whether it exists, is shown, and its parent.
struct EtatFenetreX {
    bool existe = false;
    bool affichee = false;
    quint32 parent = 0;
};
EtatFenetreX etatFenetreX(quint32 fenetre);
// The window manager's states of a top-level window (_NET_WM_STATE), by name.
QStringList etatsNetWm(quint32 fenetre);

// Whether a window manager has announced itself on the root window (EWMH).
bool gestionnaireAnnonce();

// openbox on the test's display for as long as it lives.
class GestionnaireFenetres {
public:
    GestionnaireFenetres();
    ~GestionnaireFenetres();
    // Started and managing the screen: a window shown earlier may never be framed.
    bool demarre();

private:
    QProcess processus_;
    QString pret_;  // made by openbox once its start-up is over
};
