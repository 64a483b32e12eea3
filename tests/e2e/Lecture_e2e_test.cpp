// Watching, time-shift and re-broadcast with the real vlc, the real window and the
// simulated box on loopback. vlc refuses to run as root: these run as an ordinary user.
#include "support/AttenteLecteurs.h"
#include "support/BancReel.h"
#include "support/DureeEvenements.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QUdpSocket>

#include <QElapsedTimer>

#include <csignal>
#include <set>

namespace {
using LectureReelle = BancReel;
}  // namespace

TEST_F(LectureReelle, WatchingPlaysTheStreamTakesKeysAndStopLeavesNoPlayer)
{
    demarrer("");
    app->parties().transport.Play_Click();
    ASSERT_EQ(app->parties().session.Etat, EtatLecteur::Lecture);
    ASSERT_TRUE(lecteurs->enCours(RoleLecteur::Regarder));
    EXPECT_TRUE(attendreQue([&] { return commandeAttendue(*lecteurs, RoleLecteur::Regarder, "is_playing").contains('1'); }, 20000))
        << "the player does not play the stream";

    // The key acts once the audio output is up; until then the volume reads 0.
    const QRegularExpression nombre(R"(audio volume: (\d+))");
    auto volume = [&] {
        const auto m = nombre.match(commandeAttendue(*lecteurs, RoleLecteur::Regarder, "volume"));
        return m.hasMatch() ? m.captured(1).toInt() : -1;
    };
    ASSERT_TRUE(attendreQue([&] { return volume() > 0; }, 15000));
    const int avant = volume();
    app->parties().transport.VolumeP_Click();
    EXPECT_TRUE(attendreQue([&] { return volume() > avant; }, 10000)) << "the volume key did not reach the player";

    app->parties().moteur.StopAll_Click();
    EXPECT_TRUE(attendreEtat(EtatLecteur::Arret));
    EXPECT_TRUE(lecteurs->aucunEnCours());
    EXPECT_TRUE(attendreQue([&] { return processusContenant(prefixeSocket()) == 0; }, 5000));
    EXPECT_TRUE(dialogues.messages.empty());
}

TEST_F(LectureReelle, AHungPlayerNeitherHoldsTheWindowNorShowsMuteAsApplied)
{
    demarrer("");
    fond.show();
    app->parties().transport.Play_Click();
    ASSERT_TRUE(attendreQue([&] { return commandeAttendue(*lecteurs, RoleLecteur::Regarder, "is_playing").contains('1'); }, 20000));
    const qint64 pid = lecteurs->pid(RoleLecteur::Regarder);
    ASSERT_GT(pid, 0);
    ASSERT_EQ(::kill(static_cast<pid_t>(pid), SIGSTOP), 0);

    // The longest the window's thread spends on one event (a click included) while the
    // player does not answer: a wait for the player's answer would take its 1.5-s bound.
    auto* muet = fond.findChild<QPushButton*>("Mute");
    ASSERT_NE(muet, nullptr);
    MesureEvenements mesure;
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(attendreQue([&] { return fond.isEnabled(); }, 5000));
        QElapsedTimer clic;
        clic.start();
        muet->click();
        EXPECT_LT(clic.elapsed(), kAppelImmediatMs) << "the click waited for the player";
        EXPECT_FALSE(fond.isEnabled()) << "the key is on its way: the window takes no input";
    }
    ASSERT_TRUE(attendreQue([&] { return fond.isEnabled(); }, 5000));
    EXPECT_LT(mesure.plusLongueMs(), 500) << "the window's thread was held " << mesure.plusLongueMs()
                                          << " ms by " << mesure.plusLongue().toStdString();
    EXPECT_FALSE(app->parties().session.Muet);
    EXPECT_FALSE(muet->font().bold());

    ::kill(static_cast<pid_t>(pid), SIGCONT);
    app->parties().moteur.StopAll_Click();
    EXPECT_TRUE(attendreEtat(EtatLecteur::Arret));
}

TEST_F(LectureReelle, TimeShiftBuffersPausesAndCleansUp)
{
    demarrer("");
    const QString tampon = app->parties().session.DossierEnregistrement + "TimeShift.mpg";
    app->parties().transport.Pause_Click();  // from stopped: time-shift starts, then pauses
    ASSERT_TRUE(attendreEtat(EtatLecteur::Pause));
    ASSERT_TRUE(QFileInfo::exists(tampon));
    const qint64 t1 = QFileInfo(tampon).size();
    EXPECT_TRUE(attendreQue([&] { return QFileInfo(tampon).size() > t1; }, 10000)) << "the buffer does not grow";
    EXPECT_TRUE(ffprobeFormat(tampon).contains("mpeg")) << ffprobeFormat(tampon).toStdString();
    EXPECT_TRUE(attendreQue([&] { return commandeAttendue(*lecteurs, RoleLecteur::DiffereLecteur, "status").contains("pause"); }, 5000))
        << "the pause key did not reach the viewer";

    // Resumed by the play button, the viewer plays on. (A long pause that must not bring the
    // viewer to the end of the buffer is DiffereE2E's, with the least lead a viewer can have.)
    app->parties().transport.Play_Click();  // resumes
    EXPECT_TRUE(attendreEtat(EtatLecteur::Differe));
    const auto temps = [&] { return commandeAttendue(*lecteurs, RoleLecteur::DiffereLecteur, "get_time").trimmed().toInt(); };
    ASSERT_TRUE(attendreQue([&] { return commandeAttendue(*lecteurs, RoleLecteur::DiffereLecteur, "is_playing").contains('1'); }, 5000));
    const int repris = temps();
    EXPECT_TRUE(attendreQue([&] { return temps() >= repris + 2; }, 10000)) << "the viewer's time stands still";
    EXPECT_TRUE(lecteurs->enCours(RoleLecteur::DiffereLecteur));

    dialogues.reponses = {true};
    app->parties().moteur.StopAll_Click();
    EXPECT_TRUE(attendreEtat(EtatLecteur::Arret));
    EXPECT_TRUE(lecteurs->aucunEnCours());
    EXPECT_FALSE(QFileInfo::exists(tampon));
}

TEST_F(LectureReelle, ReBroadcastSendsTransportStreamAndServesTheSettingsPage)
{
    QUdpSocket recepteur;
    ASSERT_TRUE(recepteur.bind(QHostAddress::LocalHost, static_cast<quint16>(portUdp)));
    demarrer("FRPL=1\nORDI=1\n");
    ASSERT_TRUE(app->parties().session.TV);
    app->parties().transport.Play_Click();
    ASSERT_EQ(app->parties().session.Etat, EtatLecteur::Lecture);

    std::set<int> pids;
    attendreQue(
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
    ASSERT_TRUE(attendreQue([&] { return curl.state() == QProcess::NotRunning; }, 10000));
    QFile page(dossiers.programme() + "settings.html");
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    EXPECT_EQ(curl.readAllStandardOutput(), page.readAll());

    app->parties().moteur.StopAll_Click();
    EXPECT_TRUE(attendreEtat(EtatLecteur::Arret));
    EXPECT_FALSE(QFileInfo::exists(dossiers.programme() + "settings.html"));
}
