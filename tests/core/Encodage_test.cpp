#include "core/Encodage.h"

#include <gtest/gtest.h>

namespace {
QString estimation(const QString& profil)
{
    Parametres p;
    AppliquerProfil(p, *ProfilNomme(profil));
    return EstimerTaille(p.VDEB, p.ADEB, p.AUDO);
}
}  // namespace

TEST(Encodage, EachProfileGivesItsOwnEstimate)
{
    EXPECT_EQ(estimation("Compressé"), "506 Mo");
    EXPECT_EQ(estimation("Pocket PC"), "140 Mo");
    EXPECT_EQ(estimation("Audio MP3"), "84 Mo");
}

TEST(Encodage, PocketPcSetsEveryInputAndLeavesTheContainerChoiceAlone)
{
    Parametres p;
    p.VENC = true;
    p.TSPS = 1;
    AppliquerProfil(p, *ProfilNomme("Pocket PC"));
    EXPECT_EQ(p.VCOD, 2);
    EXPECT_EQ(p.VDEB, "256");
    EXPECT_EQ(p.VECH, "41");
    EXPECT_EQ(p.ACOD, 3);
    EXPECT_EQ(p.ADEB, "64");
    EXPECT_EQ(p.ACAN, 0);
    EXPECT_EQ(p.CAPS, 5);
    EXPECT_FALSE(p.AUDO);
    EXPECT_TRUE(p.VENC);
    EXPECT_EQ(p.TSPS, 1);
}

TEST(Encodage, ThePromptAndUnknownNamesAreNoProfile)
{
    EXPECT_FALSE(ProfilNomme(Encodage::PROFILS[0]));
    EXPECT_FALSE(ProfilNomme("compressé"));
    EXPECT_FALSE(ProfilNomme(""));
}

TEST(Encodage, AVideoRateMadeOfLettersCountsAsZero)
{
    EXPECT_EQ(EstimerTaille("abc", "128", false), "56 Mo");
}

TEST(Encodage, TypingTheVideoRateDigitByDigitUpdatesTheEstimate)
{
    EXPECT_EQ(EstimerTaille("1", "128", false), "56 Mo");
    EXPECT_EQ(EstimerTaille("10", "128", false), "60 Mo");
    EXPECT_EQ(EstimerTaille("102", "128", false), "101 Mo");
}

TEST(Encodage, AudioOnlyIgnoresTheVideoRate)
{
    EXPECT_EQ(EstimerTaille("1024", "192", true), "84 Mo");
}

TEST(Encodage, NumbersAreReadFromTheStartOfTheText)
{
    EXPECT_DOUBLE_EQ(ValeurNumerique(" 1 2a"), 12);
    EXPECT_DOUBLE_EQ(ValeurNumerique("12.5x"), 12.5);
    EXPECT_DOUBLE_EQ(ValeurNumerique(".5"), 0.5);
    EXPECT_DOUBLE_EQ(ValeurNumerique("-64"), -64);
    EXPECT_DOUBLE_EQ(ValeurNumerique("x12"), 0);
    EXPECT_DOUBLE_EQ(ValeurNumerique(""), 0);
    EXPECT_DOUBLE_EQ(ValeurNumerique("."), 0);
}

TEST(Encodage, ANegativeRateGivesANegativeEstimateCutTowardZero)
{
    EXPECT_EQ(EstimerTaille("0", "-64", false), "-28 Mo");
}

TEST(Encodage, BitRatesTakeDigitsOnlyAndRefuseWhatIsTooLarge)
{
    EXPECT_EQ(SaisieDebit("1024"), Saisie::Acceptee);
    EXPECT_EQ(SaisieDebit(""), Saisie::Incomplete);
    EXPECT_EQ(SaisieDebit("12a"), Saisie::Refusee);
    EXPECT_EQ(SaisieDebit("-1"), Saisie::Refusee);
    EXPECT_EQ(SaisieDebit("1.5"), Saisie::Refusee);
    EXPECT_EQ(SaisieDebit("100000"), Saisie::Acceptee);
    EXPECT_EQ(SaisieDebit("100001"), Saisie::Refusee);
    EXPECT_EQ(SaisieDebit("99999999999"), Saisie::Refusee);  // would not fit an int: refused, not wrapped
    EXPECT_EQ(SaisieDebit("١٢"), Saisie::Refusee);          // digits of another script
}

TEST(Encodage, TheScaleTakesOneDecimalPointAtMost)
{
    EXPECT_EQ(SaisieEchelle("41"), Saisie::Acceptee);
    EXPECT_EQ(SaisieEchelle("12.5"), Saisie::Acceptee);
    EXPECT_EQ(SaisieEchelle("12."), Saisie::Incomplete);
    EXPECT_EQ(SaisieEchelle("1.2.3"), Saisie::Refusee);
    EXPECT_EQ(SaisieEchelle("1,5"), Saisie::Refusee);
    EXPECT_EQ(SaisieEchelle("1000"), Saisie::Acceptee);
    EXPECT_EQ(SaisieEchelle("1000.5"), Saisie::Refusee);
    EXPECT_EQ(SaisieEchelle("999999999999"), Saisie::Refusee);
}
