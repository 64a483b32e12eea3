#pragma once
#include "platform/Lecteurs.h"

#include <QString>
#include <QStringList>

// How a vlc player of ours is driven: VLC 3's "oldrc" control interface listening on a
// unix socket. The socket's name carries the user, the data folder, the role and the
// player's own jeton, so that two runs with different data folders never share one, a
// player on its way out never shares one with the player of its role that replaces it,
// and a leftover player can be told apart from any other process. An empty jeton gives
// the name of earlier runs, one per role.
QString nomSocketLecteur(uint uid, const QString& dossierDonnees, RoleLecteur role, const QString& jeton = {});
// What the names of every socket of that user and data folder begin with.
QString prefixeSocketsLecteurs(uint uid, const QString& dossierDonnees);
// A new jeton: six random hexadecimal digits.
QString nouveauJetonLecteur();

// The control sockets live in a folder that only the user can enter: whoever can reach a
// player's socket drives that player.
//
// True when `chemin` is a folder of that user that nobody else may enter or write: looked at
// with lstat (a link is refused, never followed), owned by `uid`, no rights for group or others.
bool dossierPrive(const QString& chemin, uint uid);
// The sockets' folder: `runtime` ($XDG_RUNTIME_DIR) when it is set and private, else
// "kelmor-<uid>" in `temporaire`, made 0700. When that name is taken by anything else (a file,
// a link, a folder of another user or open to others), it is left alone and a new folder of
// ours is made beside it. Unix socket paths are limited to about 107 bytes: a folder whose path
// is longer than kLongueurDossierSockets is not used, and "/tmp" stands for a temporary folder
// too long. "" when no folder can be had.
constexpr int kLongueurDossierSockets = 40;
QString dossierSockets(const QString& runtime, const QString& temporaire, uint uid);
// Removes the socket at `chemin` when it is a socket of that user; anything else stays.
bool supprimerSocket(const QString& chemin, uint uid);

// The caller's arguments with the control interface put in front. An "--extraintf=" of
// the caller (before "--") is merged into ours: a later one would replace it and the
// player could no longer be reached.
QStringList argumentsPilotes(const QString& cheminSocket, const QStringList& arguments);

// A hotkey action name such as "key-vol-up": lower-case letters, digits and "-".
bool actionValide(const QString& action);
// One command line for the control interface: no line break or other control character,
// so that a command can never smuggle in a second one.
bool commandeValide(const QString& ligne);
