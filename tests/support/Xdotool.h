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

// A window manager (openbox) on the test's display for as long as it lives.
class GestionnaireFenetres {
public:
    GestionnaireFenetres() { processus_.start("openbox", {"--sm-disable"}); }
    ~GestionnaireFenetres()
    {
        processus_.terminate();
        if (!processus_.waitForFinished(3000))
            processus_.kill();
        processus_.waitForFinished(1000);
    }
    // Started, and managing the screen (its check window is up).
    bool demarre();

private:
    QProcess processus_;
};
