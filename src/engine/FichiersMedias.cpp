#include "engine/FichiersMedias.h"

#include <QDir>

#include <algorithm>

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

QStringList listerFichiers(const QString& dossier, const QString& motif)
{
    return nomsCorrespondants(QDir(dossier).entryList(QDir::Files), motif);
}

int selectionApresSuppression(int index, int nombre)
{
    if (nombre <= 0)
        return -1;
    return std::clamp(index, 0, nombre - 1);
}
