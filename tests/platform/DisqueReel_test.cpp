#include "platform/reel/PlateformeReelle.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

TEST(DisqueReel, AFileIsDeletedByTheBytesOfItsPathWhetherUtf8OrNot)
{
    QTemporaryDir d;
    const QByteArray dossier = QFile::encodeName(d.path()) + "/";
    DisqueReel disque;
    for (const QByteArray& nom : {QByteArray("Kelmor 2026-12-09 20-00-00 T\xe9l\xe9.mpg"),
                                  QByteArray("Kelmor 2026-12-09 21-00-00 Nova\nTV.mpg")}) {
        const QByteArray chemin = dossier + nom;
        std::ofstream(chemin.toStdString()) << "x";
        ASSERT_TRUE(std::filesystem::exists(chemin.toStdString()));
        EXPECT_TRUE(disque.supprimer(chemin));
        EXPECT_FALSE(std::filesystem::exists(chemin.toStdString()));
        EXPECT_TRUE(disque.supprimer(chemin)) << "already gone";
    }
}

TEST(DisqueReel, AFileThatStaysIsNotDeletedAndNoPathIsNoFile)
{
    QTemporaryDir d;
    const QByteArray dossier = QFile::encodeName(d.path());
    ASSERT_TRUE(std::filesystem::create_directory((dossier + "/plein").toStdString()));
    std::ofstream((dossier + "/plein/x").toStdString()) << "x";
    DisqueReel disque;
    EXPECT_FALSE(disque.supprimer(dossier + "/plein")) << "a folder with files stays";
    EXPECT_TRUE(std::filesystem::exists((dossier + "/plein/x").toStdString()));
    EXPECT_FALSE(disque.supprimer({}));
}
