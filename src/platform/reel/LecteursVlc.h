#pragma once
#include "platform/Lecteurs.h"
#include "platform/reel/RegistreLecteurs.h"

#include <QString>
#include <vector>

class QLocalSocket;

// The vlc players of the program. Each one is started with posix_spawn in a session of
// its own and reaped by us when it ends (an event-loop timer, and every check here), with
// VLC's "oldrc" control interface on a unix socket of ours: keystrokes and commands go through that socket. Players are known
// by pid, and a pid counts as ours only while its /proc cmdline still names our socket,
// so a recycled pid is never signalled. The pids are kept in "Kelmor.pids" of the data
// folder; the next run closes what a crash left behind.
//
// Destroying this object leaves the players running: the program closes them itself
// when it should (and a player may outlive the program on purpose).
class LecteursVlc : public Lecteurs {
public:
    explicit LecteursVlc(const QString& dossierDonnees);

    bool demarrer(RoleLecteur role, const QString& programme, const QStringList& arguments) override;
    bool enCours(RoleLecteur role) override;
    bool aucunEnCours() override;
    void envoyerTouche(RoleLecteur role, const QString& action, Suite<bool> recu) override;
    void fermer(RoleLecteur role, Suite<> fin) override;
    void fermerTous(Suite<> fin) override;
    bool envoyerTouche(RoleLecteur role, const QString& action);
    void fermer(RoleLecteur role);
    void fermerTous();
    void fermerRestes() override;

    // Sends one command to the control interface of that player ("status", "volume",
    // "get_time", …) and returns what it answered within attenteMs; "" when no player
    // of that role runs or the line is refused.
    QString commande(RoleLecteur role, const QString& ligne, int attenteMs = 1000);

    qint64 pid(RoleLecteur role) const;   // 0 when none is registered
    QString cheminSocket(RoleLecteur role) const;
    QString fichierPids() const;

private:
    bool notre(const LecteurEnregistre& lecteur) const;
    bool termine(const LecteurEnregistre& lecteur) const;
    void oublierTermines();
    void enregistrer();
    void arreter(const std::vector<LecteurEnregistre>& lecteurs);
    bool connecter(RoleLecteur role, QLocalSocket& socket);

    QString dossier_;
    std::vector<LecteurEnregistre> lecteurs_;
    std::vector<LecteurEnregistre> restes_;   // from an earlier run, until fermerRestes()
};
