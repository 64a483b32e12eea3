#include "engine/Medias.h"
#include "panes/PanneauChaines.h"
#include "panes/VoletAfficher.h"
#include "support/Attente.h"
#include "support/BancApplication.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QSet>
#include <QListWidget>
#include <QSlider>
#include <QTabBar>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>

namespace {
struct BancMedias : BancApplication {
    explicit BancMedias(const QByteArray& ini = {})
    {
        installerVlc();
        ecrire("Kelmor.cfg", playlist({"TF1", "France 2", "M6"}));
        ecrire("Kelmor.ini", "FA01=M6\nFA03=TF1\n" + ini);
        EXPECT_TRUE(demarrer());
        dialogues.messages.clear();
        fond->show();
    }
    Medias& m() { return app->medias; }
    // A double-click on the selected channel opens the pane; its fold takes a few steps.
    void ouvrir()
    {
        m().Chaines_DblClick();
        EXPECT_TRUE(attendreForme());
    }
    VoletAfficher& v() { return fond->afficher(); }
    QString dossier() const { return app->session.DossierEnregistrement; }
    void fichier(const QString& nom) const
    {
        QFile f(dossier() + nom);
        f.open(QIODevice::WriteOnly);
        f.write("x");
    }
    void onglet(OngletAfficher o) { v().AfficherOnglets->setCurrentIndex(int(o) - 1); }
    QStringList liste() const
    {
        QStringList noms;
        for (int i = 0; i < fond->afficher().AfficherListe->count(); ++i)
            noms << fond->afficher().AfficherListe->item(i)->text();
        return noms;
    }
    bool attente() const { return !fond->afficher().Waiting->isHidden(); }
    bool gras(const char* nom) const { return bouton(*fond, nom)->font().bold(); }
};
}  // namespace

TEST(Medias, TwoChannelChangesWithinThreeSecondsKeepTheWaitingPictureUntilThreeSecondsAfterTheSecond)
{
    BancMedias b;
    b.m().Chaines_DblClick();
    ASSERT_TRUE(b.fond->forme().estOuvert(Volet::Afficher));
    EXPECT_TRUE(b.attente());
    EXPECT_EQ(b.vue.appels.last(), "jouer rtsp://box/1");
    QTest::qWait(2000);
    b.app->moteur.Chaines_Click(1);
    QElapsedTimer depuisSeconde;
    depuisSeconde.start();
    // The view restarts: stopped, emptied, sized to the waiting picture, then the new channel.
    const QStringList fin = b.vue.appels.mid(b.vue.appels.size() - 4);
    EXPECT_EQ(fin.mid(0, 2), QStringList({"arreter", "vider"}));
    EXPECT_EQ(fin[2], QString("taille %1x%2").arg(b.v().Waiting->width() * 15).arg(b.v().Waiting->height() * 15));
    EXPECT_EQ(fin[3], "jouer rtsp://box/2");
    QTest::qWait(2000);  // four seconds after the first start
    EXPECT_TRUE(b.attente());
    ASSERT_TRUE(attendreQue([&] { return !b.attente(); }, 3000));
    EXPECT_GE(depuisSeconde.elapsed(), Medias::AttenteMs);
}

TEST(Medias, TheViewHasItsPlaceBeforeTheWaitingPictureShowsOverItAndTheRibbonStaysAboveThePicture)
{
    BancMedias b;
    // A native window made later lies over those made before: the view's comes first.
    QObject* hoteAvantAttente = nullptr;
    bool attenteVue = false;
    QObject::connect(&b.m(), &Medias::attenteAffichee, &b.m(), [&](bool visible) {
        if (visible && !attenteVue) {
            attenteVue = true;
            hoteAvantAttente = b.vue.hote;
        }
    });
    b.ouvrir();
    ASSERT_TRUE(attenteVue);
    EXPECT_EQ(hoteAvantAttente, b.v().FondActiveX);

    // A channel step from the ribbon shows the picture again: the ribbon stays above it, so
    // that the next click reaches it.
    bouton(*b.fond, "Mini2")->click();
    bouton(*b.fond, "SizeBar0")->click();
    bouton(*b.fond, "SizeBarP")->click();
    ASSERT_TRUE(b.attente());
    const QObjectList enfants = b.v().FondActiveX->children();
    EXPECT_GT(enfants.indexOf(b.v().SizeBar), enfants.indexOf(b.v().Waiting));
    // In full screen the compact row lies over the picture likewise.
    bouton(*b.fond, "SizeBarF")->click();
    bouton(*b.fond, "ChaîneM2")->click();
    ASSERT_TRUE(b.attente());
    const QObjectList plein = b.v().FondActiveX->children();
    EXPECT_GT(plein.indexOf(b.v().FondActiveX2), plein.indexOf(b.v().Waiting));
}

TEST(Medias, TheLiveViewDrawsInItsFrameAndStopsWhenThePaneOrItsTabIsLeft)
{
    BancMedias b;
    EXPECT_EQ(b.vue.hote, nullptr);  // no video window before the view first plays
    b.ouvrir();
    EXPECT_EQ(b.vue.hote, b.v().FondActiveX);
    b.vue.appels.clear();
    b.onglet(OngletAfficher::Videos);
    EXPECT_TRUE(b.vue.appels.contains("arreter"));
    EXPECT_FALSE(b.vue.joue);
    // A channel change off the "Direct" tab leaves the view alone.
    b.vue.appels.clear();
    b.app->moteur.Chaines_Click(2);
    EXPECT_TRUE(b.vue.appels.isEmpty());
    // A double-click brings the live view back; closing the window stops it.
    b.app->Chaines_DblClick();
    EXPECT_EQ(b.v().AfficherOnglets->currentIndex(), 0);
    EXPECT_EQ(b.vue.appels.last(), "jouer rtsp://box/3");
    b.fond->close();
    EXPECT_FALSE(b.vue.joue);
}

TEST(Medias, WithASingleStreamOpeningWhileWatchingSaysSoAndShowsTheRecordings)
{
    BancMedias b("FLX1=1\n");
    bouton(*b.fond, "Regarder")->click();
    b.dialogues.messages.clear();
    b.m().Afficher_Click();
    EXPECT_TRUE(b.attendreForme());
    ASSERT_EQ(b.dialogues.messages.size(), 1u);
    EXPECT_EQ(b.dialogues.messages[0], (Message{Message::Exclamation, Medias::kMessageFlux}));
    EXPECT_TRUE(b.fond->forme().estOuvert(Volet::Afficher));
    EXPECT_EQ(b.v().AfficherOnglets->currentIndex(), 2);
    // Choosing "Direct" or "Mosaïque" by hand shows an empty frame and starts nothing.
    b.onglet(OngletAfficher::Direct);
    b.onglet(OngletAfficher::Mosaique);
    EXPECT_EQ(b.m().cadre(), CadreAfficher::Aucun);
    EXPECT_TRUE(b.vue.appelsCommencantPar("jouer").isEmpty());
    EXPECT_FALSE(b.m().mosaique().enCours());
}

TEST(Medias, WithASingleStreamWatchingOrRecordingClosesTheLiveViewOrTheMosaicFirst)
{
    BancMedias b("FLX1=1\n");
    b.ouvrir();
    ASSERT_TRUE(b.vue.joue);
    bouton(*b.fond, "Play")->click();
    EXPECT_FALSE(b.vue.joue);
    EXPECT_FALSE(b.fond->forme().estOuvert(Volet::Afficher));
    EXPECT_TRUE(b.attendreForme());
    EXPECT_EQ(b.app->session.Etat, EtatLecteur::Lecture);
    EXPECT_TRUE(b.dialogues.messages.empty());

    b.app->moteur.StopAll_Click();
    b.ouvrir();
    b.onglet(OngletAfficher::Mosaique);
    ASSERT_TRUE(b.m().mosaique().enCours());
    bouton(*b.fond, "Rec")->click();
    EXPECT_EQ(b.app->session.Etat, EtatLecteur::Enregistrement);
    EXPECT_FALSE(b.m().mosaique().enCours());
    EXPECT_FALSE(b.fond->forme().estOuvert(Volet::Afficher));
}

TEST(Medias, WithASingleStreamWatchingFromTheMiniScreenOrFullScreenBringsBackTheNormalWindow)
{
    for (const char* bouton2 : {"Mini2", "Full2"}) {
        SCOPED_TRACE(bouton2);
        BancMedias b("FLX1=1\n");
        b.ouvrir();
        const QPoint place = b.fond->pos();
        bouton(*b.fond, bouton2)->click();
        ASSERT_TRUE(b.fond->forme().miniEcran());
        bouton(*b.fond, "Rec2")->click();
        EXPECT_EQ(b.app->session.Etat, EtatLecteur::Enregistrement);
        EXPECT_FALSE(b.vue.joue);
        EXPECT_TRUE(b.attendreForme());
        EXPECT_EQ(b.fond->forme().forme(), Forme::Normal);
        EXPECT_EQ(b.fond->size(), FormeFenetre::enPixels(QSize(4455, 5175)));
        EXPECT_EQ(b.fond->pos(), place);
        EXPECT_FALSE(b.gras("Mini2"));
        EXPECT_TRUE(b.v().SizeBar->isHidden());
        b.app->moteur.StopAll_Click(true);
    }
}

TEST(Medias, WithoutTheSingleStreamOptionTheLiveViewKeepsPlayingWhileWatching)
{
    BancMedias b;
    b.ouvrir();
    bouton(*b.fond, "Play")->click();
    EXPECT_TRUE(b.vue.joue);
    EXPECT_TRUE(b.fond->forme().estOuvert(Volet::Afficher));
}

TEST(Medias, DeletingTheFileBeingRecordedIsRefusedAndDeleteAllLeavesIt)
{
    BancMedias b;
    bouton(*b.fond, "Rec")->click();
    const QString enCours = b.app->session.FichierEnregistrementManuel;
    ASSERT_FALSE(enCours.isEmpty());
    QFile(enCours).open(QIODevice::WriteOnly);  // the recorder's file
    b.fichier("Kelmor 2001-01-01 10-00-00 M6.mpg");
    b.ouvrir();
    b.onglet(OngletAfficher::Videos);
    const QString nom = QFileInfo(enCours).fileName();
    ASSERT_EQ(b.liste(), QStringList({"Kelmor 2001-01-01 10-00-00 M6.mpg", nom}));
    b.v().AfficherListe->setCurrentRow(1);
    b.v().AfficherEffacer->click();
    ASSERT_EQ(b.dialogues.messages.size(), 1u);
    EXPECT_EQ(b.dialogues.messages[0], (Message{Message::Exclamation, Medias::kMessageUtilise}));
    EXPECT_TRUE(QFileInfo::exists(enCours));
    EXPECT_EQ(b.v().AfficherListe->currentRow(), 1);

    b.dialogues.reponses = {true};
    b.v().AfficherTout->click();
    EXPECT_EQ(b.dialogues.messages.back(),
              (Message{Message::Question, "Souhaitez-vous effacer tous les fichiers vidéos ?"}));
    EXPECT_EQ(b.liste(), QStringList({nom}));
    EXPECT_TRUE(QFileInfo::exists(enCours));

    // Once the recording stops, the file may go.
    b.app->moteur.StopAll_Click();
    b.v().AfficherEffacer->click();
    EXPECT_FALSE(QFileInfo::exists(enCours));
    EXPECT_TRUE(b.liste().isEmpty());
    EXPECT_FALSE(b.v().AfficherRegarder->isEnabled());
    EXPECT_FALSE(b.v().AfficherEffacer->isEnabled());
    EXPECT_FALSE(b.v().AfficherTout->isEnabled());
    EXPECT_TRUE(b.v().AfficherAutres->isEnabled());
}

TEST(Medias, AListWhoseFilesVanishedIsRefreshedInsteadOfUsed)
{
    BancMedias b("UVLC=1\n");
    for (const char* nom : {"vlcsnap-1.png", "vlcsnap-2.png", "vlcsnap-3.png", "notes.txt"})
        b.fichier(nom);
    b.ouvrir();
    b.onglet(OngletAfficher::Photos);
    EXPECT_FALSE(b.v().TV2->isEnabled());
    ASSERT_EQ(b.liste(), QStringList({"vlcsnap-1.png", "vlcsnap-2.png", "vlcsnap-3.png"}));
    b.v().AfficherListe->setCurrentRow(2);
    QFile::remove(b.dossier() + "vlcsnap-3.png");
    b.v().AfficherRegarder->click();
    EXPECT_TRUE(b.shell.ouverts.isEmpty());
    EXPECT_EQ(b.liste(), QStringList({"vlcsnap-1.png", "vlcsnap-2.png"}));
    EXPECT_EQ(b.v().AfficherListe->currentRow(), 1);

    QFile::remove(b.dossier() + "vlcsnap-2.png");
    b.v().AfficherEffacer->click();
    EXPECT_TRUE(b.dialogues.messages.empty());
    EXPECT_EQ(b.liste(), QStringList({"vlcsnap-1.png"}));
    EXPECT_EQ(b.v().AfficherListe->currentRow(), 0);
    // A photo opens with the desktop's program, whatever UVLC says.
    b.v().AfficherRegarder->click();
    EXPECT_EQ(b.shell.ouverts, QStringList({b.dossier() + "vlcsnap-1.png"}));
    EXPECT_TRUE(b.lecteurs.lancements.empty());
}

TEST(Medias, ARowTheUserDeselectedIsNeitherDeletedNorPlayed)
{
    BancMedias b;
    b.fichier("Kelmor 2001-01-01 10-00-00 M6.mpg");
    b.fichier("Kelmor 2001-01-02 10-00-00 TF1.mpg");
    b.ouvrir();
    b.onglet(OngletAfficher::Videos);
    QListWidget* l = b.v().AfficherListe;
    ASSERT_EQ(l->count(), 2);
    const auto cliquer = [l](int ligne, Qt::KeyboardModifiers touches) {
        QTest::mouseClick(l->viewport(), Qt::LeftButton, touches, l->visualItemRect(l->item(ligne)).center());
    };
    cliquer(1, Qt::NoModifier);
    ASSERT_TRUE(l->item(1)->isSelected());
    cliquer(1, Qt::ControlModifier);
    ASSERT_TRUE(l->selectedItems().isEmpty());
    ASSERT_EQ(l->currentRow(), 1);  // still the current row, shown as not selected

    b.v().AfficherEffacer->click();
    b.v().AfficherRegarder->click();
    EXPECT_EQ(b.liste(), QStringList({"Kelmor 2001-01-01 10-00-00 M6.mpg", "Kelmor 2001-01-02 10-00-00 TF1.mpg"}));
    EXPECT_TRUE(b.shell.ouverts.isEmpty());
    EXPECT_TRUE(b.dialogues.messages.empty());

    cliquer(0, Qt::NoModifier);
    b.v().AfficherEffacer->click();
    EXPECT_EQ(b.liste(), QStringList({"Kelmor 2001-01-02 10-00-00 TF1.mpg"}));
}

TEST(Medias, ARecordingPlaysInTheExternalPlayerOnlyWhenNothingElseRuns)
{
    BancMedias b("UVLC=1\nMONO=1\n");
    b.fichier("Kelmor 2001-01-01 10-00-00 M6.mpg");
    b.ouvrir();
    b.onglet(OngletAfficher::Videos);
    b.v().AfficherRegarder->click();
    ASSERT_EQ(b.lecteurs.lancements.size(), 1u);
    EXPECT_EQ(b.lecteurs.lancements[0].role, RoleLecteur::Fichier);
    EXPECT_EQ(b.lecteurs.lancements[0].arguments.mid(b.lecteurs.lancements[0].arguments.size() - 2),
              QStringList({b.dossier() + "Kelmor 2001-01-01 10-00-00 M6.mpg", "vlc://quit"}));
    EXPECT_EQ(b.app->session.Etat, EtatLecteur::Arret);

    bouton(*b.fond, "Play")->click();
    b.v().AfficherRegarder->click();
    EXPECT_EQ(b.dialogues.messages.back(), (Message{Message::Information, Medias::kMessageLecteurActif}));
    EXPECT_EQ(b.lecteurs.lancements.size(), 2u);

    // A file from elsewhere, picked in the dialog.
    b.app->moteur.StopAll_Click();
    b.dialogues.fichiers = {"/tmp/ailleurs/film.avi"};
    b.v().AfficherAutres->click();
    EXPECT_EQ(b.dialogues.titresFichier.last(), "Sélectionnez le fichier vidéo à regarder");
    ASSERT_EQ(b.lecteurs.lancements.size(), 3u);
    EXPECT_TRUE(b.lecteurs.lancements[2].arguments.contains("/tmp/ailleurs/film.avi"));
}

TEST(Medias, NamesThatAreNotUtf8OrHoldALineBreakAreListedDeletedAndNeverTakenForAnAddress)
{
    BancMedias b("UVLC=1\n");
    const QByteArray latin1 = QFile::encodeName(b.dossier()) + "Kelmor 2026-12-09 20-00-00 T\xe9l\xe9.mpg";
    std::ofstream(latin1.toStdString()) << "x";
    b.fichier("Kelmor 2026-12-09 21-00-00 Nova\nTV.mpg");
    b.fichier("Kelmor 2026-12-09 22-00-00 M6.mpg");
    b.ouvrir();
    b.onglet(OngletAfficher::Videos);
    ASSERT_EQ(b.liste(), QStringList({QString::fromUtf8("Kelmor 2026-12-09 20-00-00 T\uFFFDl\uFFFD.mpg"),
                                      "Kelmor 2026-12-09 21-00-00 Nova\nTV.mpg", "Kelmor 2026-12-09 22-00-00 M6.mpg"}));

    // Neither is played under a wrong name, and the user is told what is wrong.
    b.v().AfficherListe->setCurrentRow(0);
    b.v().AfficherRegarder->click();
    b.v().AfficherListe->setCurrentRow(1);
    b.v().AfficherRegarder->click();
    EXPECT_TRUE(b.lecteurs.lancements.empty());
    EXPECT_TRUE(b.shell.ouverts.isEmpty());
    ASSERT_EQ(b.dialogues.messages.size(), 2u);
    EXPECT_EQ(b.dialogues.messages[0], (Message{Message::Exclamation, Medias::kMessageNomIllisible}));
    EXPECT_EQ(b.dialogues.messages[1].texte,
              "Le lecteur vlc ne lit pas ce fichier : son nom ou son dossier contient un retour à la ligne ou un "
              "autre caractère de contrôle.\n" + b.dossier() + "Kelmor 2026-12-09 21-00-00 Nova\nTV.mpg\n\n"
              "Renommez-le pour le regarder.");

    // Both can be deleted, one by one or all at once.
    b.dialogues.messages.clear();
    b.v().AfficherListe->setCurrentRow(0);
    b.v().AfficherEffacer->click();
    EXPECT_TRUE(b.dialogues.messages.empty());
    EXPECT_FALSE(std::filesystem::exists(latin1.toStdString()));
    EXPECT_EQ(b.liste(), QStringList({"Kelmor 2026-12-09 21-00-00 Nova\nTV.mpg", "Kelmor 2026-12-09 22-00-00 M6.mpg"}));
    std::ofstream(latin1.toStdString()) << "x";
    b.v().AfficherRefresh->click();
    ASSERT_EQ(b.liste().size(), 3);
    b.dialogues.reponses = {true};
    b.v().AfficherTout->click();
    EXPECT_TRUE(b.liste().isEmpty());
    EXPECT_FALSE(std::filesystem::exists(latin1.toStdString()));
    EXPECT_TRUE(QDir(b.dossier()).entryList(QDir::Files).isEmpty());
}

TEST(Medias, MosaicTilesWatchOnTheLeftButtonShowOnTheRightAndIgnoreTheMiddle)
{
    BancMedias b;
    b.ouvrir();
    b.onglet(OngletAfficher::Mosaique);
    ASSERT_TRUE(b.m().mosaique().enCours());
    EXPECT_EQ(b.v().Mosaic[0]->contenu(), TuileMosaique::Contenu::Attente);
    EXPECT_EQ(b.v().Mosaic[1]->contenu(), TuileMosaique::Contenu::Vide);
    QTest::mouseClick(b.v().Mosaic[1], Qt::LeftButton);  // an empty tile
    QTest::mouseClick(b.v().Mosaic[0], Qt::MiddleButton);
    EXPECT_TRUE(b.lecteurs.lancements.empty());
    EXPECT_TRUE(b.m().mosaique().enCours());

    QTest::mouseClick(b.v().Mosaic[0], Qt::LeftButton);
    ASSERT_EQ(b.lecteurs.lancements.size(), 1u);
    EXPECT_EQ(b.lecteurs.lancements[0].arguments.last(), "rtsp://box/3");

    QTest::mouseClick(b.v().Mosaic[2], Qt::RightButton);
    EXPECT_FALSE(b.m().mosaique().enCours());
    EXPECT_EQ(b.v().AfficherOnglets->currentIndex(), 0);
    EXPECT_EQ(b.vue.appels.last(), "jouer rtsp://box/1");
}

TEST(Medias, TheMosaicsGroupButtonsChooseTheGroupAndShowWhichIsOn)
{
    BancMedias b("FA21=France 2\n");
    b.ouvrir();
    b.onglet(OngletAfficher::Mosaique);
    ASSERT_TRUE(b.m().mosaique().enCours());
    EXPECT_TRUE(b.v().MosaFavo[0]->font().bold());
    b.v().MosaFavo[2]->click();
    EXPECT_EQ(b.app->favoris.groupe(), 2);
    EXPECT_EQ(b.m().mosaique().groupe(), 2) << "the mosaic restarts on the group";
    EXPECT_TRUE(b.v().MosaFavo[2]->font().bold());
    EXPECT_FALSE(b.v().MosaFavo[0]->font().bold());
    // Chosen elsewhere (the favourites frame's arrows), the buttons follow.
    bouton(*b.fond, "FavorisP")->click();
    EXPECT_TRUE(b.v().MosaFavo[3]->font().bold());
    EXPECT_FALSE(b.v().MosaFavo[2]->font().bold());
}

TEST(Medias, MuteAndVolumeZeroStayTwoStatesOfTheView)
{
    BancMedias b;
    b.ouvrir();
    QSlider* volume = b.v().Volume2;
    EXPECT_EQ(volume->minimum(), 0);
    EXPECT_EQ(volume->maximum(), 200);
    EXPECT_EQ(bouton(*b.fond, "Mute2")->toolTip(), " Couper le son ");
    bouton(*b.fond, "Mute2")->click();
    EXPECT_TRUE(b.vue.muet);
    EXPECT_TRUE(b.gras("Mute2"));
    volume->setValue(0);
    EXPECT_EQ(b.vue.volume, 0);
    EXPECT_TRUE(b.vue.muet);
    volume->setValue(50);
    EXPECT_EQ(b.vue.volume, 50);
    EXPECT_TRUE(b.vue.muet) << "moving the slider never restores the sound";
    EXPECT_TRUE(b.gras("Mute2")) << "the button shows the view's real state";
    bouton(*b.fond, "Mute2")->click();
    EXPECT_FALSE(b.vue.muet);
    EXPECT_FALSE(b.gras("Mute2"));
    volume->setValue(0);
    EXPECT_FALSE(b.gras("Mute2")) << "silence by volume is not the mute";
}

TEST(Medias, LeavingTheMosaicGivesTheViewBackTheCompactRowsSound)
{
    BancMedias b;
    b.ouvrir();
    b.v().Volume2->setValue(40);
    bouton(*b.fond, "Mute2")->click();
    b.onglet(OngletAfficher::Mosaique);
    ASSERT_TRUE(b.m().mosaique().enCours());
    b.vue.volume = 0;  // as the mosaic leaves it
    b.vue.muet = false;
    b.onglet(OngletAfficher::Direct);
    EXPECT_EQ(b.vue.volume, 40);
    EXPECT_TRUE(b.vue.muet);
    EXPECT_EQ(b.v().Volume2->value(), 40);
}

TEST(Medias, Snap2AsksTheViewForAJpegInTheRecordingFolder)
{
    BancMedias b;
    b.ouvrir();
    bouton(*b.fond, "Snap2")->click();
    ASSERT_EQ(b.vue.instantanes.size(), 1);
    const QFileInfo photo(b.vue.instantanes[0]);
    EXPECT_EQ(photo.absolutePath(), QDir(b.dossier()).absolutePath());
    EXPECT_TRUE(photo.fileName().startsWith("vlcsnap-"));
    EXPECT_TRUE(photo.fileName().endsWith(".jpg"));
}

TEST(Medias, TheCompactRowStepsChannelsWithinTheListWithoutTheExternalPlayer)
{
    BancMedias b;
    b.ouvrir();
    b.lecteurs.lancements.clear();
    ASSERT_EQ(b.app->session.chaineSelectionnee, 0);
    EXPECT_FALSE(bouton(*b.fond, "ChaîneM2")->isEnabled());
    bouton(*b.fond, "ChaîneP2")->click();
    bouton(*b.fond, "ChaîneP2")->click();
    EXPECT_EQ(b.app->session.chaineSelectionnee, 2);
    EXPECT_EQ(b.vue.appels.last(), "jouer rtsp://box/3");
    EXPECT_FALSE(bouton(*b.fond, "ChaîneP2")->isEnabled());
    b.m().ChaineP2_Click();  // a step past the end does nothing
    EXPECT_EQ(b.app->session.chaineSelectionnee, 2);
    bouton(*b.fond, "ChaîneM2")->click();
    EXPECT_EQ(b.app->session.chaineSelectionnee, 1);
    EXPECT_TRUE(b.lecteurs.lancements.empty());
}

TEST(Medias, Rec2StartsAManualRecordingAndStopsItWhenBold)
{
    BancMedias b("DISP=0\n");
    b.ouvrir();
    bouton(*b.fond, "Rec2")->click();
    EXPECT_EQ(b.app->session.Etat, EtatLecteur::Enregistrement);
    EXPECT_TRUE(b.gras("Rec2"));
    bouton(*b.fond, "Rec2")->click();
    EXPECT_EQ(b.app->session.Etat, EtatLecteur::Arret);
    EXPECT_FALSE(b.gras("Rec2"));
}

TEST(Medias, TopR2TogglesTheWindowsOnTopStateAndShowsIt)
{
    BancMedias b;
    b.ouvrir();
    bouton(*b.fond, "TopR2")->click();
    EXPECT_TRUE(b.fond->forme().AuDessus());
    EXPECT_TRUE(b.fond->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(b.gras("TopR2"));
    bouton(*b.fond, "TopR2")->click();
    EXPECT_FALSE(b.gras("TopR2"));
}

TEST(Medias, TheFunctionKeysStepTheViewsVolumeFromItsCurrentValueAndMuteIt)
{
    BancMedias b("CLAV=1\n");
    b.ouvrir();
    b.v().Volume2->setValue(150);
    QTest::keyRelease(bouton(*b.fond, "Play"), Qt::Key_F11);
    EXPECT_EQ(b.vue.volume, 160);
    QTest::keyRelease(bouton(*b.fond, "Play"), Qt::Key_F10);
    QTest::keyRelease(bouton(*b.fond, "Play"), Qt::Key_F10);
    EXPECT_EQ(b.vue.volume, 140);
    EXPECT_EQ(b.v().Volume2->value(), 140);
    QTest::keyRelease(bouton(*b.fond, "Play"), Qt::Key_F12);
    EXPECT_TRUE(b.vue.muet);
}

TEST(Medias, Mini2TwiceReturnsToTheNormalWindowAtTheSameSizeAndPlace)
{
    BancMedias b;
    b.ouvrir();
    const QSize avant = b.fond->size();
    const QPoint place = b.fond->pos();
    bouton(*b.fond, "Mini2")->click();
    EXPECT_EQ(b.fond->forme().forme(), Forme::MiniEcran);
    EXPECT_TRUE(b.gras("Mini2"));
    EXPECT_EQ(b.fond->size(), QSize(337, 249)) << "the video alone";
    EXPECT_TRUE(b.v().AfficherOnglets->isHidden());
    EXPECT_EQ(b.v().FondActiveX->mapTo(b.fond.get(), QPoint()), QPoint(0, 0));
    EXPECT_TRUE(b.v().FondActiveX->isVisible());
    b.fond->appliqueur().SizeBar2_Scroll(200);
    EXPECT_EQ(b.fond->size().width(), 680);
    EXPECT_EQ(b.v().FondActiveX->size(), b.fond->size()) << "the video follows the slider";
    bouton(*b.fond, "Mini2")->click();
    EXPECT_EQ(b.fond->forme().forme(), Forme::VoletOuvert);
    EXPECT_FALSE(b.gras("Mini2"));
    EXPECT_EQ(b.fond->size(), avant);
    EXPECT_EQ(b.fond->pos(), place);
    EXPECT_FALSE(b.v().AfficherOnglets->isHidden());
    EXPECT_EQ(b.v().FondActiveX->mapTo(b.fond.get(), QPoint()), QPoint(312, 40)) << "the frame's design place";
}

TEST(Medias, Full2CentresTheVideoOnBlackAndComesBackToThePane)
{
    BancMedias b;
    b.ouvrir();
    const QSize avant = b.fond->size();
    bouton(*b.fond, "Full2")->click();
    EXPECT_EQ(b.fond->forme().forme(), Forme::PleinEcran);
    EXPECT_TRUE(b.v().FondActiveX2->isVisible()) << "the compact row lies over the black";
    EXPECT_EQ(b.v().FondActiveX->size(), b.fond->size());
    EXPECT_EQ(b.v().FondActiveX->palette().color(QPalette::Window), QColor(Qt::black));
    EXPECT_EQ(b.v().FondActiveX2->palette().color(QPalette::Window), QColor(Qt::black));
    bouton(*b.fond, "Full2")->click();
    EXPECT_NE(b.v().FondActiveX->palette().color(QPalette::Window), QColor(Qt::black)) << "the panel's colour again";
    EXPECT_EQ(b.fond->forme().forme(), Forme::VoletOuvert);
    EXPECT_EQ(b.fond->size(), avant);
}

TEST(Medias, InTheMiniScreenAndFullScreenTabOnlyReachesControlsInSight)
{
    BancMedias b;
    b.ouvrir();
    b.fond->activateWindow();
    b.fond->chaines().setFocus();
    const auto enVue = [&b](QWidget* w) {
        return !w || w == b.fond.get()
               || (w->isVisible() && QRect(w->mapTo(b.fond.get(), QPoint()), w->size()).intersects(b.fond->rect()));
    };
    for (const char* forme : {"Mini2", "SizeBarF"}) {
        bouton(*b.fond, forme)->click();
        for (int i = 0; i < 40; ++i) {
            QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : b.fond.get();
            QTest::keyClick(focus, Qt::Key_Tab);
            QWidget* apres = QApplication::focusWidget();
            ASSERT_TRUE(enVue(apres)) << forme << ": Tab went to " << apres->objectName().toStdString();
        }
    }
    // Back in the pane, the channel list takes the keys again.
    bouton(*b.fond, "SizeBar1")->click();
    EXPECT_EQ(b.fond->forme().forme(), Forme::VoletOuvert);
    EXPECT_TRUE(b.fond->chaines().isAncestorOf(b.fond->focusWidget()));
}

TEST(Medias, TheRibbonShowsFoldedInTheMiniScreenAndItsIconsPressTheirTwins)
{
    BancMedias b;
    b.ouvrir();
    EXPECT_TRUE(b.v().SizeBar->isHidden());
    bouton(*b.fond, "Mini2")->click();
    ASSERT_FALSE(b.v().SizeBar->isHidden());
    EXPECT_FALSE(b.v().rubanOuvert());
    bouton(*b.fond, "SizeBar0")->click();
    EXPECT_TRUE(b.v().rubanOuvert());
    EXPECT_TRUE(b.v().SizeBarM->isHidden()) << "no previous channel from the first one";
    b.v().SizeBar2->setValue(200);
    EXPECT_EQ(b.fond->size().width(), 680);
    bouton(*b.fond, "SizeBarMute")->click();
    EXPECT_TRUE(b.vue.muet);
    EXPECT_TRUE(b.gras("Mute2"));
    bouton(*b.fond, "SizeBarP")->click();
    EXPECT_EQ(b.app->session.chaineSelectionnee, 1);
    bouton(*b.fond, "SizeBarF")->click();
    EXPECT_EQ(b.fond->forme().forme(), Forme::PleinEcran);
    EXPECT_TRUE(b.v().SizeBar->isHidden());
    bouton(*b.fond, "Full2")->click();
    EXPECT_EQ(b.fond->forme().forme(), Forme::MiniEcran) << "entered from the mini-screen";
    EXPECT_FALSE(b.v().SizeBar->isHidden());
    EXPECT_TRUE(b.v().rubanOuvert()) << "full screen leaves the ribbon as it was";
    EXPECT_EQ(b.v().SizeBar2->value(), 200);
    EXPECT_EQ(b.fond->size().width(), 680);
    bouton(*b.fond, "SizeBar1")->click();
    EXPECT_EQ(b.fond->forme().forme(), Forme::VoletOuvert);
    EXPECT_TRUE(b.v().SizeBar->isHidden());
    bouton(*b.fond, "Mini2")->click();
    EXPECT_FALSE(b.v().rubanOuvert()) << "the mini-screen starts with the ribbon folded";
    EXPECT_EQ(b.v().SizeBar2->value(), 100);
}

TEST(Medias, EachToggleOfTheCompactRowAndTheRibbonShowsItsStateOnAPictureOfItsOwn)
{
    BancMedias b("DISP=0\nMTOP=0\n");
    b.ouvrir();
    VoletAfficher& v = b.v();
    // What a button shows: its picture, which must not be blank.
    const auto vue = [](QPushButton* bouton) {
        const QImage i = bouton->icon().pixmap(bouton->iconSize()).toImage();
        EXPECT_FALSE(i.isNull()) << bouton->objectName().toStdString();
        QSet<QRgb> couleurs;
        for (int y = 0; y < i.height(); ++y)
            for (int x = 0; x < i.width(); ++x)
                couleurs.insert(i.pixel(x, y));
        EXPECT_GT(couleurs.size(), 2) << bouton->objectName().toStdString();
        return i;
    };
    QPushButton* const bascules[] = {v.Rec2, v.SizeBarRec, v.TopR2, v.SizeBarTop, v.Mute2, v.SizeBarMute};
    std::map<QPushButton*, QImage> eteint;
    for (QPushButton* bouton : bascules)
        eteint[bouton] = vue(bouton);
    const QImage mini = vue(v.Mini2), plein = vue(v.Full2), pleinRuban = vue(v.SizeBarF), ruban = vue(v.SizeBar0);

    v.Rec2->click();
    v.TopR2->click();
    v.Mute2->click();
    for (QPushButton* bouton : bascules)
        EXPECT_NE(vue(bouton), eteint[bouton]) << bouton->objectName().toStdString() << " shows it is on";
    EXPECT_EQ(v.SizeBarRec->icon().pixmap(20).toImage(), v.Rec2->icon().pixmap(20).toImage())
        << "a ribbon icon shows its twin's face";

    v.Mini2->click();
    EXPECT_NE(vue(v.Mini2), mini);
    v.SizeBar0->click();
    EXPECT_NE(vue(v.SizeBar0), ruban);
    v.SizeBarF->click();
    EXPECT_NE(vue(v.Full2), plein);
    EXPECT_NE(vue(v.SizeBarF), pleinRuban);
    v.Full2->click();
    v.SizeBar1->click();
    EXPECT_EQ(vue(v.Mini2), mini);
    EXPECT_EQ(vue(v.Full2), plein);
    EXPECT_EQ(vue(v.TopR2), eteint[v.TopR2]) << "leaving the mini-screen takes the window off the top";

    v.Rec2->click();
    v.Mute2->click();
    for (QPushButton* bouton : bascules)
        EXPECT_EQ(vue(bouton), eteint[bouton]) << bouton->objectName().toStdString();
}
