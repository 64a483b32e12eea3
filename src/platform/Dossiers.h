#pragma once
#include <QString>

// Well-known folders. Every folder is returned with a final "/".
class Dossiers {
public:
    virtual ~Dossiers() = default;
    // The data folder (~/.local/share/Kelmor/, or $KELMOR_HOME), created when missing.
    virtual QString programme() = 0;
    // The user's documents folder.
    virtual QString documents() = 0;
    // The XDG autostart folder; "" when it cannot be found.
    virtual QString demarrage() = 0;
    // Full path of an executable found on the PATH; "" when none.
    virtual QString chercherDansPath(const QString& nom) = 0;
};
