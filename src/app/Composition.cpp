#include "app/Composition.h"

Composition::Composition(Plateforme& p, EtatFenetre& fenetre, const Fond& fond)
    : moteur(session, p),
      ecriture(session, p, moteur, fond),
      transport(session, moteur, p),
      enregistrement(session, moteur, p),
      programmation(session, moteur, p, ecriture),
      favoris(session, moteur, p, fenetre, ecriture),
      guide(session, moteur, p, fenetre),
      options(session, p, fenetre, ecriture),
      medias(session, moteur, p, fenetre)
{
    horloge.setObjectName("Horloge");
    horloge.setInterval(10000);
}
