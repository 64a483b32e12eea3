#pragma once
#include "app/EcritureParametres.h"
#include "engine/EnregistrementManuel.h"
#include "engine/Favoris.h"
#include "engine/GuideTV.h"
#include "engine/Medias.h"
#include "engine/Moteur.h"
#include "engine/Options.h"
#include "engine/Programmation.h"
#include "engine/Session.h"
#include "engine/Transport.h"

#include <QTimer>

class EtatFenetre;
class Fond;
struct Plateforme;

// The engine's parts of one run, built together: the session, what the controllers share,
// the save, the controllers and the 10-second clock's timer.
struct Composition {
    Composition(Plateforme& plateforme, EtatFenetre& fenetre, const Fond& fond);

    Session session;
    Moteur moteur;
    EcritureParametres ecriture;
    Transport transport;
    EnregistrementManuel enregistrement;
    Programmation programmation;
    Favoris favoris;
    GuideTV guide;
    Options options;
    Medias medias;
    QTimer horloge;
};
