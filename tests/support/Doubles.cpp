#include "support/Doubles.h"

#include <QDir>

FauxDossiers::FauxDossiers()
{
    const QString r = racine.path();
    programmeChemin = r + "/programme/";
    documentsChemin = r + "/documents/";
    demarrageChemin = r + "/autostart/";
    QDir().mkpath(programmeChemin);
    QDir().mkpath(documentsChemin);
}
