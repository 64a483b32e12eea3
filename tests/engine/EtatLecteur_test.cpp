#include "engine/EtatLecteur.h"

#include <gtest/gtest.h>

namespace {
// One row of the table of looks: stopAll, play, rec, shift, pause, regarderX, enregistrerX,
// photographier, progBar, recording icon.
struct Ligne {
    EtatLecteur etat;
    bool s, p, r, sh, pa, rx, ex, ph, pb, ic;
};
}  // namespace

TEST(EtatLecteur, LooksFollowTheStateTable)
{
    const Ligne table[] = {
        {EtatLecteur::Arret, true, false, false, false, false, false, false, false, false, false},
        {EtatLecteur::Lecture, false, true, false, false, false, true, false, true, false, false},
        {EtatLecteur::Enregistrement, false, false, true, false, false, false, true, true, false, true},
        {EtatLecteur::Differe, false, true, false, true, false, true, false, true, false, false},
        {EtatLecteur::Pause, false, false, false, true, true, false, false, true, false, false},
        {EtatLecteur::Programme, false, false, false, false, false, false, false, false, true, true},
        {EtatLecteur::FinProgramme, false, false, false, false, false, false, false, false, false, false},
    };
    for (const auto& l : table) {
        const VueEtat v = CalculerVueEtat(l.etat, "TF1");
        SCOPED_TRACE(valeur(l.etat));
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
    EXPECT_TRUE(CalculerVueEtat(EtatLecteur::Arret, "").remettreMute);
    EXPECT_FALSE(CalculerVueEtat(EtatLecteur::FinProgramme, "").remettreMute);
    EXPECT_TRUE(CalculerVueEtat(EtatLecteur::FinProgramme, "").remettreProgression);
    EXPECT_FALSE(CalculerVueEtat(EtatLecteur::Programme, "").remettreProgression);
}

TEST(EtatLecteur, CurrentChannelAndTips)
{
    EXPECT_EQ(ChaineEnCoursPour(EtatLecteur::Programme, "Arte", "TF1"), "Arte");
    EXPECT_EQ(ChaineEnCoursPour(EtatLecteur::Pause, "Arte", "TF1"), "TF1");
    EXPECT_EQ(ChaineEnCoursPour(EtatLecteur::FinProgramme, "Arte", "TF1"), "");
    EXPECT_EQ(CalculerVueEtat(EtatLecteur::Arret, "").infoBulleRegarderX, " Arrêter la lecture de  ");
    EXPECT_EQ(CalculerVueEtat(EtatLecteur::Enregistrement, "M6").infoBulleEnregistrerX, " Arrêter l'enregistrement de M6 ");
}

TEST(EtatLecteur, TitleNamesTheChannelOnlyWhileRecording)
{
    const QTime h(7, 5);
    EXPECT_EQ(TitreFenetre(h, EtatLecteur::Arret, "M6"), "Kelmor - 07:05");
    EXPECT_EQ(TitreFenetre(h, EtatLecteur::Differe, "M6"), "Kelmor - 07:05");
    EXPECT_EQ(TitreFenetre(h, EtatLecteur::Enregistrement, "M6"), "Kelmor - 07:05 - M6 (enregistrement manuel)");
    EXPECT_EQ(TitreFenetre(QTime(23, 59), EtatLecteur::Programme, "Arte"), "Kelmor - 23:59 - Arte (enregistrement automatique)");
}
