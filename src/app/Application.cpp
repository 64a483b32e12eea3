#include "app/Application.h"

#include "app/Cablage.h"
#include "core/DemarrageAutomatique.h"
#include "core/VerificationListe.h"
#include "core/VerificationVersion.h"
#include "engine/CommandesLecteur.h"
#include "panes/PanneauChaines.h"
#include "panes/VoletProgrammation.h"
#include "panes/PanneauFavoris.h"
#include "platform/FichierAtomique.h"
#include "platform/Plateforme.h"
#include "shell/Fond.h"
#include "shell/Textures.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cmath>

namespace {
const QString kPageVlc = QStringLiteral("https://www.videolan.org/vlc/");

QByteArray lireFichier(const QString& chemin)
{
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

bool estExecutable(const QString& chemin)
{
    if (chemin.isEmpty())
        return false;
    const QFileInfo fi(chemin);
    return fi.isFile() && fi.isExecutable();
}
}  // namespace

bool contientOption(const QStringList& arguments, const QString& option)
{
    for (int i = 1; i < arguments.size(); ++i)
        if (arguments[i].toLower().contains(option))
            return true;
    return false;
}

Application::Application(Plateforme& p, Fond& f)
    : plateforme(p),
      fond(f),
      etatFenetre(f.etat()),
      moteur(session, p),
      ecriture(session, p, moteur, f),
      transport(session, moteur, p),
      enregistrement(session, moteur, p),
      programmation(session, moteur, p, ecriture),
      favoris(session, moteur, p, etatFenetre, ecriture),
      guide(session, moteur, p, etatFenetre),
      options(session, p, etatFenetre, ecriture),
      medias(session, moteur, p, etatFenetre)
{
    horloge.setObjectName("Horloge");
    horloge.setInterval(10000);
    cabler(*this);
}

Application::~Application()
{
    fond.definirGardienFermeture({});
    // Going away in the middle of the side pane's steps: nothing may run after them.
    ferme_ = true;
    fermetureEnAttente_ = Fermeture::Aucune;
    animation_.reset();
}

void Application::debutAnimation()
{
    if (!animation_)
        animation_.emplace(moteur);
}

void Application::finAnimation()
{
    animation_.reset();
}

void Application::apresOperations()
{
    // A close asked in the middle of the operation comes first: it stops every player.
    if (fermetureEnAttente_ != Fermeture::Aucune) {
        const bool sansQuestion = fermetureEnAttente_ == Fermeture::SansQuestion;
        fermetureEnAttente_ = Fermeture::Aucune;
        ticEnAttente_ = false;
        fond.fermer(sansQuestion);
        return;
    }
    if (ticEnAttente_ && !ferme_) {
        ticEnAttente_ = false;
        programmation.Horloge_Timer();
    }
}

std::optional<bool> Application::Form_Load(const QStringList& arguments, std::function<void(bool)> fin)
{
    auto& d = plateforme.dialogues;
    arguments_ = arguments;
    finDemarrage_ = std::move(fin);
    demarrage_.reset();
    session.DossierProgramme = plateforme.dossiers.programme();

    switch (plateforme.instance.verrouiller()) {
    case InstanceUnique::Resultat::Seule:
        break;
    case InstanceUnique::Resultat::DejaLancee:
        d.exclamation("Kelmor est déjà lancé.");
        terminerDemarrage(false);
        return demarrage_;
    case InstanceUnique::Resultat::DossierInaccessible:
        d.exclamation("Kelmor ne peut pas écrire dans son dossier :\n" + session.DossierProgramme +
                      "\nVérifiez que ce dossier est accessible en écriture et que le disque n'est pas plein.");
        terminerDemarrage(false);
        return demarrage_;
    case InstanceUnique::Resultat::VerrouPasUnFichier:
        d.exclamation("Kelmor ne peut pas vérifier s'il est déjà lancé :\n"
                      "le nom de son fichier de verrou est pris par un dossier\n"
                      "ou un autre élément qui n'est pas un fichier :\n" +
                      plateforme.instance.cheminVerrou() +
                      "\n\nSupprimez ou renommez cet élément, puis relancez Kelmor.");
        terminerDemarrage(false);
        return demarrage_;
    case InstanceUnique::Resultat::VerrouIllisible:
        d.exclamation("Le fichier de verrou de Kelmor est endommagé, sans doute par un arrêt brutal :\n" +
                      plateforme.instance.cheminVerrou() +
                      "\n\nSi Kelmor n'est pas déjà lancé, supprimez ce fichier, puis relancez Kelmor.");
        terminerDemarrage(false);
        return demarrage_;
    case InstanceUnique::Resultat::VerrouAutreMachine:
        d.exclamation("Kelmor semble déjà lancé sur l'ordinateur « " + plateforme.instance.machineDuVerrou() +
                      " »\navec le même dossier.\n\n"
                      "S'il ne l'est pas (par exemple si cet ordinateur a été renommé\n"
                      "depuis), supprimez le fichier suivant, puis relancez Kelmor :\n" +
                      plateforme.instance.cheminVerrou());
        terminerDemarrage(false);
        return demarrage_;
    }

    if (contientOption(arguments, "/r")) {
        const bool oui = d.question(
            "La réinitialisation des paramètres d'Kelmor va entraîner la perte de vos\n"
            "favoris, de vos spécifications de codecs et de votre ligne de commande\n"
            "d'exécution automatique.\n\n"
            "Le répertoire de sauvegarde de vos enregistrements sera rétabli sur le\n"
            "dossier Mes documents (vos vidéos et photos ne seront pas effacées).\n\n"
            "Souhaitez-vous effectuer cette réinitialisation ?");
        if (oui) {
            if (QFileInfo::exists(session.cheminParametres()) && !QFile::remove(session.cheminParametres()))
                d.exclamation("Les paramètres d'Kelmor n'ont pas pu être réinitialisés :\n"
                              "le fichier " + session.cheminParametres() + " n'a pas pu être supprimé.");
            else
                d.information("Les paramètres d'Kelmor ont été réinitialisés.");
        } else {
            d.information("Les paramètres d'Kelmor n'ont pas été réinitialisés.");
        }
        terminerDemarrage(false);
        return demarrage_;
    }

    // Players left over by an earlier run of ours go, in the background; nothing else is
    // touched here.
    plateforme.lecteurs.fermerRestes();

    fichierParametres_ = QFileInfo::exists(session.cheminParametres());
    texteParametres_ = fichierParametres_ ? lireFichier(session.cheminParametres()) : QByteArray();
    if (fichierParametres_) {
        ValeursPrecoces v{session.parametres.p.SORT, session.parametres.p.CFGA};
        v = LirePassePrecoce(texteParametres_, v);
        session.parametres.p.SORT = v.sort;
        session.parametres.p.CFGA = v.cfga;
    }

    if (session.parametres.p.CFGA)
        VerifierListeChaines(true, session.DossierProgramme, plateforme.web, d, plateforme.adresses, true,
                             Suite<IssueVerification>(&moteur, [this](IssueVerification issue) {
                                 if (issue == IssueVerification::Arreter)
                                     terminerDemarrage(false);
                                 else
                                     verifierListe();
                             }));
    else
        verifierListe();
    return demarrage_;
}

void Application::terminerDemarrage(bool continuer)
{
    demarrage_ = continuer;
    if (finDemarrage_)
        finDemarrage_(continuer);
}

void Application::verifierListe()
{
    auto& d = plateforme.dialogues;
    if (ListeChainesPresente(session.DossierProgramme)) {
        chargerSession();
        return;
    }
    if (!d.question("La liste des chaînes est introuvable.\n\nSouhaitez-vous la télécharger ?")) {
        d.exclamation("La liste des chaînes est nécessaire à Kelmor.\n\nKelmor va maintenant s'arrêter.");
        terminerDemarrage(false);
        return;
    }
    VerifierListeChaines(true, session.DossierProgramme, plateforme.web, d, plateforme.adresses, true,
                         Suite<IssueVerification>(&moteur, [this](IssueVerification issue) {
                             if (issue == IssueVerification::Arreter)
                                 terminerDemarrage(false);
                             else
                                 chargerSession();
                         }));
}

void Application::chargerSession()
{
    auto& d = plateforme.dialogues;
    session.chaines = LireFichierListeChaines(session.cheminListeChaines(), session.parametres.p.SORT);
    fond.chaines().afficherChaines(session.chaines.noms());

    // Defaults (they leave SORT and CFGA as the early pass set them), then the settings
    // file with its schedule.
    AppliquerDefauts(session.parametres, plateforme.dossiers.documents());
    session.DossierEnregistrement = session.parametres.dossierEnregistrement;
    if (fichierParametres_) {
        LirePassePrincipale(texteParametres_, session.parametres, session.chaines.noms(),
                            [](const QString& dossier) { return QFileInfo(dossier).isDir(); }, d);
        session.DossierEnregistrement = session.parametres.dossierEnregistrement;
    }
    texteParametres_.clear();
    // The texture follows the loaded choice. The options pane itself (its first tab, the
    // window's size from it, its zoom label and the frames of its check boxes) is built from
    // the settings when it is first opened, so that start-up does not pay for it.
    fond.definirTexture(TextureFond(session.parametres.p.FOND, 1, session.DossierProgramme));
    programmation.Recharger(session.parametres.programmes);

    // Last channel: the remembered one (last exact match) or the first.
    int index = -1;
    if (session.parametres.p.CHA0) {
        for (int i = 0; i < session.chaines.taille(); ++i)
            if (session.chaines.at(i).nom == session.parametres.chaine)
                index = i;
    } else if (!session.chaines.estVide()) {
        index = 0;
    }
    moteur.Chaines_Click(index);

    if (!session.DossierEnregistrement.endsWith('/'))
        session.DossierEnregistrement += '/';

    if (!chercherLecteur()) {
        terminerDemarrage(false);
        return;
    }

    // The clock starts as soon as it has what a recording needs (the schedule, the channels,
    // the player and its options): no question or message of the rest of start-up holds it.
    session.OptionsVLC = ::OptionsVLC(session.DossierEnregistrement, session.parametres.p.ZOOM);
    moteur.ChangerEtat(EtatLecteur::Arret);
    Horloge_Timer();
    horloge.start();

    AppliquerMigrations(session.parametres, d);

    // Its answer comes later: a newer version is offered then, once no box is open.
    if (session.parametres.p.EXEA)
        VerifierVersion(true, plateforme.web, d, plateforme.shell, plateforme.adresses, kDelaiVerificationMs);

    // The favourites: the group names, then group 0 on the buttons.
    fond.chaines().favoris().definirDossierLogos(session.DossierProgramme + "Logos/");
    favoris.afficherGroupes();
    favoris.selectionnerGroupe(0);
    const Parametres& p = session.parametres.p;
    fond.definirOptionsForme({p.MTOP, p.FAVO, p.CADR});
    if (p.FAVI)
        etatFenetre.definirFavorisDevant(true);
    if (p.MINI)
        fond.appliqueur().Mini_Click();
    placerFenetre();
    EcrireParametres();
    parametresEcrits_ = true;

    demarreMinimise_ = contientOption(arguments_, "/m");
    if (demarreMinimise_) {
        fond.minimiser();
        terminerDemarrage(true);
        return;
    }
    if (session.parametres.p.TRAN)
        fond.fonduEntree();
    if (session.parametres.p.TVON)
        transport.Regarder_Click();
    terminerDemarrage(true);
}

bool Application::chercherLecteur()
{
    auto& d = plateforme.dialogues;
    QString& chemin = session.parametres.cheminVLC;
    if (!estExecutable(chemin))
        chemin = session.DossierProgramme + "vlc";
    if (!estExecutable(chemin)) {
        const QString trouve = plateforme.dossiers.chercherDansPath("vlc");
        if (!trouve.isEmpty())
            chemin = trouve;
    }
    if (!estExecutable(chemin)
        && d.question("Le fichier vlc est introuvable.\n\nSouhaitez-vous indiquer son emplacement ?")) {
        const QString choisi = d.choisirFichier("Sélectionnez le fichier VLC (vlc)", QDir::currentPath(),
                                                "VLC (vlc)");
        if (choisi.endsWith("vlc"))
            chemin = choisi;
    }
    if (!estExecutable(chemin)) {
        if (d.question("Le fichier vlc est introuvable.\n\nSouhaitez-vous télécharger VLC ?"))
            plateforme.shell.ouvrir(kPageVlc);
        d.exclamation("VLC est nécessaire pour accéder au flux TV de Free.\n"
                      "Installez-le avant de relancer Kelmor.\n\n"
                      "Kelmor va maintenant s'arrêter.");
        return false;
    }
    return true;
}

void Application::placerFenetre()
{
    const QSize ecran = fond.tailleEcran();
    const QSize taille = fond.forme().taille();
    if (!session.parametres.p.POS0) {
        fond.placer({(ecran.width() - taille.width()) / 2, (ecran.height() - taille.height()) / 2});
        return;
    }
    auto borner = [this](qint32& valeur, int ecranDim, int fenetreDim) {
        if (valeur < 0)
            valeur = 0;
        else if (session.parametres.p.CADR && ecranDim - fenetreDim < valeur)
            valeur = ecranDim - fenetreDim;
    };
    borner(session.parametres.pos1, ecran.width(), taille.width());
    borner(session.parametres.pos2, ecran.height(), taille.height());
    fond.placer({session.parametres.pos1, session.parametres.pos2});
}

bool Application::EcrireParametres()
{
    return ecriture.EcrireParametres();
}

void Application::Chaines_DblClick()
{
    if (etatFenetre.telecommande()) {
        transport.Play_Click();
        return;
    }
    medias.Chaines_DblClick();
}

void Application::Horloge_Timer()
{
    if (ferme_)
        return;
    if (moteur.operationEnCours()) {
        ticEnAttente_ = true;
        return;
    }
    programmation.Horloge_Timer();
}

bool Application::Form_QueryUnload(bool parUtilisateur)
{
    if (arretTermine_)
        return true;
    // Closing in the middle of an operation (players closing, time-shift buffering) would
    // leave it to go on after the players were stopped: the close waits for its end. So does
    // a close asked while the close's own questions are open, and one asked while the
    // players close on the way out.
    if (arretEnCours_)
        return false;
    if (moteur.operationEnCours() || questionsEnCours_) {
        if (fermetureEnAttente_ != Fermeture::SansQuestion)
            fermetureEnAttente_ = parUtilisateur ? Fermeture::ParUtilisateur : Fermeture::SansQuestion;
        return false;
    }
    // Finished schedule entries go, and everything is saved, whatever happens next: the
    // options pane's values too, confirmed or not.
    options.lireAvantFermeture();
    programmation.Nettoyer_Click();

    auto& d = plateforme.dialogues;
    if (parUtilisateur) {
        // The clock goes on while the questions are open: each is asked about the state as it is.
        questionsEnCours_ = true;
        const bool quitter =
            (!enEnregistrement(session.Etat)
             || d.question("L'enregistrement en cours va être interrompu.\n\n"
                           "Souhaitez-vous réellement quitter Kelmor ?"))
            && (session.programmes.nombre() == 0
                || d.question("Des enregistrements sont programmés ou en cours.\n\n"
                              "Souhaitez-vous réellement quitter Kelmor ?"));
        questionsEnCours_ = false;
        if (!quitter) {
            // A close of the session that came meanwhile still goes through, without questions,
            // once this close has been refused.
            if (fermetureEnAttente_ == Fermeture::SansQuestion && !moteur.operationEnCours())
                QMetaObject::invokeMethod(&moteur, [this] { apresOperations(); }, Qt::QueuedConnection);
            else if (fermetureEnAttente_ == Fermeture::ParUtilisateur)
                fermetureEnAttente_ = Fermeture::Aucune;
            return false;
        }
        // A stop the clock started while the questions were open ends first.
        if (moteur.operationEnCours()) {
            fermetureEnAttente_ = Fermeture::SansQuestion;
            return false;
        }
    }
    fermetureEnAttente_ = Fermeture::Aucune;

    // From here on the clock starts nothing.
    ferme_ = true;
    horloge.stop();
    medias.ArreterVueSiAfficher();
    if (session.parametres.p.MONO || session.Etat != EtatLecteur::Arret) {
        // The window closes once the players are gone: at once when they went within the call.
        arretEnCours_ = true;
        dansFermeture_ = true;
        moteur.FermerLecteurExterne([this] {
            finirFermeture();
            if (!dansFermeture_ && !fond.estFermee())
                fond.fermer(true);
        });
        dansFermeture_ = false;
        return arretTermine_;
    }
    finirFermeture();
    return true;
}

void Application::finirFermeture()
{
    nettoyerInstantanes();
    ecrireDemarrageAutomatique();
    arretEnCours_ = false;
    arretTermine_ = true;
}

void Application::nettoyerInstantanes()
{
    QDir tmp(session.DossierProgramme + "TMP");
    if (!tmp.exists())
        return;
    for (const QString& f : tmp.entryList({"vlcsnap-*.jpg"}, QDir::Files))
        tmp.remove(f);
    if (tmp.entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot | QDir::Dirs).isEmpty())
        QDir().rmdir(tmp.path());
}

void Application::ecrireDemarrageAutomatique()
{
    const QString dossier = plateforme.dossiers.demarrage();
    if (dossier.isEmpty())
        return;
    const QString fichier = dossier + "Kelmor.desktop";
    QString echec;
    if (!session.parametres.p.AUTO) {
        const QFileInfo entree(fichier);
        if (!QFile::remove(fichier) && (entree.exists() || entree.isSymLink()))
            echec = "Le lancement automatique de Kelmor n'a pas pu être supprimé :\n" + fichier +
                    "\n\nSupprimez ce fichier pour que Kelmor ne démarre plus avec votre session.";
    } else {
        // Written whole: a session that starts meanwhile never reads half an entry.
        QDir().mkpath(dossier);
        if (!ecrireFichierAtomique(fichier,
                                   EntreeDemarrageAutomatique(QCoreApplication::applicationFilePath()).toUtf8()))
            echec = "Le lancement automatique de Kelmor n'a pas pu être enregistré :\n" + fichier +
                    "\n\nVérifiez que son dossier est accessible en écriture et que le disque n'est pas plein.";
    }
    if (echec.isEmpty())
        return;
    // The close goes on; the program ends once this is read.
    Dialogues& d = plateforme.dialogues;
    d.quandLibre([&d, echec] { d.exclamation(echec); });
}
