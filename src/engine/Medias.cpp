#include "engine/Medias.h"

#include <algorithm>

#include "engine/CommandesLecteur.h"
#include "engine/EtatFenetre.h"
#include "engine/FichiersMedias.h"
#include "engine/Moteur.h"
#include "engine/OptionsVue.h"
#include "engine/Session.h"
#include "engine/ValidationLecteur.h"
#include "platform/Plateforme.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

const QString Medias::kMessageFlux = QStringLiteral(
    "Vous avez limité Kelmor à l'utilisation d'un seul flux.\n\n"
    "Vous devez donc d'abord stopper le flux ADSL actif\n"
    "avant de pouvoir afficher le direct ou la mosaïque.");
const QString Medias::kMessageUtilise = QStringLiteral("Ce fichier est actuellement utilisé.");
const QString Medias::kMessageLecteurActif =
    QStringLiteral("VLC est déjà actif. Interrompez d'abord la tâche en cours.");
const QString Medias::kMessageNomIllisible = QStringLiteral(
    "Le nom de ce fichier n'est pas écrit en UTF-8 : il ne peut être ni lu ni ouvert.\n"
    "Renommez-le pour le regarder ; vous pouvez aussi l'effacer.");

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

Medias::Medias(Session& session, Moteur& moteur, Plateforme& plateforme, const EtatFenetre& fenetre)
    : session_(session),
      moteur_(moteur),
      plateforme_(plateforme),
      fenetre_(fenetre),
      mosaique_(plateforme.vue, plateforme.horloge, session.chaines, session.parametres.favoris)
{
    attente_.setObjectName(QStringLiteral("Attente"));
    attente_.setSingleShot(true);
    attente_.setInterval(AttenteMs);
    // A coarse timer may fire a little early: the picture stays its full three seconds.
    attente_.setTimerType(Qt::PreciseTimer);
    connect(&attente_, &QTimer::timeout, this, &Medias::Attente_Timer);
    connect(&fenetre, &EtatFenetre::formeChangee, this, [this] { definirOuvert(fenetre_.mediasOuvert()); });
}

void Medias::Mosaique_Demandee()
{
    definirOuvert(fenetre_.mediasOuvert());
    if (ouvert_)
        AfficherOnglets_Click(OngletAfficher::Mosaique);
}

bool Medias::bloque() const
{
    return session_.parametres.p.FLX1 && session_.Etat != EtatLecteur::Arret;
}

void Medias::Afficher_Click()
{
    if (ouvert_)
        ArreterVueSiAfficher();
    // The window's form folds or unfolds the pane and tells back through definirOuvert.
    emit basculementDemande();
}

void Medias::definirOuvert(bool ouvert)
{
    if (ouvert == ouvert_)
        return;
    if (!ouvert) {
        ArreterVueSiAfficher();
        ouvert_ = false;
        cadre_ = CadreAfficher::Aucun;
        attente_.stop();
        return;
    }
    ouvert_ = true;
    if (bloque()) {
        plateforme_.dialogues.exclamation(kMessageFlux);
        AfficherOnglets_Click(OngletAfficher::Videos);
        return;
    }
    // The frame counts as hidden so that the tab starts the view even when already selected.
    cadre_ = CadreAfficher::Aucun;
    AfficherOnglets_Click(OngletAfficher::Direct);
}

void Medias::AfficherOnglets_Click(OngletAfficher onglet)
{
    onglet_ = onglet;
    emit ongletAffiche(onglet);
    const bool flux = bloque();
    // Whatever plays in the view stops when its tab is left, blocked or not.
    if (onglet != OngletAfficher::Mosaique)
        quitterMosaique();
    if (onglet != OngletAfficher::Direct && cadre_ == CadreAfficher::Direct) {
        attente_.stop();
        plateforme_.vue.arreter();
    }
    switch (onglet) {
    case OngletAfficher::Direct:
        if (cadre_ == CadreAfficher::Direct)
            return;
        cadre_ = flux ? CadreAfficher::Aucun : CadreAfficher::Direct;
        emit cadreAffiche(cadre_);
        if (!flux)
            LancerLectureIntegree();
        return;
    case OngletAfficher::Mosaique:
        if (cadre_ == CadreAfficher::Mosaique)
            return;
        cadre_ = flux ? CadreAfficher::Aucun : CadreAfficher::Mosaique;
        emit cadreAffiche(cadre_);
        if (!flux) {
            preparerVue();
            mosaique_.PreparerMosaique(session_.DossierProgramme, groupe_);
        }
        return;
    case OngletAfficher::Videos:
    case OngletAfficher::Photos:
        cadre_ = CadreAfficher::Fichiers;
        emit cadreAffiche(cadre_);
        motif_ = onglet == OngletAfficher::Videos ? MotifVideos : MotifPhotos;
        emit TV2Affiche(tv2_, onglet == OngletAfficher::Videos);
        ArreterVueSiAfficher();
        AfficherRefresh_Click();
        return;
    }
}

void Medias::LancerLectureIntegree()
{
    // The view's window first: made after the waiting picture, it would lie over it.
    preparerVue();
    attenteVisible_ = true;
    emit attenteAffichee(true);
    // The three seconds count from this start, even when an earlier count was running.
    attente_.start();
    VueIntegree& vue = plateforme_.vue;
    vue.arreter();
    vue.viderListe();
    if (tailleVue_.isValid())
        vue.dimensionnerConteneur(tailleVue_.width(), tailleVue_.height());
    const int index = session_.chaineSelectionnee;
    if (index < 0 || index >= session_.chaines.taille())
        return;
    const QString adresse = session_.chaines.at(index).adresse;
    // Only a stream address: a playlist entry never makes the view open a file or an option.
    if (!adresseFluxValide(adresse))
        return;
    vue.ajouterEtJouer(adresse, OptionsElementVue(session_.DossierEnregistrement, session_.parametres.p));
}

void Medias::preparerVue()
{
    if (vuePlacee_)
        return;
    vuePlacee_ = true;
    emit vuePremiereFois();
}

void Medias::Attente_Timer()
{
    attente_.stop();
    attenteVisible_ = false;
    emit attenteAffichee(false);
}

void Medias::ArreterVueSiAfficher()
{
    if (!ouvert_)
        return;
    // The mosaic drives the same view: it ends too.
    quitterMosaique();
    plateforme_.vue.arreter();
}

void Medias::quitterMosaique()
{
    mosaique_.quitter(volumeVue_, muetVue_);
}

void Medias::Chaines_Click()
{
    if (ouvert_ && onglet_ == OngletAfficher::Direct && cadre_ == CadreAfficher::Direct)
        LancerLectureIntegree();
}

void Medias::Chaines_DblClick()
{
    if (!ouvert_)
        Afficher_Click();
    else if (onglet_ != OngletAfficher::Direct)
        AfficherOnglets_Click(OngletAfficher::Direct);
}

void Medias::etatChange()
{
    if (session_.Etat == EtatLecteur::Arret) {
        // A finished recording shows in the list.
        AfficherRefresh_Click();
        return;
    }
    if (bloque() && ouvert_ && (cadre_ == CadreAfficher::Direct || cadre_ == CadreAfficher::Mosaique))
        Afficher_Click();
}

void Medias::definirGroupe(int groupe)
{
    groupe_ = groupe;
    if (mosaique_.enCours())
        mosaique_.changerGroupe(groupe);
}

void Medias::definirTailleVue(const QSize& twips)
{
    tailleVue_ = twips;
    if (ouvert_ && cadre_ == CadreAfficher::Direct && tailleVue_.isValid())
        plateforme_.vue.dimensionnerConteneur(tailleVue_.width(), tailleVue_.height());
}

void Medias::AfficherRefresh_Click()
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

void Medias::afficherListe()
{
    emit listeAffichee(fichiers_, selection_, !fichiers_.isEmpty());
}

void Medias::AfficherListe_Click(int index)
{
    if (index >= -1 && index < fichiers_.size())
        selection_ = index;
}

void Medias::TV2_Click()
{
    tv2_ = !tv2_;
    emit TV2Affiche(tv2_, onglet_ == OngletAfficher::Videos);
}

void Medias::AfficherRegarder_Click()
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

void Medias::RegarderFichier(const QString& dossier, const QString& fichier)
{
    const QString chemin = dossier + fichier;
    const Parametres& p = session_.parametres.p;
    if (onglet_ == OngletAfficher::Videos && (p.UVLC || tv2_)) {
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
    plateforme_.shell.ouvrir(chemin);
}

void Medias::AfficherAutres_Click()
{
    const bool videos = onglet_ == OngletAfficher::Videos;
    const QString chemin = plateforme_.dialogues.choisirFichier(
        videos ? QStringLiteral("Sélectionnez le fichier vidéo à regarder")
               : QStringLiteral("Sélectionnez le fichier photo à regarder"),
        session_.DossierEnregistrement,
        videos ? QStringLiteral("Fichiers vidéos (*.mpg *.avi *.wmv)")
               : QStringLiteral("Fichiers photos (*.jpg *.gif *.bmp *.png)"));
    if (chemin.isEmpty())
        return;
    const qsizetype barre = chemin.lastIndexOf(u'/');
    RegarderFichier(chemin.left(barre + 1), chemin.mid(barre + 1));
}

bool Medias::enCours(const QString& chemin) const
{
    return FichiersEnCours(session_).contains(normal(chemin));
}

void Medias::AfficherEffacer_Click()
{
    const int i = selection_;
    if (i < 0 || i >= fichiers_.size())
        return;
    const FichierMedia& f = entrees_.at(i);
    // A file already gone needs no message: the refresh shows it.
    if (enCours(session_.DossierEnregistrement + f.nom) || !supprimerFichierMedia(session_.DossierEnregistrement, f.octets))
        plateforme_.dialogues.exclamation(kMessageUtilise);
    AfficherRefresh_Click();
    selection_ = selectionApresSuppression(i, int(fichiers_.size()));
    afficherListe();
}

void Medias::AfficherTout_Click()
{
    const QString genre = onglet_ == OngletAfficher::Videos ? QStringLiteral("vidéos") : QStringLiteral("photos");
    if (!plateforme_.dialogues.question(QStringLiteral("Souhaitez-vous effacer tous les fichiers ") + genre
                                        + QStringLiteral(" ?")))
        return;
    for (const FichierMedia& f : entrees_) {
        if (!enCours(session_.DossierEnregistrement + f.nom))
            supprimerFichierMedia(session_.DossierEnregistrement, f.octets);  // a file in use stays, silently
    }
    AfficherRefresh_Click();
}

void Medias::Mosaic_MouseUp(int index, Qt::MouseButton bouton)
{
    if (cadre_ != CadreAfficher::Mosaique)
        return;
    const int favori = mosaique_.Mosaic_MouseUp(index, bouton);
    if (favori != 0)
        emit favoriDemande(favori);
}

void Medias::Mute2_Click()
{
    muetVue_ = !muetVue_;
    // The mosaic keeps the view silent; the state is given back when it ends.
    if (!mosaique_.enCours())
        plateforme_.vue.definirMuet(muetVue_);
    emit sonAffiche(volumeVue_, muetVue_);
}

void Medias::Volume2_Scroll(int valeur)
{
    volumeVue_ = std::clamp(valeur, 0, 200);
    if (!mosaique_.enCours())
        plateforme_.vue.definirVolume(volumeVue_);
    emit sonAffiche(volumeVue_, muetVue_);
}

QString Medias::Snap2_Click()
{
    if (!ouvert_ || cadre_ != CadreAfficher::Direct)
        return {};
    return plateforme_.vue.prendreInstantane();
}

void Medias::ChaineM2_Click()
{
    const int index = session_.chaineSelectionnee - 1;
    if (index >= 0 && index < session_.chaines.taille())
        moteur_.Chaines_Click(index);
}

void Medias::ChaineP2_Click()
{
    const int index = session_.chaineSelectionnee + 1;
    if (session_.chaineSelectionnee >= 0 && index < session_.chaines.taille())
        moteur_.Chaines_Click(index);
}
