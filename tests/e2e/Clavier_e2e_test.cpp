// The function keys typed on the X server's keyboard, through the application-wide filter.
#include "support/BancReel.h"
#include "support/Xdotool.h"

#include <QTest>

namespace {
using ClavierReel = BancReel;

// Let the window take in what the X server sent it.
void laisserPasser(int ms = 200)
{
    laisserTourner(ms);
}
}  // namespace

TEST_F(ClavierReel, TheFunctionKeysTypedOnTheKeyboardPressTheRemotesButtons)
{
    demarrer("CLAV=1\n");
    fond.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fond));
    app->parties().moteur.Chaines_Click(0);
    const QString id = QString::number(fond.winId());
    ASSERT_TRUE(xdotool({"windowfocus", "--sync", id}));
    laisserPasser();
    ASSERT_TRUE(xdotool({"key", "F2"}));
    EXPECT_TRUE(attendreQue([&] { return app->parties().session.chaineSelectionnee == 1; }, 3000))
        << "selected: " << app->parties().session.chaineSelectionnee;
    ASSERT_TRUE(xdotool({"key", "F2", "F2"}));
    EXPECT_TRUE(attendreQue([&] { return app->parties().session.chaineSelectionnee == 3; }, 3000));
    ASSERT_TRUE(xdotool({"key", "F1"}));
    EXPECT_TRUE(attendreQue([&] { return app->parties().session.chaineSelectionnee == 2; }, 3000));
    // Without the option the keys press nothing.
    app->parties().session.parametres.p.CLAV = false;
    ASSERT_TRUE(xdotool({"key", "F2"}));
    laisserPasser(500);
    EXPECT_EQ(app->parties().session.chaineSelectionnee, 2);
}
