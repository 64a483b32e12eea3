#include "engine/Mediatheque.h"
#include "support/BancMedias.h"

#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

TEST(Mediatheque, DeletingTheFileBeingRecordedIsRefusedAndDeleteAllLeavesIt)
{
    BancMedias b;
    bouton(*b.fond, "Rec")->click();
    const QString enCours = b.app->parties().session.FichierEnregistrementManuel;
    ASSERT_FALSE(enCours.isEmpty());
    QFile(enCours).open(QIODevice::WriteOnly);  // the recorder's file
    b.fichier("Kelmor 2001-01-01 10-00-00 M6.mpg");
    b.ouvrir();
    b.onglet(OngletAfficher::Videos);
    const QString nom = QFileInfo(enCours).fileName();
    ASSERT_EQ(b.liste(), QStringList({"Kelmor 2001-01-01 10-00-00 M6.mpg", nom}));
    b.c().AfficherListe->setCurrentRow(1);
    b.c().AfficherEffacer->click();
    ASSERT_EQ(b.dialogues.messages.size(), 1u);
    EXPECT_EQ(b.dialogues.messages[0], (Message{Message::Exclamation, Mediatheque::kMessageUtilise}));
    EXPECT_TRUE(QFileInfo::exists(enCours));
    EXPECT_EQ(b.c().AfficherListe->currentRow(), 1);

    b.dialogues.reponses = {true};
    b.c().AfficherTout->click();
    EXPECT_EQ(b.dialogues.messages.back(),
              (Message{Message::Question, "Souhaitez-vous effacer tous les fichiers vidéos ?"}));
    EXPECT_EQ(b.liste(), QStringList({nom}));
    EXPECT_TRUE(QFileInfo::exists(enCours));

    // Once the recording stops, the file may go.
    b.app->parties().moteur.StopAll_Click();
    b.c().AfficherEffacer->click();
    EXPECT_FALSE(QFileInfo::exists(enCours));
    EXPECT_TRUE(b.liste().isEmpty());
    EXPECT_FALSE(b.c().AfficherRegarder->isEnabled());
    EXPECT_FALSE(b.c().AfficherEffacer->isEnabled());
    EXPECT_FALSE(b.c().AfficherTout->isEnabled());
    EXPECT_TRUE(b.c().AfficherAutres->isEnabled());
}

TEST(Mediatheque, AListWhoseFilesVanishedIsRefreshedInsteadOfUsed)
{
    BancMedias b("UVLC=1\n");
    for (const char* nom : {"vlcsnap-1.png", "vlcsnap-2.png", "vlcsnap-3.png", "notes.txt"})
        b.fichier(nom);
    b.ouvrir();
    b.onglet(OngletAfficher::Photos);
    EXPECT_FALSE(b.c().TV2->isEnabled());
    ASSERT_EQ(b.liste(), QStringList({"vlcsnap-1.png", "vlcsnap-2.png", "vlcsnap-3.png"}));
    b.c().AfficherListe->setCurrentRow(2);
    QFile::remove(b.dossier() + "vlcsnap-3.png");
    b.c().AfficherRegarder->click();
    EXPECT_TRUE(b.shell.ouverts.isEmpty());
    EXPECT_EQ(b.liste(), QStringList({"vlcsnap-1.png", "vlcsnap-2.png"}));
    EXPECT_EQ(b.c().AfficherListe->currentRow(), 1);

    QFile::remove(b.dossier() + "vlcsnap-2.png");
    b.c().AfficherEffacer->click();
    EXPECT_TRUE(b.dialogues.messages.empty());
    EXPECT_EQ(b.liste(), QStringList({"vlcsnap-1.png"}));
    EXPECT_EQ(b.c().AfficherListe->currentRow(), 0);
    // A photo opens with the desktop's program, whatever UVLC says.
    b.c().AfficherRegarder->click();
    EXPECT_EQ(b.shell.ouverts, QStringList({b.dossier() + "vlcsnap-1.png"}));
    EXPECT_TRUE(b.lecteurs.lancements.empty());
}

TEST(Mediatheque, ARowTheUserDeselectedIsNeitherDeletedNorPlayed)
{
    BancMedias b;
    b.fichier("Kelmor 2001-01-01 10-00-00 M6.mpg");
    b.fichier("Kelmor 2001-01-02 10-00-00 TF1.mpg");
    b.ouvrir();
    b.onglet(OngletAfficher::Videos);
    QListWidget* l = b.c().AfficherListe;
    ASSERT_EQ(l->count(), 2);
    const auto cliquer = [l](int ligne, Qt::KeyboardModifiers touches) {
        QTest::mouseClick(l->viewport(), Qt::LeftButton, touches, l->visualItemRect(l->item(ligne)).center());
    };
    cliquer(1, Qt::NoModifier);
    ASSERT_TRUE(l->item(1)->isSelected());
    cliquer(1, Qt::ControlModifier);
    ASSERT_TRUE(l->selectedItems().isEmpty());
    ASSERT_EQ(l->currentRow(), 1);  // still the current row, shown as not selected

    b.c().AfficherEffacer->click();
    b.c().AfficherRegarder->click();
    EXPECT_EQ(b.liste(), QStringList({"Kelmor 2001-01-01 10-00-00 M6.mpg", "Kelmor 2001-01-02 10-00-00 TF1.mpg"}));
    EXPECT_TRUE(b.shell.ouverts.isEmpty());
    EXPECT_TRUE(b.dialogues.messages.empty());

    cliquer(0, Qt::NoModifier);
    b.c().AfficherEffacer->click();
    EXPECT_EQ(b.liste(), QStringList({"Kelmor 2001-01-02 10-00-00 TF1.mpg"}));
}

TEST(Mediatheque, ARecordingPlaysInTheExternalPlayerOnlyWhenNothingElseRuns)
{
    BancMedias b("UVLC=1\nMONO=1\n");
    b.fichier("Kelmor 2001-01-01 10-00-00 M6.mpg");
    b.ouvrir();
    b.onglet(OngletAfficher::Videos);
    b.c().AfficherRegarder->click();
    ASSERT_EQ(b.lecteurs.lancements.size(), 1u);
    EXPECT_EQ(b.lecteurs.lancements[0].role, RoleLecteur::Fichier);
    EXPECT_EQ(b.lecteurs.lancements[0].arguments.mid(b.lecteurs.lancements[0].arguments.size() - 2),
              QStringList({b.dossier() + "Kelmor 2001-01-01 10-00-00 M6.mpg", "vlc://quit"}));
    EXPECT_EQ(b.app->parties().session.Etat, EtatLecteur::Arret);

    bouton(*b.fond, "Play")->click();
    b.c().AfficherRegarder->click();
    EXPECT_EQ(b.dialogues.messages.back(), (Message{Message::Information, Mediatheque::kMessageLecteurActif}));
    EXPECT_EQ(b.lecteurs.lancements.size(), 2u);

    // A file from elsewhere, picked in the dialog.
    b.app->parties().moteur.StopAll_Click();
    b.dialogues.fichiers = {"/tmp/ailleurs/film.avi"};
    b.c().AfficherAutres->click();
    EXPECT_EQ(b.dialogues.titresFichier.last(), "Sélectionnez le fichier vidéo à regarder");
    ASSERT_EQ(b.lecteurs.lancements.size(), 3u);
    EXPECT_TRUE(b.lecteurs.lancements[2].arguments.contains("/tmp/ailleurs/film.avi"));
}

TEST(Mediatheque, NamesThatAreNotUtf8OrHoldALineBreakAreListedDeletedAndNeverTakenForAnAddress)
{
    BancMedias b("UVLC=1\n");
    const QByteArray latin1 = QFile::encodeName(b.dossier()) + "Kelmor 2026-12-09 20-00-00 T\xe9l\xe9.mpg";
    std::ofstream(latin1.toStdString()) << "x";
    b.fichier("Kelmor 2026-12-09 21-00-00 Nova\nTV.mpg");
    b.fichier("Kelmor 2026-12-09 22-00-00 M6.mpg");
    b.ouvrir();
    b.onglet(OngletAfficher::Videos);
    ASSERT_EQ(b.liste(), QStringList({QString::fromUtf8("Kelmor 2026-12-09 20-00-00 T\uFFFDl\uFFFD.mpg"),
                                      "Kelmor 2026-12-09 21-00-00 Nova\nTV.mpg", "Kelmor 2026-12-09 22-00-00 M6.mpg"}));

    // Neither is played under a wrong name, and the user is told what is wrong.
    b.c().AfficherListe->setCurrentRow(0);
    b.c().AfficherRegarder->click();
    b.c().AfficherListe->setCurrentRow(1);
    b.c().AfficherRegarder->click();
    EXPECT_TRUE(b.lecteurs.lancements.empty());
    EXPECT_TRUE(b.shell.ouverts.isEmpty());
    ASSERT_EQ(b.dialogues.messages.size(), 2u);
    EXPECT_EQ(b.dialogues.messages[0], (Message{Message::Exclamation, Mediatheque::kMessageNomIllisible}));
    EXPECT_EQ(b.dialogues.messages[1].texte,
              "Le lecteur vlc ne lit pas ce fichier : son nom ou son dossier contient un retour à la ligne ou un "
              "autre caractère de contrôle.\n" + b.dossier() + "Kelmor 2026-12-09 21-00-00 Nova\nTV.mpg\n\n"
              "Renommez-le pour le regarder.");

    // Both can be deleted, one by one or all at once.
    b.dialogues.messages.clear();
    b.c().AfficherListe->setCurrentRow(0);
    b.c().AfficherEffacer->click();
    EXPECT_TRUE(b.dialogues.messages.empty());
    EXPECT_FALSE(std::filesystem::exists(latin1.toStdString()));
    EXPECT_EQ(b.liste(), QStringList({"Kelmor 2026-12-09 21-00-00 Nova\nTV.mpg", "Kelmor 2026-12-09 22-00-00 M6.mpg"}));
    std::ofstream(latin1.toStdString()) << "x";
    b.c().AfficherRefresh->click();
    ASSERT_EQ(b.liste().size(), 3);
    b.dialogues.reponses = {true};
    b.c().AfficherTout->click();
    EXPECT_TRUE(b.liste().isEmpty());
    EXPECT_FALSE(std::filesystem::exists(latin1.toStdString()));
    EXPECT_TRUE(QDir(b.dossier()).entryList(QDir::Files).isEmpty());
}

TEST(Mediatheque, AFileTheDesktopHasNoProgramForIsToldToTheUser)
{
    BancMedias b;
    b.fichier("Kelmor 2001-01-01 10-00-00 M6.mpg");
    b.fichier("vlcsnap-1.png");
    b.shell.associe = false;
    b.ouvrir();
    // A recording without VLC: the user is pointed to the option; a photo: only told.
    const std::pair<OngletAfficher, const char*> cas[] = {{OngletAfficher::Videos, "Kelmor 2001-01-01 10-00-00 M6.mpg"},
                                                          {OngletAfficher::Photos, "vlcsnap-1.png"}};
    for (const auto& [onglet, nom] : cas) {
        b.dialogues.messages.clear();
        b.onglet(onglet);
        b.c().AfficherRegarder->click();
        EXPECT_EQ(b.shell.ouverts.last(), b.dossier() + nom);
        ASSERT_EQ(b.dialogues.messages.size(), 1u) << nom;
        EXPECT_EQ(b.dialogues.messages[0].genre, Message::Exclamation);
        EXPECT_TRUE(b.dialogues.messages[0].texte.startsWith("Aucun programme de ce bureau ne sait ouvrir ce fichier :\n"
                                                              + b.dossier() + nom));
        EXPECT_EQ(b.dialogues.messages[0].texte.contains("Utiliser VLC pour regarder les vidéos enregistrées"),
                  onglet == OngletAfficher::Videos);
    }
    // With a program for it, nothing is said.
    b.shell.associe = true;
    b.dialogues.messages.clear();
    b.c().AfficherRegarder->click();
    EXPECT_TRUE(b.dialogues.messages.empty());
    EXPECT_TRUE(b.lecteurs.lancements.empty());
}
