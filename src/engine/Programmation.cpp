#include "engine/Programmation.h"

#include "engine/CommandesLecteur.h"
#include "engine/DecisionsHorloge.h"
#include "engine/EtatLecteur.h"
#include "engine/LectureHorloge.h"
#include "engine/NomEnregistrement.h"
#include "engine/Moteur.h"
#include "engine/Sauvegarde.h"
#include "engine/Session.h"
#include "platform/Plateforme.h"

#include <QMetaMethod>

#include <cstdlib>

void Programmation::rafraichir()
{
    // Until the schedule's pane is built nobody shows the list: its lines are not written out
    // for nothing at start-up and at every tick (the pane is shown them once built).
    if (!isSignalConnected(QMetaMethod::fromSignal(&Programmation::programmesAffiches)))
        return;
    const ProgListe& l = session_.programmes;
    emit programmesAffiches(l.textes(), l.selection(), l.boutons());
}

void Programmation::afficherVolet()
{
    rafraichir();
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

template <typename R>
bool Programmation::demander(const Etape<R>& etape, void (Programmation::*suite)(const Accord&))
{
    if (!etape.aDemander)
        return false;
    const Accord a = *etape.aDemander;
    moteur_.demander(a.question, [this, a, suite](bool oui) {
        if (oui)
            (this->*suite)(a);
    });
    return true;
}

void Programmation::AjouterProgramme(const ValeursEditeur& valeurs, bool demander, std::function<void()> ajoute)
{
    ajouter(valeurs, demander, {}, std::move(ajoute));
}

void Programmation::ajouter(const ValeursEditeur& valeurs, bool demander, const Accord& accord,
                            std::function<void()> ajoute)
{
    const Etape<ResultatAjout> e = session_.programmes.AjouterProgramme(
        valeurs, demander, plateforme_.horloge.maintenant(), plateforme_.dialogues, accord);
    if (e.aDemander) {
        const Accord a = *e.aDemander;
        moteur_.demander(a.question, [this, valeurs, demander, a, ajoute](bool oui) {
            if (!oui)
                return;
            Accord suite = a;
            suite.acceptees << a.question;
            ajouter(valeurs, demander, suite, ajoute);
        });
        return;
    }
    rafraichir();
    if (e.resultat.enregistrerPuisHorloge) {
        sauvegarde_.EcrireParametres();
        emit ticDemande();
    }
    if (e.resultat.ajoute && ajoute)
        ajoute();
}

void Programmation::ProgrammerDepuisGuide(const ValeursEditeur& valeurs)
{
    session_.editeur = valeurs;
    emit editeurEcrit(valeurs);
    AjouterProgramme(valeurs, true, [this] {
        plateforme_.dialogues.information(QStringLiteral("L'enregistrement de cette émission a été programmé."));
    });
}

void Programmation::GuiderOnglets_Click(int onglet)
{
    if (onglet == 1)
        InitialiserEditeur();
}

void Programmation::ProgOK_Click(const ValeursEditeur& valeurs)
{
    session_.editeur = valeurs;
    AjouterProgramme(session_.editeur, true);
}

void Programmation::Stopper_Click()
{
    stopper({});
}

void Programmation::stopper(const Accord& accord)
{
    const Etape<bool> e = session_.programmes.Stopper_Click(accord);
    if (!demander(e, &Programmation::stopper) && e.resultat) {
        rafraichir();
        emit ticDemande();
    }
}

void Programmation::Modifier_Click()
{
    modifier({});
}

void Programmation::modifier(const Accord& accord)
{
    const auto e = session_.programmes.Modifier_Click(accord);
    if (!demander(e, &Programmation::modifier) && e.resultat) {
        session_.editeur = *e.resultat;
        emit editeurEcrit(session_.editeur);
        rafraichir();
    }
}

void Programmation::arreterProgramme(std::function<void()> ensuite)
{
    session_.FinProgramme.reset();
    session_.RepereProgramme.reset();
    moteur_.ChangerEtat(EtatLecteur::FinProgramme);
    moteur_.StopAll_Click(true, std::move(ensuite));
}

void Programmation::apresSuppression(const ResultatSuppression& r)
{
    if (r.arreterEnregistrement)
        arreterProgramme({});
    rafraichir();
    if (r.supprime)
        sauvegarde_.EcrireParametres();
}

void Programmation::SupprimerSelection_Click()
{
    supprimerSelection({});
}

void Programmation::supprimerSelection(const Accord& accord)
{
    const Etape<ResultatSuppression> e = session_.programmes.SupprimerSelection_Click(accord);
    if (!demander(e, &Programmation::supprimerSelection))
        apresSuppression(e.resultat);
}

void Programmation::ToutSupprimer_Click()
{
    toutSupprimer({});
}

void Programmation::toutSupprimer(const Accord& accord)
{
    const Etape<ResultatSuppression> e = session_.programmes.ToutSupprimer_Click(accord);
    if (!demander(e, &Programmation::toutSupprimer))
        apresSuppression(e.resultat);
}

void Programmation::Nettoyer_Click()
{
    session_.programmes.Nettoyer_Click();
    rafraichir();
    sauvegarde_.EcrireParametres();
}

void Programmation::ProgListe_Click(int index)
{
    session_.programmes.selectionner(index);
    rafraichir();
}

void Programmation::ExtinctionOFF_Click()
{
    // The button stays while the shutdown still stands: the user may try again.
    plateforme_.systeme.annulerArret(Suite<bool>(this, [this](bool annule) {
        if (annule)
            emit extinctionOFFAffichee(false);
        else
            moteur_.signaler(kEchecAnnulationExtinction);
    }));
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

// One tick, over the steps its stops take: the actions decided, the next one to carry out,
// and what the user is told once it is over.
struct Programmation::Tic {
    QDateTime maintenant;
    qint64 ecoule = 0;  // the elapsed reading with it
    std::vector<ActionHorloge> actions;
    std::size_t suivante = 0;
    bool lance = true;       // false when a recorder due to start could not start
    bool redecide = false;
    QStringList exclamations, informations;
};

void Programmation::Horloge_Timer()
{
    // A tick never waits for anybody: nothing is asked, and what it has to say is shown once
    // no box is open, after it.
    auto t = std::make_shared<Tic>();
    t->maintenant = plateforme_.horloge.maintenant();
    t->ecoule = plateforme_.horloge.ecouleMs();
    const RapportEnregistreur r = surveillerEnregistreur(session_, plateforme_, t->maintenant);
    if (r.echecManuel) {
        // Whatever is left of the failed manual recorder goes, and the window shows the stop.
        t->exclamations << *r.echecManuel;
        moteur_.StopAll_Click(true, [this, t] { decider(t, std::nullopt); });
        return;
    }
    decider(t, r.echecProgramme);
}

void Programmation::decider(const std::shared_ptr<Tic>& t, const std::optional<QString>& echec)
{
    EntreeHorloge e = lireEntreeHorloge(session_, plateforme_, t->maintenant);
    e.echecEnregistrement = echec;
    if (session_.FinProgramme)
        e.resteProgrammeMs = *session_.FinProgramme - t->ecoule;
    if (auto& repere = session_.RepereProgramme) {
        // The wall clock was set during the recording: said once, its end stays where it was.
        const qint64 mur = t->maintenant.toMSecsSinceEpoch();
        const qint64 ecart = (mur - repere->first) - (t->ecoule - repere->second);
        if (std::abs(ecart) >= kSautHorlogeMs) {
            t->informations << MessageSautHorloge(session_.ChaineEnCours, ecart);
            repere = std::pair{mur, t->ecoule};
        }
    }
    t->actions = DeciderTicHorloge(session_.programmes, e);
    t->suivante = 0;
    executer(t);
}

void Programmation::executer(const std::shared_ptr<Tic>& t)
{
    auto& p = plateforme_;
    // The actions that stop players go on from the report of the stop: each of them returns
    // here through its continuation, and this call ends.
    const auto suite = [this, t] { executer(t); };
    while (t->suivante < t->actions.size()) {
        const ActionHorloge a = t->actions[t->suivante++];
        switch (a.genre) {
        case ActionHorloge::ArreterEnregistrementManuel:
            if (enEnregistrement(session_.Etat)) {
                moteur_.StopAll_Click(true, suite);
                return;
            }
            break;
        case ActionHorloge::DemarrerProgramme:
            session_.FinProgramme = t->ecoule + a.resteMs;
            session_.RepereProgramme = std::pair{t->maintenant.toMSecsSinceEpoch(), t->ecoule};
            // Nobody may be there to answer: whatever plays stops without a question. The
            // entry is recording from now on for every check, while what plays stops.
            moteur_.debutDemarrageProgramme();
            moteur_.StopAll_Click(true, [this, t, a] {
                moteur_.finDemarrageProgramme();
                demarrerProgramme(*t, a);
                executer(t);
            });
            return;
        case ActionHorloge::SuivreProgramme:
            session_.texteTaille = a.texteTaille;
            emit progressionAffichee(a.progression, a.texte);
            AfficherEspaceLibre();
            break;
        case ActionHorloge::TerminerProgramme:
            arreterProgramme(suite);
            return;
        case ActionHorloge::Avertir:
            t->exclamations << a.texte;
            break;
        case ActionHorloge::LancerProgrammeApres:
            if (!p.systeme.lancerProgramme(a.programme, a.arguments))
                t->exclamations << "Le programme à exécuter après l'enregistrement n'a pas pu être lancé :\n" +
                                       a.programme;
            break;
        case ActionHorloge::ProgrammerExtinction:
            // The tick goes on; the system's answer is shown when it comes.
            p.systeme.programmerArret(a.texte, Suite<bool>(this, [this, avis = a.texte](bool programme) {
                if (programme) {
                    emit extinctionOFFAffichee(true);
                    emit extinctionProgrammee(avis);
                } else
                    moteur_.signaler(kEchecExtinction);
            }));
            break;
        case ActionHorloge::Informer:
            t->informations << a.texte;
            break;
        case ActionHorloge::ActualiserTitre:
            moteur_.ActualiserTitre();
            break;
        }
    }
    if (!t->lance && !t->redecide) {
        // The entry that was due has no recorder: it fails at once, the user already told.
        t->redecide = true;
        decider(t, QString());
        return;
    }
    rafraichir();
    Dialogues& d = plateforme_.dialogues;
    const QStringList exclamations = t->exclamations, informations = t->informations;
    if (exclamations.isEmpty() && informations.isEmpty())
        return;
    d.quandLibre([&d, exclamations, informations] {
        for (const QString& m : exclamations)
            d.exclamation(m);
        for (const QString& m : informations)
            d.information(m);
    });
}

void Programmation::demarrerProgramme(Tic& t, const ActionHorloge& a)
{
    const Parametres& reglages = session_.parametres.p;
    session_.ChaineEnCours = a.chaine;
    moteur_.ChangerEtat(EtatLecteur::Programme);
    session_.texteTaille = QStringLiteral("0 Mo");
    emit progressionAffichee(a.progression, session_.texteTaille);
    session_.FichierEnregistre = NomFichierEnregistrement(session_.DossierEnregistrement, t.maintenant, a.chaine, reglages);
    const QStringList commande = CommandeEnregistrementProgramme(
        session_.OptionsVLC, reglages, session_.chaines.at(a.indexChaine).adresse, session_.FichierEnregistre);
    QString erreur = commande.isEmpty()
                         ? QString()
                         : RefusFichierEnregistrement(session_.DossierEnregistrement, session_.FichierEnregistre);
    if (erreur.isEmpty() && moteur_.lancer(RoleLecteur::Enregistreur, commande, &erreur)) {
        session_.surveillance.commencer(session_.FichierEnregistre, t.maintenant);
    } else {
        t.exclamations << "L'enregistrement programmé de " + a.chaine + " n'a pas pu commencer.\n" + erreur;
        t.lance = false;
    }
}

void Programmation::Extinction_Click(bool cochee)
{
    session_.Extinction = cochee;
}
