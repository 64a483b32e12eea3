#include "platform/reel/ClientWebQt.h"
#include "support/FauxBoitier.h"

#include <QElapsedTimer>
#include <QTcpServer>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>

namespace {

class ClientWebQtE2E : public testing::Test {
protected:
    static void SetUpTestSuite() { boitier_ = std::make_unique<FauxBoitier>(); }
    static void TearDownTestSuite() { boitier_.reset(); }

    void SetUp() override
    {
        ASSERT_TRUE(boitier_->demarre());
        ASSERT_TRUE(boitier_->reinitialiser());
    }

    static QString playlist() { return boitier_->url("/freeboxtv/playlist.m3u"); }

    static std::unique_ptr<FauxBoitier> boitier_;
};

std::unique_ptr<FauxBoitier> ClientWebQtE2E::boitier_;

TEST_F(ClientWebQtE2E, RendLeCorpsTelQuelQuandLeServeurRepond)
{
    ClientWebQt client;
    const QByteArray liste = client.telecharger(playlist());
    EXPECT_TRUE(liste.startsWith("#EXTM3U\n"));
    EXPECT_TRUE(liste.contains("2 - France 2\n"));
    EXPECT_TRUE(liste.contains("T\xC3\xA9l\xC3\xA9 Bleue")) << "bytes must come back undecoded";
    EXPECT_FALSE(liste.contains('\r'));
    EXPECT_TRUE(liste.endsWith(".ts\n"));

    ASSERT_TRUE(boitier_->definirModePlaylist("changed"));
    const QByteArray changee = client.telecharger(playlist());
    EXPECT_TRUE(changee.contains("Nouvelle Cha\xC3\xAEne"));
    EXPECT_NE(changee, liste);

    // An error page with status 200 is a body: the caller judges its text.
    ASSERT_TRUE(boitier_->definirModePlaylist("html"));
    const QByteArray page = client.telecharger(playlist());
    EXPECT_TRUE(page.startsWith("<html>"));
    EXPECT_TRUE(page.contains("erreur"));

    ASSERT_TRUE(boitier_->definirModePlaylist("empty"));
    EXPECT_EQ(client.telecharger(playlist()), QByteArray());
}

TEST_F(ClientWebQtE2E, RendVideSurStatutHorsSucces)
{
    ClientWebQt client;
    ASSERT_TRUE(boitier_->definirModePlaylist("404"));
    EXPECT_EQ(client.telecharger(playlist()), QByteArray());
    EXPECT_EQ(client.telecharger(boitier_->url("/absent.html")), QByteArray());
}

TEST_F(ClientWebQtE2E, AbandonneAuBoutDuDelaiTotal)
{
    ClientWebQt client(1500);
    ASSERT_TRUE(boitier_->definirModePlaylist("silent"));
    QElapsedTimer chrono;
    chrono.start();
    EXPECT_EQ(client.telecharger(playlist()), QByteArray());
    EXPECT_GE(chrono.elapsed(), 1400);
    EXPECT_LT(chrono.elapsed(), 4000);

    // The server answers after 3 s: too late for this client, in time for the default one.
    ASSERT_TRUE(boitier_->definirModePlaylist("slow"));
    chrono.restart();
    EXPECT_EQ(client.telecharger(playlist()), QByteArray());
    EXPECT_LT(chrono.elapsed(), 2900);
    ClientWebQt patient;
    EXPECT_TRUE(patient.telecharger(playlist()).startsWith("#EXTM3U"));
}

TEST_F(ClientWebQtE2E, AShortWaitAskedForOneRequestReplacesTheClientsOwn)
{
    ClientWebQt client;  // a download's wait: 15 s
    ASSERT_TRUE(boitier_->definirModePlaylist("silent"));
    // The window keeps painting while the client waits: timers still fire.
    int battements = 0;
    QTimer battement;
    QObject::connect(&battement, &QTimer::timeout, [&battements] { ++battements; });
    battement.start(100);
    QElapsedTimer chrono;
    chrono.start();
    EXPECT_EQ(client.telecharger(playlist(), 1500), QByteArray());
    EXPECT_GE(chrono.elapsed(), 1400);
    EXPECT_LT(chrono.elapsed(), 4000);
    EXPECT_GE(battements, 5);

    // The short wait is for that request only.
    ASSERT_TRUE(boitier_->definirModePlaylist("slow"));
    EXPECT_EQ(client.telecharger(playlist(), 1500), QByteArray());
    EXPECT_TRUE(client.telecharger(playlist()).startsWith("#EXTM3U"));
}

TEST_F(ClientWebQtE2E, RefuseUnCorpsAuDelaDeLaTailleMax)
{
    const QByteArray entiere = ClientWebQt().telecharger(playlist());
    ASSERT_FALSE(entiere.isEmpty());
    EXPECT_EQ(ClientWebQt(15000, entiere.size()).telecharger(playlist()), entiere);
    EXPECT_EQ(ClientWebQt(15000, entiere.size() - 1).telecharger(playlist()), QByteArray());

    // A live stream has no announced length and never ends: the cap must stop it.
    ASSERT_TRUE(boitier_->attendreMedia(30000));
    QElapsedTimer chrono;
    chrono.start();
    EXPECT_EQ(ClientWebQt(10000, 64 * 1024).telecharger(boitier_->url("/stream/2.ts")), QByteArray());
    EXPECT_LT(chrono.elapsed(), 5000);
}

TEST_F(ClientWebQtE2E, RendVideSansServeurOuAdresseInvalide)
{
    QTcpServer reserve;
    ASSERT_TRUE(reserve.listen(QHostAddress::LocalHost));
    const quint16 portFerme = reserve.serverPort();
    reserve.close();

    ClientWebQt client(5000);
    QElapsedTimer chrono;
    chrono.start();
    EXPECT_EQ(client.telecharger(QString("http://127.0.0.1:%1/freeboxtv/playlist.m3u").arg(portFerme)),
              QByteArray());
    EXPECT_LT(chrono.elapsed(), 3000);
    EXPECT_EQ(client.telecharger("127.0.0.1/freeboxtv/playlist.m3u"), QByteArray());
    EXPECT_EQ(client.telecharger(""), QByteArray());
}

TEST_F(ClientWebQtE2E, FichierVersionAllerRetour)
{
    ClientWebQt client;
    EXPECT_EQ(client.telecharger(boitier_->url("/kelmor.ver")), QByteArray("Version 1.4"));

    const QString texte = QString::fromUtf8("Version 2.0\nNouveautés : mosaïque");
    ASSERT_TRUE(boitier_->definirVersion(texte));
    EXPECT_EQ(client.telecharger(boitier_->url("/kelmor.ver")), texte.toUtf8());
    EXPECT_EQ(client.telecharger(boitier_->url("/site/kelmor.ver")), texte.toUtf8());

    ASSERT_TRUE(boitier_->reinitialiser());
    EXPECT_EQ(client.telecharger(boitier_->url("/site/kelmor.ver")), QByteArray("Version 1.4"));
}

} // namespace
