#include "core/FichierAtomique.h"

#include <QSaveFile>

bool ecrireFichierAtomique(const QString& chemin, const QByteArray& contenu)
{
    QSaveFile f(chemin);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    if (f.write(contenu) != contenu.size()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}
