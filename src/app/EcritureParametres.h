#pragma once
#include "core/FichierParametres.h"
#include "engine/Sauvegarde.h"

class Fond;
class Moteur;
struct Plateforme;
struct Session;

// The settings file rewritten whole, with what the session and the window hold now (the last
// channel, the schedule, the window's place), as every save of the program does it.
class EcritureParametres : public Sauvegarde {
public:
    EcritureParametres(Session& session, Plateforme& plateforme, Moteur& moteur, const Fond& fond)
        : session_(session), plateforme_(plateforme), moteur_(moteur), fond_(fond)
    {
    }
    bool EcrireParametres() override;
    // Start-up read the settings file: a save that would write the same text leaves it alone.
    void fichierLu(const QByteArray& texte);

private:
    Session& session_;
    Plateforme& plateforme_;
    Moteur& moteur_;
    const Fond& fond_;
    FichierParametresConnu connu_;
};
