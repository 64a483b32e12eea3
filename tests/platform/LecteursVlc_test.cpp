#include "platform/reel/LecteursVlc.h"
#include "support/Attente.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <unistd.h>

TEST(LecteursVlc, MissingProgramDoesNotStartOrRegister)
{
    QTemporaryDir dossier;
    LecteursVlc lecteurs(dossier.path());
    EXPECT_FALSE(lecteurs.demarrer(RoleLecteur::Regarder, dossier.filePath("pas-de-vlc"), {"--", "x.ts"}));
    EXPECT_FALSE(lecteurs.enCours(RoleLecteur::Regarder));
    EXPECT_TRUE(lecteurs.aucunEnCours());
    EXPECT_EQ(lecteurs.cheminSocket(RoleLecteur::Regarder), "");
    EXPECT_FALSE(QFile::exists(lecteurs.fichierPids()));

    // With no player, the reports still come later, from the event loop.
    auto recu = std::make_shared<std::optional<bool>>();
    auto invalide = std::make_shared<std::optional<bool>>();
    auto reponse = std::make_shared<std::optional<QString>>();
    lecteurs.envoyerTouche(RoleLecteur::Regarder, "key-vol-up", Suite<bool>([recu](bool r) { *recu = r; }));
    lecteurs.envoyerTouche(RoleLecteur::Regarder, "key vol", Suite<bool>([invalide](bool r) { *invalide = r; }));
    lecteurs.commande(RoleLecteur::Regarder, "status", Suite<QString>([reponse](QString t) { *reponse = t; }), 100);
    EXPECT_FALSE(recu->has_value() || invalide->has_value() || reponse->has_value()) << "told inside the call";
    ASSERT_TRUE(attendreQue([&] { return recu->has_value() && invalide->has_value() && reponse->has_value(); }, 2000));
    EXPECT_FALSE(**recu);
    EXPECT_FALSE(**invalide);
    EXPECT_EQ(**reponse, "");
}

TEST(LecteursVlc, ACloseWithNothingToCloseIsStillToldOnceFromTheEventLoop)
{
    QTemporaryDir dossier;
    LecteursVlc lecteurs(dossier.path());
    int fin = 0, finTous = 0, sansSuite = 0;
    lecteurs.fermer(RoleLecteur::Fichier, Suite<>([&] { ++fin; }));
    lecteurs.fermer(RoleLecteur::Fichier);
    lecteurs.fermerTous(Suite<>([&] { ++finTous; }));
    EXPECT_EQ(fin + finTous, 0) << "told inside the call";
    ASSERT_TRUE(attendreQue([&] { return fin > 0 && finTous > 0; }, 2000));
    // Told once only, and never after the object has gone.
    {
        LecteursVlc ephemere(dossier.path());
        ephemere.fermerTous(Suite<>([&] { ++sansSuite; }));
    }
    attendreQue([] { return false; }, 200);
    EXPECT_EQ(fin, 1);
    EXPECT_EQ(finTous, 1);
    EXPECT_EQ(sansSuite, 0);
}

TEST(LecteursVlc, LeftoverCloseNeverSignalsAProcessThatIsNotOurs)
{
    QTemporaryDir dossier;
    const QString fichier = dossier.filePath("Kelmor.pids");
    {
        QFile f(fichier);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        // This test process itself stands for a recycled pid, in both line forms.
        f.write(QByteArray::number(qint64(::getpid())) + " Regarder\n1 Fichier\n"
                + QByteArray::number(qint64(::getpid())) + " Fichier 0a1b2c\n");
    }
    LecteursVlc lecteurs(dossier.path());
    lecteurs.fermerRestes();
    EXPECT_FALSE(QFile::exists(fichier));
    EXPECT_TRUE(lecteurs.aucunEnCours());
    EXPECT_EQ(lecteurs.departsEnCours(), 0);
}
