#include "app/Cablage.h"

#include "app/Application.h"
#include "panes/PanneauChaines.h"
#include "panes/VoletProgrammation.h"
#include "panes/VueChaine.h"
#include "shell/Fond.h"
#include "shell/PanneauTelecommande.h"
#include "shell/PanneauOptions.h"
#include "shell/PopupDuree.h"
#include "shell/Textures.h"
#include "panes/EditeurFavoris.h"

#include <QPushButton>

namespace {
template <typename Controleur>
void relier(QPushButton* bouton, Controleur& controleur, void (Controleur::*action)())
{
    QObject::connect(bouton, &QPushButton::clicked, &controleur, [&controleur, action] { (controleur.*action)(); });
}

// The player state, the title, the toggles and the waits of the engine, shown by the window.
void cablerMoteur(Application& app)
{
    Fond& f = app.fond;
    PanneauTelecommande& t = f.telecommande();
    Moteur& m = app.moteur;
    QObject::connect(&m, &Moteur::etatChange, &f, [&f, &t](const VueEtat& v) {
        t.afficherEtat(v);
        f.definirIconeEnregistrement(v.iconeEnregistrement);
    });
    QObject::connect(&m, &Moteur::titreChange, &f, &Fond::definirTitre);
    QObject::connect(&m, &Moteur::basculesChangees, &t, &PanneauTelecommande::afficherBascules);
    QObject::connect(&m, &Moteur::activationDemandee, &f, &Fond::activer);
    QObject::connect(&m, &Moteur::focusDemande, &f, &Fond::reprendreFocus);
    QObject::connect(&m, &Moteur::chaineSelectionnee, &f,
                     [&app](int index) { app.fond.selectionnerChaine(index, CalculerVueChaine(app.session.chaines, index)); });
}

// The channel column.
void cablerChaines(Application& app)
{
    PanneauChaines& c = app.fond.chaines();
    QObject::connect(&c, &PanneauChaines::chaineChoisie, &app.moteur, &Moteur::Chaines_Click);
    QObject::connect(&c, &PanneauChaines::chaineDoubleCliquee, &app.moteur, [&app] { app.Chaines_DblClick(); });
    relier(c.ChaineM, app.transport, &Transport::ChaineM_Click);
    relier(c.ChaineP, app.transport, &Transport::ChaineP_Click);
    relier(c.Fav, app.fond, &Fond::Fav_Click);
}

// Watching, time-shift and the keystrokes.
void cablerTransport(Application& app)
{
    PanneauTelecommande& t = app.fond.telecommande();
    Transport& tr = app.transport;
    relier(t.Play, tr, &Transport::Play_Click);
    relier(t.Regarder, tr, &Transport::Regarder_Click);
    relier(t.RegarderX, tr, &Transport::RegarderX_Click);
    relier(t.VolumeM, tr, &Transport::VolumeM_Click);
    relier(t.VolumeP, tr, &Transport::VolumeP_Click);
    relier(t.Mute, tr, &Transport::Mute_Click);
    relier(t.Full, tr, &Transport::Full_Click);
    relier(t.TV, tr, &Transport::TV_Click);
    relier(t.Snap, tr, &Transport::Snap_Click);
    relier(t.Photographier, tr, &Transport::Photographier_Click);
    relier(t.Shift, tr, &Transport::Shift_Click);
    relier(t.Pause, tr, &Transport::Pause_Click);
    QObject::connect(t.StopAll, &QPushButton::clicked, &app.moteur, [&app] { app.moteur.StopAll_Click(); });
    QObject::connect(&tr, &Transport::photoEnCours, &t, &PanneauTelecommande::afficherPhotoEnCours);
    QObject::connect(&tr, &Transport::tampon, &app.fond, &Fond::afficherTampon);
    QObject::connect(t.ProgChaine2, &QPushButton::clicked, &app.fond.chaines(),
                     [&app] { app.fond.chaines().setFocus(); });
}

// The manual recording and its duration pop-up.
void cablerEnregistrement(Application& app)
{
    PanneauTelecommande& t = app.fond.telecommande();
    EnregistrementManuel& e = app.enregistrement;
    relier(t.Enregistrer, e, &EnregistrementManuel::Enregistrer_Click);
    relier(t.Rec, e, &EnregistrementManuel::Rec_Click);
    relier(t.EnregistrerX, e, &EnregistrementManuel::EnregistrerX_Click);
    QObject::connect(&app.fond.duree(), &PopupDuree::choisi, &e, &EnregistrementManuel::Duree_Click);
    QObject::connect(&e, &EnregistrementManuel::dureeAffichee, &app.fond, &Fond::afficherDuree);
}

// The schedule: its pane, the clock and the saves it asks for.
void cablerProgrammation(Application& app)
{
    VoletProgrammation& v = app.fond.programmation();
    Programmation& p = app.programmation;
    QObject::connect(app.fond.telecommande().Guider, &QPushButton::clicked, &p, [&app] {
        if (app.fond.Guider_Click())
            app.programmation.InitialiserEditeur();
    });
    QObject::connect(&v, &VoletProgrammation::ajouter, &p, [&v, &p] { p.ProgOK_Click(v.valeurs()); });
    QObject::connect(&v, &VoletProgrammation::stopper, &p, &Programmation::Stopper_Click);
    QObject::connect(&v, &VoletProgrammation::modifier, &p, &Programmation::Modifier_Click);
    QObject::connect(&v, &VoletProgrammation::supprimer, &p, &Programmation::SupprimerSelection_Click);
    QObject::connect(&v, &VoletProgrammation::toutSupprimer, &p, &Programmation::ToutSupprimer_Click);
    QObject::connect(&v, &VoletProgrammation::nettoyer, &p, &Programmation::Nettoyer_Click);
    QObject::connect(&v, &VoletProgrammation::annulerExtinction, &p, &Programmation::ExtinctionOFF_Click);
    QObject::connect(&v, &VoletProgrammation::ligneChoisie, &p, &Programmation::ProgListe_Click);
    QObject::connect(&v, &VoletProgrammation::extinctionChangee, &p, &Programmation::Extinction_Click);

    QObject::connect(&p, &Programmation::programmesAffiches, &v, &VoletProgrammation::afficherListe);
    QObject::connect(&p, &Programmation::editeurEcrit, &v, &VoletProgrammation::definirValeurs);
    QObject::connect(&p, &Programmation::espaceLibreAffiche, &v, &VoletProgrammation::afficherEspaceLibre);
    QObject::connect(&p, &Programmation::extinctionOFFAffichee, &v, &VoletProgrammation::afficherExtinctionOFF);
    QObject::connect(&p, &Programmation::progressionAffichee, &app.fond.telecommande(),
                     &PanneauTelecommande::afficherProgression);
    QObject::connect(&p, &Programmation::enregistrementDemande, &p, [&app] { app.EcrireParametres(); });
}

// The options pane's controls, wired when the pane is built.
void cablerPanneauOptions(Application& app, PanneauOptions& p)
{
    Options& o = app.options;
    relier(p.bouton("ClavierListe"), o, &Options::ClavierListe_Click);
    relier(p.bouton("Réinitialiser"), o, &Options::Reinitialiser_Click);
    relier(p.bouton("MAJcfg"), o, &Options::MAJcfg_Click);
    relier(p.bouton("FRPLtexte"), o, &Options::FRPLtexte_Click);
    relier(p.bouton("AllerSite"), o, &Options::AllerSite_Click);
    relier(p.bouton("AllerFAQ"), o, &Options::AllerFAQ_Click);
    relier(p.bouton("AllerForums"), o, &Options::AllerForums_Click);
    relier(p.bouton("MAJexe"), o, &Options::MAJexe_Click);
    QObject::connect(p.bouton("AutoSél"), &QPushButton::clicked, &o,
                     [&o, &p] { p.definirProgramme(o.AutoSel_Click(p.programme())); });
    QObject::connect(p.bouton("RECpath0"), &QPushButton::clicked, &o,
                     [&o, &p] { p.definirDossier(o.RECpath0_Click(p.dossier())); });
    QObject::connect(&p, &PanneauOptions::textureChoisie, &app.fond, [&app](int choix) {
        app.fond.definirTexture(TextureFond(choix, 1, app.session.DossierProgramme));
    });
    QObject::connect(p.Retour, &QPushButton::clicked, &o, [&app, &p] {
        ContenuParametres valeurs = app.session.parametres;
        p.lire(valeurs);
        if (!app.options.Retour_Click(valeurs))
            p.afficher(app.session.parametres);  // still open: shows what was kept
    });
    QObject::connect(&o, &Options::ferme, &p, [&app, &p] {
        p.Onglets_Click(1);
        app.fond.Retour_Click();
    });

    // The favourites editor edits the session's table.
    EditeurFavoris& e = p.favoris();
    const auto montrer = [&app, &e](int groupe) { e.afficher(app.session.parametres.favoris, groupe); };
    QObject::connect(&e, &EditeurFavoris::groupeChoisi, &o, montrer);
    QObject::connect(&e, &EditeurFavoris::emplacementChoisi, &o, &Options::ListeFav_Click);
    QObject::connect(&e, &EditeurFavoris::renommageDemande, &o, [&o, montrer](int groupe, const QString& nom) {
        o.ModifierFav_Click(groupe, nom);
        montrer(groupe);
    });
    QObject::connect(&e, &EditeurFavoris::effacementDemande, &o, [&o, montrer](int groupe) {
        o.EffacerFav_Click(groupe);
        montrer(groupe);
    });
}

// The options pane's controller and the main panel's button that opens the pane.
void cablerOptions(Application& app)
{
    app.options.definirEcriture([&app] { return app.EcrireParametres(); });
    QObject::connect(app.fond.telecommande().Options, &QPushButton::clicked, &app.options,
                     [&app] { ouvrirOptions(app); });
}

// The window's life: the clock, the close and the operations it waits for.
void cablerFenetre(Application& app)
{
    QObject::connect(&app.horloge, &QTimer::timeout, &app.moteur, [&app] { app.Horloge_Timer(); });
    QObject::connect(&app.moteur, &Moteur::operationsTerminees, &app.moteur, [&app] { app.apresOperations(); });
    app.fond.definirGardienFermeture([&app](bool parUtilisateur) { return app.Form_QueryUnload(parUtilisateur); });
    QObject::connect(app.fond.telecommande().Quitter, &QPushButton::clicked, &app.fond, [&app] { app.fond.close(); });
}
}  // namespace

void cabler(Application& app)
{
    cablerMoteur(app);
    cablerChaines(app);
    cablerTransport(app);
    cablerEnregistrement(app);
    cablerProgrammation(app);
    cablerOptions(app);
    cablerFenetre(app);
}

void ouvrirOptions(Application& app, int onglet, int groupe, int emplacement)
{
    auto* p = qobject_cast<PanneauOptions*>(app.fond.options());
    if (!p) {
        p = new PanneauOptions(app.session.DossierProgramme);
        app.fond.installerOptions(p);
        p->favoris().definirChaines(app.session.chaines.noms());
        cablerPanneauOptions(app, *p);
    }
    if (onglet > 0)
        p->Onglets_Click(onglet);
    p->afficher(app.session.parametres);
    p->favoris().afficher(app.session.parametres.favoris, groupe);
    app.options.Options_Click();
    app.fond.Options_Click();
    if (emplacement > 0)
        p->favoris().focaliser(emplacement);
}
