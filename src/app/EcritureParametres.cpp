#include "app/EcritureParametres.h"

#include "core/FichierParametres.h"
#include "engine/CommandesLecteur.h"
#include "engine/Moteur.h"
#include "engine/Session.h"
#include "platform/Plateforme.h"
#include "shell/Fond.h"

bool EcritureParametres::EcrireParametres()
{
    Session& s = session_;
    // With no channel list at hand the remembered channel stays as it was read.
    if (s.chaineSelectionnee >= 0)
        s.parametres.chaine = s.nomChaineSelectionnee();
    else if (!s.chaines.estVide())
        s.parametres.chaine.clear();
    s.parametres.programmes = s.programmes.textes();
    const QPoint pos = fond_.position();
    s.parametres.pos1 = pos.x();
    s.parametres.pos2 = pos.y();
    const bool ok = EcrireFichierParametres(s.cheminParametres(), s.parametres, &connu_);
    if (!ok)
        plateforme_.dialogues.exclamation(kMessageEchecParametres);
    // After a save the re-broadcast toggle follows its option again.
    s.TV = s.parametres.p.FRPL;
    moteur_.afficherBascules();
    s.OptionsVLC = ::OptionsVLC(s.DossierEnregistrement, s.parametres.p.ZOOM);
    return ok;
}

void EcritureParametres::fichierLu(const QByteArray& texte)
{
    connu_ = ConnaitreFichierParametres(session_.cheminParametres(), texte);
}
