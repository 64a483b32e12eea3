#pragma once
#include "core/Audience.h"
#include "core/PagesGuide.h"
#include "engine/ProgListe.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class EtatFenetre;
class Moteur;
struct Plateforme;
struct Session;

// What a guide row gives to the schedule: the editor's values, or why it cannot be
// programmed (empty when no row is selected: nothing to say, nothing to do).
struct ProgrammeGuide {
    std::optional<ValeursEditeur> valeurs;
    QString refus;
};

// The entry for row `r` of a page of the day `jour`: from its start minus `minutesAvant`
// to the next row's start plus `minutesApres`, on the guide's channel `chaine`.
ProgrammeGuide ValeursProgrammeGuide(const std::vector<LigneGuide>& lignes, int r, const QDate& jour, int minutesAvant,
                                     int minutesApres, int frequence, const QString& chaine);

// The minutes of an item of the "before" and "after" lists ("  0" … "30"); 0 when out of range.
int MinutesMarge(int index);

// What the guide pane shows, apart from the schedule tab.
struct EtatGuide {
    std::vector<QDate> jours;
    int jour = -1;
    // The rows of one channel and one day, as fetched together.
    std::vector<LigneGuide> lignes;
    QString chaine;
    QDate date;
    int ligne = -1;
    int frequence = 0;
    QString AudienceNow;
};

// The TV guide and the audience top 15: the fetches, the pages they give, programming a
// guide row and opening its summary.
class GuideTV : public QObject {
    Q_OBJECT
public:
    // The window's state says which of the guide pane's tabs is chosen and whether it shows.
    GuideTV(Session& session, Moteur& moteur, Plateforme& plateforme, const EtatFenetre& fenetre,
            QObject* parent = nullptr);

    const EtatGuide& etat() const { return etat_; }

    // A tab became selected (1 to 3); the schedule tab's reset is the schedule's own.
    void GuiderOnglets_Click(int onglet);
    // The channel selection changed: the guide follows it while it shows its "Guide TV" tab.
    void Chaines_Click();
    void ChargerJoursGuide();
    void GuideDate_Click(int index);
    void GuideListe_Click(int index);
    void GuideFreq_Click(int index);
    void GuideProg_Click();
    void GuideResume_Click();
    void Refresh15_Click();

    static const QString kInaccessible;
    static const QString kSansProgramme;

signals:
    // A guide row is to be programmed: the schedule adds it interactively (questions, save,
    // clock) and says so.
    void programmeDemande(const ValeursEditeur& valeurs);
    // The connecting overlay, with the window taking no input, from a request to its reply.
    void connexionAffichee(bool visible);
    void joursAffiches(const QStringList& jours, int index);
    // The rows (or the single no-programme row), the selected one, and the two buttons.
    void lignesAffichees(const QStringList& lignes, int selection, bool programmer, bool resume);
    // The user chose a row of the rows shown: only the two buttons follow (the list is not
    // rebuilt, so that a double-click on that row still reaches it).
    void boutonsAffiches(bool programmer, bool resume);
    void frequenceAffichee(int index);
    void audienceAffichee(const QString& rangs, const QString& parts, const QString& libelles,
                          const QString& heure);

private:
    // Fetches the page and gives it, decoded, to `suite` once it has come.
    void telecharger(const QString& adresse, std::function<void(const QString&)> suite);
    // The rows; without any, the one row `sansLigne` that says why.
    void afficherLignes(const QString& sansLigne = kSansProgramme);
    bool ligneProgrammable() const;
    bool ligneAvecResume() const;

    Session& session_;
    Moteur& moteur_;
    Plateforme& plateforme_;
    const EtatFenetre& fenetre_;
    EtatGuide etat_;
    quint64 demandes_ = 0;
    int enCours_ = 0;
};
