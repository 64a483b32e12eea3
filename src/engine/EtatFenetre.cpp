#include "engine/EtatFenetre.h"

void EtatFenetre::definirForme(Forme forme, Volet volet)
{
    if (forme != Forme::VoletOuvert)
        volet = Volet::Aucun;
    if (forme == forme_ && volet == volet_)
        return;
    forme_ = forme;
    volet_ = volet;
    emit formeChangee();
}

void EtatFenetre::choisirOngletGuide(int onglet)
{
    ongletGuide_ = onglet;
    emit ongletGuideChoisi(onglet);
}

void EtatFenetre::definirOptionsOuvertes(bool ouvertes)
{
    if (ouvertes == options_)
        return;
    options_ = ouvertes;
    emit optionsOuvertesChangees(ouvertes);
}

void EtatFenetre::definirFavorisDevant(bool devant)
{
    if (devant == devant_)
        return;
    devant_ = devant;
    emit favorisDevantChange(devant);
}
