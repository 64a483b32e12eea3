#pragma once
#include "platform/Lecteurs.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <optional>
#include <vector>

// The players of a run, as kept in the pid file of the data folder so that the next
// run can close what this one left behind.
struct LecteurEnregistre {
    qint64 pid = 0;
    RoleLecteur role = RoleLecteur::Regarder;
    // What sets its control socket apart from any other player's of that role (see
    // nomSocketLecteur); empty for the players of runs that gave every role one socket.
    QString jeton;
    // Where its control socket is, when known (not kept in the pid file).
    QString socket;
    bool operator==(const LecteurEnregistre&) const = default;
};

QString nomRole(RoleLecteur role);
std::optional<RoleLecteur> roleDepuisNom(const QString& nom);
// A jeton is 1 to 16 lower-case letters and digits: it goes into a file name.
bool jetonValide(const QString& jeton);

// One "<pid> <role> <jeton>" line per player ("<pid> <role>" for an empty jeton, as earlier
// runs wrote). The reader skips anything it does not recognise, including pids that could
// never be a player of ours (0, 1 and negatives).
QByteArray ecrirePids(const std::vector<LecteurEnregistre>& lecteurs);
std::vector<LecteurEnregistre> lirePids(const QByteArray& contenu);

// True when a /proc/<pid>/cmdline (arguments separated by NUL) carries our control
// socket option whose file name is nomSocket: only then is the process one of ours.
// Zombies have an empty cmdline and are therefore never ours.
bool estNotreLecteur(const QByteArray& cmdline, const QString& nomSocket);
// The path of that control socket as the cmdline gives it; "" when it names no such socket.
QString socketDuLecteur(const QByteArray& cmdline, const QString& nomSocket);

// From /proc/<pid>/stat and /proc/<pid>/cmdline (empty when missing): true when that
// player has ended, that is no such process, a zombie, or the pid now runs another
// program. A player still on its way out (its cmdline already empty) has not ended yet.
bool lecteurTermine(const QByteArray& stat, const QByteArray& cmdline, const QString& nomSocket);
