#include "app/Cablage.h"
#include "app/Cablages.h"

#include "app/Application.h"
#include "app/Composition.h"
#include "platform/Plateforme.h"
#include "panes/PanneauChaines.h"
#include "panes/PanneauFavoris.h"
#include "panes/VueChaine.h"
#include "shell/Fond.h"
#include "shell/PanneauTelecommande.h"
#include "shell/PopupDuree.h"
#include "shell/VoletDiffusion.h"
#include "shell/VoletsLateraux.h"

#include <QPushButton>

namespace {
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
    QObject::connect(&t, &PanneauTelecommande::Play_Click, &tr, &Transport::Play_Click);
    QObject::connect(&t, &PanneauTelecommande::Regarder_Click, &tr, &Transport::Regarder_Click);
    QObject::connect(&t, &PanneauTelecommande::RegarderX_Click, &tr, &Transport::RegarderX_Click);
    QObject::connect(&t, &PanneauTelecommande::VolumeM_Click, &tr, &Transport::VolumeM_Click);
    QObject::connect(&t, &PanneauTelecommande::VolumeP_Click, &tr, &Transport::VolumeP_Click);
    QObject::connect(&t, &PanneauTelecommande::Mute_Click, &tr, &Transport::Mute_Click);
    QObject::connect(&t, &PanneauTelecommande::Full_Click, &tr, &Transport::Full_Click);
    QObject::connect(&t, &PanneauTelecommande::TV_Click, &tr, &Transport::TV_Click);
    QObject::connect(&t, &PanneauTelecommande::Snap_Click, &tr, &Transport::Snap_Click);
    QObject::connect(&t, &PanneauTelecommande::Photographier_Click, &tr, &Transport::Photographier_Click);
    QObject::connect(&t, &PanneauTelecommande::Shift_Click, &tr, &Transport::Shift_Click);
    QObject::connect(&t, &PanneauTelecommande::Pause_Click, &tr, &Transport::Pause_Click);
    QObject::connect(&t, &PanneauTelecommande::StopAll_Click, &app.parties.moteur, [&app] { app.parties.moteur.StopAll_Click(); });
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
    QObject::connect(&t, &PanneauTelecommande::Enregistrer_Click, &e, &EnregistrementManuel::Enregistrer_Click);
    QObject::connect(&t, &PanneauTelecommande::Rec_Click, &e, &EnregistrementManuel::Rec_Click);
    QObject::connect(&t, &PanneauTelecommande::EnregistrerX_Click, &e, &EnregistrementManuel::EnregistrerX_Click);
    QObject::connect(&app.fond.duree(), &PopupDuree::choisi, &e, &EnregistrementManuel::Duree_Click);
    QObject::connect(&e, &EnregistrementManuel::dureeAffichee, &app.fond, &Fond::afficherDuree);
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
    QObject::connect(&t, &PanneauTelecommande::Afficher_Click, &a, [&a] { a.Afficher_Click(); });
    QObject::connect(&t, &PanneauTelecommande::Guider_Click, &a, [&a] { a.Guider_Click(); });
    QObject::connect(&t, &PanneauTelecommande::Diffuser_Click, &a, [&a] { a.Diffuser_Click(); });
    QObject::connect(&t, &PanneauTelecommande::TopR_Click, &a, &AppliqueurForme::TopR_Click);
    QObject::connect(&t, &PanneauTelecommande::Reduire_Click, &f, &Fond::Reduire_Click);
    QObject::connect(&a, &AppliqueurForme::animationCommencee, &app.parties.moteur, [&app] { app.application.debutAnimation(); });
    QObject::connect(&a, &AppliqueurForme::animationTerminee, &app.parties.moteur, [&app] { app.application.finAnimation(); });
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

// The window's life: the clock, the close and the operations it waits for.
void cablerFenetre(const Assemblage& app)
{
    QObject::connect(&app.parties.horloge, &QTimer::timeout, &app.parties.moteur, [&app] { app.application.Horloge_Timer(); });
    QObject::connect(&app.parties.moteur, &Moteur::operationsTerminees, &app.parties.moteur, [&app] { app.application.apresOperations(); });
    app.fond.definirGardienFermeture([&app](bool parUtilisateur) { return app.application.Form_QueryUnload(parUtilisateur); });
    QObject::connect(&app.fond.telecommande(), &PanneauTelecommande::Quitter_Click, &app.fond, [&app] { app.fond.close(); });
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
