#include "platform/Adresses.h"

#include <gtest/gtest.h>

TEST(Adresses, EnvironmentReplacesEachHost)
{
    qputenv("KELMOR_BOX", "127.0.0.1:4321");
    qputenv("KELMOR_SITE", " 127.0.0.1:99 ");
    const Adresses a = Adresses::depuisEnvironnement();
    EXPECT_EQ(a.playlist(), "http://127.0.0.1:4321/freeboxtv/playlist.m3u");
    EXPECT_EQ(a.fichierVersion(), "http://127.0.0.1:99/kelmor.ver");
    EXPECT_EQ(a.lecteurBoitier, "freeplayer.freebox.fr");
    qunsetenv("KELMOR_BOX");
    qunsetenv("KELMOR_SITE");
    EXPECT_EQ(Adresses::depuisEnvironnement().boitier, "mafreebox.freebox.fr");
}

TEST(Adresses, SettingsPagePortComesFromTheEnvironmentWhenItIsAPort)
{
    EXPECT_EQ(Adresses::depuisEnvironnement().portReglages, 8080);
    qputenv("KELMOR_PORT_REGLAGES", "18080");
    EXPECT_EQ(Adresses::depuisEnvironnement().portReglages, 18080);
    for (const char* faux : {"0", "65536", "-1", "80a", ""}) {
        qputenv("KELMOR_PORT_REGLAGES", faux);
        EXPECT_EQ(Adresses::depuisEnvironnement().portReglages, 8080) << faux;
    }
    qunsetenv("KELMOR_PORT_REGLAGES");
}
