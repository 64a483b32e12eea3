#include "platform/reel/LecteursVlc.h"
#include "support/Attente.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/stat.h>
#include <memory>
#include <unistd.h>

namespace {
// Running and not a zombie.
bool processusActif(qint64 pid)
{
    QFile f(QStringLiteral("/proc/%1/stat").arg(pid));
    if (pid <= 1 || !f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray stat = f.readAll();
    const qsizetype fin = stat.lastIndexOf(')');
    return fin > 0 && stat.size() > fin + 2 && stat[fin + 2] != 'Z';
}

// Last number VLC printed for that pattern, -1 when none.
int dernierNombre(const QString& texte, const QString& motif)
{
    int valeur = -1;
    auto it = QRegularExpression(motif).globalMatch(texte);
    while (it.hasNext())
        valeur = it.next().captured(1).toInt();
    return valeur;
}

int volume(LecteursVlc& l, RoleLecteur r)
{
    return dernierNombre(l.commande(r, "volume"), R"(audio volume: (-?\d+))");
}

int temps(LecteursVlc& l, RoleLecteur r)
{
    return dernierNombre(l.commande(r, "get_time"), R"((?:^|\n)(\d+)\r?\n)");
}

bool joue(LecteursVlc& l, RoleLecteur r)
{
    return l.commande(r, "is_playing").contains(QRegularExpression(R"((^|\n)1\r?\n)"));
}

QString lire(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}
}

class LecteursVlcE2E : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        medias_ = std::make_unique<QTemporaryDir>();
        QProcess ffmpeg;
        ffmpeg.start("ffmpeg", {"-loglevel", "error", "-y", "-f", "lavfi", "-i", "testsrc2=size=320x240:rate=25",
                                "-f", "lavfi", "-i", "sine", "-t", "20", "-c:v", "mpeg2video", "-c:a", "mp2",
                                "-f", "mpegts", medias_->filePath("x.ts")});
        ffmpeg.waitForFinished(60000);
    }
    static void TearDownTestSuite() { medias_.reset(); }

    void SetUp() override
    {
        if (::geteuid() == 0)
            GTEST_SKIP() << "vlc refuses to run as root: run the end-to-end tests as an unprivileged user";
        ASSERT_TRUE(QFile::exists(ts())) << "ffmpeg did not make the test stream";
        ASSERT_TRUE(dossier_.isValid());
    }

    static QString ts() { return medias_->filePath("x.ts"); }
    static QStringList cache(const QString& cible)
    {
        return {"-I", "dummy", "--no-one-instance", "--vout=dummy", "--aout=dummy", "--", cible};
    }

    static std::unique_ptr<QTemporaryDir> medias_;
    QTemporaryDir dossier_;
};
std::unique_ptr<QTemporaryDir> LecteursVlcE2E::medias_;

TEST_F(LecteursVlcE2E, VisiblePlayerTakesKeysAndClosesForGood)
{
    const RoleLecteur R = RoleLecteur::Regarder;
    const QString photos = dossier_.filePath("photos");
    QDir().mkpath(photos);
    LecteursVlc lecteurs(dossier_.path());

    ASSERT_TRUE(lecteurs.demarrer(R, "vlc", {"--no-one-instance", "--no-qt-privacy-ask",
                                             "--snapshot-path=" + photos, "--", ts()}));
    const qint64 pid = lecteurs.pid(R);
    EXPECT_TRUE(lecteurs.enCours(R));
    EXPECT_FALSE(lecteurs.aucunEnCours());
    EXPECT_TRUE(processusActif(pid));
    EXPECT_EQ(lire(lecteurs.fichierPids()), QString("%1 Regarder\n").arg(pid));
    ASSERT_TRUE(attendreQue([&] { return joue(lecteurs, R); }, 15000));

    // Volume up, as the Ctrl+Up key of the remote does. The key only acts once the audio
    // output is up (a loaded machine takes a while): until then the volume reads 0.
    ASSERT_TRUE(attendreQue([&] { return volume(lecteurs, R) > 0; }, 15000));
    const int avant = volume(lecteurs, R);
    EXPECT_TRUE(lecteurs.envoyerTouche(R, "key-vol-up"));
    EXPECT_TRUE(attendreQue([&] { return volume(lecteurs, R) > avant; }, 10000));

    // The key takes once a picture is out; a loaded machine may need it again.
    const auto photo = [&] { return !QDir(photos).entryList({"vlcsnap-*"}, QDir::Files).isEmpty(); };
    bool prise = false;
    for (int essai = 0; essai < 4 && !prise; ++essai) {
        EXPECT_TRUE(lecteurs.envoyerTouche(R, "key-snapshot"));
        prise = attendreQue(photo, 5000);
    }
    EXPECT_TRUE(prise) << "no snapshot after four snapshot keys";

    // A second command smuggled after a line break never reaches the player.
    EXPECT_FALSE(lecteurs.envoyerTouche(R, "key-vol-up\nquit"));
    EXPECT_EQ(lecteurs.commande(R, "status\nquit"), "");
    QThread::msleep(500);
    EXPECT_TRUE(lecteurs.enCours(R));

    EXPECT_TRUE(lecteurs.envoyerTouche(R, "key-play-pause"));
    EXPECT_TRUE(attendreQue([&] { return lecteurs.commande(R, "status").contains("Type 'pause' to continue."); },
                            5000));
    const int arret = temps(lecteurs, R);
    QThread::msleep(2000);
    EXPECT_EQ(temps(lecteurs, R), arret) << "the paused player's clock moved";
    EXPECT_TRUE(lecteurs.envoyerTouche(R, "key-play-pause"));
    EXPECT_TRUE(attendreQue([&] { return temps(lecteurs, R) > arret; }, 5000));

    lecteurs.fermer(R);
    EXPECT_FALSE(lecteurs.enCours(R));
    EXPECT_TRUE(lecteurs.aucunEnCours());
    EXPECT_FALSE(processusActif(pid));
    EXPECT_FALSE(QFile::exists(lecteurs.cheminSocket(R)));
    EXPECT_FALSE(QFile::exists(lecteurs.fichierPids()));
    EXPECT_FALSE(lecteurs.envoyerTouche(R, "key-vol-up"));
}

TEST_F(LecteursVlcE2E, HiddenPlayersAreDrivenReplacedAndForgottenWhenTheyQuit)
{
    const RoleLecteur F = RoleLecteur::Fichier;
    const RoleLecteur E = RoleLecteur::Enregistreur;
    LecteursVlc lecteurs(dossier_.path());

    ASSERT_TRUE(lecteurs.demarrer(F, "vlc", cache(ts())));
    const qint64 premier = lecteurs.pid(F);
    ASSERT_TRUE(attendreQue([&] { return joue(lecteurs, F); }, 15000));
    EXPECT_TRUE(lecteurs.envoyerTouche(F, "key-play-pause"));
    EXPECT_TRUE(attendreQue([&] { return lecteurs.commande(F, "status").contains("Type 'pause' to continue."); },
                            5000));
    const int arret = temps(lecteurs, F);
    QThread::msleep(2000);
    EXPECT_EQ(temps(lecteurs, F), arret);
    EXPECT_FALSE(lecteurs.envoyerTouche(E, "key-play-pause")) << "no player has that role";

    // A new player of the same role replaces the running one.
    ASSERT_TRUE(lecteurs.demarrer(F, "vlc", cache(ts())));
    const qint64 second = lecteurs.pid(F);
    EXPECT_NE(second, premier);
    EXPECT_FALSE(processusActif(premier));
    EXPECT_TRUE(processusActif(second));

    ASSERT_TRUE(lecteurs.demarrer(E, "vlc", cache(ts())));
    const qint64 enregistreur = lecteurs.pid(E);
    EXPECT_EQ(lire(lecteurs.fichierPids()),
              QString("%1 Fichier\n%2 Enregistreur\n").arg(second).arg(enregistreur));

    // A player that quits by itself is no longer counted.
    ASSERT_TRUE(attendreQue([&] { return joue(lecteurs, F); }, 15000));
    lecteurs.commande(F, "quit", 500);
    EXPECT_TRUE(attendreQue([&] { return !lecteurs.enCours(F); }, 5000));
    EXPECT_FALSE(lecteurs.aucunEnCours());
    EXPECT_EQ(lire(lecteurs.fichierPids()), QString("%1 Enregistreur\n").arg(enregistreur));

    lecteurs.fermerTous();
    EXPECT_TRUE(lecteurs.aucunEnCours());
    EXPECT_FALSE(processusActif(enregistreur));
    EXPECT_FALSE(QFile::exists(lecteurs.fichierPids()));
}

TEST_F(LecteursVlcE2E, LeftoversOfAnEarlierRunCloseButNothingElse)
{
    qint64 reste = 0;
    {
        LecteursVlc precedent(dossier_.path());
        ASSERT_TRUE(precedent.demarrer(RoleLecteur::Enregistreur, "vlc", cache(ts())));
        reste = precedent.pid(RoleLecteur::Enregistreur);
        ASSERT_TRUE(attendreQue([&] { return joue(precedent, RoleLecteur::Enregistreur); }, 15000));
    }
    ASSERT_TRUE(processusActif(reste)) << "the player must outlive the object that started it";

    qint64 etranger = 0;
    ASSERT_TRUE(QProcess::startDetached("sleep", {"60"}, QString(), &etranger));
    {
        QFile f(dossier_.filePath("Kelmor.pids"));
        ASSERT_TRUE(f.open(QIODevice::Append));
        f.write(QByteArray::number(etranger) + " Regarder\n");
    }

    LecteursVlc lecteurs(dossier_.path());
    lecteurs.fermerRestes();
    EXPECT_FALSE(processusActif(reste));
    EXPECT_TRUE(processusActif(etranger));
    EXPECT_FALSE(QFile::exists(lecteurs.fichierPids()));
    EXPECT_TRUE(lecteurs.aucunEnCours());

    ::kill(pid_t(etranger), SIGKILL);
}

// A stand-in player: it notes what it was given, then ends by itself a moment later.
TEST(LecteursVlcProcessus, APlayerHasItsOwnSessionNoFileOfOursAndIsReapedWhenItEnds)
{
    QTemporaryDir dossier;
    ASSERT_TRUE(dossier.isValid());
    const QString script = dossier.filePath("lecteur");
    {
        QFile f(script);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\n"
                "d=$(dirname \"$0\")\n"
                "find /proc/$$/fd -mindepth 1 -printf '%f %l\\n' | sort -n > \"$d/fichiers.tmp\"\n"
                "cut -d' ' -f6 /proc/$$/stat > \"$d/session\"\n"
                "mv \"$d/fichiers.tmp\" \"$d/fichiers\"\n"
                "sleep 1\n");
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    // A pipe that a careless start would hand down to the player.
    int tube[2];
    ASSERT_EQ(::pipe(tube), 0);
    struct stat infos {};
    ASSERT_EQ(::fstat(tube[0], &infos), 0);

    qint64 pid = 0;
    {
        LecteursVlc lecteurs(dossier.path());
        ASSERT_TRUE(lecteurs.demarrer(RoleLecteur::Fichier, script, {"--", "x.ts"}));
        pid = lecteurs.pid(RoleLecteur::Fichier);
        ASSERT_TRUE(attendreQue([&] { return QFile::exists(dossier.filePath("fichiers")); }, 10000));
    }  // the player outlives the object that started it
    ::close(tube[0]);
    ::close(tube[1]);

    EXPECT_EQ(lire(dossier.filePath("session")).trimmed(), QString::number(pid));
    const QStringList fichiers = lire(dossier.filePath("fichiers")).split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(fichiers.mid(0, 3), (QStringList{"0 /dev/null", "1 /dev/null", "2 /dev/null"}));
    EXPECT_FALSE(fichiers.join('\n').contains(QString("pipe:[%1]").arg(infos.st_ino))) << fichiers.join(' ').toStdString();

    // Ended, then reaped by the event loop: no zombie is left.
    EXPECT_TRUE(attendreQue([&] { return !QFile::exists(QString("/proc/%1").arg(pid)); }, 10000))
        << "the ended player stays a zombie";
}
