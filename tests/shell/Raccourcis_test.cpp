#include "shell/Raccourcis.h"

#include <gtest/gtest.h>

namespace {
const QDateTime kDebut(QDate(2026, 12, 9), QTime(20, 0, 0, 300));

EtatRaccourcis actif(bool vueDirecte = false, int volume2 = 100)
{
    EtatRaccourcis e;
    e.CLAV = true;
    e.vueDirecte = vueDirecte;
    e.volume2 = volume2;
    return e;
}

ToucheRelachee touche(int t, Qt::KeyboardModifiers m = {}, quint32 natif = 0, QDateTime h = kDebut)
{
    ToucheRelachee r;
    r.touche = t;
    r.modificateurs = m;
    r.codeNatif = natif;
    r.heure = h;
    return r;
}

ActionClavier presse(BoutonClavier b, int valeur = 0) { return {b, valeur, true}; }

struct Ligne {
    int touche;
    Qt::KeyboardModifiers modificateurs;
    ActionClavier horsDirect;  // the live view not shown
    ActionClavier enDirect;    // the live view shown, volume 100
};

const Ligne kTable[] = {
    {Qt::Key_F1, {}, presse(BoutonClavier::ChaineM), presse(BoutonClavier::ChaineM)},
    {Qt::Key_Minus, Qt::KeypadModifier, presse(BoutonClavier::ChaineM), presse(BoutonClavier::ChaineM)},
    {Qt::Key_F2, {}, presse(BoutonClavier::ChaineP), presse(BoutonClavier::ChaineP)},
    {Qt::Key_Plus, Qt::KeypadModifier, presse(BoutonClavier::ChaineP), presse(BoutonClavier::ChaineP)},
    {Qt::Key_F3, {}, presse(BoutonClavier::TopR), presse(BoutonClavier::TopR)},
    {Qt::Key_F4, {}, presse(BoutonClavier::Full), presse(BoutonClavier::Full2)},
    {Qt::Key_F5, {}, presse(BoutonClavier::Play), presse(BoutonClavier::Play)},
    {Qt::Key_F6, {}, presse(BoutonClavier::StopAll), presse(BoutonClavier::StopAll)},
    {Qt::Key_Comma, Qt::KeypadModifier, presse(BoutonClavier::StopAll), presse(BoutonClavier::StopAll)},
    {Qt::Key_Period, Qt::KeypadModifier, presse(BoutonClavier::StopAll), presse(BoutonClavier::StopAll)},
    {Qt::Key_F7, {}, presse(BoutonClavier::Pause), presse(BoutonClavier::Pause)},
    {Qt::Key_F8, {}, presse(BoutonClavier::Rec), presse(BoutonClavier::Rec)},
    {Qt::Key_F9, {}, presse(BoutonClavier::Snap), presse(BoutonClavier::Snap)},
    {Qt::Key_F10, {}, presse(BoutonClavier::VolumeM), presse(BoutonClavier::Volume2, 90)},
    {Qt::Key_F11, {}, presse(BoutonClavier::VolumeP), presse(BoutonClavier::Volume2, 110)},
    {Qt::Key_F12, {}, presse(BoutonClavier::Mute), presse(BoutonClavier::Mute2)},
    {Qt::Key_Slash, Qt::KeypadModifier, presse(BoutonClavier::FavorisM), presse(BoutonClavier::FavorisM)},
    {Qt::Key_Asterisk, Qt::KeypadModifier, presse(BoutonClavier::FavorisP), presse(BoutonClavier::FavorisP)},
    {Qt::Key_7, Qt::KeypadModifier, presse(BoutonClavier::FavorisListe, 7), presse(BoutonClavier::FavorisListe, 7)},
    {Qt::Key_2, {}, presse(BoutonClavier::FavorisListe, 2), presse(BoutonClavier::FavorisListe, 2)},
    {Qt::Key_A, {}, presse(BoutonClavier::Aucun), presse(BoutonClavier::Aucun)},
    {Qt::Key_Minus, {}, presse(BoutonClavier::Aucun), presse(BoutonClavier::Aucun)},
    {Qt::Key_Asterisk, {}, presse(BoutonClavier::Aucun), presse(BoutonClavier::Aucun)},
    {Qt::Key_Delete, Qt::KeypadModifier, presse(BoutonClavier::Aucun), presse(BoutonClavier::Aucun)},
};
}  // namespace

TEST(Raccourcis, EveryKeyPressesItsButtonOutsideAndInTheLiveView)
{
    for (const Ligne& l : kTable) {
        Raccourcis hors, direct;
        EXPECT_EQ(hors.Form_KeyUp(touche(l.touche, l.modificateurs), actif()), l.horsDirect) << l.touche;
        EXPECT_EQ(direct.Form_KeyUp(touche(l.touche, l.modificateurs), actif(true)), l.enDirect) << l.touche;
    }
}

TEST(Raccourcis, AnyModifierHeldStillCounts)
{
    Raccourcis r;
    EXPECT_EQ(r.Form_KeyUp(touche(Qt::Key_F5, Qt::ControlModifier | Qt::AltModifier), actif()),
              presse(BoutonClavier::Play));
}

TEST(Raccourcis, NoKeyIsTakenWhenOffOrWhenTheOptionsOrTheGuideAreOpen)
{
    EtatRaccourcis eteint;
    EtatRaccourcis options = actif();
    options.optionsOuvertes = true;
    EtatRaccourcis guide = actif();
    guide.guideOuvert = true;
    for (const EtatRaccourcis& e : {eteint, options, guide}) {
        for (const Ligne& l : kTable) {
            Raccourcis r;
            EXPECT_EQ(r.Form_KeyUp(touche(l.touche, l.modificateurs), e), ActionClavier{}) << l.touche;
            EXPECT_EQ(r.DerniereTouche(), 0);
        }
    }
}

TEST(Raccourcis, ChannelKeysDoNothingWhileTheirButtonIsDisabled)
{
    EtatRaccourcis e = actif();
    e.chaineMActive = e.chainePActive = false;
    Raccourcis r;
    EXPECT_EQ(r.Form_KeyUp(touche(Qt::Key_F1), e), presse(BoutonClavier::Aucun));
    EXPECT_EQ(r.Form_KeyUp(touche(Qt::Key_Plus, Qt::KeypadModifier), e), presse(BoutonClavier::Aucun));
    EXPECT_EQ(r.DerniereTouche(), 107);
}

TEST(Raccourcis, ViewVolumeStepsByTenWithinZeroAndTwoHundred)
{
    Raccourcis r;
    EXPECT_EQ(r.Form_KeyUp(touche(Qt::Key_F11), actif(true, 195)), presse(BoutonClavier::Volume2, 200));
    EXPECT_EQ(r.Form_KeyUp(touche(Qt::Key_F11), actif(true, 190)), presse(BoutonClavier::Volume2, 200));
    EXPECT_EQ(r.Form_KeyUp(touche(Qt::Key_F11), actif(true, 200)), presse(BoutonClavier::Volume2, 200));
    EXPECT_EQ(r.Form_KeyUp(touche(Qt::Key_F10), actif(true, 5)), presse(BoutonClavier::Volume2, 0));
    EXPECT_EQ(r.Form_KeyUp(touche(Qt::Key_F10), actif(true, 10)), presse(BoutonClavier::Volume2, 0));
    EXPECT_EQ(r.Form_KeyUp(touche(Qt::Key_F10), actif(true, 0)), presse(BoutonClavier::Volume2, 0));
}

TEST(Raccourcis, TheFrenchTopRowGivesDigitsByItsKeycodes)
{
    // "&é\"'(-è_çà" without Shift: keycodes 10 to 19 are "1" to "9" then "0".
    const int sansMaj[] = {Qt::Key_Ampersand, Qt::Key_Eacute, Qt::Key_QuoteDbl, Qt::Key_Apostrophe,
                           Qt::Key_ParenLeft, Qt::Key_Minus, Qt::Key_Egrave, Qt::Key_Underscore,
                           Qt::Key_Ccedilla, Qt::Key_Agrave};
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(codeTouche(sansMaj[i], {}, quint32(10 + i)), i == 9 ? 48 : 49 + i) << i;
    EXPECT_EQ(codeTouche(Qt::Key_4, Qt::ShiftModifier, 13), 52);
    EXPECT_EQ(codeTouche(Qt::Key_Minus, {}, 20), 0) << "the key right of the row is no digit";
    EXPECT_EQ(codeTouche(Qt::Key_4, Qt::KeypadModifier, 83), 100);
}

TEST(Raccourcis, AutoRepeatReleasesAreTakenButPressNothing)
{
    Raccourcis r;
    r.Form_KeyUp(touche(Qt::Key_3), actif());
    ToucheRelachee t = touche(Qt::Key_F5);
    t.repetition = true;
    EXPECT_EQ(r.Form_KeyUp(t, actif()), presse(BoutonClavier::Aucun));
    EXPECT_EQ(r.DerniereTouche(), 99) << "the sequence is left as it stands";
}

TEST(Raccourcis, TwoDigitsWithinTheNextSecondPickGroupThenFavourite)
{
    Raccourcis r;
    EXPECT_EQ(r.Form_KeyUp(touche(Qt::Key_3), actif()), presse(BoutonClavier::FavorisListe, 3));
    EXPECT_EQ(r.DerniereTouche(), 99);
    EXPECT_EQ(r.HeureTouche(), QDateTime(QDate(2026, 12, 9), QTime(20, 0, 0)));
    // 1.6 s later, but in the next whole second.
    EXPECT_EQ(r.Form_KeyUp(touche(Qt::Key_4, {}, 0, kDebut.addMSecs(1600)), actif()),
              presse(BoutonClavier::Favori, 4));
    EXPECT_EQ(r.DerniereTouche(), 0);
}

TEST(Raccourcis, KeypadDigitsMakeTheSameSequence)
{
    Raccourcis r;
    EXPECT_EQ(r.Form_KeyUp(touche(Qt::Key_2, Qt::KeypadModifier), actif()), presse(BoutonClavier::FavorisListe, 2));
    EXPECT_EQ(r.Form_KeyUp(touche(Qt::Key_5, Qt::KeypadModifier), actif()), presse(BoutonClavier::Favori, 5));
}

TEST(Raccourcis, ASecondDigitTwoSecondsLaterEndsTheSequence)
{
    Raccourcis r;
    r.Form_KeyUp(touche(Qt::Key_3), actif());
    EXPECT_EQ(r.Form_KeyUp(touche(Qt::Key_4, {}, 0, kDebut.addMSecs(1800)), actif()), presse(BoutonClavier::Aucun))
        << "20:00:02 is two whole seconds after 20:00:00";
    EXPECT_EQ(r.Form_KeyUp(touche(Qt::Key_4, {}, 0, kDebut.addSecs(3)), actif()), presse(BoutonClavier::FavorisListe, 4));
}

TEST(Raccourcis, SecondDigitZeroOrNineEndsTheSequenceWithoutAFavourite)
{
    for (int k : {Qt::Key_0, Qt::Key_9}) {
        Raccourcis r;
        r.Form_KeyUp(touche(Qt::Key_3), actif());
        EXPECT_EQ(r.Form_KeyUp(touche(k), actif()), presse(BoutonClavier::Aucun));
        EXPECT_EQ(r.DerniereTouche(), 0);
        EXPECT_EQ(r.Form_KeyUp(touche(Qt::Key_6), actif()), presse(BoutonClavier::FavorisListe, 6));
    }
}

TEST(Raccourcis, AnotherKeyBetweenTheDigitsEndsTheSequence)
{
    Raccourcis r;
    r.Form_KeyUp(touche(Qt::Key_3), actif());
    EXPECT_EQ(r.Form_KeyUp(touche(Qt::Key_F5), actif()), presse(BoutonClavier::Play));
    EXPECT_EQ(r.Form_KeyUp(touche(Qt::Key_4), actif()), presse(BoutonClavier::FavorisListe, 4));
}

TEST(Raccourcis, ASequenceLeftOpenWaitsWhileThePanesAreOpen)
{
    Raccourcis r;
    r.Form_KeyUp(touche(Qt::Key_3), actif());
    EtatRaccourcis guide = actif();
    guide.guideOuvert = true;
    r.Form_KeyUp(touche(Qt::Key_7), guide);
    EXPECT_EQ(r.Form_KeyUp(touche(Qt::Key_4), actif()), presse(BoutonClavier::Favori, 4));
}
