#include "engine/EnregistrementManuel.h"

#include "engine/CommandesLecteur.h"
#include "engine/EtatLecteur.h"
#include "engine/NomEnregistrement.h"
#include "engine/Moteur.h"
#include "engine/Session.h"
#include "platform/Plateforme.h"

QString TexteDureeRestante(std::optional<qint64> resteMs)
{
    if (!resteMs)
        return "Aucune durée n'a été définie actuellement.";
    const qint64 s = std::max<qint64>(0, *resteMs / 1000);
    auto deux = [](qint64 n) { return QString::number(n).rightJustified(2, '0'); };
    return "Durée d'enregistrement restante : " + deux(s / 3600) + ":" + deux((s / 60) % 60) + ":" + deux(s % 60);
}

void EnregistrementManuel::Rec_Click()
{
    enregistrer(false);
}

void EnregistrementManuel::enregistrer(bool confirme)
{
    if (moteur_.refuseSiProgramme())
        return;
    const int index = session_.chaineSelectionnee;
    if (index < 0)
        return;  // nothing selected: nothing to record
    // After a Yes the state is looked at again: the clock may have run while the question was open.
    if (enDiffere(session_.Etat) && !confirme) {
        moteur_.demander("En quittant le mode time shifting pour effectuer un enregistrement,\n"
                         "vous allez perdre la période entre le différé et le direct.\n\n"
                         "Souhaitez-vous poursuivre ?",
                         [this](bool oui) {
                             if (oui)
                                 enregistrer(true);
                         });
        return;
    }
    if (enEnregistrement(session_.Etat)) {
        if (session_.nomChaineSelectionnee() == session_.ChaineEnCours) {
            const auto& fin = session_.FinEnregistrement;
            emit dureeAffichee(true,
                               TexteDureeRestante(fin ? std::optional(*fin - plateforme_.horloge.ecouleMs())
                                                      : std::nullopt),
                               fin.has_value());
            return;
        }
        if (!confirme) {
            moteur_.demander("L'enregistrement en cours va être interrompu\npour enregistrer une autre chaîne.\n\n"
                             "Souhaitez-vous poursuivre ?",
                             [this](bool oui) {
                                 if (oui)
                                     enregistrer(true);
                             });
            return;
        }
    }

    // A folder that takes no file is refused before anything stops: what plays goes on.
    const QString prevu = NomFichierEnregistrement(session_.DossierEnregistrement, plateforme_.horloge.maintenant(),
                                                   session_.chaines.at(index).nom, session_.parametres.p);
    if (const QString refus = RefusFichierEnregistrement(session_.DossierEnregistrement, prevu); !refus.isEmpty()) {
        moteur_.signaler(refus);
        return;
    }

    // Time-shift asked its own question above: the recording starts whatever the answer here.
    moteur_.StopAll_Click(true, [this, index] {
        const Chaine& chaine = session_.chaines.at(index);
        const QString fichier = NomFichierEnregistrement(session_.DossierEnregistrement,
                                                         plateforme_.horloge.maintenant(), chaine.nom,
                                                         session_.parametres.p);
        const QStringList commande =
            CommandeEnregistrementManuel(session_.OptionsVLC, session_.parametres.p, chaine.adresse, fichier,
                                         session_.TV, plateforme_.adresses.lecteurBoitier);
        moteur_.ChangerEtat(EtatLecteur::Enregistrement);
        session_.FichierEnregistrementManuel = fichier;
        if ((session_.TV && !commande.isEmpty() && !moteur_.preparerDiffusion())
            || !moteur_.lancer(RoleLecteur::Enregistreur, commande)) {
            moteur_.ChangerEtat(EtatLecteur::Arret);
            return;
        }
        // The clock watches the recorder and its file from now on.
        session_.surveillance.commencer(fichier, plateforme_.horloge.maintenant());
        // A recorder shown takes the keyboard when its window comes up: it is given back, as
        // after watching, so that the shortcuts still reach the main window.
        if (session_.parametres.p.DISP)
            moteur_.reprendreFocusApres(Moteur::FocusMs);
    });
}

void EnregistrementManuel::Rec2_Click()
{
    if (enEnregistrement(session_.Etat))
        EnregistrerX_Click();
    else
        Rec_Click();
}

void EnregistrementManuel::EnregistrerX_Click()
{
    if (!enEnregistrement(session_.Etat))
        return;
    moteur_.StopAll_Click();
}

void EnregistrementManuel::Duree_Click(int index)
{
    emit dureeAffichee(false, {}, false);
    if (index >= 1 && index <= 8)
        session_.FinEnregistrement = plateforme_.horloge.ecouleMs() + qint64(index) * 30 * 60 * 1000;
    else if (index == 9)
        session_.FinEnregistrement.reset();
}
