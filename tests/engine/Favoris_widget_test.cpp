#include "engine/Favoris.h"

#include "core/ReglesFavoris.h"
#include "panes/PanneauChaines.h"
#include "panes/PanneauFavoris.h"
#include "panes/VoletGuide.h"
#include "support/BancApplication.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

namespace {
struct BancFavoris : BancApplication {
    explicit BancFavoris(const QByteArray& ini = "FAVI=1\nFA00=Mes chaînes\nFA01=M6\nFA02=France 2\n"
                                                 "FA30=Sport\nFA32=TF1\nFA34=M6\n")
    {
        installerVlc();
        ecrire("Kelmor.cfg", playlist({"TF1", "France 2", "M6", "Arte"}));
        ecrire("Kelmor.ini", ini);
        EXPECT_TRUE(demarrer());
        dialogues.messages.clear();
        fond->show();
    }
    PanneauFavoris& panneau() { return fond->chaines().favoris(); }
    QPushButton* favori(int i) { return bouton(*fond, QString("Favori(%1)").arg(i).toUtf8()); }
    Favoris& f() { return app->parties().favoris; }
    // The right-button drag of a user from one control to another: the control pressed keeps
    // the mouse, so the release goes to it, at the point where the other control lies.
    void glisser(QWidget* depuis, QWidget* vers)
    {
        QTest::mousePress(depuis, Qt::RightButton);
        QTest::mouseRelease(depuis, Qt::RightButton, {}, depuis->mapFromGlobal(vers->mapToGlobal(vers->rect().center())));
    }
    // Settings saves from now on are told by the file's reappearance.
    void oublierSauvegarde() { QFile::remove(programme() + "Kelmor.ini"); }
    bool sauve() const { return QFileInfo::exists(programme() + "Kelmor.ini"); }
    QStringList lignesIni() const { return QString::fromUtf8(lire("Kelmor.ini")).split('\n'); }
};
}  // namespace

TEST(Favoris, StartUpListsTheTenGroupNamesAndShowsGroupZero)
{
    BancFavoris b;
    QComboBox* liste = b.fond->findChild<QComboBox*>("FavorisListe");
    ASSERT_NE(liste, nullptr);
    ASSERT_EQ(liste->count(), 10);
    EXPECT_EQ(liste->itemText(0), "Mes chaînes");
    EXPECT_EQ(liste->itemText(3), "Sport");
    EXPECT_EQ(liste->itemText(9), "Chaînes favorites 9");
    EXPECT_EQ(liste->currentIndex(), 0);
    EXPECT_EQ(b.f().groupe(), 0);
    EXPECT_EQ(b.fond->findChild<QLabel*>("FavorisNuméro")->text(), "0");
    EXPECT_EQ(b.panneau().legende(1), "M6");
    EXPECT_EQ(b.panneau().legende(2), "France 2");
    EXPECT_EQ(b.panneau().legende(3), "");  // the empty slot's picture
    EXPECT_TRUE(b.panneau().montreImage(3));
    // Favori(0) names the selected channel: the first one at a start without a remembered one.
    EXPECT_EQ(b.panneau().legende(0), "TF1");
}

TEST(Favoris, TheArrowsStepThroughTheGroupsWithWrapAround)
{
    BancFavoris b;
    bouton(*b.fond, "FavorisM")->click();
    EXPECT_EQ(b.f().groupe(), 9);
    EXPECT_EQ(b.fond->findChild<QComboBox*>("FavorisListe")->currentIndex(), 9);
    EXPECT_EQ(b.fond->findChild<QLabel*>("FavorisNuméro")->text(), "9");
    bouton(*b.fond, "FavorisP")->click();
    EXPECT_EQ(b.f().groupe(), 0);
    for (int i = 0; i < 3; ++i)
        bouton(*b.fond, "FavorisP")->click();
    EXPECT_EQ(b.f().groupe(), 3);
    EXPECT_EQ(b.panneau().legende(2), "TF1");
    EXPECT_EQ(b.panneau().legende(4), "M6");
}

TEST(Favoris, PickingAGroupInTheListShowsIt)
{
    BancFavoris b;
    b.fond->findChild<QComboBox*>("FavorisListe")->setCurrentIndex(3);
    EXPECT_EQ(b.f().groupe(), 3);
    EXPECT_EQ(b.panneau().legende(2), "TF1");
    EXPECT_EQ(b.fond->findChild<QLabel*>("FavorisNuméro")->text(), "3");
}

TEST(Favoris, ClickingAFavouriteSelectsItsChannelAndShowsIt)
{
    BancFavoris b;
    QTest::mouseClick(b.favori(2), Qt::LeftButton);
    EXPECT_EQ(b.app->parties().session.chaineSelectionnee, 1);
    EXPECT_EQ(b.panneau().legende(0), "France 2");
    EXPECT_EQ(b.fond->findChild<QListWidget*>("Chaînes")->currentRow(), 1);
    // Shown live in the media pane, not in the external player.
    EXPECT_TRUE(b.fond->forme().estOuvert(Volet::Afficher));
    EXPECT_TRUE(b.vue.appels.contains("jouer rtsp://box/2"));
    EXPECT_TRUE(b.lecteurs.lancements.empty());
    EXPECT_TRUE(b.dialogues.messages.empty());
}

TEST(Favoris, ANegativeIndexWatchesTheFavourite)
{
    BancFavoris b;
    b.f().Favori_Click(-1);
    EXPECT_EQ(b.app->parties().session.chaineSelectionnee, 2);
    ASSERT_EQ(b.lecteurs.lancements.size(), 1u);
    EXPECT_EQ(b.lecteurs.lancements[0].arguments.last(), "rtsp://box/3");
}

TEST(Favoris, TheWatchButtonWatchesTheSelectedChannel)
{
    BancFavoris b;
    b.app->parties().moteur.Chaines_Click(3);
    QTest::mouseClick(b.favori(0), Qt::LeftButton);
    ASSERT_EQ(b.lecteurs.lancements.size(), 1u);
    EXPECT_EQ(b.lecteurs.lancements[0].arguments.last(), "rtsp://box/4");
}

TEST(Favoris, WithTheGuideOnItsTvTabAFavouriteOnlySelects)
{
    BancFavoris b;
    bouton(*b.fond, "Guider")->click();
    ASSERT_TRUE(b.attendreForme());
    b.fond->guide().choisirOnglet(2);
    QTest::mouseClick(b.favori(2), Qt::LeftButton);
    b.f().Favori_Click(-1);
    EXPECT_EQ(b.app->parties().session.chaineSelectionnee, 2);
    EXPECT_TRUE(b.lecteurs.lancements.empty());
    EXPECT_TRUE(b.fond->forme().estOuvert(Volet::Guider)) << "the guide stays, following the selection";
    // On its schedule tab the guide pane gives way to the live view.
    b.fond->guide().choisirOnglet(1);
    QTest::mouseClick(b.favori(2), Qt::LeftButton);
    EXPECT_TRUE(b.attendreForme());
    EXPECT_TRUE(b.fond->forme().estOuvert(Volet::Afficher));
}

TEST(Favoris, AnEmptySlotAsksAndNoLeavesEverythingAsItWas)
{
    BancFavoris b;
    QTest::mouseClick(b.favori(5), Qt::LeftButton);
    ASSERT_EQ(b.dialogues.messages.size(), 1u);
    EXPECT_EQ(b.dialogues.messages[0], (Message{Message::Question, "Cet emplacement n'est pas encore attribué.\n"
                                                                   "Souhaitez-vous définir une chaîne favorite ?"}));
    EXPECT_EQ(b.app->parties().session.chaineSelectionnee, 0);
    EXPECT_TRUE(b.lecteurs.lancements.empty());
}

TEST(Favoris, YesToTheEmptySlotQuestionAsksForThatSlotsEditor)
{
    BancFavoris b;
    std::vector<int> demandes;
    QObject::connect(&b.f(), &Favoris::definitionDemandee, [&](int s) { demandes.push_back(s); });
    b.dialogues.reponses = {true, false};
    b.f().Favori_Click(-7);
    b.f().Favori_Click(7);
    EXPECT_EQ(demandes, std::vector<int>{7});
    EXPECT_EQ(b.dialogues.messages.size(), 2u);
}

TEST(Favoris, ASlotWhoseChannelVanishedIsShownAndTreatedAsEmpty)
{
    BancFavoris b;
    b.app->parties().session.parametres.favoris[3] = "Partie";
    b.f().FavorisListe_Click();
    EXPECT_EQ(b.panneau().legende(3), "");
    EXPECT_TRUE(b.panneau().montreImage(3));
    QTest::mouseClick(b.favori(3), Qt::LeftButton);
    ASSERT_EQ(b.dialogues.messages.size(), 1u);
    EXPECT_EQ(b.dialogues.messages[0].genre, Message::Question);
    EXPECT_EQ(b.app->parties().session.chaineSelectionnee, 0);
    EXPECT_TRUE(b.lecteurs.lancements.empty());
}

TEST(Favoris, ARightButtonDragSwapsTwoFavouritesAndSavesAtOnce)
{
    BancFavoris b;
    b.fond->findChild<QComboBox*>("FavorisListe")->setCurrentIndex(3);
    b.oublierSauvegarde();
    b.glisser(b.favori(2), b.favori(5));
    ASSERT_TRUE(b.sauve());
    EXPECT_EQ(b.app->parties().session.parametres.favoris[32], "");
    EXPECT_EQ(b.app->parties().session.parametres.favoris[35], "TF1");
    const QStringList l = b.lignesIni();
    EXPECT_TRUE(l.contains("FA32="));
    EXPECT_TRUE(l.contains("FA35=TF1"));
    EXPECT_TRUE(l.contains("FA34=M6"));
    EXPECT_TRUE(l.contains("FA02=France 2"));
    EXPECT_EQ(b.panneau().legende(2), "");
    EXPECT_EQ(b.panneau().legende(5), "TF1");
    EXPECT_TRUE(b.lecteurs.lancements.empty());
}

TEST(Favoris, ADragFromOrOntoTheWatchButtonExchangesNothing)
{
    BancFavoris b;
    b.oublierSauvegarde();
    b.glisser(b.favori(0), b.favori(2));
    b.glisser(b.favori(2), b.favori(0));
    EXPECT_FALSE(b.sauve());
    EXPECT_EQ(b.app->parties().session.parametres.favoris[0], "Mes chaînes");
    EXPECT_EQ(b.app->parties().session.parametres.favoris[2], "France 2");
    EXPECT_EQ(b.panneau().legende(2), "France 2");
}

TEST(Favoris, ADragEndingOutsideTheFavouritesOrNotStartedOnOneExchangesNothing)
{
    BancFavoris b;
    b.oublierSauvegarde();
    b.glisser(b.favori(2), b.fond->findChild<QComboBox*>("FavorisListe"));
    b.glisser(b.favori(2), b.fond->findChild<QWidget*>("Télécommande"));
    // A release with no press on a favourite before it: nothing started there.
    QTest::mouseRelease(b.favori(1), Qt::RightButton);
    // The left button drags nothing.
    QTest::mousePress(b.favori(1), Qt::LeftButton);
    QTest::mouseRelease(b.favori(2), Qt::LeftButton);
    EXPECT_FALSE(b.sauve());
    EXPECT_EQ(b.app->parties().session.parametres.favoris[1], "M6");
    EXPECT_EQ(b.app->parties().session.parametres.favoris[2], "France 2");
}

TEST(Favoris, ADropOnTheButtonItStartedFromStillSaves)
{
    BancFavoris b;
    b.oublierSauvegarde();
    b.glisser(b.favori(2), b.favori(2));
    EXPECT_TRUE(b.sauve());
    EXPECT_TRUE(b.lignesIni().contains("FA02=France 2"));
}
