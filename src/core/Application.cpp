#include "core/Application.h"

#include "core/Fenetre.h"
#include "core/VerificationListe.h"
#include "core/VerificationVersion.h"
#include "core/DemarrageAutomatique.h"
#include "engine/CommandesLecteur.h"
#include "engine/EtatLecteur.h"
#include "engine/EnregistrementManuel.h"
#include "engine/Programmation.h"
#include "engine/Transport.h"

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

Application::Application(Plateforme& p, Fenetre& f)
    : plateforme(p),
      fenetre(f),
      transport(std::make_unique<Transport>(*this)),
      enregistrement(std::make_unique<EnregistrementManuel>(*this)),
      programmation(std::make_unique<Programmation>(*this))
{
}

Application::OperationMoteur::~OperationMoteur()
{
    if (--app_.operations_ != 0)
        return;
    // A close asked in the middle of the operation comes first: it stops every player.
    if (app_.fermetureEnAttente_ != Fermeture::Aucune) {
        const bool sansQuestion = app_.fermetureEnAttente_ == Fermeture::SansQuestion;
        app_.fermetureEnAttente_ = Fermeture::Aucune;
        app_.ticEnAttente_ = false;
        app_.fenetre.fermer(sansQuestion);
        return;
    }
    if (app_.ticEnAttente_ && !app_.ferme_) {
        app_.ticEnAttente_ = false;
        app_.programmation->Horloge_Timer();
    }
}

Application::~Application() = default;

QString Application::nomChaineSelectionnee() const
{
    if (chaineSelectionnee < 0 || chaineSelectionnee >= chaines.taille())
        return {};
    return chaines.at(chaineSelectionnee).nom;
}

bool Application::Form_Load(const QStringList& arguments)
{
    auto& d = plateforme.dialogues;
    DossierProgramme = plateforme.dossiers.programme();

    if (!plateforme.instance.acquerir()) {
        d.exclamation("Kelmor est déjà lancé.");
        return false;
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
            if (QFileInfo::exists(cheminParametres()) && !QFile::remove(cheminParametres()))
                d.exclamation("Les paramètres d'Kelmor n'ont pas pu être réinitialisés :\n"
                              "le fichier " + cheminParametres() + " n'a pas pu être supprimé.");
            else
                d.information("Les paramètres d'Kelmor ont été réinitialisés.");
        } else {
            d.information("Les paramètres d'Kelmor n'ont pas été réinitialisés.");
        }
        return false;
    }

    // Players left over by an earlier run of ours; nothing else is touched here.
    plateforme.lecteurs.fermerRestes();

    const bool fichierExiste = QFileInfo::exists(cheminParametres());
    const QByteArray texteParametres = fichierExiste ? lireFichier(cheminParametres()) : QByteArray();
    if (fichierExiste) {
        ValeursPrecoces v{parametres.p.SORT, parametres.p.CFGA};
        v = LirePassePrecoce(texteParametres, v);
        parametres.p.SORT = v.sort;
        parametres.p.CFGA = v.cfga;
    }

    if (parametres.p.CFGA
        && VerifierListeChaines(true, DossierProgramme, plateforme.web, d, plateforme.adresses, true)
               == IssueVerification::Arreter)
        return false;

    if (!QFileInfo::exists(cheminListeChaines())) {
        if (d.question("La liste des chaînes est introuvable.\n\nSouhaitez-vous la télécharger ?")) {
            if (VerifierListeChaines(true, DossierProgramme, plateforme.web, d, plateforme.adresses, true)
                == IssueVerification::Arreter)
                return false;
        } else {
            d.exclamation("La liste des chaînes est nécessaire à Kelmor.\n\nKelmor va maintenant s'arrêter.");
            return false;
        }
    }

    chaines = LireFichierListeChaines(cheminListeChaines(), parametres.p.SORT);
    fenetre.afficherChaines(chaines);

    // Defaults (they leave SORT and CFGA as the early pass set them), then the settings
    // file, then the one-time migrations.
    AppliquerDefauts(parametres, plateforme.dossiers.documents());
    DossierEnregistrement = parametres.dossierEnregistrement;
    if (fichierExiste) {
        LirePassePrincipale(texteParametres, parametres, chaines.noms(),
                            [](const QString& dossier) { return QFileInfo(dossier).isDir(); }, d);
        DossierEnregistrement = parametres.dossierEnregistrement;
    }
    AppliquerMigrations(parametres, d);
    programmation->Recharger(parametres.programmes);

    // Last channel: the remembered one (last exact match) or the first.
    int index = -1;
    if (parametres.p.CHA0) {
        for (int i = 0; i < chaines.taille(); ++i)
            if (chaines.at(i).nom == parametres.chaine)
                index = i;
    } else if (!chaines.estVide()) {
        index = 0;
    }
    Chaines_Click(index);

    if (!DossierEnregistrement.endsWith('/'))
        DossierEnregistrement += '/';

    if (!chercherLecteur())
        return false;

    if (parametres.p.EXEA)
        VerifierVersion(true, plateforme.web, d, plateforme.shell, plateforme.adresses);

    if (parametres.p.FAVI)
        fenetre.Fav_Click();
    placerFenetre();
    ChangerEtat(EtatLecteur::EtatArret);
    EcrireParametres();
    parametresEcrits_ = true;
    programmation->Horloge_Timer();
    fenetre.demarrerHorloge();

    demarreMinimise_ = contientOption(arguments, "/m");
    if (demarreMinimise_) {
        fenetre.minimiser();
        return true;
    }
    if (parametres.p.TRAN)
        fenetre.fonduEntree();
    if (parametres.p.TVON)
        transport->Regarder_Click();
    return true;
}

bool Application::chercherLecteur()
{
    auto& d = plateforme.dialogues;
    QString& chemin = parametres.cheminVLC;
    if (!estExecutable(chemin))
        chemin = DossierProgramme + "vlc";
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
    const QSize ecran = fenetre.tailleEcran();
    const QSize taille = fenetre.tailleFenetre();
    if (!parametres.p.POS0) {
        fenetre.placer({(ecran.width() - taille.width()) / 2, (ecran.height() - taille.height()) / 2});
        return;
    }
    auto borner = [this](qint32& valeur, int ecranDim, int fenetreDim) {
        if (valeur < 0)
            valeur = 0;
        else if (parametres.p.CADR && ecranDim - fenetreDim < valeur)
            valeur = ecranDim - fenetreDim;
    };
    borner(parametres.pos1, ecran.width(), taille.width());
    borner(parametres.pos2, ecran.height(), taille.height());
    fenetre.placer({parametres.pos1, parametres.pos2});
}

bool Application::EcrireParametres()
{
    if (chaineSelectionnee >= 0)
        parametres.chaine = nomChaineSelectionnee();
    else
        parametres.chaine.clear();
    parametres.programmes = programmation->liste.textes();
    const QPoint pos = fenetre.position();
    parametres.pos1 = pos.x();
    parametres.pos2 = pos.y();
    const bool ok = EcrireFichierParametres(cheminParametres(), parametres);
    if (!ok)
        plateforme.dialogues.exclamation(kMessageEchecParametres);
    // After a save the re-broadcast toggle follows its option again.
    TV = parametres.p.FRPL;
    fenetre.afficherBascules(TV, Muet);
    OptionsVLC = ::OptionsVLC(DossierEnregistrement, parametres.p.ZOOM, parametres.p.MONO);
    return ok;
}

void Application::ChangerEtat(int nouvelEtat)
{
    Etat = nouvelEtat & 0xFF;
    ChaineEnCours = ChaineEnCoursPour(Etat, ChaineEnCours, nomChaineSelectionnee());
    ActualiserTitre();
    if (Etat == EtatLecteur::EtatArret) {
        FinEnregistrement = QDateTime();
        if (Muet) {
            Muet = false;
            fenetre.afficherBascules(TV, Muet);
        }
    }
    const VueEtat vue = CalculerVueEtat(Etat, ChaineEnCours);
    fenetre.afficherEtat(vue);
    fenetre.definirIconeEnregistrement(vue.iconeEnregistrement);
}

void Application::ActualiserTitre()
{
    fenetre.definirTitre(TitreFenetre(plateforme.horloge.maintenant().time(), Etat, ChaineEnCours));
}

void Application::Chaines_DblClick()
{
    // The remote-control form watches in the external player; the normal window's live
    // view is not there yet, so the external player stands in for it too.
    transport->Play_Click();
}

void Application::Horloge_Timer()
{
    if (ferme_)
        return;
    if (operationEnCours()) {
        ticEnAttente_ = true;
        return;
    }
    programmation->Horloge_Timer();
}

void Application::Chaines_Click(int index)
{
    if (index < -1 || index >= chaines.taille())
        index = -1;
    chaineSelectionnee = index;
    fenetre.selectionnerChaine(index);
    programmation->editeur.chaine = nomChaineSelectionnee();
}

bool Application::Form_QueryUnload(bool parUtilisateur)
{
    // Closing in the middle of an operation (a player starting, a wait) would leave the
    // operation to go on after the players were stopped: the close waits for its end.
    if (operationEnCours()) {
        if (fermetureEnAttente_ != Fermeture::SansQuestion)
            fermetureEnAttente_ = parUtilisateur ? Fermeture::ParUtilisateur : Fermeture::SansQuestion;
        return false;
    }
    const auto garde = operationMoteur();
    // Finished schedule entries go, and everything is saved, whatever happens next.
    programmation->Nettoyer_Click();

    auto& d = plateforme.dialogues;
    if (parUtilisateur) {
        if ((Etat & EtatLecteur::EtatEnregistrement)
            && !d.question("L'enregistrement en cours va être interrompu.\n\n"
                           "Souhaitez-vous réellement quitter Kelmor ?"))
            return false;
        if (programmation->liste.nombre() > 0
            && !d.question("Des enregistrements sont programmés ou en cours.\n\n"
                           "Souhaitez-vous réellement quitter Kelmor ?"))
            return false;
    }

    if (parametres.p.MONO || Etat != 0)
        transport->FermerLecteurExterne();
    nettoyerInstantanes();
    ecrireDemarrageAutomatique();
    ferme_ = true;
    return true;
}

void Application::nettoyerInstantanes()
{
    QDir tmp(DossierProgramme + "TMP");
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
    if (!parametres.p.AUTO) {
        QFile::remove(fichier);
        return;
    }
    QDir().mkpath(dossier);
    QFile f(fichier);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(EntreeDemarrageAutomatique(QCoreApplication::applicationFilePath()).toUtf8());
}
