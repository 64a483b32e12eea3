#include "engine/EtatLecteur.h"

#include <gtest/gtest.h>

using namespace EtatLecteur;

namespace {
// One row of the table of looks: stopAll, play, rec, shift, pause, regarderX, enregistrerX,
// photographier, progBar, recording icon.
struct Ligne {
    int etat;
    bool s, p, r, sh, pa, rx, ex, ph, pb, ic;
};
}  // namespace

TEST(EtatLecteur, LooksFollowTheStateTable)
{
    const Ligne table[] = {
        {0, true, false, false, false, false, false, false, false, false, false},
        {1, false, true, false, false, false, true, false, true, false, false},
        {2, false, false, true, false, false, false, true, true, false, true},
        {5, false, true, false, true, false, true, false, true, false, false},
        {12, false, false, false, true, true, false, false, true, false, false},
        {16, false, false, false, false, false, false, false, false, true, true},
        {32, false, false, false, false, false, false, false, false, false, false},
    };
    for (const auto& l : table) {
        const VueEtat v = CalculerVueEtat(l.etat, "TF1");
        SCOPED_TRACE(l.etat);
        EXPECT_EQ(v.stopAllGras, l.s);
        EXPECT_EQ(v.playGras, l.p);
        EXPECT_EQ(v.recGras, l.r);
        EXPECT_EQ(v.shiftGras, l.sh);
        EXPECT_EQ(v.pauseGras, l.pa);
        EXPECT_EQ(v.regarderXActif, l.rx);
        EXPECT_EQ(v.enregistrerXActif, l.ex);
        EXPECT_EQ(v.photographierActif, l.ph);
        EXPECT_EQ(v.progBarVisible, l.pb);
        EXPECT_EQ(v.iconeEnregistrement, l.ic);
    }
}

TEST(EtatLecteur, OnlyStopResetsMuteButBothEndsResetProgress)
{
    EXPECT_TRUE(CalculerVueEtat(0, "").remettreMute);
    EXPECT_FALSE(CalculerVueEtat(32, "").remettreMute);
    EXPECT_TRUE(CalculerVueEtat(32, "").remettreProgression);
    EXPECT_FALSE(CalculerVueEtat(16, "").remettreProgression);
}

TEST(EtatLecteur, CurrentChannelAndTips)
{
    EXPECT_EQ(ChaineEnCoursPour(16, "Arte", "TF1"), "Arte");
    EXPECT_EQ(ChaineEnCoursPour(12, "Arte", "TF1"), "TF1");
    EXPECT_EQ(ChaineEnCoursPour(32, "Arte", "TF1"), "");
    EXPECT_EQ(CalculerVueEtat(0, "").infoBulleRegarderX, " Arrêter la lecture de  ");
    EXPECT_EQ(CalculerVueEtat(2, "M6").infoBulleEnregistrerX, " Arrêter l'enregistrement de M6 ");
}

TEST(EtatLecteur, TitleNamesTheChannelOnlyWhileRecording)
{
    const QTime h(7, 5);
    EXPECT_EQ(TitreFenetre(h, 0, "M6"), "Kelmor - 07:05");
    EXPECT_EQ(TitreFenetre(h, 5, "M6"), "Kelmor - 07:05");
    EXPECT_EQ(TitreFenetre(h, 2, "M6"), "Kelmor - 07:05 - M6 (enregistrement manuel)");
    EXPECT_EQ(TitreFenetre(QTime(23, 59), 16, "Arte"), "Kelmor - 23:59 - Arte (enregistrement automatique)");
}
