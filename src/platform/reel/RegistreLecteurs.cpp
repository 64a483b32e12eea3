#include "platform/reel/RegistreLecteurs.h"

#include <QFile>
#include <QList>

namespace {
struct NomDeRole {
    RoleLecteur role;
    const char* nom;
};
constexpr NomDeRole kRoles[] = {
    {RoleLecteur::Regarder, "Regarder"},
    {RoleLecteur::DiffereEnregistreur, "DiffereEnregistreur"},
    {RoleLecteur::DiffereLecteur, "DiffereLecteur"},
    {RoleLecteur::Enregistreur, "Enregistreur"},
    {RoleLecteur::Fichier, "Fichier"},
    {RoleLecteur::Reinitialisation, "Reinitialisation"},
};
}

QString nomRole(RoleLecteur role)
{
    for (const auto& r : kRoles)
        if (r.role == role)
            return QString::fromLatin1(r.nom);
    return {};
}

std::optional<RoleLecteur> roleDepuisNom(const QString& nom)
{
    for (const auto& r : kRoles)
        if (nom == QLatin1String(r.nom))
            return r.role;
    return std::nullopt;
}

bool jetonValide(const QString& jeton)
{
    if (jeton.isEmpty() || jeton.size() > 16)
        return false;
    for (const QChar c : jeton)
        if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')))
            return false;
    return true;
}

QByteArray ecrirePids(const std::vector<LecteurEnregistre>& lecteurs)
{
    QByteArray texte;
    for (const auto& l : lecteurs) {
        texte += QByteArray::number(l.pid) + ' ' + nomRole(l.role).toLatin1();
        if (!l.jeton.isEmpty())
            texte += ' ' + l.jeton.toLatin1();
        texte += '\n';
    }
    return texte;
}

std::vector<LecteurEnregistre> lirePids(const QByteArray& contenu)
{
    std::vector<LecteurEnregistre> lecteurs;
    QByteArray texte = contenu;
    texte.replace("\r\n", "\n").replace('\r', '\n');
    for (const QByteArray& ligne : texte.split('\n')) {
        const QList<QByteArray> champs = ligne.simplified().split(' ');
        if (champs.size() != 2 && champs.size() != 3)
            continue;
        const QString jeton = champs.size() == 3 ? QString::fromLatin1(champs[2]) : QString();
        if (champs.size() == 3 && !jetonValide(jeton))
            continue;
        bool ok = false;
        const qint64 pid = champs[0].toLongLong(&ok);
        const auto role = roleDepuisNom(QString::fromLatin1(champs[1]));
        // kill() on 0, 1 or a negative pid would reach whole process groups or init.
        if (!ok || pid <= 1 || !role)
            continue;
        lecteurs.push_back({pid, *role, jeton, QString()});
    }
    return lecteurs;
}

QString socketDuLecteur(const QByteArray& cmdline, const QString& nomSocket)
{
    if (nomSocket.isEmpty())
        return {};
    const QByteArray prefixe = "--rc-unix=";
    const QByteArray nom = nomSocket.toUtf8();
    for (const QByteArray& argument : cmdline.split('\0')) {
        if (!argument.startsWith(prefixe))
            continue;
        const QByteArray chemin = argument.mid(prefixe.size());
        const qsizetype barre = chemin.lastIndexOf('/');
        if (barre >= 0 && chemin.mid(barre + 1) == nom)
            return QFile::decodeName(chemin);
    }
    return {};
}

bool estNotreLecteur(const QByteArray& cmdline, const QString& nomSocket)
{
    return !socketDuLecteur(cmdline, nomSocket).isEmpty();
}

bool lecteurTermine(const QByteArray& stat, const QByteArray& cmdline, const QString& nomSocket)
{
    // "<pid> (<name>) <state> …": the name may itself hold ") ".
    const qsizetype fin = stat.lastIndexOf(')');
    if (fin < 0 || stat.size() < fin + 3)
        return true;
    const char etat = stat[fin + 2];
    if (etat == 'Z' || etat == 'X' || etat == 'x')
        return true;
    return !cmdline.isEmpty() && !estNotreLecteur(cmdline, nomSocket);
}
