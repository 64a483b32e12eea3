#include "app/Cablages.h"

#include "app/Application.h"
#include "app/Composition.h"
#include "panes/VoletAfficher.h"
#include "panes/VueChaine.h"
#include "platform/Plateforme.h"
#include "shell/FiltreClavier.h"
#include "shell/Fond.h"
#include "shell/PanneauTelecommande.h"

#include <QCoreApplication>
#include <functional>
#include <map>

// The keyboard shortcuts: one filter for the whole application, pressing the remote's buttons.
// A button is pressed through its pane's signal and so its own wiring, enabled or not; the
// channel steps and the favourites go to their controllers. Buttons the window does not have
// are not pressed.
void cablerClavier(const Assemblage& app)
{
    Fond& f = app.fond;
    auto* filtre = new FiltreClavier(
        f,
        [&app] {
            EtatRaccourcis e;
            e.CLAV = app.parties.session.parametres.p.CLAV;
            e.optionsOuvertes = app.etatFenetre.optionsOuvertes();
            e.guideOuvert = app.etatFenetre.voletOuvert(Volet::Guider);
            const VueChaine v = CalculerVueChaine(app.parties.session.chaines, app.parties.session.chaineSelectionnee);
            e.chaineMActive = v.precedenteActive;
            e.chainePActive = v.suivanteActive;
            e.vueDirecte = app.parties.medias.ouvert() && app.parties.medias.cadre() == CadreAfficher::Direct;
            e.volume2 = app.parties.medias.vueDirecte().volume();
            return e;
        },
        [&app] { return app.plateforme.horloge.maintenant(); }, &f);
    filtre->setObjectName("FiltreClavier");
    // What each of the decoder's buttons presses: a control of the window through its pane's
    // signal, the channel steps and the favourites through their controllers, the view's
    // volume through its slider.
    PanneauTelecommande& t = f.telecommande();
    Transport& tr = app.parties.transport;
    Favoris& fav = app.parties.favoris;
    const auto presser = [&t](void (PanneauTelecommande::*bouton)()) { return [&t, bouton](int) { emit (t.*bouton)(); }; };
    // The media pane's compact row, looked up when pressed: the pane is built when first shown.
    const auto rangee = [&f](void (VoletAfficher::*bouton)()) {
        return [&f, bouton](int) { emit (f.afficher().*bouton)(); };
    };
    const std::map<BoutonClavier, std::function<void(int)>> table = {
        {BoutonClavier::Aucun, [](int) {}},
        {BoutonClavier::ChaineM, [&tr](int) { tr.ChaineM_Click(); }},
        {BoutonClavier::ChaineP, [&tr](int) { tr.ChaineP_Click(); }},
        {BoutonClavier::TopR, presser(&PanneauTelecommande::TopR_Click)},
        {BoutonClavier::Full, presser(&PanneauTelecommande::Full_Click)},
        {BoutonClavier::Full2, rangee(&VoletAfficher::Full2_Click)},
        {BoutonClavier::Play, presser(&PanneauTelecommande::Play_Click)},
        {BoutonClavier::StopAll, presser(&PanneauTelecommande::StopAll_Click)},
        {BoutonClavier::Pause, presser(&PanneauTelecommande::Pause_Click)},
        {BoutonClavier::Rec, presser(&PanneauTelecommande::Rec_Click)},
        {BoutonClavier::Snap, presser(&PanneauTelecommande::Snap_Click)},
        {BoutonClavier::VolumeM, presser(&PanneauTelecommande::VolumeM_Click)},
        {BoutonClavier::VolumeP, presser(&PanneauTelecommande::VolumeP_Click)},
        {BoutonClavier::Volume2, [&f](int valeur) { f.afficher().changerVolume2(valeur); }},
        {BoutonClavier::Mute, presser(&PanneauTelecommande::Mute_Click)},
        {BoutonClavier::Mute2, rangee(&VoletAfficher::Mute2_Click)},
        {BoutonClavier::FavorisM, [&fav](int) { fav.FavorisM_Click(); }},
        {BoutonClavier::FavorisP, [&fav](int) { fav.FavorisP_Click(); }},
        {BoutonClavier::FavorisListe, [&fav](int g) { fav.selectionnerGroupe(g); }},
        {BoutonClavier::Favori, [&fav](int i) { fav.Favori_Click(i); }},
    };
    QObject::connect(filtre, &FiltreClavier::boutonDemande, &f,
                     [table](const ActionClavier& a) { table.at(a.bouton)(a.valeur); });
    if (QCoreApplication* a = QCoreApplication::instance())
        a->installEventFilter(filtre);
}
