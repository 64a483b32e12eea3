// Time-shift with the real vlc and the simulated box: the hidden recorder writes the
// buffer file, the viewer plays it through the buffer server, and a long pause must
// not bring the viewer to the end of what the recorder has written so far.
#include "engine/CommandesLecteur.h"
#include "platform/reel/LecteursVlc.h"
#include "platform/reel/ServeurDiffereHttp.h"
#include "support/FauxBoitier.h"
#include "support/Attente.h"
#include "support/AttenteLecteurs.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <functional>
#include <unistd.h>

namespace {
constexpr auto R = RoleLecteur::DiffereEnregistreur;
constexpr auto V = RoleLecteur::DiffereLecteur;

int temps(LecteursVlc& l)
{
    int valeur = -1;
    auto it = QRegularExpression(R"((?:^|\n)(\d+)\r?\n)").globalMatch(commandeAttendue(l, V, "get_time"));
    while (it.hasNext())
        valeur = it.next().captured(1).toInt();
    return valeur;
}

bool joue(LecteursVlc& l)
{
    return commandeAttendue(l, V, "is_playing").contains(QRegularExpression(R"((^|\n)1\r?\n)"));
}

bool enPause(LecteursVlc& l)
{
    return commandeAttendue(l, V, "status").contains("Type 'pause' to continue.");
}

qint64 taille(const QString& fichier)
{
    return QFileInfo(fichier).size();
}
}  // namespace

class DiffereE2E : public testing::Test {
protected:
    void SetUp() override
    {
        if (::geteuid() == 0)
            GTEST_SKIP() << "vlc refuses to run as root: run the end-to-end tests as an unprivileged user";
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            GTEST_SKIP() << "needs an X display (run under xvfb-run)";
        if (QStandardPaths::findExecutable("vlc").isEmpty())
            GTEST_SKIP() << "vlc is not installed";
        ASSERT_TRUE(dossier.isValid());
        ASSERT_TRUE(boitier.demarre());
        ASSERT_TRUE(boitier.attendreMedia(30000));
        enregistrements = dossier.path() + "/";
        lecteurs = std::make_unique<LecteursVlc>(dossier.path());
    }
    void TearDown() override
    {
        if (lecteurs) {
            EXPECT_TRUE(fermetureAttendue(*lecteurs));
        }
        serveur.arreter();
    }

    QTemporaryDir dossier;
    FauxBoitier boitier;
    QString enregistrements;
    std::unique_ptr<LecteursVlc> lecteurs;
    ServeurDiffereHttp serveur;
};

TEST_F(DiffereE2E, ViewerStillPlaysThirtySecondsAfterATwentySecondPause)
{
    const QString tampon = fichierDiffere(enregistrements);
    ASSERT_TRUE(lecteurs->demarrer(R, "vlc", CommandeDiffereEnregistreur(enregistrements, boitier.url("/stream/2.ts"))));

    // The viewer starts as soon as the recorder has written anything: a slow machine, or a
    // recorder slow to connect, leaves it no more lead than that, and it must wait there.
    ASSERT_TRUE(attendreQue([&] { return taille(tampon) > 0; }, 20000)) << "the recorder writes nothing";
    const QString adresse = serveur.servir(tampon);
    ASSERT_FALSE(adresse.isEmpty());
    Parametres p;
    const QStringList vue = CommandeDiffereLecteurServi(OptionsVLC(enregistrements, 100), p, adresse, false, "");
    ASSERT_FALSE(vue.isEmpty());
    ASSERT_TRUE(lecteurs->demarrer(V, "vlc", vue));
    ASSERT_TRUE(attendreQue([&] { return joue(*lecteurs); }, 20000)) << "the viewer does not play the buffer";
    ASSERT_TRUE(attendreQue([&] { return temps(*lecteurs) >= 2; }, 20000)) << "the viewer's clock does not move";

    // Pause as the pause button does: the play/pause key.
    ASSERT_TRUE(toucheAttendue(*lecteurs, V, "key-play-pause"));
    ASSERT_TRUE(attendreQue([&] { return enPause(*lecteurs); }, 5000)) << "the key did not pause the viewer";
    const int arret = temps(*lecteurs);
    const qint64 tailleArret = taille(tampon);
    laisserTourner(20000);
    EXPECT_TRUE(enPause(*lecteurs));
    EXPECT_EQ(temps(*lecteurs), arret) << "the paused viewer's clock moved";
    EXPECT_GT(taille(tampon), tailleArret + 500 * 1000) << "the buffer did not keep growing during the pause";

    ASSERT_TRUE(toucheAttendue(*lecteurs, V, "key-play-pause"));
    QElapsedTimer reprise;
    reprise.start();
    int precedent = arret;
    while (reprise.elapsed() < 30000) {
        laisserTourner(5000);
        ASSERT_TRUE(lecteurs->enCours(V));
        ASSERT_TRUE(joue(*lecteurs)) << "the viewer stopped " << reprise.elapsed() / 1000 << " s after the pause";
        const int maintenant = temps(*lecteurs);
        EXPECT_GT(maintenant, precedent) << "the viewer's clock stands still " << reprise.elapsed() / 1000
                                         << " s after the pause";
        precedent = maintenant;
    }
    // Thirty seconds of play after the pause, give or take the polling.
    EXPECT_GE(precedent, arret + 25);
    EXPECT_EQ(serveur.connexions(), 1);

    // Leaving time-shift: the players go, the service ends, the buffer can go.
    EXPECT_TRUE(fermetureAttendue(*lecteurs));
    serveur.arreter();
    EXPECT_FALSE(serveur.enService());
    EXPECT_TRUE(QFile::remove(tampon));
}
