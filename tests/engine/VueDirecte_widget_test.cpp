#include "engine/VueDirecte.h"
#include "support/Attente.h"
#include "support/BancMedias.h"

#include <QElapsedTimer>
#include <QSlider>
#include <QTest>
#include <gtest/gtest.h>

TEST(VueDirecte, TwoChannelChangesWithinThreeSecondsKeepTheWaitingPictureUntilThreeSecondsAfterTheSecond)
{
    BancMedias b;
    b.m().Chaines_DblClick();
    ASSERT_TRUE(b.fond->forme().estOuvert(Volet::Afficher));
    EXPECT_TRUE(b.attente());
    EXPECT_EQ(b.vue.appels.last(), "jouer rtsp://box/1");
    QTest::qWait(2000);
    b.app->parties().moteur.Chaines_Click(1);
    QElapsedTimer depuisSeconde;
    depuisSeconde.start();
    // The view restarts: stopped, emptied, sized to the waiting picture, then the new channel.
    const QStringList fin = b.vue.appels.mid(b.vue.appels.size() - 4);
    EXPECT_EQ(fin.mid(0, 2), QStringList({"arreter", "vider"}));
    EXPECT_EQ(fin[2], QString("taille %1x%2").arg(b.c().Waiting->width() * 15).arg(b.c().Waiting->height() * 15));
    EXPECT_EQ(fin[3], "jouer rtsp://box/2");
    QTest::qWait(2000);  // four seconds after the first start
    EXPECT_TRUE(b.attente());
    ASSERT_TRUE(attendreQue([&] { return !b.attente(); }, 3000));
    EXPECT_GE(depuisSeconde.elapsed(), VueDirecte::AttenteMs);
}

TEST(VueDirecte, TheViewHasItsPlaceBeforeTheWaitingPictureShowsOverItAndTheRibbonStaysAboveThePicture)
{
    BancMedias b;
    // A native window made later lies over those made before: the view's comes first.
    QObject* hoteAvantAttente = nullptr;
    bool attenteVue = false;
    QObject::connect(&b.d(), &VueDirecte::attenteAffichee, &b.d(), [&](bool visible) {
        if (visible && !attenteVue) {
            attenteVue = true;
            hoteAvantAttente = b.vue.hote;
        }
    });
    b.ouvrir();
    ASSERT_TRUE(attenteVue);
    EXPECT_EQ(hoteAvantAttente, b.c().FondActiveX);

    // A channel step from the ribbon shows the picture again: the ribbon stays above it, so
    // that the next click reaches it.
    bouton(*b.fond, "Mini2")->click();
    bouton(*b.fond, "SizeBar0")->click();
    bouton(*b.fond, "SizeBarP")->click();
    ASSERT_TRUE(b.attente());
    const QObjectList enfants = b.c().FondActiveX->children();
    EXPECT_GT(enfants.indexOf(b.c().SizeBar), enfants.indexOf(b.c().Waiting));
    // In full screen the compact row lies over the picture likewise.
    bouton(*b.fond, "SizeBarF")->click();
    bouton(*b.fond, "ChaîneM2")->click();
    ASSERT_TRUE(b.attente());
    const QObjectList plein = b.c().FondActiveX->children();
    EXPECT_GT(plein.indexOf(b.c().FondActiveX2), plein.indexOf(b.c().Waiting));
}

TEST(VueDirecte, MuteAndVolumeZeroStayTwoStatesOfTheView)
{
    BancMedias b;
    b.ouvrir();
    QSlider* volume = b.c().Volume2;
    EXPECT_EQ(volume->minimum(), 0);
    EXPECT_EQ(volume->maximum(), 200);
    EXPECT_EQ(bouton(*b.fond, "Mute2")->toolTip(), " Couper le son ");
    bouton(*b.fond, "Mute2")->click();
    EXPECT_TRUE(b.vue.muet);
    EXPECT_TRUE(b.gras("Mute2"));
    volume->setValue(0);
    EXPECT_EQ(b.vue.volume, 0);
    EXPECT_TRUE(b.vue.muet);
    volume->setValue(50);
    EXPECT_EQ(b.vue.volume, 50);
    EXPECT_TRUE(b.vue.muet) << "moving the slider never restores the sound";
    EXPECT_TRUE(b.gras("Mute2")) << "the button shows the view's real state";
    bouton(*b.fond, "Mute2")->click();
    EXPECT_FALSE(b.vue.muet);
    EXPECT_FALSE(b.gras("Mute2"));
    volume->setValue(0);
    EXPECT_FALSE(b.gras("Mute2")) << "silence by volume is not the mute";
}

TEST(VueDirecte, Snap2AsksTheViewForAJpegInTheRecordingFolder)
{
    BancMedias b;
    b.ouvrir();
    bouton(*b.fond, "Snap2")->click();
    ASSERT_EQ(b.vue.instantanes.size(), 1);
    const QFileInfo photo(b.vue.instantanes[0]);
    EXPECT_EQ(photo.absolutePath(), QDir(b.dossier()).absolutePath());
    EXPECT_TRUE(photo.fileName().startsWith("vlcsnap-"));
    EXPECT_TRUE(photo.fileName().endsWith(".jpg"));
}

TEST(VueDirecte, TheCompactRowStepsChannelsWithinTheListWithoutTheExternalPlayer)
{
    BancMedias b;
    b.ouvrir();
    b.lecteurs.lancements.clear();
    ASSERT_EQ(b.app->parties().session.chaineSelectionnee, 0);
    EXPECT_FALSE(bouton(*b.fond, "ChaîneM2")->isEnabled());
    bouton(*b.fond, "ChaîneP2")->click();
    bouton(*b.fond, "ChaîneP2")->click();
    EXPECT_EQ(b.app->parties().session.chaineSelectionnee, 2);
    EXPECT_EQ(b.vue.appels.last(), "jouer rtsp://box/3");
    EXPECT_FALSE(bouton(*b.fond, "ChaîneP2")->isEnabled());
    b.d().ChaineP2_Click();  // a step past the end does nothing
    EXPECT_EQ(b.app->parties().session.chaineSelectionnee, 2);
    bouton(*b.fond, "ChaîneM2")->click();
    EXPECT_EQ(b.app->parties().session.chaineSelectionnee, 1);
    EXPECT_TRUE(b.lecteurs.lancements.empty());
}

TEST(VueDirecte, TheFunctionKeysStepTheViewsVolumeFromItsCurrentValueAndMuteIt)
{
    BancMedias b("CLAV=1\n");
    b.ouvrir();
    b.c().Volume2->setValue(150);
    QTest::keyRelease(bouton(*b.fond, "Play"), Qt::Key_F11);
    EXPECT_EQ(b.vue.volume, 160);
    QTest::keyRelease(bouton(*b.fond, "Play"), Qt::Key_F10);
    QTest::keyRelease(bouton(*b.fond, "Play"), Qt::Key_F10);
    EXPECT_EQ(b.vue.volume, 140);
    EXPECT_EQ(b.c().Volume2->value(), 140);
    QTest::keyRelease(bouton(*b.fond, "Play"), Qt::Key_F12);
    EXPECT_TRUE(b.vue.muet);
}
