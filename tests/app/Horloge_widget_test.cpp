// The 10-second clock keeps time whatever box is open, and a question's handler looks at
// the state again once answered.
#include "engine/Moteur.h"
#include "panes/VoletGuide.h"
#include "panes/VoletProgrammation.h"
#include "support/BancApplication.h"

#include <QTabWidget>
#include <gtest/gtest.h>

namespace {
struct BancHorloge : BancApplication {
    explicit BancHorloge(const QByteArray& ini, const QStringList& arguments = {})
    {
        installerVlc();
        ecrire("Kelmor.cfg", playlist({"TF1", "France 2", "M6"}));
        ecrire("Kelmor.ini", ini);
        EXPECT_TRUE(demarrer(arguments));
        dialogues.messages.clear();
    }
    // Time passes, then the timer fires.
    void tic(int secondes)
    {
        horloge.avancer(secondes * 1000LL);
        app->Horloge_Timer();
    }
    EtatLecteur etat() const { return app->parties().session.Etat; }
    QStringList programmes() const { return app->parties().session.programmes.textes(); }
};
}  // namespace

TEST(Horloge, ADueEntryStartsAndAnEndedOneStopsWhileTheQuitQuestionIsOpen)
{
    BancHorloge b("PROG=[A] 09/12/2026 20:01 - 20:03 > M6 (1)\n");
    std::vector<EtatLecteur> pendant;
    b.dialogues.pendantQuestion = [&] {
        b.tic(70);
        pendant.push_back(b.etat());
        b.tic(130);
        pendant.push_back(b.etat());
    };
    b.dialogues.reponses = {false};
    EXPECT_FALSE(b.app->Form_QueryUnload(true));
    EXPECT_EQ(pendant, (std::vector<EtatLecteur>{EtatLecteur::Programme, EtatLecteur::Arret}));
    ASSERT_EQ(b.lecteurs.lancements.size(), 1u);
    EXPECT_EQ(b.lecteurs.lancements[0].role, RoleLecteur::Enregistreur);
    EXPECT_FALSE(b.lecteurs.enCours(RoleLecteur::Enregistreur));
    EXPECT_EQ(b.programmes(), QStringList({"[X] 09/12/2026 20:01 - 20:03 > M6 (1)"}));
}

TEST(Horloge, ADueEntryStartsWhileTheGuideSaysItIsUnreachable)
{
    BancHorloge b("PROG=[A] 09/12/2026 20:01 - 21:00 > M6 (1)\n");
    bouton(*b.fond, "Guider")->click();
    ASSERT_TRUE(b.attendreForme());
    std::vector<EtatLecteur> pendant;
    b.dialogues.pendantBoite = [&] {
        b.tic(70);
        pendant.push_back(b.etat());
    };
    // No guide page is served.
    b.fond->findChild<QTabWidget*>("GuiderOnglets")->setCurrentIndex(1);
    EXPECT_EQ(b.dialogues.textes(), QStringList({"Le Guide TV est inaccessible."}));
    EXPECT_EQ(pendant, std::vector<EtatLecteur>{EtatLecteur::Programme});
}

TEST(Horloge, ARunningEntryEndsWhileTheRefusalToWatchIsOpen)
{
    BancHorloge b("PROG=[A] 09/12/2026 19:59 - 20:01 > M6 (1)\n");
    ASSERT_EQ(b.etat(), EtatLecteur::Programme);
    std::vector<EtatLecteur> pendant;
    b.dialogues.pendantBoite = [&] {
        b.tic(70);
        pendant.push_back(b.etat());
    };
    bouton(*b.fond, "Regarder")->click();
    EXPECT_EQ(b.dialogues.textes(), QStringList{Moteur::kRefusProgramme});
    EXPECT_EQ(pendant, std::vector<EtatLecteur>{EtatLecteur::Arret});
    EXPECT_FALSE(b.lecteurs.enCours(RoleLecteur::Enregistreur));
    EXPECT_FALSE(b.lecteurs.enCours(RoleLecteur::Regarder));
}

TEST(Horloge, RunsFromBeforeTheQuestionsOfAStartInTheNotificationArea)
{
    // A settings file of an older version asks its migration question at start.
    BancApplication c;
    c.installerVlc();
    c.ecrire("Kelmor.cfg", BancApplication::playlist({"TF1", "France 2", "M6"}));
    c.ecrire("Kelmor.ini", "VERS=Version 1.2.5\nTSPS=1\nPROG=[A] 09/12/2026 19:59 - 20:30 > M6 (1)\n");
    std::vector<EtatLecteur> pendant;
    c.dialogues.pendantQuestion = [&] {
        pendant.push_back(c.app->parties().session.Etat);
        c.horloge.avancer(31 * 60 * 1000LL);
        c.app->Horloge_Timer();
        pendant.push_back(c.app->parties().session.Etat);
    };
    ASSERT_TRUE(c.demarrer({"/m"}));
    EXPECT_EQ(c.dialogues.messages.front().genre, Message::Question);
    EXPECT_EQ(pendant, (std::vector<EtatLecteur>{EtatLecteur::Programme, EtatLecteur::Arret}));
    EXPECT_EQ(c.app->parties().session.programmes.textes(), QStringList({"[X] 09/12/2026 19:59 - 20:30 > M6 (1)"}));
}

TEST(Horloge, WhatStartUpOnlyReportsIsSaidOnceItIsOver)
{
    BancApplication b;
    b.installerVlc();
    b.ecrire("Kelmor.cfg", BancApplication::playlist({"TF1"}));
    b.ecrire("Kelmor.ini", "CFGA=1\nPROG=[A] 09/12/2026 19:59 - 20:30 > TF1 (1)\n");
    b.servirPlaylist(BancApplication::playlist({"TF1", "M6"}));
    b.dialogues.differer = true;
    ASSERT_TRUE(b.demarrer({"/m"}));
    // Start-up went through to the clock without waiting for anybody.
    EXPECT_TRUE(b.dialogues.messages.empty());
    EXPECT_EQ(b.app->parties().session.Etat, EtatLecteur::Programme);
    EXPECT_TRUE(b.app->parties().horloge.isActive());
    b.dialogues.liberer();
    EXPECT_EQ(b.dialogues.textes(), QStringList({"La liste des chaînes Free a été mise à jour."}));
}

TEST(Horloge, WatchingAskedDuringARecordingIsRefusedWhenAScheduledOneStartedMeanwhile)
{
    BancHorloge b("PROG=[A] 09/12/2026 20:01 - 21:00 > M6 (1)\n");
    bouton(*b.fond, "Enregistrer")->click();
    ASSERT_EQ(b.etat(), EtatLecteur::Enregistrement);
    b.dialogues.pendantQuestion = [&] { b.tic(70); };
    b.dialogues.reponses = {true};
    bouton(*b.fond, "Regarder")->click();
    // Yes was an answer about a manual recording that is gone: the scheduled one goes on.
    EXPECT_EQ(b.etat(), EtatLecteur::Programme);
    EXPECT_TRUE(b.lecteurs.enCours(RoleLecteur::Enregistreur));
    EXPECT_FALSE(b.lecteurs.enCours(RoleLecteur::Regarder));
    EXPECT_EQ(b.dialogues.textes().last(), Moteur::kRefusProgramme);
}

TEST(Horloge, DeletingAnEntryThatStartedWhileAskedAsksAgainAboutTheRunningRecording)
{
    BancHorloge b("PROG=[A] 09/12/2026 20:01 - 21:00 > M6 (1)\n");
    bouton(*b.fond, "Guider")->click();
    ASSERT_TRUE(b.attendreForme());
    b.dialogues.pendantQuestion = [&] {
        b.dialogues.pendantQuestion = nullptr;
        b.tic(70);
    };
    b.dialogues.reponses = {true, false};
    b.fond->programmation().findChild<QPushButton*>("SupprimerSélection")->click();
    EXPECT_EQ(b.dialogues.textes(), QStringList({"Souhaitez-vous réellement supprimer cet enregistrement ?",
                                                 "Cet enregistrement programmé est en cours.\n"
                                                 "Souhaitez-vous réellement le stopper et le supprimer ?"}));
    // No to the second: the recording that started goes on with its entry.
    EXPECT_EQ(b.programmes(), QStringList({"[E] 09/12/2026 20:01 - 21:00 > M6 (1)"}));
    EXPECT_EQ(b.etat(), EtatLecteur::Programme);
}

TEST(Horloge, AnEntryWhoseChannelIsGoneIsToldOnceAfterItsTickAndRecordsNothing)
{
    BancHorloge b("PROG=[A] 09/12/2026 20:01 - 21:00 > Canal disparu (H)\n");
    b.dialogues.differer = true;  // a box is open when the entry is due
    b.tic(70);
    EXPECT_EQ(b.programmes(), QStringList({"[X] 09/12/2026 20:01 - 21:00 > Canal disparu (H)"}));
    EXPECT_TRUE(b.lecteurs.lancements.empty());
    EXPECT_EQ(b.etat(), EtatLecteur::Arret);
    EXPECT_TRUE(b.dialogues.messages.empty());
    b.tic(10);
    b.dialogues.liberer();
    ASSERT_EQ(b.dialogues.messages.size(), 1u);
    EXPECT_EQ(b.dialogues.messages[0].genre, Message::Exclamation);
    EXPECT_TRUE(b.dialogues.messages[0].texte.startsWith(
        "L'enregistrement programmé le 09/12/2026 à 20:01 sur « Canal disparu » n'a pas eu lieu :\n"))
        << b.dialogues.messages[0].texte.toStdString();
    b.tic(10);
    EXPECT_EQ(b.dialogues.messages.size(), 1u);
}
