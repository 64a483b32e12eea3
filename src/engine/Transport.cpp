#include "engine/Transport.h"

#include "engine/CommandesLecteur.h"
#include "engine/EtatLecteur.h"
#include "engine/Moteur.h"
#include "engine/Session.h"
#include "platform/Plateforme.h"

namespace {
const QString kQuestionQuitterEnregistrement =
    "L'enregistrement en cours va être interrompu\npour passer en mode lecture.\n\nSouhaitez-vous poursuivre ?";
const QString kQuestionEnregistrementVersDiffere =
    "L'enregistrement en cours va être interrompu\npour passer en mode time shifting.\n\nSouhaitez-vous poursuivre ?";
}  // namespace

void Transport::Play_Click()
{
    auto& d = plateforme_.dialogues;
    const auto garde = moteur_.operation();
    if (moteur_.refuseSiProgramme())
        return;
    if (enPause(session_.Etat)) {
        Pause_Click();
        return;
    }
    if (enDiffere(session_.Etat))
        return;
    const int index = session_.chaineSelectionnee;
    if (index < 0)
        return;
    if (enEnregistrement(session_.Etat) && !d.question(kQuestionQuitterEnregistrement))
        return;

    const QStringList commande =
        CommandeRegarder(session_.OptionsVLC, session_.parametres.p, session_.chaines.at(index).adresse, session_.TV,
                         plateforme_.adresses.lecteurBoitier);
    if (commande.isEmpty()) {
        moteur_.lancer(RoleLecteur::Regarder, commande);
        return;
    }
    // Breaking off the recording means its player stops too.
    if (enEnregistrement(session_.Etat))
        plateforme_.lecteurs.fermer(RoleLecteur::Enregistreur);
    moteur_.ChangerEtat(EtatLecteur::Lecture);
    if (session_.TV && !moteur_.preparerDiffusion()) {
        moteur_.ChangerEtat(EtatLecteur::Arret);
        return;
    }
    // One player at a time: our own rule, as our players never join another instance.
    if (session_.parametres.p.MONO)
        plateforme_.lecteurs.fermer(RoleLecteur::Fichier);
    if (!moteur_.lancer(RoleLecteur::Regarder, commande)) {
        moteur_.ChangerEtat(EtatLecteur::Arret);
        return;
    }
    plateforme_.horloge.attendre(2000);
    moteur_.reprendreFocus();
}

void Transport::RegarderX_Click()
{
    const auto garde = moteur_.operation();
    if (enLecture(session_.Etat))
        moteur_.StopAll_Click();
}

void Transport::VolumeM_Click()
{
    moteur_.EnvoyerTouchesLecteur("key-vol-down");
}

void Transport::VolumeP_Click()
{
    moteur_.EnvoyerTouchesLecteur("key-vol-up");
}

void Transport::Full_Click()
{
    moteur_.EnvoyerTouchesLecteur("key-toggle-fullscreen");
}

void Transport::Mute_Click()
{
    const auto garde = moteur_.operation();
    if (moteur_.EnvoyerTouchesLecteur("key-vol-mute")) {
        session_.Muet = !session_.Muet;
        moteur_.afficherBascules();
    }
}

void Transport::Snap_Click()
{
    const auto garde = moteur_.operation();
    if (!avecImage(session_.Etat))
        return;
    emit photoEnCours(true);
    moteur_.EnvoyerTouchesLecteur("key-snapshot");
    emit photoEnCours(false);
}

void Transport::ChaineM_Click()
{
    const auto garde = moteur_.operation();
    if (session_.chaineSelectionnee <= 0)
        return;
    moteur_.Chaines_Click(session_.chaineSelectionnee - 1);
    // Any player of ours running is retuned, through the play button's own rules.
    if (!plateforme_.lecteurs.aucunEnCours())
        Play_Click();
}

void Transport::ChaineP_Click()
{
    const auto garde = moteur_.operation();
    if (session_.chaineSelectionnee < 0 || session_.chaineSelectionnee >= session_.chaines.taille() - 1)
        return;
    moteur_.Chaines_Click(session_.chaineSelectionnee + 1);
    // Any player of ours running is retuned, through the play button's own rules.
    if (!plateforme_.lecteurs.aucunEnCours())
        Play_Click();
}

void Transport::TV_Click()
{
    session_.TV = !session_.TV;
    moteur_.afficherBascules();
}

void Transport::Shift_Click()
{
    auto& d = plateforme_.dialogues;
    const auto garde = moteur_.operation();
    if (moteur_.refuseSiProgramme())
        return;
    if (enDiffere(session_.Etat)) {
        moteur_.StopAll_Click();
        if (session_.Etat == EtatLecteur::Arret)
            Play_Click();
        return;
    }
    const int index = session_.chaineSelectionnee;
    if (index < 0)
        return;
    if (enEnregistrement(session_.Etat) && !d.question(kQuestionEnregistrementVersDiffere))
        return;

    const QString adresse = session_.chaines.at(index).adresse;
    const Parametres& p = session_.parametres.p;
    const QString hote = plateforme_.adresses.lecteurBoitier;
    const QStringList enregistreur = CommandeDiffereEnregistreur(session_.DossierEnregistrement, adresse);
    // The viewer's address exists only once the buffer is served: its options are checked now,
    // before anything is stopped.
    const bool lecteurValide = !AjouterOptionsEcran(session_.OptionsVLC, p).isEmpty()
                               && (!session_.TV || !OptionsDiffusion(p, hote).isEmpty());
    if (enregistreur.isEmpty() || !lecteurValide) {
        moteur_.lancer(RoleLecteur::DiffereEnregistreur, {});
        return;
    }

    emit tampon(0);
    moteur_.StopAll_Click();
    moteur_.ChangerEtat(EtatLecteur::Differe);
    moteur_.activer(false);
    if (!moteur_.lancer(RoleLecteur::DiffereEnregistreur, enregistreur)) {
        emit tampon(-1);
        moteur_.activer(true);
        moteur_.ChangerEtat(EtatLecteur::Arret);
        return;
    }
    for (int i = 1; i <= 30; ++i) {
        emit tampon(i);
        plateforme_.horloge.attendre(100);
    }
    emit tampon(-1);
    // VLC stops at the current end of a file it reads: the viewer reads the growing buffer
    // through our loopback server, which waits there for more.
    const QString servi = plateforme_.serveurDiffere.servir(fichierDiffere(session_.DossierEnregistrement));
    const QStringList lecteur = CommandeDiffereLecteurServi(session_.OptionsVLC, p, servi, session_.TV, hote);
    if (lecteur.isEmpty() || (session_.TV && !moteur_.preparerDiffusion())
        || !moteur_.lancer(RoleLecteur::DiffereLecteur, lecteur)) {
        if (lecteur.isEmpty())
            plateforme_.dialogues.exclamation("Le tampon du différé ne peut pas être lu : le lecteur vlc n'a pas été lancé.");
        moteur_.activer(true);
        moteur_.FermerLecteurExterne();
        moteur_.ChangerEtat(EtatLecteur::Arret);
        return;
    }
    plateforme_.horloge.attendre(1000);
    moteur_.activer(true);
}

void Transport::Pause_Click()
{
    const auto garde = moteur_.operation();
    if (moteur_.refuseSiProgramme())
        return;
    if (!enDiffere(session_.Etat)) {
        Shift_Click();
        if (!enDiffere(session_.Etat))
            return;
    }
    if (!moteur_.EnvoyerTouchesLecteur("key-play-pause"))
        return;
    moteur_.ChangerEtat(enPause(session_.Etat) ? EtatLecteur::Differe : EtatLecteur::Pause);
}
