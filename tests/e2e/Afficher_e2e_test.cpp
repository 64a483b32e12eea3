// The media pane with the real libVLC under X: the live view of a channel of the simulated
// box inside the window, and a mosaic of two favourites.
#include "panes/VoletAfficher.h"
#include "support/BancReel.h"
#include "support/Ecran.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QSet>
#include <QTabBar>
#include <QTest>

namespace {
using AfficherReel = BancReel;


}  // namespace

TEST_F(AfficherReel, TheLiveViewPlaysTheSelectedChannelInsideTheWindow)
{
    demarrer("");
    fond.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fond));
    app->moteur.Chaines_Click(1);
    app->Chaines_DblClick();
    VoletAfficher& v = fond.afficher();
    ASSERT_TRUE(fond.forme().estOuvert(Volet::Afficher));
    EXPECT_TRUE(lecteurs->aucunEnCours());
    EXPECT_TRUE(VueIntegreeVlc::instanceCreee() || attendreQue([] { return VueIntegreeVlc::instanceCreee(); }, 10000));
    // Our waiting picture first, three seconds; then the stream's test pattern.
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
    VoletAfficher& v = fond.afficher();
    v.AfficherOnglets->setCurrentIndex(1);
    ASSERT_TRUE(app->medias.mosaique().enCours());
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
    EXPECT_TRUE(QDir(app->session.DossierProgramme + "TMP").entryList({"vlcsnap-*.jpg"}, QDir::Files).size() <= 1);

    // Leaving the tab ends the loop.
    v.AfficherOnglets->setCurrentIndex(3);
    EXPECT_FALSE(app->medias.mosaique().enCours());
    EXPECT_TRUE(dialogues.messages.empty());
}
