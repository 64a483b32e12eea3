#pragma once
#include "core/Parametres.h"

#include <QStringView>

#include <span>

// How a key of the settings file is stored.
enum class GenreCle {
    Version,        // VERS
    Chemin,         // PATH
    Dossier,        // RECP
    Chaine,         // CHA1
    Position1,      // POS1
    Position2,      // POS2
    Case,           // check box: "0" / "1"
    Liste,          // index of a drop-down list, or a bounded whole number
    Encapsulation,  // TSPS: "1" for TS, otherwise "2"
    Texte,          // text written trimmed, read as it stands
};

// One key of the settings file and the field of Parametres it fills (none for the
// special keys, which live beside Parametres).
struct CleParametre {
    const char* nom;
    GenreCle genre;
    bool Parametres::*booleen = nullptr;
    int Parametres::*entier = nullptr;
    QString Parametres::*texte = nullptr;
    int min = 0;
    int max = 0;
};

// Every key, in the order the file is written. The file and the options pane both read it.
std::span<const CleParametre> ClesParametres();
// The key named `nom` (four letters), or null.
const CleParametre* TrouverCle(QStringView nom);
const CleParametre* TrouverCle(const char* nom);
