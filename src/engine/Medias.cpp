#include "engine/Medias.h"

#include "engine/EtatFenetre.h"
#include "engine/Session.h"
#include "platform/Plateforme.h"

const QString Medias::kMessageFlux = QStringLiteral(
    "Vous avez limité Kelmor à l'utilisation d'un seul flux.\n\n"
    "Vous devez donc d'abord stopper le flux ADSL actif\n"
    "avant de pouvoir afficher le direct ou la mosaïque.");

Medias::Medias(Session& session, Moteur& moteur, Plateforme& plateforme, const EtatFenetre& fenetre)
    : session_(session),
      plateforme_(plateforme),
      fenetre_(fenetre),
      mosaique_(plateforme.vue, plateforme.horloge, session.chaines, session.parametres.favoris),
      vue_(session, moteur, plateforme.vue, etat_, mosaique_),
      mediatheque_(session, moteur, plateforme, etat_)
{
    connect(&fenetre, &EtatFenetre::formeChangee, this, &Medias::suivreFenetre);
}

bool Medias::bloque() const
{
    return session_.parametres.p.FLX1 && session_.Etat != EtatLecteur::Arret;
}

void Medias::suivreFenetre()
{
    const bool ouvert = fenetre_.mediasOuvert();
    if (ouvert == etat_.ouvert)
        return;
    if (!ouvert) {
        ArreterVueSiAfficher();
        etat_.ouvert = false;
        etat_.cadre = CadreAfficher::Aucun;
        vue_.quitter();
        return;
    }
    etat_.ouvert = true;
    if (bloque()) {
        plateforme_.dialogues.exclamation(kMessageFlux);
        AfficherOnglets_Click(OngletAfficher::Videos);
        return;
    }
    // The frame counts as hidden so that the tab starts the view even when already selected.
    etat_.cadre = CadreAfficher::Aucun;
    AfficherOnglets_Click(OngletAfficher::Direct);
}

void Medias::Mosaique_Demandee()
{
    suivreFenetre();
    if (etat_.ouvert)
        AfficherOnglets_Click(OngletAfficher::Mosaique);
}

void Medias::AfficherOnglets_Click(OngletAfficher onglet)
{
    etat_.onglet = onglet;
    emit ongletAffiche(onglet);
    const bool flux = bloque();
    // Whatever plays in the view stops when its tab is left, blocked or not.
    if (onglet != OngletAfficher::Mosaique)
        quitterMosaique();
    if (onglet != OngletAfficher::Direct && etat_.cadre == CadreAfficher::Direct) {
        vue_.quitter();
        vue_.arreter();
    }
    CadreAfficher& cadre = etat_.cadre;
    switch (onglet) {
    case OngletAfficher::Direct:
        if (cadre == CadreAfficher::Direct)
            return;
        cadre = flux ? CadreAfficher::Aucun : CadreAfficher::Direct;
        emit cadreAffiche(cadre);
        if (!flux)
            vue_.LancerLectureIntegree();
        return;
    case OngletAfficher::Mosaique:
        if (cadre == CadreAfficher::Mosaique)
            return;
        cadre = flux ? CadreAfficher::Aucun : CadreAfficher::Mosaique;
        emit cadreAffiche(cadre);
        if (!flux) {
            vue_.preparerVue();
            mosaique_.PreparerMosaique(session_.DossierProgramme, groupe_);
        }
        return;
    case OngletAfficher::Videos:
    case OngletAfficher::Photos:
        cadre = CadreAfficher::Fichiers;
        emit cadreAffiche(cadre);
        mediatheque_.choisirOnglet(onglet);
        ArreterVueSiAfficher();
        mediatheque_.AfficherRefresh_Click();
        return;
    }
}

void Medias::ArreterVueSiAfficher()
{
    if (!etat_.ouvert)
        return;
    // The mosaic drives the same view: it ends too.
    quitterMosaique();
    vue_.arreter();
}

void Medias::quitterMosaique()
{
    mosaique_.quitter(vue_.volume(), vue_.muet());
}

void Medias::Chaines_DblClick()
{
    if (!etat_.ouvert)
        emit basculementDemande();
    else if (etat_.onglet != OngletAfficher::Direct)
        AfficherOnglets_Click(OngletAfficher::Direct);
}

void Medias::etatChange()
{
    if (session_.Etat == EtatLecteur::Arret) {
        // A finished recording shows in the list.
        mediatheque_.AfficherRefresh_Click();
        return;
    }
    if (bloque() && etat_.ouvert && (etat_.cadre == CadreAfficher::Direct || etat_.cadre == CadreAfficher::Mosaique))
        emit basculementDemande();
}

void Medias::definirGroupe(int groupe)
{
    groupe_ = groupe;
    if (mosaique_.enCours())
        mosaique_.changerGroupe(groupe);
}

void Medias::Mosaic_MouseUp(int index, Qt::MouseButton bouton)
{
    if (etat_.cadre != CadreAfficher::Mosaique)
        return;
    const int favori = mosaique_.Mosaic_MouseUp(index, bouton);
    if (favori != 0)
        emit favoriDemande(favori);
}
