#include "engine/SurveillanceEnregistreur.h"

#include <gtest/gtest.h>

namespace {
using V = SurveillanceEnregistreur::Verdict;

struct Surveillance : ::testing::Test {
    SurveillanceEnregistreur s;
    QDateTime t0{QDate(2026, 12, 9), QTime(20, 0)};
    Surveillance() { s.commencer("/rec/a.mpg", t0); }
    QDateTime a(int secondes) const { return t0.addSecs(secondes); }
};
}  // namespace

TEST_F(Surveillance, AGrowingFileWithItsRecorderRunningIsNormal)
{
    for (int i = 1; i <= 30; ++i)
        EXPECT_EQ(s.verifier(true, i * 1000, a(i * 10)), V::Normal);
    EXPECT_TRUE(s.active());
}

TEST_F(Surveillance, AFileThatStopsGrowingForAMinuteFails)
{
    EXPECT_EQ(s.verifier(true, 5000, a(10)), V::Normal);
    for (int t = 20; t < 70; t += 10)
        EXPECT_EQ(s.verifier(true, 5000, a(t)), V::Normal) << t;
    EXPECT_EQ(s.verifier(true, 5000, a(70)), V::FichierFige);
    EXPECT_FALSE(s.active());
    // Once failed, nothing more is said.
    EXPECT_EQ(s.verifier(true, 5000, a(80)), V::Normal);
}

TEST_F(Surveillance, AFileThatNeverAppearsFailsAfterAMinute)
{
    for (int t = 10; t < 60; t += 10)
        EXPECT_EQ(s.verifier(true, -1, a(t)), V::Normal);
    EXPECT_EQ(s.verifier(true, -1, a(60)), V::FichierFige);
}

TEST_F(Surveillance, ARecorderGoneFailsAtOnce)
{
    EXPECT_EQ(s.verifier(false, 5000, a(10)), V::LecteurArrete);
    EXPECT_EQ(s.verifier(false, 5000, a(20)), V::Normal);
}

TEST_F(Surveillance, LooksFarApartGiveTheFileANewMinute)
{
    EXPECT_EQ(s.verifier(true, 5000, a(10)), V::Normal);
    // The computer slept for an hour: the file had no chance to grow meanwhile.
    for (int t = 3610; t < 3670; t += 10)
        EXPECT_EQ(s.verifier(true, 5000, a(t)), V::Normal) << t;
    EXPECT_EQ(s.verifier(true, 5000, a(3670)), V::FichierFige);
}

TEST(SurveillanceEnregistreur, TheMessageNamesTheChannelTheReasonAndTheFile)
{
    EXPECT_EQ(MessageEchecEnregistrement(true, "TF1", "/rec/a.mpg", V::LecteurArrete),
              "L'enregistrement programmé de TF1 s'est interrompu avant sa fin : le lecteur vlc s'est fermé.\n\n"
              "Le fichier suivant est incomplet :\n/rec/a.mpg");
    EXPECT_EQ(MessageEchecEnregistrement(false, "M6", "/rec/b.mpg", V::FichierFige),
              "L'enregistrement de M6 s'est interrompu : le fichier ne grossit plus depuis une minute\n"
              "(la chaîne n'est plus reçue ou le disque est plein).\n\nLe fichier suivant est incomplet :\n/rec/b.mpg");
}
