#include "engine/OptionsVue.h"

#include <gtest/gtest.h>

namespace {
const QString DOSSIER = "/home/anne/Vidéos|TV/";

Parametres avecDesentrelacement(bool intr, int lace)
{
    Parametres p;
    p.INTR = intr;
    p.LACE = lace;
    return p;
}
}  // namespace

TEST(OptionsElementVue, WithoutDeinterlacingHoldsTheTwoSnapshotOptionsAndAnEmptyElement)
{
    EXPECT_EQ(OptionsElementVue(DOSSIER, avecDesentrelacement(false, 1)),
              QStringList({":snapshot-format=jpg", ":snapshot-path=/home/anne/Vidéos|TV", ""}));
}

TEST(OptionsElementVue, DeinterlacingAddsTheFilterUnderItsCurrentNameAndTheChosenMode)
{
    EXPECT_EQ(OptionsElementVue(DOSSIER, avecDesentrelacement(true, 1)),
              QStringList({":snapshot-format=jpg", ":snapshot-path=/home/anne/Vidéos|TV",
                           ":video-filter=deinterlace", ":deinterlace-mode=bob", ""}));
}

TEST(OptionsElementVue, EveryDeinterlaceChoiceGivesItsMode)
{
    const QStringList modes = {"blend", "bob", "discard", "linear", "mean", "x"};
    for (int lace = 0; lace < modes.size(); ++lace) {
        const QStringList o = OptionsElementVue(DOSSIER, avecDesentrelacement(true, lace));
        ASSERT_EQ(o.size(), 5) << lace;
        EXPECT_EQ(o[3], ":deinterlace-mode=" + modes[lace]);
    }
}

TEST(OptionsElementVue, AnUnknownDeinterlaceChoiceLeavesTheFilterOutButStillPlays)
{
    EXPECT_EQ(OptionsElementVue(DOSSIER, avecDesentrelacement(true, 6)).size(), 3);
    EXPECT_EQ(OptionsElementVue(DOSSIER, avecDesentrelacement(true, -1)).size(), 3);
}

TEST(OptionsElementVue, TheRootFolderKeepsItsSlash)
{
    EXPECT_EQ(OptionsElementVue("/", avecDesentrelacement(false, 0))[1], ":snapshot-path=/");
}

TEST(OptionsMosaique, SnapshotsGoToTheWorkFolderOfTheDataFolderAndTheTilesHaveNoSound)
{
    const QString dossier = DossierSnapshots("/home/anne/.local/share/Kelmor/");
    EXPECT_EQ(dossier, "/home/anne/.local/share/Kelmor/TMP");
    EXPECT_EQ(OptionsMosaique(dossier), QStringList({":snapshot-format=jpg",
                                                     ":snapshot-path=/home/anne/.local/share/Kelmor/TMP", ":no-audio",
                                                     ""}));
}
