#pragma once
#include "engine/EtatFenetre.h"
#include "platform/Twips.h"
#include "shell/TransitionForme.h"

#include <QPoint>
#include <QRect>
#include <QSize>

// The window's form as explicit state: each event returns what to apply, and every question
// about the form is asked here, never by reading the window's width back.
// Sizes are client sizes in twips; the window manager adds its own frame around them.
class FormeFenetre {
public:
    explicit FormeFenetre(const OptionsForme& options = {});

    // New options act at once: in the remote-control form a changed MTOP puts the window on
    // top or takes it off, a changed FAVO brings the favourites in front or the list back.
    // Elsewhere they wait for the transitions that read them.
    TransitionForme definirOptions(const OptionsForme& options);
    const OptionsForme& options() const { return options_; }

    Forme forme() const { return forme_; }
    Volet volet() const { return volet_; }  // the open side pane, Aucun when none
    bool estNormale() const { return forme_ == Forme::Normal; }
    bool voletEstOuvert() const { return forme_ == Forme::VoletOuvert; }
    bool estOuvert(Volet v) const { return voletEstOuvert() && volet_ == v; }  // its button is bold
    bool estTelecommande() const { return forme_ == Forme::Telecommande; }
    // Client size of the current form, twips; empty for the embedded view's forms.
    QSize taille() const;

    // Always on top (`AuDessus`). The remote-control form turns it on (with MTOP) and leaving
    // that form turns it off; TopR_Click toggles it and returns the new state.
    bool AuDessus() const { return auDessus_; }
    bool TopR_Click() { return auDessus_ = !auDessus_; }

    // The `Mini` button, also start-up with MINI: normal window <-> remote-control form; a side
    // pane open is folded first.
    TransitionForme Mini_Click(const PlacementFenetre& placement = {});
    // The buttons of the remote-control form: back to the normal window, then the media pane,
    // the guide pane, or the media pane on its mosaic.
    TransitionForme GoAfficher_Click(const PlacementFenetre& placement = {});
    TransitionForme GoGuider_Click(const PlacementFenetre& placement = {});
    TransitionForme GoDiffuser_Click(const PlacementFenetre& placement = {});
    // The fold part of a pane button (`Afficher`, `Guider`, `Diffuser`): opens its pane, closes
    // it when it is the open one, switches when another one is open. From the mini-screen or
    // full screen, the media pane's button leaves them and folds the pane.
    TransitionForme basculerVolet(Volet v, const PlacementFenetre& placement = {});
    // Widens the normal window with pane `v`, or narrows an open pane back.
    TransitionForme DeplierVolet(Volet v, const PlacementFenetre& placement = {});
    // Back to the normal width and height. In the remote-control form the size changes at once
    // and the form stays (the options pane gives taille() back on closing).
    TransitionForme ReplierVolet(const PlacementFenetre& placement = {});

    // The embedded view's forms, from the media pane. `Mini2`: into the mini-screen, or from
    // full screen back to the pane. `SizeBar1`: out of the mini-screen (and full screen).
    // `SizeBarF`: full screen in and out of the mini-screen. `Full2`: full screen from the pane
    // too, coming back there. `SizeBar2_Scroll`: the mini-screen's size in percent (35 to 500).
    TransitionForme Mini2_Click(const PlacementFenetre& placement = {});
    TransitionForme SizeBar1_Click(const PlacementFenetre& placement = {});
    TransitionForme SizeBarF_Click(const PlacementFenetre& placement = {});
    TransitionForme Full2_Click(const PlacementFenetre& placement = {});
    TransitionForme SizeBar2_Scroll(int curseur);
    bool miniEcran() const { return forme_ == Forme::MiniEcran || forme_ == Forme::PleinEcran; }  // `Mini2` bold
    int PleinEcran() const { return pleinEcran_; }  // the slider's value saved on entry, 0 outside
    int curseur() const { return curseur_; }

private:
    struct Cours;
    void replier(Cours& c);
    void deplier(Cours& c, Volet v);
    void ouvrir(Cours& c, Volet v);
    void versTelecommande(Cours& c);
    void versNormale(Cours& c);
    TransitionForme aller(Volet v, const PlacementFenetre& placement);
    TransitionForme replierDepuisVueSeule(Volet v, const PlacementFenetre& placement);
    void entrerMini(Cours& c);
    void sortirMini(Cours& c);
    void basculerPleinEcran(Cours& c);
    void quitterVueSeule(Cours& c);
    PhaseForme phaseMini() const;

    OptionsForme options_;
    Forme forme_ = Forme::Normal;
    Volet volet_ = Volet::Aucun;
    bool auDessus_ = false;
    int curseur_ = 100;
    int largeurSauvee_ = 0;
    int pleinEcran_ = 0;
    bool retourFenetre_ = false;
    QPoint pleinEcranPosition_;
    QRect pleinEcranEcran_;  // the screen (available area) when full screen was entered
    QSize pleinEcranTaille_;  // client, twips
};
