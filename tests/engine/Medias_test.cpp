#include "engine/Medias.h"
#include "engine/Session.h"

#include <gtest/gtest.h>

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
