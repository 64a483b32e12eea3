#include "platform/reel/RegistreLecteurs.h"

#include <gtest/gtest.h>

namespace {
QByteArray cmdline(std::initializer_list<const char*> arguments)
{
    QByteArray texte;
    for (const char* a : arguments)
        texte += QByteArray(a) + '\0';
    return texte;
}
}

TEST(RegistreLecteurs, PidFileKeepsEveryRoleThroughWriteAndRead)
{
    const std::vector<LecteurEnregistre> lecteurs = {
        {101, RoleLecteur::Regarder, "0a1b2c", {}},     {202, RoleLecteur::DiffereEnregistreur, "ffffff", {}},
        {303, RoleLecteur::DiffereLecteur, "000001", {}}, {404, RoleLecteur::Enregistreur, "9z", {}},
        {4194304, RoleLecteur::Fichier, "abcdef", {}},  {505, RoleLecteur::Fichier, "", {}},
    };
    EXPECT_EQ(ecrirePids(lecteurs).count('\n'), 6);
    EXPECT_TRUE(ecrirePids(lecteurs).startsWith("101 Regarder 0a1b2c\n"));
    EXPECT_TRUE(ecrirePids(lecteurs).endsWith("\n505 Fichier\n"));
    EXPECT_EQ(lirePids(ecrirePids(lecteurs)), lecteurs);
    EXPECT_TRUE(lirePids("").empty());
}

TEST(RegistreLecteurs, PidFileReaderSkipsWhatCouldNotBeOurPlayer)
{
    const QByteArray contenu = "12 Regarder\r\n"
                               "\n"
                               "  34   Fichier  \r"
                               "0 Regarder\n"
                               "1 Regarder\n"
                               "-7 Enregistreur\n"
                               "abc Regarder\n"
                               "56\n"
                               "78 Inconnu\n"
                               "79 regarder\n"
                               "90 Regarder en trop\n"
                               "92 Regarder 0a1b2c d\n"
                               "93 Regarder ../x\n"
                               "94 Regarder 0A1B2C\n"
                               "95 Regarder 0123456789abcdefg\n"
                               "99999999999999999999 Regarder\n"
                               "96 Fichier  0a1b2c \r\n"
                               "91 DiffereLecteur";
    const std::vector<LecteurEnregistre> attendu = {{12, RoleLecteur::Regarder, "", {}},
                                                    {34, RoleLecteur::Fichier, "", {}},
                                                    {96, RoleLecteur::Fichier, "0a1b2c", {}},
                                                    {91, RoleLecteur::DiffereLecteur, "", {}}};
    EXPECT_EQ(lirePids(contenu), attendu);
}

TEST(RegistreLecteurs, RoleNamesRoundTrip)
{
    for (RoleLecteur r : {RoleLecteur::Regarder, RoleLecteur::DiffereEnregistreur,
                          RoleLecteur::DiffereLecteur, RoleLecteur::Enregistreur, RoleLecteur::Fichier})
        EXPECT_EQ(roleDepuisNom(nomRole(r)), r);
    EXPECT_FALSE(roleDepuisNom("").has_value());
}

TEST(RegistreLecteurs, OnlyAProcessNamingOurSocketIsOurs)
{
    const QString nom = "kelmor-1000-abcd1234-Regarder.sock";
    const QByteArray notre = cmdline({"/usr/bin/vlc", "--extraintf=oldrc",
                                      "--rc-unix=/tmp/kelmor-1000-abcd1234-Regarder.sock",
                                      "--rc-fake-tty", "--", "rtsp://x/y"});
    EXPECT_TRUE(estNotreLecteur(notre, nom));
    // The temporary folder may have changed since that run.
    EXPECT_TRUE(estNotreLecteur(cmdline({"vlc", "--rc-unix=/var/tmp/kelmor-1000-abcd1234-Regarder.sock"}), nom));

    EXPECT_FALSE(estNotreLecteur(notre, "kelmor-1000-abcd1234-Fichier.sock"));
    EXPECT_FALSE(estNotreLecteur(notre, "kelmor-1001-abcd1234-Regarder.sock"));
    EXPECT_FALSE(estNotreLecteur(notre, ""));
    EXPECT_FALSE(estNotreLecteur(QByteArray(), nom)) << "a zombie has an empty cmdline";
    EXPECT_FALSE(estNotreLecteur(cmdline({"sleep", "60"}), nom));
    EXPECT_FALSE(estNotreLecteur(cmdline({"vlc", "--", "/tmp/kelmor-1000-abcd1234-Regarder.sock"}), nom));
    EXPECT_FALSE(estNotreLecteur(cmdline({"vlc", "--rc-unix=/tmp/kelmor-1000-abcd1234-Regarder.sock.old"}), nom));
    EXPECT_FALSE(estNotreLecteur(cmdline({"vlc", "--rc-unix=/tmp/x-kelmor-1000-abcd1234-Regarder.sock"}), nom));
    EXPECT_FALSE(estNotreLecteur(cmdline({"vlc", "--rc-unix=kelmor-1000-abcd1234-Regarder.sock"}), nom));

    // A player's socket of its own is told apart from its role's other players'.
    const QString propre = "kelmor-1000-abcd1234-Regarder-0a1b2c.sock";
    const QByteArray sienne = cmdline({"vlc", "--rc-unix=/tmp/kelmor-1000-abcd1234-Regarder-0a1b2c.sock"});
    EXPECT_TRUE(estNotreLecteur(sienne, propre));
    EXPECT_FALSE(estNotreLecteur(sienne, nom));
    EXPECT_FALSE(estNotreLecteur(notre, propre));
    EXPECT_FALSE(estNotreLecteur(sienne, "kelmor-1000-abcd1234-Regarder-0a1b2d.sock"));
}

TEST(RegistreLecteurs, PlayerEndsWhenGoneZombieOrReplacedButNotWhileExiting)
{
    const QString nom = "kelmor-1000-abcd1234-Fichier.sock";
    const QByteArray notre = cmdline({"vlc", "--rc-unix=/tmp/kelmor-1000-abcd1234-Fichier.sock"});
    const QByteArray vivant = "4242 (vlc) S 1 4242 4242 0 -1 4194560 12 0";
    EXPECT_FALSE(lecteurTermine(vivant, notre, nom));
    EXPECT_FALSE(lecteurTermine("4242 (vlc) R 1 4242", notre, nom));
    EXPECT_FALSE(lecteurTermine("4242 (vlc) D 1 4242", QByteArray(), nom)) << "still exiting";
    // A process name may hold ") " itself.
    EXPECT_FALSE(lecteurTermine("4242 (a) Z (b) S 1 4242", notre, nom));

    EXPECT_TRUE(lecteurTermine(QByteArray(), QByteArray(), nom)) << "no such process";
    EXPECT_TRUE(lecteurTermine("4242 (vlc) Z 1 4242", QByteArray(), nom));
    EXPECT_TRUE(lecteurTermine("4242 (vlc) X 1 4242", QByteArray(), nom));
    EXPECT_TRUE(lecteurTermine("4242 (sleep) S 1 4242", cmdline({"sleep", "60"}), nom)) << "pid reused";
    EXPECT_TRUE(lecteurTermine("4242 (vlc", notre, nom));
}
