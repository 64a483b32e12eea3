// Recordings made by the real vlc from the simulated box: by hand, and by the schedule.
#include "engine/EnregistrementManuel.h"
#include "engine/Programmation.h"
#include "support/BancReel.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>

namespace {
using EnregistrementReel = BancReel;

// The only recording file of the folder, once it has some bytes.
QString fichierEnregistrement(const QString& dossier)
{
    const QStringList f = QDir(dossier).entryList({"Kelmor *"}, QDir::Files);
    if (f.size() != 1)
        return {};
    const QString chemin = dossier + f[0];
    return QFileInfo(chemin).size() > 0 ? chemin : QString();
}

// Records by hand for about `secondes` once the file has started, and returns the file.
QString enregistrerAlaMain(BancReel& b, Application& app, int secondes)
{
    app.enregistrement.Rec_Click();
    EXPECT_EQ(app.session.Etat, EtatLecteur::Enregistrement);
    QString fichier;
    attendreQue([&] { return !(fichier = fichierEnregistrement(app.session.DossierEnregistrement)).isEmpty(); }, 20000);
    QElapsedTimer t;
    t.start();
    attendreQue([&] { return t.elapsed() >= secondes * 1000; }, secondes * 1000 + 1000);
    app.enregistrement.EnregistrerX_Click();
    (void)b;
    return fichier;
}
}  // namespace

TEST_F(EnregistrementReel, ManualRecordingWithoutTranscoding)
{
    demarrer("DISP=0\nTSPS=2\n");
    const QString fichier = enregistrerAlaMain(*this, *app, 6);
    ASSERT_FALSE(fichier.isEmpty()) << "no recording file";
    EXPECT_EQ(app->session.Etat, EtatLecteur::Arret);
    EXPECT_TRUE(lecteurs->aucunEnCours());
    EXPECT_TRUE(QFileInfo(fichier).fileName().startsWith("Kelmor "));
    EXPECT_TRUE(fichier.endsWith(" France 2.mpg")) << fichier.toStdString();
    EXPECT_EQ(ffprobeFormat(fichier), "mpeg");
    EXPECT_NEAR(ffprobeDuree(fichier), 6.0, 2.0);
}

TEST_F(EnregistrementReel, ManualRecordingTranscodedToMp4)
{
    demarrer("DISP=0\nVENC=1\nVCOD=2\nACOD=3\nCAPS=5\nVDEB=512\nADEB=96\n");
    const QString fichier = enregistrerAlaMain(*this, *app, 6);
    ASSERT_FALSE(fichier.isEmpty()) << "no recording file";
    // The extension follows the video codec; the container is the one chosen.
    EXPECT_TRUE(ffprobeFormat(fichier).contains("mp4")) << ffprobeFormat(fichier).toStdString();
    EXPECT_NEAR(ffprobeDuree(fichier), 6.0, 2.0);
}

TEST_F(EnregistrementReel, ScheduledDailyEntryRecordsEndsAndIsPlannedAgain)
{
    // The schedule is driven by moving the clock: the entry starts two minutes "ago" and
    // ends one minute "from now"; then the clock jumps past its end.
    const QDateTime maintenant = QDateTime::currentDateTime();
    const QDateTime debut = maintenant.addSecs(-120);
    const QDateTime fin = maintenant.addSecs(60);
    const QString ligne = "[A] " + debut.toString("dd/MM/yyyy hh:mm") + " - " + fin.toString("hh:mm") + " > Télé Bleue (Q)";
    demarrer("PROG=" + ligne.toUtf8() + "\n");

    // The first tick of start-up started it with a hidden recorder.
    ASSERT_EQ(app->session.Etat, EtatLecteur::Programme);
    ASSERT_TRUE(lecteurs->enCours(RoleLecteur::Enregistreur));
    const QString fichier = app->session.FichierEnregistre;
    ASSERT_TRUE(attendreQue([&] { return QFileInfo(fichier).size() > 0; }, 20000));
    const qint64 taille1 = QFileInfo(fichier).size();
    ASSERT_TRUE(attendreQue([&] { return QFileInfo(fichier).size() > taille1; }, 10000)) << "the file does not grow";

    horloge.decalageSecondes = 120;
    app->Horloge_Timer();
    EXPECT_EQ(app->session.Etat, EtatLecteur::Arret);
    EXPECT_TRUE(lecteurs->aucunEnCours());
    EXPECT_EQ(ffprobeFormat(fichier), "mpeg");

    const QString suivante = "[A] " + debut.addDays(1).toString("dd/MM/yyyy hh:mm") + " - " + fin.toString("hh:mm") +
                             " > Télé Bleue (Q)";
    const QStringList attendu = {"[X]" + ligne.mid(3), suivante};
    EXPECT_EQ(app->session.programmes.textes(), attendu);

    app->EcrireParametres();
    QFile ini(dossiers.programme() + "Kelmor.ini");
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(ini.readAll()).contains("\nPROG=" + suivante + "\n"));
}
