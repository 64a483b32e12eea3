#include "engine/Transport.h"

#include "core/Application.h"
#include "core/Fenetre.h"
#include "engine/CommandesLecteur.h"
#include "engine/EtatLecteur.h"
#include "engine/FichiersReglages.h"

#include <QFile>
#include <QFileInfo>

using namespace EtatLecteur;

const QString Transport::kRefusProgramme =
    "Un enregistrement programmé est actuellement en cours.\n"
    "Ouvrez le volet de programmation pour le supprimer.";

namespace {
const QString kQuestionQuitterEnregistrement =
    "L'enregistrement en cours va être interrompu\npour passer en mode lecture.\n\nSouhaitez-vous poursuivre ?";
const QString kQuestionQuitterDiffere =
    "En quittant le mode time shifting, vous allez\nperdre la période entre le différé et le direct.\n\n"
    "Souhaitez-vous poursuivre ?";
const QString kQuestionEnregistrementVersDiffere =
    "L'enregistrement en cours va être interrompu\npour passer en mode time shifting.\n\nSouhaitez-vous poursuivre ?";
}  // namespace

RoleLecteur Transport::roleVisible() const
{
    if (app_.Etat & EtatDiffere)
        return RoleLecteur::DiffereLecteur;
    if (app_.Etat == EtatEnregistrement)
        return RoleLecteur::Enregistreur;
    if (app_.plateforme.lecteurs.enCours(RoleLecteur::Regarder))
        return RoleLecteur::Regarder;
    return RoleLecteur::Fichier;
}

bool Transport::lancer(RoleLecteur role, const QStringList& arguments, QString* erreur)
{
    QString message;
    if (arguments.isEmpty())
        message = "L'adresse de cette chaîne ou un réglage du lecteur n'est pas valide.\n"
                  "Le lecteur vlc n'a pas été lancé.";
    else if (!app_.plateforme.lecteurs.demarrer(role, app_.parametres.cheminVLC, arguments))
        message = "Le lecteur vlc n'a pas pu être lancé :\n" + app_.parametres.cheminVLC;
    if (message.isEmpty())
        return true;
    if (erreur)
        *erreur = message;
    else
        app_.plateforme.dialogues.exclamation(message);
    return false;
}

bool Transport::preparerDiffusion()
{
    auto& p = app_.plateforme;
    if (!EcrirePageReglages(app_.DossierProgramme, p.adresses.lecteurBoitier)) {
        p.dialogues.exclamation("La page de réglages pour la télévision n'a pas pu être écrite dans\n" +
                                app_.DossierProgramme);
        return false;
    }
    if (!p.pageReglages.demarrer(app_.DossierProgramme))
        p.dialogues.exclamation("La page de réglages pour la télévision ne peut pas être servie :\n"
                                "le port 8080 est déjà utilisé.");
    return true;
}

bool Transport::refuseSiProgramme()
{
    if (!(app_.Etat & EtatProgramme))
        return false;
    app_.plateforme.dialogues.information(kRefusProgramme);
    return true;
}

void Transport::Play_Click()
{
    auto& d = app_.plateforme.dialogues;
    const auto garde = app_.operationMoteur();
    if (refuseSiProgramme())
        return;
    if (app_.Etat & EtatPause) {
        Pause_Click();
        return;
    }
    if (app_.Etat & EtatDiffere)
        return;
    const int index = app_.chaineSelectionnee;
    if (index < 0)
        return;
    if ((app_.Etat & EtatEnregistrement) && !d.question(kQuestionQuitterEnregistrement))
        return;

    const QStringList commande =
        CommandeRegarder(app_.OptionsVLC, app_.parametres.p, app_.chaines.at(index).adresse, app_.TV,
                         app_.plateforme.adresses.lecteurBoitier);
    if (commande.isEmpty()) {
        lancer(RoleLecteur::Regarder, commande);
        return;
    }
    // Breaking off the recording means its player stops too.
    if (app_.Etat & EtatEnregistrement)
        app_.plateforme.lecteurs.fermer(RoleLecteur::Enregistreur);
    app_.ChangerEtat(EtatLecture);
    if (app_.TV && !preparerDiffusion()) {
        app_.ChangerEtat(EtatArret);
        return;
    }
    if (!lancer(RoleLecteur::Regarder, commande)) {
        app_.ChangerEtat(EtatArret);
        return;
    }
    app_.plateforme.horloge.attendre(2000);
    app_.fenetre.reprendreFocus();
}

void Transport::RegarderX_Click()
{
    const auto garde = app_.operationMoteur();
    if (app_.Etat & EtatLecture)
        StopAll_Click();
}

void Transport::StopAll_Click(bool sansQuestion)
{
    auto& d = app_.plateforme.dialogues;
    const auto garde = app_.operationMoteur();
    if (refuseSiProgramme())
        return;
    if ((app_.Etat & EtatDiffere) && !sansQuestion && !d.question(kQuestionQuitterDiffere))
        return;
    if (app_.Etat == EtatArret)
        return;
    FermerLecteurExterne();
    app_.plateforme.horloge.attendre(1000);
    app_.ChangerEtat(EtatArret);
}

bool Transport::EnvoyerTouchesLecteur(const QString& action)
{
    const auto garde = app_.operationMoteur();
    auto& lecteurs = app_.plateforme.lecteurs;
    const RoleLecteur role = roleVisible();
    if (!lecteurs.enCours(role))
        return false;
    app_.fenetre.activer(false);
    app_.plateforme.horloge.attendre(200);
    const bool envoye = lecteurs.envoyerTouche(role, action);
    app_.fenetre.activer(true);
    app_.plateforme.horloge.attendre(200);
    app_.fenetre.reprendreFocus();
    return envoye;
}

void Transport::VolumeM_Click()
{
    EnvoyerTouchesLecteur("key-vol-down");
}

void Transport::VolumeP_Click()
{
    EnvoyerTouchesLecteur("key-vol-up");
}

void Transport::Full_Click()
{
    EnvoyerTouchesLecteur("key-toggle-fullscreen");
}

void Transport::Mute_Click()
{
    const auto garde = app_.operationMoteur();
    if (EnvoyerTouchesLecteur("key-vol-mute")) {
        app_.Muet = !app_.Muet;
        app_.fenetre.afficherBascules(app_.TV, app_.Muet);
    }
}

void Transport::Snap_Click()
{
    const auto garde = app_.operationMoteur();
    if (!(app_.Etat & MasqueImage))
        return;
    app_.fenetre.afficherPhotoEnCours(true);
    EnvoyerTouchesLecteur("key-snapshot");
    app_.fenetre.afficherPhotoEnCours(false);
}

void Transport::ChaineM_Click()
{
    const auto garde = app_.operationMoteur();
    if (app_.chaineSelectionnee <= 0)
        return;
    app_.Chaines_Click(app_.chaineSelectionnee - 1);
    if (app_.plateforme.lecteurs.enCours(RoleLecteur::Regarder))
        Play_Click();
}

void Transport::ChaineP_Click()
{
    const auto garde = app_.operationMoteur();
    if (app_.chaineSelectionnee < 0 || app_.chaineSelectionnee >= app_.chaines.taille() - 1)
        return;
    app_.Chaines_Click(app_.chaineSelectionnee + 1);
    if (app_.plateforme.lecteurs.enCours(RoleLecteur::Regarder))
        Play_Click();
}

void Transport::TV_Click()
{
    app_.TV = !app_.TV;
    app_.fenetre.afficherBascules(app_.TV, app_.Muet);
}

void Transport::supprimerFichier(const QString& chemin)
{
    if (QFileInfo::exists(chemin) && !QFile::remove(chemin))
        app_.plateforme.dialogues.exclamation("Le fichier temporaire suivant n'a pas pu être supprimé :\n" + chemin);
}

void Transport::FermerLecteurExterne()
{
    const auto garde = app_.operationMoteur();
    auto& p = app_.plateforme;
    app_.fenetre.activer(false);
    // Every player of ours goes, time-shift's two included, before any file is touched.
    p.lecteurs.fermerTous();
    const QString differe = fichierDiffere(app_.DossierEnregistrement);
    if (!app_.parametres.p.TIME && QFileInfo::exists(differe)) {
        p.horloge.attendre(1000);
        supprimerFichier(differe);
    }
    p.pageReglages.arreter();
    supprimerFichier(app_.DossierProgramme + "settings.html");
    supprimerFichier(app_.DossierProgramme + "settings.gif");
    app_.fenetre.activer(true);
}

void Transport::Shift_Click()
{
    auto& d = app_.plateforme.dialogues;
    const auto garde = app_.operationMoteur();
    if (refuseSiProgramme())
        return;
    if (app_.Etat & EtatDiffere) {
        StopAll_Click();
        if (app_.Etat == EtatArret)
            Play_Click();
        return;
    }
    const int index = app_.chaineSelectionnee;
    if (index < 0)
        return;
    if ((app_.Etat & EtatEnregistrement) && !d.question(kQuestionEnregistrementVersDiffere))
        return;

    const QString adresse = app_.chaines.at(index).adresse;
    const QStringList enregistreur = CommandeDiffereEnregistreur(app_.DossierEnregistrement, adresse);
    const QStringList lecteur = CommandeDiffereLecteur(app_.OptionsVLC, app_.parametres.p, app_.DossierEnregistrement,
                                                       app_.TV, app_.plateforme.adresses.lecteurBoitier);
    if (enregistreur.isEmpty() || lecteur.isEmpty()) {
        lancer(RoleLecteur::DiffereEnregistreur, {});
        return;
    }

    app_.fenetre.afficherTampon(0);
    StopAll_Click();
    app_.ChangerEtat(EtatDiffere | EtatLecture);
    app_.fenetre.activer(false);
    if (!lancer(RoleLecteur::DiffereEnregistreur, enregistreur)) {
        app_.fenetre.afficherTampon(-1);
        app_.fenetre.activer(true);
        app_.ChangerEtat(EtatArret);
        return;
    }
    for (int i = 1; i <= 30; ++i) {
        app_.fenetre.afficherTampon(i);
        app_.plateforme.horloge.attendre(100);
    }
    app_.fenetre.afficherTampon(-1);
    if ((app_.TV && !preparerDiffusion()) || !lancer(RoleLecteur::DiffereLecteur, lecteur)) {
        app_.fenetre.activer(true);
        FermerLecteurExterne();
        app_.ChangerEtat(EtatArret);
        return;
    }
    app_.plateforme.horloge.attendre(1000);
    app_.fenetre.activer(true);
}

void Transport::Pause_Click()
{
    const auto garde = app_.operationMoteur();
    if (refuseSiProgramme())
        return;
    if (!(app_.Etat & EtatDiffere)) {
        Shift_Click();
        if (!(app_.Etat & EtatDiffere))
            return;
    }
    if (!EnvoyerTouchesLecteur("key-play-pause"))
        return;
    app_.ChangerEtat((app_.Etat & EtatPause) ? (EtatDiffere | EtatLecture) : (EtatDiffere | EtatPause));
}
