#pragma once
#include <QString>

// Hands the growing time-shift buffer to the viewer. VLC 3 stops at the current end of a
// file it reads, even while the recorder is still writing it; served through this
// address, the viewer waits at the end for more instead, for as long as it is served.
class ServeurDiffere {
public:
    virtual ~ServeurDiffere() = default;
    // Serves that file (it may not exist yet) and returns the address the viewer plays;
    // "" when it cannot be served.
    virtual QString servir(const QString& fichier) = 0;
    // Ends the service: the viewers reading it reach their end; the file is released.
    virtual void arreter() = 0;
    virtual bool enService() const = 0;
};
