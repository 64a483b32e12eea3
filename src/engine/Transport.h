#pragma once
#include "platform/Lecteurs.h"

#include <QString>

class Application;

// Watching, time-shift and the keystrokes to the external player: the transport
// buttons of the main window and what they share.
class Transport {
public:
    explicit Transport(Application& app) : app_(app) {}

    void Play_Click();
    void Regarder_Click() { Play_Click(); }
    void RegarderX_Click();
    // sansQuestion: leaving time-shift is not asked (a recording starts in its place).
    void StopAll_Click(bool sansQuestion = false);
    void VolumeM_Click();
    void VolumeP_Click();
    void Mute_Click();
    void Full_Click();
    void Snap_Click();
    void Photographier_Click() { Snap_Click(); }
    void ChaineM_Click();
    void ChaineP_Click();
    void TV_Click();
    void Shift_Click();
    void Pause_Click();

    // Sends a hotkey action to our visible player. False when none of ours runs.
    bool EnvoyerTouchesLecteur(const QString& action);
    // Closes every player of ours, then removes the temporary files.
    void FermerLecteurExterne();

    // While a scheduled recording runs, manual operations are refused: tells the user.
    bool refuseSiProgramme();

    // The player that receives keystrokes in the current state.
    RoleLecteur roleVisible() const;

    static const QString kRefusProgramme;

    // Starts a player; tells the user (or, given `erreur`, puts the message there) and
    // returns false when it cannot start.
    bool lancer(RoleLecteur role, const QStringList& arguments, QString* erreur = nullptr);
    // Writes and serves the settings page before a re-broadcast. False when it cannot.
    bool preparerDiffusion();

private:
    void supprimerFichier(const QString& chemin);

    Application& app_;
};
