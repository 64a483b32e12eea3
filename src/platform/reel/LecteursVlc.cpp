#include "platform/reel/LecteursVlc.h"

#include "platform/FichierAtomique.h"
#include "platform/reel/PilotageVlc.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QThread>

#include <algorithm>
#include <csignal>
#include <sys/types.h>
#include <unistd.h>

namespace {
constexpr int kAttentePolie = 3000;     // after SIGTERM: VLC finishes its files and quits
constexpr int kAttenteForcee = 1000;    // after SIGKILL
constexpr int kAttenteConnexion = 1500; // a player just started may not listen yet
constexpr int kSilenceFinReponse = 200;

QByteArray lireProc(qint64 pid, const char* fichier)
{
    QFile f(QStringLiteral("/proc/%1/%2").arg(pid).arg(QLatin1String(fichier)));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

template <typename Condition>
bool attendreQue(Condition condition, int ms)
{
    QElapsedTimer t;
    t.start();
    while (!condition()) {
        if (t.elapsed() >= ms)
            return false;
        QThread::msleep(25);
    }
    return true;
}
}

LecteursVlc::LecteursVlc(const QString& dossierDonnees) : dossier_(dossierDonnees)
{
    QFile f(fichierPids());
    if (f.open(QIODevice::ReadOnly))
        restes_ = lirePids(f.readAll());
}

QString LecteursVlc::fichierPids() const
{
    return QDir(dossier_).filePath(QStringLiteral("Kelmor.pids"));
}

QString LecteursVlc::cheminSocket(RoleLecteur role) const
{
    return dossierSockets(QDir::tempPath()) + '/' + nomSocketLecteur(::getuid(), dossier_, role);
}

qint64 LecteursVlc::pid(RoleLecteur role) const
{
    for (const auto& l : lecteurs_)
        if (l.role == role)
            return l.pid;
    return 0;
}

bool LecteursVlc::notre(const LecteurEnregistre& lecteur) const
{
    return estNotreLecteur(lireProc(lecteur.pid, "cmdline"),
                           nomSocketLecteur(::getuid(), dossier_, lecteur.role));
}

bool LecteursVlc::termine(const LecteurEnregistre& lecteur) const
{
    return lecteurTermine(lireProc(lecteur.pid, "stat"), lireProc(lecteur.pid, "cmdline"),
                          nomSocketLecteur(::getuid(), dossier_, lecteur.role));
}

void LecteursVlc::enregistrer()
{
    std::vector<LecteurEnregistre> tous = restes_;
    tous.insert(tous.end(), lecteurs_.begin(), lecteurs_.end());
    if (tous.empty())
        QFile::remove(fichierPids());
    else
        ecrireFichierAtomique(fichierPids(), ecrirePids(tous));
}

void LecteursVlc::oublierTermines()
{
    const auto avant = lecteurs_.size();
    std::erase_if(lecteurs_, [this](const LecteurEnregistre& l) { return termine(l); });
    if (lecteurs_.size() != avant)
        enregistrer();
}

void LecteursVlc::arreter(const std::vector<LecteurEnregistre>& lecteurs)
{
    auto restants = [&] {
        std::vector<LecteurEnregistre> v;
        for (const auto& l : lecteurs)
            if (!termine(l))
                v.push_back(l);
        return v;
    };
    // Signals go only to a pid whose cmdline still names our socket (a recycled pid is
    // left alone). SIGTERM is VLC's own polite stop: it closes its outputs and quits.
    for (const auto& l : restants())
        if (notre(l))
            ::kill(pid_t(l.pid), SIGTERM);
    if (attendreQue([&] { return restants().empty(); }, kAttentePolie))
        return;
    for (const auto& l : restants()) {
        if (!notre(l))
            continue;
        ::kill(pid_t(l.pid), SIGKILL);
        // A killed player cannot remove its socket.
        QFile::remove(cheminSocket(l.role));
    }
    attendreQue([&] { return restants().empty(); }, kAttenteForcee);
}

bool LecteursVlc::demarrer(RoleLecteur role, const QString& programme, const QStringList& arguments)
{
    fermer(role);

    QProcess processus;
    processus.setProgram(programme);
    processus.setArguments(argumentsPilotes(cheminSocket(role), arguments));
    processus.setStandardInputFile(QProcess::nullDevice());
    processus.setStandardOutputFile(QProcess::nullDevice());
    processus.setStandardErrorFile(QProcess::nullDevice());
    qint64 pid = 0;
    if (!processus.startDetached(&pid) || pid <= 1)
        return false;

    lecteurs_.push_back({pid, role});
    enregistrer();
    return true;
}

bool LecteursVlc::enCours(RoleLecteur role)
{
    oublierTermines();
    return pid(role) != 0;
}

bool LecteursVlc::aucunEnCours()
{
    oublierTermines();
    return lecteurs_.empty();
}

bool LecteursVlc::connecter(RoleLecteur role, QLocalSocket& socket)
{
    if (!enCours(role))
        return false;
    QElapsedTimer t;
    t.start();
    for (;;) {
        socket.connectToServer(cheminSocket(role));
        if (socket.waitForConnected(kAttenteConnexion))
            return true;
        if (t.elapsed() >= kAttenteConnexion || !enCours(role))
            return false;
        QThread::msleep(100);
    }
}

bool LecteursVlc::envoyerTouche(RoleLecteur role, const QString& action)
{
    if (!actionValide(action))
        return false;
    QLocalSocket socket;
    if (!connecter(role, socket))
        return false;
    const QByteArray ligne = "key " + action.toLatin1() + '\n';
    const bool ecrit = socket.write(ligne) == ligne.size() && socket.waitForBytesWritten(1000);
    socket.disconnectFromServer();
    return ecrit;
}

QString LecteursVlc::commande(RoleLecteur role, const QString& ligne, int attenteMs)
{
    if (!commandeValide(ligne))
        return {};
    QLocalSocket socket;
    if (!connecter(role, socket))
        return {};
    socket.write(ligne.toUtf8() + '\n');
    socket.waitForBytesWritten(1000);

    QByteArray reponse;
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < attenteMs) {
        const int reste = attenteMs - int(t.elapsed());
        const int attente = reponse.isEmpty() ? reste : std::min(reste, kSilenceFinReponse);
        if (socket.waitForReadyRead(attente)) {
            reponse += socket.readAll();
            continue;
        }
        if (!reponse.isEmpty() || socket.state() != QLocalSocket::ConnectedState)
            break;
    }
    reponse += socket.readAll();
    socket.disconnectFromServer();
    return QString::fromUtf8(reponse);
}

void LecteursVlc::fermer(RoleLecteur role)
{
    const auto it = std::find_if(lecteurs_.begin(), lecteurs_.end(),
                                 [role](const LecteurEnregistre& l) { return l.role == role; });
    if (it == lecteurs_.end())
        return;
    const LecteurEnregistre lecteur = *it;
    arreter({lecteur});
    std::erase(lecteurs_, lecteur);
    enregistrer();
}

void LecteursVlc::fermerTous()
{
    arreter(lecteurs_);
    lecteurs_.clear();
    enregistrer();
}

void LecteursVlc::fermerRestes()
{
    std::vector<LecteurEnregistre> restes;
    QFile f(fichierPids());
    if (f.open(QIODevice::ReadOnly))
        restes = lirePids(f.readAll());
    restes.insert(restes.end(), restes_.begin(), restes_.end());
    std::vector<LecteurEnregistre> aFermer;
    for (const auto& r : restes) {
        const bool actuel = std::any_of(lecteurs_.begin(), lecteurs_.end(),
                                        [&](const LecteurEnregistre& l) { return l.pid == r.pid; });
        if (!actuel && std::find(aFermer.begin(), aFermer.end(), r) == aFermer.end())
            aFermer.push_back(r);
    }
    arreter(aFermer);
    restes_.clear();
    enregistrer();
}
