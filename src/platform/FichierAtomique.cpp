#include "platform/FichierAtomique.h"

#include <QSaveFile>

bool ecrireFichierAtomique(const QString& chemin, const QByteArray& contenu)
{
    QSaveFile f(chemin);
    // Unbuffered, so that a full disk shows in write() instead of passing silently.
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (f.write(contenu) != contenu.size()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}
