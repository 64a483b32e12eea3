#include "engine/FichiersMedias.h"

#include <QFile>

#include <algorithm>
#include <filesystem>
#include <string>
#include <system_error>

namespace {
bool correspond(QStringView nom, QStringView motif)
{
    // Iterative match with one back-track point: linear in practice, never recursive.
    qsizetype n = 0, m = 0, etoile = -1, reprise = 0;
    while (n < nom.size()) {
        if (m < motif.size() && motif[m] == u'*') {
            etoile = m++;
            reprise = n;
        } else if (m < motif.size()
                   && (motif[m] == u'?' || motif[m].toCaseFolded() == nom[n].toCaseFolded())) {
            ++m;
            ++n;
        } else if (etoile >= 0) {
            m = etoile + 1;
            n = ++reprise;
        } else {
            return false;
        }
    }
    while (m < motif.size() && motif[m] == u'*')
        ++m;
    return m == motif.size();
}
}  // namespace

bool correspondMotif(const QString& nom, const QString& motif)
{
    return correspond(nom, motif);
}

QStringList nomsCorrespondants(const QStringList& noms, const QString& motif)
{
    QStringList liste;
    for (const QString& nom : noms)
        if (correspond(nom, motif))
            liste << nom;
    std::sort(liste.begin(), liste.end(), [](const QString& a, const QString& b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    return liste;
}

QByteArray cheminFichierMedia(const QString& dossier, const QByteArray& octets)
{
    QByteArray chemin = QFile::encodeName(dossier);
    if (!chemin.isEmpty() && !chemin.endsWith('/'))
        chemin += '/';
    return chemin + octets;
}

bool FichierMedia::nomFidele() const
{
    return QFile::encodeName(nom) == octets;
}

QList<FichierMedia> listerFichiersMedias(const QString& dossier, const QString& motif)
{
    QList<FichierMedia> liste;
    std::error_code erreur;
    std::filesystem::directory_iterator it(QFile::encodeName(dossier).toStdString(), erreur);
    for (; !erreur && it != std::filesystem::directory_iterator(); it.increment(erreur)) {
        const std::string nom = it->path().filename().native();
        std::error_code e;
        if (nom.empty() || nom.front() == '.' || !it->is_regular_file(e))
            continue;
        const QByteArray octets = QByteArray::fromStdString(nom);
        const QString texte = QFile::decodeName(octets);
        if (correspond(texte, motif))
            liste.append({texte, octets});
    }
    std::sort(liste.begin(), liste.end(), [](const FichierMedia& a, const FichierMedia& b) {
        if (const int c = a.nom.compare(b.nom, Qt::CaseInsensitive); c != 0)
            return c < 0;
        return a.nom != b.nom ? a.nom < b.nom : a.octets < b.octets;
    });
    return liste;
}

QStringList listerFichiers(const QString& dossier, const QString& motif)
{
    QStringList noms;
    for (const FichierMedia& f : listerFichiersMedias(dossier, motif))
        noms << f.nom;
    return noms;
}

bool fichierMediaExiste(const QString& dossier, const QByteArray& octets)
{
    std::error_code erreur;
    return !octets.isEmpty() && std::filesystem::exists(cheminFichierMedia(dossier, octets).toStdString(), erreur);
}

int selectionApresSuppression(int index, int nombre)
{
    if (nombre <= 0)
        return -1;
    return std::clamp(index, 0, nombre - 1);
}
