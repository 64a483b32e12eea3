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
    EXPECT_EQ(vue.prendreInstantane(), QString());
    vue.attendreTravaux();
    EXPECT_FALSE(VueIntegreeVlc::instanceCreee());
}
