#include "platform/reel/LecteursVlc.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

TEST(LecteursVlc, MissingProgramDoesNotStartOrRegister)
{
    QTemporaryDir dossier;
    LecteursVlc lecteurs(dossier.path());
    EXPECT_FALSE(lecteurs.demarrer(RoleLecteur::Regarder, dossier.filePath("pas-de-vlc"), {"--", "x.ts"}));
    EXPECT_FALSE(lecteurs.enCours(RoleLecteur::Regarder));
    EXPECT_TRUE(lecteurs.aucunEnCours());
    EXPECT_FALSE(lecteurs.envoyerTouche(RoleLecteur::Regarder, "key-vol-up"));
    EXPECT_EQ(lecteurs.commande(RoleLecteur::Regarder, "status", 100), "");
    EXPECT_FALSE(QFile::exists(lecteurs.fichierPids()));
}

TEST(LecteursVlc, LeftoverCloseNeverSignalsAProcessThatIsNotOurs)
{
    QTemporaryDir dossier;
    const QString fichier = dossier.filePath("Kelmor.pids");
    {
        QFile f(fichier);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        // This test process itself stands for a recycled pid.
        f.write(QByteArray::number(qint64(::getpid())) + " Regarder\n1 Fichier\n");
    }
    LecteursVlc lecteurs(dossier.path());
    lecteurs.fermerRestes();
    EXPECT_FALSE(QFile::exists(fichier));
    EXPECT_TRUE(lecteurs.aucunEnCours());
}
