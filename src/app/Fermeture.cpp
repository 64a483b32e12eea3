#include "app/Fermeture.h"

ActionFermeture DeciderFermeture(EtatFermeture etat, bool parUtilisateur, bool operation)
{
    switch (etat) {
    case EtatFermeture::Terminee:
        return ActionFermeture::Accepter;
    case EtatFermeture::Lecteurs:
    case EtatFermeture::Attente:
        return ActionFermeture::Refuser;
    case EtatFermeture::Questions:
    case EtatFermeture::AttenteQuestions:
        // The session's end or a stop signal does not wait for an answer.
        if (parUtilisateur)
            return ActionFermeture::Refuser;
        return operation ? ActionFermeture::Attendre : ActionFermeture::Fermer;
    case EtatFermeture::EnMarche:
        break;
    }
    // Closing in the middle of a sequence (players closing, time-shift buffering) would leave
    // it to go on after the players were stopped: the close waits for its end.
    if (operation)
        return parUtilisateur ? ActionFermeture::AttendreQuestions : ActionFermeture::Attendre;
    return parUtilisateur ? ActionFermeture::Demander : ActionFermeture::Fermer;
}
