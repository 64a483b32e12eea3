#include "core/TableFavoris.h"

#include <QtGlobal>

QString& TableFavoris::operator[](int i)
{
    Q_ASSERT(i >= 0 && i < Taille);
    return groupes[i / TailleGroupe][i % TailleGroupe];
}

const QString& TableFavoris::operator[](int i) const
{
    Q_ASSERT(i >= 0 && i < Taille);
    return groupes[i / TailleGroupe][i % TailleGroupe];
}

const QString& TableFavoris::at(int i) const
{
    return (*this)[i];
}

QString TableFavoris::nomParDefaut(int g)
{
    return QStringLiteral("Chaînes favorites ") + QString::number(g);
}

TableFavoris TableFavoris::defaut()
{
    TableFavoris t;
    for (int g = 0; g < NombreGroupes; ++g)
        t.groupes[g][0] = nomParDefaut(g);
    return t;
}
