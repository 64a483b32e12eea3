#include "core/FichierParametres.h"
#include "engine/EnregistrementManuel.h"
#include "engine/Programmation.h"
#include "support/BancApplication.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <unistd.h>

namespace {
const QString kQuestionEnregistrement =
    "L'enregistrement en cours va être interrompu.\n\nSouhaitez-vous réellement quitter Kelmor ?";
const QString kQuestionProgrammes =
    "Des enregistrements sont programmés ou en cours.\n\nSouhaitez-vous réellement quitter Kelmor ?";

std::unique_ptr<BancApplication> demarre(const QByteArray& ini = {})
{
    auto b = std::make_unique<BancApplication>();
    b->installerVlc();
    b->ecrire("Kelmor.cfg", BancApplication::playlist({"TF1", "M6"}));
    if (!ini.isEmpty())
        b->ecrire("Kelmor.ini", ini);
    EXPECT_TRUE(b->demarrer());
    b->dialogues.messages.clear();
    return b;
}
}  // namespace

TEST(Arret, RefusingTheFirstQuestionStopsNothingAndAsksAgainLater)
{
    auto b = demarre("MONO=0\nPROG=[A] 10/12/2026 20:00 - 21:00 > TF1 (1)\n");
    b->app->parties().session.Etat = EtatLecteur::Enregistrement;
    b->dialogues.reponses = {false};
    EXPECT_FALSE(b->app->Form_QueryUnload(true));
    EXPECT_EQ(b->dialogues.textes(), QStringList{kQuestionEnregistrement});
    EXPECT_EQ(b->lecteurs.fermeturesTotales, 0);

    b->dialogues.messages.clear();
    b->dialogues.reponses = {true, true};
    EXPECT_TRUE(b->app->Form_QueryUnload(true));
    EXPECT_EQ(b->dialogues.textes(), QStringList({kQuestionEnregistrement, kQuestionProgrammes}));
    EXPECT_EQ(b->lecteurs.fermeturesTotales, 1);
}

TEST(Arret, SessionEndAsksNothingButSavesAndCloses)
{
    auto b = demarre("PROG=[A] 10/12/2026 20:00 - 21:00 > TF1 (1)\n");
    b->app->parties().session.Etat = EtatLecteur::Programme;
    b->fond->findChild<QListWidget*>("Chaînes")->setCurrentRow(1);
    EXPECT_TRUE(b->app->Form_QueryUnload(false));
    EXPECT_TRUE(b->dialogues.messages.empty());
    EXPECT_EQ(b->lecteurs.fermeturesTotales, 1);
    EXPECT_TRUE(QString::fromUtf8(b->lire("Kelmor.ini")).contains("\nCHA1=M6\n"));
}

TEST(Arret, FinishedEntriesGoBeforeTheQuestion)
{
    auto b = demarre();
    b->app->parties().session.parametres.programmes = {"[X] 01/12/2026 20:00 - 21:00 > TF1 (1)"};
    EXPECT_TRUE(b->app->Form_QueryUnload(true));
    EXPECT_TRUE(b->dialogues.messages.empty());
    EXPECT_FALSE(QString::fromUtf8(b->lire("Kelmor.ini")).contains("PROG="));
}

TEST(Arret, SnapshotsAndAutostart)
{
    auto b = demarre("AUTO=1\n");
    QDir().mkpath(b->programme() + "TMP");
    b->ecrire("TMP/vlcsnap-001.jpg", "x");
    EXPECT_TRUE(b->app->Form_QueryUnload(true));
    EXPECT_FALSE(QFileInfo::exists(b->programme() + "TMP"));
    QFile entree(b->dossiers.demarrageChemin + "Kelmor.desktop");
    ASSERT_TRUE(entree.open(QIODevice::ReadOnly));
    EXPECT_TRUE(entree.readAll().contains("\" /m\n"));

    // Unticked, in a later run: the entry goes; a folder holding anything but snapshots stays.
    auto c = demarre("AUTO=0\n");
    QDir().mkpath(c->dossiers.demarrageChemin);
    QFile ancienne(c->dossiers.demarrageChemin + "Kelmor.desktop");
    ASSERT_TRUE(ancienne.open(QIODevice::WriteOnly));
    ancienne.write("[Desktop Entry]\n");
    ancienne.close();
    QDir().mkpath(c->programme() + "TMP");
    c->ecrire("TMP/vlcsnap-002.jpg", "x");
    c->ecrire("TMP/autre.txt", "x");
    EXPECT_TRUE(c->app->Form_QueryUnload(true));
    EXPECT_FALSE(QFileInfo::exists(c->dossiers.demarrageChemin + "Kelmor.desktop"));
    EXPECT_FALSE(QFileInfo::exists(c->programme() + "TMP/vlcsnap-002.jpg"));
    EXPECT_TRUE(QFileInfo::exists(c->programme() + "TMP/autre.txt"));
}

TEST(Arret, TheAutostartEntryIsReplacedWholeAndAFailureIsToldOnceNoBoxIsOpen)
{
    // Replaced, not written over: a link to the old entry keeps what it held.
    auto b = demarre("AUTO=1\n");
    QDir().mkpath(b->dossiers.demarrageChemin);
    const QString entree = b->dossiers.demarrageChemin + "Kelmor.desktop";
    b->ecrire("ancienne.desktop", "[Desktop Entry]\nExec=ancienne\n");
    ASSERT_EQ(::link(QFile::encodeName(b->programme() + "ancienne.desktop").constData(),
                     QFile::encodeName(entree).constData()),
              0);
    EXPECT_TRUE(b->app->Form_QueryUnload(true));
    EXPECT_TRUE(b->dialogues.messages.empty());
    QFile f(entree);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll().contains("\" /m\n"));
    EXPECT_EQ(b->lire("ancienne.desktop"), "[Desktop Entry]\nExec=ancienne\n");
    EXPECT_EQ(QDir(b->dossiers.demarrageChemin).entryList(QDir::Files | QDir::Hidden), QStringList{"Kelmor.desktop"});

    // A folder that cannot be made (even root cannot make one inside a plain file): said
    // once no box is open, and the close goes on.
    auto c = demarre("AUTO=1\n");
    c->ecrire("fichier", "x");
    c->dossiers.demarrageChemin = c->programme() + "fichier/autostart/";
    c->dialogues.differer = true;
    EXPECT_TRUE(c->app->Form_QueryUnload(true));
    EXPECT_TRUE(c->dialogues.messages.empty());
    c->dialogues.liberer();
    EXPECT_EQ(c->dialogues.messages,
              (std::vector<Message>{{Message::Exclamation,
                                     "Le lancement automatique de Kelmor n'a pas pu être enregistré :\n" +
                                         c->programme() + "fichier/autostart/Kelmor.desktop\n\n"
                                         "Vérifiez que son dossier est accessible en écriture et que le disque "
                                         "n'est pas plein."}}));

    // Unticked, and the entry cannot go.
    auto d = demarre("AUTO=0\n");
    QDir().mkpath(d->dossiers.demarrageChemin + "Kelmor.desktop/dedans");
    EXPECT_TRUE(d->app->Form_QueryUnload(true));
    EXPECT_EQ(d->dialogues.textes(), QStringList{"Le lancement automatique de Kelmor n'a pas pu être supprimé :\n" +
                                                 d->dossiers.demarrageChemin +
                                                 "Kelmor.desktop\n\nSupprimez ce fichier pour que Kelmor ne "
                                                 "démarre plus avec votre session."});
}

TEST(Arret, QuitButtonClosesTheWindowThroughTheSameQuestions)
{
    auto b = demarre("PROG=[A] 10/12/2026 20:00 - 21:00 > TF1 (1)\n");
    b->fond->show();
    b->dialogues.reponses = {false};
    bouton(*b->fond, "Quitter")->click();
    EXPECT_TRUE(b->fond->isVisible());
    EXPECT_EQ(b->dialogues.textes(), QStringList{kQuestionProgrammes});
    b->dialogues.reponses = {true};
    bouton(*b->fond, "Quitter")->click();
    EXPECT_FALSE(b->fond->isVisible());
}

TEST(Arret, AStopSignalClosesWhateverBoxIsOpenSavesAndLeavesNoPlayer)
{
    struct Cas {
        const char* nom;
        std::function<void(BancApplication&)> ouvrir;  // what is open when the signal comes
        bool sauvegardeRatee;
    };
    const std::vector<Cas> cas{
        {"a question of the schedule", [](BancApplication& b) { b.app->parties().programmation.ToutSupprimer_Click(); },
         false},
        {"the quit question", [](BancApplication& b) { EXPECT_FALSE(b.app->Form_QueryUnload(true)); }, false},
        {"nothing, and the save fails", [](BancApplication&) {}, true},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        auto b = demarre("MONO=0\nPROG=[A] 10/12/2026 20:00 - 21:00 > TF1 (1)\n");
        b->app->parties().enregistrement.Rec_Click();
        ASSERT_TRUE(b->lecteurs.enCours(RoleLecteur::Enregistreur));
        b->dialogues.messages.clear();
        b->dialogues.retenir = true;
        c.ouvrir(*b);
        if (c.sauvegardeRatee) {
            QFile::remove(b->programme() + "Kelmor.ini");
            QDir().mkpath(b->programme() + "Kelmor.ini/dossier");
        }
        const auto messagesAvant = b->dialogues.messages;

        b->app->fermerSansPersonne();
        EXPECT_TRUE(b->fond->estFermee());
        EXPECT_EQ(b->app->fermeture(), EtatFermeture::Terminee);
        EXPECT_TRUE(b->lecteurs.aucunEnCours());
        EXPECT_EQ(b->dialogues.ouvertes, 0);
        // Nobody answered: what was asked is not done, and nothing new opened.
        EXPECT_FALSE(b->dialogues.repondre(true));
        EXPECT_EQ(b->app->parties().session.programmes.nombre(), 1);
        EXPECT_EQ(b->dialogues.messages, messagesAvant);
        if (c.sauvegardeRatee) {
            EXPECT_EQ(b->dialogues.erreurStandard, QStringList{kMessageEchecParametres});
        } else {
            EXPECT_TRUE(b->dialogues.erreurStandard.isEmpty());
            EXPECT_TRUE(b->lire("Kelmor.ini").contains("\nPROG=[A] 10/12/2026 20:00 - 21:00 > TF1 (1)\n"));
        }
    }
}
