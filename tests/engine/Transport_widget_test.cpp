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
    Transport& t() { return *app->transport; }
    int etat() const { return app->Etat; }
    void forcerEtat(int e) { app->ChangerEtat(e); }
};
}  // namespace

TEST(Regarder, StartsTheWatchingPlayerOnTheSelectedChannel)
{
    BancTransport b;
    b.app->Chaines_Click(1);
    b.fond->bouton("Regarder")->click();
    EXPECT_EQ(b.etat(), 1);
    ASSERT_EQ(b.lecteurs.lancements.size(), 1u);
    const auto& l = b.lecteurs.lancements[0];
    EXPECT_EQ(l.role, RoleLecteur::Regarder);
    EXPECT_EQ(l.programme, b.app->parametres.cheminVLC);
    EXPECT_EQ(l.arguments.mid(l.arguments.size() - 2), QStringList({"--", "rtsp://box/2"}));
    EXPECT_EQ(b.horloge.attenteTotaleMs, 2000);
    EXPECT_TRUE(b.fond->bouton("Regarder")->font().bold());
    EXPECT_TRUE(b.fond->bouton("RegarderX")->isEnabled());
    EXPECT_EQ(b.fond->bouton("RegarderX")->toolTip(), " Arrêter la lecture de France 2 ");
}

TEST(Regarder, ScheduledRecordingRefusesWatchingAndStopping)
{
    BancTransport b;
    b.forcerEtat(16);
    b.t().Play_Click();
    b.t().StopAll_Click();
    b.t().Shift_Click();
    b.t().Pause_Click();
    EXPECT_EQ(b.etat(), 16);
    EXPECT_TRUE(b.lecteurs.lancements.empty());
    ASSERT_EQ(b.dialogues.messages.size(), 4u);
    for (const auto& m : b.dialogues.messages)
        EXPECT_EQ(m, (Message{Message::Information, Transport::kRefusProgramme}));
}

TEST(Regarder, DuringAManualRecordingAsksAndStopsTheRecorderOnYes)
{
    BancTransport b;
    b.lecteurs.demarrer(RoleLecteur::Enregistreur, "vlc", {});
    b.forcerEtat(2);
    b.t().Play_Click();
    EXPECT_EQ(b.etat(), 2);
    EXPECT_TRUE(b.lecteurs.enCours(RoleLecteur::Enregistreur));

    b.dialogues.reponses = {true};
    b.t().Play_Click();
    EXPECT_EQ(b.dialogues.messages.back().texte,
              "L'enregistrement en cours va être interrompu\npour passer en mode lecture.\n\nSouhaitez-vous poursuivre ?");
    EXPECT_EQ(b.etat(), 1);
    EXPECT_FALSE(b.lecteurs.enCours(RoleLecteur::Enregistreur));
    EXPECT_TRUE(b.lecteurs.enCours(RoleLecteur::Regarder));
}

TEST(Regarder, AnAddressThatIsNotAStreamStartsNothing)
{
    BancTransport b({}, "#EXTM3U\n#EXTINF:0,1 - Piège\n--extraintf=http\n#EXTINF:0,2 - Fichier\nfile:///etc/passwd\n");
    for (int i = 0; i < b.app->chaines.taille(); ++i) {
        b.app->Chaines_Click(i);
        b.t().Play_Click();
        EXPECT_EQ(b.etat(), 0);
    }
    EXPECT_TRUE(b.lecteurs.lancements.empty());
    EXPECT_EQ(b.dialogues.messages.size(), static_cast<size_t>(b.app->chaines.taille()));
}

TEST(Regarder, APlayerThatCannotStartIsReportedAndTheStateStaysStopped)
{
    BancTransport b;
    b.lecteurs.echecDemarrage = true;
    b.t().Play_Click();
    EXPECT_EQ(b.etat(), 0);
    ASSERT_EQ(b.dialogues.messages.size(), 1u);
    EXPECT_TRUE(b.dialogues.messages[0].texte.startsWith("Le lecteur vlc n'a pas pu être lancé"));
}

TEST(Arreter, StopInEachState)
{
    BancTransport b;
    b.t().StopAll_Click();  // nothing runs: nothing at all happens
    EXPECT_EQ(b.lecteurs.fermeturesTotales, 0);
    EXPECT_EQ(b.horloge.attenteTotaleMs, 0);

    b.forcerEtat(5);
    b.t().StopAll_Click();
    EXPECT_EQ(b.dialogues.textes(), QStringList{kQuestionDiffere});
    EXPECT_EQ(b.etat(), 5);

    b.dialogues.reponses = {true};
    b.t().StopAll_Click();
    EXPECT_EQ(b.etat(), 0);
    EXPECT_EQ(b.lecteurs.fermeturesTotales, 1);

    b.dialogues.messages.clear();
    b.forcerEtat(32);
    b.t().StopAll_Click();
    EXPECT_TRUE(b.dialogues.messages.empty());
    EXPECT_EQ(b.etat(), 0);
}

TEST(Arreter, TemporaryFilesGoOnlyAfterThePlayers)
{
    for (const bool garder : {false, true}) {
        BancTransport b(garder ? "TIME=1\n" : "TIME=0\n");
        const QString differe = b.app->DossierEnregistrement + "TimeShift.mpg";
        QFile(differe).open(QIODevice::WriteOnly);
        b.ecrire("settings.html", "x");
        b.ecrire("settings.gif", "x");
        b.forcerEtat(1);
        b.t().StopAll_Click();
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
    EXPECT_FALSE(b.fond->bouton("Mute")->font().bold());

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
    EXPECT_TRUE(b.fond->bouton("Mute")->font().bold());

    // Back to stopped: the mute look goes back to sound on.
    b.t().StopAll_Click();
    EXPECT_FALSE(b.fond->bouton("Mute")->font().bold());
}

TEST(Touches, SnapshotIsRefusedSilentlyWithoutAPicture)
{
    BancTransport b;
    b.lecteurs.demarrer(RoleLecteur::Regarder, "vlc", {});
    for (int e : {0, 16, 32}) {
        b.forcerEtat(e);
        b.t().Snap_Click();
    }
    EXPECT_TRUE(b.lecteurs.touches.empty());
    EXPECT_TRUE(b.dialogues.messages.empty());
}

TEST(Diffusion, ToggleAndSaveFollowTheOption)
{
    BancTransport b("FRPL=1\n");
    EXPECT_TRUE(b.app->TV);
    EXPECT_TRUE(b.fond->bouton("TV")->font().bold());
    b.fond->bouton("TV")->click();
    EXPECT_FALSE(b.app->TV);
    b.app->EcrireParametres();
    EXPECT_TRUE(b.app->TV);

    b.t().Play_Click();
    ASSERT_EQ(b.lecteurs.lancements.size(), 1u);
    EXPECT_TRUE(b.lecteurs.lancements[0].arguments.join(' ').contains("access=udp,mux=ts,dst=freeplayer.freebox.fr:1234"));
    EXPECT_TRUE(b.pageReglages.enService());
    EXPECT_EQ(b.pageReglages.dossier, b.programme());
    EXPECT_TRUE(b.lire("settings.html").endsWith("\r\n"));

    b.t().StopAll_Click();
    EXPECT_FALSE(b.pageReglages.enService());
}

TEST(Differe, PauseFromStoppedStartsTimeShiftPaused)
{
    BancTransport b;
    b.t().Pause_Click();
    ASSERT_EQ(b.lecteurs.lancements.size(), 2u);
    EXPECT_EQ(b.lecteurs.lancements[0].role, RoleLecteur::DiffereEnregistreur);
    EXPECT_EQ(b.lecteurs.lancements[1].role, RoleLecteur::DiffereLecteur);
    EXPECT_EQ(b.lecteurs.lancements[1].arguments.last(), b.app->DossierEnregistrement + "TimeShift.mpg");
    EXPECT_EQ(b.etat(), 12);
    EXPECT_EQ(b.lecteurs.touches.back(), std::make_pair(RoleLecteur::DiffereLecteur, QString("key-play-pause")));
    EXPECT_TRUE(b.fond->isEnabled());

    b.t().Play_Click();  // paused: watching resumes time-shift
    EXPECT_EQ(b.etat(), 5);
    b.t().Play_Click();  // time-shift plays: nothing
    EXPECT_EQ(b.etat(), 5);
    EXPECT_EQ(b.lecteurs.lancements.size(), 2u);
}

TEST(Differe, PauseDuringARecordingAsksFirst)
{
    BancTransport b;
    b.lecteurs.demarrer(RoleLecteur::Enregistreur, "vlc", {});
    b.forcerEtat(2);
    b.t().Pause_Click();
    EXPECT_EQ(b.dialogues.textes(),
              QStringList{"L'enregistrement en cours va être interrompu\npour passer en mode time shifting.\n\n"
                          "Souhaitez-vous poursuivre ?"});
    EXPECT_EQ(b.etat(), 2);
    EXPECT_TRUE(b.lecteurs.touches.empty());
}

TEST(Differe, LeavingGoesBackToLiveOnTheChannelSelectedNow)
{
    BancTransport b;
    b.t().Pause_Click();
    b.app->Chaines_Click(2);
    b.dialogues.reponses = {true};
    b.t().Shift_Click();
    EXPECT_EQ(b.etat(), 1);
    EXPECT_EQ(b.lecteurs.lancements.back().role, RoleLecteur::Regarder);
    EXPECT_EQ(b.lecteurs.lancements.back().arguments.last(), "rtsp://box/3");
}

TEST(PasChaine, StepsRetuneOnlyARunningPlayer)
{
    BancTransport b;
    b.fond->bouton("ChaîneP")->click();
    EXPECT_EQ(b.app->chaineSelectionnee, 1);
    EXPECT_TRUE(b.lecteurs.lancements.empty());
    b.t().Play_Click();
    b.fond->bouton("ChaîneP")->click();
    EXPECT_EQ(b.lecteurs.lancements.size(), 2u);
    EXPECT_EQ(b.lecteurs.lancements.back().arguments.last(), "rtsp://box/3");
    EXPECT_FALSE(b.fond->bouton("ChaîneP")->isEnabled());
}

TEST(Demarrage, WatchesTheSelectedChannelWhenAsked)
{
    BancTransport b("TVON=1\nCHA0=1\nCHA1=M6\n");
    ASSERT_EQ(b.lecteurs.lancements.size(), 1u);
    EXPECT_EQ(b.lecteurs.lancements[0].arguments.last(), "rtsp://box/3");
}

TEST(Regarder, DoubleClickOnAChannelWatchesIt)
{
    BancTransport b;
    QListWidget* liste = b.fond->findChild<QListWidget*>("Chaînes");
    liste->setCurrentRow(2);
    emit liste->itemDoubleClicked(liste->item(2));
    EXPECT_EQ(b.app->Etat, 1);
    ASSERT_EQ(b.lecteurs.lancements.size(), 1u);
    EXPECT_EQ(b.lecteurs.lancements[0].arguments.last(), "rtsp://box/3");
}
