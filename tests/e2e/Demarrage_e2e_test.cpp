// The real program under Xvfb against the simulated box: first start, close, second start.
#include "support/Attente.h"
#include "support/FauxBoitier.h"
#include "support/Xdotool.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {
QString sortieXdotool(const QStringList& args)
{
    QString sortie;
    xdotool(args, &sortie);
    return sortie;
}

// Id of the first visible window of that process whose title matches, waiting up to ms.
// Other tests may show their own windows on the same display meanwhile. xdotool's own
// match also looks at other names of a window, so the title is checked again here.
QString attendreFenetre(const QProcess& processus, const QString& motif, int ms)
{
    const QString pid = QString::number(processus.processId());
    const QRegularExpression titre(motif);
    QString trouvee;
    attendreQue(
        [&] {
            const QStringList ids = sortieXdotool({"search", "--onlyvisible", "--pid", pid, "--name", motif}).split('\n');
            for (const QString& id : ids)
                if (!id.isEmpty() && titre.match(sortieXdotool({"getwindowname", id})).hasMatch())
                    trouvee = id;
            return !trouvee.isEmpty();
        },
        ms);
    return trouvee;
}

QByteArray lire(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Descriptors from 3 up that the process hands down to the programs it starts: those
// without close-on-exec, with what they are.
QMap<int, QString> descripteursTransmis(qint64 pid)
{
    QMap<int, QString> transmis;
    const QString dossier = QString("/proc/%1/fdinfo").arg(pid);
    for (const QString& nom : QDir(dossier).entryList(QDir::Files)) {
        const int fd = nom.toInt();
        if (fd < 3)
            continue;
        for (const QByteArray& ligne : lire(dossier + "/" + nom).split('\n'))
            if (ligne.startsWith("flags:") && !(ligne.mid(6).trimmed().toUInt(nullptr, 8) & 02000000))
                transmis[fd] = QFile::symLinkTarget(QString("/proc/%1/fd/%2").arg(pid).arg(fd));
    }
    return transmis;
}

class ProgrammeReel : public testing::Test {
protected:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            GTEST_SKIP() << "needs an X display (run under xvfb-run)";
        ASSERT_TRUE(boitier.demarre());
        env = QProcessEnvironment::systemEnvironment();
        env.insert("KELMOR_HOME", home.path());
        env.insert("KELMOR_BOX", boitier.hote());
        env.insert("KELMOR_SITE", boitier.hote() + "/site");
        env.insert("KELMOR_PLAYER_HOST", "127.0.0.1");
        env.remove("QT_QPA_PLATFORM");
    }

    void lancer()
    {
        programme.setProcessEnvironment(env);
        programme.setProgram(QStringLiteral(KELMOR_BINARY_DIR) + "/kelmor");
        programme.start();
        ASSERT_TRUE(programme.waitForStarted(5000));
    }

    // Ends the program the way the session's end does: no question, everything saved.
    void terminer()
    {
        programme.terminate();
        ASSERT_TRUE(attendreFin(programme, 15000));
        EXPECT_EQ(programme.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(programme.exitCode(), 0);
    }

    void TearDown() override
    {
        if (programme.state() != QProcess::NotRunning) {
            programme.kill();
            programme.waitForFinished(3000);
        }
    }

    FauxBoitier boitier;
    QTemporaryDir home;
    QProcessEnvironment env;
    QProcess programme;
};
}  // namespace

TEST_F(ProgrammeReel, FirstStartDownloadsTheListThenASecondStartKeepsTheSettings)
{
    const QString ini = home.path() + "/Kelmor.ini";
    lancer();

    // No channel list yet: the program asks, and Yes (the default button) downloads it.
    const QString question = attendreFenetre(programme, "^Kelmor$", 20000);
    ASSERT_FALSE(question.isEmpty()) << "the download question did not show";
    xdotool({"windowfocus", "--sync", question});
    xdotool({"key", "Return"});

    ASSERT_FALSE(attendreFenetre(programme, "^Kelmor - [0-9][0-9]:[0-9][0-9]$", 20000).isEmpty());
    EXPECT_TRUE(lire(home.path() + "/Kelmor.cfg").startsWith("#EXTM3U"));
    QByteArray ecrit = lire(ini);
    EXPECT_TRUE(ecrit.startsWith("VERS=Version 1.4\n"));
    EXPECT_TRUE(ecrit.contains("\nCHA1=France 2\n"));
    terminer();

    // Remember another channel; the second start must find it and write it back.
    ecrit = lire(ini);
    ecrit.replace("\nCHA0=0\n", "\nCHA0=1\n").replace("\nCHA1=France 2\n", "\nCHA1=Ciné Été\n");
    QFile f(ini);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(ecrit);
    f.close();

    lancer();
    ASSERT_FALSE(attendreFenetre(programme, "^Kelmor - [0-9][0-9]:[0-9][0-9]$", 20000).isEmpty());
    EXPECT_TRUE(attendreFenetre(programme, "^Kelmor$", 500).isEmpty()) << "no question on a second start";
    terminer();
    const QByteArray relu = lire(ini);
    EXPECT_TRUE(relu.contains("\nCHA0=1\n"));
    EXPECT_TRUE(relu.contains("\nCHA1=Ciné Été\n"));
    EXPECT_EQ(relu, ecrit);
}

TEST_F(ProgrammeReel, ASecondCopySaysSoAndEnds)
{
    QFile cfg(home.path() + "/Kelmor.cfg");
    ASSERT_TRUE(cfg.open(QIODevice::WriteOnly));
    cfg.write("#EXTM3U\n#EXTINF:0,2 - France 2\nhttp://127.0.0.1:1/stream/2.ts\n");
    cfg.close();
    lancer();
    ASSERT_FALSE(attendreFenetre(programme, "^Kelmor - ", 20000).isEmpty());

    QProcess second;
    second.setProcessEnvironment(env);
    second.start(QStringLiteral(KELMOR_BINARY_DIR) + "/kelmor", {});
    const QString message = attendreFenetre(second, "^Kelmor$", 20000);
    ASSERT_FALSE(message.isEmpty());
    xdotool({"windowfocus", "--sync", message});
    xdotool({"key", "Return"});
    ASSERT_TRUE(attendreFin(second, 10000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(programme.state(), QProcess::Running);
    terminer();
}

TEST_F(ProgrammeReel, MiniStartsInTheRemoteControlFormAndMtopKeepsItOnTop)
{
    auto ecrire = [this](const QString& nom, const QByteArray& texte) {
        QFile f(home.path() + "/" + nom);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(texte);
    };
    ecrire("Kelmor.cfg", "#EXTM3U\n#EXTINF:0,2 - France 2\nhttp://127.0.0.1:1/stream/2.ts\n");
    for (const char* mtop : {"1", "0"}) {
        ecrire("Kelmor.ini", QByteArray("MINI=1\nMTOP=") + mtop + "\n");
        lancer();
        const QString fenetre = attendreFenetre(programme, "^Kelmor - ", 20000);
        ASSERT_FALSE(fenetre.isEmpty());
        EXPECT_TRUE(sortieXdotool({"getwindowgeometry", fenetre}).contains("Geometry: 191x529")) << mtop;
        QProcess xprop;
        xprop.start("xprop", {"-id", fenetre, "_NET_WM_STATE"});
        ASSERT_TRUE(xprop.waitForFinished(5000));
        const bool dessus = xprop.readAllStandardOutput().contains("_NET_WM_STATE_ABOVE");
        EXPECT_EQ(dessus, QByteArray(mtop) == "1");
        terminer();
    }
}

TEST_F(ProgrammeReel, TheRemoteControlFormComesBackWhereItWasLeftUnderAWindowManager)
{
    GestionnaireFenetres gestionnaire;
    ASSERT_TRUE(gestionnaire.demarre()) << "openbox is installed by scripts/install-deps";
    auto ecrire = [this](const QString& nom, const QByteArray& texte) {
        QFile f(home.path() + "/" + nom);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(texte);
    };
    const auto position = [this] {
        const QByteArray ini = lire(home.path() + "/Kelmor.ini");
        const auto valeur = [&ini](const QByteArray& cle) {
            const qsizetype i = ini.indexOf("\n" + cle + "=");
            return i < 0 ? QByteArray() : ini.mid(i + cle.size() + 2, ini.indexOf('\n', i + 1) - i - cle.size() - 2);
        };
        return valeur("POS1") + "," + valeur("POS2");
    };
    ecrire("Kelmor.cfg", "#EXTM3U\n#EXTINF:0,2 - France 2\nhttp://127.0.0.1:1/stream/2.ts\n");
    ecrire("Kelmor.ini", "MINI=1\nMTOP=1\nPOS0=1\nPOS1=3000\nPOS2=2250\n");
    // Three starts: the frame stands where it was left each time.
    for (int depart = 1; depart <= 3; ++depart) {
        lancer();
        const QString fenetre = attendreFenetre(programme, "^Kelmor - ", 20000);
        ASSERT_FALSE(fenetre.isEmpty());
        // Framed by the window manager, then ended as the session's end does.
        attendreQue([] { return false; }, 500);
        terminer();
        EXPECT_EQ(position().toStdString(), "3000,2250") << "start " << depart;
    }
}

TEST_F(ProgrammeReel, ABoxThatNeverAnswersHoldsTheStartOnlyBriefly)
{
    QFile cfg(home.path() + "/Kelmor.cfg");
    ASSERT_TRUE(cfg.open(QIODevice::WriteOnly));
    cfg.write("#EXTM3U\n#EXTINF:0,2 - France 2\nhttp://127.0.0.1:1/stream/2.ts\n");
    cfg.close();
    QFile ini(home.path() + "/Kelmor.ini");
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("CFGA=1\nTRAN=0\n");
    ini.close();
    ASSERT_TRUE(boitier.definirModePlaylist("silent"));

    QElapsedTimer chrono;
    chrono.start();
    lancer();
    // The stored list is only checked: the window shows after the short wait, not a download's.
    ASSERT_FALSE(attendreFenetre(programme, "^Kelmor - ", 20000).isEmpty());
    EXPECT_LT(chrono.elapsed(), 10000);
    EXPECT_GE(chrono.elapsed(), 2500);
    terminer();
    EXPECT_TRUE(lire(home.path() + "/Kelmor.cfg").contains("France 2"));
}

TEST_F(ProgrammeReel, TheProgramHandsNoDescriptorOfItsOwnDownToTheProgramsItStarts)
{
    QFile cfg(home.path() + "/Kelmor.cfg");
    ASSERT_TRUE(cfg.open(QIODevice::WriteOnly));
    cfg.write("#EXTM3U\n#EXTINF:0,2 - France 2\nhttp://127.0.0.1:1/stream/2.ts\n");
    cfg.close();
    // What the program got from this test it passes on as it got it.
    const QMap<int, QString> herites = descripteursTransmis(QCoreApplication::applicationPid());
    lancer();
    ASSERT_FALSE(attendreFenetre(programme, "^Kelmor - ", 20000).isEmpty());
    QMap<int, QString> siens = descripteursTransmis(programme.processId());
    for (auto it = herites.begin(); it != herites.end(); ++it)
        siens.remove(it.key());
    QStringList liste;
    for (auto it = siens.begin(); it != siens.end(); ++it)
        liste << QString("%1 %2").arg(it.key()).arg(it.value());
    EXPECT_TRUE(siens.isEmpty()) << liste.join(", ").toStdString();
    terminer();
}

TEST_F(ProgrammeReel, AnAutostartEntryThatCannotBeWrittenIsToldOnTheStandardErrorWhenASignalEndsTheProgram)
{
    QFile cfg(home.path() + "/Kelmor.cfg");
    ASSERT_TRUE(cfg.open(QIODevice::WriteOnly));
    cfg.write("#EXTM3U\n#EXTINF:0,2 - France 2\nhttp://127.0.0.1:1/stream/2.ts\n");
    cfg.close();
    QFile ini(home.path() + "/Kelmor.ini");
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("AUTO=1\nTRAN=0\n");
    ini.close();
    // The configuration folder lies under a plain file: no folder can be made there.
    QFile fichier(home.path() + "/fichier");
    ASSERT_TRUE(fichier.open(QIODevice::WriteOnly));
    fichier.close();
    env.insert("XDG_CONFIG_HOME", home.path() + "/fichier/config");
    lancer();
    ASSERT_FALSE(attendreFenetre(programme, "^Kelmor - ", 20000).isEmpty());

    // A stop signal may come with nobody to read a box: the failure goes to the standard
    // error output, and the program does not wait for anyone.
    programme.terminate();
    ASSERT_TRUE(attendreFin(programme, 10000));
    EXPECT_EQ(programme.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(programme.exitCode(), 0);
    const QString erreurs = QString::fromLocal8Bit(programme.readAllStandardError());
    EXPECT_TRUE(erreurs.contains("Le lancement automatique de Kelmor n'a pas pu") && erreurs.contains("Kelmor.desktop"))
        << erreurs.toStdString();
    EXPECT_TRUE(lire(home.path() + "/Kelmor.ini").contains("\nAUTO=1\n"));
}

TEST_F(ProgrammeReel, AStopSignalWithABoxOpenEndsWithinTheBoundAndFreesTheLock)
{
    QFile cfg(home.path() + "/Kelmor.cfg");
    ASSERT_TRUE(cfg.open(QIODevice::WriteOnly));
    cfg.write("#EXTM3U\n#EXTINF:0,2 - France 2\nhttp://127.0.0.1:1/stream/2.ts\n");
    cfg.close();
    // Settings of an older version: start-up asks whether to deinterlace, and nobody answers.
    QFile ini(home.path() + "/Kelmor.ini");
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("VERS=Version 1.3\nINTR=0\n");
    ini.close();
    lancer();
    ASSERT_FALSE(attendreFenetre(programme, "^Kelmor - ", 20000).isEmpty());
    ASSERT_FALSE(attendreFenetre(programme, "^Kelmor$", 20000).isEmpty()) << "the question did not show";

    QElapsedTimer duree;
    duree.start();
    programme.terminate();
    ASSERT_TRUE(attendreFin(programme, 15000));
    EXPECT_LT(duree.elapsed(), 7000) << "the players' bound and a little more";
    EXPECT_EQ(programme.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(programme.exitCode(), 0);
    // The unanswered question is said where it can still be read; the settings were saved.
    const QString erreurs = QString::fromLocal8Bit(programme.readAllStandardError());
    EXPECT_TRUE(erreurs.contains("Vous n'utilisez actuellement pas le d")) << erreurs.toStdString();
    EXPECT_TRUE(lire(home.path() + "/Kelmor.ini").contains("\nINTR=0\n"));

    // The lock went with it: a new start is no second copy.
    lancer();
    ASSERT_FALSE(attendreFenetre(programme, "^Kelmor - ", 20000).isEmpty());
    terminer();
}
