#include "platform/reel/LecteursVlc.h"
#include "support/Attente.h"
#include "support/AttenteLecteurs.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <functional>
#include <memory>
#include <optional>
#include <sys/stat.h>
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
    return dernierNombre(commandeAttendue(l, r, "volume"), R"(audio volume: (-?\d+))");
}

int temps(LecteursVlc& l, RoleLecteur r)
{
    return dernierNombre(commandeAttendue(l, r, "get_time"), R"((?:^|\n)(\d+)\r?\n)");
}

bool joue(LecteursVlc& l, RoleLecteur r)
{
    return commandeAttendue(l, r, "is_playing").contains(QRegularExpression(R"((^|\n)1\r?\n)"));
}

bool enPause(LecteursVlc& l, RoleLecteur r)
{
    return commandeAttendue(l, r, "status").contains("Type 'pause' to continue.");
}

// Whether that process is stopped (SIGSTOP).
bool arrete(qint64 pid)
{
    QFile f(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray stat = f.readAll();
    const qsizetype fin = stat.lastIndexOf(')');
    return fin > 0 && stat.size() > fin + 2 && stat[fin + 2] == 'T';
}

// The report of one keystroke, as it comes: its value, when, and how many times.
struct Touche {
    std::optional<bool> recu;
    int fois = 0;
    qint64 apresMs = -1;
};
std::shared_ptr<Touche> envoyer(LecteursVlc& l, RoleLecteur r, const QString& action)
{
    auto t = std::make_shared<Touche>();
    auto chrono = std::make_shared<QElapsedTimer>();
    chrono->start();
    l.envoyerTouche(r, action, Suite<bool>([t, chrono](bool recu) {
        t->recu = recu;
        ++t->fois;
        t->apresMs = chrono->elapsed();
    }));
    return t;
}

// The same for closes.
struct Fin {
    int fois = 0;
    qint64 apresMs = -1;
};
std::shared_ptr<Fin> suivre(std::function<void(Suite<>)> fermer)
{
    auto f = std::make_shared<Fin>();
    auto chrono = std::make_shared<QElapsedTimer>();
    chrono->start();
    fermer(Suite<>([f, chrono] {
        ++f->fois;
        f->apresMs = chrono->elapsed();
    }));
    return f;
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
    const QString socket = lecteurs.cheminSocket(R);
    EXPECT_TRUE(QFileInfo(socket).fileName().startsWith(lecteurs.prefixeSockets() + "Regarder-"));
    EXPECT_TRUE(lecteurs.enCours(R));
    EXPECT_FALSE(lecteurs.aucunEnCours());
    EXPECT_TRUE(processusActif(pid));
    const QString jeton = QFileInfo(socket).completeBaseName().section('-', -1);
    EXPECT_EQ(lire(lecteurs.fichierPids()), QString("%1 Regarder %2\n").arg(pid).arg(jeton));
    ASSERT_TRUE(attendreQue([&] { return joue(lecteurs, R); }, 15000));

    // Volume up, as the Ctrl+Up key of the remote does. The key only acts once the audio
    // output is up (a loaded machine takes a while): until then the volume reads 0.
    ASSERT_TRUE(attendreQue([&] { return volume(lecteurs, R) > 0; }, 15000));
    const int avant = volume(lecteurs, R);
    EXPECT_TRUE(toucheAttendue(lecteurs, R, "key-vol-up"));
    EXPECT_TRUE(attendreQue([&] { return volume(lecteurs, R) > avant; }, 10000));

    // The key takes once a picture is out; a loaded machine may need it again.
    const auto photo = [&] { return !QDir(photos).entryList({"vlcsnap-*"}, QDir::Files).isEmpty(); };
    bool prise = false;
    for (int essai = 0; essai < 4 && !prise; ++essai) {
        EXPECT_TRUE(toucheAttendue(lecteurs, R, "key-snapshot"));
        prise = attendreQue(photo, 5000);
    }
    EXPECT_TRUE(prise) << "no snapshot after four snapshot keys";

    // A second command smuggled after a line break never reaches the player.
    EXPECT_FALSE(toucheAttendue(lecteurs, R, "key-vol-up\nquit"));
    EXPECT_EQ(commandeAttendue(lecteurs, R, "status\nquit"), "");
    laisserTourner(500);
    EXPECT_TRUE(lecteurs.enCours(R));

    EXPECT_TRUE(toucheAttendue(lecteurs, R, "key-play-pause"));
    EXPECT_TRUE(attendreQue([&] { return enPause(lecteurs, R); }, 5000));
    const int arret = temps(lecteurs, R);
    laisserTourner(2000);
    EXPECT_EQ(temps(lecteurs, R), arret) << "the paused player's clock moved";
    EXPECT_TRUE(toucheAttendue(lecteurs, R, "key-play-pause"));
    EXPECT_TRUE(attendreQue([&] { return temps(lecteurs, R) > arret; }, 5000));

    // The close returns at once; the player no longer counts from then on.
    QElapsedTimer chrono;
    chrono.start();
    const auto fin = suivre([&](Suite<> f) { lecteurs.fermer(R, std::move(f)); });
    EXPECT_LT(chrono.elapsed(), kAppelImmediatMs) << "the close waited for the player";
    EXPECT_EQ(fin->fois, 0) << "told inside the call";
    EXPECT_FALSE(lecteurs.enCours(R));
    EXPECT_TRUE(lecteurs.aucunEnCours());
    EXPECT_EQ(lecteurs.cheminSocket(R), "");
    ASSERT_TRUE(attendreQue([&] { return fin->fois > 0; }, 6000));
    EXPECT_LT(fin->apresMs, 2900) << "a player that quits when asked is not waited for to the bound";
    EXPECT_FALSE(processusActif(pid));
    EXPECT_FALSE(QFile::exists(socket));
    EXPECT_FALSE(QFile::exists(lecteurs.fichierPids()));
    EXPECT_FALSE(toucheAttendue(lecteurs, R, "key-vol-up"));
    laisserTourner(200);
    EXPECT_EQ(fin->fois, 1);
}

TEST_F(LecteursVlcE2E, HiddenPlayersAreDrivenReplacedAndForgottenWhenTheyQuit)
{
    const RoleLecteur F = RoleLecteur::Fichier;
    const RoleLecteur E = RoleLecteur::Enregistreur;
    LecteursVlc lecteurs(dossier_.path());

    ASSERT_TRUE(lecteurs.demarrer(F, "vlc", cache(ts())));
    const qint64 premier = lecteurs.pid(F);
    const QString premierSocket = lecteurs.cheminSocket(F);
    ASSERT_TRUE(attendreQue([&] { return joue(lecteurs, F); }, 15000));
    EXPECT_TRUE(toucheAttendue(lecteurs, F, "key-play-pause"));
    EXPECT_TRUE(attendreQue([&] { return enPause(lecteurs, F); }, 5000));
    const int arret = temps(lecteurs, F);
    laisserTourner(2000);
    EXPECT_EQ(temps(lecteurs, F), arret);
    EXPECT_FALSE(toucheAttendue(lecteurs, E, "key-play-pause")) << "no player has that role";

    // A new player of the same role replaces the running one, which goes in the
    // background: the new one has a socket of its own and takes keys meanwhile.
    QElapsedTimer chrono;
    chrono.start();
    ASSERT_TRUE(lecteurs.demarrer(F, "vlc", cache(ts())));
    EXPECT_LT(chrono.elapsed(), kAppelImmediatMs) << "the start waited for the player it replaces";
    const qint64 second = lecteurs.pid(F);
    EXPECT_NE(second, premier);
    EXPECT_NE(lecteurs.cheminSocket(F), premierSocket);
    EXPECT_TRUE(processusActif(second));
    EXPECT_TRUE(toucheAttendue(lecteurs, F, "key-vol-up"));
    EXPECT_TRUE(attendreQue([&] { return !processusActif(premier); }, 5000));
    EXPECT_TRUE(attendreQue([&] { return lecteurs.departsEnCours() == 0; }, 5000));
    EXPECT_FALSE(QFile::exists(premierSocket));

    ASSERT_TRUE(lecteurs.demarrer(E, "vlc", cache(ts())));
    const qint64 enregistreur = lecteurs.pid(E);
    const auto jeton = [&](RoleLecteur r) { return QFileInfo(lecteurs.cheminSocket(r)).completeBaseName().section('-', -1); };
    EXPECT_EQ(lire(lecteurs.fichierPids()), QString("%1 Fichier %2\n%3 Enregistreur %4\n")
                                                .arg(second).arg(jeton(F)).arg(enregistreur).arg(jeton(E)));

    // A player that quits by itself is no longer counted.
    ASSERT_TRUE(attendreQue([&] { return joue(lecteurs, F); }, 15000));
    commandeAttendue(lecteurs, F, "quit", 500);
    EXPECT_TRUE(attendreQue([&] { return !lecteurs.enCours(F); }, 5000));
    EXPECT_FALSE(lecteurs.aucunEnCours());
    EXPECT_EQ(lire(lecteurs.fichierPids()), QString("%1 Enregistreur %2\n").arg(enregistreur).arg(jeton(E)));

    EXPECT_TRUE(fermetureAttendue(lecteurs));
    EXPECT_TRUE(lecteurs.aucunEnCours());
    EXPECT_FALSE(processusActif(enregistreur));
    EXPECT_FALSE(QFile::exists(lecteurs.fichierPids()));
}

TEST_F(LecteursVlcE2E, ThePlayersSocketIsInAFolderOfTheUserAloneAndGoesWhenThePlayerDies)
{
    const RoleLecteur F = RoleLecteur::Fichier;
    LecteursVlc lecteurs(dossier_.path());
    ASSERT_TRUE(lecteurs.demarrer(F, "vlc", cache(ts())));
    const QString socket = lecteurs.cheminSocket(F);
    ASSERT_TRUE(attendreQue([&] { return joue(lecteurs, F); }, 15000));
    struct stat dossier {}, fichier {};
    ASSERT_EQ(::lstat(QFile::encodeName(QFileInfo(socket).absolutePath()).constData(), &dossier), 0);
    EXPECT_TRUE(S_ISDIR(dossier.st_mode));
    EXPECT_EQ(dossier.st_uid, ::getuid());
    EXPECT_EQ(dossier.st_mode & 0777, 0700u);
    ASSERT_EQ(::lstat(QFile::encodeName(socket).constData(), &fichier), 0);
    EXPECT_TRUE(S_ISSOCK(fichier.st_mode));

    // Killed from outside (as a crash would end it): the player cannot remove its socket.
    ::kill(pid_t(lecteurs.pid(F)), SIGKILL);
    ASSERT_TRUE(attendreQue([&] { return !lecteurs.enCours(F); }, 5000));
    EXPECT_FALSE(QFileInfo(socket).exists() || QFileInfo(socket).isSymLink()) << socket.toStdString();
    EXPECT_TRUE(lecteurs.aucunEnCours());
}

TEST_F(LecteursVlcE2E, AKeyIsTakenOnlyWhenThePlayerAnswers)
{
    const RoleLecteur F = RoleLecteur::Fichier;
    LecteursVlc lecteurs(dossier_.path());

    // Sent right after the start, while the player does not listen yet: it waits for it.
    ASSERT_TRUE(lecteurs.demarrer(F, "vlc", cache(ts())));
    const qint64 pid = lecteurs.pid(F);
    const auto premiere = envoyer(lecteurs, F, "key-vol-up");
    EXPECT_EQ(premiere->fois, 0) << "told inside the call";
    ASSERT_TRUE(attendreQue([&] { return premiere->fois > 0; }, 5000));
    EXPECT_EQ(premiere->recu, std::optional<bool>(true));

    // Several keys on their way at once: the player serves them one after the other.
    std::vector<std::shared_ptr<Touche>> touches;
    for (int i = 0; i < 4; ++i)
        touches.push_back(envoyer(lecteurs, F, "key-vol-down"));
    ASSERT_TRUE(attendreQue([&] {
        return std::all_of(touches.begin(), touches.end(), [](const auto& t) { return t->fois > 0; });
    }, 8000));
    for (const auto& t : touches)
        EXPECT_EQ(t->recu, std::optional<bool>(true));

    // A hung player still takes the connection (the kernel queues it) but never answers.
    ASSERT_EQ(::kill(pid_t(pid), SIGSTOP), 0);
    ASSERT_TRUE(attendreQue([&] { return arrete(pid); }, 2000));
    const auto sourde = envoyer(lecteurs, F, "key-play-pause");
    ASSERT_TRUE(attendreQue([&] { return sourde->fois > 0; }, 5000));
    EXPECT_EQ(sourde->recu, std::optional<bool>(false));
    EXPECT_GE(sourde->apresMs, LecteursVlc::kAttenteToucheMs - 100);
    EXPECT_LT(sourde->apresMs, LecteursVlc::kAttenteToucheMs + 1000);

    // Woken up, it answers again.
    ASSERT_EQ(::kill(pid_t(pid), SIGCONT), 0);
    laisserTourner(300);
    EXPECT_TRUE(toucheAttendue(lecteurs, F, "key-vol-up"));
    laisserTourner(200);
    EXPECT_EQ(premiere->fois + sourde->fois, 2) << "a report came twice";
    EXPECT_TRUE(fermetureAttendue(lecteurs));
}

TEST_F(LecteursVlcE2E, AHungPlayerIsKilledAtTheBoundAndEveryCloseIsToldOnce)
{
    const RoleLecteur F = RoleLecteur::Fichier;
    const RoleLecteur E = RoleLecteur::Enregistreur;
    LecteursVlc lecteurs(dossier_.path());
    ASSERT_TRUE(lecteurs.demarrer(F, "vlc", cache(ts())));
    ASSERT_TRUE(lecteurs.demarrer(E, "vlc", cache(ts())));
    const qint64 fichier = lecteurs.pid(F), enregistreur = lecteurs.pid(E);
    const QString socketFige = lecteurs.cheminSocket(E);
    ASSERT_TRUE(attendreQue([&] { return joue(lecteurs, F) && joue(lecteurs, E); }, 15000));
    ASSERT_EQ(::kill(pid_t(enregistreur), SIGSTOP), 0);
    ASSERT_TRUE(attendreQue([&] { return arrete(enregistreur); }, 2000));

    // Four closes at once: one per player, one of every player, one of a role with none.
    const auto finFichier = suivre([&](Suite<> f) { lecteurs.fermer(F, std::move(f)); });
    const auto finFige = suivre([&](Suite<> f) { lecteurs.fermer(E, std::move(f)); });
    const auto finTous = suivre([&](Suite<> f) { lecteurs.fermerTous(std::move(f)); });
    const auto finAucun = suivre([&](Suite<> f) { lecteurs.fermer(RoleLecteur::Regarder, std::move(f)); });
    EXPECT_EQ(finFichier->fois + finFige->fois + finTous->fois + finAucun->fois, 0) << "told inside the call";
    EXPECT_TRUE(lecteurs.aucunEnCours());
    EXPECT_EQ(lecteurs.departsEnCours(), 2);
    // Still listed while on their way out: a crash now leaves the next run something to close.
    EXPECT_EQ(lire(lecteurs.fichierPids()).count('\n'), 2);

    ASSERT_TRUE(attendreQue([&] { return finAucun->fois > 0; }, 1000));
    ASSERT_TRUE(attendreQue([&] { return finFichier->fois > 0; }, 5000));
    EXPECT_LT(finFichier->apresMs, 2900);
    EXPECT_FALSE(processusActif(fichier));
    EXPECT_EQ(finFige->fois + finTous->fois, 0) << "told while the hung player is still there";

    // The hung player is killed at the bound, then the closes that wait for it are told.
    ASSERT_TRUE(attendreQue([&] { return finTous->fois > 0 && finFige->fois > 0; }, 6000));
    EXPECT_GE(finFige->apresMs, LecteursVlc::kAttentePolieMs - 50);
    EXPECT_LT(finFige->apresMs, LecteursVlc::kAttentePolieMs + LecteursVlc::kAttenteForceeMs + 500);
    EXPECT_FALSE(processusActif(enregistreur));
    EXPECT_FALSE(QFile::exists(socketFige)) << "the killed player's socket is left behind";
    EXPECT_FALSE(QFile::exists(lecteurs.fichierPids()));
    EXPECT_EQ(lecteurs.departsEnCours(), 0);

    laisserTourner(300);
    EXPECT_EQ(finFichier->fois, 1);
    EXPECT_EQ(finFige->fois, 1);
    EXPECT_EQ(finTous->fois, 1);
    EXPECT_EQ(finAucun->fois, 1);
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
    QElapsedTimer chrono;
    chrono.start();
    lecteurs.fermerRestes();
    EXPECT_LT(chrono.elapsed(), kAppelImmediatMs) << "the leftovers' close held its caller";
    EXPECT_TRUE(lecteurs.aucunEnCours());
    EXPECT_TRUE(attendreQue([&] { return !processusActif(reste); }, 5000));
    EXPECT_TRUE(attendreQue([&] { return !QFile::exists(lecteurs.fichierPids()); }, 2000));
    EXPECT_TRUE(processusActif(etranger));

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

namespace {
// A stand-in player: a shell script, our control socket among its arguments like vlc's.
QString scriptLecteur(const QTemporaryDir& dossier, const QString& nom, const QByteArray& corps)
{
    const QString chemin = dossier.filePath(nom);
    QFile f(chemin);
    if (!f.open(QIODevice::WriteOnly))
        return {};
    f.write("#!/bin/sh\n" + corps);
    f.close();
    f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return chemin;
}
}  // namespace

TEST(LecteursVlcProcessus, AReplacedPlayerGoesInTheBackgroundAndStaysListedUntilGone)
{
    QTemporaryDir dossier;
    ASSERT_TRUE(dossier.isValid());
    const QString tetu = scriptLecteur(dossier, "tetu", "trap '' TERM\nwhile :; do sleep 0.1; done\n");
    LecteursVlc lecteurs(dossier.path());
    const RoleLecteur R = RoleLecteur::Regarder;

    ASSERT_TRUE(lecteurs.demarrer(R, tetu, {"--", "x.ts"}));
    const qint64 ancien = lecteurs.pid(R);
    const QString ancienSocket = lecteurs.cheminSocket(R);
    laisserTourner(300);
    QElapsedTimer chrono;
    chrono.start();
    ASSERT_TRUE(lecteurs.demarrer(R, tetu, {"--", "x.ts"}));
    EXPECT_LT(chrono.elapsed(), kAppelImmediatMs) << "the start waited for the player it replaces";
    const qint64 nouveau = lecteurs.pid(R);
    EXPECT_NE(nouveau, ancien);
    EXPECT_NE(lecteurs.cheminSocket(R), ancienSocket);
    EXPECT_TRUE(processusActif(ancien));
    EXPECT_EQ(lecteurs.departsEnCours(), 1);
    const QString fichier = lire(lecteurs.fichierPids());
    EXPECT_TRUE(fichier.startsWith(QString("%1 Regarder ").arg(nouveau))) << fichier.toStdString();
    EXPECT_TRUE(fichier.contains(QString("\n%1 Regarder ").arg(ancien))) << fichier.toStdString();

    // A close of the role also waits for the one still on its way out.
    const auto fin = suivre([&](Suite<> f) { lecteurs.fermer(R, std::move(f)); });
    ASSERT_TRUE(attendreQue([&] { return fin->fois > 0; }, 6000));
    EXPECT_FALSE(processusActif(ancien));
    EXPECT_FALSE(processusActif(nouveau));
    EXPECT_FALSE(QFile::exists(lecteurs.fichierPids()));
    EXPECT_FALSE(QFile::exists(ancienSocket));
}
