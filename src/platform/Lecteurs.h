#pragma once
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
// role so that closing and keystrokes only ever reach our own players.
class Lecteurs {
public:
    virtual ~Lecteurs() = default;
    // Starts the player with an argument vector (never a shell). False when it cannot start.
    virtual bool demarrer(RoleLecteur role, const QString& programme, const QStringList& arguments) = 0;
    virtual bool enCours(RoleLecteur role) = 0;
    virtual bool aucunEnCours() = 0;
    // Sends a hotkey action (for instance "key-vol-up") to the player of that role.
    // False when no such player runs or it did not take the command.
    virtual bool envoyerTouche(RoleLecteur role, const QString& action) = 0;
    // Closes the player of that role: polite stop, bounded wait, then kill.
    virtual void fermer(RoleLecteur role) = 0;
    virtual void fermerTous() = 0;
    // Closes players left over by an earlier run of this program (pids kept in the data folder).
    virtual void fermerRestes() = 0;
};
