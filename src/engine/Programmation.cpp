#include "engine/Programmation.h"

#include "engine/CommandesLecteur.h"
#include "engine/DecisionsHorloge.h"
#include "engine/EtatLecteur.h"
#include "engine/NomEnregistrement.h"
#include "engine/Moteur.h"
#include "engine/Session.h"
#include "platform/Plateforme.h"

void Programmation::rafraichir()
{
    const ProgListe& l = session_.programmes;
    emit programmesAffiches(l.textes(), l.selection(), l.boutons());
}

void Programmation::Recharger(const QStringList& lignes)
{
    const QDateTime maintenant = plateforme_.horloge.maintenant();
    for (const QString& texte : lignes)
        if (const auto l = LigneProgramme::depuisTexte(texte))
            session_.programmes.AjouterProgramme(ValeursEditeur::De(*l), false, maintenant, plateforme_.dialogues);
    session_.programmes.ActualiserBoutonsProgramme();
    rafraichir();
}

bool Programmation::AjouterProgramme(const ValeursEditeur& valeurs, bool demander)
{
    const auto garde = moteur_.operation();
    const ResultatAjout r =
        session_.programmes.AjouterProgramme(valeurs, demander, plateforme_.horloge.maintenant(), plateforme_.dialogues);
    rafraichir();
    if (r.enregistrerPuisHorloge) {
        emit enregistrementDemande();
        Horloge_Timer();
    }
    return r.ajoute;
}

void Programmation::ProgOK_Click(const ValeursEditeur& valeurs)
{
    session_.editeur = valeurs;
    AjouterProgramme(session_.editeur, true);
}

void Programmation::Stopper_Click()
{
    // No tick may end the entry while the question is open.
    const auto garde = moteur_.operation();
    if (session_.programmes.Stopper_Click(plateforme_.dialogues)) {
        rafraichir();
        Horloge_Timer();
    }
}

void Programmation::Modifier_Click()
{
    const auto garde = moteur_.operation();
    if (const auto v = session_.programmes.Modifier_Click(plateforme_.dialogues)) {
        session_.editeur = *v;
        emit editeurEcrit(session_.editeur);
        rafraichir();
    }
}

void Programmation::arreterProgramme()
{
    moteur_.ChangerEtat(EtatLecteur::FinProgramme);
    moteur_.StopAll_Click();
}

void Programmation::apresSuppression(const ResultatSuppression& r)
{
    if (r.arreterEnregistrement)
        arreterProgramme();
    rafraichir();
    if (r.supprime)
        emit enregistrementDemande();
}

void Programmation::SupprimerSelection_Click()
{
    const auto garde = moteur_.operation();
    apresSuppression(session_.programmes.SupprimerSelection_Click(plateforme_.dialogues));
}

void Programmation::ToutSupprimer_Click()
{
    const auto garde = moteur_.operation();
    apresSuppression(session_.programmes.ToutSupprimer_Click(plateforme_.dialogues));
}

void Programmation::Nettoyer_Click()
{
    session_.programmes.Nettoyer_Click();
    rafraichir();
    emit enregistrementDemande();
}

void Programmation::ProgListe_Click(int index)
{
    session_.programmes.selectionner(index);
    rafraichir();
}

void Programmation::ExtinctionOFF_Click()
{
    plateforme_.systeme.annulerArret();
    emit extinctionOFFAffichee(false);
}

void Programmation::AfficherEspaceLibre()
{
    auto& disque = plateforme_.disque;
    const QString dossier = session_.DossierEnregistrement;
    const std::int64_t libre = disque.espaceLibre(dossier);
    if (const auto texte = ::AfficherEspaceLibre(libre))
        emit espaceLibreAffiche(*texte, FractionEspaceLibre(libre, disque.espaceTotal(dossier)).value_or(-1));
}

void Programmation::InitialiserEditeur()
{
    session_.programmes.ActualiserBoutonsProgramme();
    rafraichir();
    // The clock ignores the shutdown when a program runs after the recording.
    emit extinctionActivee(!session_.parametres.p.AUTR);
    session_.editeur = ValeursEditeur::Initiales(plateforme_.horloge.maintenant(), session_.nomChaineSelectionnee());
    emit editeurEcrit(session_.editeur);
    AfficherEspaceLibre();
}

void Programmation::Horloge_Timer()
{
    // Nobody may be there to answer: what the tick has to say is shown once it is over,
    // so that an open message never holds the clock.
    QStringList exclamations, informations;
    {
        const auto garde = moteur_.operation();
        tic(exclamations, informations);
    }
    for (const QString& m : exclamations)
        plateforme_.dialogues.exclamation(m);
    for (const QString& m : informations)
        plateforme_.dialogues.information(m);
}

std::optional<QString> Programmation::surveillerEnregistreur(const QDateTime& maintenant, QStringList& exclamations)
{
    auto& p = plateforme_;
    SurveillanceEnregistreur& s = session_.surveillance;
    if (!s.active() || !avecEnregistrement(session_.Etat))
        return std::nullopt;
    const QString fichier = s.fichier();
    const auto verdict =
        s.verifier(p.lecteurs.enCours(RoleLecteur::Enregistreur), p.disque.tailleFichier(fichier), maintenant);
    if (verdict == SurveillanceEnregistreur::Verdict::Normal)
        return std::nullopt;
    const QString chaine = session_.ChaineEnCours;
    if (enProgramme(session_.Etat))
        return MessageEchecEnregistrement(true, chaine, fichier, verdict);
    // Whatever is left of the recorder goes, and the window shows the stop.
    moteur_.StopAll_Click(true);
    exclamations << MessageEchecEnregistrement(false, chaine, fichier, verdict);
    return std::nullopt;
}

EntreeHorloge Programmation::entreeHorloge(const QDateTime& maintenant) const
{
    auto& p = plateforme_;
    const Parametres& reglages = session_.parametres.p;
    EntreeHorloge e;
    e.maintenant = maintenant;
    if (session_.FinEnregistrement.isValid())
        e.finEnregistrement = session_.FinEnregistrement;
    e.chaines = session_.chaines.noms();
    e.fichierEnregistre = session_.FichierEnregistre;
    e.tailleFichier = session_.FichierEnregistre.isEmpty() ? -1 : p.disque.tailleFichier(session_.FichierEnregistre);
    e.texteTaille = session_.texteTaille;
    e.programmeApres = reglages.AUTR;
    e.programme = reglages.AUTP;
    e.argumentsProgramme = reglages.AUTL;
    e.extinction = session_.Extinction && !reglages.AUTR;
    return e;
}

void Programmation::tic(QStringList& exclamations, QStringList& informations)
{
    const QDateTime maintenant = plateforme_.horloge.maintenant();
    EntreeHorloge e = entreeHorloge(maintenant);
    e.echecEnregistrement = surveillerEnregistreur(maintenant, exclamations);
    if (!executer(DeciderTicHorloge(session_.programmes, e), maintenant, exclamations, informations)) {
        // The entry that was due has no recorder: it fails at once, the user already told.
        e = entreeHorloge(maintenant);
        e.echecEnregistrement = QString();
        executer(DeciderTicHorloge(session_.programmes, e), maintenant, exclamations, informations);
    }
    rafraichir();
}

bool Programmation::executer(const std::vector<ActionHorloge>& actions, const QDateTime& maintenant,
                             QStringList& exclamations, QStringList& informations)
{
    auto& p = plateforme_;
    const Parametres& reglages = session_.parametres.p;
    bool lance = true;
    for (const ActionHorloge& a : actions) {
        switch (a.genre) {
        case ActionHorloge::ArreterEnregistrementManuel:
            if (enEnregistrement(session_.Etat))
                moteur_.StopAll_Click();
            break;
        case ActionHorloge::DemarrerProgramme: {
            // Nobody may be there to answer: whatever plays stops without a question.
            moteur_.StopAll_Click(true);
            session_.ChaineEnCours = a.chaine;
            moteur_.ChangerEtat(EtatLecteur::Programme);
            session_.texteTaille = QStringLiteral("0 Mo");
            emit progressionAffichee(a.progression, session_.texteTaille);
            session_.FichierEnregistre =
                NomFichierEnregistrement(session_.DossierEnregistrement, maintenant, a.chaine, reglages);
            const QStringList commande = CommandeEnregistrementProgramme(
                session_.OptionsVLC, reglages, session_.chaines.at(a.indexChaine).adresse, session_.FichierEnregistre);
            QString erreur;
            if (moteur_.lancer(RoleLecteur::Enregistreur, commande, &erreur)) {
                session_.surveillance.commencer(session_.FichierEnregistre, maintenant);
            } else {
                exclamations << "L'enregistrement programmé de " + a.chaine + " n'a pas pu commencer.\n" + erreur;
                lance = false;
            }
            break;
        }
        case ActionHorloge::SuivreProgramme:
            session_.texteTaille = a.texteTaille;
            emit progressionAffichee(a.progression, a.texte);
            AfficherEspaceLibre();
            break;
        case ActionHorloge::TerminerProgramme:
            arreterProgramme();
            break;
        case ActionHorloge::Avertir:
            exclamations << a.texte;
            break;
        case ActionHorloge::LancerProgrammeApres:
            if (!p.systeme.lancerProgramme(a.programme, a.arguments))
                exclamations << "Le programme à exécuter après l'enregistrement n'a pas pu être lancé :\n" +
                                    a.programme;
            break;
        case ActionHorloge::ProgrammerExtinction:
            p.systeme.programmerArret(a.texte);
            emit extinctionOFFAffichee(true);
            break;
        case ActionHorloge::Informer:
            informations << a.texte;
            break;
        case ActionHorloge::ActualiserTitre:
            moteur_.ActualiserTitre();
            break;
        }
    }
    return lance;
}

void Programmation::Extinction_Click(bool cochee)
{
    session_.Extinction = cochee;
}
