#include "app/Cablage.h"

#include "app/Application.h"
#include "app/Composition.h"
#include "engine/GuideTV.h"
#include "platform/Plateforme.h"
#include "panes/PanneauChaines.h"
#include "panes/PanneauFavoris.h"
#include "panes/VoletAfficher.h"
#include "panes/VoletGuide.h"
#include "panes/VoletProgrammation.h"
#include "panes/VueChaine.h"
#include "shell/CadreOptions.h"
#include "shell/FiltreClavier.h"
#include "shell/Fond.h"
#include "shell/PanneauTelecommande.h"
#include "shell/PanneauOptions.h"
#include "shell/PopupDuree.h"
#include "shell/VoletDiffusion.h"
#include "shell/VoletsLateraux.h"
#include "shell/Textures.h"
#include "panes/EditeurFavoris.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QSlider>

#include <functional>
#include <map>

namespace {
template <typename Controleur>
void relier(QPushButton* bouton, Controleur& controleur, void (Controleur::*action)())
{
    QObject::connect(bouton, &QPushButton::clicked, &controleur, [&controleur, action] { (controleur.*action)(); });
}

// The player state, the title, the toggles and the waits of the engine, shown by the window.
void cablerMoteur(const Assemblage& app)
{
    Fond& f = app.fond;
    PanneauTelecommande& t = f.telecommande();
    Moteur& m = app.parties.moteur;
    QObject::connect(&m, &Moteur::etatChange, &f, [&f, &t](const VueEtat& v) {
        t.afficherEtat(v);
        f.definirIconeEnregistrement(v.iconeEnregistrement);
    });
    QObject::connect(&m, &Moteur::titreChange, &f, &Fond::definirTitre);
    QObject::connect(&m, &Moteur::basculesChangees, &t, &PanneauTelecommande::afficherBascules);
    QObject::connect(&m, &Moteur::activationDemandee, &f, &Fond::activer);
    QObject::connect(&m, &Moteur::focusDemande, &f, &Fond::reprendreFocus);
    QObject::connect(&m, &Moteur::chaineSelectionnee, &f,
                     [&app](int index) { app.fond.selectionnerChaine(index, CalculerVueChaine(app.parties.session.chaines, index)); });
}

// The channel column.
void cablerChaines(const Assemblage& app)
{
    PanneauChaines& c = app.fond.chaines();
    QObject::connect(&c, &PanneauChaines::chaineChoisie, &app.parties.moteur, &Moteur::Chaines_Click);
    QObject::connect(&app.parties.moteur, &Moteur::chainesChangees, &c, &PanneauChaines::afficherChaines);
    QObject::connect(&c, &PanneauChaines::chaineDoubleCliquee, &app.parties.moteur, [&app] { app.application.Chaines_DblClick(); });
    relier(c.ChaineM, app.parties.transport, &Transport::ChaineM_Click);
    relier(c.ChaineP, app.parties.transport, &Transport::ChaineP_Click);
    relier(c.Fav, app.etatFenetre, &EtatFenetre::Fav_Click);
}

// The favourites frame: the groups, the clicks on the favourites and the right-button swap.
void cablerFavoris(const Assemblage& app)
{
    PanneauFavoris& p = app.fond.chaines().favoris();
    Favoris& f = app.parties.favoris;
    QObject::connect(&p, &PanneauFavoris::groupeChoisi, &f, &Favoris::selectionnerGroupe);
    relier(p.FavorisM, f, &Favoris::FavorisM_Click);
    relier(p.FavorisP, f, &Favoris::FavorisP_Click);
    QObject::connect(&p, &PanneauFavoris::favoriClique, &f, &Favoris::Favori_Click);
    QObject::connect(&p, &PanneauFavoris::glissementCommence, &f, &Favoris::Favori_MouseDown);
    QObject::connect(&p, &PanneauFavoris::glissementTermine, &f, &Favoris::Favori_DragDrop);
    QObject::connect(&f, &Favoris::groupesNommes, &p, &PanneauFavoris::definirGroupes);
    QObject::connect(&f, &Favoris::groupeAffiche, &p, &PanneauFavoris::afficherGroupe);
    QObject::connect(&f, &Favoris::regarderDemande, &app.parties.transport, [&app] { app.parties.transport.Play_Click(); });
    QObject::connect(&f, &Favoris::afficherDemande, &f, [&app] { app.application.Chaines_DblClick(); });
    // Favori(0) shows the selected channel.
    QObject::connect(&app.parties.moteur, &Moteur::chaineSelectionnee, &p,
                     [&app, &p] { p.AfficherLogoFavori(app.parties.session.nomChaineSelectionnee(), 0); });
}

// Watching, time-shift and the keystrokes.
void cablerTransport(const Assemblage& app)
{
    PanneauTelecommande& t = app.fond.telecommande();
    Transport& tr = app.parties.transport;
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
    QObject::connect(t.StopAll, &QPushButton::clicked, &app.parties.moteur, [&app] { app.parties.moteur.StopAll_Click(); });
    QObject::connect(&tr, &Transport::photoEnCours, &t, &PanneauTelecommande::afficherPhotoEnCours);
    QObject::connect(&tr, &Transport::tampon, &app.fond, &Fond::afficherTampon);
    QObject::connect(app.fond.ProgChaine2, &QPushButton::clicked, &app.fond.chaines(),
                     [&app] { app.fond.chaines().setFocus(); });
}

// The manual recording and its duration pop-up.
void cablerEnregistrement(const Assemblage& app)
{
    PanneauTelecommande& t = app.fond.telecommande();
    EnregistrementManuel& e = app.parties.enregistrement;
    relier(t.Enregistrer, e, &EnregistrementManuel::Enregistrer_Click);
    relier(t.Rec, e, &EnregistrementManuel::Rec_Click);
    relier(t.EnregistrerX, e, &EnregistrementManuel::EnregistrerX_Click);
    QObject::connect(&app.fond.duree(), &PopupDuree::choisi, &e, &EnregistrementManuel::Duree_Click);
    QObject::connect(&e, &EnregistrementManuel::dureeAffichee, &app.fond, &Fond::afficherDuree);
}

// The schedule's pane, wired when the guide pane is built.
void cablerVoletProgrammation(const Assemblage& app, VoletProgrammation& v)
{
    Programmation& p = app.parties.programmation;
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
    QObject::connect(&p, &Programmation::extinctionActivee, &v, &VoletProgrammation::activerExtinction);
}

// The schedule: the clock, its progress on the remote and the saves it asks for.
void cablerProgrammation(const Assemblage& app)
{
    Programmation& p = app.parties.programmation;
    QObject::connect(&p, &Programmation::progressionAffichee, &app.fond.telecommande(),
                     &PanneauTelecommande::afficherProgression);
    // The shutdown is set: the schedule and its cancel button come in sight. The options pane
    // would hide them: it closes as "OK" does, keeping what it shows.
    QObject::connect(&p, &Programmation::extinctionProgrammee, &app.fond, [&app](const QString& avis) {
        if (app.etatFenetre.optionsOuvertes())
            app.parties.options.Retour_Click();
        app.fond.avertirExtinction(avis);
    });
    QObject::connect(&p, &Programmation::ticDemande, &p, [&app] { app.application.Horloge_Timer(); });
}

// The options pane's controls, wired when the shell has built the pane.
void cablerPanneauOptions(const Assemblage& app, PanneauOptions& p)
{
    Options& o = app.parties.options;
    relier(p.ClavierListe, o, &Options::ClavierListe_Click);
    relier(p.Reinitialiser, o, &Options::Reinitialiser_Click);
    relier(p.MAJcfg, o, &Options::MAJcfg_Click);
    relier(p.FRPLtexte, o, &Options::FRPLtexte_Click);
    relier(p.AllerSite, o, &Options::AllerSite_Click);
    relier(p.AllerFAQ, o, &Options::AllerFAQ_Click);
    relier(p.AllerForums, o, &Options::AllerForums_Click);
    relier(p.MAJexe, o, &Options::MAJexe_Click);
    QObject::connect(p.AutoSel, &QPushButton::clicked, &o, [&o, &p] { o.AutoSel_Click(p.programme()); });
    QObject::connect(&o, &Options::programmeChoisi, &p, [&p](const QString& c) { p.definirProgramme(c); });
    QObject::connect(p.RECpath0, &QPushButton::clicked, &o, [&o, &p] { o.RECpath0_Click(p.dossier()); });
    QObject::connect(&o, &Options::dossierChoisi, &p, [&p](const QString& c) { p.definirDossier(c); });
    QObject::connect(&p, &PanneauOptions::textureChoisie, &app.fond,
                     [&app](int choix) { app.fond.definirTexture(TextureFond(choix, 1, app.parties.session.DossierProgramme)); });
    QObject::connect(&o, &Options::valeursDemandees, &p, &PanneauOptions::lire);
    QObject::connect(&o, &Options::valeursAffichees, &p, &PanneauOptions::afficher);
    QObject::connect(p.Retour, &QPushButton::clicked, &o, [&o] { o.Retour_Click(); });
    QObject::connect(&o, &Options::ferme, &p, [&p] { p.Onglets_Click(1); });

    // The favourites editor edits the session's table.
    EditeurFavoris& e = p.favoris();
    const auto montrer = [&app, &e](int groupe) { e.afficher(app.parties.session.parametres.favoris, groupe); };
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

// The options pane's controller, the pane the shell builds when first opened, and what opens it.
void cablerOptions(const Assemblage& app)
{
    Options& o = app.parties.options;
    CadreOptions& cadre = app.fond.cadreOptions();
    QObject::connect(&o, &Options::ouvertureDemandee, &cadre, &CadreOptions::ouvrir);
    QObject::connect(&cadre, &CadreOptions::construit, &o, [&app](PanneauOptions& p) { cablerPanneauOptions(app, p); });
    // The editor opens on the group the buttons show; "OK" repaints them.
    QObject::connect(app.fond.telecommande().Options, &QPushButton::clicked, &o,
                     [&app] { app.parties.options.Ouvrir(0, app.parties.favoris.groupe()); });
    QObject::connect(&app.parties.favoris, &Favoris::definitionDemandee, &o,
                     [&app](int emplacement) { app.parties.options.Ouvrir(4, app.parties.favoris.groupe(), emplacement); });
    QObject::connect(&o, &Options::favorisRafraichis, &app.parties.favoris, &Favoris::FavorisListe_Click);
    QObject::connect(&o, &Options::groupesRenommes, &app.parties.favoris, &Favoris::afficherGroupes);
    QObject::connect(&o, &Options::connexionAffichee, &app.fond, &Fond::attendreConnexion);
    // What "OK" confirmed acts now: the forms' options, the autostart entry.
    QObject::connect(&o, &Options::ferme, &app.fond,
                     [&app] { app.fond.definirOptionsForme(optionsForme(app.parties.session.parametres.p)); });
    QObject::connect(&o, &Options::demarrageAutomatiqueChange, &app.fond,
                     [&app] { app.application.ecrireDemarrageAutomatique(); });
}

// The guide pane: the TV guide, programming from it, the audience.
void cablerGuide(const Assemblage& app)
{
    GuideTV* g = &app.parties.guide;

    // The tab chosen is the window's state; the schedule's tab starts with a fresh editor.
    EtatFenetre& e = app.etatFenetre;
    QObject::connect(&e, &EtatFenetre::ongletGuideChoisi, &app.parties.programmation, &Programmation::GuiderOnglets_Click);
    QObject::connect(&e, &EtatFenetre::ongletGuideChoisi, g, &GuideTV::GuiderOnglets_Click);
    QObject::connect(&app.parties.moteur, &Moteur::chaineSelectionnee, g, &GuideTV::Chaines_Click);
    QObject::connect(g, &GuideTV::programmeDemande, &app.parties.programmation, &Programmation::ProgrammerDepuisGuide);
    QObject::connect(g, &GuideTV::connexionAffichee, &app.fond, &Fond::attendreConnexion);
}

// The guide pane's controls, wired when it is built: its tabs, the guide's pages, the audience.
void cablerVoletGuide(const Assemblage& app, VoletGuide& v)
{
    GuideTV* g = &app.parties.guide;
    QObject::connect(&v, &VoletGuide::ongletChoisi, &app.etatFenetre, &EtatFenetre::choisirOngletGuide);
    QObject::connect(&v, &VoletGuide::jourChoisi, g, &GuideTV::GuideDate_Click);
    QObject::connect(&v, &VoletGuide::ligneChoisie, g, &GuideTV::GuideListe_Click);
    QObject::connect(&v, &VoletGuide::ligneDoubleCliquee, g, &GuideTV::GuideProg_Click);
    QObject::connect(&v, &VoletGuide::frequenceChoisie, g, &GuideTV::GuideFreq_Click);
    QObject::connect(&v, &VoletGuide::programmer, g, &GuideTV::GuideProg_Click);
    QObject::connect(&v, &VoletGuide::resume, g, &GuideTV::GuideResume_Click);
    QObject::connect(&v, &VoletGuide::actualiserAudience, g, &GuideTV::Refresh15_Click);

    QObject::connect(g, &GuideTV::joursAffiches, &v, &VoletGuide::afficherJours);
    QObject::connect(g, &GuideTV::lignesAffichees, &v, &VoletGuide::afficherLignes);
    QObject::connect(g, &GuideTV::boutonsAffiches, &v, &VoletGuide::afficherBoutons);
    QObject::connect(g, &GuideTV::frequenceAffichee, &v, &VoletGuide::afficherFrequence);
    QObject::connect(g, &GuideTV::audienceAffichee, &v, &VoletGuide::afficherAudience);
    QObject::connect(g, &GuideTV::connexionAffichee, &v, &VoletGuide::AfficherConnexion);
}

// The window's forms, its side pane and its services. The side pane's steps count as an
// engine operation: the clock's tick and a close wait for their end.
void cablerFormes(const Assemblage& app)
{
    Fond& f = app.fond;
    AppliqueurForme& a = f.appliqueur();
    PanneauTelecommande& t = f.telecommande();
    relier(f.Mini, a, &AppliqueurForme::Mini_Click);
    // The media pane follows the window's state: it starts what its tab shows when it opens.
    relier(f.GoAfficher, a, &AppliqueurForme::GoAfficher_Click);
    relier(f.GoGuider, a, &AppliqueurForme::GoGuider_Click);
    relier(f.GoDiffuser, a, &AppliqueurForme::GoDiffuser_Click);
    QObject::connect(t.Afficher, &QPushButton::clicked, &a, [&a] { a.Afficher_Click(); });
    QObject::connect(t.Guider, &QPushButton::clicked, &a, [&a] { a.Guider_Click(); });
    QObject::connect(t.Diffuser, &QPushButton::clicked, &a, [&a] { a.Diffuser_Click(); });
    relier(t.TopR, a, &AppliqueurForme::TopR_Click);
    relier(t.Reduire, f, &Fond::Reduire_Click);
    QObject::connect(&a, &AppliqueurForme::animationCommencee, &app.parties.moteur, [&app] { app.application.debutAnimation(); });
    QObject::connect(&a, &AppliqueurForme::animationTerminee, &app.parties.moteur, [&app] { app.application.finAnimation(); });
}


// The media pane: its tabs and frames, the mosaic, the live view and its compact row, the
// recordings and the snapshots.
void cablerMedias(const Assemblage& app)
{
    Medias& m = app.parties.medias;
    VueDirecte& d = m.vueDirecte();
    // The pane's fold is the window's form, which the controller follows.
    AppliqueurForme& a = app.fond.appliqueur();
    QObject::connect(&m, &Medias::basculementDemande, &a, [&a] { a.Afficher_Click(); });
    QObject::connect(&a, &AppliqueurForme::mosaiqueDemandee, &m, &Medias::Mosaique_Demandee);
    // A tile's click is a favourite's: left watches, right shows.
    QObject::connect(&m, &Medias::favoriDemande, &app.parties.favoris, &Favoris::Favori_Click);
    QObject::connect(&app.parties.favoris, &Favoris::groupeAffiche, &m, &Medias::definirGroupe);
    // The live view follows the channel selection.
    QObject::connect(&app.parties.moteur, &Moteur::chaineSelectionnee, &d, &VueDirecte::Chaines_Click);
    // The single stream goes to the external player; a stop shows the new recordings.
    QObject::connect(&app.parties.moteur, &Moteur::etatChange, &m, &Medias::etatChange);
    // A snapshot of the external player shows in the list.
    QObject::connect(&app.parties.transport, &Transport::photoEnCours, &m.mediatheque(), &Mediatheque::photoEnCours);
}

// The media pane's controls, wired when it is built.
void cablerVoletAfficher(const Assemblage& app, VoletAfficher& v)
{
    Medias& m = app.parties.medias;
    VueDirecte& d = m.vueDirecte();
    Mediatheque& l = m.mediatheque();
    Mosaique& mo = m.mosaique();
    AppliqueurForme& a = app.fond.appliqueur();
    // The view's native window is made when it first plays, not at start-up.
    QObject::connect(&d, &VueDirecte::vuePremiereFois, &v,
                     [&app, &v] { app.plateforme.vue.placerDans(v.FondActiveX); });

    QObject::connect(&v, &VoletAfficher::ongletChoisi, &m, &Medias::AfficherOnglets_Click);
    QObject::connect(&v, &VoletAfficher::tailleVueChangee, &d, &VueDirecte::definirTailleVue);
    QObject::connect(&v, &VoletAfficher::tuileRelachee, &m, &Medias::Mosaic_MouseUp);
    QObject::connect(&v, &VoletAfficher::fichierChoisi, &l, &Mediatheque::AfficherListe_Click);
    QObject::connect(&v, &VoletAfficher::fichierDoubleClique, &l, &Mediatheque::AfficherListe_DblClick);
    relier(v.AfficherRegarder, l, &Mediatheque::AfficherRegarder_Click);
    relier(v.AfficherEffacer, l, &Mediatheque::AfficherEffacer_Click);
    relier(v.AfficherTout, l, &Mediatheque::AfficherTout_Click);
    relier(v.AfficherAutres, l, &Mediatheque::AfficherAutres_Click);
    relier(v.AfficherRefresh, l, &Mediatheque::AfficherRefresh_Click);
    relier(v.TV2, l, &Mediatheque::TV2_Click);

    // The compact row: sound, snapshot and channel steps on the view; record and on-top
    // through the same paths as the remote's buttons.
    relier(v.Mute2, d, &VueDirecte::Mute2_Click);
    QObject::connect(&v, &VoletAfficher::volume2Change, &d, &VueDirecte::Volume2_Scroll);
    QObject::connect(&d, &VueDirecte::sonAffiche, &v, &VoletAfficher::afficherSon);
    QObject::connect(v.Snap2, &QPushButton::clicked, &d, [&d] { d.Snap2_Click(); });
    relier(v.ChaineM2, d, &VueDirecte::ChaineM2_Click);
    relier(v.ChaineP2, d, &VueDirecte::ChaineP2_Click);
    relier(v.Rec2, app.parties.enregistrement, &EnregistrementManuel::Rec2_Click);
    relier(v.TopR2, a, &AppliqueurForme::TopR_Click);
    relier(v.Mini2, a, &AppliqueurForme::Mini2_Click);
    relier(v.Full2, a, &AppliqueurForme::Full2_Click);
    relier(v.SizeBar1, a, &AppliqueurForme::SizeBar1_Click);
    relier(v.SizeBarF, a, &AppliqueurForme::SizeBarF_Click);
    QObject::connect(&v, &VoletAfficher::sizeBar2Change, &a, &AppliqueurForme::SizeBar2_Scroll);
    QObject::connect(&v, &VoletAfficher::origineVueChangee, &d,
                     [&app](const QPoint& twips) { app.plateforme.vue.placerConteneur(twips.x(), twips.y()); });
    QObject::connect(&app.parties.moteur, &Moteur::etatChange, &v, [&v](const VueEtat& e) { v.afficherRec(e.recGras); });
    QObject::connect(&app.parties.moteur, &Moteur::chaineSelectionnee, &v, [&app, &v](int index) {
        const VueChaine c = CalculerVueChaine(app.parties.session.chaines, index);
        v.afficherPasChaine(c.precedenteActive, c.suivanteActive);
    });

    QObject::connect(&m, &Medias::ongletAffiche, &v, &VoletAfficher::afficherOnglet);
    QObject::connect(&m, &Medias::cadreAffiche, &v, &VoletAfficher::afficherCadre);
    QObject::connect(&d, &VueDirecte::attenteAffichee, &v, &VoletAfficher::afficherAttente);
    QObject::connect(&l, &Mediatheque::listeAffichee, &v, &VoletAfficher::afficherListe);
    QObject::connect(&l, &Mediatheque::TV2Affiche, &v, &VoletAfficher::afficherTV2);
    QObject::connect(&mo, &Mosaique::tuileChangee, &v, [&v, &mo](int t) { v.afficherTuile(t, mo.tuile(t)); });
    QObject::connect(&mo, &Mosaique::cadreRouge, &v, &VoletAfficher::afficherCadreRouge);
    QObject::connect(&app.parties.favoris, &Favoris::groupeAffiche, &v, [&v](int g, const QStringList& noms) {
        v.afficherNoms(noms);
        v.afficherGroupeMosaique(g);
    });
    QObject::connect(&v, &VoletAfficher::MosaFavo_Click, &app.parties.favoris, &Favoris::selectionnerGroupe);
}

// A pane built after start-up shows what its controllers showed before it existed. The mosaic,
// the library and the guide's pages show nothing until their pane is open: they have nothing
// to give back.
void montrerVoletAfficher(const Assemblage& app, VoletAfficher& v)
{
    const Session& s = app.parties.session;
    Medias& m = app.parties.medias;
    const VueDirecte& d = m.vueDirecte();
    v.afficherRec(CalculerVueEtat(s.Etat, s.ChaineEnCours).recGras);
    const VueChaine c = CalculerVueChaine(s.chaines, s.chaineSelectionnee);
    v.afficherPasChaine(c.precedenteActive, c.suivanteActive);
    v.afficherNoms(app.parties.favoris.nomsGroupe());
    v.afficherGroupeMosaique(app.parties.favoris.groupe());
    v.afficherSon(d.volume(), d.muet());
    v.afficherOnglet(m.onglet());
    v.afficherCadre(m.cadre());
    v.afficherAttente(d.attenteVisible());
}

void montrerVoletGuide(const Assemblage& app, VoletProgrammation& p)
{
    const Session& s = app.parties.session;
    p.definirChaine(CalculerVueChaine(s.chaines, s.chaineSelectionnee).progChaine);
    app.parties.programmation.afficherVolet();
}

// The side panes, as each is built.
void cablerVolets(const Assemblage& app)
{
    VoletsLateraux& l = app.fond.volets();
    QObject::connect(&l, &VoletsLateraux::afficherConstruit, &l, [&app](VoletAfficher& v) {
        cablerVoletAfficher(app, v);
        montrerVoletAfficher(app, v);
    });
    QObject::connect(&l, &VoletsLateraux::guideConstruit, &l, [&app](VoletGuide& g, VoletProgrammation& p) {
        cablerVoletProgrammation(app, p);
        cablerVoletGuide(app, g);
        montrerVoletGuide(app, p);
    });
    QObject::connect(&l, &VoletsLateraux::diffusionConstruit, &l, [&app](VoletDiffusion& d) {
        QObject::connect(&d, &VoletDiffusion::logoClique, &app.parties.options,
                         [&app] { app.parties.options.Ouvrir(8, app.parties.favoris.groupe()); });
        const Session& s = app.parties.session;
        d.definirIconeEnregistrement(CalculerVueEtat(s.Etat, s.ChaineEnCours).iconeEnregistrement);
    });
}

// The keyboard shortcuts: one filter for the whole application, pressing the remote's buttons.
// A button is pressed through its own wiring, enabled or not; the favourites go to their
// controller. Buttons the window does not have are not pressed.
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
    // What each of the decoder's buttons presses: a control of the window through its own
    // wiring, the favourites through their controller, the view's volume through its slider.
    PanneauTelecommande& t = f.telecommande();
    PanneauChaines& c = f.chaines();
    Favoris& fav = app.parties.favoris;
    const auto presser = [](QPushButton* b) { return [b](int) { emit b->clicked(); }; };
    // The media pane's compact row, looked up when pressed: the pane is built when first shown.
    const auto rangee = [&f](QPushButton* const VoletAfficher::*bouton) {
        return [&f, bouton](int) { emit (f.afficher().*bouton)->clicked(); };
    };
    const std::map<BoutonClavier, std::function<void(int)>> table = {
        {BoutonClavier::Aucun, [](int) {}},
        {BoutonClavier::ChaineM, presser(c.ChaineM)},
        {BoutonClavier::ChaineP, presser(c.ChaineP)},
        {BoutonClavier::TopR, presser(t.TopR)},
        {BoutonClavier::Full, presser(t.Full)},
        {BoutonClavier::Full2, rangee(&VoletAfficher::Full2)},
        {BoutonClavier::Play, presser(t.Play)},
        {BoutonClavier::StopAll, presser(t.StopAll)},
        {BoutonClavier::Pause, presser(t.Pause)},
        {BoutonClavier::Rec, presser(t.Rec)},
        {BoutonClavier::Snap, presser(t.Snap)},
        {BoutonClavier::VolumeM, presser(t.VolumeM)},
        {BoutonClavier::VolumeP, presser(t.VolumeP)},
        {BoutonClavier::Volume2, [&f](int valeur) { f.afficher().Volume2->setValue(valeur); }},
        {BoutonClavier::Mute, presser(t.Mute)},
        {BoutonClavier::Mute2, rangee(&VoletAfficher::Mute2)},
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

// The window's life: the clock, the close and the operations it waits for.
void cablerFenetre(const Assemblage& app)
{
    QObject::connect(&app.parties.horloge, &QTimer::timeout, &app.parties.moteur, [&app] { app.application.Horloge_Timer(); });
    QObject::connect(&app.parties.moteur, &Moteur::operationsTerminees, &app.parties.moteur, [&app] { app.application.apresOperations(); });
    app.fond.definirGardienFermeture([&app](bool parUtilisateur) { return app.application.Form_QueryUnload(parUtilisateur); });
    QObject::connect(app.fond.telecommande().Quitter, &QPushButton::clicked, &app.fond, [&app] { app.fond.close(); });
}
}  // namespace

void cabler(const Assemblage& app)
{
    cablerMoteur(app);
    cablerChaines(app);
    cablerFavoris(app);
    cablerTransport(app);
    cablerEnregistrement(app);
    cablerProgrammation(app);
    cablerGuide(app);
    cablerFormes(app);
    cablerMedias(app);
    cablerVolets(app);
    cablerOptions(app);
    cablerClavier(app);
    cablerFenetre(app);
}
