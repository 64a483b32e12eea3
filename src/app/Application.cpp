#include "app/Application.h"

#include "app/Cablage.h"
#include "core/DemarrageAutomatique.h"
#include "engine/OptionsVue.h"
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
    fermeture_ = EtatFermeture::Terminee;
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
    if (fermeture_ == EtatFermeture::Attente || fermeture_ == EtatFermeture::AttenteQuestions) {
        const bool sansQuestion = fermeture_ == EtatFermeture::Attente;
        fermeture_ = EtatFermeture::EnMarche;
        ticEnAttente_ = false;
        fond_.fermer(sansQuestion);
        return;
    }
    if (ticEnAttente_ && fermeture_ < EtatFermeture::Lecteurs) {
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
    // Once the close has saved, the clock starts nothing.
    if (fermeture_ >= EtatFermeture::Lecteurs)
        return;
    if (c_.moteur.operationEnCours()) {
        ticEnAttente_ = true;
        return;
    }
    c_.programmation.Horloge_Timer();
}

bool Application::Form_QueryUnload(bool parUtilisateur)
{
    switch (DeciderFermeture(fermeture_, parUtilisateur, c_.moteur.operationEnCours())) {
    case ActionFermeture::Accepter:
        return true;
    case ActionFermeture::Refuser:
        return false;
    case ActionFermeture::Attendre:
        fermeture_ = EtatFermeture::Attente;
        return false;
    case ActionFermeture::AttendreQuestions:
        fermeture_ = EtatFermeture::AttenteQuestions;
        return false;
    case ActionFermeture::Demander:
        // Finished schedule entries go, and everything is saved, whatever the answers: the
        // options pane's values too, confirmed or not.
        c_.options.lireAvantFermeture();
        c_.programmation.Nettoyer_Click();
        fermeture_ = EtatFermeture::Questions;
        poserQuestions(0);
        break;
    case ActionFermeture::Fermer:
        fermer();
        break;
    }
    return fermeture_ == EtatFermeture::Terminee;
}

void Application::fermerSansPersonne()
{
    plateforme_.dialogues.abandonner();
    fond_.fermer(true);
}

void Application::poserQuestions(int etape)
{
    // The clock goes on while a question is open: each is asked about the state as it is,
    // and its answer acted on once no sequence runs.
    const auto poser = [this](const QString& texte, int suivante) {
        c_.moteur.demander(texte, [this, suivante](bool oui) {
            // A stop signal or the session's end went through meanwhile.
            if (fermeture_ != EtatFermeture::Questions)
                return;
            if (!oui) {
                fermeture_ = EtatFermeture::EnMarche;
                return;
            }
            poserQuestions(suivante);
            if (fermeture_ == EtatFermeture::Terminee)
                fermerFenetre();
        });
    };
    if (etape == 0 && enEnregistrement(c_.session.Etat)) {
        poser("L'enregistrement en cours va être interrompu.\n\nSouhaitez-vous réellement quitter Kelmor ?", 1);
        return;
    }
    if (etape <= 1 && c_.session.programmes.nombre() > 0) {
        poser("Des enregistrements sont programmés ou en cours.\n\nSouhaitez-vous réellement quitter Kelmor ?", 2);
        return;
    }
    fermer();
}

void Application::fermer()
{
    c_.options.lireAvantFermeture();
    c_.programmation.Nettoyer_Click();
    // From here on the clock starts nothing.
    fermeture_ = EtatFermeture::Lecteurs;
    c_.horloge.stop();
    c_.medias.ArreterVueSiAfficher();
    if (c_.session.parametres.p.MONO || c_.session.Etat != EtatLecteur::Arret
        || !plateforme_.lecteurs.aucunEnCours()) {
        // The window closes once the players are gone: at once when they went within the call.
        c_.moteur.FermerLecteurExterne([this] {
            finirFermeture();
            fermerFenetre();
        });
        return;
    }
    finirFermeture();
}

void Application::fermerFenetre()
{
    // From the event loop: when the close ended within the guard's call, the window is
    // already closed by then.
    QMetaObject::invokeMethod(&c_.moteur, [this] {
        if (!fond_.estFermee())
            fond_.fermer(true);
    }, Qt::QueuedConnection);
}

void Application::finirFermeture()
{
    nettoyerInstantanes();
    ecrireDemarrageAutomatique();
    fermeture_ = EtatFermeture::Terminee;
}

void Application::nettoyerInstantanes()
{
    QDir tmp(DossierSnapshots(c_.session.DossierProgramme));
    if (!tmp.exists())
        return;
    for (const QString& f : tmp.entryList({MotifSnapshots()}, QDir::Files))
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
