#pragma once
#include "engine/EtatLecteur.h"
#include "platform/Lecteurs.h"

#include <QObject>
#include <QString>
#include <QStringList>

struct Plateforme;
struct Session;

// What the engine's controllers share: the player state, the operation guard that keeps
// the clock and the close out of a running operation, starting and closing our players,
// keystrokes, stopping everything and the channel selection. It tells the window what
// changed through its signals.
class Moteur : public QObject {
    Q_OBJECT
public:
    Moteur(Session& session, Plateforme& plateforme);

    // Marks an engine operation (a player started or stopped, a schedule change) as running
    // for the life of the object.
    class Operation {
    public:
        explicit Operation(Moteur& m) : moteur_(m) { ++moteur_.operations_; }
        ~Operation();
        Operation(const Operation&) = delete;
        Operation& operator=(const Operation&) = delete;

    private:
        Moteur& moteur_;
    };
    Operation operation() { return Operation(*this); }
    bool operationEnCours() const { return operations_ > 0; }

    void ChangerEtat(EtatLecteur nouvelEtat);
    void ActualiserTitre();
    // The selection of the channel list changed (by the user or by code); -1 = none.
    void Chaines_Click(int index);

    // While a scheduled recording runs, manual operations are refused: tells the user.
    bool refuseSiProgramme();
    // sansQuestion: nothing is asked or refused, whatever runs (a recording starts in its
    // place, and the clock has nobody to ask).
    void StopAll_Click(bool sansQuestion = false);
    // Closes every player of ours, then removes the temporary files.
    void FermerLecteurExterne();
    // Sends a hotkey action to our visible player. False when none of ours runs.
    bool EnvoyerTouchesLecteur(const QString& action);
    // The player that receives keystrokes in the current state.
    RoleLecteur roleVisible() const;
    // Starts a player; tells the user (or, given `erreur`, puts the message there) and
    // returns false when it cannot start.
    bool lancer(RoleLecteur role, const QStringList& arguments, QString* erreur = nullptr);
    // Writes and serves the settings page before a re-broadcast. False when it cannot.
    bool preparerDiffusion();
    // The window shows the two toggles (re-broadcast and mute) as the session holds them.
    void afficherBascules();
    void activer(bool actif) { emit activationDemandee(actif); }
    void reprendreFocus() { emit focusDemande(); }

    static const QString kRefusProgramme;

signals:
    void etatChange(const VueEtat& vue);
    void titreChange(const QString& titre);
    void basculesChangees(bool tv, bool muet);
    void chaineSelectionnee(int index);
    // The window takes no input while it waits for a player.
    void activationDemandee(bool actif);
    // Gives the focus back to the main window after a player started.
    void focusDemande();
    // The last running operation ended: a close or a tick that waited for it may go.
    void operationsTerminees();

private:
    void supprimerFichier(const QString& chemin);

    Session& session_;
    Plateforme& plateforme_;
    int operations_ = 0;
};
