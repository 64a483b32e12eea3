#include "platform/reel/LecteursVlc.h"

#include "platform/reel/EchangeControle.h"
#include "platform/reel/LancementProcessus.h"
#include "platform/reel/PilotageVlc.h"
#include "platform/reel/Recolteur.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <functional>
#include <unistd.h>

namespace {
QByteArray lireProc(qint64 pid, const char* fichier)
{
    QFile f(QStringLiteral("/proc/%1/%2").arg(pid).arg(QLatin1String(fichier)));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

// Runs `f` from the event loop, as long as `contexte` lives: no report ever runs inside
// the call that asked for it, nor inside a loop of ours over players or sockets.
void plusTard(QObject* contexte, std::function<void()> f)
{
    QTimer::singleShot(0, contexte, std::move(f));
}

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

void LecteursVlc::renvoyer(const std::function<bool(RoleLecteur)>& dont)
{
    for (auto it = lecteurs_.begin(); it != lecteurs_.end();) {
        if (!dont(it->role)) {
            ++it;
            continue;
        }
        envoyerAuDepart(*it);
        it = lecteurs_.erase(it);
    }
}

// `fin` waits for every player of those roles on its way out, sent away now or earlier.
void LecteursVlc::fermerRoles(const std::function<bool(RoleLecteur)>& dont, Suite<> fin)
{
    renvoyer(dont);
    enregistrer();
    std::vector<qint64> pids;
    for (const auto& d : departs_)
        if (dont(d.lecteur.role))
            pids.push_back(d.lecteur.pid);
    attendreDeparts(std::move(pids), std::move(fin));
}

bool LecteursVlc::demarrer(RoleLecteur role, const QString& programme, const QStringList& arguments)
{
    oublierTermines();
    renvoyer([role](RoleLecteur r) { return r == role; });

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

    const pid_t pid = lancerProcessus(programme, argumentsPilotes(cheminSocket(lecteur), arguments));
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
    new EchangeControle(contexte_.get(), cheminSocket(*it), std::move(lignes), touche, total, attenteMs, std::move(vivant),
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
    fermerRoles([role](RoleLecteur r) { return r == role; }, std::move(fin));
}

void LecteursVlc::fermerTous(Suite<> fin)
{
    fermerRoles([](RoleLecteur) { return true; }, std::move(fin));
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
