#include "engine/Mediatheque.h"

#include "engine/Moteur.h"
#include "engine/Session.h"
#include "platform/Plateforme.h"
#include "support/Doubles.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fstream>

namespace {
// The library on the platform doubles, shown on the recordings tab, over a temporary folder.
struct BancMediatheque : PlateformeDoubles {
    QTemporaryDir dossier;
    Session session;
    Moteur moteur{session, plateforme};
    EtatAfficher etat{true, OngletAfficher::Videos, CadreAfficher::Fichiers};
    Mediatheque mediatheque{session, moteur, plateforme, etat};
    std::vector<QStringList> listes;

    BancMediatheque()
    {
        session.DossierEnregistrement = dossier.path() + "/";
        QObject::connect(&mediatheque, &Mediatheque::listeAffichee,
                         [this](const QStringList& noms, int, bool) { listes.push_back(noms); });
    }
    // Writes a file of the folder; returns its path as the disk is asked for it.
    QByteArray fichier(const QByteArray& nom) const
    {
        const QByteArray chemin = QFile::encodeName(session.DossierEnregistrement) + nom;
        std::ofstream(chemin.toStdString()) << "x";
        return chemin;
    }
    void lister()
    {
        mediatheque.choisirOnglet(etat.onglet);
        mediatheque.AfficherRefresh_Click();
    }
};
}  // namespace

TEST(FichiersEnCours, NameTheFileOfWhateverRecordsNowAndNothingWhenStopped)
{
    Session s;
    s.DossierEnregistrement = "/enr/";
    s.FichierEnregistrementManuel = "/enr/Kelmor 2026-12-09 20-00-00 TF1.mpg";
    s.FichierEnregistre = "/enr/Kelmor 2026-12-09 21-00-00 M6.mpg";
    EXPECT_TRUE(FichiersEnCours(s).isEmpty());
    s.Etat = EtatLecteur::Lecture;
    EXPECT_TRUE(FichiersEnCours(s).isEmpty());
    s.Etat = EtatLecteur::Enregistrement;
    EXPECT_EQ(FichiersEnCours(s), QStringList({"/enr/Kelmor 2026-12-09 20-00-00 TF1.mpg"}));
    s.Etat = EtatLecteur::Programme;
    EXPECT_EQ(FichiersEnCours(s), QStringList({"/enr/Kelmor 2026-12-09 21-00-00 M6.mpg"}));
    s.Etat = EtatLecteur::FinProgramme;
    EXPECT_EQ(FichiersEnCours(s), QStringList({"/enr/Kelmor 2026-12-09 21-00-00 M6.mpg"}));
    s.Etat = EtatLecteur::Pause;
    EXPECT_EQ(FichiersEnCours(s), QStringList({"/enr/TimeShift.mpg"}));
}

TEST(Mediatheque, DeletingAsksTheDiskForTheFileByTheBytesOfItsName)
{
    BancMediatheque b;
    const QByteArray latin1 = b.fichier("Kelmor 2026-12-09 20-00-00 T\xe9l\xe9.mpg");
    b.fichier("Kelmor 2026-12-09 21-00-00 M6.mpg");
    b.lister();
    ASSERT_EQ(b.mediatheque.selection(), 0);
    b.mediatheque.AfficherEffacer_Click();
    EXPECT_EQ(b.disque.supprimes, QList<QByteArray>{latin1});
    EXPECT_TRUE(b.dialogues.messages.empty());
    EXPECT_EQ(b.listes.back(), QStringList{"Kelmor 2026-12-09 21-00-00 M6.mpg"});
    EXPECT_EQ(b.mediatheque.selection(), 0);
}

TEST(Mediatheque, AFileTheDiskKeepsIsSaidToBeInUseAndStaysSelected)
{
    BancMediatheque b;
    b.fichier("Kelmor a.mpg");
    b.disque.refuses << b.fichier("Kelmor b.mpg");
    b.lister();
    b.mediatheque.AfficherListe_Click(1);
    b.mediatheque.AfficherEffacer_Click();
    ASSERT_EQ(b.dialogues.messages.size(), 1u);
    EXPECT_EQ(b.dialogues.messages[0], (Message{Message::Exclamation, Mediatheque::kMessageUtilise}));
    EXPECT_EQ(b.listes.back(), QStringList({"Kelmor a.mpg", "Kelmor b.mpg"}));
    EXPECT_EQ(b.mediatheque.selection(), 1);
}

TEST(Mediatheque, TheFileBeingRecordedIsNeverHandedToTheDisk)
{
    BancMediatheque b;
    const QByteArray autre = b.fichier("Kelmor a.mpg");
    b.fichier("Kelmor b.mpg");
    b.session.Etat = EtatLecteur::Enregistrement;
    b.session.FichierEnregistrementManuel = b.session.DossierEnregistrement + "Kelmor b.mpg";
    b.lister();
    b.mediatheque.AfficherListe_Click(1);
    b.mediatheque.AfficherEffacer_Click();
    EXPECT_TRUE(b.disque.supprimes.isEmpty());
    EXPECT_EQ(b.dialogues.messages.back(), (Message{Message::Exclamation, Mediatheque::kMessageUtilise}));

    b.dialogues.reponses = {true};
    b.mediatheque.AfficherTout_Click();
    EXPECT_EQ(b.disque.supprimes, QList<QByteArray>{autre});
    EXPECT_EQ(b.listes.back(), QStringList{"Kelmor b.mpg"});
}

TEST(Mediatheque, DeleteAllAnsweredNoDeletesNothingAndNamesTheTabsFiles)
{
    BancMediatheque b;
    b.etat.onglet = OngletAfficher::Photos;
    b.fichier("vlcsnap-1.jpg");
    b.lister();
    b.mediatheque.AfficherTout_Click();
    EXPECT_EQ(b.dialogues.messages.back(),
              (Message{Message::Question, "Souhaitez-vous effacer tous les fichiers photos ?"}));
    EXPECT_TRUE(b.disque.supprimes.isEmpty());
}

TEST(Mediatheque, TheExternalPlayersSnapshotShowsOnceWritten)
{
    BancMediatheque b;
    b.etat.onglet = OngletAfficher::Photos;
    b.lister();
    ASSERT_EQ(b.listes, std::vector<QStringList>{{}});
    b.fichier("vlcsnap-1.jpg");
    b.mediatheque.photoEnCours(true);
    EXPECT_EQ(b.listes.size(), 1u);
    b.mediatheque.photoEnCours(false);
    EXPECT_EQ(b.listes.back(), QStringList{"vlcsnap-1.jpg"});
}
