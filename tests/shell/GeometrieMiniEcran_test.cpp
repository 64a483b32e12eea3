#include "shell/GeometrieMiniEcran.h"

#include <gtest/gtest.h>

TEST(GeometrieMiniEcran, AtOneHundredPercentTheVideoKeepsItsSize)
{
    const int l = LargeurSauvee(5055);
    EXPECT_EQ(l, 5145);
    const TailleMiniEcran t = tailleMiniEcran(kCurseurDepart, l);
    EXPECT_DOUBLE_EQ(t.largeurFenetre, 5145);
    EXPECT_DOUBLE_EQ(t.largeurVideo, 5055);
    EXPECT_NEAR(t.hauteurVideo, 3735, 0.5);
    EXPECT_NEAR(t.hauteurFenetre, 4125, 0.5);
    // On X11 the client area is the video itself: 337 x 249 pixels.
    EXPECT_EQ(t.clientPixels(), QSize(337, 249));
}

TEST(GeometrieMiniEcran, SliderEndsGiveAThirdAndFiveTimesTheWidth)
{
    EXPECT_DOUBLE_EQ(largeurFenetreMini(kCurseurMin, 5145), 1800.75);
    EXPECT_DOUBLE_EQ(largeurFenetreMini(kCurseurMax, 5145), 25725);
    const TailleMiniEcran petit = tailleMiniEcran(kCurseurMin, 5145);
    EXPECT_DOUBLE_EQ(petit.largeurVideo, 1710.75);
    EXPECT_NEAR(petit.hauteurVideo, 1710.75 / 1.3534, 1e-9);
    EXPECT_EQ(petit.clientPixels(), QSize(114, 84));
    const TailleMiniEcran grand = tailleMiniEcran(kCurseurMax, 5145);
    EXPECT_DOUBLE_EQ(grand.largeurVideo, 25635);
    EXPECT_EQ(grand.clientPixels(), QSize(1709, 1263));
    EXPECT_DOUBLE_EQ(largeurFenetreMini(1000, 5145), 25725) << "the slider's range holds";
}

TEST(GeometrieMiniEcran, TheWindowWidthReadBackDecidesTheVideo)
{
    // The window system gave 1800 instead of 1800.75.
    const TailleMiniEcran t = SizeBar2_Scroll(1800);
    EXPECT_DOUBLE_EQ(t.largeurVideo, 1710);
    EXPECT_NEAR(t.hauteurFenetre, 1710 / 1.3534 + 390, 1e-9);
}

TEST(GeometrieMiniEcran, TheVideoKeepsItsScreenPlaceEnteringAndLeaving)
{
    const QRect ecran(0, 0, 1920, 1080);
    const QPoint normale(500, 300);
    const QPoint mini = positionEntreeMini(normale);
    // The video stood at 4680, 600 twips in the normal window's client area.
    EXPECT_EQ(mini, QPoint(500 + 312, 300 + 40));
    EXPECT_EQ(positionSortieMini(mini, QSize(665, 345), ecran, true), normale);
}

TEST(GeometrieMiniEcran, LeavingTheMiniScreenKeepsTheWindowOnTheScreen)
{
    const QRect ecran(0, 0, 1920, 1080);
    const QSize taille(665, 345);
    EXPECT_EQ(positionSortieMini(QPoint(100, 10), taille, ecran, false), QPoint(0, 0));
    EXPECT_EQ(positionSortieMini(QPoint(1900, 1000), taille, ecran, false), QPoint(1588, 960))
        << "without the keep-inside option the window may stick out right and below";
    EXPECT_EQ(positionSortieMini(QPoint(1900, 1000), taille, ecran, true), QPoint(1920 - 665, 1080 - 345));
}

TEST(GeometrieMiniEcran, AWideScreenLetsItsHeightGovern)
{
    // 1920 x 1080 pixels.
    const PleinEcranGeometrie g = geometriePleinEcran(QSizeF(28800, 16200));
    EXPECT_TRUE(g.parHauteur);
    EXPECT_DOUBLE_EQ(g.video.height(), 16200);
    EXPECT_DOUBLE_EQ(g.video.width(), 16200 * 1.3534);
    EXPECT_DOUBLE_EQ(g.video.top(), 0);
    EXPECT_DOUBLE_EQ(g.video.left(), (28800 - 16200 * 1.3534) / 2);
    EXPECT_EQ(pixels(g.video.left()), 229);
    EXPECT_EQ(pixels(g.video.width()), 1462);
    EXPECT_EQ(g.rangee, QPointF((28800 - 5055) / 2.0, 16200 - 495));
}

TEST(GeometrieMiniEcran, ANarrowScreenLetsItsWidthGovern)
{
    // 1024 x 1280 pixels, portrait.
    const PleinEcranGeometrie g = geometriePleinEcran(QSizeF(15360, 19200));
    EXPECT_FALSE(g.parHauteur);
    EXPECT_DOUBLE_EQ(g.video.width(), 15360);
    EXPECT_DOUBLE_EQ(g.video.left(), 0);
    EXPECT_DOUBLE_EQ(g.video.top(), (19200 - 15360 / 1.3534) / 2);
}

TEST(GeometrieMiniEcran, AScreenExactlyAtTheRatioTakesTheWidthBranch)
{
    const PleinEcranGeometrie egal = geometriePleinEcran(QSizeF(13534, 10000));
    EXPECT_FALSE(egal.parHauteur);
    EXPECT_DOUBLE_EQ(egal.video.width(), 13534);
    EXPECT_TRUE(geometriePleinEcran(QSizeF(13536, 10000)).parHauteur);
    EXPECT_FALSE(geometriePleinEcran(QSizeF(13532, 10000)).parHauteur);
}

TEST(GeometrieMiniEcran, LeavingFullScreenOnAScreenThatShrankComesBackInside)
{
    const QSize taille(337, 249);
    const QPoint sauvee(1500, 800);  // saved on a 1920 x 1080 screen
    EXPECT_EQ(positionSortiePleinEcran(sauvee, taille, QRect(0, 0, 1920, 1080)), sauvee);
    EXPECT_EQ(positionSortiePleinEcran(sauvee, taille, QRect(0, 0, 1280, 720)), QPoint(1280 - 337, 720 - 249));
    EXPECT_EQ(positionSortiePleinEcran(sauvee, QSize(2000, 1000), QRect(0, 0, 1280, 720)), QPoint(0, 0))
        << "a window larger than the screen keeps its top-left on it";
}
