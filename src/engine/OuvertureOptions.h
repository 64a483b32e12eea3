#pragma once
#include "core/FichierParametres.h"

#include <QString>
#include <QStringList>

// What the options pane shows when it opens (the pane is built then the first time).
struct OuvertureOptions {
    int onglet = 0;       // 1 to 8; 0 keeps the tab it showed last
    int groupe = 0;       // the favourites editor's group
    int emplacement = 0;  // the favourites' slot that takes the focus, 1 to 8; 0 none
    ContenuParametres valeurs;
    QStringList chaines;
    QString dossierProgramme;
    QString site;   // the web links' addresses
    QString forum;
};
