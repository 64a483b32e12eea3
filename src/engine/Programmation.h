#pragma once
#include "engine/DecisionsHorloge.h"
#include "engine/ProgListe.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class Moteur;
class Sauvegarde;
struct Plateforme;
struct Session;

// The recording schedule as the window runs it: the editor's buttons, the 10-second clock
// and what it starts and ends, the free-space display and the automatic shutdown.
class Programmation : public QObject {
    Q_OBJECT
public:
    // What the user is told when the system refuses the shutdown, or its cancellation.
    static inline const QString kEchecExtinction = QStringLiteral(
        "L'extinction automatique n'a pas pu être programmée :\n"
        "l'ordinateur ne sera pas éteint à la fin de l'enregistrement.");
    static inline const QString kEchecAnnulationExtinction = QStringLiteral(
        "L'extinction automatique n'a pas pu être annulée :\n"
        "l'ordinateur s'éteindra comme prévu.");

    Programmation(Session& session, Moteur& moteur, Plateforme& plateforme, Sauvegarde& sauvegarde)
        : session_(session), moteur_(moteur), plateforme_(plateforme), sauvegarde_(sauvegarde)
    {
    }

    // Start-up: every stored entry goes through the add operation again, silently.
    void Recharger(const QStringList& lignes);

    // Adds an entry, over the merge questions it needs; `ajoute` runs once it is in the list.
    void AjouterProgramme(const ValeursEditeur& valeurs, bool demander, std::function<void()> ajoute = {});
    // The editor's "+" with the values the editor shows.
    void ProgOK_Click(const ValeursEditeur& valeurs);
    // A guide row to programme: the editor shows it, it is added interactively and, once
    // added, the user is told.
    void ProgrammerDepuisGuide(const ValeursEditeur& valeurs);
    // A tab of the guide pane was chosen: the schedule's tab starts with a fresh editor.
    void GuiderOnglets_Click(int onglet);
    void Stopper_Click();
    void Modifier_Click();
    void SupprimerSelection_Click();
    void ToutSupprimer_Click();
    void Nettoyer_Click();
    void ProgListe_Click(int index);
    void Extinction_Click(bool cochee);
    void ExtinctionOFF_Click();
    void AfficherEspaceLibre();
    // The editor as the programming tab shows it when it opens.
    void InitialiserEditeur();
    // The schedule's pane, built after start-up, is shown the list. (Its shutdown box can be
    // ticked only there: no shutdown is programmed before it is built.)
    void afficherVolet();

    void Horloge_Timer();

signals:
    // The schedule list, its selected line and the editor's buttons.
    void programmesAffiches(const QStringList& lignes, int selection, const BoutonsProgramme& boutons);
    void editeurEcrit(const ValeursEditeur& valeurs);
    // Progress of the running scheduled recording (0 to 1) and its size and time left.
    void progressionAffichee(double fraction, const QString& texte);
    // Free space of the recording drive; fraction < 0 when the total is unknown.
    void espaceLibreAffiche(const QString& texte, double fraction);
    void extinctionOFFAffichee(bool visible);
    // The system took the shutdown: the user must see it and its cancel button at once, with
    // the notice `avis`.
    void extinctionProgrammee(const QString& avis);
    // Whether the shutdown box can be ticked: not while a program runs after each recording.
    void extinctionActivee(bool active);
    // A tick is to run now (after an interactive add or a stop request), through the clock's
    // own entry, which puts it off while an operation goes on.
    void ticDemande();

private:
    struct Tic;
    void ajouter(const ValeursEditeur& valeurs, bool demander, const Accord& accord, std::function<void()> ajoute);
    void stopper(const Accord& accord);
    void modifier(const Accord& accord);
    void supprimerSelection(const Accord& accord);
    void toutSupprimer(const Accord& accord);
    // Asks the step's question when it has one; after a Yes (acted on once no sequence runs)
    // `suite` makes the change again, on the list as it is then. False when nothing is asked.
    template <typename R>
    bool demander(const Etape<R>& etape, void (Programmation::*suite)(const Accord&));
    void rafraichir();
    // ChangerEtat(32) and the stop; `ensuite` once stopped.
    void arreterProgramme(std::function<void()> ensuite);
    void apresSuppression(const ResultatSuppression& r);
    void decider(const std::shared_ptr<Tic>& t, const std::optional<QString>& echec);
    // Carries out the tick's decisions, from where it stopped last.
    void executer(const std::shared_ptr<Tic>& t);
    void demarrerProgramme(Tic& t, const ActionHorloge& a);

    Session& session_;
    Moteur& moteur_;
    Plateforme& plateforme_;
    Sauvegarde& sauvegarde_;
};
