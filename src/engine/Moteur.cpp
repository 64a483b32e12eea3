#include "engine/Moteur.h"

#include "engine/CommandesLecteur.h"
#include "engine/FichiersReglages.h"
#include "engine/Session.h"
#include "platform/Plateforme.h"

#include <QFile>
#include <QFileInfo>

const QString Moteur::kRefusProgramme =
    "Un enregistrement programmé est actuellement en cours.\n"
    "Ouvrez le volet de programmation pour le supprimer.";

namespace {
const QString kQuestionQuitterDiffere =
    "En quittant le mode time shifting, vous allez\nperdre la période entre le différé et le direct.\n\n"
    "Souhaitez-vous poursuivre ?";
}  // namespace

Moteur::Moteur(Session& session, Plateforme& plateforme) : session_(session), plateforme_(plateforme) {}

Moteur::Operation::~Operation()
{
    if (--moteur_.operations_ == 0)
        emit moteur_.operationsTerminees();
}

void Moteur::ChangerEtat(EtatLecteur nouvelEtat)
{
    Session& s = session_;
    s.Etat = nouvelEtat;
    s.ChaineEnCours = ChaineEnCoursPour(s.Etat, s.ChaineEnCours, s.nomChaineSelectionnee());
    ActualiserTitre();
    if (s.Etat == EtatLecteur::Arret) {
        s.FinEnregistrement = QDateTime();
        if (s.Muet) {
            s.Muet = false;
            afficherBascules();
        }
    }
    emit etatChange(CalculerVueEtat(s.Etat, s.ChaineEnCours));
}

void Moteur::ActualiserTitre()
{
    emit titreChange(TitreFenetre(plateforme_.horloge.maintenant().time(), session_.Etat, session_.ChaineEnCours));
}

void Moteur::Chaines_Click(int index)
{
    if (index < -1 || index >= session_.chaines.taille())
        index = -1;
    session_.chaineSelectionnee = index;
    session_.editeur.chaine = session_.nomChaineSelectionnee();
    emit chaineSelectionnee(index);
}

void Moteur::afficherBascules()
{
    emit basculesChangees(session_.TV, session_.Muet);
}

RoleLecteur Moteur::roleVisible() const
{
    if (enDiffere(session_.Etat))
        return RoleLecteur::DiffereLecteur;
    if (session_.Etat == EtatLecteur::Enregistrement)
        return RoleLecteur::Enregistreur;
    if (plateforme_.lecteurs.enCours(RoleLecteur::Regarder))
        return RoleLecteur::Regarder;
    return RoleLecteur::Fichier;
}

bool Moteur::lancer(RoleLecteur role, const QStringList& arguments, QString* erreur)
{
    QString message;
    const bool enregistreur = role == RoleLecteur::Enregistreur || role == RoleLecteur::DiffereEnregistreur;
    if (arguments.isEmpty() && enregistreur)
        message = RefusDossierEnregistrement(session_.DossierEnregistrement);
    if (arguments.isEmpty() && message.isEmpty())
        message = "L'adresse de cette chaîne ou un réglage du lecteur n'est pas valide.\n"
                  "Le lecteur vlc n'a pas été lancé.";
    else if (!arguments.isEmpty() && !plateforme_.lecteurs.demarrer(role, session_.parametres.cheminVLC, arguments))
        message = "Le lecteur vlc n'a pas pu être lancé :\n" + session_.parametres.cheminVLC;
    if (message.isEmpty())
        return true;
    if (erreur)
        *erreur = message;
    else
        plateforme_.dialogues.exclamation(message);
    return false;
}

bool Moteur::preparerDiffusion()
{
    auto& p = plateforme_;
    if (!EcrirePageReglages(session_.DossierProgramme, p.adresses.lecteurBoitier, p.adresses.portReglages)) {
        p.dialogues.exclamation("La page de réglages pour la télévision n'a pas pu être écrite dans\n" +
                                session_.DossierProgramme);
        return false;
    }
    if (!p.pageReglages.demarrer(session_.DossierProgramme))
        p.dialogues.exclamation("La page de réglages pour la télévision ne peut pas être servie :\nle port " +
                                QString::number(p.adresses.portReglages) + " est déjà utilisé.");
    return true;
}

bool Moteur::refuseSiProgramme()
{
    if (!enProgramme(session_.Etat))
        return false;
    plateforme_.dialogues.information(kRefusProgramme);
    return true;
}

void Moteur::StopAll_Click(bool sansQuestion)
{
    const auto garde = operation();
    if (!sansQuestion && refuseSiProgramme())
        return;
    if (enDiffere(session_.Etat) && !sansQuestion && !plateforme_.dialogues.question(kQuestionQuitterDiffere))
        return;
    if (session_.Etat == EtatLecteur::Arret)
        return;
    FermerLecteurExterne();
    plateforme_.horloge.attendre(1000);
    ChangerEtat(EtatLecteur::Arret);
}

bool Moteur::EnvoyerTouchesLecteur(const QString& action)
{
    const auto garde = operation();
    auto& lecteurs = plateforme_.lecteurs;
    const RoleLecteur role = roleVisible();
    if (!lecteurs.enCours(role))
        return false;
    activer(false);
    plateforme_.horloge.attendre(200);
    const bool envoye = lecteurs.envoyerTouche(role, action);
    activer(true);
    plateforme_.horloge.attendre(200);
    reprendreFocus();
    return envoye;
}

void Moteur::supprimerFichier(const QString& chemin)
{
    if (QFileInfo::exists(chemin) && !QFile::remove(chemin))
        plateforme_.dialogues.exclamation("Le fichier temporaire suivant n'a pas pu être supprimé :\n" + chemin);
}

void Moteur::FermerLecteurExterne()
{
    const auto garde = operation();
    auto& p = plateforme_;
    activer(false);
    // Every player of ours goes, time-shift's two included, before any file is touched.
    p.lecteurs.fermerTous();
    p.serveurDiffere.arreter();
    const QString differe = fichierDiffere(session_.DossierEnregistrement);
    if (!session_.parametres.p.TIME && QFileInfo::exists(differe)) {
        p.horloge.attendre(1000);
        supprimerFichier(differe);
    }
    p.pageReglages.arreter();
    supprimerFichier(session_.DossierProgramme + "settings.html");
    supprimerFichier(session_.DossierProgramme + "settings.gif");
    activer(true);
}
