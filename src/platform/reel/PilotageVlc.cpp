#include "platform/reel/PilotageVlc.h"

#include "platform/reel/RegistreLecteurs.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

QString prefixeSocketsLecteurs(uint uid, const QString& dossierDonnees)
{
    const QString dossier = QDir::cleanPath(QDir(dossierDonnees).absolutePath());
    const QByteArray empreinte =
        QCryptographicHash::hash(dossier.toUtf8(), QCryptographicHash::Md5).toHex().left(8);
    return QStringLiteral("kelmor-%1-%2-").arg(uid).arg(QString::fromLatin1(empreinte));
}

QString nomSocketLecteur(uint uid, const QString& dossierDonnees, RoleLecteur role, const QString& jeton)
{
    QString nom = prefixeSocketsLecteurs(uid, dossierDonnees) + nomRole(role);
    if (!jeton.isEmpty())
        nom += '-' + jeton;
    return nom + QStringLiteral(".sock");
}

QString nouveauJetonLecteur()
{
    return QString::number(QRandomGenerator::global()->bounded(0x1000000), 16).rightJustified(6, '0');
}

bool dossierPrive(const QString& chemin, uint uid)
{
    struct stat etat {};
    if (chemin.isEmpty() || ::lstat(QFile::encodeName(chemin).constData(), &etat) != 0)
        return false;
    return S_ISDIR(etat.st_mode) && etat.st_uid == uid && (etat.st_mode & 077) == 0;
}

QString dossierSockets(const QString& runtime, const QString& temporaire, uint uid)
{
    // Keeps the whole path under 100 bytes:
    // "/kelmor-<uid>-<8 hex>-DiffereEnregistreur-<6 hex>.sock" takes up to 59.
    const auto court = [](const QString& d) { return d.toUtf8().size() <= kLongueurDossierSockets; };
    if (runtime.startsWith(u'/') && court(runtime) && dossierPrive(runtime, uid))
        return runtime;
    const QString nom = QStringLiteral("/kelmor-%1").arg(uid);
    QString base = temporaire;
    while (base.size() > 1 && base.endsWith(u'/'))
        base.chop(1);
    QStringList bases;
    if (base.startsWith(u'/') && court(base + nom + QStringLiteral("-XXXXXX")))
        bases << base;
    if (base != QLatin1String("/tmp"))
        bases << QStringLiteral("/tmp");
    for (const QString& b : std::as_const(bases)) {
        const QByteArray natif = QFile::encodeName(b + nom);
        if (::mkdir(natif.constData(), 0700) != 0 && errno != EEXIST)
            continue;
        if (dossierPrive(b + nom, uid))
            return b + nom;
        // Someone else's, or open to others: a folder of our own beside it, made 0700 by mkdtemp.
        QByteArray modele = natif + "-XXXXXX";
        if (::mkdtemp(modele.data()) && dossierPrive(QFile::decodeName(modele), uid))
            return QFile::decodeName(modele);
    }
    return {};
}

bool supprimerSocket(const QString& chemin, uint uid)
{
    const QByteArray natif = QFile::encodeName(chemin);
    struct stat etat {};
    if (chemin.isEmpty() || ::lstat(natif.constData(), &etat) != 0 || !S_ISSOCK(etat.st_mode) || etat.st_uid != uid)
        return false;
    return ::unlink(natif.constData()) == 0;
}

QStringList argumentsPilotes(const QString& cheminSocket, const QStringList& arguments)
{
    QString interfaces = QStringLiteral("oldrc");
    QStringList reste;
    bool cibles = false;
    for (const QString& a : arguments) {
        if (!cibles && a == QLatin1String("--"))
            cibles = true;
        if (!cibles && a.startsWith(QLatin1String("--extraintf="))) {
            const QString autres = a.mid(int(qstrlen("--extraintf=")));
            if (!autres.isEmpty())
                interfaces += ':' + autres;
            continue;
        }
        reste << a;
    }
    return QStringList{"--extraintf=" + interfaces, "--rc-unix=" + cheminSocket,
                       QStringLiteral("--rc-fake-tty")}
        + reste;
}

bool actionValide(const QString& action)
{
    if (action.isEmpty())
        return false;
    for (const QChar c : action)
        if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-'))
            return false;
    return true;
}

bool commandeValide(const QString& ligne)
{
    if (ligne.trimmed().isEmpty())
        return false;
    for (const QChar c : ligne)
        if (c.category() == QChar::Other_Control || c.category() == QChar::Separator_Line
            || c.category() == QChar::Separator_Paragraph)
            return false;
    return true;
}
