// The media pane with the real libVLC under X: the live view of a channel of the simulated
// box inside the window, and a mosaic of two favourites.
#include "panes/VoletAfficher.h"
#include "support/ControlesAfficher.h"
#include "support/BancApplication.h"
#include "support/BancReel.h"
#include "support/Ecran.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QSet>
#include <QSlider>
#include <QTabBar>
#include <QTest>

namespace {
using AfficherReel = BancReel;

bool entendu(const VueIntegreeVlc::SonLecteur& s)
{
    return s.volume > 0 && s.muet == 0;
}

}  // namespace

TEST_F(AfficherReel, TheLiveViewPlaysTheSelectedChannelInsideTheWindow)
{
    demarrer("");
    fond.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fond));
    app->parties().moteur.Chaines_Click(1);
    app->Chaines_DblClick();
    const ControlesAfficher v(fond.afficher());
    ASSERT_TRUE(fond.forme().estOuvert(Volet::Afficher));
    EXPECT_TRUE(lecteurs->aucunEnCours());
    EXPECT_TRUE(VueIntegreeVlc::instanceCreee() || attendreQue([] { return VueIntegreeVlc::instanceCreee(); }, 10000));
    // Our waiting picture first, on the screen over the view's window, three seconds; then
    // the stream's test pattern.
    EXPECT_TRUE(attendreQue([&] { return visibleALEcran(*v.Waiting); }, 2500)) << "the waiting picture is not seen";
    EXPECT_TRUE(attendreQue([&] { return v.Waiting->isHidden(); }, 5000));
    int couleurs = 0;
    EXPECT_TRUE(attendreQue([&] { return (couleurs = nombreDeCouleurs(ecranSous(*v.FondActiveX))) > 20; }, 20000))
        << "colours seen over the view: " << couleurs;
    ASSERT_NE(vue.surface(), nullptr);
    EXPECT_EQ(vue.surface()->parentWidget(), v.FondActiveX);
    // The frame stands at its design place; the video at the picture's ratio above the compact row.
    EXPECT_EQ(v.FondActiveX->geometry().size(), QSize(337, 289));
    EXPECT_EQ(vue.surface()->size(), QSize(337, 249));
    EXPECT_LE(vue.surface()->geometry().bottom(), v.FondActiveX2->geometry().top());
    EXPECT_TRUE(dialogues.messages.empty());
}

TEST_F(AfficherReel, AMosaicOfTwoFavouritesFillsBothTilesWithPictures)
{
    demarrer("FA01=France 2\nFA02=Ciné Été\n");
    fond.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fond));
    app->Chaines_DblClick();
    const ControlesAfficher v(fond.afficher());
    v.AfficherOnglets->setCurrentIndex(1);
    ASSERT_TRUE(app->parties().medias.mosaique().enCours());
    EXPECT_TRUE(attendreQue(
        [&] {
            return v.Mosaic[0]->contenu() == TuileMosaique::Contenu::Image
                   && v.Mosaic[1]->contenu() == TuileMosaique::Contenu::Image;
        },
        60000))
        << "tiles: " << int(v.Mosaic[0]->contenu()) << ", " << int(v.Mosaic[1]->contenu());
    for (std::size_t t : {0u, 1u})
        EXPECT_GT(nombreDeCouleurs(v.Mosaic[t]->image().toImage()), 20) << "tile " << t + 1;
    EXPECT_EQ(v.Mosaic[2]->contenu(), TuileMosaique::Contenu::Vide);
    // Snapshots are shown, then deleted from the work folder.
    EXPECT_TRUE(QDir(app->parties().session.DossierProgramme + "TMP").entryList({"vlcsnap-*.jpg"}, QDir::Files).size() <= 1);

    // Leaving the tab ends the loop.
    v.AfficherOnglets->setCurrentIndex(3);
    EXPECT_FALSE(app->parties().medias.mosaique().enCours());
    EXPECT_TRUE(dialogues.messages.empty());
}

// The sound as libVLC has it: the mosaic's tiles are never heard, and the compact row's volume
// and mute hold across the mosaic and the channel steps.
TEST_F(AfficherReel, TheMosaicIsSilentAndTheViewKeepsItsSoundAcrossTheMosaicAndChannelSteps)
{
    demarrer("FA01=France 2\nFA02=Ciné Été\n");
    fond.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fond));
    app->parties().moteur.Chaines_Click(0);
    app->Chaines_DblClick();
    const ControlesAfficher v(fond.afficher());
    const auto attendreSon = [this](int volume, int muet) {
        VueIntegreeVlc::SonLecteur s;
        const bool ok = attendreQue([&] { return (s = vue.sonDuLecteur()).volume == volume && s.muet == muet; }, 15000);
        if (!ok)
            ADD_FAILURE() << "libVLC has volume " << s.volume << ", mute " << s.muet << "; expected " << volume << ", "
                          << muet;
        return ok;
    };
    v.Volume2->setValue(50);
    ASSERT_TRUE(attendreSon(50, 0));

    v.AfficherOnglets->setCurrentIndex(1);
    ASSERT_TRUE(app->parties().medias.mosaique().enCours());
    int entendus = 0, vus = 0;
    attendreQue(
        [&] {
            if (app->parties().medias.mosaique().tuileRouge() != 0) {
                ++vus;
                entendus += entendu(vue.sonDuLecteur());
            }
            return v.Mosaic[1]->contenu() == TuileMosaique::Contenu::Image;
        },
        60000);
    EXPECT_GT(vus, 0);
    EXPECT_EQ(entendus, 0) << "a tile was heard";

    v.AfficherOnglets->setCurrentIndex(0);
    EXPECT_TRUE(attendreSon(50, 0));
    bouton(fond, "Mute2")->click();
    EXPECT_TRUE(attendreSon(50, 1));
    bouton(fond, "ChaîneP2")->click();
    EXPECT_EQ(app->parties().session.chaineSelectionnee, 1);
    laisserTourner(500);
    EXPECT_TRUE(attendreSon(50, 1));
    EXPECT_TRUE(dialogues.messages.empty());
}
