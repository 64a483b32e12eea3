#include "app/Cablages.h"

#include "app/Application.h"
#include "app/Composition.h"
#include "panes/VoletAfficher.h"
#include "panes/VueChaine.h"
#include "platform/Plateforme.h"
#include "shell/Fond.h"

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
                     [&app, &v] { v.accueillirVue(app.plateforme.vue); });

    QObject::connect(&v, &VoletAfficher::ongletChoisi, &m, &Medias::AfficherOnglets_Click);
    QObject::connect(&v, &VoletAfficher::tailleVueChangee, &d, &VueDirecte::definirTailleVue);
    QObject::connect(&v, &VoletAfficher::tuileRelachee, &m, &Medias::Mosaic_MouseUp);
    QObject::connect(&v, &VoletAfficher::fichierChoisi, &l, &Mediatheque::AfficherListe_Click);
    QObject::connect(&v, &VoletAfficher::fichierDoubleClique, &l, &Mediatheque::AfficherListe_DblClick);
    QObject::connect(&v, &VoletAfficher::AfficherRegarder_Click, &l, &Mediatheque::AfficherRegarder_Click);
    QObject::connect(&v, &VoletAfficher::AfficherEffacer_Click, &l, &Mediatheque::AfficherEffacer_Click);
    QObject::connect(&v, &VoletAfficher::AfficherTout_Click, &l, &Mediatheque::AfficherTout_Click);
    QObject::connect(&v, &VoletAfficher::AfficherAutres_Click, &l, &Mediatheque::AfficherAutres_Click);
    QObject::connect(&v, &VoletAfficher::AfficherRefresh_Click, &l, &Mediatheque::AfficherRefresh_Click);
    QObject::connect(&v, &VoletAfficher::TV2_Click, &l, &Mediatheque::TV2_Click);

    // The compact row: sound, snapshot and channel steps on the view; record and on-top
    // through the same paths as the remote's buttons.
    QObject::connect(&v, &VoletAfficher::Mute2_Click, &d, &VueDirecte::Mute2_Click);
    QObject::connect(&v, &VoletAfficher::volume2Change, &d, &VueDirecte::Volume2_Scroll);
    QObject::connect(&d, &VueDirecte::sonAffiche, &v, &VoletAfficher::afficherSon);
    QObject::connect(&v, &VoletAfficher::Snap2_Click, &d, [&d] { d.Snap2_Click(); });
    QObject::connect(&v, &VoletAfficher::ChaineM2_Click, &d, &VueDirecte::ChaineM2_Click);
    QObject::connect(&v, &VoletAfficher::ChaineP2_Click, &d, &VueDirecte::ChaineP2_Click);
    QObject::connect(&v, &VoletAfficher::Rec2_Click, &app.parties.enregistrement, &EnregistrementManuel::Rec2_Click);
    QObject::connect(&v, &VoletAfficher::TopR2_Click, &a, &AppliqueurForme::TopR_Click);
    QObject::connect(&v, &VoletAfficher::Mini2_Click, &a, &AppliqueurForme::Mini2_Click);
    QObject::connect(&v, &VoletAfficher::Full2_Click, &a, &AppliqueurForme::Full2_Click);
    QObject::connect(&v, &VoletAfficher::SizeBar1_Click, &a, &AppliqueurForme::SizeBar1_Click);
    QObject::connect(&v, &VoletAfficher::SizeBarF_Click, &a, &AppliqueurForme::SizeBarF_Click);
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
