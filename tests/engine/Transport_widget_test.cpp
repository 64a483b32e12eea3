#include "engine/Transport.h"
#include "support/BancApplication.h"

#include <QFileInfo>
#include <gtest/gtest.h>

namespace {
const QString kQuestionDiffere =
    "En quittant le mode time shifting, vous allez\nperdre la période entre le différé et le direct.\n\n"
    "Souhaitez-vous poursuivre ?";

struct BancTransport : BancApplication {
    explicit BancTransport(const QByteArray& ini = {}, const QByteArray& liste = {})
    {
        installerVlc();
        ecrire("Kelmor.cfg", liste.isEmpty() ? playlist({"TF1", "France 2", "M6"}) : liste);
        if (!ini.isEmpty())
            ecrire("Kelmor.ini", ini);
        EXPECT_TRUE(demarrer());
        dialogues.messages.clear();
    }
    Transport& t() { return app->parties().transport; }
    EtatLecteur etat() const { return app->parties().session.Etat; }
    void forcerEtat(EtatLecteur e) { app->parties().moteur.ChangerEtat(e); }
};
}  // namespace

TEST(Regarder, StartsTheWatchingPlayerOnTheSelectedChannel)
{
    BancTransport b;
    b.app->parties().moteur.Chaines_Click(1);
    bouton(*b.fond, "Regarder")->click();
    EXPECT_EQ(b.etat(), EtatLecteur::Lecture);
    ASSERT_EQ(b.lecteurs.lancements.size(), 1u);
    const auto& l = b.lecteurs.lancements[0];
    EXPECT_EQ(l.role, RoleLecteur::Regarder);
    EXPECT_EQ(l.programme, b.app->parties().session.parametres.cheminVLC);
    EXPECT_EQ(l.arguments.mid(l.arguments.size() - 2), QStringList({"--", "rtsp://box/2"}));
    EXPECT_EQ(b.horloge.attenteTotaleMs, 2000);
    EXPECT_TRUE(bouton(*b.fond, "Regarder")->font().bold());
    EXPECT_TRUE(bouton(*b.fond, "RegarderX")->isEnabled());
    EXPECT_EQ(bouton(*b.fond, "RegarderX")->toolTip(), " Arrêter la lecture de France 2 ");
}

TEST(Regarder, ScheduledRecordingRefusesWatchingAndStopping)
{
    BancTransport b;
    b.forcerEtat(EtatLecteur::Programme);
    b.t().Play_Click();
    b.app->parties().moteur.StopAll_Click();
    b.t().Shift_Click();
    b.t().Pause_Click();
    EXPECT_EQ(b.etat(), EtatLecteur::Programme);
    EXPECT_TRUE(b.lecteurs.lancements.empty());
    ASSERT_EQ(b.dialogues.messages.size(), 4u);
    for (const auto& m : b.dialogues.messages)
        EXPECT_EQ(m, (Message{Message::Information, Moteur::kRefusProgramme}));
}

TEST(Regarder, DuringAManualRecordingAsksAndStopsTheRecorderOnYes)
{
    BancTransport b;
    b.lecteurs.demarrer(RoleLecteur::Enregistreur, "vlc", {});
    b.forcerEtat(EtatLecteur::Enregistrement);
    b.t().Play_Click();
    EXPECT_EQ(b.etat(), EtatLecteur::Enregistrement);
    EXPECT_TRUE(b.lecteurs.enCours(RoleLecteur::Enregistreur));

    b.dialogues.reponses = {true};
    b.t().Play_Click();
    EXPECT_EQ(b.dialogues.messages.back().texte,
              "L'enregistrement en cours va être interrompu\npour passer en mode lecture.\n\nSouhaitez-vous poursuivre ?");
    EXPECT_EQ(b.etat(), EtatLecteur::Lecture);
    EXPECT_FALSE(b.lecteurs.enCours(RoleLecteur::Enregistreur));
    EXPECT_TRUE(b.lecteurs.enCours(RoleLecteur::Regarder));
}

TEST(Regarder, WithASinglePlayerTheFilePlayerClosesFirst)
{
    for (const bool mono : {true, false}) {
        BancTransport b(mono ? "MONO=1\n" : "MONO=0\n");
        b.lecteurs.demarrer(RoleLecteur::Fichier, "vlc", {"x"});
        b.t().Play_Click();
        EXPECT_EQ(b.lecteurs.enCours(RoleLecteur::Fichier), !mono);
        EXPECT_TRUE(b.lecteurs.enCours(RoleLecteur::Regarder));
    }
}

TEST(Regarder, AnAddressThatIsNotAStreamStartsNothing)
{
    BancTransport b({}, "#EXTM3U\n#EXTINF:0,1 - Piège\n--extraintf=http\n#EXTINF:0,2 - Fichier\nfile:///etc/passwd\n");
    for (int i = 0; i < b.app->parties().session.chaines.taille(); ++i) {
        b.app->parties().moteur.Chaines_Click(i);
        b.t().Play_Click();
        EXPECT_EQ(b.etat(), EtatLecteur::Arret);
    }
    EXPECT_TRUE(b.lecteurs.lancements.empty());
    EXPECT_EQ(b.dialogues.messages.size(), static_cast<size_t>(b.app->parties().session.chaines.taille()));
}

TEST(Regarder, APlayerThatCannotStartIsReportedAndTheStateStaysStopped)
{
    BancTransport b;
    b.lecteurs.echecDemarrage = true;
    b.t().Play_Click();
    EXPECT_EQ(b.etat(), EtatLecteur::Arret);
    ASSERT_EQ(b.dialogues.messages.size(), 1u);
    EXPECT_TRUE(b.dialogues.messages[0].texte.startsWith("Le lecteur vlc n'a pas pu être lancé"));
}

TEST(Arreter, StopInEachState)
{
    BancTransport b;
    b.app->parties().moteur.StopAll_Click();  // nothing runs: nothing at all happens
    EXPECT_EQ(b.lecteurs.fermeturesTotales, 0);
    EXPECT_EQ(b.horloge.attenteTotaleMs, 0);

    b.forcerEtat(EtatLecteur::Differe);
    b.app->parties().moteur.StopAll_Click();
    EXPECT_EQ(b.dialogues.textes(), QStringList{kQuestionDiffere});
    EXPECT_EQ(b.etat(), EtatLecteur::Differe);

    b.dialogues.reponses = {true};
    b.app->parties().moteur.StopAll_Click();
    EXPECT_EQ(b.etat(), EtatLecteur::Arret);
    EXPECT_EQ(b.lecteurs.fermeturesTotales, 1);

    b.dialogues.messages.clear();
    b.forcerEtat(EtatLecteur::FinProgramme);
    b.app->parties().moteur.StopAll_Click();
    EXPECT_TRUE(b.dialogues.messages.empty());
    EXPECT_EQ(b.etat(), EtatLecteur::Arret);

    // The clock's stop asks nothing and refuses nothing, not even a running scheduled recording.
    for (EtatLecteur e : {EtatLecteur::Programme, EtatLecteur::Differe}) {
        b.forcerEtat(e);
        b.app->parties().moteur.StopAll_Click(true);
        EXPECT_TRUE(b.dialogues.messages.empty());
        EXPECT_EQ(b.etat(), EtatLecteur::Arret);
    }
}

TEST(Arreter, TemporaryFilesGoOnlyAfterThePlayers)
{
    for (const bool garder : {false, true}) {
        BancTransport b(garder ? "TIME=1\n" : "TIME=0\n");
        const QString differe = b.app->parties().session.DossierEnregistrement + "TimeShift.mpg";
        QFile(differe).open(QIODevice::WriteOnly);
        b.ecrire("settings.html", "x");
        b.ecrire("settings.gif", "x");
        b.forcerEtat(EtatLecteur::Lecture);
        b.app->parties().moteur.StopAll_Click();
        EXPECT_EQ(QFileInfo::exists(differe), garder);
        EXPECT_FALSE(QFileInfo::exists(b.programme() + "settings.html"));
        EXPECT_FALSE(QFileInfo::exists(b.programme() + "settings.gif"));
        EXPECT_TRUE(b.lecteurs.aucunEnCours());
    }
}

TEST(Touches, GoOnlyToOurOwnPlayer)
{
    BancTransport b;
    b.t().Mute_Click();
    b.t().VolumeP_Click();
    EXPECT_TRUE(b.lecteurs.touches.empty());
    EXPECT_FALSE(bouton(*b.fond, "Mute")->font().bold());

    b.t().Play_Click();
    b.t().VolumeP_Click();
    b.t().VolumeM_Click();
    b.t().Full_Click();
    b.t().Mute_Click();
    b.t().Snap_Click();
    std::vector<std::pair<RoleLecteur, QString>> attendu = {
        {RoleLecteur::Regarder, "key-vol-up"},   {RoleLecteur::Regarder, "key-vol-down"},
        {RoleLecteur::Regarder, "key-toggle-fullscreen"}, {RoleLecteur::Regarder, "key-vol-mute"},
        {RoleLecteur::Regarder, "key-snapshot"}};
    EXPECT_EQ(b.lecteurs.touches, attendu);
    EXPECT_TRUE(bouton(*b.fond, "Mute")->font().bold());

    // Back to stopped: the mute look goes back to sound on.
    b.app->parties().moteur.StopAll_Click();
    EXPECT_FALSE(bouton(*b.fond, "Mute")->font().bold());
}

TEST(Touches, SnapshotIsRefusedSilentlyWithoutAPicture)
{
    BancTransport b;
    b.lecteurs.demarrer(RoleLecteur::Regarder, "vlc", {});
    for (EtatLecteur e : {EtatLecteur::Arret, EtatLecteur::Programme, EtatLecteur::FinProgramme}) {
        b.forcerEtat(e);
        b.t().Snap_Click();
    }
    EXPECT_TRUE(b.lecteurs.touches.empty());
    EXPECT_TRUE(b.dialogues.messages.empty());
}

TEST(Diffusion, ToggleAndSaveFollowTheOption)
{
    BancTransport b("FRPL=1\n");
    EXPECT_TRUE(b.app->parties().session.TV);
    EXPECT_TRUE(bouton(*b.fond, "TV")->font().bold());
    bouton(*b.fond, "TV")->click();
    EXPECT_FALSE(b.app->parties().session.TV);
    b.app->EcrireParametres();
    EXPECT_TRUE(b.app->parties().session.TV);

    b.t().Play_Click();
    ASSERT_EQ(b.lecteurs.lancements.size(), 1u);
    EXPECT_TRUE(b.lecteurs.lancements[0].arguments.join(' ').contains("access=udp,mux=ts,dst=freeplayer.freebox.fr:1234"));
    EXPECT_TRUE(b.pageReglages.enService());
    EXPECT_EQ(b.pageReglages.dossier, b.programme());
    EXPECT_TRUE(b.lire("settings.html").endsWith("\r\n"));

    b.app->parties().moteur.StopAll_Click();
    EXPECT_FALSE(b.pageReglages.enService());
}

TEST(Differe, PauseFromStoppedStartsTimeShiftPaused)
{
    BancTransport b;
    b.t().Pause_Click();
    ASSERT_EQ(b.lecteurs.lancements.size(), 2u);
    EXPECT_EQ(b.lecteurs.lancements[0].role, RoleLecteur::DiffereEnregistreur);
    EXPECT_EQ(b.lecteurs.lancements[1].role, RoleLecteur::DiffereLecteur);
    // The viewer reads the buffer through the loopback server, asked once the recorder runs.
    EXPECT_EQ(b.serveurDiffere.servis, QStringList{b.app->parties().session.DossierEnregistrement + "TimeShift.mpg"});
    EXPECT_EQ(b.lecteurs.lancements[1].arguments.last(), b.serveurDiffere.adresse);
    EXPECT_EQ(b.etat(), EtatLecteur::Pause);
    EXPECT_EQ(b.lecteurs.touches.back(), std::make_pair(RoleLecteur::DiffereLecteur, QString("key-play-pause")));
    EXPECT_TRUE(b.fond->isEnabled());

    b.t().Play_Click();  // paused: watching resumes time-shift
    EXPECT_EQ(b.etat(), EtatLecteur::Differe);
    b.t().Play_Click();  // time-shift plays: nothing
    EXPECT_EQ(b.etat(), EtatLecteur::Differe);
    EXPECT_EQ(b.lecteurs.lancements.size(), 2u);
}

TEST(Differe, ABufferThatCannotBeServedStopsEverythingAndSaysSo)
{
    BancTransport b;
    b.serveurDiffere.echec = true;
    b.t().Shift_Click();
    EXPECT_EQ(b.etat(), EtatLecteur::Arret);
    EXPECT_FALSE(b.lecteurs.enCours(RoleLecteur::DiffereEnregistreur));
    EXPECT_FALSE(b.lecteurs.enCours(RoleLecteur::DiffereLecteur));
    EXPECT_EQ(b.dialogues.messages.size(), 1u);
    EXPECT_GE(b.serveurDiffere.arrets, 1);
    EXPECT_TRUE(b.fond->isEnabled());
}

TEST(Differe, TheClockStopsBothPlayersAndSaysWhyWhenTheBufferIsNoLongerWritten)
{
    BancTransport b;
    const QString tampon = b.app->parties().session.DossierEnregistrement + "TimeShift.mpg";
    auto tic = [&b] {
        b.horloge.avancer(10 * 1000);
        b.app->Horloge_Timer();
        return b.etat();
    };
    auto arretes = [&b] {
        return !b.lecteurs.enCours(RoleLecteur::DiffereEnregistreur) && !b.lecteurs.enCours(RoleLecteur::DiffereLecteur);
    };

    // The recorder dies: the viewer would wait for a buffer that no longer comes.
    b.t().Shift_Click();
    ASSERT_EQ(b.etat(), EtatLecteur::Differe);
    b.disque.tailles[tampon] = 1000;
    EXPECT_EQ(tic(), EtatLecteur::Differe);
    b.lecteurs.actifs[RoleLecteur::DiffereEnregistreur] = false;
    EXPECT_EQ(tic(), EtatLecteur::Arret);
    EXPECT_TRUE(arretes());
    EXPECT_EQ(b.dialogues.textes(), QStringList{"Le time shifting de TF1 a été arrêté : le lecteur vlc s'est fermé.\n\n"
                                                "Le tampon du différé n'est plus écrit :\n" + tampon});

    // Paused, on a full disk: the buffer stays the same size for a minute.
    b.dialogues.messages.clear();
    b.disque.tailles.erase(tampon);
    b.t().Pause_Click();
    ASSERT_EQ(b.etat(), EtatLecteur::Pause);
    b.disque.tailles[tampon] = 4096;
    for (int i = 0; i < 6; ++i)
        ASSERT_EQ(tic(), EtatLecteur::Pause) << i;
    EXPECT_EQ(tic(), EtatLecteur::Arret);
    EXPECT_TRUE(arretes());
    ASSERT_EQ(b.dialogues.messages.size(), 1u);
    EXPECT_EQ(b.dialogues.messages[0].genre, Message::Exclamation);
    EXPECT_TRUE(b.dialogues.messages[0].texte.startsWith("Le time shifting de TF1 a été arrêté : le fichier ne grossit "
                                                         "plus depuis une minute\n(la chaîne n'est plus reçue ou le "
                                                         "disque est plein)."));
    EXPECT_TRUE(b.dialogues.messages[0].texte.endsWith("\n" + tampon));
    EXPECT_EQ(tic(), EtatLecteur::Arret);
    EXPECT_EQ(b.dialogues.messages.size(), 1u);
}

TEST(Differe, ABufferFolderThatTakesNoFileIsRefusedBeforeAnythingStops)
{
    BancTransport b;
    b.ecrire("pas un dossier", "x");
    const QString dossier = b.programme() + "pas un dossier/";
    b.app->parties().session.DossierEnregistrement = dossier;
    b.t().Play_Click();
    b.t().Shift_Click();
    EXPECT_EQ(b.etat(), EtatLecteur::Lecture);
    EXPECT_TRUE(b.lecteurs.enCours(RoleLecteur::Regarder));
    EXPECT_EQ(b.lecteurs.lancements.size(), 1u);
    ASSERT_EQ(b.dialogues.messages.size(), 1u);
    EXPECT_TRUE(b.dialogues.messages[0].texte.startsWith("Le lecteur vlc ne peut pas enregistrer dans le dossier :\n" +
                                                         dossier + "\n\nAucun fichier ne peut y être créé"));
    EXPECT_TRUE(b.fond->isEnabled());
}

TEST(Differe, PauseDuringARecordingAsksFirst)
{
    BancTransport b;
    b.lecteurs.demarrer(RoleLecteur::Enregistreur, "vlc", {});
    b.forcerEtat(EtatLecteur::Enregistrement);
    b.t().Pause_Click();
    EXPECT_EQ(b.dialogues.textes(),
              QStringList{"L'enregistrement en cours va être interrompu\npour passer en mode time shifting.\n\n"
                          "Souhaitez-vous poursuivre ?"});
    EXPECT_EQ(b.etat(), EtatLecteur::Enregistrement);
    EXPECT_TRUE(b.lecteurs.touches.empty());
}

TEST(Differe, LeavingGoesBackToLiveOnTheChannelSelectedNow)
{
    BancTransport b;
    b.t().Pause_Click();
    b.app->parties().moteur.Chaines_Click(2);
    b.dialogues.reponses = {true};
    b.t().Shift_Click();
    EXPECT_EQ(b.etat(), EtatLecteur::Lecture);
    EXPECT_EQ(b.lecteurs.lancements.back().role, RoleLecteur::Regarder);
    EXPECT_EQ(b.lecteurs.lancements.back().arguments.last(), "rtsp://box/3");
}

TEST(PasChaine, StepsRetuneOnlyARunningPlayer)
{
    BancTransport b;
    bouton(*b.fond, "ChaîneP")->click();
    EXPECT_EQ(b.app->parties().session.chaineSelectionnee, 1);
    EXPECT_TRUE(b.lecteurs.lancements.empty());
    b.t().Play_Click();
    bouton(*b.fond, "ChaîneP")->click();
    EXPECT_EQ(b.lecteurs.lancements.size(), 2u);
    EXPECT_EQ(b.lecteurs.lancements.back().arguments.last(), "rtsp://box/3");
    EXPECT_FALSE(bouton(*b.fond, "ChaîneP")->isEnabled());
}

TEST(PasChaine, AStepWhileTheTimeShiftIsPausedPressesPlayWhichResumesIt)
{
    BancTransport b;
    b.t().Pause_Click();
    ASSERT_EQ(b.etat(), EtatLecteur::Pause);
    bouton(*b.fond, "ChaîneP")->click();
    EXPECT_EQ(b.app->parties().session.chaineSelectionnee, 1);
    EXPECT_EQ(b.etat(), EtatLecteur::Differe);
}

TEST(PasChaine, AStepWhileRecordingAsksBeforeLeavingTheRecording)
{
    BancTransport b;
    bouton(*b.fond, "Rec")->click();
    ASSERT_EQ(b.etat(), EtatLecteur::Enregistrement);
    b.dialogues.messages.clear();
    b.dialogues.reponses = {false};
    bouton(*b.fond, "ChaîneP")->click();
    ASSERT_EQ(b.dialogues.messages.size(), 1u);
    EXPECT_EQ(b.dialogues.messages[0].genre, Message::Question);
    EXPECT_EQ(b.etat(), EtatLecteur::Enregistrement) << "No keeps the recording";
    EXPECT_EQ(b.app->parties().session.chaineSelectionnee, 1);
}

TEST(Demarrage, WatchesTheSelectedChannelWhenAsked)
{
    BancTransport b("TVON=1\nCHA0=1\nCHA1=M6\n");
    ASSERT_EQ(b.lecteurs.lancements.size(), 1u);
    EXPECT_EQ(b.lecteurs.lancements[0].arguments.last(), "rtsp://box/3");
}

TEST(Regarder, DoubleClickOnAChannelInTheNormalWindowShowsItLiveInTheMediaPane)
{
    BancTransport b;
    QListWidget* liste = b.fond->findChild<QListWidget*>("Chaînes");
    liste->setCurrentRow(2);
    emit liste->itemDoubleClicked(liste->item(2));
    EXPECT_EQ(b.app->parties().session.Etat, EtatLecteur::Arret);
    EXPECT_TRUE(b.lecteurs.lancements.empty());
    EXPECT_TRUE(b.fond->forme().estOuvert(Volet::Afficher));
    EXPECT_EQ(b.vue.appels.last(), "jouer rtsp://box/3");
}
