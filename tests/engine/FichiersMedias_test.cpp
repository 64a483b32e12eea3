#include "engine/FichiersMedias.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

TEST(FichiersMedias, VideosAreTheRecordingsWhateverTheirCase)
{
    EXPECT_TRUE(correspondMotif("Kelmor 2006-03-12 20-45-00 TF1.mpg", MotifVideos));
    EXPECT_TRUE(correspondMotif("kelmor x.avi", MotifVideos));
    EXPECT_TRUE(correspondMotif("KELMOR  .WMV", MotifVideos));
    EXPECT_FALSE(correspondMotif("KelmorX.mpg", MotifVideos));
    EXPECT_FALSE(correspondMotif("notes.txt", MotifVideos));
    EXPECT_FALSE(correspondMotif("Kelmor sans extension", MotifVideos));
    EXPECT_FALSE(correspondMotif("Mon Kelmor x.mpg", MotifVideos));
}

TEST(FichiersMedias, PhotosAreThePlayersSnapshots)
{
    EXPECT_TRUE(correspondMotif("vlcsnap-2006-03-12-20h45m00s123.jpg", MotifPhotos));
    EXPECT_TRUE(correspondMotif("VLCSNAP-1.PNG", MotifPhotos));
    EXPECT_FALSE(correspondMotif("vlcsnap.jpg", MotifPhotos));
    EXPECT_FALSE(correspondMotif("Kelmor 2006-03-12 20-45-00 TF1.mpg", MotifPhotos));
}

TEST(FichiersMedias, QuestionMarkIsOneCharacterAndManyStarsBackTrack)
{
    EXPECT_TRUE(correspondMotif("ab.c", "a?.c"));
    EXPECT_FALSE(correspondMotif("a.c", "a?.c"));
    EXPECT_TRUE(correspondMotif("a.b.c.d", "*.*.d"));
    EXPECT_FALSE(correspondMotif(QString(200, 'a'), QString(20, '*') + "b"));
}

TEST(FichiersMedias, RecordingsAreListedInDateOrder)
{
    const QStringList noms = {"notes.txt", "Kelmor 2006-03-12 20-45-00 TF1.mpg", "kelmor 2005-12-31 23-00-00 M6.avi",
                              "KelmorX.mpg", "Kelmor 2006-03-12 08-00-00 Arte.mpg"};
    EXPECT_EQ(nomsCorrespondants(noms, MotifVideos),
              QStringList({"kelmor 2005-12-31 23-00-00 M6.avi", "Kelmor 2006-03-12 08-00-00 Arte.mpg",
                           "Kelmor 2006-03-12 20-45-00 TF1.mpg"}));
}

TEST(FichiersMedias, TheFolderListHoldsMatchingFilesOnly)
{
    QTemporaryDir d;
    for (const char* nom : {"Kelmor b.mpg", "Kelmor a.mpg", ".Kelmor cache.mpg", "vlcsnap-1.jpg"}) {
        QFile f(d.filePath(nom));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(QDir(d.path()).mkdir("Kelmor dossier.d"));
    EXPECT_EQ(listerFichiers(d.path(), MotifVideos), QStringList({"Kelmor a.mpg", "Kelmor b.mpg"}));
    EXPECT_EQ(listerFichiers(d.path(), MotifPhotos), QStringList({"vlcsnap-1.jpg"}));
    EXPECT_TRUE(listerFichiers(d.filePath("absent"), MotifVideos).isEmpty());
}

TEST(FichiersMedias, NamesThatAreNotUtf8AreListedByTheirBytesAndFoundByThem)
{
    QTemporaryDir d;
    const QByteArray latin1 = "Kelmor 2026-12-09 20-00-00 T\xe9l\xe9.mpg";
    const QByteArray dossier = QFile::encodeName(d.path()) + "/";
    for (const QByteArray& nom : {latin1, QByteArray("Kelmor 2026-12-09 21-00-00 Nova\nTV.mpg"),
                                  QByteArray("vlcsnap-\xff.jpg")}) {
        std::ofstream f((dossier + nom).toStdString());
        ASSERT_TRUE(f.good());
    }
    const QList<FichierMedia> videos = listerFichiersMedias(d.path() + "/", MotifVideos);
    ASSERT_EQ(videos.size(), 2);
    EXPECT_EQ(videos[0].nom, QString::fromUtf8("Kelmor 2026-12-09 20-00-00 T\uFFFDl\uFFFD.mpg"));
    EXPECT_EQ(videos[0].octets, latin1);
    EXPECT_FALSE(videos[0].nomFidele());
    EXPECT_EQ(videos[1].nom, "Kelmor 2026-12-09 21-00-00 Nova\nTV.mpg");
    EXPECT_TRUE(videos[1].nomFidele());
    EXPECT_EQ(listerFichiers(d.path(), MotifPhotos), QStringList{QString::fromUtf8("vlcsnap-\uFFFD.jpg")});

    EXPECT_EQ(cheminFichierMedia(d.path() + "/", latin1), dossier + latin1);
    EXPECT_EQ(cheminFichierMedia(d.path(), latin1), dossier + latin1);
    EXPECT_TRUE(fichierMediaExiste(d.path() + "/", latin1));
    ASSERT_TRUE(std::filesystem::remove((dossier + latin1).toStdString()));
    EXPECT_FALSE(fichierMediaExiste(d.path() + "/", latin1));
    EXPECT_EQ(listerFichiers(d.path(), MotifVideos), QStringList{"Kelmor 2026-12-09 21-00-00 Nova\nTV.mpg"});
}

TEST(FichiersMedias, DeletingTheLastOfThreeSelectsTheNewLast)
{
    EXPECT_EQ(selectionApresSuppression(2, 2), 1);
    EXPECT_EQ(selectionApresSuppression(0, 0), -1);  // the only file: no selection
}

TEST(FichiersMedias, DeletingAnotherFileOrFailingKeepsTheIndex)
{
    EXPECT_EQ(selectionApresSuppression(0, 2), 0);  // now on the file that followed
    EXPECT_EQ(selectionApresSuppression(2, 3), 2);  // the deletion failed: the list is unchanged
}
