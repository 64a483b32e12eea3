#pragma once
#include "core/Parametres.h"

#include <QObject>

// The side panes that fold out to the right of the remote-control panel.
enum class Volet {
    Aucun,
    Afficher,  // media pane
    Guider,    // guide pane
    Diffuser,  // re-broadcast pane
};

// The main window's forms. MiniEcran and PleinEcran belong to the embedded view: they are
// entered from the media pane and give it back when left; of the side-pane transitions, only
// the media pane's fold leaves them (back to the normal window).
enum class Forme {
    Normal,        // remote-control panel, side pane closed
    VoletOuvert,   // remote-control panel with one side pane open
    Telecommande,  // tall narrow remote-control form
    MiniEcran,
    PleinEcran,
};

// The options that change the form's decisions.
struct OptionsForme {
    bool MTOP = true;   // remote-control form always on top
    bool FAVO = false;  // favourites in front in the remote-control form
    bool CADR = true;   // keep the window inside the screen
};

inline OptionsForme optionsForme(const Parametres& p)
{
    return {p.MTOP, p.FAVO, p.CADR};
}

// What the window shows, as one model that the controllers read and subscribe to: the form
// and its side pane, the guide pane's tab, the options pane, the favourites in front of the
// channel list. The shell writes the form after each of its transitions; nobody reads any of
// this back from a widget.
class EtatFenetre : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    Forme forme() const { return forme_; }
    Volet volet() const { return volet_; }  // the open side pane, Aucun when none
    bool voletOuvert(Volet v) const { return forme_ == Forme::VoletOuvert && volet_ == v; }
    bool telecommande() const { return forme_ == Forme::Telecommande; }
    bool vueSeule() const { return forme_ == Forme::MiniEcran || forme_ == Forme::PleinEcran; }
    // The media pane shows: open beside the remote, or its video alone (mini-screen, full screen).
    bool mediasOuvert() const { return voletOuvert(Volet::Afficher) || vueSeule(); }

    int ongletGuide() const { return ongletGuide_; }  // 1 schedule, 2 TV guide, 3 audience
    bool guideTV() const { return voletOuvert(Volet::Guider) && ongletGuide_ == 2; }
    bool optionsOuvertes() const { return options_; }
    bool favorisDevant() const { return devant_; }

    void definirForme(Forme forme, Volet volet);
    // A tab of the guide pane was chosen (told even when it was the one shown).
    void choisirOngletGuide(int onglet);
    void definirOptionsOuvertes(bool ouvertes);
    void definirFavorisDevant(bool devant);
    void Fav_Click() { definirFavorisDevant(!devant_); }

signals:
    void formeChangee();
    void ongletGuideChoisi(int onglet);
    void optionsOuvertesChangees(bool ouvertes);
    void favorisDevantChange(bool devant);

private:
    Forme forme_ = Forme::Normal;
    Volet volet_ = Volet::Aucun;
    int ongletGuide_ = 1;
    bool options_ = false;
    bool devant_ = false;
};
