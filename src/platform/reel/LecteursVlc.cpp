#include "platform/reel/LecteursVlc.h"

#include "platform/reel/PilotageVlc.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QPointer>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <spawn.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

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

// Players are children of ours: each one that ends is reaped here, by its own pid
// (never waitpid(-1), which would take the exit status of QProcess's children), so that no
// zombie is left. A timer of the event loop does it while some run; the checks of
// LecteursVlc do it too. A player outliving its LecteursVlc is still reaped.
class Recolteur {
public:
    static Recolteur& instance()
    {
        static Recolteur r;
        return r;
    }

    void ajouter(pid_t pid)
    {
        enfants_.push_back(pid);
        armer();
    }

    void recolter()
    {
        std::erase_if(enfants_, [](pid_t pid) {
            int statut = 0;
            const pid_t r = ::waitpid(pid, &statut, WNOHANG);
            return r == pid || (r < 0 && errno == ECHILD);
        });
        if (enfants_.empty() && minuterie_)
            minuterie_->stop();
    }

private:
    void armer()
    {
        if (!minuterie_) {
            auto* app = QCoreApplication::instance();
            if (!app || QThread::currentThread() != app->thread())
                return;
            // Owned by the application object, so that it goes before the event loop does.
            minuterie_ = new QTimer(app);
            minuterie_->setInterval(kPeriode);
            QObject::connect(minuterie_, &QTimer::timeout, minuterie_, [this] { recolter(); });
        }
        if (!minuterie_->isActive())
            minuterie_->start();
    }

    static constexpr int kPeriode = 1000;
    std::vector<pid_t> enfants_;
    QPointer<QTimer> minuterie_;
};

// Starts the program with the arguments, its standard files on /dev/null, no other file of
// ours left open, default signal handling and in a session of its own (the player outlives
// a closed terminal). posix_spawn borrows our memory until the program is loaded instead of
// copying this process's page tables, and tells an exec failure. 0 when it cannot start.
pid_t lancer(const QString& programme, const QStringList& arguments)
{
    QString chemin = programme;
    if (!chemin.contains(u'/'))
        chemin = QStandardPaths::findExecutable(programme);
    if (chemin.isEmpty())
        return 0;
    std::vector<QByteArray> textes;
    textes.reserve(size_t(arguments.size()) + 1);
    textes.push_back(QFile::encodeName(chemin));
    for (const QString& a : arguments)
        textes.push_back(QFile::encodeName(a));
    std::vector<char*> argv;
    argv.reserve(textes.size() + 1);
    for (QByteArray& t : textes)
        argv.push_back(t.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawnattr_t attributs;
    posix_spawn_file_actions_init(&actions);
    posix_spawnattr_init(&attributs);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addclosefrom_np(&actions, 3);
    sigset_t vide, tous;
    sigemptyset(&vide);
    sigfillset(&tous);
    posix_spawnattr_setsigmask(&attributs, &vide);
    posix_spawnattr_setsigdefault(&attributs, &tous);
    posix_spawnattr_setflags(&attributs, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);

    pid_t pid = 0;
    const int erreur = ::posix_spawn(&pid, argv[0], &actions, &attributs, argv.data(), environ);
    posix_spawnattr_destroy(&attributs);
    posix_spawn_file_actions_destroy(&actions);
    if (erreur != 0)
        return 0;
    Recolteur::instance().ajouter(pid);
    return pid;
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
    if (tous.empty()) {
        QFile::remove(fichierPids());
        return;
    }
    // Replaced whole by a rename, but not synced to disk: the file only has to outlive a
    // crash of this program; after a crash of the system no player is left to close, and a
    // sync would cost more than starting the player.
    const QString temporaire = fichierPids() + QStringLiteral(".tmp");
    QFile f(temporaire);
    const QByteArray contenu = ecrirePids(tous);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(contenu) != contenu.size()) {
        f.close();
        QFile::remove(temporaire);
        return;
    }
    f.close();
    if (::rename(QFile::encodeName(temporaire).constData(), QFile::encodeName(fichierPids()).constData()) != 0)
        QFile::remove(temporaire);
}

void LecteursVlc::oublierTermines()
{
    Recolteur::instance().recolter();
    const auto avant = lecteurs_.size();
    std::erase_if(lecteurs_, [this](const LecteurEnregistre& l) { return termine(l); });
    if (lecteurs_.size() != avant)
        enregistrer();
}

void LecteursVlc::arreter(const std::vector<LecteurEnregistre>& lecteurs)
{
    auto restants = [&] {
        Recolteur::instance().recolter();
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

    const pid_t pid = lancer(programme, argumentsPilotes(cheminSocket(role), arguments));
    if (pid <= 1)
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

void LecteursVlc::envoyerTouche(RoleLecteur role, const QString& action, Suite<bool> recu)
{
    const bool ok = envoyerTouche(role, action);
    QTimer::singleShot(0, [recu, ok] { recu(ok); });
}

void LecteursVlc::fermer(RoleLecteur role, Suite<> fin)
{
    fermer(role);
    QTimer::singleShot(0, [fin] { fin(); });
}

void LecteursVlc::fermerTous(Suite<> fin)
{
    fermerTous();
    QTimer::singleShot(0, [fin] { fin(); });
}
