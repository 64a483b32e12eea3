#pragma once
#include "engine/EtatFenetre.h"

#include <QObject>

class QStackedWidget;
class QWidget;
class VoletAfficher;
class VoletDiffusion;
class VoletGuide;
class VoletProgrammation;

// The side pane `Volet` of the main panel and its three panes. A pane is built the first time
// it is needed (the window's form shows it, or a control acts on it), so that the window's
// first paint pays for no pane it does not show; it then stays for the whole run.
class VoletsLateraux : public QObject {
    Q_OBJECT
public:
    // The side pane lies in `fond1`, right of the remote control.
    explicit VoletsLateraux(QWidget& fond1);

    QStackedWidget& pile() const { return *pile_; }
    // The pane's frame (`Fond1b`, `Fond1c`, `Fond1a`), built if it was not yet; none for Aucun.
    QWidget* cadre(Volet v);
    VoletAfficher& afficher();
    VoletGuide& guide();
    VoletProgrammation& programmation();
    VoletDiffusion& diffusion();
    bool estConstruit(Volet v) const;

signals:
    // A pane was just built: what it shows can be wired and shown in it.
    void construit(Volet v);
    // The same, with the pane built, for whoever wires it.
    void afficherConstruit(VoletAfficher& v);
    void guideConstruit(VoletGuide& g, VoletProgrammation& p);
    void diffusionConstruit(VoletDiffusion& d);

private:
    void ajouter(Volet v, QWidget* cadre);

    QStackedWidget* pile_;
    VoletAfficher* afficher_ = nullptr;
    VoletGuide* guide_ = nullptr;
    VoletProgrammation* programmation_ = nullptr;
    VoletDiffusion* diffusion_ = nullptr;
};
