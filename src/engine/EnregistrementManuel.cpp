#include "engine/EnregistrementManuel.h"

#include "core/Application.h"
#include "core/Fenetre.h"
#include "engine/CommandesLecteur.h"
#include "engine/EtatLecteur.h"
#include "engine/NomEnregistrement.h"
#include "engine/Transport.h"

using namespace EtatLecteur;

QString TexteDureeRestante(const QDateTime& fin, const QDateTime& maintenant)
{
    if (!fin.isValid())
        return "Aucune durée n'a été définie actuellement.";
    const qint64 s = std::max<qint64>(0, maintenant.secsTo(fin));
    auto deux = [](qint64 n) { return QString::number(n).rightJustified(2, '0'); };
    return "Durée d'enregistrement restante : " + deux(s / 3600) + ":" + deux((s / 60) % 60) + ":" + deux(s % 60);
}

void EnregistrementManuel::Rec_Click()
{
    auto& d = app_.plateforme.dialogues;
    const auto garde = app_.operationMoteur();
    if (app_.transport->refuseSiProgramme())
        return;
    const int index = app_.chaineSelectionnee;
    if (index < 0)
        return;  // nothing selected: nothing to record
    if ((app_.Etat & EtatDiffere)
        && !d.question("En quittant le mode time shifting pour effectuer un enregistrement,\n"
                       "vous allez perdre la période entre le différé et le direct.\n\n"
                       "Souhaitez-vous poursuivre ?"))
        return;
    if (app_.Etat & EtatEnregistrement) {
        if (app_.nomChaineSelectionnee() == app_.ChaineEnCours) {
            app_.fenetre.afficherDuree(true, TexteDureeRestante(app_.FinEnregistrement, app_.plateforme.horloge.maintenant()),
                                       app_.FinEnregistrement.isValid());
            return;
        }
        if (!d.question("L'enregistrement en cours va être interrompu\npour enregistrer une autre chaîne.\n\n"
                        "Souhaitez-vous poursuivre ?"))
            return;
    }

    const Chaine& chaine = app_.chaines.at(index);
    const QString fichier = NomFichierEnregistrement(app_.DossierEnregistrement, app_.plateforme.horloge.maintenant(),
                                                     chaine.nom, app_.parametres.p);
    const QStringList commande =
        CommandeEnregistrementManuel(app_.OptionsVLC, app_.parametres.p, chaine.adresse, fichier, app_.TV,
                                     app_.plateforme.adresses.lecteurBoitier);
    // Time-shift asked its own question above: the recording starts whatever the answer here.
    app_.transport->StopAll_Click(true);
    app_.ChangerEtat(EtatEnregistrement);
    if ((app_.TV && !commande.isEmpty() && !app_.transport->preparerDiffusion())
        || !app_.transport->lancer(RoleLecteur::Enregistreur, commande))
        app_.ChangerEtat(EtatArret);
}

void EnregistrementManuel::EnregistrerX_Click()
{
    if (!(app_.Etat & EtatEnregistrement))
        return;
    app_.transport->StopAll_Click();
}

void EnregistrementManuel::Duree_Click(int index)
{
    app_.fenetre.afficherDuree(false, {}, false);
    if (index >= 1 && index <= 8)
        app_.FinEnregistrement = app_.plateforme.horloge.maintenant().addSecs(index * 30 * 60);
    else if (index == 9)
        app_.FinEnregistrement = QDateTime();
}
