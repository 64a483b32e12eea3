#include "app/Application.h"

#include "app/Cablage.h"
#include "core/DemarrageAutomatique.h"
#include "platform/FichierAtomique.h"
#include "platform/Plateforme.h"
#include "shell/Fond.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

Application::Application(Plateforme& p, Fond& f)
    : plateforme_(p),
      fond_(f),
      fenetre_(f.etat()),
      c_(p, fenetre_, f),
      demarrage_(p, c_, fenetre_, [this] {
          Horloge_Timer();
          c_.horloge.start();
      }),
      assemblage_{*this, p, f, fenetre_, c_}
{
    cabler(assemblage_);
}

Application::~Application()
{
    fond_.definirGardienFermeture({});
    // Going away in the middle of the side pane's steps: nothing may run after them.
    ferme_ = true;
    fermetureEnAttente_ = Fermeture::Aucune;
    animation_.reset();
}

void Application::debutAnimation()
{
    if (!animation_)
        animation_.emplace(c_.moteur);
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
        fond_.fermer(sansQuestion);
        return;
    }
    if (ticEnAttente_ && !ferme_) {
        ticEnAttente_ = false;
        c_.programmation.Horloge_Timer();
    }
}

std::optional<bool> Application::Form_Load(const QStringList& arguments, std::function<void(bool)> fin)
{
    finDemarrage_ = std::move(fin);
    issueDemarrage_.reset();
    demarrage_.Form_Load(arguments, [this](std::optional<PresentationDemarrage> p) {
        if (!p) {
            terminerDemarrage(false);
            return;
        }
        // The window shows what start-up gave it; the settings file is then written with
        // the window's place, and the channel starts when asked.
        presenter(fond_, *p);
        demarreMinimise_ = p->minimise;
        EcrireParametres();
        parametresEcrits_ = true;
        if (!p->minimise && c_.session.parametres.p.TVON)
            c_.transport.Regarder_Click();
        terminerDemarrage(true);
    });
    return issueDemarrage_;
}

void Application::terminerDemarrage(bool continuer)
{
    issueDemarrage_ = continuer;
    if (finDemarrage_)
        finDemarrage_(continuer);
}

bool Application::EcrireParametres()
{
    return c_.ecriture.EcrireParametres();
}

void Application::Chaines_DblClick()
{
    if (fenetre_.telecommande()) {
        c_.transport.Play_Click();
        return;
    }
    c_.medias.Chaines_DblClick();
}

void Application::Horloge_Timer()
{
    if (ferme_)
        return;
    if (c_.moteur.operationEnCours()) {
        ticEnAttente_ = true;
        return;
    }
    c_.programmation.Horloge_Timer();
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
    if (c_.moteur.operationEnCours() || questionsEnCours_) {
        if (fermetureEnAttente_ != Fermeture::SansQuestion)
            fermetureEnAttente_ = parUtilisateur ? Fermeture::ParUtilisateur : Fermeture::SansQuestion;
        return false;
    }
    // Finished schedule entries go, and everything is saved, whatever happens next: the
    // options pane's values too, confirmed or not.
    c_.options.lireAvantFermeture();
    c_.programmation.Nettoyer_Click();

    auto& d = plateforme_.dialogues;
    if (parUtilisateur) {
        // The clock goes on while the questions are open: each is asked about the state as it is.
        questionsEnCours_ = true;
        const bool quitter =
            (!enEnregistrement(c_.session.Etat)
             || d.question("L'enregistrement en cours va être interrompu.\n\n"
                           "Souhaitez-vous réellement quitter Kelmor ?"))
            && (c_.session.programmes.nombre() == 0
                || d.question("Des enregistrements sont programmés ou en cours.\n\n"
                              "Souhaitez-vous réellement quitter Kelmor ?"));
        questionsEnCours_ = false;
        if (!quitter) {
            // A close of the session that came meanwhile still goes through, without questions,
            // once this close has been refused.
            if (fermetureEnAttente_ == Fermeture::SansQuestion && !c_.moteur.operationEnCours())
                QMetaObject::invokeMethod(&c_.moteur, [this] { apresOperations(); }, Qt::QueuedConnection);
            else if (fermetureEnAttente_ == Fermeture::ParUtilisateur)
                fermetureEnAttente_ = Fermeture::Aucune;
            return false;
        }
        // A stop the clock started while the questions were open ends first.
        if (c_.moteur.operationEnCours()) {
            fermetureEnAttente_ = Fermeture::SansQuestion;
            return false;
        }
    }
    fermetureEnAttente_ = Fermeture::Aucune;

    // From here on the clock starts nothing.
    ferme_ = true;
    c_.horloge.stop();
    c_.medias.ArreterVueSiAfficher();
    if (c_.session.parametres.p.MONO || c_.session.Etat != EtatLecteur::Arret) {
        // The window closes once the players are gone: at once when they went within the call.
        arretEnCours_ = true;
        dansFermeture_ = true;
        c_.moteur.FermerLecteurExterne([this] {
            finirFermeture();
            if (!dansFermeture_ && !fond_.estFermee())
                fond_.fermer(true);
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
    QDir tmp(c_.session.DossierProgramme + "TMP");
    if (!tmp.exists())
        return;
    for (const QString& f : tmp.entryList({"vlcsnap-*.jpg"}, QDir::Files))
        tmp.remove(f);
    if (tmp.entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot | QDir::Dirs).isEmpty())
        QDir().rmdir(tmp.path());
}

void Application::ecrireDemarrageAutomatique()
{
    const QString dossier = plateforme_.dossiers.demarrage();
    if (dossier.isEmpty())
        return;
    const QString fichier = dossier + "Kelmor.desktop";
    QString echec;
    if (!c_.session.parametres.p.AUTO) {
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
    Dialogues& d = plateforme_.dialogues;
    d.quandLibre([&d, echec] { d.exclamation(echec); });
}
