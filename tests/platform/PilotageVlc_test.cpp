#include "platform/reel/PilotageVlc.h"
#include "platform/reel/RegistreLecteurs.h"

#include <QSet>

#include <gtest/gtest.h>

TEST(PilotageVlc, SocketNameSetsApartUsersDataFoldersAndRoles)
{
    const QString a = nomSocketLecteur(1000, "/home/u/.local/share/Kelmor/", RoleLecteur::Regarder);
    EXPECT_TRUE(a.startsWith("kelmor-1000-"));
    EXPECT_TRUE(a.endsWith("-Regarder.sock"));
    EXPECT_EQ(a, nomSocketLecteur(1000, "/home/u/.local/share/Kelmor", RoleLecteur::Regarder));
    EXPECT_NE(a, nomSocketLecteur(1001, "/home/u/.local/share/Kelmor/", RoleLecteur::Regarder));
    EXPECT_NE(a, nomSocketLecteur(1000, "/tmp/essai/Kelmor/", RoleLecteur::Regarder));
    EXPECT_NE(a, nomSocketLecteur(1000, "/home/u/.local/share/Kelmor/", RoleLecteur::Fichier));
    EXPECT_TRUE(a.startsWith(prefixeSocketsLecteurs(1000, "/home/u/.local/share/Kelmor")));
    EXPECT_FALSE(a.startsWith(prefixeSocketsLecteurs(1000, "/tmp/essai/Kelmor/")));
}

TEST(PilotageVlc, EachPlayerOfARoleGetsASocketOfItsOwn)
{
    const QString dossier = "/home/u/.local/share/Kelmor/";
    const QString ancien = nomSocketLecteur(1000, dossier, RoleLecteur::Regarder);
    const QString a = nomSocketLecteur(1000, dossier, RoleLecteur::Regarder, "0a1b2c");
    EXPECT_EQ(a, ancien.chopped(5) + "-0a1b2c.sock");
    EXPECT_NE(a, nomSocketLecteur(1000, dossier, RoleLecteur::Regarder, "0a1b2d"));
    EXPECT_TRUE(a.startsWith(prefixeSocketsLecteurs(1000, dossier)));

    QSet<QString> jetons;
    for (int i = 0; i < 200; ++i) {
        const QString j = nouveauJetonLecteur();
        EXPECT_EQ(j.size(), 6);
        EXPECT_TRUE(jetonValide(j)) << j.toStdString();
        jetons.insert(j);
    }
    EXPECT_GT(jetons.size(), 190) << "jetons repeat";
}

TEST(PilotageVlc, SocketPathStaysWithinTheUnixLimit)
{
    const QString longue = "/" + QString(200, 'd');
    const QString nom = nomSocketLecteur(4294967295u, longue, RoleLecteur::DiffereEnregistreur, "ffffff");
    for (int n = 30; n < 60; ++n)
        EXPECT_LT((dossierSockets("/tmp/" + QString(n, 't')) + "/" + nom).toUtf8().size(), 100) << n;
    EXPECT_LT((dossierSockets(longue) + "/" + nom).toUtf8().size(), 100);
    EXPECT_EQ(dossierSockets(longue), "/tmp");
    EXPECT_EQ(dossierSockets(""), "/tmp");
    EXPECT_EQ(dossierSockets("/run/user/1000"), "/run/user/1000");
}

TEST(PilotageVlc, ControlInterfaceGoesFirstAndMergesTheCallersOwn)
{
    EXPECT_EQ(argumentsPilotes("/tmp/s.sock", {"-I", "dummy", "--", "rtsp://h/c"}),
              QStringList({"--extraintf=oldrc", "--rc-unix=/tmp/s.sock", "--rc-fake-tty", "-I", "dummy",
                           "--", "rtsp://h/c"}));
    EXPECT_EQ(argumentsPilotes("/tmp/s.sock", {"--no-one-instance", "--extraintf=http", "--http-host=:8080",
                                                "--", "--extraintf=fichier.ts"}),
              QStringList({"--extraintf=oldrc:http", "--rc-unix=/tmp/s.sock", "--rc-fake-tty",
                           "--no-one-instance", "--http-host=:8080", "--", "--extraintf=fichier.ts"}));
    EXPECT_EQ(argumentsPilotes("/tmp/s.sock", {}),
              QStringList({"--extraintf=oldrc", "--rc-unix=/tmp/s.sock", "--rc-fake-tty"}));
}

TEST(PilotageVlc, OnlyPlainActionsAndSingleLinesReachThePlayer)
{
    EXPECT_TRUE(actionValide("key-vol-up"));
    EXPECT_TRUE(actionValide("key-play-pause"));
    for (const char* a : {"", "key-vol-up\nquit", "key vol-up", "Key-Vol-Up", "key-vol-up\r"})
        EXPECT_FALSE(actionValide(QString::fromLatin1(a))) << a;

    EXPECT_TRUE(commandeValide("status"));
    EXPECT_TRUE(commandeValide("volume 256"));
    for (const QString& c : {QString(""), QString("  "), QString("status\nquit"), QString("status\rquit"),
                             QString("a") + QChar(0x2028) + "quit", QString("a") + QChar(0x85)})
        EXPECT_FALSE(commandeValide(c)) << c.toStdString();
}
