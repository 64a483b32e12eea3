// The live view out of the normal window with the real libVLC under X: the mini-screen, full
// screen and back, as the X server places the window.
#include "panes/VoletAfficher.h"
#include "support/ControlesAfficher.h"
#include "shell/FormeFenetre.h"
#include "support/BancApplication.h"
#include "support/BancReel.h"
#include "support/Ecran.h"
#include "support/Xdotool.h"

#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QSet>
#include <QSlider>
#include <QTabBar>
#include <QProcess>
#include <QTest>

namespace {
using MiniEcranReel = BancReel;



QRect surGlobal(const QWidget& w)
{
    return {w.mapToGlobal(QPoint(0, 0)), w.size()};
}

// The X server has placed the window where it is expected.
bool placeeParX(const QWidget& fenetre, const QRect& attendu)
{
    QRect x;
    const bool ok = attendreQue([&] { return (x = geometrieX(fenetre.winId())) == attendu; }, 5000);
    if (!ok)
        ADD_FAILURE() << "X has " << x.x() << "," << x.y() << " " << x.width() << "x" << x.height() << ", expected "
                      << attendu.x() << "," << attendu.y() << " " << attendu.width() << "x" << attendu.height();
    return ok;
}

// Let the window take in what the X server sent it.
void laisserPasser(int ms = 200)
{
    laisserTourner(ms);
}

QString texte(int n)
{
    return QString::number(n);
}

// The X server's pointer to a global point (no "--sync": it would wait for ever on a pointer
// already there).
bool pointerX(const QPoint& p)
{
    const bool ok = xdotool({"mousemove", texte(p.x()), texte(p.y())});
    laisserPasser(50);
    return ok;
}

// A drag of the X server's pointer with the left button, in small steps, from a global point.
bool glisserX(const QPoint& depuis, const QPoint& decalage)
{
    if (!pointerX(depuis) || !xdotool({"mousedown", "1"}))
        return false;
    laisserPasser(100);
    constexpr int pas = 8;
    for (int i = 1; i <= pas; ++i) {
        if (!pointerX(depuis + decalage * i / pas))
            return false;
        laisserPasser(40);
    }
    laisserPasser(100);
    return xdotool({"mouseup", "1"});
}

// A left click of the X server's pointer on the middle of a widget.
bool cliquerX(const QWidget& w)
{
    const QPoint p = w.mapToGlobal(w.rect().center());
    return xdotool({"mousemove", QString::number(p.x()), QString::number(p.y())}) && xdotool({"click", "1"});
}
}  // namespace

TEST_F(MiniEcranReel, MiniScreenThenFullScreenThenBackPlaceTheWindowAndTheVideoAsTheFormsSay)
{
    demarrer("MTOP=0\n");
    fond.move(200, 150);
    fond.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fond));
    app->Chaines_DblClick();
    ASSERT_TRUE(attendreQue([&] { return fond.forme().estOuvert(Volet::Afficher) && !fond.animationEnCours(); }, 5000));
    const ControlesAfficher v(fond.afficher());
    ASSERT_TRUE(attendreQue([&] { return v.Waiting->isHidden(); }, 5000));
    ASSERT_TRUE(attendreQue([&] { return vue.surface() && nombreDeCouleurs(ecranSur(surGlobal(*vue.surface()))) > 20; }, 20000))
        << "no picture in the pane";
    const QRect normale = geometrieX(fond.winId());
    ASSERT_EQ(normale, QRect(QPoint(200, 150), versPixels(QSize(9975, 5175))));
    const QPoint videoAvant = v.FondActiveX->mapToGlobal(QPoint(0, 0));

    // The mini-screen: the video alone, where it stood on the screen.
    bouton(fond, "Mini2")->click();
    ASSERT_TRUE(placeeParX(fond, QRect(videoAvant, QSize(337, 249))));
    laisserPasser();
    EXPECT_EQ(surGlobal(*vue.surface()), QRect(videoAvant, QSize(337, 249)));
    EXPECT_GT(nombreDeCouleurs(ecranSur(surGlobal(*vue.surface()))), 20) << "the picture follows the window";
    // The folded ribbon lies over the video's own window, not under it.
    ASSERT_TRUE(v.SizeBar->isVisible());
    EXPECT_GT(ressemblance(ecranSous(*v.SizeBar), v.SizeBar->grab().toImage()), 0.9);

    // The slider: twice the width.
    v.SizeBar2->setValue(200);
    ASSERT_TRUE(placeeParX(fond, QRect(videoAvant, QSize(680, 502))));
    laisserPasser();
    EXPECT_EQ(surGlobal(*vue.surface()), QRect(videoAvant, QSize(680, 502)));

    // Full screen: the whole screen (no panel under Xvfb), the video as wide as the screen and
    // centred on black, since this screen is narrower than 1.3534 times its height.
    const QRect ecran = fond.screen()->availableGeometry();
    bouton(fond, "SizeBarF")->click();
    ASSERT_TRUE(placeeParX(fond, ecran));
    laisserPasser();
    const QRect video = surGlobal(*vue.surface());
    const int hauteur = qRound(ecran.width() / 1.3534);
    EXPECT_EQ(video.width(), ecran.width());
    EXPECT_NEAR(video.height(), hauteur, 1);
    EXPECT_NEAR(video.y() - ecran.y(), (ecran.height() - hauteur) / 2, 1);
    EXPECT_LE(nombreDeCouleurs(ecranSur(QRect(ecran.topLeft(), QSize(ecran.width(), video.y() - ecran.y())))), 2)
        << "black above the video";
    EXPECT_TRUE(v.FondActiveX2->isVisible());
    EXPECT_GT(nombreDeCouleurs(ecranSur(video)), 20);
    {
        // Beside a picture of another shape the bands are black, never what lies under the view.
        const QImage ecranVu = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
        const int y = video.center().y();
        const QRgb bord = ecranVu.pixel(video.x() + 1, y), dedans = ecranVu.pixel(video.x() + 40, y);
        EXPECT_TRUE(qGray(bord) < 24 || bord == dedans) << "edge colour " << QString::number(bord & 0xffffff, 16).toStdString();
    }

    // Back to the mini-screen at the slider's value, then to the pane where it was.
    bouton(fond, "Full2")->click();
    ASSERT_TRUE(placeeParX(fond, QRect(videoAvant, QSize(680, 502))));
    EXPECT_EQ(v.SizeBar2->value(), 200);
    bouton(fond, "Mini2")->click();
    ASSERT_TRUE(placeeParX(fond, normale));
    laisserPasser();
    EXPECT_EQ(v.FondActiveX->mapToGlobal(QPoint(0, 0)), videoAvant);
    EXPECT_FALSE(v.AfficherOnglets->isHidden());
    EXPECT_TRUE(attendreQue([&] { return nombreDeCouleurs(ecranSur(surGlobal(*vue.surface()))) > 20; }, 5000));
    EXPECT_TRUE(dialogues.messages.empty());
}

// With a window manager framing the window: the forms reckon with its frame, full screen is
// the desktop's own and covers the whole screen, and leaving it puts everything back.
TEST_F(MiniEcranReel, UnderAWindowManagerTheFormsKeepTheVideosPlaceAndFullScreenCoversTheScreen)
{
    GestionnaireFenetres gestionnaire;
    ASSERT_TRUE(gestionnaire.demarre()) << "openbox is installed by scripts/install-deps";
    demarrer("MTOP=0\n");
    fond.move(200, 150);
    fond.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fond));
    ASSERT_TRUE(attendreQue([&] { return fond.frameGeometry() != fond.geometry(); }, 5000)) << "never framed";
    app->Chaines_DblClick();
    ASSERT_TRUE(attendreQue([&] { return fond.forme().estOuvert(Volet::Afficher) && !fond.animationEnCours(); }, 5000));
    laisserPasser(500);
    const ControlesAfficher v(fond.afficher());
    const QRect normale = fond.frameGeometry();
    const QPoint video = v.FondActiveX->mapToGlobal(QPoint(0, 0));

    bouton(fond, "Mini2")->click();
    EXPECT_TRUE(attendreQue([&] { return v.FondActiveX->mapToGlobal(QPoint(0, 0)) == video; }, 3000))
        << "the video moved to " << v.FondActiveX->mapToGlobal(QPoint(0, 0)).x() << ","
        << v.FondActiveX->mapToGlobal(QPoint(0, 0)).y();
    const QRect mini = fond.frameGeometry();

    bouton(fond, "SizeBarF")->click();
    const QRect ecran = fond.screen()->geometry();
    EXPECT_TRUE(attendreQue([&] { return geometrieX(fond.winId()) == ecran; }, 3000));
    EXPECT_TRUE(fond.windowState() & Qt::WindowFullScreen);

    bouton(fond, "Full2")->click();
    EXPECT_TRUE(attendreQue([&] { return fond.frameGeometry() == mini && !(fond.windowState() & Qt::WindowFullScreen); }, 3000))
        << "back at " << fond.frameGeometry().x() << "," << fond.frameGeometry().y();
    bouton(fond, "Mini2")->click();
    EXPECT_TRUE(attendreQue([&] { return fond.frameGeometry() == normale; }, 3000))
        << "back at " << fond.frameGeometry().x() << "," << fond.frameGeometry().y();
    EXPECT_EQ(v.FondActiveX->mapToGlobal(QPoint(0, 0)), video);
    fond.hide();
}

// A channel step from the ribbon shows the waiting picture over the video for three seconds:
// the ribbon stays above it, so that the next click, through the X server, reaches it.
TEST_F(MiniEcranReel, TheRibbonStaysAboveTheWaitingPictureAndTakesTheNextClick)
{
    demarrer("MTOP=0\n");
    fond.move(200, 150);
    fond.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fond));
    app->parties().moteur.Chaines_Click(0);
    app->Chaines_DblClick();
    ASSERT_TRUE(attendreQue([&] { return fond.forme().estOuvert(Volet::Afficher) && !fond.animationEnCours(); }, 5000));
    VoletAfficher& volet = fond.afficher();
    const ControlesAfficher v(volet);
    ASSERT_TRUE(attendreQue([&] { return v.Waiting->isHidden(); }, 5000));
    bouton(fond, "Mini2")->click();
    ASSERT_TRUE(attendreQue([&] { return v.SizeBar->isVisible(); }, 3000));
    bouton(fond, "SizeBar0")->click();
    ASSERT_TRUE(volet.rubanOuvert());
    laisserPasser(500);

    ASSERT_TRUE(cliquerX(*v.SizeBarP));
    ASSERT_TRUE(attendreQue([&] { return app->parties().session.chaineSelectionnee == 1; }, 3000)) << "the first click was lost";
    ASSERT_TRUE(attendreQue([&] { return visibleALEcran(*v.Waiting) || visibleALEcran(*v.SizeBar); }, 1000));
    EXPECT_TRUE(visibleALEcran(*v.SizeBar)) << "the waiting picture lies over the ribbon";
    EXPECT_FALSE(v.Waiting->isHidden());
    ASSERT_TRUE(cliquerX(*v.SizeBarP));
    EXPECT_TRUE(attendreQue([&] { return app->parties().session.chaineSelectionnee == 2; }, 3000)) << "the second click was lost";
    EXPECT_TRUE(dialogues.messages.empty());
}

// Under openbox, with the live view open (its windows native): a click on the background or on
// the video moves nothing, and a drag moves the window by exactly the pointer's way, in the
// normal window and in the mini-screen.
TEST_F(MiniEcranReel, UnderOpenboxAClickMovesNothingAndADragMovesTheWindowByThePointersWay)
{
    GestionnaireFenetres gestionnaire;
    ASSERT_TRUE(gestionnaire.demarre()) << "openbox is installed by scripts/install-deps";
    demarrer("MTOP=0\n");
    fond.move(200, 150);
    fond.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fond));
    ASSERT_TRUE(attendreQue([&] { return fond.frameGeometry() != fond.geometry(); }, 5000)) << "never framed";
    app->Chaines_DblClick();
    VoletAfficher& volet = fond.afficher();
    const ControlesAfficher v(volet);
    ASSERT_TRUE(attendreQue([&] { return fond.forme().estOuvert(Volet::Afficher) && v.Waiting->isHidden(); }, 8000));
    ASSERT_TRUE(vue.surface());
    laisserPasser(300);
    const auto milieu = [](const QWidget& w) { return w.mapToGlobal(w.rect().center()); };
    const auto place = [this] { return fond.frameGeometry().topLeft(); };
    const auto resteA = [&](const QPoint& p, const char* quoi) {
        laisserPasser(500);
        EXPECT_EQ(place(), p) << quoi << ": moved to " << place().x() << "," << place().y();
    };

    // Plain clicks, then the pointer moved with no button held.
    QPoint avant = place();
    for (const QPoint& clic : {milieu(*vue.surface()), volet.mapToGlobal(QPoint(4, 4))}) {
        ASSERT_TRUE(pointerX(clic));
        ASSERT_TRUE(xdotool({"click", "1"}));
        laisserPasser(200);
        ASSERT_TRUE(pointerX(clic + QPoint(90, 60)));
        resteA(avant, "after a click");
    }

    // Drags by the video and by the pane's background.
    ASSERT_TRUE(glisserX(milieu(*vue.surface()), QPoint(-120, 70)));
    resteA(avant + QPoint(-120, 70), "dragged by the video");
    avant = place();
    ASSERT_TRUE(glisserX(volet.mapToGlobal(QPoint(4, 4)), QPoint(60, -40)));
    resteA(avant + QPoint(60, -40), "dragged by the background");

    // The mini-screen, by its video.
    bouton(fond, "Mini2")->click();
    ASSERT_TRUE(attendreQue([&] { return v.SizeBar->isVisible(); }, 3000));
    laisserPasser(500);
    avant = place();
    ASSERT_TRUE(glisserX(milieu(*vue.surface()), QPoint(150, 90)));
    resteA(avant + QPoint(150, 90), "the mini-screen dragged");
    ASSERT_TRUE(pointerX(milieu(*vue.surface())));
    ASSERT_TRUE(xdotool({"click", "1"}));
    laisserPasser(200);
    ASSERT_TRUE(pointerX(milieu(*vue.surface()) + QPoint(-200, -100)));
    resteA(avant + QPoint(150, 90), "the mini-screen after a click");
    fond.hide();
}
