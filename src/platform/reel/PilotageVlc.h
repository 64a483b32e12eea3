#pragma once
#include "platform/Lecteurs.h"

#include <QString>
#include <QStringList>

// How a vlc player of ours is driven: VLC 3's "oldrc" control interface listening on a
// unix socket. The socket's name carries the user, the data folder and the role, so
// that two runs with different data folders never share one and a leftover player can
// be told apart from any other process.
QString nomSocketLecteur(uint uid, const QString& dossierDonnees, RoleLecteur role);

// Unix socket paths are limited to about 107 bytes: the folder is the temporary folder,
// or "/tmp" when that one is too long.
QString dossierSockets(const QString& dossierTemporaire);

// The caller's arguments with the control interface put in front. An "--extraintf=" of
// the caller (before "--") is merged into ours: a later one would replace it and the
// player could no longer be reached.
QStringList argumentsPilotes(const QString& cheminSocket, const QStringList& arguments);

// A hotkey action name such as "key-vol-up": lower-case letters, digits and "-".
bool actionValide(const QString& action);
// One command line for the control interface: no line break or other control character,
// so that a command can never smuggle in a second one.
bool commandeValide(const QString& ligne);
