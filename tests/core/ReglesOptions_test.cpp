#include "core/ReglesOptions.h"

#include <gtest/gtest.h>

TEST(ReglesOptions, TickingOneOnTopOptionUnticksTheOther)
{
    bool mtop = true, otop = true;
    ExclusionAuDessus(mtop, otop, true);
    EXPECT_TRUE(mtop);
    EXPECT_FALSE(otop);

    mtop = true;
    otop = true;
    ExclusionAuDessus(mtop, otop, false);
    EXPECT_FALSE(mtop);
    EXPECT_TRUE(otop);
}

TEST(ReglesOptions, UntickingAnOnTopOptionLeavesTheOtherAlone)
{
    bool mtop = false, otop = true;
    ExclusionAuDessus(mtop, otop, true);
    EXPECT_FALSE(mtop);
    EXPECT_TRUE(otop);

    mtop = true;
    otop = false;
    ExclusionAuDessus(mtop, otop, false);
    EXPECT_TRUE(mtop);
    EXPECT_FALSE(otop);
}

TEST(ReglesOptions, AGroupNameHoldsNoLineBreakButMayHoldAnEqualsSign)
{
    EXPECT_TRUE(NomGroupeValide(""));
    EXPECT_TRUE(NomGroupeValide("Chaînes favorites 3"));
    EXPECT_TRUE(NomGroupeValide("Sport & films"));
    EXPECT_TRUE(NomGroupeValide("Foot=Rugby"));
    EXPECT_FALSE(NomGroupeValide("deux\nlignes"));
    EXPECT_FALSE(NomGroupeValide("retour\r"));
    EXPECT_FALSE(NomGroupeValide(QString("a") + QChar::LineSeparator));
}

TEST(ReglesOptions, TheZoomLabelIsTheValueAndAPercentSign)
{
    EXPECT_EQ(TexteZoom(123), "123%");
    EXPECT_EQ(TexteZoom(10), "10%");
}

TEST(ReglesOptions, ASlotSelectsTheLastChannelOfItsNameAndUnknownNamesSelectNothing)
{
    TableFavoris t = TableFavoris::defaut();
    t[31] = "TF1";
    t[32] = "Inconnue";
    t[38] = "Arte";
    const auto s = SelectionsGroupe(t, 3, {"TF1", "Arte", "TF1", "M6"});
    EXPECT_EQ(s[0], 2);
    EXPECT_EQ(s[1], -1);
    EXPECT_EQ(s[7], 1);
    for (int i = 2; i < 7; ++i)
        EXPECT_EQ(s[i], -1);
}
