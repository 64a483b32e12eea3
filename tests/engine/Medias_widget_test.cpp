#include "engine/Medias.h"
#include "support/BancMedias.h"

#include <QTest>
#include <gtest/gtest.h>

TEST(Medias, TheLiveViewDrawsInItsFrameAndStopsWhenThePaneOrItsTabIsLeft)
{
    BancMedias b;
    EXPECT_EQ(b.vue.hote, nullptr);  // no video window before the view first plays
    b.ouvrir();
    EXPECT_EQ(b.vue.hote, b.c().FondActiveX);
    b.vue.appels.clear();
    b.onglet(OngletAfficher::Videos);
    EXPECT_TRUE(b.vue.appels.contains("arreter"));
    EXPECT_FALSE(b.vue.joue);
    // A channel change off the "Direct" tab leaves the view alone.
    b.vue.appels.clear();
    b.app->parties().moteur.Chaines_Click(2);
    EXPECT_TRUE(b.vue.appels.isEmpty());
    // A double-click brings the live view back; closing the window stops it.
    b.app->Chaines_DblClick();
    EXPECT_EQ(b.c().AfficherOnglets->currentIndex(), 0);
    EXPECT_EQ(b.vue.appels.last(), "jouer rtsp://box/3");
    b.fond->close();
    EXPECT_FALSE(b.vue.joue);
}

TEST(Medias, WithASingleStreamOpeningWhileWatchingSaysSoAndShowsTheRecordings)
{
    BancMedias b("FLX1=1\n");
    bouton(*b.fond, "Regarder")->click();
    b.dialogues.messages.clear();
    bouton(*b.fond, "Afficher")->click();
    EXPECT_TRUE(b.attendreForme());
    ASSERT_EQ(b.dialogues.messages.size(), 1u);
    EXPECT_EQ(b.dialogues.messages[0], (Message{Message::Exclamation, Medias::kMessageFlux}));
    EXPECT_TRUE(b.fond->forme().estOuvert(Volet::Afficher));
    EXPECT_EQ(b.c().AfficherOnglets->currentIndex(), 2);
    // Choosing "Direct" or "Mosaïque" by hand shows an empty frame and starts nothing.
    b.onglet(OngletAfficher::Direct);
    b.onglet(OngletAfficher::Mosaique);
    EXPECT_EQ(b.m().cadre(), CadreAfficher::Aucun);
    EXPECT_TRUE(b.vue.appelsCommencantPar("jouer").isEmpty());
    EXPECT_FALSE(b.m().mosaique().enCours());
}

TEST(Medias, WithASingleStreamWatchingOrRecordingClosesTheLiveViewOrTheMosaicFirst)
{
    BancMedias b("FLX1=1\n");
    b.ouvrir();
    ASSERT_TRUE(b.vue.joue);
    bouton(*b.fond, "Play")->click();
    EXPECT_FALSE(b.vue.joue);
    EXPECT_FALSE(b.fond->forme().estOuvert(Volet::Afficher));
    EXPECT_TRUE(b.attendreForme());
    EXPECT_EQ(b.app->parties().session.Etat, EtatLecteur::Lecture);
    EXPECT_TRUE(b.dialogues.messages.empty());

    b.app->parties().moteur.StopAll_Click();
    b.ouvrir();
    b.onglet(OngletAfficher::Mosaique);
    ASSERT_TRUE(b.m().mosaique().enCours());
    bouton(*b.fond, "Rec")->click();
    EXPECT_EQ(b.app->parties().session.Etat, EtatLecteur::Enregistrement);
    EXPECT_FALSE(b.m().mosaique().enCours());
    EXPECT_FALSE(b.fond->forme().estOuvert(Volet::Afficher));
}

TEST(Medias, WithASingleStreamWatchingFromTheMiniScreenOrFullScreenBringsBackTheNormalWindow)
{
    for (const char* bouton2 : {"Mini2", "Full2"}) {
        SCOPED_TRACE(bouton2);
        BancMedias b("FLX1=1\n");
        b.ouvrir();
        const QPoint place = b.fond->pos();
        bouton(*b.fond, bouton2)->click();
        ASSERT_TRUE(b.fond->forme().miniEcran());
        bouton(*b.fond, "Rec2")->click();
        EXPECT_EQ(b.app->parties().session.Etat, EtatLecteur::Enregistrement);
        EXPECT_FALSE(b.vue.joue);
        EXPECT_TRUE(b.attendreForme());
        EXPECT_EQ(b.fond->forme().forme(), Forme::Normal);
        EXPECT_EQ(b.fond->size(), versPixels(QSize(4455, 5175)));
        EXPECT_EQ(b.fond->pos(), place);
        EXPECT_FALSE(b.gras("Mini2"));
        EXPECT_TRUE(b.c().SizeBar->isHidden());
        b.app->parties().moteur.StopAll_Click(true);
    }
}

TEST(Medias, WithoutTheSingleStreamOptionTheLiveViewKeepsPlayingWhileWatching)
{
    BancMedias b;
    b.ouvrir();
    bouton(*b.fond, "Play")->click();
    EXPECT_TRUE(b.vue.joue);
    EXPECT_TRUE(b.fond->forme().estOuvert(Volet::Afficher));
}

TEST(Medias, MosaicTilesWatchOnTheLeftButtonShowOnTheRightAndIgnoreTheMiddle)
{
    BancMedias b;
    b.ouvrir();
    b.onglet(OngletAfficher::Mosaique);
    ASSERT_TRUE(b.m().mosaique().enCours());
    EXPECT_EQ(b.c().Mosaic[0]->contenu(), TuileMosaique::Contenu::Attente);
    EXPECT_EQ(b.c().Mosaic[1]->contenu(), TuileMosaique::Contenu::Vide);
    QTest::mouseClick(b.c().Mosaic[1], Qt::LeftButton);  // an empty tile
    QTest::mouseClick(b.c().Mosaic[0], Qt::MiddleButton);
    EXPECT_TRUE(b.lecteurs.lancements.empty());
    EXPECT_TRUE(b.m().mosaique().enCours());

    QTest::mouseClick(b.c().Mosaic[0], Qt::LeftButton);
    ASSERT_EQ(b.lecteurs.lancements.size(), 1u);
    EXPECT_EQ(b.lecteurs.lancements[0].arguments.last(), "rtsp://box/3");

    QTest::mouseClick(b.c().Mosaic[2], Qt::RightButton);
    EXPECT_FALSE(b.m().mosaique().enCours());
    EXPECT_EQ(b.c().AfficherOnglets->currentIndex(), 0);
    EXPECT_EQ(b.vue.appels.last(), "jouer rtsp://box/1");
}

TEST(Medias, TheMosaicsGroupButtonsChooseTheGroupAndShowWhichIsOn)
{
    BancMedias b("FA21=France 2\n");
    b.ouvrir();
    b.onglet(OngletAfficher::Mosaique);
    ASSERT_TRUE(b.m().mosaique().enCours());
    EXPECT_TRUE(b.c().MosaFavo[0]->font().bold());
    b.c().MosaFavo[2]->click();
    EXPECT_EQ(b.app->parties().favoris.groupe(), 2);
    EXPECT_EQ(b.m().mosaique().groupe(), 2) << "the mosaic restarts on the group";
    EXPECT_TRUE(b.c().MosaFavo[2]->font().bold());
    EXPECT_FALSE(b.c().MosaFavo[0]->font().bold());
    // Chosen elsewhere (the favourites frame's arrows), the buttons follow.
    bouton(*b.fond, "FavorisP")->click();
    EXPECT_TRUE(b.c().MosaFavo[3]->font().bold());
    EXPECT_FALSE(b.c().MosaFavo[2]->font().bold());
}

TEST(Medias, LeavingTheMosaicGivesTheViewBackTheCompactRowsSound)
{
    BancMedias b;
    b.ouvrir();
    b.c().Volume2->setValue(40);
    bouton(*b.fond, "Mute2")->click();
    b.onglet(OngletAfficher::Mosaique);
    ASSERT_TRUE(b.m().mosaique().enCours());
    b.vue.volume = 0;  // as the mosaic leaves it
    b.vue.muet = false;
    b.onglet(OngletAfficher::Direct);
    EXPECT_EQ(b.vue.volume, 40);
    EXPECT_TRUE(b.vue.muet);
    EXPECT_EQ(b.c().Volume2->value(), 40);
}
