#include "platform/reel/PlateformeReelle.h"

#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QThread>
#include <QUrl>

#include <filesystem>
#include <system_error>

namespace {
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

void HorlogeReelle::attendre(int ms)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(std::min<qint64>(20, std::max<qint64>(1, ms - t.elapsed())));
    }
}

bool InstanceUniqueReelle::acquerir()
{
    QDir().mkpath(dossier_);
    verrou_ = std::make_unique<QLockFile>(QDir(dossier_).filePath("Kelmor.lock"));
    verrou_->setStaleLockTime(0);
    return verrou_->tryLock(0);
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
