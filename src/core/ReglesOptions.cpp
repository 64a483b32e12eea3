#include "core/ReglesOptions.h"

#include <QHash>

void ExclusionAuDessus(bool& MTOP, bool& OTOP, bool mtopClique)
{
    if (!(MTOP && OTOP))
        return;
    if (mtopClique)
        OTOP = false;
    else
        MTOP = false;
}

bool NomGroupeValide(const QString& nom)
{
    for (const QChar c : nom)
        if (c == u'\n' || c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            return false;
    return true;
}

QString TexteZoom(int zoom)
{
    return QString::number(zoom) + u'%';
}

std::array<int, 8> SelectionsGroupe(const TableFavoris& table, int groupe, const QStringList& noms)
{
    std::array<int, 8> selections;
    selections.fill(-1);
    if (groupe < 0 || groupe >= TableFavoris::NombreGroupes)
        return selections;
    // One pass over the channels, not eight: the last index of each name.
    QHash<QString, int> dernier;
    dernier.reserve(noms.size());
    for (int j = 0; j < noms.size(); ++j)
        dernier.insert(noms[j], j);
    for (int i = 0; i < 8; ++i) {
        const QString& nom = table.at(groupe * TableFavoris::TailleGroupe + i + 1);
        if (!nom.isEmpty())
            selections[i] = dernier.value(nom, -1);
    }
    return selections;
}
