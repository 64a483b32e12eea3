// The engine's sequences: what takes time goes on from the event loop, the window takes no
// input meanwhile, and the clock waits for their end.
#include "engine/Moteur.h"
#include "engine/Transport.h"
#include "support/BancApplication.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {
struct BancMoteur : BancApplication {
    explicit BancMoteur(const QByteArray& ini = "CLAV=1\nMONO=0\n")
    {
        installerVlc();
        ecrire("Kelmor.cfg", playlist({"TF1", "France 2", "M6"}));
        ecrire("Kelmor.ini", ini);
        EXPECT_TRUE(demarrer());
        fond->show();
        dialogues.messages.clear();
    }
    EtatLecteur etat() const { return app->parties().session.Etat; }
    // A key the user releases on the window, as the keyboard shortcuts see it.
    void touche(Qt::Key t) { QTest::keyRelease(bouton(*fond, "Play"), t); }
};
}  // namespace

TEST(Moteur, AStopHoldsTheWindowUntilThePlayersAreGoneAndDropsWhatComesMeanwhile)
{
    BancMoteur b;
    bouton(*b.fond, "Regarder")->click();
    ASSERT_EQ(b.etat(), EtatLecteur::Lecture);
    b.lecteurs.fermeturesDifferees = true;
    b.horloge.immediat = false;
    bouton(*b.fond, "StopAll")->click();
    EXPECT_FALSE(b.fond->isEnabled());
    EXPECT_EQ(b.etat(), EtatLecteur::Lecture);

    // F8 (record) and a click on "Regarder" while the players close: dropped, never replayed.
    b.touche(Qt::Key_F8);
    QTest::mouseClick(bouton(*b.fond, "Regarder"), Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(b.lecteurs.lancements.size(), 1u);

    b.lecteurs.signalerFermetures();
    // One second after the players went, the state says stopped and the window answers again.
    b.horloge.avancer(999);
    EXPECT_EQ(b.etat(), EtatLecteur::Lecture);
    EXPECT_FALSE(b.fond->isEnabled());
    b.horloge.avancer(1);
    EXPECT_EQ(b.etat(), EtatLecteur::Arret);
    EXPECT_TRUE(b.fond->isEnabled());
    QCoreApplication::processEvents();
    EXPECT_EQ(b.lecteurs.lancements.size(), 1u);
}

TEST(Moteur, TheClockWaitsForAStopAndThenStartsTheDueEntry)
{
    BancMoteur b("MONO=0\nPROG=[A] 09/12/2026 20:01 - 21:00 > M6 (1)\n");
    bouton(*b.fond, "Regarder")->click();
    b.lecteurs.fermeturesDifferees = true;
    b.horloge.immediat = false;
    bouton(*b.fond, "StopAll")->click();
    b.horloge.avancer(70 * 1000);
    b.app->Horloge_Timer();
    EXPECT_FALSE(b.lecteurs.enCours(RoleLecteur::Enregistreur));
    b.lecteurs.signalerFermetures();
    b.horloge.avancer(1000);
    // The stop ended: the tick that waited for it ran.
    EXPECT_EQ(b.etat(), EtatLecteur::Programme);
    EXPECT_TRUE(b.lecteurs.enCours(RoleLecteur::Enregistreur));
}

TEST(Moteur, ARecordingStartsOnlyOnceWhatPlayedIsGone)
{
    BancMoteur b;
    bouton(*b.fond, "Regarder")->click();
    b.lecteurs.fermeturesDifferees = true;
    bouton(*b.fond, "Enregistrer")->click();
    EXPECT_EQ(b.lecteurs.lancements.size(), 1u);
    EXPECT_FALSE(b.fond->isEnabled());
    b.lecteurs.signalerFermetures();
    ASSERT_EQ(b.lecteurs.lancements.size(), 2u);
    EXPECT_EQ(b.lecteurs.lancements[1].role, RoleLecteur::Enregistreur);
    EXPECT_EQ(b.etat(), EtatLecteur::Enregistrement);
    EXPECT_TRUE(b.fond->isEnabled());
}

TEST(Moteur, MuteShowsOnlyWhatThePlayerTook)
{
    BancMoteur b;
    bouton(*b.fond, "Regarder")->click();
    b.lecteurs.sourds = true;  // the player hangs
    for (int i = 0; i < 3; ++i)
        bouton(*b.fond, "Mute")->click();
    EXPECT_FALSE(b.app->parties().session.Muet);
    EXPECT_FALSE(bouton(*b.fond, "Mute")->font().bold());
    EXPECT_TRUE(b.fond->isEnabled());
    b.lecteurs.sourds = false;
    bouton(*b.fond, "Mute")->click();
    EXPECT_TRUE(b.app->parties().session.Muet);
    EXPECT_TRUE(bouton(*b.fond, "Mute")->font().bold());
}

TEST(Moteur, PauseFromLiveWaitsForTheBufferThenSendsTheKey)
{
    BancMoteur b;
    b.horloge.immediat = false;
    bouton(*b.fond, "Pause")->click();
    EXPECT_EQ(b.etat(), EtatLecteur::Differe);
    EXPECT_FALSE(b.fond->isEnabled());
    // Thirty steps of a tenth of a second, then the viewer, then a second more.
    b.horloge.avancer(2999);
    EXPECT_FALSE(b.lecteurs.enCours(RoleLecteur::DiffereLecteur));
    b.horloge.avancer(1);
    EXPECT_TRUE(b.lecteurs.enCours(RoleLecteur::DiffereLecteur));
    b.horloge.avancer(1000 + 200);
    EXPECT_EQ(b.lecteurs.touches.size(), 1u);
    EXPECT_EQ(b.etat(), EtatLecteur::Pause);
    b.horloge.avancer(200);
    EXPECT_TRUE(b.fond->isEnabled());
    EXPECT_EQ(b.horloge.etapesEnAttente(), 0u);
}

TEST(Moteur, WatchingGivesTheFocusBackTwoSecondsLaterWithoutHoldingTheWindow)
{
    BancMoteur b;
    b.horloge.immediat = false;
    bouton(*b.fond, "Regarder")->click();
    EXPECT_EQ(b.etat(), EtatLecteur::Lecture);
    EXPECT_TRUE(b.fond->isEnabled());
    EXPECT_EQ(b.horloge.etapesEnAttente(), 1u);
    // A stop in the meantime is taken at once.
    bouton(*b.fond, "StopAll")->click();
    b.horloge.avancer(2000);
    EXPECT_EQ(b.etat(), EtatLecteur::Arret);
    EXPECT_EQ(b.horloge.etapesEnAttente(), 0u);
}

TEST(Moteur, StopClosesAPlayerOfOursThatTheStoppedStateDoesNotShow)
{
    BancMoteur b;
    ASSERT_EQ(b.etat(), EtatLecteur::Arret);
    b.lecteurs.actifs[RoleLecteur::Enregistreur] = true;
    b.app->parties().moteur.StopAll_Click();
    EXPECT_TRUE(b.lecteurs.aucunEnCours());
    EXPECT_EQ(b.etat(), EtatLecteur::Arret);
}

TEST(Moteur, AnAnswerGivenWhileASequenceRunsIsActedOnOnlyAtItsEnd)
{
    BancMoteur b;
    bouton(*b.fond, "Regarder")->click();
    ASSERT_EQ(b.etat(), EtatLecteur::Lecture);
    b.dialogues.retenir = true;
    b.lecteurs.fermeturesDifferees = true;
    b.horloge.immediat = false;
    std::vector<EtatLecteur> vus;
    b.app->parties().moteur.demander("Souhaitez-vous poursuivre ?", [&](bool oui) {
        EXPECT_TRUE(oui);
        vus.push_back(b.etat());
    });
    b.app->parties().moteur.StopAll_Click(true);
    ASSERT_TRUE(b.app->parties().moteur.operationEnCours());
    ASSERT_TRUE(b.dialogues.repondre(true));
    EXPECT_TRUE(vus.empty()) << "acted on in the middle of the stop";
    b.lecteurs.signalerFermetures();
    b.horloge.avancer(1000);
    EXPECT_EQ(vus, std::vector<EtatLecteur>{EtatLecteur::Arret});
}
