#pragma once
#include <QString>

class ListeChaines;

// What the controls that name the current channel show for a selection (-1 = none).
struct VueChaine {
    QString progChaine;    // the name, for ProgChaîne and ProgChaîne3
    QString progChaine2;   // "number : name", cut to 31 characters
    bool precedenteActive = false;  // ChaîneM, ChaîneM2, SizeBarM
    bool suivanteActive = false;    // ChaîneP, ChaîneP2, SizeBarP
};

VueChaine CalculerVueChaine(const ListeChaines& liste, int index);
