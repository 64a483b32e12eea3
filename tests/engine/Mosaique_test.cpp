#include "engine/Mosaique.h"

#include "engine/OptionsVue.h"
#include "support/Doubles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using Contenu = TuileMosaique::Contenu;

void ecrire(const QString& chemin, const QByteArray& octets)
{
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(octets);
}

class MosaiqueTest : public testing::Test {
protected:
    MosaiqueTest()
        : chaines({{"France 2", 2, "http://box/2"}, {"Télé Bleue", 3, "http://box/3"},
                   {"Ciné Été", 5, "http://box/5"}}),
          favoris(TableFavoris::defaut()), mosaique(vue, horloge, chaines, favoris)
    {
        favoris[1] = "France 2";
        favoris[3] = "Télé Bleue";
        favoris[11] = "Ciné Été";
        programme = donnees.path() + "/";
        // The snapshot lands as soon as it is asked for, unless a test says otherwise.
        vue.pendantInstantane = [this](const QString& chemin) {
            demandes << horloge.maintenant().time().toString("hh:mm:ss.zzz");
            ecrire(chemin, "JPEG " + QFileInfo(chemin).fileName().toUtf8());
        };
    }

    // Lets the mosaic's timer run for ms of the fake clock.
    void avancer(int ms)
    {
        for (int fait = 0; fait < ms && mosaique.minuterieActive();) {
            const int pas = mosaique.intervalle();
            horloge.maintenantValeur = horloge.maintenantValeur.addMSecs(pas);
            fait += pas;
            mosaique.DoMosaic0_Timer();
        }
    }
    void jusqua(const QTime& heure)
    {
        avancer(int(horloge.maintenantValeur.time().msecsTo(heure)));
    }
    QString dossierTmp() const { return programme + "TMP"; }

    QTemporaryDir donnees;
    QString programme;
    FausseVueIntegree vue;
    FausseHorloge horloge;  // 20:00:00.000
    ListeChaines chaines;
    TableFavoris favoris;
    Mosaique mosaique;
    QStringList demandes;  // clock times of the snapshot requests
};

}  // namespace

TEST_F(MosaiqueTest, StartingShowsTheGroupWaitingAndShrinksTheStoppedViewToOnePixel)
{
    mosaique.PreparerMosaique(programme, 0);
    EXPECT_EQ(vue.appels, QStringList({"arreter", "taille 15x15"}));
    EXPECT_TRUE(QDir(dossierTmp()).exists());
    EXPECT_EQ(mosaique.tuile(1).contenu, Contenu::Attente);
    EXPECT_EQ(mosaique.tuile(2).contenu, Contenu::Vide);
    EXPECT_EQ(mosaique.tuile(3).contenu, Contenu::Attente);
    EXPECT_TRUE(mosaique.minuterieActive());
    EXPECT_EQ(mosaique.intervalle(), Mosaique::PremierPasMs);
}

TEST_F(MosaiqueTest, StartingEmptiesTheWorkFolderOfOldSnapshotsOnly)
{
    QDir().mkpath(dossierTmp());
    ecrire(dossierTmp() + "/vlcsnap-ancien.jpg", "x");
    ecrire(dossierTmp() + "/autre.txt", "x");
    mosaique.PreparerMosaique(programme, 0);
    EXPECT_EQ(QDir(dossierTmp()).entryList(QDir::Files), QStringList({"autre.txt"}));
}

TEST_F(MosaiqueTest, EachAssignedTilePlaysMutedAndShowsItsSnapshotInTurn)
{
    mosaique.PreparerMosaique(programme, 0);
    vue.appels.clear();
    avancer(1000);  // 20:00:01, the first step
    EXPECT_EQ(vue.appels, QStringList({"volume 0", "arreter", "vider", "jouer http://box/2"}));
    EXPECT_EQ(vue.options, OptionsMosaique(dossierTmp()));
    EXPECT_EQ(mosaique.tuileRouge(), 1);

    jusqua(QTime(20, 0, 4, 950));
    EXPECT_TRUE(demandes.isEmpty());
    jusqua(QTime(20, 0, 5));
    EXPECT_EQ(demandes, QStringList({"20:00:05.000"}));
    avancer(50);
    EXPECT_EQ(mosaique.tuile(1).contenu, Contenu::Image);
    EXPECT_EQ(mosaique.tuile(1).image, "JPEG vlcsnap-1.jpg");
    EXPECT_FALSE(QFile::exists(vue.instantanes.at(0)));

    avancer(100);  // tile 2 is empty; tile 3 starts
    EXPECT_EQ(mosaique.tuile(2).contenu, Contenu::Vide);
    EXPECT_EQ(vue.appelsCommencantPar("jouer"), QStringList({"jouer http://box/2", "jouer http://box/3"}));
    EXPECT_EQ(mosaique.tuileRouge(), 3);
    EXPECT_EQ(vue.volume, 0);
}

TEST_F(MosaiqueTest, NoTileIsHeardOnAViewThatDropsTheSoundWhileNothingPlays)
{
    // The live view played at full volume before; as libVLC does, the view takes no volume
    // between a stop and the next item.
    vue.refuserSonHorsLecture = true;
    vue.ajouterEtJouer("http://box/3", {});
    vue.entendus.clear();
    mosaique.PreparerMosaique(programme, 0);
    avancer(30000);
    ASSERT_GE(vue.entendus.size(), 4u);
    for (std::size_t i = 0; i < vue.entendus.size(); ++i)
        EXPECT_EQ(vue.entendus[i], 0) << "tile " << i + 1 << " heard";
}

TEST_F(MosaiqueTest, TheCycleComesBackToTheFirstTileAfterTheEighth)
{
    mosaique.PreparerMosaique(programme, 0);
    avancer(30000);
    EXPECT_GE(vue.appelsCommencantPar("jouer").size(), 4);
    const QStringList jeux = vue.appelsCommencantPar("jouer");
    for (int i = 0; i < jeux.size(); ++i)
        EXPECT_EQ(jeux[i], i % 2 == 0 ? "jouer http://box/2" : "jouer http://box/3");
}

TEST_F(MosaiqueTest, ASnapshotThatNeverComesLeavesTheTileBlankAfterEightSeconds)
{
    vue.pendantInstantane = nullptr;
    mosaique.PreparerMosaique(programme, 0);
    jusqua(QTime(20, 0, 8, 950));  // started at 20:00:01
    EXPECT_EQ(mosaique.tuile(1).contenu, Contenu::Attente);
    jusqua(QTime(20, 0, 9));
    EXPECT_EQ(mosaique.tuile(1).contenu, Contenu::Vide);
    avancer(100);
    EXPECT_EQ(vue.appelsCommencantPar("jouer").last(), "jouer http://box/3");
}

TEST_F(MosaiqueTest, ALateSnapshotOfAnEarlierTileIsNeverShownOnTheNext)
{
    vue.pendantInstantane = nullptr;
    mosaique.PreparerMosaique(programme, 0);
    jusqua(QTime(20, 0, 9, 100));  // tile 1 gave up; tile 3 plays
    ASSERT_EQ(vue.instantanes.size(), 1);
    ecrire(vue.instantanes[0], "JPEG de la tuile 1");
    jusqua(QTime(20, 0, 20));
    ASSERT_EQ(vue.instantanes.size(), 2);
    EXPECT_NE(vue.instantanes[0], vue.instantanes[1]);
    EXPECT_EQ(mosaique.tuile(3).contenu, Contenu::Vide);
}

TEST_F(MosaiqueTest, AnEmptySnapshotFileLeavesTheTileBlankOnceItsTimeIsUp)
{
    vue.pendantInstantane = [](const QString& chemin) { ecrire(chemin, {}); };
    mosaique.PreparerMosaique(programme, 0);
    jusqua(QTime(20, 0, 9, 950));
    EXPECT_EQ(mosaique.tuile(1).contenu, Contenu::Attente);
    jusqua(QTime(20, 0, 10, 50));
    EXPECT_EQ(mosaique.tuile(1).contenu, Contenu::Vide);
    EXPECT_TRUE(QDir(dossierTmp()).entryList({"vlcsnap-*.jpg"}).isEmpty());
}

TEST_F(MosaiqueTest, ChangingTheGroupRestartsAtTileOneOfTheNewGroupWithoutTheOldPicture)
{
    mosaique.PreparerMosaique(programme, 0);
    jusqua(QTime(20, 0, 3));  // tile 1 of group 0 is playing
    mosaique.changerGroupe(1);
    EXPECT_EQ(mosaique.tuile(1).contenu, Contenu::Attente);
    EXPECT_EQ(mosaique.tuile(3).contenu, Contenu::Vide);
    avancer(100);
    EXPECT_EQ(vue.appelsCommencantPar("jouer").last(), "jouer http://box/5");
    EXPECT_EQ(mosaique.tuileRouge(), 1);
    EXPECT_TRUE(demandes.isEmpty());
    jusqua(QTime(20, 0, 8));
    EXPECT_EQ(demandes.size(), 1);
    EXPECT_EQ(mosaique.tuile(1).contenu, Contenu::Image);
}

TEST_F(MosaiqueTest, LeavingStopsTheViewAndSetsVolumeAndMuteToTheirState)
{
    mosaique.PreparerMosaique(programme, 0);
    jusqua(QTime(20, 0, 3));
    vue.appels.clear();
    mosaique.quitter(80, true);
    EXPECT_EQ(vue.appels, QStringList({"arreter", "volume 80", "muet 1"}));
    EXPECT_FALSE(mosaique.minuterieActive());
    EXPECT_FALSE(mosaique.enCours());

    mosaique.DoMosaic0_Timer();
    mosaique.quitter(80, false);  // nothing runs any more: the live view is left alone
    EXPECT_EQ(vue.appels.size(), 3);
    EXPECT_EQ(mosaique.tuile(1).contenu, Contenu::Attente);  // the tiles keep their pictures
}

TEST_F(MosaiqueTest, ASecondStartWhileOneRunsKeepsASingleLoop)
{
    mosaique.PreparerMosaique(programme, 0);
    jusqua(QTime(20, 0, 3));  // tile 1 started at 20:00:01
    mosaique.PreparerMosaique(programme, 0);
    jusqua(QTime(20, 0, 9));
    // Only the new loop's tile 1 (started at 20:00:04) was photographed.
    EXPECT_EQ(demandes, QStringList({"20:00:08.000"}));
    EXPECT_EQ(vue.appelsCommencantPar("jouer").size(), 3);  // tile 1, tile 1 again, tile 3
}

TEST_F(MosaiqueTest, AGroupWithoutFavouritesPlaysNothing)
{
    mosaique.PreparerMosaique(programme, 5);
    avancer(5000);
    EXPECT_TRUE(vue.appelsCommencantPar("jouer").isEmpty());
    EXPECT_TRUE(mosaique.minuterieActive());
    for (int t = 1; t <= Mosaique::NombreTuiles; ++t)
        EXPECT_EQ(mosaique.tuile(t).contenu, Contenu::Vide);
}

TEST_F(MosaiqueTest, LeftClickWatchesRightClickShowsOtherButtonsAndEmptyTilesDoNothing)
{
    mosaique.PreparerMosaique(programme, 0);
    EXPECT_EQ(mosaique.Mosaic_MouseUp(3, Qt::LeftButton), -3);
    EXPECT_EQ(mosaique.Mosaic_MouseUp(3, Qt::RightButton), 3);
    EXPECT_EQ(mosaique.Mosaic_MouseUp(3, Qt::MiddleButton), 0);
    EXPECT_EQ(mosaique.Mosaic_MouseUp(2, Qt::LeftButton), 0);
    EXPECT_EQ(mosaique.Mosaic_MouseUp(9, Qt::LeftButton), 0);
}
