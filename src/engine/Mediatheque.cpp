#include "engine/Mediatheque.h"

#include "engine/CommandesLecteur.h"
#include "engine/Moteur.h"
#include "engine/Session.h"
#include "engine/ValidationLecteur.h"
#include "platform/Plateforme.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

const QString Mediatheque::kMessageUtilise = QStringLiteral("Ce fichier est actuellement utilisé.");
const QString Mediatheque::kMessageLecteurActif =
    QStringLiteral("VLC est déjà actif. Interrompez d'abord la tâche en cours.");
const QString Mediatheque::kMessageNomIllisible = QStringLiteral(
    "Le nom de ce fichier n'est pas écrit en UTF-8 : il ne peut être ni lu ni ouvert.\n"
    "Renommez-le pour le regarder ; vous pouvez aussi l'effacer.");

QString Mediatheque::MessageSansProgramme(const QString& chemin, bool video)
{
    QString m = QStringLiteral("Aucun programme de ce bureau ne sait ouvrir ce fichier :\n") + chemin;
    if (video)
        m += QStringLiteral("\n\nPour le regarder avec VLC, cochez « Utiliser VLC pour regarder les vidéos "
                            "enregistrées » dans les options.");
    return m;
}

namespace {
QString normal(const QString& chemin)
{
    return QDir::cleanPath(QFileInfo(chemin).absoluteFilePath());
}
}  // namespace

QStringList FichiersEnCours(const Session& s)
{
    QStringList fichiers;
    if (enEnregistrement(s.Etat) && !s.FichierEnregistrementManuel.isEmpty())
        fichiers << normal(s.FichierEnregistrementManuel);
    if ((enProgramme(s.Etat) || s.Etat == EtatLecteur::FinProgramme) && !s.FichierEnregistre.isEmpty())
        fichiers << normal(s.FichierEnregistre);
    if (enDiffere(s.Etat))
        fichiers << normal(fichierDiffere(s.DossierEnregistrement));
    return fichiers;
}

Mediatheque::Mediatheque(Session& session, Moteur& moteur, Plateforme& plateforme, const EtatAfficher& etat)
    : session_(session), moteur_(moteur), plateforme_(plateforme), etat_(etat)
{
}

void Mediatheque::choisirOnglet(OngletAfficher onglet)
{
    const bool videos = onglet == OngletAfficher::Videos;
    motif_ = videos ? MotifVideos : MotifPhotos;
    emit TV2Affiche(tv2_, videos);
}

void Mediatheque::AfficherRefresh_Click()
{
    if (motif_.isEmpty())
        return;
    const QByteArray ancien = selection_ >= 0 && selection_ < entrees_.size() ? entrees_.at(selection_).octets
                                                                               : QByteArray();
    entrees_ = listerFichiersMedias(session_.DossierEnregistrement, motif_);
    fichiers_.clear();
    int parNom = -1;
    for (const FichierMedia& f : entrees_) {
        if (!ancien.isEmpty() && f.octets == ancien)
            parNom = int(fichiers_.size());
        fichiers_ << f.nom;
    }
    if (fichiers_.isEmpty())
        selection_ = -1;
    else if (parNom >= 0)
        selection_ = parNom;
    else
        selection_ = selection_ < 0 ? 0 : std::min(selection_, int(fichiers_.size()) - 1);
    afficherListe();
}

void Mediatheque::afficherListe()
{
    emit listeAffichee(fichiers_, selection_, !fichiers_.isEmpty());
}

void Mediatheque::AfficherListe_Click(int index)
{
    if (index >= -1 && index < fichiers_.size())
        selection_ = index;
}

void Mediatheque::TV2_Click()
{
    tv2_ = !tv2_;
    emit TV2Affiche(tv2_, etat_.onglet == OngletAfficher::Videos);
}

void Mediatheque::AfficherRegarder_Click()
{
    if (selection_ < 0 || selection_ >= fichiers_.size())
        return;
    const FichierMedia& f = entrees_.at(selection_);
    // Deleted or renamed behind our back: the list shows what is there now.
    if (!fichierMediaExiste(session_.DossierEnregistrement, f.octets)) {
        AfficherRefresh_Click();
        return;
    }
    // The player and the desktop take a file by its name as text: this one has none.
    if (!f.nomFidele()) {
        plateforme_.dialogues.exclamation(kMessageNomIllisible);
        return;
    }
    RegarderFichier(session_.DossierEnregistrement, f.nom);
}

void Mediatheque::RegarderFichier(const QString& dossier, const QString& fichier)
{
    const QString chemin = dossier + fichier;
    const Parametres& p = session_.parametres.p;
    if (etat_.onglet == OngletAfficher::Videos && (p.UVLC || tv2_)) {
        if (session_.Etat != EtatLecteur::Arret) {
            plateforme_.dialogues.information(kMessageLecteurActif);
            return;
        }
        const QStringList commande =
            CommandeFichier(session_.OptionsVLC, p, chemin, tv2_, plateforme_.adresses.lecteurBoitier);
        // The player gets no path with a line break: the user is told what is wrong with it.
        if (!cheminLocalValide(chemin)) {
            plateforme_.dialogues.exclamation(
                QStringLiteral("Le lecteur vlc ne lit pas ce fichier : son nom ou son dossier contient un "
                               "retour à la ligne ou un autre caractère de contrôle.\n")
                + chemin + QStringLiteral("\n\nRenommez-le pour le regarder."));
            return;
        }
        if (tv2_ && !commande.isEmpty() && !moteur_.preparerDiffusion())
            return;
        // One player at a time: our own rule, as our players never join another instance.
        if (p.MONO)
            moteur_.fermerPuis({RoleLecteur::Regarder}, [this, commande] { moteur_.lancer(RoleLecteur::Fichier, commande); });
        else
            moteur_.lancer(RoleLecteur::Fichier, commande);
        return;
    }
    if (!plateforme_.shell.ouvrir(chemin))
        plateforme_.dialogues.exclamation(MessageSansProgramme(chemin, etat_.onglet == OngletAfficher::Videos));
}

void Mediatheque::AfficherAutres_Click()
{
    const bool videos = etat_.onglet == OngletAfficher::Videos;
    plateforme_.dialogues.choisirFichier(
        videos ? QStringLiteral("Sélectionnez le fichier vidéo à regarder")
               : QStringLiteral("Sélectionnez le fichier photo à regarder"),
        session_.DossierEnregistrement,
        videos ? QStringLiteral("Fichiers vidéos (*.mpg *.avi *.wmv)")
               : QStringLiteral("Fichiers photos (*.jpg *.gif *.bmp *.png)"),
        Suite<QString>(this, [this](const QString& chemin) {
            if (chemin.isEmpty())
                return;
            // A player starts: not in the middle of a sequence.
            moteur_.horsSequence([this, chemin] {
                const qsizetype barre = chemin.lastIndexOf(u'/');
                RegarderFichier(chemin.left(barre + 1), chemin.mid(barre + 1));
            });
        }));
}

void Mediatheque::photoEnCours(bool enCours)
{
    if (!enCours)
        AfficherRefresh_Click();
}

bool Mediatheque::enCours(const FichierMedia& f) const
{
    return FichiersEnCours(session_).contains(normal(session_.DossierEnregistrement + f.nom));
}

bool Mediatheque::supprimer(const FichierMedia& f)
{
    return !f.octets.isEmpty()
           && plateforme_.disque.supprimer(cheminFichierMedia(session_.DossierEnregistrement, f.octets));
}

void Mediatheque::AfficherEffacer_Click()
{
    const int i = selection_;
    if (i < 0 || i >= fichiers_.size())
        return;
    // A file already gone needs no message: the refresh shows it.
    if (const FichierMedia& f = entrees_.at(i); enCours(f) || !supprimer(f))
        plateforme_.dialogues.exclamation(kMessageUtilise);
    AfficherRefresh_Click();
    selection_ = selectionApresSuppression(i, int(fichiers_.size()));
    afficherListe();
}

void Mediatheque::AfficherTout_Click()
{
    const QString genre =
        etat_.onglet == OngletAfficher::Videos ? QStringLiteral("vidéos") : QStringLiteral("photos");
    plateforme_.dialogues.question(QStringLiteral("Souhaitez-vous effacer tous les fichiers ") + genre
                                       + QStringLiteral(" ?"),
                                   Suite<bool>(this, [this](bool oui) {
                                       if (!oui)
                                           return;
                                       for (const FichierMedia& f : entrees_) {
                                           if (!enCours(f))
                                               supprimer(f);  // a file in use stays, silently
                                       }
                                       AfficherRefresh_Click();
                                   }));
}
