// The command lines of our players, run by the real vlc.
#include "engine/CommandesLecteur.h"
#include "platform/reel/LecteursVlc.h"
#include "support/FauxBoitier.h"
#include "support/Attente.h"
#include "support/AttenteLecteurs.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QNetworkDatagram>
#include <QUdpSocket>
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <unistd.h>

namespace {
bool processusActif(qint64 pid)
{
    QFile f(QStringLiteral("/proc/%1/stat").arg(pid));
    if (pid <= 1 || !f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray stat = f.readAll();
    const qsizetype fin = stat.lastIndexOf(')');
    return fin > 0 && stat.size() > fin + 2 && stat[fin + 2] != 'Z';
}

bool joue(LecteursVlc& l, RoleLecteur r)
{
    return commandeAttendue(l, r, "is_playing").contains(QRegularExpression(R"((^|\n)1\r?\n)"));
}

// The names on the session bus of DBUS_SESSION_BUS_ADDRESS.
QString nomsDuBus()
{
    QProcess p;
    p.start("dbus-send", {"--session", "--print-reply", "--dest=org.freedesktop.DBus", "/org/freedesktop/DBus",
                          "org.freedesktop.DBus.ListNames"});
    p.waitForFinished(5000);
    return QString::fromUtf8(p.readAllStandardOutput());
}
}  // namespace

class CommandesLecteurE2E : public testing::Test {
protected:
    void SetUp() override
    {
        if (::geteuid() == 0)
            GTEST_SKIP() << "vlc refuses to run as root: run the end-to-end tests as an unprivileged user";
        ASSERT_TRUE(dossier_.isValid());
        ASSERT_TRUE(boitier_.demarre());
        ASSERT_TRUE(boitier_.attendreMedia(30000));
    }
    void TearDown() override
    {
        if (lecteurs_) {
            EXPECT_TRUE(fermetureAttendue(*lecteurs_));
        }
        if (autreVlc_.state() != QProcess::NotRunning) {
            autreVlc_.terminate();
            if (!autreVlc_.waitForFinished(5000))
                autreVlc_.kill();
        }
        if (bus_.state() != QProcess::NotRunning) {
            bus_.kill();
            bus_.waitForFinished(3000);
        }
        if (busAvant_)
            qputenv("DBUS_SESSION_BUS_ADDRESS", *busAvant_);
        else
            qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    }

    // A session bus of our own, as every desktop has one; the players started from now on use it.
    bool demarrerBus()
    {
        busAvant_ = qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS")
                        ? std::optional<QByteArray>(qgetenv("DBUS_SESSION_BUS_ADDRESS"))
                        : std::nullopt;
        bus_.start("dbus-daemon", {"--session", "--nofork", "--print-address=1"});
        if (!bus_.waitForStarted(5000))
            return false;
        QByteArray adresse;
        attendreQue([&] {
            adresse += bus_.readAllStandardOutput();
            return adresse.contains('\n');
        }, 5000);
        adresse = adresse.trimmed();
        if (adresse.isEmpty())
            return false;
        qputenv("DBUS_SESSION_BUS_ADDRESS", adresse);
        return true;
    }

    LecteursVlc& lecteurs()
    {
        if (!lecteurs_)
            lecteurs_ = std::make_unique<LecteursVlc>(dossier_.path());
        return *lecteurs_;
    }

    QTemporaryDir dossier_;
    FauxBoitier boitier_;
    QProcess bus_, autreVlc_;
    std::optional<QByteArray> busAvant_;
    std::unique_ptr<LecteursVlc> lecteurs_;
};

TEST_F(CommandesLecteurE2E, OurWatchingPlayerKeepsItsChannelWhenAnotherVlcRunsOnTheSessionBus)
{
    if (QStandardPaths::findExecutable("dbus-daemon").isEmpty())
        GTEST_SKIP() << "dbus-daemon is not installed";
    ASSERT_TRUE(demarrerBus());

    // The user's own vlc, in single-instance mode: it owns the bus name that others hand over to.
    autreVlc_.start("vlc", {"-I", "dummy", "--one-instance", "--vout=dummy", "--aout=dummy", "--loop", "--",
                            boitier_.url("/stream/2.ts")});
    ASSERT_TRUE(autreVlc_.waitForStarted(5000));
    ASSERT_TRUE(attendreQue([] { return nomsDuBus().contains("\"org.mpris.MediaPlayer2.vlc\""); }, 20000));

    // Our player in single-instance mode (MONO ticked), started from the settings' command line.
    const QString dossier = dossier_.path() + "/";
    const QStringList commande =
        CommandeRegarder(OptionsVLC(dossier, 100), Parametres{}, boitier_.url("/stream/1.ts"), false, "x");
    ASSERT_FALSE(commande.isEmpty());
    ASSERT_TRUE(lecteurs().demarrer(RoleLecteur::Regarder, "vlc", commande));
    const qint64 pid = lecteurs().pid(RoleLecteur::Regarder);
    EXPECT_TRUE(attendreQue([&] { return joue(lecteurs(), RoleLecteur::Regarder); }, 20000))
        << "our player handed its channel over and quit";
    // A hand-over would end our player within seconds: wait for that end, which must not come.
    EXPECT_FALSE(attendreQue([&] { return !processusActif(pid) || !lecteurs().enCours(RoleLecteur::Regarder); }, 3000))
        << "our player ended: it handed its channel over";
    EXPECT_TRUE(processusActif(pid));
    EXPECT_TRUE(lecteurs().enCours(RoleLecteur::Regarder));
    EXPECT_EQ(autreVlc_.state(), QProcess::Running);
    // Nor does it take a name on the bus: no vlc of the user's can hand its files to ours.
    EXPECT_FALSE(nomsDuBus().contains(QString("org.mpris.MediaPlayer2.vlc.instance%1").arg(pid)));
}

TEST_F(CommandesLecteurE2E, ARecordingGoesIntoAFolderWhoseNameHoldsChainSyntax)
{
    const QString dossier = dossier_.path() + "/a,b{c} \"d\" 'e' \\f: #g/";
    ASSERT_TRUE(QDir().mkpath(dossier));
    const QString fichier = dossier + "Kelmor 2024-03-05 20-45-00 Test.mpg";
    QUdpSocket tele;
    ASSERT_TRUE(tele.bind(QHostAddress::LocalHost, 0));
    qint64 recuTele = 0;
    QObject::connect(&tele, &QUdpSocket::readyRead, [&] {
        while (tele.hasPendingDatagrams())
            recuTele += tele.receiveDatagram().data().size();
    });

    // Hidden, re-broadcast: the box's branch comes after the file's in the chain.
    Parametres p;
    p.DISP = false;
    const QStringList commande =
        CommandeEnregistrementManuel(OptionsVLC(dossier, 100), p, boitier_.url("/stream/1.ts"), fichier, true,
                                     "127.0.0.1:" + QString::number(tele.localPort()));
    ASSERT_FALSE(commande.isEmpty()) << "refused: " << qPrintable(RefusDossierEnregistrement(dossier));
    ASSERT_TRUE(lecteurs().demarrer(RoleLecteur::Enregistreur, "vlc", commande));
    EXPECT_TRUE(attendreQue([&] { return QFileInfo(fichier).size() > 100'000 && recuTele > 100'000; }, 30000))
        << "file " << QFileInfo(fichier).size() << " bytes, box " << recuTele << " bytes";
    // The recorder closes its file before it goes: only then is the folder final.
    ASSERT_TRUE(fermetureAttendue(lecteurs(), RoleLecteur::Enregistreur));

    // Nothing was written anywhere else.
    EXPECT_EQ(QDir(dossier).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{QFileInfo(fichier).fileName()});
    QStringList ailleurs = QDir(dossier_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    ailleurs.removeAll("a,b{c} \"d\" 'e' \\f: #g");
    ailleurs.removeAll("Kelmor.pids");
    EXPECT_EQ(ailleurs, QStringList{});
}
