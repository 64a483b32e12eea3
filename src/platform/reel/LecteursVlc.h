#pragma once
#include "platform/Lecteurs.h"
#include "platform/reel/RegistreLecteurs.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

// The vlc players of the program. Each one is started with posix_spawn in a session of
// its own and reaped by us when it ends (by its own pid, from the event loop), with VLC's
// "oldrc" control interface on a unix socket of its own, in a folder only the user can
// enter (see dossierSockets): keystrokes and commands go through that socket, which goes
// with its player however that one ends. Players are known by pid, and a pid counts as ours only while its
// /proc cmdline still names that socket, so a recycled pid is never signalled. The pids are
// kept in "Kelmor.pids" of the data folder; the next run closes what a crash left behind.
//
// Nothing here waits. A player sent away (closed, replaced, left over) gets SIGTERM at once
// and stops counting; a reaper of the event loop watches it go, kills it after
// kAttentePolieMs, gives up kAttenteForceeMs later, and then tells the closes that wait
// for it. Keystrokes and commands travel on sockets of the event loop and tell their
// outcome later, never inside the call.
//
// Destroying this object leaves the players running (a player may outlive the program on
// purpose); closes still on their way are not told any more.
class LecteursVlc : public Lecteurs {
public:
    static constexpr int kAttentePolieMs = 3000;   // after SIGTERM: VLC finishes its files and quits
    static constexpr int kAttenteForceeMs = 1000;  // after SIGKILL
    static constexpr int kPeriodeFaucheuseMs = 25;
    static constexpr int kAttenteToucheMs = 1500;  // connection (a player just started) and answer

    explicit LecteursVlc(const QString& dossierDonnees);
    ~LecteursVlc() override;

    bool demarrer(RoleLecteur role, const QString& programme, const QStringList& arguments) override;
    bool enCours(RoleLecteur role) override;
    bool aucunEnCours() override;
    // Sent as "key <action>" followed by "is_playing": the player has taken the key once it
    // answers the question (a hung player may still take the connection). False at the
    // time-out says only that it did not answer: a hung player that wakes up may still
    // read the line the kernel kept for it.
    void envoyerTouche(RoleLecteur role, const QString& action, Suite<bool> recu) override;
    // `fin` also waits for the players of that role (of every role) already on their way out.
    void fermer(RoleLecteur role, Suite<> fin = {}) override;
    void fermerTous(Suite<> fin = {}) override;
    void fermerRestes() override;

    // Tests and diagnostics: sends one command to the control interface of that player
    // ("status", "volume", "get_time", …) and tells what it answered, the answer taken as
    // whole after a short silence or at attenteMs; "" when no player of that role runs or
    // the line is refused.
    void commande(RoleLecteur role, const QString& ligne, Suite<QString> reponse, int attenteMs = 1000);

    qint64 pid(RoleLecteur role) const;   // 0 when none is registered
    // The control socket of the player of that role; "" when none is registered.
    QString cheminSocket(RoleLecteur role) const;
    // What the file names of every control socket of this data folder begin with.
    QString prefixeSockets() const;
    QString fichierPids() const;
    // Where the control sockets of the players started from now on go; "" when no private
    // folder could be had (players then do not start).
    QString dossierSockets() const { return dossierSockets_; }
    // Players sent away and not yet gone (tests).
    int departsEnCours() const { return int(departs_.size()); }

private:
    struct Depart {
        LecteurEnregistre lecteur;
        QElapsedTimer depuis;
        bool tue = false;
        qint64 tueA = 0;
    };
    struct Fermeture {
        std::vector<qint64> pids;
        Suite<> fin;
    };
    QString cheminSocket(const LecteurEnregistre& lecteur) const;
    bool notre(const LecteurEnregistre& lecteur) const;
    bool termine(const LecteurEnregistre& lecteur) const;
    void oublierTermines();
    void enregistrer();
    void envoyerAuDepart(const LecteurEnregistre& lecteur);
    // Sends away every registered player whose role `dont` accepts.
    void renvoyer(const std::function<bool(RoleLecteur)>& dont);
    void fermerRoles(const std::function<bool(RoleLecteur)>& dont, Suite<> fin);
    void attendreDeparts(std::vector<qint64> pids, Suite<> fin);
    void faucher();
    void echanger(RoleLecteur role, QByteArray lignes, bool touche, int attenteMs,
                  std::function<void(bool, QString)> fin);

    QString dossier_;
    QString dossierSockets_;
    std::vector<LecteurEnregistre> lecteurs_;
    std::vector<LecteurEnregistre> restes_;   // from an earlier run, until fermerRestes()
    std::vector<Depart> departs_;
    std::vector<Fermeture> fermetures_;
    std::unique_ptr<QObject> contexte_;       // sockets, timers, queued reports
    QTimer* faucheuse_ = nullptr;
};
