#include "app/Cablages.h"

#include "app/Application.h"
#include "app/Composition.h"
#include "panes/EditeurFavoris.h"
#include "shell/CadreOptions.h"
#include "shell/Fond.h"
#include "shell/PanneauOptions.h"
#include "shell/PanneauTelecommande.h"
#include "shell/Textures.h"

namespace {
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
}  // namespace

// The options pane's controller, the pane the shell builds when first opened, and what opens it.
void cablerOptions(const Assemblage& app)
{
    Options& o = app.parties.options;
    CadreOptions& cadre = app.fond.cadreOptions();
    QObject::connect(&o, &Options::ouvertureDemandee, &cadre, &CadreOptions::ouvrir);
    QObject::connect(&cadre, &CadreOptions::construit, &o, [&app](PanneauOptions& p) { cablerPanneauOptions(app, p); });
    // The editor opens on the group the buttons show; "OK" repaints them.
    QObject::connect(&app.fond.telecommande(), &PanneauTelecommande::Options_Click, &o,
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
