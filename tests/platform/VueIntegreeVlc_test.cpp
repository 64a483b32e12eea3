#include "platform/reel/VueIntegreeVlc.h"

#include <gtest/gtest.h>

TEST(VueIntegreeVlc, NothingButPlayingAnItemStartsTheLibrary)
{
    VueIntegreeVlc vue;
    vue.arreter();
    vue.viderListe();
    vue.definirVolume(250);
    vue.definirMuet(true);
    vue.placerConteneur(0, 0);
    vue.dimensionnerConteneur(15, 15);
    bool dit = false;
    EXPECT_EQ(vue.prendreInstantane(Suite<bool>([&](bool) { dit = true; })), QString());
    EXPECT_EQ(vue.instantanesPromis(), 0);
    EXPECT_EQ(vue.fenetreVideo(), 0u);
    vue.attendreTravaux();
    EXPECT_FALSE(VueIntegreeVlc::instanceCreee());
    EXPECT_FALSE(dit) << "nothing is told of a snapshot never handed out";
}
