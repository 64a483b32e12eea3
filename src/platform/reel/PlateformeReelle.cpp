#include "platform/reel/PlateformeReelle.h"

#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <optional>
#include <system_error>

#include <cerrno>
#include <csignal>
#include <ctime>
#include <sys/stat.h>
#include <sys/types.h>

namespace {
bool processusVivant(qint64 pid)
{
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

QString avecSeparateur(QString d)
{
    if (!d.endsWith('/'))
        d += '/';
    return d;
}
}

QString DossiersReels::programme()
{
    QString d = QProcessEnvironment::systemEnvironment().value("KELMOR_HOME");
    if (d.isEmpty())
        d = QDir::homePath() + "/.local/share/Kelmor";
    QDir().mkpath(d);
    return avecSeparateur(QDir(d).absolutePath());
}

QString DossiersReels::documents()
{
    QString d = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (d.isEmpty() || !QDir(d).exists())
        d = QDir::homePath();
    return avecSeparateur(d);
}

QString DossiersReels::demarrage()
{
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (config.isEmpty())
        return {};
    return avecSeparateur(config + "/autostart");
}

QString DossiersReels::chercherDansPath(const QString& nom)
{
    return QStandardPaths::findExecutable(nom);
}

bool ShellReel::ouvrir(const QString& adresse)
{
    const QUrl url = adresse.contains("://") ? QUrl(adresse) : QUrl::fromLocalFile(adresse);
    return QDesktopServices::openUrl(url);
}

QDateTime HorlogeReelle::maintenant()
{
    return QDateTime::currentDateTime();
}

qint64 HorlogeReelle::ecouleMs()
{
    // The boot-time clock goes on while the computer sleeps: a duration chosen before a
    // sleep has run out when it wakes up after it.
    timespec t{};
    ::clock_gettime(CLOCK_BOOTTIME, &t);
    return qint64(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
}

void HorlogeReelle::apres(int ms, Suite<> etape)
{
    // Even a wait of 0 runs later, from the event loop, never inside the caller.
    QTimer::singleShot(std::max(0, ms), &contexte_, [etape = std::move(etape)] { etape(); });
}

namespace {
// What QLockFile writes: the pid, the program's name, the host name, then the machine's and
// the boot's ids (each may be empty).
struct InfoVerrou {
    qint64 pid = 0;
    QString programme, machine;
    QByteArray idMachine, idDemarrage;
};

std::optional<InfoVerrou> lireVerrou(const QString& chemin)
{
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray texte = f.read(4096);
    texte.replace("\r\n", "\n");
    const QList<QByteArray> lignes = texte.split('\n');
    InfoVerrou i;
    bool ok = false;
    i.pid = lignes.value(0).toLongLong(&ok);
    if (!ok || i.pid <= 0)
        return std::nullopt;
    i.programme = QString::fromUtf8(lignes.value(1));
    i.machine = QString::fromUtf8(lignes.value(2));
    i.idMachine = lignes.value(3);
    i.idDemarrage = lignes.value(4);
    return i;
}

// As QLockFile judges it: by the machine's id when both are known, else by host name.
bool surCetteMachine(const InfoVerrou& i)
{
    bool meme = i.machine.isEmpty() || i.machine == QSysInfo::machineHostName();
    const QByteArray notre = QSysInfo::machineUniqueId();
    if (!i.idMachine.isEmpty() && !notre.isEmpty())
        meme = i.idMachine == notre;
    return meme;
}

bool copieEnCours(const InfoVerrou& i)
{
    if (!i.idDemarrage.isEmpty() && i.idDemarrage != QSysInfo::bootUniqueId())
        return false;
    if (!processusVivant(i.pid))
        return false;
    // The pid may have gone to another program since.
    QString nom = QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/%1/exe").arg(i.pid))).fileName();
    if (nom.endsWith(QLatin1String(" (deleted)")))
        nom.chop(10);
    return nom.isEmpty() || i.programme.isEmpty() || nom == i.programme;
}
}  // namespace

QString InstanceUniqueReelle::cheminVerrou() const
{
    return QDir(dossier_).filePath(QStringLiteral("Kelmor.lock"));
}

InstanceUnique::Resultat InstanceUniqueReelle::verrouiller()
{
    machine_.clear();
    QDir().mkpath(dossier_);
    const QString chemin = cheminVerrou();
    verrou_ = std::make_unique<QLockFile>(chemin);
    verrou_->setStaleLockTime(0);
    if (verrou_->tryLock(0))
        return Resultat::Seule;
    // No folder, no rights, a full disk: the lock file could not be made.
    if (verrou_->error() != QLockFile::LockFailedError)
        return Resultat::DossierInaccessible;
    struct stat etat {};
    if (::lstat(QFile::encodeName(chemin).constData(), &etat) != 0)
        return Resultat::DejaLancee;  // a copy that has just ended took it away
    if (!S_ISREG(etat.st_mode))
        return Resultat::VerrouPasUnFichier;
    const std::optional<InfoVerrou> info = lireVerrou(chemin);
    if (!info) {
        const qint64 age = QFileInfo(chemin).lastModified().secsTo(QDateTime::currentDateTime());
        return qAbs(age) >= kAgeVerrouMuetS ? Resultat::VerrouIllisible : Resultat::DejaLancee;
    }
    if (!surCetteMachine(*info)) {
        machine_ = info->machine;
        return Resultat::VerrouAutreMachine;
    }
    // The lock of a copy that has ended is removed by tryLock; when it stays although its
    // process is gone, the folder would not let it be removed.
    if (!copieEnCours(*info))
        return Resultat::DossierInaccessible;
    return Resultat::DejaLancee;
}

std::int64_t DisqueReel::espaceLibre(const QString& dossier)
{
    std::error_code ec;
    const auto info = std::filesystem::space(dossier.toStdString(), ec);
    if (ec)
        return -1;
    return static_cast<std::int64_t>(info.available);
}

std::int64_t DisqueReel::espaceTotal(const QString& dossier)
{
    std::error_code ec;
    const auto info = std::filesystem::space(dossier.toStdString(), ec);
    if (ec)
        return -1;
    return static_cast<std::int64_t>(info.capacity);
}

std::int64_t DisqueReel::tailleFichier(const QString& chemin)
{
    std::error_code ec;
    const auto taille = std::filesystem::file_size(chemin.toStdString(), ec);
    if (ec)
        return -1;
    return static_cast<std::int64_t>(taille);
}

bool DisqueReel::supprimer(const QByteArray& chemin)
{
    if (chemin.isEmpty())
        return false;
    const std::filesystem::path fichier(chemin.toStdString());
    std::error_code ec;
    std::filesystem::remove(fichier, ec);
    std::error_code e;
    return !std::filesystem::exists(fichier, e);
}

SystemeReel::SystemeReel(const QString& commandeArret, int attenteMs)
    : commandeArret_(commandeArret), attenteMs_(attenteMs), contexte_(std::make_unique<QObject>())
{
    if (commandeArret_.isEmpty())
        commandeArret_ = QStandardPaths::findExecutable(QStringLiteral("shutdown"));
    if (commandeArret_.isEmpty())
        commandeArret_ = QStandardPaths::findExecutable(QStringLiteral("shutdown"), {"/usr/sbin", "/sbin"});
}

SystemeReel::~SystemeReel() = default;

void SystemeReel::programmerArret(const QString& avis, Suite<bool> fait)
{
    executer({"-h", "+1", avis}, std::move(fait));
}

void SystemeReel::annulerArret(Suite<bool> fait)
{
    executer({"-c"}, std::move(fait));
}

void SystemeReel::executer(const QStringList& arguments, Suite<bool> fait)
{
    QObject* contexte = contexte_.get();
    // Told once, always from the event loop, never inside the call.
    auto dit = std::make_shared<bool>(false);
    auto dire = [contexte, dit, fait = std::move(fait)](bool reussi) {
        if (*dit)
            return;
        *dit = true;
        QTimer::singleShot(0, contexte, [fait, reussi] { fait(reussi); });
    };
    if (commandeArret_.isEmpty()) {
        dire(false);
        return;
    }
    auto* p = new QProcess(contexte);
    p->setProgram(commandeArret_);
    p->setArguments(arguments);
    p->setStandardInputFile(QProcess::nullDevice());
    p->setStandardOutputFile(QProcess::nullDevice());
    p->setStandardErrorFile(QProcess::nullDevice());
    auto* limite = new QTimer(p);
    limite->setSingleShot(true);
    QObject::connect(limite, &QTimer::timeout, p, [p, dire] {
        // Gone once its end is reaped (finished).
        p->kill();
        dire(false);
    });
    QObject::connect(p, &QProcess::finished, p, [p, dire](int code, QProcess::ExitStatus statut) {
        dire(statut == QProcess::NormalExit && code == 0);
        p->deleteLater();
    });
    QObject::connect(p, &QProcess::errorOccurred, p, [p, dire](QProcess::ProcessError erreur) {
        if (erreur != QProcess::FailedToStart)
            return;
        dire(false);
        p->deleteLater();
    });
    limite->start(attenteMs_);
    p->start();
}

bool SystemeReel::lancerProgramme(const QString& programme, const QStringList& arguments)
{
    return QProcess::startDetached(programme, arguments);
}
