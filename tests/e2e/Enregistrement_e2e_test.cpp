// Recordings made by the real vlc from the simulated box: by hand, and by the schedule.
#include "engine/EnregistrementManuel.h"
#include "engine/Programmation.h"
#include "support/BancReel.h"
#include "support/Xdotool.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <csignal>
#include <sys/types.h>

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
    app.parties().enregistrement.Rec_Click();
    EXPECT_EQ(app.parties().session.Etat, EtatLecteur::Enregistrement);
    QString fichier;
    attendreQue([&] { return !(fichier = fichierEnregistrement(app.parties().session.DossierEnregistrement)).isEmpty(); }, 20000);
    QElapsedTimer t;
    t.start();
    attendreQue([&] { return t.elapsed() >= secondes * 1000; }, secondes * 1000 + 1000);
    app.parties().enregistrement.EnregistrerX_Click();
    attendreQue([&app] { return app.parties().session.Etat == EtatLecteur::Arret; }, 10000);
    (void)b;
    return fichier;
}
}  // namespace

TEST_F(EnregistrementReel, ManualRecordingWithoutTranscoding)
{
    demarrer("DISP=0\nTSPS=2\n");
    const QString fichier = enregistrerAlaMain(*this, *app, 6);
    ASSERT_FALSE(fichier.isEmpty()) << "no recording file";
    EXPECT_EQ(app->parties().session.Etat, EtatLecteur::Arret);
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

TEST_F(EnregistrementReel, AnAudioOnlyRecordingHoldsNoPictureInAnyContainer)
{
    // MP3 in MP4 with the picture shown, then Vorbis in Ogg: the file has the sound alone.
    demarrer("DISP=1\nVENC=1\nAUDO=1\nACOD=2\nCAPS=5\nADEB=128\n");
    const QString mp4 = enregistrerAlaMain(*this, *app, 5);
    ASSERT_FALSE(mp4.isEmpty()) << "no recording file";
    EXPECT_TRUE(mp4.endsWith(" France 2.mp3")) << mp4.toStdString();
    EXPECT_EQ(ffprobeFlux(mp4).join(u',').toStdString(), "audio");

    QFile::remove(mp4);
    app->parties().session.parametres.p.DISP = false;
    app->parties().session.parametres.p.ACOD = 5;
    app->parties().session.parametres.p.CAPS = 3;
    const QString ogg = enregistrerAlaMain(*this, *app, 5);
    ASSERT_FALSE(ogg.isEmpty()) << "no recording file";
    EXPECT_TRUE(ffprobeFormat(ogg).contains("ogg")) << ffprobeFormat(ogg).toStdString();
    EXPECT_EQ(ffprobeFlux(ogg).join(u',').toStdString(), "audio");
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
    ASSERT_EQ(app->parties().session.Etat, EtatLecteur::Programme);
    ASSERT_TRUE(lecteurs->enCours(RoleLecteur::Enregistreur));
    const QString fichier = app->parties().session.FichierEnregistre;
    ASSERT_TRUE(attendreQue([&] { return QFileInfo(fichier).size() > 0; }, 20000));
    const qint64 taille1 = QFileInfo(fichier).size();
    ASSERT_TRUE(attendreQue([&] { return QFileInfo(fichier).size() > taille1; }, 10000)) << "the file does not grow";

    horloge.decalageSecondes = 120;
    app->Horloge_Timer();
    EXPECT_TRUE(attendreEtat(EtatLecteur::Arret));
    EXPECT_TRUE(lecteurs->aucunEnCours());
    EXPECT_EQ(ffprobeFormat(fichier), "mpeg");

    const QString suivante = "[A] " + debut.addDays(1).toString("dd/MM/yyyy hh:mm") + " - " + fin.toString("hh:mm") +
                             " > Télé Bleue (Q)";
    const QStringList attendu = {"[X]" + ligne.mid(3), suivante};
    EXPECT_EQ(app->parties().session.programmes.textes(), attendu);

    app->EcrireParametres();
    QFile ini(dossiers.programme() + "Kelmor.ini");
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(ini.readAll()).contains("\nPROG=" + suivante + "\n"));
}

TEST_F(EnregistrementReel, AScheduledRecorderKilledMidwayFailsItsEntryAndIsToldOnce)
{
    const QDateTime maintenant = QDateTime::currentDateTime();
    const QString ligne = "[A] " + maintenant.addSecs(-60).toString("dd/MM/yyyy hh:mm") + " - " +
                          maintenant.addSecs(3600).toString("hh:mm") + " > Télé Bleue (1)";
    demarrer("AUTR=1\nAUTP=/bin/true\nPROG=" + ligne.toUtf8() + "\n");
    ASSERT_EQ(app->parties().session.Etat, EtatLecteur::Programme);
    const QString fichier = app->parties().session.FichierEnregistre;
    ASSERT_TRUE(attendreQue([&] { return QFileInfo(fichier).size() > 0; }, 20000));
    app->Horloge_Timer();
    EXPECT_TRUE(dialogues.messages.empty());

    const qint64 pid = lecteurs->pid(RoleLecteur::Enregistreur);
    ASSERT_GT(pid, 0);
    ASSERT_EQ(::kill(static_cast<pid_t>(pid), SIGKILL), 0);
    ASSERT_TRUE(attendreQue([&] { return !lecteurs->enCours(RoleLecteur::Enregistreur); }, 5000));

    horloge.decalageSecondes = 10;
    app->Horloge_Timer();
    EXPECT_EQ(app->parties().session.programmes.textes(), QStringList{"[X]" + ligne.mid(3)});
    EXPECT_TRUE(attendreEtat(EtatLecteur::Arret));
    EXPECT_TRUE(attendreQue([this] { return !dialogues.messages.empty(); }, 5000));
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_EQ(dialogues.messages[0].genre, Message::Exclamation);
    EXPECT_TRUE(dialogues.messages[0].texte.contains("le lecteur vlc s'est fermé")) << dialogues.messages[0].texte.toStdString();
    EXPECT_TRUE(systeme.programmes.empty());

    horloge.decalageSecondes = 20;
    app->Horloge_Timer();
    EXPECT_EQ(dialogues.messages.size(), 1u);
}

TEST_F(EnregistrementReel, AManualRecordingWhoseStreamStopsIsStoppedAndToldOnce)
{
    demarrer("DISP=0\nTSPS=2\n");
    app->parties().enregistrement.Rec_Click();
    ASSERT_EQ(app->parties().session.Etat, EtatLecteur::Enregistrement);
    QString fichier;
    ASSERT_TRUE(attendreQue(
        [&] { return !(fichier = fichierEnregistrement(app->parties().session.DossierEnregistrement)).isEmpty(); }, 20000));
    const qint64 debut = QFileInfo(fichier).size();
    ASSERT_TRUE(attendreQue([&] { return QFileInfo(fichier).size() > debut; }, 10000)) << "the file does not grow";

    ASSERT_TRUE(boitier.definirFlux("stalled"));
    // Whatever the recorder still held reaches the file, then it stays the same size.
    QElapsedTimer total;
    total.start();
    for (qint64 taille = -1;;) {
        QElapsedTimer pause;
        pause.start();
        attendreQue([&] { return pause.elapsed() >= 1500; }, 2000);
        const qint64 t = QFileInfo(fichier).size();
        if (t == taille)
            break;
        taille = t;
        ASSERT_LT(total.elapsed(), 20000) << "the file still grows";
    }

    // A minute of ticks, ten seconds apart on the program's clock.
    for (int i = 1; i <= 7 && app->parties().session.Etat == EtatLecteur::Enregistrement; ++i) {
        horloge.decalageSecondes = 10 * i;
        app->Horloge_Timer();
    }
    EXPECT_TRUE(attendreEtat(EtatLecteur::Arret));
    EXPECT_TRUE(attendreQue([&] { return lecteurs->aucunEnCours(); }, 5000));
    EXPECT_TRUE(attendreQue([this] { return !dialogues.messages.empty(); }, 5000));
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_TRUE(dialogues.messages[0].texte.startsWith("L'enregistrement de France 2 s'est interrompu : "
                                                       "le fichier ne grossit plus depuis une minute"))
        << dialogues.messages[0].texte.toStdString();
    EXPECT_TRUE(dialogues.messages[0].texte.endsWith(fichier));
    horloge.decalageSecondes += 10;
    app->Horloge_Timer();
    EXPECT_EQ(dialogues.messages.size(), 1u);
    ASSERT_TRUE(boitier.definirFlux("normal"));
}

TEST_F(EnregistrementReel, AFolderWithoutTheRightToWriteIsRefusedAtOnceForEveryKindOfRecording)
{
    const QString dossier = dossiers.documents() + "lecture seule/";
    ASSERT_TRUE(QDir().mkpath(dossier));
    ASSERT_TRUE(QFile::setPermissions(dossier, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                                   QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther));
    const QString refus = "Le lecteur vlc ne peut pas enregistrer dans le dossier :\n" + dossier +
                          "\n\nAucun fichier ne peut y être créé : vous n'avez pas le droit d'y écrire.\n"
                          "Choisissez un autre dossier d'enregistrement dans les options.";
    const QDateTime maintenant = QDateTime::currentDateTime();
    const QString ligne = "[A] " + maintenant.addSecs(120).toString("dd/MM/yyyy hh:mm") + " - " +
                          maintenant.addSecs(3600).toString("hh:mm") + " > Télé Bleue (1)";
    demarrer("DISP=0\nRECP=" + dossier.toUtf8() + "\nPROG=" + ligne.toUtf8() + "\n");
    ASSERT_EQ(app->parties().session.DossierEnregistrement, dossier);

    // By hand, and time-shift: refused before any player starts, not a minute later.
    app->parties().enregistrement.Rec_Click();
    EXPECT_EQ(app->parties().session.Etat, EtatLecteur::Arret);
    app->parties().transport.Shift_Click();
    EXPECT_EQ(app->parties().session.Etat, EtatLecteur::Arret);
    EXPECT_TRUE(lecteurs->aucunEnCours());
    EXPECT_EQ(dialogues.textes(), QStringList({refus, refus}));

    // Scheduled: the entry fails at its start, told once after the tick.
    dialogues.messages.clear();
    horloge.decalageSecondes = 180;
    app->Horloge_Timer();
    EXPECT_TRUE(attendreQue([this] { return !dialogues.messages.empty(); }, 5000));
    EXPECT_TRUE(lecteurs->aucunEnCours());
    EXPECT_EQ(app->parties().session.Etat, EtatLecteur::Arret);
    EXPECT_EQ(app->parties().session.programmes.textes(), QStringList{"[X]" + ligne.mid(3)});
    EXPECT_EQ(dialogues.textes(), QStringList{"L'enregistrement programmé de Télé Bleue n'a pas pu commencer.\n" + refus});
    horloge.decalageSecondes = 190;
    app->Horloge_Timer();
    EXPECT_EQ(dialogues.messages.size(), 1u);
    EXPECT_TRUE(QDir(dossier).entryList(QDir::Files).isEmpty());
    QFile::setPermissions(dossier, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST_F(EnregistrementReel, ATimeShiftWhoseBufferStopsGrowingStopsBothPlayersAndSaysWhy)
{
    demarrer("");
    const QString tampon = app->parties().session.DossierEnregistrement + "TimeShift.mpg";
    app->parties().transport.Shift_Click();
    ASSERT_TRUE(attendreQue([this] { return lecteurs->enCours(RoleLecteur::DiffereLecteur); }, 10000));
    ASSERT_EQ(app->parties().session.Etat, EtatLecteur::Differe);
    ASSERT_TRUE(attendreQue([&] { return QFileInfo(tampon).size() > 0; }, 20000));
    app->Horloge_Timer();
    EXPECT_EQ(app->parties().session.Etat, EtatLecteur::Differe);

    // The stream stops: whatever the recorder still held reaches the buffer, then no more.
    ASSERT_TRUE(boitier.definirFlux("stalled"));
    for (qint64 taille = -1;;) {
        QElapsedTimer pause;
        pause.start();
        attendreQue([&] { return pause.elapsed() >= 1500; }, 2000);
        const qint64 t = QFileInfo(tampon).size();
        if (t == taille)
            break;
        taille = t;
    }
    for (int i = 1; i <= 7 && app->parties().session.Etat == EtatLecteur::Differe; ++i) {
        horloge.decalageSecondes = 10 * i;
        app->Horloge_Timer();
    }
    EXPECT_TRUE(attendreEtat(EtatLecteur::Arret));
    EXPECT_TRUE(attendreQue([&] { return lecteurs->aucunEnCours(); }, 5000));
    EXPECT_TRUE(attendreQue([this] { return !dialogues.messages.empty(); }, 5000));
    ASSERT_EQ(dialogues.messages.size(), 1u);
    EXPECT_TRUE(dialogues.messages[0].texte.startsWith("Le time shifting de France 2 a été arrêté : "
                                                       "le fichier ne grossit plus depuis une minute"))
        << dialogues.messages[0].texte.toStdString();
    EXPECT_TRUE(dialogues.messages[0].texte.endsWith("\n" + tampon));
    ASSERT_TRUE(boitier.definirFlux("normal"));
}

TEST_F(EnregistrementReel, ARecordingShownUnderAWindowManagerLeavesTheKeyboardToTheMainWindow)
{
    GestionnaireFenetres gestionnaire;
    ASSERT_TRUE(gestionnaire.demarre()) << "openbox is installed by scripts/install-deps";
    demarrer("DISP=1\n");
    fond.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fond));
    fond.activateWindow();
    ASSERT_TRUE(attendreQue([&] { return fenetreActive() == fond.winId(); }, 5000)) << "the window never had the focus: " << fenetreActive() << " " << fond.winId();

    QElapsedTimer depuis;
    depuis.start();
    app->parties().enregistrement.Rec_Click();
    ASSERT_EQ(app->parties().session.Etat, EtatLecteur::Enregistrement);
    const qint64 pid = lecteurs->pid(RoleLecteur::Enregistreur);
    ASSERT_GT(pid, 0);
    QString fenetres;
    ASSERT_TRUE(attendreQue([&] { return xdotool({"search", "--onlyvisible", "--pid", QString::number(pid)}, &fenetres); },
                            20000))
        << "the recorder shows no window";
    const qint64 apparue = depuis.elapsed();
    // Once its window is up, the keyboard comes back to the main window and stays there.
    EXPECT_TRUE(attendreQue([&] { return fenetreActive() == fond.winId(); }, 5000))
        << "the focus stays on the player, whose window came after " << apparue << " ms";
    laisserTourner(1500);
    EXPECT_EQ(fenetreActive(), fond.winId());
    app->parties().enregistrement.EnregistrerX_Click();
    EXPECT_TRUE(attendreEtat(EtatLecteur::Arret));
    fond.hide();
}

TEST_F(EnregistrementReel, AnEraseAnsweredWhileADueEntryStartsStopsTheRecorderItStarted)
{
    // An entry falls due while "Effacer" is open, over a manual recording: its start closes
    // that recorder, waits a second, then starts its own. Yes comes in the middle of it.
    const QDateTime maintenant = QDateTime::currentDateTime();
    const QString ligne = "[A] " + maintenant.addSecs(120).toString("dd/MM/yyyy hh:mm") + " - " +
                          maintenant.addSecs(3600).toString("hh:mm") + " > Télé Bleue (1)";
    demarrer("DISP=0\nPROG=" + ligne.toUtf8() + "\n");
    app->parties().enregistrement.Rec_Click();
    ASSERT_EQ(app->parties().session.Etat, EtatLecteur::Enregistrement);
    ASSERT_TRUE(lecteurs->enCours(RoleLecteur::Enregistreur));
    dialogues.messages.clear();
    dialogues.retenir = true;
    app->parties().programmation.ToutSupprimer_Click();
    ASSERT_EQ(dialogues.retenues(), 1);

    horloge.decalageSecondes = 180;
    app->Horloge_Timer();
    ASSERT_TRUE(app->parties().moteur.operationEnCours());
    ASSERT_TRUE(attendreQue([this] { return !lecteurs->enCours(RoleLecteur::Enregistreur); }, 10000));
    ASSERT_TRUE(app->parties().moteur.operationEnCours()) << "the second after the close is already over";
    ASSERT_TRUE(dialogues.repondre(true));

    // Acted on once the start is over: the entry records now, so the question is asked again.
    ASSERT_TRUE(attendreQue([this] { return dialogues.retenues() == 1; }, 10000));
    EXPECT_EQ(dialogues.textes().last(), "Un enregistrement programmé est en cours.\n"
                                         "Souhaitez-vous réellement tout supprimer ?");
    EXPECT_EQ(app->parties().session.Etat, EtatLecteur::Programme);
    EXPECT_TRUE(lecteurs->enCours(RoleLecteur::Enregistreur));
    ASSERT_TRUE(dialogues.repondre(true));

    // The recorder the answer stopped is stopped, and the window says so.
    EXPECT_TRUE(attendreEtat(EtatLecteur::Arret));
    EXPECT_TRUE(attendreQue([this] { return lecteurs->aucunEnCours(); }, 10000));
    EXPECT_TRUE(attendreQue([this] { return processusContenant(prefixeSocket()) == 0; }, 10000));
    EXPECT_TRUE(app->parties().session.programmes.textes().isEmpty());
    EXPECT_FALSE(fond.windowTitle().contains("enregistrement"));
}
