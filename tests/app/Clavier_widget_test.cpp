// The keyboard shortcuts with the real application and window.
#include "support/BancApplication.h"

#include "shell/FiltreClavier.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {
struct BancClavier : BancApplication {
    explicit BancClavier(const QByteArray& ini)
    {
        installerVlc();
        ecrire("Kelmor.cfg", playlist({"TF1", "France 2", "M6"}));
        ecrire("Kelmor.ini", ini);
        EXPECT_TRUE(demarrer());
        dialogues.messages.clear();
        lecteurs.lancements.clear();
    }
    QWidget* cible() const { return bouton(*fond, "Play"); }
};
}  // namespace

TEST(Clavier, F5PressesPlayWhenTheShortcutsAreOn)
{
    BancClavier b("CLAV=1\n");
    ASSERT_TRUE(b.lecteurs.lancements.empty());
    QTest::keyRelease(b.cible(), Qt::Key_F5);
    EXPECT_FALSE(b.lecteurs.lancements.empty()) << "Play started the player";
}

TEST(Clavier, F5DoesNothingWhenTheShortcutsAreOff)
{
    BancClavier b("CLAV=0\n");
    QTest::keyRelease(b.cible(), Qt::Key_F5);
    EXPECT_TRUE(b.lecteurs.lancements.empty());
    EXPECT_EQ(b.fond->findChild<FiltreClavier*>("FiltreClavier")->raccourcis().DerniereTouche(), 0);
}

TEST(Clavier, KeypadStarStepsTheFavouritesGroup)
{
    BancClavier b("CLAV=1\n");
    ASSERT_EQ(b.app->parties().favoris.groupe(), 0);
    QTest::keyRelease(b.cible(), Qt::Key_Asterisk, Qt::KeypadModifier);
    EXPECT_EQ(b.app->parties().favoris.groupe(), 1);
    QTest::keyRelease(b.cible(), Qt::Key_Slash, Qt::KeypadModifier);
    EXPECT_EQ(b.app->parties().favoris.groupe(), 0);
}

TEST(Clavier, TwoDigitsPickAGroupThenItsFavourite)
{
    BancClavier b("CLAV=1\n");
    QTest::keyRelease(b.cible(), Qt::Key_3);
    EXPECT_EQ(b.app->parties().favoris.groupe(), 3);
    EXPECT_TRUE(b.dialogues.messages.empty());
    b.horloge.maintenantValeur = b.horloge.maintenantValeur.addSecs(1);
    QTest::keyRelease(b.cible(), Qt::Key_4);
    EXPECT_EQ(b.app->parties().favoris.groupe(), 3) << "the second digit is a favourite, not a group";
    ASSERT_EQ(b.dialogues.messages.size(), 1u) << "the empty favourite asks to be defined";
    EXPECT_EQ(b.dialogues.messages[0].genre, Message::Question);
    QTest::keyRelease(b.cible(), Qt::Key_5);
    EXPECT_EQ(b.app->parties().favoris.groupe(), 5) << "a new sequence";
}

TEST(Clavier, KeysOfADialogAreLeftAlone)
{
    BancClavier b("CLAV=1\n");
    QWidget autre;
    autre.show();
    QTest::keyRelease(&autre, Qt::Key_F5);
    EXPECT_TRUE(b.lecteurs.lancements.empty());
}

TEST(Clavier, NoShortcutWhileTheOptionsPaneIsOpen)
{
    BancClavier b("CLAV=1\n");
    bouton(*b.fond, "Options")->click();
    ASSERT_TRUE(b.fond->etat().optionsOuvertes());
    QTest::keyRelease(b.cible(), Qt::Key_F5);
    EXPECT_TRUE(b.lecteurs.lancements.empty());
}

TEST(Clavier, SpaceOnAFocusedButtonClicksItAndLeavesItUpWithTheShortcutsOnOrOff)
{
    for (const char* ini : {"CLAV=1\n", "CLAV=0\n"}) {
        BancClavier b(ini);
        QPushButton* fav = bouton(*b.fond, "Fav");
        ASSERT_TRUE(activer(*b.fond));
        fav->setFocus();
        const bool devant = b.fond->etat().favorisDevant();
        QTest::keyPress(fav, Qt::Key_Space);
        ASSERT_TRUE(fav->isDown()) << ini;
        QTest::keyRelease(fav, Qt::Key_Space);
        EXPECT_FALSE(fav->isDown()) << ini << "drawn up again";
        EXPECT_NE(b.fond->etat().favorisDevant(), devant) << ini << "the release clicked it";
    }
}

TEST(Clavier, AShortcutReleasedOnAFocusedButtonStillPressesItsOwnButtonOnly)
{
    BancClavier b("CLAV=1\n");
    QPushButton* fav = bouton(*b.fond, "Fav");
    const bool devant = b.fond->etat().favorisDevant();
    QTest::keyPress(fav, Qt::Key_F5);
    QTest::keyRelease(fav, Qt::Key_F5);
    EXPECT_FALSE(b.lecteurs.lancements.empty()) << "Play started the player";
    EXPECT_EQ(b.fond->etat().favorisDevant(), devant);
    EXPECT_FALSE(fav->isDown());
}
