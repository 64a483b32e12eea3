#include "platform/reel/PilotageVlc.h"
#include "platform/reel/RegistreLecteurs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

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

namespace {
mode_t droits(const QString& chemin)
{
    struct stat etat {};
    return ::lstat(QFile::encodeName(chemin).constData(), &etat) == 0 ? etat.st_mode : 0;
}

void socketA(const QString& chemin)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un adresse{};
    adresse.sun_family = AF_UNIX;
    const QByteArray natif = QFile::encodeName(chemin);
    std::memcpy(adresse.sun_path, natif.constData(), size_t(natif.size()));
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&adresse), sizeof adresse), 0);
    ::close(fd);  // the file stays, as a killed player's does
}
}  // namespace

TEST(PilotageVlc, SocketsGoIntoTheUsersOwnRuntimeFolderOrAFolderMadeOnlyForTheUser)
{
    const uint moi = ::getuid();
    // Short paths, as a unix socket's must be.
    QTemporaryDir runtime("/tmp/kt-XXXXXX"), temporaire("/tmp/kt-XXXXXX");
    ASSERT_TRUE(runtime.isValid() && temporaire.isValid());
    ASSERT_EQ(::chmod(QFile::encodeName(runtime.path()).constData(), 0700), 0);
    EXPECT_EQ(dossierSockets(runtime.path(), temporaire.path(), moi), runtime.path());

    // A runtime folder open to others, or none: a folder of ours in the temporary folder,
    // that nobody else may enter, found again the next time.
    ASSERT_EQ(::chmod(QFile::encodeName(runtime.path()).constData(), 0755), 0);
    for (const QString& r : {runtime.path(), QString(), QString("relatif")}) {
        const QString d = dossierSockets(r, temporaire.path(), moi);
        EXPECT_EQ(d, temporaire.path() + QString("/kelmor-%1").arg(moi));
        EXPECT_EQ(droits(d), mode_t(S_IFDIR | 0700));
        EXPECT_TRUE(dossierPrive(d, moi));
    }
    // Another user's folder is never ours, whatever its rights.
    EXPECT_FALSE(dossierPrive(temporaire.path() + QString("/kelmor-%1").arg(moi), moi + 1));
}

TEST(PilotageVlc, ANameTakenByAnythingButAPrivateFolderOfOursIsLeftAlone)
{
    const uint moi = ::getuid();
    QTemporaryDir prive;
    ASSERT_TRUE(prive.isValid());
    struct Cas {
        const char* quoi;
        std::function<void(const QString&)> faire;
    };
    const std::vector<Cas> cas = {
        {"a link to a private folder", [&](const QString& c) { ASSERT_TRUE(QFile::link(prive.path(), c)); }},
        {"a dangling link", [&](const QString& c) { ASSERT_TRUE(QFile::link(prive.filePath("rien"), c)); }},
        {"a plain file", [&](const QString& c) { ASSERT_TRUE(QFile(c).open(QIODevice::WriteOnly)); }},
        {"a folder open to others",
         [&](const QString& c) {
             ASSERT_TRUE(QDir().mkdir(c));
             ASSERT_EQ(::chmod(QFile::encodeName(c).constData(), 0777), 0);
         }},
        {"a folder of another user",
         [&](const QString& c) {
             ASSERT_TRUE(QDir().mkdir(c));
             ASSERT_EQ(::chmod(QFile::encodeName(c).constData(), 0700), 0);
             // Only root can give a folder away; others check the owner through the uid.
             if (::geteuid() == 0) {
                 ASSERT_EQ(::chown(QFile::encodeName(c).constData(), 65534, 65534), 0);
             }
         }},
    };
    for (const Cas& c : cas) {
        QTemporaryDir temporaire("/tmp/kt-XXXXXX");
        ASSERT_TRUE(temporaire.isValid());
        const QString pris = temporaire.path() + QString("/kelmor-%1").arg(moi);
        c.faire(pris);
        const mode_t avant = droits(pris);
        const uint proprietaire = ::geteuid() == 0 || std::string(c.quoi) != "a folder of another user" ? moi : moi + 1;
        const QString d = dossierSockets({}, temporaire.path(), proprietaire);
        EXPECT_EQ(droits(pris), avant) << c.quoi;
        if (proprietaire != moi) {
            EXPECT_EQ(d, "") << c.quoi;  // nothing this process makes belongs to that uid
            continue;
        }
        EXPECT_NE(d, pris) << c.quoi;
        EXPECT_TRUE(d.startsWith(pris + "-")) << c.quoi << " " << d.toStdString();
        EXPECT_EQ(droits(d), mode_t(S_IFDIR | 0700)) << c.quoi;
    }
}

TEST(PilotageVlc, SocketPathStaysWithinTheUnixLimit)
{
    const uint moi = ::getuid();
    const QString longue = "/" + QString(200, 'd');
    const QString nom = nomSocketLecteur(4294967295u, longue, RoleLecteur::DiffereEnregistreur, "ffffff");
    QTemporaryDir base;
    ASSERT_TRUE(base.isValid());
    for (int n = 1; n < 60; n += 7) {
        const QString temporaire = base.filePath(QString(n, 't'));
        ASSERT_TRUE(QDir().mkpath(temporaire));
        const QString d = dossierSockets({}, temporaire, moi);
        ASSERT_FALSE(d.isEmpty());
        EXPECT_LE(d.toUtf8().size(), kLongueurDossierSockets);
        EXPECT_LT((d + "-XXXXXX/" + nom).toUtf8().size(), 100) << n;
    }
    EXPECT_EQ(dossierSockets(longue, longue, moi), QString("/tmp/kelmor-%1").arg(moi));
    EXPECT_EQ(dossierSockets({}, {}, moi), QString("/tmp/kelmor-%1").arg(moi));
}

TEST(PilotageVlc, OnlyASocketOfTheUserIsRemoved)
{
    QTemporaryDir d;
    ASSERT_TRUE(d.isValid());
    socketA(d.filePath("s.sock"));
    ASSERT_TRUE(QFile::link(d.filePath("s.sock"), d.filePath("lien.sock")));
    ASSERT_TRUE(QFile(d.filePath("fichier.sock")).open(QIODevice::WriteOnly));
    EXPECT_FALSE(supprimerSocket(d.filePath("lien.sock"), ::getuid()));
    EXPECT_FALSE(supprimerSocket(d.filePath("fichier.sock"), ::getuid()));
    EXPECT_FALSE(supprimerSocket(d.filePath("s.sock"), ::getuid() + 1));
    EXPECT_FALSE(supprimerSocket(d.filePath("absent.sock"), ::getuid()));
    EXPECT_TRUE(QFileInfo(d.filePath("s.sock")).exists());
    EXPECT_TRUE(supprimerSocket(d.filePath("s.sock"), ::getuid()));
    EXPECT_FALSE(QFileInfo(d.filePath("s.sock")).exists());
    EXPECT_TRUE(QFileInfo(d.filePath("lien.sock")).isSymLink());
    EXPECT_TRUE(QFileInfo::exists(d.filePath("fichier.sock")));
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
