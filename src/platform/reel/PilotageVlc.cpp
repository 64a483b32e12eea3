#include "platform/reel/PilotageVlc.h"

#include "platform/reel/RegistreLecteurs.h"

#include <QCryptographicHash>
#include <QDir>
#include <QRandomGenerator>

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

QString dossierSockets(const QString& dossierTemporaire)
{
    // Keeps the whole path under 100 bytes:
    // "/kelmor-<uid>-<8 hex>-DiffereEnregistreur-<6 hex>.sock" takes up to 59.
    if (dossierTemporaire.isEmpty() || dossierTemporaire.toUtf8().size() > 40)
        return QStringLiteral("/tmp");
    return dossierTemporaire;
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
