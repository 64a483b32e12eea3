// Watching, time-shift and re-broadcast with the real vlc, the real window and the
// simulated box on loopback. vlc refuses to run as root: these run as an ordinary user.
#include "core/Application.h"
#include "engine/Transport.h"
#include "platform/ClientWebQt.h"
#include "platform/LecteursVlc.h"
#include "platform/PageReglagesHttp.h"
#include "platform/PlateformeReelle.h"
#include "shell/Fond.h"
#include "support/Doubles.h"
#include "support/FauxBoitier.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QUdpSocket>
#include <gtest/gtest.h>

#include <set>
#include <unistd.h>

namespace {
int portLibre()
{
    QTcpServer s;
    s.listen(QHostAddress::LocalHost, 0);
    return s.serverPort();
}

// Waits, letting events run, until the condition holds or ms pass.
template <typename F>
bool attendre(F condition, int ms)
{
    HorlogeReelle h;
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        if (condition())
            return true;
        h.attendre(100);
    }
    return condition();
}

QString ffprobeFormat(const QString& fichier)
{
    QProcess p;
    p.start("ffprobe", {"-v", "error", "-show_entries", "format=format_name", "-of", "default=nw=1:nk=1", fichier});
    p.waitForFinished(20000);
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

// Processes whose command line names one of this run's control sockets.
int lecteursRestants(const QString& prefixeSocket)
{
    int n = 0;
    for (const QString& pid : QDir("/proc").entryList(QDir::Dirs)) {
        bool ok = false;
        pid.toInt(&ok);
        if (!ok)
            continue;
        QFile f("/proc/" + pid + "/cmdline");
        if (f.open(QIODevice::ReadOnly) && f.readAll().contains(prefixeSocket.toUtf8()))
            ++n;
    }
    return n;
}

class LectureReelle : public testing::Test {
protected:
    void SetUp() override
    {
        if (::geteuid() == 0)
            GTEST_SKIP() << "vlc refuses to run as root";
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            GTEST_SKIP() << "needs an X display (run under xvfb-run)";
        vlc = QStandardPaths::findExecutable("vlc");
        if (vlc.isEmpty())
            GTEST_SKIP() << "vlc is not installed";
        ASSERT_TRUE(boitier.demarre());
        ASSERT_TRUE(boitier.attendreMedia(30000));
        dossiers.path["vlc"] = vlc;
        portUdp = portLibre();
        portReglages = portLibre();
        qputenv("KELMOR_PORT_REGLAGES", QByteArray::number(portReglages));
        adresses.boitier = boitier.hote();
        adresses.lecteurBoitier = "127.0.0.1:" + QString::number(portUdp);
        lecteurs = std::make_unique<LecteursVlc>(dossiers.programme());
        plateforme = std::make_unique<Plateforme>(Plateforme{dialogues, web, dossiers, shell, horloge, instance,
                                                             disque, systeme, *lecteurs, page, adresses});
        app = std::make_unique<Application>(*plateforme, fond);
        fond.setApplication(app.get());
    }

    void demarrer(const QByteArray& ini)
    {
        QFile f(dossiers.programme() + "Kelmor.ini");
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("TRAN=0\nMONO=1\n" + ini);
        f.close();
        dialogues.reponses = {true};  // download the channel list
        ASSERT_TRUE(app->Form_Load({"kelmor"}));
        ASSERT_EQ(app->chaines.taille(), 4);
        dialogues.messages.clear();
    }

    void TearDown() override
    {
        if (lecteurs)
            lecteurs->fermerTous();
        if (app)
            fond.setApplication(nullptr);
        qunsetenv("KELMOR_PORT_REGLAGES");
    }

    QString prefixeSocket() const { return QFileInfo(lecteurs->cheminSocket(RoleLecteur::Regarder)).fileName().section('-', 0, 2); }

    QString vlc;
    FauxBoitier boitier;
    FauxDialogues dialogues;
    ClientWebQt web;
    FauxDossiers dossiers;
    FauxShell shell;
    HorlogeReelle horloge;
    FausseInstance instance;
    DisqueReel disque;
    FauxSysteme systeme;
    PageReglagesHttp page;
    Adresses adresses;
    int portUdp = 0, portReglages = 0;
    std::unique_ptr<LecteursVlc> lecteurs;
    std::unique_ptr<Plateforme> plateforme;
    Fond fond;
    std::unique_ptr<Application> app;
};
}  // namespace

TEST_F(LectureReelle, WatchingPlaysTheStreamTakesKeysAndStopLeavesNoPlayer)
{
    demarrer("");
    app->transport->Play_Click();
    ASSERT_EQ(app->Etat, 1);
    ASSERT_TRUE(lecteurs->enCours(RoleLecteur::Regarder));
    EXPECT_TRUE(attendre([&] { return lecteurs->commande(RoleLecteur::Regarder, "is_playing").contains('1'); }, 20000))
        << "the player does not play the stream";

    const QString avant = lecteurs->commande(RoleLecteur::Regarder, "volume");
    app->transport->VolumeP_Click();
    EXPECT_TRUE(attendre([&] { return lecteurs->commande(RoleLecteur::Regarder, "volume") != avant; }, 5000))
        << "the volume key did not reach the player";

    app->transport->StopAll_Click();
    EXPECT_EQ(app->Etat, 0);
    EXPECT_TRUE(lecteurs->aucunEnCours());
    EXPECT_TRUE(attendre([&] { return lecteursRestants(prefixeSocket()) == 0; }, 5000));
    EXPECT_TRUE(dialogues.messages.empty());
}

TEST_F(LectureReelle, TimeShiftBuffersPausesAndCleansUp)
{
    demarrer("");
    const QString tampon = app->DossierEnregistrement + "TimeShift.mpg";
    app->transport->Pause_Click();  // from stopped: time-shift starts, then pauses
    ASSERT_EQ(app->Etat, 12);
    ASSERT_TRUE(QFileInfo::exists(tampon));
    const qint64 t1 = QFileInfo(tampon).size();
    EXPECT_TRUE(attendre([&] { return QFileInfo(tampon).size() > t1; }, 10000)) << "the buffer does not grow";
    EXPECT_TRUE(ffprobeFormat(tampon).contains("mpeg")) << ffprobeFormat(tampon).toStdString();
    EXPECT_TRUE(attendre([&] { return lecteurs->commande(RoleLecteur::DiffereLecteur, "status").contains("pause"); }, 5000))
        << "the pause key did not reach the viewer";

    app->transport->Play_Click();  // resumes
    EXPECT_EQ(app->Etat, 5);

    dialogues.reponses = {true};
    app->transport->StopAll_Click();
    EXPECT_EQ(app->Etat, 0);
    EXPECT_TRUE(lecteurs->aucunEnCours());
    EXPECT_FALSE(QFileInfo::exists(tampon));
}

TEST_F(LectureReelle, ReBroadcastSendsTransportStreamAndServesTheSettingsPage)
{
    QUdpSocket recepteur;
    ASSERT_TRUE(recepteur.bind(QHostAddress::LocalHost, static_cast<quint16>(portUdp)));
    demarrer("FRPL=1\nORDI=1\n");
    ASSERT_TRUE(app->TV);
    app->transport->Play_Click();
    ASSERT_EQ(app->Etat, 1);

    std::set<int> pids;
    attendre(
        [&] {
            while (recepteur.hasPendingDatagrams()) {
                QByteArray d(static_cast<int>(recepteur.pendingDatagramSize()), 0);
                recepteur.readDatagram(d.data(), d.size());
                for (int i = 0; i + 188 <= d.size(); i += 188)
                    if (static_cast<unsigned char>(d[i]) == 0x47)
                        pids.insert(((d[i + 1] & 0x1f) << 8) | static_cast<unsigned char>(d[i + 2]));
            }
            return pids.count(68) && pids.count(69);
        },
        20000);
    EXPECT_TRUE(pids.count(68)) << "no video packets on PID 68";
    EXPECT_TRUE(pids.count(69)) << "no audio packets on PID 69";

    QProcess curl;
    curl.start("curl", {"-s", "--max-time", "5", "http://127.0.0.1:" + QString::number(portReglages) + "/settings.html"});
    // The page is served by this very thread: keep its events running while curl asks.
    ASSERT_TRUE(attendre([&] { return curl.state() == QProcess::NotRunning; }, 10000));
    QFile page(dossiers.programme() + "settings.html");
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    EXPECT_EQ(curl.readAllStandardOutput(), page.readAll());

    app->transport->StopAll_Click();
    EXPECT_FALSE(QFileInfo::exists(dossiers.programme() + "settings.html"));
}
