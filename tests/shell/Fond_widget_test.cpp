#include "panes/PanneauChaines.h"
#include "panes/VoletProgrammation.h"
#include "shell/PanneauTelecommande.h"
#include "shell/Fond.h"

#include <QPushButton>
#include <QScreen>
#include <gtest/gtest.h>

TEST(Fond, OpeningTheSchedulePaneNearTheRightEdgeKeepsTheWindowInsideTheScreen)
{
    Fond fond;
    const QRect ecran = fond.screen()->availableGeometry();
    fond.show();
    fond.move(ecran.right() - fond.frameGeometry().width() + 1, ecran.top() + 10);
    ASSERT_LE(fond.frameGeometry().right(), ecran.right());

    EXPECT_TRUE(fond.Guider_Click());
    EXPECT_TRUE(fond.forme().estOuvert(Volet::Guider));
    EXPECT_TRUE(fond.programmation().isVisible());
    EXPECT_GT(fond.width(), fond.chaines().width() + fond.telecommande().width());
    // A window wider than the screen keeps its left edge on it.
    if (fond.frameGeometry().width() <= ecran.width())
        EXPECT_LE(fond.frameGeometry().right(), ecran.right());
    else
        EXPECT_EQ(fond.frameGeometry().left(), ecran.left());

    EXPECT_FALSE(fond.Guider_Click());
    EXPECT_FALSE(fond.programmation().isVisible());
    EXPECT_TRUE(fond.forme().estNormale());
}
