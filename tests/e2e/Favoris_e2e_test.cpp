// The favourites frame in a real window under X: a right-button drag made with the real
// mouse between two favourite buttons rewrites the settings file.
#include "panes/PanneauChaines.h"
#include "panes/PanneauFavoris.h"
#include "support/Attente.h"
#include "support/BancApplication.h"
#include "support/Xdotool.h"

#include <QFileInfo>
#include <QTest>
#include <gtest/gtest.h>

namespace {
QStringList centre(const QWidget* w)
{
    const QPoint c = w->mapToGlobal(w->rect().center());
    return {QString::number(c.x()), QString::number(c.y())};
}
// Between the steps, the window takes in what the X server sent it.
void laisserPasser()
{
    laisserTourner(100);
}

// A right-button drag with the real mouse, from the centre of one control to another's.
void glisser(const QWidget* depuis, const QWidget* vers)
{
    ASSERT_TRUE(xdotool(QStringList{"mousemove", "--sync"} + centre(depuis)));
    laisserPasser();
    ASSERT_TRUE(xdotool({"mousedown", "3"}));
    laisserPasser();
    ASSERT_TRUE(xdotool(QStringList{"mousemove", "--sync"} + centre(vers)));
    laisserPasser();
    ASSERT_TRUE(xdotool({"mouseup", "3"}));
    laisserPasser();
}
}  // namespace

TEST(FavorisReel, ARightButtonDragBetweenTwoFavouritesRewritesTheSettingsFile)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        GTEST_SKIP() << "needs an X display (run under xvfb-run)";
    BancApplication b;
    b.installerVlc();
    b.ecrire("Kelmor.cfg", BancApplication::playlist({"TF1", "France 2", "M6"}));
    b.ecrire("Kelmor.ini", "FAVI=1\nFA01=TF1\nFA02=France 2\n");
    ASSERT_TRUE(b.demarrer());
    b.fond->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(b.fond.get()));
    b.fond->activateWindow();
    const QString ini = b.programme() + "Kelmor.ini";
    ASSERT_TRUE(QFile::remove(ini));

    PanneauFavoris& p = b.fond->chaines().favoris();
    glisser(p.Favori[1], p.Favori[5]);

    ASSERT_TRUE(attendreQue([&] { return QFileInfo::exists(ini); }, 5000)) << "the swap saved nothing";
    const QStringList lignes = QString::fromUtf8(b.lire("Kelmor.ini")).split('\n');
    EXPECT_TRUE(lignes.contains("FA01="));
    EXPECT_TRUE(lignes.contains("FA05=TF1"));
    EXPECT_TRUE(lignes.contains("FA02=France 2"));
    EXPECT_EQ(p.legende(5), "TF1");
    EXPECT_TRUE(b.lecteurs.lancements.empty());

    // Onto the watch button, or out of the frame: nothing is exchanged, nothing saved.
    ASSERT_TRUE(QFile::remove(ini));
    glisser(p.Favori[2], p.Favori[0]);
    glisser(p.Favori[2], b.fond->chaines().Fav);
    laisserTourner(500);
    EXPECT_FALSE(QFileInfo::exists(ini));
    EXPECT_EQ(p.legende(2), "France 2");
}
