#pragma once
#include "platform/Adresses.h"
#include "platform/ClientWeb.h"
#include "platform/Dialogues.h"
#include "platform/Disque.h"
#include "platform/Dossiers.h"
#include "platform/Horloge.h"
#include "platform/InstanceUnique.h"
#include "platform/Lecteurs.h"
#include "platform/PageReglages.h"
#include "platform/ServeurDiffere.h"
#include "platform/Shell.h"
#include "platform/Systeme.h"

// Every operating-system service the application uses, handed in by main() or by a test.
struct Plateforme {
    Dialogues& dialogues;
    ClientWeb& web;
    Dossiers& dossiers;
    Shell& shell;
    Horloge& horloge;
    InstanceUnique& instance;
    Disque& disque;
    Systeme& systeme;
    Lecteurs& lecteurs;
    PageReglages& pageReglages;
    ServeurDiffere& serveurDiffere;
    Adresses adresses;
};
