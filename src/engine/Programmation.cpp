#include "engine/Programmation.h"

#include "core/Application.h"
#include "core/Fenetre.h"
#include "engine/CommandesLecteur.h"
#include "engine/DecisionsHorloge.h"
#include "engine/EnregistrementManuel.h"
#include "engine/EtatLecteur.h"
#include "engine/NomEnregistrement.h"
#include "engine/Transport.h"

using namespace EtatLecteur;

void Programmation::rafraichir()
{
    app_.fenetre.afficherProgrammes(liste.textes(), liste.selection(), liste.boutons());
}

void Programmation::Recharger(const QStringList& lignes)
{
    const QDateTime maintenant = app_.plateforme.horloge.maintenant();
    for (const QString& texte : lignes)
        if (const auto l = LigneProgramme::depuisTexte(texte))
            liste.AjouterProgramme(ValeursEditeur::De(*l), false, maintenant, app_.plateforme.dialogues);
    liste.ActualiserBoutonsProgramme();
    rafraichir();
}

bool Programmation::AjouterProgramme(const ValeursEditeur& valeurs, bool demander)
{
    const auto garde = app_.operationMoteur();
    const ResultatAjout r =
        liste.AjouterProgramme(valeurs, demander, app_.plateforme.horloge.maintenant(), app_.plateforme.dialogues);
    rafraichir();
    if (r.enregistrerPuisHorloge) {
        app_.EcrireParametres();
        Horloge_Timer();
    }
    return r.ajoute;
}

void Programmation::ProgOK_Click()
{
    editeur = app_.fenetre.lireEditeur();
    AjouterProgramme(editeur, true);
}

void Programmation::Stopper_Click()
{
    // No tick may end the entry while the question is open.
    const auto garde = app_.operationMoteur();
    if (liste.Stopper_Click(app_.plateforme.dialogues)) {
        rafraichir();
        Horloge_Timer();
    }
}

void Programmation::Modifier_Click()
{
    const auto garde = app_.operationMoteur();
    if (const auto v = liste.Modifier_Click(app_.plateforme.dialogues)) {
        editeur = *v;
        app_.fenetre.ecrireEditeur(editeur);
        rafraichir();
    }
}

void Programmation::arreterProgramme()
{
    app_.ChangerEtat(EtatFinProgramme);
    app_.transport->StopAll_Click();
}

void Programmation::apresSuppression(const ResultatSuppression& r)
{
    if (r.arreterEnregistrement)
        arreterProgramme();
    rafraichir();
    if (r.supprime)
        app_.EcrireParametres();
}

void Programmation::SupprimerSelection_Click()
{
    const auto garde = app_.operationMoteur();
    apresSuppression(liste.SupprimerSelection_Click(app_.plateforme.dialogues));
}

void Programmation::ToutSupprimer_Click()
{
    const auto garde = app_.operationMoteur();
    apresSuppression(liste.ToutSupprimer_Click(app_.plateforme.dialogues));
}

void Programmation::Nettoyer_Click()
{
    liste.Nettoyer_Click();
    rafraichir();
    app_.EcrireParametres();
}

void Programmation::ProgListe_Click(int index)
{
    liste.selectionner(index);
    app_.fenetre.afficherProgrammes(liste.textes(), liste.selection(), liste.boutons());
}

void Programmation::ExtinctionOFF_Click()
{
    app_.plateforme.systeme.annulerArret();
    app_.fenetre.afficherExtinctionOFF(false);
}

void Programmation::AfficherEspaceLibre()
{
    auto& disque = app_.plateforme.disque;
    const QString dossier = app_.DossierEnregistrement;
    const std::int64_t libre = disque.espaceLibre(dossier);
    if (const auto texte = ::AfficherEspaceLibre(libre))
        app_.fenetre.afficherEspaceLibre(*texte, FractionEspaceLibre(libre, disque.espaceTotal(dossier)).value_or(-1));
}

void Programmation::InitialiserEditeur()
{
    liste.ActualiserBoutonsProgramme();
    rafraichir();
    editeur = ValeursEditeur::Initiales(app_.plateforme.horloge.maintenant(), app_.nomChaineSelectionnee());
    app_.fenetre.ecrireEditeur(editeur);
    AfficherEspaceLibre();
}

void Programmation::Horloge_Timer()
{
    // Nobody may be there to answer: what the tick has to say is shown once it is over,
    // so that an open message never holds the clock.
    QStringList exclamations, informations;
    {
        const auto garde = app_.operationMoteur();
        tic(exclamations, informations);
    }
    for (const QString& m : exclamations)
        app_.plateforme.dialogues.exclamation(m);
    for (const QString& m : informations)
        app_.plateforme.dialogues.information(m);
}

void Programmation::tic(QStringList& exclamations, QStringList& informations)
{
    auto& p = app_.plateforme;
    const Parametres& reglages = app_.parametres.p;

    EntreeHorloge e;
    e.maintenant = p.horloge.maintenant();
    if (app_.FinEnregistrement.isValid())
        e.finEnregistrement = app_.FinEnregistrement;
    e.chaines = app_.chaines.noms();
    e.fichierEnregistre = FichierEnregistre;
    e.tailleFichier = FichierEnregistre.isEmpty() ? -1 : p.disque.tailleFichier(FichierEnregistre);
    e.texteTaille = texteTaille;
    e.programmeApres = reglages.AUTR;
    e.programme = reglages.AUTP;
    e.argumentsProgramme = reglages.AUTL;
    e.extinction = Extinction && !reglages.AUTR;

    for (const ActionHorloge& a : DeciderTicHorloge(liste, e)) {
        switch (a.genre) {
        case ActionHorloge::ArreterEnregistrementManuel:
            app_.enregistrement->EnregistrerX_Click();
            break;
        case ActionHorloge::DemarrerProgramme: {
            // Nobody may be there to answer: whatever plays stops without a question.
            app_.transport->StopAll_Click(true);
            app_.ChaineEnCours = a.chaine;
            app_.ChangerEtat(EtatProgramme);
            texteTaille = QStringLiteral("0 Mo");
            app_.fenetre.afficherProgression(a.progression, texteTaille);
            FichierEnregistre =
                NomFichierEnregistrement(app_.DossierEnregistrement, e.maintenant, a.chaine, reglages);
            const QStringList commande = CommandeEnregistrementProgramme(
                app_.OptionsVLC, reglages, app_.chaines.at(a.indexChaine).adresse, FichierEnregistre);
            QString erreur;
            if (!app_.transport->lancer(RoleLecteur::Enregistreur, commande, &erreur))
                exclamations << "L'enregistrement programmé de " + a.chaine + " n'a pas pu commencer.\n" + erreur;
            break;
        }
        case ActionHorloge::SuivreProgramme:
            texteTaille = a.texteTaille;
            app_.fenetre.afficherProgression(a.progression, a.texte);
            AfficherEspaceLibre();
            break;
        case ActionHorloge::TerminerProgramme:
            arreterProgramme();
            break;
        case ActionHorloge::LancerProgrammeApres:
            if (!p.systeme.lancerProgramme(a.programme, a.arguments))
                exclamations << "Le programme à exécuter après l'enregistrement n'a pas pu être lancé :\n" +
                                    a.programme;
            break;
        case ActionHorloge::ProgrammerExtinction:
            p.systeme.programmerArret(a.texte);
            app_.fenetre.afficherExtinctionOFF(true);
            break;
        case ActionHorloge::Informer:
            informations << a.texte;
            break;
        case ActionHorloge::ActualiserTitre:
            app_.ActualiserTitre();
            break;
        }
    }
    rafraichir();
}
