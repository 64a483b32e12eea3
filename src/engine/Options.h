#pragma once
#include "core/FichierParametres.h"
#include "engine/OuvertureOptions.h"

#include <QObject>
#include <QString>
#include <QStringList>


struct Plateforme;
struct Session;
class EtatFenetre;
class Sauvegarde;

// Texts of the options pane's boxes.
extern const QString kAvertissementDossier;
extern const QString kAvertissementTri;
extern const QString kAideFreePlayer;
extern const QString kAideClavier;

// The options pane's controller: what opening and validating the pane do, the buttons that
// reach the platform, and the favourites editor's changes to the table. The values being
// edited are the pane's until "OK"; the favourites table is edited in place.
class Options : public QObject {
    Q_OBJECT
public:
    // Whether the pane is open is the window's state, which this controller writes.
    Options(Session& session, Plateforme& plateforme, EtatFenetre& fenetre, Sauvegarde& sauvegarde);

    // Opens the pane on tab `onglet` (0: the last one), its favourites editor on `groupe`, the
    // focus on slot `emplacement` (0: left alone).
    void Ouvrir(int onglet, int groupe, int emplacement = 0);
    // The pane opens: remembers the recording folder and the sort order to tell, at "OK",
    // which changes wait for the next start.
    void Options_Click();
    bool estOuvert() const;

    // "OK" with the values the pane holds (the session's settings with the pane's controls
    // read into them). Stores them, refreshes the favourites, saves the file and then tells
    // what waits for the next start. False when the file could not be written: the pane
    // stays open and nothing is said to be taken into account.
    bool Retour_Click(const ContenuParametres& valeurs);
    // "OK" with what the pane's controls hold; when the file could not be written, the pane
    // shows again what was kept.
    void Retour_Click();
    // The window closes: the pane has no cancel, so the values it shows, "OK" or not, are the
    // settings the close saves. Nothing is said.
    void lireAvantFermeture();

    // The program run after each scheduled recording: programmeChoisi gives the chosen path,
    // or `actuel` when the dialog was cancelled.
    void AutoSel_Click(const QString& actuel);
    // The recording folder: dossierChoisi gives the chosen folder, or `actuel` when the dialog
    // was cancelled.
    void RECpath0_Click(const QString& actuel);

    void FRPLtexte_Click();
    void ClavierListe_Click();
    void Reinitialiser_Click();
    void AllerSite_Click();
    void AllerFAQ_Click();
    void AllerForums_Click();
    void MAJcfg_Click();
    void MAJexe_Click();

    // The favourites editor. `groupe` is the group being edited (0 to 9), `emplacement` a
    // slot (1 to 8); the table changes at once.
    void ListeFav_Click(int groupe, int emplacement, const QString& chaine);
    // Renames the group; false (and nothing changed) when the name is not valid.
    bool ModifierFav_Click(int groupe, const QString& nom);
    // Empty name and eight empty slots.
    void EffacerFav_Click(int groupe);

signals:
    void programmeChoisi(const QString& chemin);
    void dossierChoisi(const QString& dossier);
    // The favourite buttons repaint the group they show.
    void favorisRafraichis();
    // A group's name changed: the group lists show the ten names again.
    void groupesRenommes();
    // The pane closed after a successful "OK".
    void ferme();
    // "OK" changed the start-with-the-session option: its entry is written now.
    void demarrageAutomatiqueChange();
    // A check of the channel list or of the version waits for its answer: the window takes
    // no input meanwhile.
    void connexionAffichee(bool enCours);
    // The pane's controls are to be read into `valeurs` ("OK", or the window closes with it open).
    void valeursDemandees(ContenuParametres& valeurs);
    // The pane is to show these (it is built the first time).
    void ouvertureDemandee(const OuvertureOptions& ouverture);
    void valeursAffichees(const ContenuParametres& valeurs);

private:
    void garder(const ContenuParametres& valeurs);

    Session& session_;
    Plateforme& plateforme_;
    EtatFenetre& fenetre_;
    Sauvegarde& sauvegarde_;
    QString dossierAvantOptions_;
    bool triAvantOptions_ = false;
    bool autoAvantOptions_ = false;
};
