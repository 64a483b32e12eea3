#include "app/Cablages.h"

#include "app/Application.h"
#include "app/Composition.h"
#include "engine/GuideTV.h"
#include "panes/VoletGuide.h"
#include "panes/VoletProgrammation.h"
#include "panes/VueChaine.h"
#include "shell/Fond.h"
#include "shell/PanneauTelecommande.h"

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

void montrerVoletGuide(const Assemblage& app, VoletProgrammation& p)
{
    const Session& s = app.parties.session;
    p.definirChaine(CalculerVueChaine(s.chaines, s.chaineSelectionnee).progChaine);
    app.parties.programmation.afficherVolet();
}
