// Always on top with the real libVLC under X: the window goes to the notification area and
// comes back, and the live view is still there, playing.
#include "panes/VoletAfficher.h"
#include "support/ControlesAfficher.h"
#include "shell/clsSysTray.h"
#include "support/BancApplication.h"
#include "support/BancReel.h"
#include "support/Ecran.h"
#include "support/Xdotool.h"

#include <QTest>
#include <QWindow>

namespace {
using AuDessusReel = BancReel;

QRect surGlobal(const QWidget& w)
{
    return {w.mapToGlobal(QPoint(0, 0)), w.size()};
}

// The view's own X window is in the view's widget and shown, and the picture moves in it.
::testing::AssertionResult videoVivante(VueIntegreeVlc& vue)
{
    QWidget* surface = vue.surface();
    if (!surface || !surface->windowHandle())
        return ::testing::AssertionFailure() << "no widget for the view";
    const EtatFenetreX e = etatFenetreX(vue.fenetreVideo());
    if (!e.existe || !e.affichee)
        return ::testing::AssertionFailure() << "the view's window is gone or hidden";
    if (e.parent != quint32(surface->windowHandle()->winId()))
        return ::testing::AssertionFailure() << "the view's window is not in its widget";
    QImage avant;
    const bool bouge = attendreQue(
        [&] {
            const QImage image = ecranSur(surGlobal(*surface));
            const bool autre = !avant.isNull() && nombreDeCouleurs(image) > 20 && ressemblance(image, avant) < 0.95;
            avant = image;
            return autre;
        },
        10000);
    if (!bouge)
        return ::testing::AssertionFailure() << "the picture does not move";
    return ::testing::AssertionSuccess();
}

// Minimised to the notification area (the window hidden), then brought back from it.
void allerRetourZoneNotification(Fond& fond)
{
    fond.hide();
    laisserTourner(300);
    fond.SysTray().DoLButtonDblClk();
}
}  // namespace

TEST_F(AuDessusReel, AfterAlwaysOnTopTheWindowComesBackFromTheNotificationAreaWithItsLiveView)
{
    GestionnaireFenetres gestionnaire;
    ASSERT_TRUE(gestionnaire.demarre()) << "openbox is installed by scripts/install-deps";
    demarrer("");
    fond.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fond));
    app->Chaines_DblClick();
    const ControlesAfficher v(fond.afficher());
    ASSERT_TRUE(attendreQue([&] { return fond.forme().estOuvert(Volet::Afficher) && v.Waiting->isHidden(); }, 8000));
    ASSERT_TRUE(videoVivante(vue));
    const auto fenetre = [this] { return quint32(fond.windowHandle()->winId()); };

    bouton(fond, "TopR")->click();
    ASSERT_TRUE(fond.forme().AuDessus());
    EXPECT_TRUE(attendreQue([&] { return etatsNetWm(fenetre()).contains("_NET_WM_STATE_ABOVE"); }, 3000))
        << "the window manager was not told";
    allerRetourZoneNotification(fond);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fond));
    EXPECT_TRUE(videoVivante(vue));
    EXPECT_TRUE(attendreQue([&] { return etatsNetWm(fenetre()).contains("_NET_WM_STATE_ABOVE"); }, 3000))
        << "no longer on top once back";

    // And back to the normal stacking, through the notification area again.
    bouton(fond, "TopR")->click();
    EXPECT_TRUE(attendreQue([&] { return !etatsNetWm(fenetre()).contains("_NET_WM_STATE_ABOVE"); }, 3000));
    allerRetourZoneNotification(fond);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fond));
    EXPECT_TRUE(videoVivante(vue));
    laisserTourner(300);
    EXPECT_FALSE(etatsNetWm(fenetre()).contains("_NET_WM_STATE_ABOVE"));
    EXPECT_TRUE(dialogues.messages.empty());
    fond.hide();
}

TEST_F(AuDessusReel, FullScreenComesBackFromTheNotificationAreaFullScreenAndOnTop)
{
    GestionnaireFenetres gestionnaire;
    ASSERT_TRUE(gestionnaire.demarre()) << "openbox is installed by scripts/install-deps";
    demarrer("MTOP=1\n");
    fond.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fond));
    app->Chaines_DblClick();
    const ControlesAfficher v(fond.afficher());
    ASSERT_TRUE(attendreQue([&] { return fond.forme().estOuvert(Volet::Afficher) && v.Waiting->isHidden(); }, 8000));
    v.Full2->click();
    ASSERT_EQ(fond.forme().forme(), Forme::PleinEcran);
    ASSERT_TRUE(fond.forme().AuDessus());
    const auto fenetre = [this] { return quint32(fond.windowHandle()->winId()); };
    const auto plein = [&] {
        const QStringList e = etatsNetWm(fenetre());
        return e.contains("_NET_WM_STATE_FULLSCREEN") && e.contains("_NET_WM_STATE_ABOVE");
    };
    ASSERT_TRUE(attendreQue(plein, 3000)) << etatsNetWm(fenetre()).join(' ').toStdString();

    allerRetourZoneNotification(fond);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fond));
    EXPECT_TRUE(attendreQue(plein, 3000)) << "back as " << etatsNetWm(fenetre()).join(' ').toStdString();
    EXPECT_TRUE(attendreQue([&] { return geometrieX(fenetre()).size() == QSize(1280, 1024); }, 3000));
    EXPECT_TRUE(videoVivante(vue));

    // And out of full screen as before.
    v.Full2->click();
    EXPECT_TRUE(attendreQue([&] { return !etatsNetWm(fenetre()).contains("_NET_WM_STATE_FULLSCREEN"); }, 3000));
    EXPECT_TRUE(dialogues.messages.empty());
    fond.hide();
}
