#include "panes/PanneauChaines.h"
#include "panes/VoletAfficher.h"
#include "shell/clsSysTray.h"
#include "support/BancMedias.h"

#include <QApplication>
#include <QImage>
#include <QSet>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <utility>

TEST(VoletAfficher, Rec2StartsAManualRecordingAndStopsItWhenBold)
{
    BancMedias b("DISP=0\n");
    b.ouvrir();
    bouton(*b.fond, "Rec2")->click();
    EXPECT_EQ(b.app->parties().session.Etat, EtatLecteur::Enregistrement);
    EXPECT_TRUE(b.gras("Rec2"));
    bouton(*b.fond, "Rec2")->click();
    EXPECT_EQ(b.app->parties().session.Etat, EtatLecteur::Arret);
    EXPECT_FALSE(b.gras("Rec2"));
}

TEST(VoletAfficher, TopR2TogglesTheWindowsOnTopStateAndShowsIt)
{
    BancMedias b;
    b.ouvrir();
    bouton(*b.fond, "TopR2")->click();
    EXPECT_TRUE(b.fond->forme().AuDessus());
    EXPECT_TRUE(b.fond->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(b.gras("TopR2"));
    bouton(*b.fond, "TopR2")->click();
    EXPECT_FALSE(b.gras("TopR2"));
}

TEST(VoletAfficher, Mini2TwiceReturnsToTheNormalWindowAtTheSameSizeAndPlace)
{
    BancMedias b;
    b.ouvrir();
    const QSize avant = b.fond->size();
    const QPoint place = b.fond->pos();
    bouton(*b.fond, "Mini2")->click();
    EXPECT_EQ(b.fond->forme().forme(), Forme::MiniEcran);
    EXPECT_TRUE(b.gras("Mini2"));
    EXPECT_EQ(b.fond->size(), QSize(337, 249)) << "the video alone";
    EXPECT_TRUE(b.c().AfficherOnglets->isHidden());
    EXPECT_EQ(b.c().FondActiveX->mapTo(b.fond.get(), QPoint()), QPoint(0, 0));
    EXPECT_TRUE(b.c().FondActiveX->isVisible());
    b.fond->appliqueur().SizeBar2_Scroll(200);
    EXPECT_EQ(b.fond->size().width(), 680);
    EXPECT_EQ(b.c().FondActiveX->size(), b.fond->size()) << "the video follows the slider";
    bouton(*b.fond, "Mini2")->click();
    EXPECT_EQ(b.fond->forme().forme(), Forme::VoletOuvert);
    EXPECT_FALSE(b.gras("Mini2"));
    EXPECT_EQ(b.fond->size(), avant);
    EXPECT_EQ(b.fond->pos(), place);
    EXPECT_FALSE(b.c().AfficherOnglets->isHidden());
    EXPECT_EQ(b.c().FondActiveX->mapTo(b.fond.get(), QPoint()), QPoint(312, 40)) << "the frame's design place";
}

TEST(VoletAfficher, Full2CentresTheVideoOnBlackAndComesBackToThePane)
{
    BancMedias b;
    b.ouvrir();
    const QSize avant = b.fond->size();
    bouton(*b.fond, "Full2")->click();
    EXPECT_EQ(b.fond->forme().forme(), Forme::PleinEcran);
    EXPECT_TRUE(b.c().FondActiveX2->isVisible()) << "the compact row lies over the black";
    EXPECT_EQ(b.c().FondActiveX->size(), b.fond->size());
    EXPECT_EQ(b.c().FondActiveX->palette().color(QPalette::Window), QColor(Qt::black));
    EXPECT_EQ(b.c().FondActiveX2->palette().color(QPalette::Window), QColor(Qt::black));
    bouton(*b.fond, "Full2")->click();
    EXPECT_NE(b.c().FondActiveX->palette().color(QPalette::Window), QColor(Qt::black)) << "the panel's colour again";
    EXPECT_EQ(b.fond->forme().forme(), Forme::VoletOuvert);
    EXPECT_EQ(b.fond->size(), avant);
}

TEST(VoletAfficher, FullScreenSentToTheNotificationAreaComesBackFullScreenAndOnTop)
{
    // Minimised by the window manager (no notification area under the test's display) or
    // hidden to the notification area, then brought back from the icon.
    const std::pair<const char*, std::function<void(Fond&)>> departs[] = {
        {"minimised", [](Fond& f) { f.setWindowState(f.windowState() | Qt::WindowMinimized); }},
        {"hidden", [](Fond& f) { f.hide(); }}};
    for (const auto& [nom, partir] : departs) {
        BancMedias b;
        b.ouvrir();
        bouton(*b.fond, "Full2")->click();
        ASSERT_EQ(b.fond->forme().forme(), Forme::PleinEcran);
        ASSERT_TRUE(b.fond->isFullScreen());
        if (!b.fond->forme().AuDessus())
            bouton(*b.fond, "TopR2")->click();
        const QSize plein = b.fond->size();
        partir(*b.fond);
        QCoreApplication::processEvents();
        b.fond->SysTray().DoLButtonDblClk();
        QCoreApplication::processEvents();
        EXPECT_TRUE(b.fond->isVisible()) << nom;
        EXPECT_FALSE(b.fond->isMinimized()) << nom;
        EXPECT_TRUE(b.fond->isFullScreen()) << nom;
        EXPECT_EQ(b.fond->size(), plein) << nom;
        EXPECT_EQ(b.fond->forme().forme(), Forme::PleinEcran) << nom;
        EXPECT_TRUE(b.fond->forme().AuDessus()) << nom;
        EXPECT_TRUE(b.fond->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) << nom;
        // And out of full screen as before.
        bouton(*b.fond, "Full2")->click();
        EXPECT_FALSE(b.fond->isFullScreen()) << nom;
        EXPECT_EQ(b.fond->forme().forme(), Forme::VoletOuvert) << nom;
    }
}

TEST(VoletAfficher, TheNormalWindowComesBackFromTheNotificationAreaAsAPlainWindow)
{
    BancMedias b;
    b.ouvrir();
    const QSize avant = b.fond->size();
    b.fond->hide();
    b.fond->SysTray().DoLButtonDblClk();
    EXPECT_TRUE(b.fond->isVisible());
    EXPECT_FALSE(b.fond->isFullScreen());
    EXPECT_EQ(b.fond->size(), avant);
}

TEST(VoletAfficher, InTheMiniScreenAndFullScreenTabOnlyReachesControlsInSight)
{
    BancMedias b;
    b.ouvrir();
    b.fond->activateWindow();
    b.fond->chaines().setFocus();
    const auto enVue = [&b](QWidget* w) {
        return !w || w == b.fond.get()
               || (w->isVisible() && QRect(w->mapTo(b.fond.get(), QPoint()), w->size()).intersects(b.fond->rect()));
    };
    for (const char* forme : {"Mini2", "SizeBarF"}) {
        bouton(*b.fond, forme)->click();
        for (int i = 0; i < 40; ++i) {
            QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : b.fond.get();
            QTest::keyClick(focus, Qt::Key_Tab);
            QWidget* apres = QApplication::focusWidget();
            ASSERT_TRUE(enVue(apres)) << forme << ": Tab went to " << apres->objectName().toStdString();
        }
    }
    // Back in the pane, the channel list takes the keys again.
    bouton(*b.fond, "SizeBar1")->click();
    EXPECT_EQ(b.fond->forme().forme(), Forme::VoletOuvert);
    EXPECT_TRUE(b.fond->chaines().isAncestorOf(b.fond->focusWidget()));
}

TEST(VoletAfficher, TheRibbonShowsFoldedInTheMiniScreenAndItsIconsPressTheirTwins)
{
    BancMedias b;
    b.ouvrir();
    EXPECT_TRUE(b.c().SizeBar->isHidden());
    bouton(*b.fond, "Mini2")->click();
    ASSERT_FALSE(b.c().SizeBar->isHidden());
    EXPECT_FALSE(b.v().rubanOuvert());
    bouton(*b.fond, "SizeBar0")->click();
    EXPECT_TRUE(b.v().rubanOuvert());
    EXPECT_TRUE(b.c().SizeBarM->isHidden()) << "no previous channel from the first one";
    b.c().SizeBar2->setValue(200);
    EXPECT_EQ(b.fond->size().width(), 680);
    bouton(*b.fond, "SizeBarMute")->click();
    EXPECT_TRUE(b.vue.muet);
    EXPECT_TRUE(b.gras("Mute2"));
    bouton(*b.fond, "SizeBarP")->click();
    EXPECT_EQ(b.app->parties().session.chaineSelectionnee, 1);
    bouton(*b.fond, "SizeBarF")->click();
    EXPECT_EQ(b.fond->forme().forme(), Forme::PleinEcran);
    EXPECT_TRUE(b.c().SizeBar->isHidden());
    bouton(*b.fond, "Full2")->click();
    EXPECT_EQ(b.fond->forme().forme(), Forme::MiniEcran) << "entered from the mini-screen";
    EXPECT_FALSE(b.c().SizeBar->isHidden());
    EXPECT_TRUE(b.v().rubanOuvert()) << "full screen leaves the ribbon as it was";
    EXPECT_EQ(b.c().SizeBar2->value(), 200);
    EXPECT_EQ(b.fond->size().width(), 680);
    bouton(*b.fond, "SizeBar1")->click();
    EXPECT_EQ(b.fond->forme().forme(), Forme::VoletOuvert);
    EXPECT_TRUE(b.c().SizeBar->isHidden());
    bouton(*b.fond, "Mini2")->click();
    EXPECT_FALSE(b.v().rubanOuvert()) << "the mini-screen starts with the ribbon folded";
    EXPECT_EQ(b.c().SizeBar2->value(), 100);
}

TEST(VoletAfficher, EachToggleOfTheCompactRowAndTheRibbonShowsItsStateOnAPictureOfItsOwn)
{
    BancMedias b("DISP=0\nMTOP=0\n");
    b.ouvrir();
    const ControlesAfficher v = b.c();
    // What a button shows: its picture, which must not be blank.
    const auto vue = [](QPushButton* bouton) {
        const QImage i = bouton->icon().pixmap(bouton->iconSize()).toImage();
        EXPECT_FALSE(i.isNull()) << bouton->objectName().toStdString();
        QSet<QRgb> couleurs;
        for (int y = 0; y < i.height(); ++y)
            for (int x = 0; x < i.width(); ++x)
                couleurs.insert(i.pixel(x, y));
        EXPECT_GT(couleurs.size(), 2) << bouton->objectName().toStdString();
        return i;
    };
    QPushButton* const bascules[] = {v.Rec2, v.SizeBarRec, v.TopR2, v.SizeBarTop, v.Mute2, v.SizeBarMute};
    std::map<QPushButton*, QImage> eteint;
    for (QPushButton* bouton : bascules)
        eteint[bouton] = vue(bouton);
    const QImage mini = vue(v.Mini2), plein = vue(v.Full2), pleinRuban = vue(v.SizeBarF), ruban = vue(v.SizeBar0);

    v.Rec2->click();
    v.TopR2->click();
    v.Mute2->click();
    for (QPushButton* bouton : bascules)
        EXPECT_NE(vue(bouton), eteint[bouton]) << bouton->objectName().toStdString() << " shows it is on";
    EXPECT_EQ(v.SizeBarRec->icon().pixmap(20).toImage(), v.Rec2->icon().pixmap(20).toImage())
        << "a ribbon icon shows its twin's face";

    v.Mini2->click();
    EXPECT_NE(vue(v.Mini2), mini);
    v.SizeBar0->click();
    EXPECT_NE(vue(v.SizeBar0), ruban);
    v.SizeBarF->click();
    EXPECT_NE(vue(v.Full2), plein);
    EXPECT_NE(vue(v.SizeBarF), pleinRuban);
    v.Full2->click();
    v.SizeBar1->click();
    EXPECT_EQ(vue(v.Mini2), mini);
    EXPECT_EQ(vue(v.Full2), plein);
    EXPECT_EQ(vue(v.TopR2), eteint[v.TopR2]) << "leaving the mini-screen takes the window off the top";

    v.Rec2->click();
    v.Mute2->click();
    for (QPushButton* bouton : bascules)
        EXPECT_EQ(vue(bouton), eteint[bouton]) << bouton->objectName().toStdString();
}

// Each button of the pane reports its press; a ribbon icon reports its compact-row twin's, so
// that both take the same path.
TEST(VoletAfficher, EachButtonReportsItsPressAndARibbonIconItsTwins)
{
    using Signal = void (VoletAfficher::*)();
    const std::pair<const char*, Signal> signaux[] = {
        {"Mini2", &VoletAfficher::Mini2_Click},
        {"Full2", &VoletAfficher::Full2_Click},
        {"TopR2", &VoletAfficher::TopR2_Click},
        {"ChaîneM2", &VoletAfficher::ChaineM2_Click},
        {"ChaîneP2", &VoletAfficher::ChaineP2_Click},
        {"Rec2", &VoletAfficher::Rec2_Click},
        {"Snap2", &VoletAfficher::Snap2_Click},
        {"Mute2", &VoletAfficher::Mute2_Click},
        {"SizeBar1", &VoletAfficher::SizeBar1_Click},
        {"SizeBarF", &VoletAfficher::SizeBarF_Click},
        {"AfficherRegarder", &VoletAfficher::AfficherRegarder_Click},
        {"AfficherEffacer", &VoletAfficher::AfficherEffacer_Click},
        {"AfficherTout", &VoletAfficher::AfficherTout_Click},
        {"AfficherAutres", &VoletAfficher::AfficherAutres_Click},
        {"AfficherRefresh", &VoletAfficher::AfficherRefresh_Click},
        {"TV2", &VoletAfficher::TV2_Click},
    };
    const std::pair<const char*, const char*> presses[] = {
        {"Mini2", "Mini2"},          {"Full2", "Full2"},
        {"TopR2", "TopR2"},          {"ChaîneM2", "ChaîneM2"},
        {"ChaîneP2", "ChaîneP2"},    {"Rec2", "Rec2"},
        {"Snap2", "Snap2"},          {"Mute2", "Mute2"},
        {"SizeBar1", "SizeBar1"},    {"SizeBarF", "SizeBarF"},
        {"SizeBarTop", "TopR2"},     {"SizeBarM", "ChaîneM2"},
        {"SizeBarP", "ChaîneP2"},    {"SizeBarRec", "Rec2"},
        {"SizeBarSnap", "Snap2"},    {"SizeBarMute", "Mute2"},
        {"SizeBar0", nullptr},       {"AfficherRegarder", "AfficherRegarder"},
        {"AfficherEffacer", "AfficherEffacer"}, {"AfficherTout", "AfficherTout"},
        {"AfficherAutres", "AfficherAutres"},   {"AfficherRefresh", "AfficherRefresh"},
        {"TV2", "TV2"},              {"MosaFavo3", nullptr},
    };
    VoletAfficher v;
    QStringList recus;
    for (const auto& [nom, signal] : signaux)
        QObject::connect(&v, signal, &v, [&recus, nom = nom] { recus << QString::fromUtf8(nom); });
    for (const auto& [nom, attendu] : presses) {
        recus.clear();
        QPushButton* b = bouton(v, nom);
        ASSERT_NE(b, nullptr) << nom;
        b->click();
        EXPECT_EQ(recus, attendu ? QStringList{QString::fromUtf8(attendu)} : QStringList()) << nom;
    }
    EXPECT_TRUE(v.rubanOuvert()) << "SizeBar0 opens the ribbon";
}

// What the pane is told to show is not reported back; what it is asked to do as the user is.
TEST(VoletAfficher, SlidersReportTheUsersChangesButNotWhatTheyAreToldToShow)
{
    VoletAfficher v;
    QList<int> volumes, tailles, groupes;
    QObject::connect(&v, &VoletAfficher::volume2Change, &v, [&](int x) { volumes << x; });
    QObject::connect(&v, &VoletAfficher::sizeBar2Change, &v, [&](int x) { tailles << x; });
    QObject::connect(&v, &VoletAfficher::MosaFavo_Click, &v, [&](int g) { groupes << g; });
    const ControlesAfficher c(v);
    v.afficherSon(40, false);
    v.afficherCurseur(250);
    EXPECT_EQ(c.Volume2->value(), 40);
    EXPECT_EQ(c.SizeBar2->value(), 250);
    EXPECT_TRUE(volumes.isEmpty());
    EXPECT_TRUE(tailles.isEmpty());
    v.changerVolume2(70);
    c.SizeBar2->setValue(120);
    EXPECT_EQ(volumes, QList<int>{70});
    EXPECT_EQ(tailles, QList<int>{120});
    c.MosaFavo[3]->click();
    EXPECT_EQ(groupes, QList<int>{3});
}
