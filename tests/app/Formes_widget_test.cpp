// The window's forms with the real application: start-up, and what waits for the side pane.
#include "support/BancApplication.h"

#include "panes/PanneauChaines.h"

#include <QApplication>
#include <QComboBox>
#include <QTest>

#include <gtest/gtest.h>

namespace {
struct BancFormes : BancApplication {
    explicit BancFormes(const QByteArray& ini)
    {
        installerVlc();
        ecrire("Kelmor.cfg", playlist({"TF1", "France 2", "M6"}));
        ecrire("Kelmor.ini", ini);
        EXPECT_TRUE(demarrer());
        dialogues.messages.clear();
    }
};
}  // namespace

TEST(Application, StartsInTheRemoteControlFormOnTopWithMini)
{
    BancFormes b("MINI=1\nMTOP=1\nPOS0=1\nCADR=1\nPOS1=999999\nPOS2=999999\n");
    EXPECT_TRUE(b.fond->forme().estTelecommande());
    EXPECT_EQ(b.fond->size(), QSize(191, 529));
    EXPECT_TRUE(b.fond->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    // The position keeps the remote-control form, 2865 x 7935 twips, inside the screen.
    const QSize ecran = b.fond->tailleEcran();
    EXPECT_EQ(b.app->parties().session.parametres.pos1, ecran.width() - 2865);
    EXPECT_EQ(b.app->parties().session.parametres.pos2, ecran.height() - 7935);
}

TEST(Application, MiniWithoutTheOnTopOption)
{
    BancFormes b("MINI=1\nMTOP=0\n");
    EXPECT_EQ(b.fond->size(), QSize(191, 529));
    EXPECT_FALSE(b.fond->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    bouton(*b.fond, "Mini")->click();
    EXPECT_EQ(b.fond->size(), QSize(297, 345));
}

TEST(Application, AClockTickDuringThePanesStepsWaitsForTheirEnd)
{
    BancFormes b("PROG=[A] 09/12/2026 20:02 - 20:30 > M6 (1)\n");
    b.horloge.maintenantValeur = b.horloge.maintenantValeur.addSecs(121);
    bouton(*b.fond, "Guider")->click();
    ASSERT_TRUE(b.fond->animationEnCours());
    b.app->Horloge_Timer();
    EXPECT_EQ(b.app->parties().session.Etat, EtatLecteur::Arret) << "the due entry waits for the steps' end";
    EXPECT_TRUE(b.lecteurs.lancements.empty());

    ASSERT_TRUE(b.attendreForme());
    EXPECT_EQ(b.app->parties().session.Etat, EtatLecteur::Programme);
    EXPECT_TRUE(b.lecteurs.enCours(RoleLecteur::Enregistreur));
}

TEST(Application, ACloseDuringThePanesStepsWaitsForTheirEnd)
{
    BancFormes b("");
    bouton(*b.fond, "Diffuser")->click();
    ASSERT_TRUE(b.fond->animationEnCours());
    b.fond->close();
    EXPECT_FALSE(b.fond->estFermee());
    ASSERT_TRUE(b.attendreForme());
    EXPECT_TRUE(b.fond->estFermee());
}

namespace {
// The second click of a double-click: the window system sends a double-click press.
void secondClic(QWidget* w)
{
    const QPointF centre = QRectF(w->rect()).center();
    QMouseEvent appui(QEvent::MouseButtonDblClick, centre, w->mapToGlobal(centre), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(w, &appui);
    QMouseEvent relache(QEvent::MouseButtonRelease, centre, w->mapToGlobal(centre), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(w, &relache);
}
}  // namespace

TEST(Application, ADoubleClickOnAPaneButtonLeavesThePaneOpen)
{
    BancFormes b("MONO=0\n");
    b.fond->show();
    for (const char* nom : {"Afficher", "Guider", "Diffuser"}) {
        QPushButton* p = bouton(*b.fond, nom);
        QTest::mouseClick(p, Qt::LeftButton);
        // The second click of the pair, whenever it lands: during the steps or after them.
        secondClic(p);
        ASSERT_TRUE(b.attendreForme());
        QTest::mouseClick(p, Qt::LeftButton);
        ASSERT_TRUE(b.attendreForme());
        QTest::mouseClick(p, Qt::LeftButton);
        ASSERT_TRUE(b.attendreForme());
        secondClic(p);
        ASSERT_TRUE(b.attendreForme());
        EXPECT_TRUE(b.fond->forme().voletEstOuvert()) << nom;
        EXPECT_TRUE(p->font().bold()) << nom;
        QTest::mouseClick(p, Qt::LeftButton);
        ASSERT_TRUE(b.attendreForme());
        EXPECT_FALSE(b.fond->forme().voletEstOuvert()) << nom;
    }
}

namespace {
// Walks the Tab key around the window from the channel column: every control it reaches is
// in sight, that is shown, inside the window and the one drawn at its own centre.
void tabNeVaQuEnVue(Fond& f, const char* forme)
{
    ASSERT_TRUE(activer(f));
    f.chaines().setFocus();
    for (int i = 0; i < 60; ++i) {
        QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : &f;
        QTest::keyClick(focus, Qt::Key_Tab);
        QWidget* w = QApplication::focusWidget();
        ASSERT_NE(w, nullptr) << forme;
        const QPoint centre = w->mapTo(&f, w->rect().center());
        const QWidget* dessus = f.childAt(centre);
        EXPECT_TRUE(w->isVisible() && f.rect().contains(centre) && dessus && (dessus == w || w->isAncestorOf(dessus)))
            << forme << ": Tab went to " << w->objectName().toStdString();
        if (::testing::Test::HasFailure())
            return;
    }
}
}  // namespace

TEST(Application, TabReachesOnlyTheControlsInSightInEveryFormOfTheRemote)
{
    BancFormes b("");
    b.fond->show();
    tabNeVaQuEnVue(*b.fond, "the channel list in front");
    bouton(*b.fond, "Fav")->click();
    ASSERT_TRUE(b.fond->etat().favorisDevant());
    tabNeVaQuEnVue(*b.fond, "the favourites in front");
    bouton(*b.fond, "Fav")->click();
    bouton(*b.fond, "Mini")->click();
    ASSERT_TRUE(b.attendreForme());
    ASSERT_TRUE(b.fond->forme().estTelecommande());
    tabNeVaQuEnVue(*b.fond, "the remote-control form");
    bouton(*b.fond, "Mini")->click();
    ASSERT_TRUE(b.attendreForme());
    tabNeVaQuEnVue(*b.fond, "the normal window again");
}

TEST(Application, TheGroupListBehindTheChannelListTakesNoKeys)
{
    BancFormes b("");
    b.fond->show();
    auto* groupes = b.fond->findChild<QComboBox*>("FavorisListe");
    ASSERT_NE(groupes, nullptr);
    EXPECT_FALSE(groupes->isVisible());
    ASSERT_TRUE(activer(*b.fond));
    b.fond->chaines().setFocus();
    EXPECT_NE(QApplication::focusWidget(), groupes);
    // With the favourites in front the column's focus goes to their group list.
    bouton(*b.fond, "Fav")->click();
    EXPECT_TRUE(groupes->isVisible());
    EXPECT_FALSE(b.fond->findChild<QWidget*>("Chaînes")->isVisible());
    b.fond->chaines().setFocus();
    EXPECT_EQ(QApplication::focusWidget(), groupes);
}
