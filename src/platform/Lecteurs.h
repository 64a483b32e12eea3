#pragma once
#include "platform/Suite.h"

#include <QString>
#include <QStringList>

// What a player process is for; at most one player per role runs at once.
enum class RoleLecteur {
    Regarder,             // the watching window
    DiffereEnregistreur,  // time-shift: writes the buffer file
    DiffereLecteur,       // time-shift: plays the buffer file
    Enregistreur,         // manual or scheduled recording
    Fichier,              // playback of a recorded file
    Reinitialisation,     // hidden: resets the player's own configuration and quits
};

// The external player processes the program starts. Each one is registered with its
// role so that closing and keystrokes only ever reach our own players. Nothing here waits:
// what takes time (a keystroke reaching its player, a player going away) is told later,
// from the event loop, through the Suite given.
class Lecteurs {
public:
    virtual ~Lecteurs() = default;
    // Starts the player with an argument vector (never a shell). False when it cannot start.
    // A player of that role still running is sent away first (without waiting for it).
    virtual bool demarrer(RoleLecteur role, const QString& programme, const QStringList& arguments) = 0;
    // A player that is being closed no longer counts.
    virtual bool enCours(RoleLecteur role) = 0;
    virtual bool aucunEnCours() = 0;
    // Sends a hotkey action (for instance "key-vol-up") to the player of that role. `recu`
    // is told true once the player has taken it, false when no such player runs, it refused
    // the action or it did not answer in time.
    virtual void envoyerTouche(RoleLecteur role, const QString& action, Suite<bool> recu) = 0;
    // Closes the player of that role: a polite stop now, a kill after a bounded wait.
    // `fin` runs once it is gone (also when none was running).
    virtual void fermer(RoleLecteur role, Suite<> fin = {}) = 0;
    virtual void fermerTous(Suite<> fin = {}) = 0;
    // Closes players left over by an earlier run of this program (pids kept in the data
    // folder), in the background.
    virtual void fermerRestes() = 0;
};
