#include "platform/reel/LecteursVlc.h"

#include "platform/reel/PilotageVlc.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QPointer>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

#include <functional>

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
QByteArray lireProc(qint64 pid, const char* fichier)
{
    QFile f(QStringLiteral("/proc/%1/%2").arg(pid).arg(QLatin1String(fichier)));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

// Players are children of ours: each one that ends is reaped here, by its own pid
// (never waitpid(-1), which would take the exit status of QProcess's children), so that no
// zombie is left. A timer of the event loop does it while some run; the checks and the
// reaper of LecteursVlc do it too. A player outliving its LecteursVlc is still reaped.
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

// Runs `f` from the event loop, as long as `contexte` lives: no report ever runs inside
// the call that asked for it, nor inside a loop of ours over players or sockets.
void plusTard(QObject* contexte, std::function<void()> f)
{
    QTimer::singleShot(0, contexte, std::move(f));
}
}  // namespace

// One exchange with the control socket of one player: connect (again and again while the
// player just started and does not listen yet), write the lines, read the answer. What
// came is reported once, from the event loop, and the object then goes.
class LecteursVlc::Echange : public QObject {
public:
    using Fin = std::function<void(bool, QString)>;

    // touche: done once the line "0" or "1" (the answer to "is_playing") has come, failed
    // otherwise. Else the answer is whole after a short silence, or at attenteReponseMs.
    Echange(QObject* parent, const QString& chemin, QByteArray lignes, bool touche, int attenteTotaleMs,
            int attenteReponseMs, std::function<bool()> vivant, Fin fin)
        : QObject(parent), chemin_(chemin), lignes_(std::move(lignes)), touche_(touche),
          attenteReponseMs_(attenteReponseMs), vivant_(std::move(vivant)), fin_(std::move(fin))
    {
        for (QTimer* t : {&limite_, &reessai_, &silence_})
            t->setSingleShot(true);
        connect(&limite_, &QTimer::timeout, this, [this] { terminer(!touche_); });
        connect(&silence_, &QTimer::timeout, this, [this] { terminer(true); });
        connect(&reessai_, &QTimer::timeout, this, [this] { connecter(); });
        connect(&socket_, &QLocalSocket::connected, this, [this] {
            connecte_ = true;
            if (!touche_)
                limite_.start(attenteReponseMs_);
            socket_.write(lignes_);
        });
        connect(&socket_, &QLocalSocket::readyRead, this, [this] { lire(); });
        connect(&socket_, &QLocalSocket::disconnected, this, [this] {
            if (connecte_)
                terminer(!touche_);
        });
        connect(&socket_, &QLocalSocket::errorOccurred, this, [this] {
            // Not listening yet: the player may have just started.
            if (!connecte_ && !fini_)
                reessai_.start(kReessaiMs);
            else if (connecte_ && socket_.state() != QLocalSocket::ConnectedState)
                terminer(!touche_);
        });
        limite_.start(attenteTotaleMs);
        reessai_.start(0);
    }

    ~Echange() override
    {
        // Nothing of the socket's own end may reach this half-destroyed object.
        QObject::disconnect(&socket_, nullptr, this, nullptr);
        socket_.abort();
    }

private:
    static constexpr int kReessaiMs = 50;
    static constexpr int kSilenceFinReponseMs = 200;

    void connecter()
    {
        if (fini_)
            return;
        if (!vivant_()) {
            terminer(false);
            return;
        }
        socket_.abort();
        socket_.connectToServer(chemin_);
    }

    void lire()
    {
        recu_ += socket_.readAll();
        if (!touche_) {
            silence_.start(kSilenceFinReponseMs);
            return;
        }
        // Other lines ("status change: …") may come first; the answer is a line of its own.
        for (const QByteArray& ligne : recu_.split('\n'))
            if (const QByteArray l = ligne.trimmed(); l == "0" || l == "1") {
                terminer(true);
                return;
            }
    }

    void terminer(bool reussi)
    {
        if (fini_)
            return;
        fini_ = true;
        limite_.stop();
        reessai_.stop();
        silence_.stop();
        socket_.abort();  // the player serves one client at a time: let the next one in
        plusTard(parent(), [fin = std::move(fin_), reussi, texte = QString::fromUtf8(recu_)] { fin(reussi, texte); });
        deleteLater();
    }

    QString chemin_;
    QByteArray lignes_;
    bool touche_;
    int attenteReponseMs_;
    std::function<bool()> vivant_;
    Fin fin_;
    QLocalSocket socket_;
    QTimer limite_, reessai_, silence_;
    QByteArray recu_;
    bool connecte_ = false;
    bool fini_ = false;
};

namespace {
QString trouverDossierSockets()
{
    return dossierSockets(qEnvironmentVariable("XDG_RUNTIME_DIR"), QDir::tempPath(), ::getuid());
}
}  // namespace

LecteursVlc::LecteursVlc(const QString& dossierDonnees)
    : dossier_(dossierDonnees), dossierSockets_(trouverDossierSockets()), contexte_(std::make_unique<QObject>())
{
    QFile f(fichierPids());
    if (f.open(QIODevice::ReadOnly))
        restes_ = lirePids(f.readAll());
    faucheuse_ = new QTimer(contexte_.get());
    faucheuse_->setInterval(kPeriodeFaucheuseMs);
    QObject::connect(faucheuse_, &QTimer::timeout, contexte_.get(), [this] { faucher(); });
}

LecteursVlc::~LecteursVlc()
{
    // Exchanges, the reaper and the reports still queued go with their context. Players
    // on their way out got their SIGTERM; the reaper of the program still reaps ours.
    contexte_.reset();
}

QString LecteursVlc::fichierPids() const
{
    return QDir(dossier_).filePath(QStringLiteral("Kelmor.pids"));
}

QString LecteursVlc::cheminSocket(const LecteurEnregistre& lecteur) const
{
    if (!lecteur.socket.isEmpty())
        return lecteur.socket;
    return dossierSockets_ + '/' + nomSocketLecteur(::getuid(), dossier_, lecteur.role, lecteur.jeton);
}

QString LecteursVlc::cheminSocket(RoleLecteur role) const
{
    for (const auto& l : lecteurs_)
        if (l.role == role)
            return cheminSocket(l);
    return {};
}

QString LecteursVlc::prefixeSockets() const
{
    return prefixeSocketsLecteurs(::getuid(), dossier_);
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
                           nomSocketLecteur(::getuid(), dossier_, lecteur.role, lecteur.jeton));
}

bool LecteursVlc::termine(const LecteurEnregistre& lecteur) const
{
    return lecteurTermine(lireProc(lecteur.pid, "stat"), lireProc(lecteur.pid, "cmdline"),
                          nomSocketLecteur(::getuid(), dossier_, lecteur.role, lecteur.jeton));
}

void LecteursVlc::enregistrer()
{
    // Players on their way out stay listed until gone: after a crash the next run still
    // has them to close.
    std::vector<LecteurEnregistre> tous = restes_;
    tous.insert(tous.end(), lecteurs_.begin(), lecteurs_.end());
    for (const auto& d : departs_)
        tous.push_back(d.lecteur);
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
    std::erase_if(lecteurs_, [this](const LecteurEnregistre& l) {
        if (!termine(l))
            return false;
        // Ended on its own (closed by the user, crashed, killed): VLC leaves its socket
        // behind unless it quit cleanly.
        supprimerSocket(cheminSocket(l), ::getuid());
        return true;
    });
    if (lecteurs_.size() != avant)
        enregistrer();
}

void LecteursVlc::envoyerAuDepart(const LecteurEnregistre& lecteur)
{
    if (termine(lecteur)) {
        supprimerSocket(cheminSocket(lecteur), ::getuid());
        return;
    }
    Depart d{lecteur, {}, false, 0};
    // A leftover of an earlier run: its socket is where its cmdline says.
    if (d.lecteur.socket.isEmpty())
        d.lecteur.socket = socketDuLecteur(lireProc(lecteur.pid, "cmdline"),
                                           nomSocketLecteur(::getuid(), dossier_, lecteur.role, lecteur.jeton));
    // SIGTERM is VLC's own polite stop: it closes its outputs and quits. A pid whose
    // cmdline no longer names our socket is left alone.
    if (notre(lecteur))
        ::kill(pid_t(lecteur.pid), SIGTERM);
    d.depuis.start();
    departs_.push_back(d);
    if (!faucheuse_->isActive())
        faucheuse_->start();
}

void LecteursVlc::attendreDeparts(std::vector<qint64> pids, Suite<> fin)
{
    fermetures_.push_back({std::move(pids), std::move(fin)});
    // Told at the reaper's next round at the earliest, even when nothing had to go.
    if (!faucheuse_->isActive())
        faucheuse_->start();
}

void LecteursVlc::faucher()
{
    Recolteur::instance().recolter();
    bool change = false;
    for (auto it = departs_.begin(); it != departs_.end();) {
        Depart& d = *it;
        bool parti = termine(d.lecteur);
        const qint64 ecoule = d.depuis.elapsed();
        if (!parti && !d.tue && ecoule >= kAttentePolieMs) {
            if (notre(d.lecteur))
                ::kill(pid_t(d.lecteur.pid), SIGKILL);
            d.tue = true;
            d.tueA = ecoule;
        } else if (!parti && d.tue && ecoule - d.tueA >= kAttenteForceeMs) {
            parti = true;  // past the bound: no longer waited for
        }
        if (parti) {
            // A killed player cannot remove its socket.
            supprimerSocket(cheminSocket(d.lecteur), ::getuid());
            it = departs_.erase(it);
            change = true;
        } else {
            ++it;
        }
    }
    if (change)
        enregistrer();

    for (auto it = fermetures_.begin(); it != fermetures_.end();) {
        const bool attend = std::any_of(it->pids.begin(), it->pids.end(), [this](qint64 pid) {
            return std::any_of(departs_.begin(), departs_.end(),
                               [pid](const Depart& d) { return d.lecteur.pid == pid; });
        });
        if (attend) {
            ++it;
            continue;
        }
        plusTard(contexte_.get(), [fin = std::move(it->fin)] { fin(); });
        it = fermetures_.erase(it);
    }
    if (departs_.empty() && fermetures_.empty())
        faucheuse_->stop();
}

bool LecteursVlc::demarrer(RoleLecteur role, const QString& programme, const QStringList& arguments)
{
    oublierTermines();
    for (auto it = lecteurs_.begin(); it != lecteurs_.end();) {
        if (it->role != role) {
            ++it;
            continue;
        }
        envoyerAuDepart(*it);
        it = lecteurs_.erase(it);
    }

    // Checked again at each start: a cleaner of the temporary folder may have taken it.
    if (!dossierPrive(dossierSockets_, ::getuid()))
        dossierSockets_ = trouverDossierSockets();
    if (dossierSockets_.isEmpty()) {
        enregistrer();
        return false;
    }
    // The player it replaces may still be on its way out, its socket still there: the new
    // one listens on a socket of its own.
    LecteurEnregistre lecteur{0, role, {}, {}};
    const auto pris = [&](const QString& jeton) {
        lecteur.jeton = jeton;
        const QFileInfo la(cheminSocket(lecteur));
        return la.exists() || la.isSymLink()
            || std::any_of(departs_.begin(), departs_.end(), [&](const Depart& d) {
                   return d.lecteur.role == role && d.lecteur.jeton == jeton;
               });
    };
    QString jeton = nouveauJetonLecteur();
    while (pris(jeton))
        jeton = nouveauJetonLecteur();
    lecteur.jeton = jeton;
    lecteur.socket = cheminSocket(lecteur);

    const pid_t pid = lancer(programme, argumentsPilotes(cheminSocket(lecteur), arguments));
    if (pid <= 1) {
        enregistrer();
        return false;
    }
    lecteur.pid = pid;
    lecteurs_.push_back(lecteur);
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

void LecteursVlc::echanger(RoleLecteur role, QByteArray lignes, bool touche, int attenteMs,
                           std::function<void(bool, QString)> fin)
{
    oublierTermines();
    const auto it = std::find_if(lecteurs_.begin(), lecteurs_.end(),
                                 [role](const LecteurEnregistre& l) { return l.role == role; });
    if (it == lecteurs_.end()) {
        plusTard(contexte_.get(), [fin = std::move(fin)] { fin(false, {}); });
        return;
    }
    const qint64 pid = it->pid;
    // Only while that very player still runs and counts: one closed or replaced meanwhile
    // is not reached.
    auto vivant = [this, pid] {
        oublierTermines();
        return std::any_of(lecteurs_.begin(), lecteurs_.end(), [pid](const LecteurEnregistre& l) { return l.pid == pid; });
    };
    const int total = touche ? attenteMs : kAttenteToucheMs + attenteMs;
    new Echange(contexte_.get(), cheminSocket(*it), std::move(lignes), touche, total, attenteMs, std::move(vivant),
                std::move(fin));
}

void LecteursVlc::envoyerTouche(RoleLecteur role, const QString& action, Suite<bool> recu)
{
    if (!actionValide(action)) {
        plusTard(contexte_.get(), [recu = std::move(recu)] { recu(false); });
        return;
    }
    // VLC says nothing to a key; the answer to the question after it proves that the
    // player has read the key's line.
    echanger(role, "key " + action.toLatin1() + "\nis_playing\n", true, kAttenteToucheMs,
             [recu = std::move(recu)](bool reussi, const QString&) { recu(reussi); });
}

void LecteursVlc::commande(RoleLecteur role, const QString& ligne, Suite<QString> reponse, int attenteMs)
{
    if (!commandeValide(ligne)) {
        plusTard(contexte_.get(), [reponse = std::move(reponse)] { reponse({}); });
        return;
    }
    echanger(role, ligne.toUtf8() + '\n', false, attenteMs,
             [reponse = std::move(reponse)](bool, const QString& texte) { reponse(texte); });
}

void LecteursVlc::fermer(RoleLecteur role, Suite<> fin)
{
    for (auto it = lecteurs_.begin(); it != lecteurs_.end();) {
        if (it->role != role) {
            ++it;
            continue;
        }
        envoyerAuDepart(*it);
        it = lecteurs_.erase(it);
    }
    enregistrer();
    std::vector<qint64> pids;
    for (const auto& d : departs_)
        if (d.lecteur.role == role)
            pids.push_back(d.lecteur.pid);
    attendreDeparts(std::move(pids), std::move(fin));
}

void LecteursVlc::fermerTous(Suite<> fin)
{
    for (const auto& l : lecteurs_)
        envoyerAuDepart(l);
    lecteurs_.clear();
    enregistrer();
    std::vector<qint64> pids;
    for (const auto& d : departs_)
        pids.push_back(d.lecteur.pid);
    attendreDeparts(std::move(pids), std::move(fin));
}

void LecteursVlc::fermerRestes()
{
    std::vector<LecteurEnregistre> restes;
    QFile f(fichierPids());
    if (f.open(QIODevice::ReadOnly))
        restes = lirePids(f.readAll());
    restes.insert(restes.end(), restes_.begin(), restes_.end());
    restes_.clear();
    for (const auto& r : restes) {
        const auto meme = [&](const LecteurEnregistre& l) { return l.pid == r.pid; };
        if (std::any_of(lecteurs_.begin(), lecteurs_.end(), meme)
            || std::any_of(departs_.begin(), departs_.end(), [&](const Depart& d) { return meme(d.lecteur); }))
            continue;
        envoyerAuDepart(r);
    }
    enregistrer();
}
