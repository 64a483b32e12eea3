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

constexpr int kPasTamponMs = 100;
constexpr int kPasTampon = 30;
constexpr int kApresVisionneuseMs = 1000;
}  // namespace

void Transport::Play_Click()
{
    regarder(false);
}

void Transport::regarder(bool confirme)
{
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
    if (enEnregistrement(session_.Etat) && !confirme) {
        moteur_.demander(kQuestionQuitterEnregistrement, [this](bool oui) {
            if (oui)
                regarder(true);
        });
        return;
    }

    const QStringList commande =
        CommandeRegarder(session_.OptionsVLC, session_.parametres.p, session_.chaines.at(index).adresse, session_.TV,
                         plateforme_.adresses.lecteurBoitier);
    if (commande.isEmpty()) {
        moteur_.lancer(RoleLecteur::Regarder, commande);
        return;
    }
    // Breaking off the recording means its player stops too; one player at a time (MONO) is
    // our own rule, as our players never join another instance.
    const bool enregistrement = enEnregistrement(session_.Etat);
    const bool mono = session_.parametres.p.MONO;
    auto regarderMaintenant = [this, commande] {
        moteur_.ChangerEtat(EtatLecteur::Lecture);
        if (session_.TV && !moteur_.preparerDiffusion()) {
            moteur_.ChangerEtat(EtatLecteur::Arret);
            return;
        }
        if (!moteur_.lancer(RoleLecteur::Regarder, commande)) {
            moteur_.ChangerEtat(EtatLecteur::Arret);
            return;
        }
        moteur_.reprendreFocusApres(FocusMs);
    };
    if (enregistrement && mono)
        moteur_.fermerPuis({RoleLecteur::Enregistreur, RoleLecteur::Fichier}, regarderMaintenant);
    else if (enregistrement)
        moteur_.fermerPuis({RoleLecteur::Enregistreur}, regarderMaintenant);
    else if (mono)
        moteur_.fermerPuis({RoleLecteur::Fichier}, regarderMaintenant);
    else
        regarderMaintenant();
}

void Transport::RegarderX_Click()
{
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
    // The look changes only once the player took the key: it then shows what the player does.
    moteur_.EnvoyerTouchesLecteur("key-vol-mute", [this](bool envoyees) {
        if (!envoyees)
            return;
        session_.Muet = !session_.Muet;
        moteur_.afficherBascules();
    });
}

void Transport::Snap_Click()
{
    if (!avecImage(session_.Etat))
        return;
    emit photoEnCours(true);
    moteur_.EnvoyerTouchesLecteur("key-snapshot", [this](bool) { emit photoEnCours(false); });
}

void Transport::ChaineM_Click()
{
    if (session_.chaineSelectionnee <= 0)
        return;
    moteur_.Chaines_Click(session_.chaineSelectionnee - 1);
    // Any player of ours running is retuned, through the play button's own rules.
    if (!plateforme_.lecteurs.aucunEnCours())
        Play_Click();
}

void Transport::ChaineP_Click()
{
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
    differe(false, {});
}

void Transport::differe(bool confirme, std::function<void()> ensuite)
{
    if (moteur_.refuseSiProgramme())
        return;
    if (enDiffere(session_.Etat)) {
        moteur_.StopAll_Click(false, [this] {
            if (session_.Etat == EtatLecteur::Arret)
                Play_Click();
        });
        return;
    }
    const int index = session_.chaineSelectionnee;
    if (index < 0)
        return;
    if (enEnregistrement(session_.Etat) && !confirme) {
        moteur_.demander(kQuestionEnregistrementVersDiffere, [this, ensuite = std::move(ensuite)](bool oui) {
            if (oui)
                differe(true, ensuite);
        });
        return;
    }

    const QString adresse = session_.chaines.at(index).adresse;
    const Parametres& p = session_.parametres.p;
    const QStringList enregistreur = CommandeDiffereEnregistreur(session_.DossierEnregistrement, adresse);
    // The viewer's address exists only once the buffer is served: its options are checked now,
    // before anything is stopped.
    const bool lecteurValide = !AjouterOptionsEcran(session_.OptionsVLC, p).isEmpty()
                               && (!session_.TV || !OptionsDiffusion(p, plateforme_.adresses.lecteurBoitier).isEmpty());
    if (enregistreur.isEmpty() || !lecteurValide) {
        moteur_.lancer(RoleLecteur::DiffereEnregistreur, {});
        return;
    }
    // Nor does anything stop for a buffer that cannot be written.
    const QString fichierTampon = fichierDiffere(session_.DossierEnregistrement);
    if (const QString refus = RefusFichierEnregistrement(session_.DossierEnregistrement, fichierTampon);
        !refus.isEmpty()) {
        moteur_.signaler(refus);
        return;
    }

    emit tampon(0);
    const Moteur::Sequence s = moteur_.sequence();
    moteur_.StopAll_Click(true, [this, s, enregistreur, fichierTampon, ensuite = std::move(ensuite)] {
        moteur_.ChangerEtat(EtatLecteur::Differe);
        if (!moteur_.lancer(RoleLecteur::DiffereEnregistreur, enregistreur)) {
            emit tampon(-1);
            moteur_.ChangerEtat(EtatLecteur::Arret);
            return;
        }
        // The clock watches the buffer as it watches a recording.
        session_.surveillance.commencer(fichierTampon, plateforme_.horloge.maintenant());
        remplirTampon(s, 1, ensuite);
    });
}

void Transport::remplirTampon(const Moteur::Sequence& s, int etape, std::function<void()> ensuite)
{
    // About three seconds of the stream reach the buffer before the viewer starts.
    emit tampon(etape);
    moteur_.apres(kPasTamponMs, s, [this, s, etape, ensuite = std::move(ensuite)] {
        if (etape < kPasTampon)
            remplirTampon(s, etape + 1, ensuite);
        else
            lancerVisionneuse(s, ensuite);
    });
}

void Transport::lancerVisionneuse(const Moteur::Sequence& s, std::function<void()> ensuite)
{
    emit tampon(-1);
    const Parametres& p = session_.parametres.p;
    const QString hote = plateforme_.adresses.lecteurBoitier;
    // VLC stops at the current end of a file it reads: the viewer reads the growing buffer
    // through our loopback server, which waits there for more.
    const QString servi = plateforme_.serveurDiffere.servir(fichierDiffere(session_.DossierEnregistrement));
    const QStringList lecteur = CommandeDiffereLecteurServi(session_.OptionsVLC, p, servi, session_.TV, hote);
    if (lecteur.isEmpty() || (session_.TV && !moteur_.preparerDiffusion())
        || !moteur_.lancer(RoleLecteur::DiffereLecteur, lecteur)) {
        if (lecteur.isEmpty())
            moteur_.signaler("Le tampon du différé ne peut pas être lu : le lecteur vlc n'a pas été lancé.");
        moteur_.FermerLecteurExterne([this] { moteur_.ChangerEtat(EtatLecteur::Arret); });
        return;
    }
    moteur_.apres(kApresVisionneuseMs, s, [ensuite] {
        if (ensuite)
            ensuite();
    });
}

void Transport::Pause_Click()
{
    if (moteur_.refuseSiProgramme())
        return;
    if (enDiffere(session_.Etat)) {
        basculerPause();
        return;
    }
    // Pause while live starts time-shift, then pauses it.
    differe(false, [this] {
        if (enDiffere(session_.Etat))
            basculerPause();
    });
}

void Transport::basculerPause()
{
    // The state follows only what the player took: pause and state stay in step.
    moteur_.EnvoyerTouchesLecteur("key-play-pause", [this](bool envoyees) {
        if (envoyees)
            moteur_.ChangerEtat(enPause(session_.Etat) ? EtatLecteur::Differe : EtatLecteur::Pause);
    });
}
