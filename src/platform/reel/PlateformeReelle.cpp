#include "platform/reel/PlateformeReelle.h"

#include <QDesktopServices>
#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <filesystem>
#include <system_error>

#include <cerrno>
#include <csignal>
#include <ctime>
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

void ShellReel::ouvrir(const QString& adresse)
{
    const QUrl url = adresse.contains("://") ? QUrl(adresse) : QUrl::fromLocalFile(adresse);
    QDesktopServices::openUrl(url);
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

InstanceUnique::Resultat InstanceUniqueReelle::verrouiller()
{
    QDir().mkpath(dossier_);
    verrou_ = std::make_unique<QLockFile>(QDir(dossier_).filePath("Kelmor.lock"));
    verrou_->setStaleLockTime(0);
    if (verrou_->tryLock(0))
        return Resultat::Seule;
    // No folder, no rights, a full disk: the lock file could not be made.
    if (verrou_->error() != QLockFile::LockFailedError)
        return Resultat::DossierInaccessible;
    // The lock of a copy that has ended is removed by tryLock; when it stays although its
    // process is gone, the folder would not let it be removed.
    qint64 pid = 0;
    QString hote, programme;
    if (verrou_->getLockInfo(&pid, &hote, &programme) && pid > 0
        && (hote.isEmpty() || hote == QSysInfo::machineHostName()) && !processusVivant(pid))
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

void SystemeReel::programmerArret(const QString& avis)
{
    QProcess::startDetached("shutdown", {"-h", "+1", avis});
}

void SystemeReel::annulerArret()
{
    QProcess::startDetached("shutdown", {"-c"});
}

bool SystemeReel::lancerProgramme(const QString& programme, const QStringList& arguments)
{
    return QProcess::startDetached(programme, arguments);
}
