#pragma once

// Rewrites the settings file whole: how the controllers save, after a change the file must
// keep at once.
class Sauvegarde {
public:
    virtual ~Sauvegarde() = default;
    // False when it could not be written (the user was told).
    virtual bool EcrireParametres() = 0;
};
