#include "shell/FormeFenetre.h"

#include <gtest/gtest.h>

namespace {

const QSize kNormale(4455, 5175), kTelecommande(2865, 7935);
const std::vector<int> kDeplier{4455, 5007, 5559, 6111, 6663, 7215, 7767, 8319, 8871, 9423, 9975};
const std::vector<int> kReplier(kDeplier.rbegin(), kDeplier.rend());

FormeFenetre forme(bool mtop, bool favo, bool cadr, int mini = 0, Volet v = Volet::Aucun)
{
    FormeFenetre f(OptionsForme{mtop, favo, cadr});
    for (int i = 0; i < mini; ++i)
        f.Mini_Click();
    if (v != Volet::Aucun)
        f.basculerVolet(v);
    return f;
}

// A 1280 x 800 screen under a 30-pixel panel; a 1-pixel frame and a 24-pixel title bar.
PlacementFenetre ecran(int x, int y)
{
    return {QRect(0, 30, 1280, 800), QPoint(x, y), QMargins(1, 24, 1, 1), QRect()};
}

}  // namespace

TEST(FormeFenetre, EachFormHasTheSizeOfItsLayoutFrameInTwipsAndPixels)
{
    EXPECT_EQ(forme(1, 0, 1).taille(), kNormale);
    EXPECT_EQ(versPixels(kNormale), QSize(297, 345));
    EXPECT_EQ(forme(1, 0, 1, 0, Volet::Guider).taille(), QSize(9975, 5175));
    EXPECT_EQ(versPixels(QSize(9975, 5175)), QSize(665, 345));
    EXPECT_EQ(forme(1, 0, 1, 1).taille(), kTelecommande);
    EXPECT_EQ(versPixels(kTelecommande), QSize(191, 529));
}

TEST(FormeFenetre, APaneButtonOpensItsPaneInElevenWidthsClosesItAndSwitchesToAnother)
{
    for (Volet v : {Volet::Afficher, Volet::Guider, Volet::Diffuser}) {
        FormeFenetre f = forme(1, 0, 1);
        const TransitionForme ouvre = f.basculerVolet(v);
        ASSERT_EQ(ouvre.phases.size(), 1u);
        EXPECT_EQ(ouvre.phases[0].largeurs(), kDeplier);
        EXPECT_EQ(ouvre.phases[0].voletAffiche, v);
        EXPECT_TRUE(ouvre.animee());
        EXPECT_TRUE(f.estOuvert(v));

        const Volet autre = v == Volet::Guider ? Volet::Diffuser : Volet::Guider;
        const TransitionForme change = f.basculerVolet(autre);
        ASSERT_EQ(change.phases.size(), 2u);
        EXPECT_EQ(change.phases[0].arreterVue, v == Volet::Afficher);
        EXPECT_EQ(change.phases[0].largeurs(), kReplier);
        EXPECT_FALSE(change.phases[0].voletAffiche);
        EXPECT_EQ(change.phases[1].voletAffiche, autre);
        EXPECT_EQ(change.phases[1].largeurs(), kDeplier);

        const TransitionForme ferme = f.basculerVolet(autre);
        ASSERT_EQ(ferme.phases.size(), 1u);
        EXPECT_EQ(ferme.phases[0].largeurs(), kReplier);
        EXPECT_TRUE(f.estNormale());
        EXPECT_EQ(f.volet(), Volet::Aucun);
    }
    EXPECT_TRUE(forme(1, 0, 1, 0, Volet::Afficher).basculerVolet(Volet::Afficher).phases[0].arreterVue);
}

TEST(FormeFenetre, MiniSwitchesTheRemoteControlFormOnTopOnlyWithItsOptionsAndBack)
{
    for (bool mtop : {false, true})
        for (bool favo : {false, true})
            for (Volet v : {Volet::Aucun, Volet::Afficher, Volet::Guider}) {
                FormeFenetre f = forme(mtop, favo, 1, 0, v);
                const TransitionForme entre = f.Mini_Click();
                ASSERT_EQ(entre.phases.size(), v == Volet::Aucun ? 1u : 2u);
                if (v != Volet::Aucun) {  // the open pane folds first
                    EXPECT_EQ(entre.phases[0].largeurs(), kReplier);
                    EXPECT_EQ(entre.phases[0].arreterVue, v == Volet::Afficher);
                }
                const PhaseForme& p = entre.phases.back();
                EXPECT_EQ(p.tailles, std::vector<QSize>{kTelecommande});
                EXPECT_EQ(p.fond1bis, true);
                EXPECT_EQ(p.auDessus, mtop ? std::optional(true) : std::nullopt);
                EXPECT_EQ(p.favorisDevant, favo ? std::optional(true) : std::nullopt);
                EXPECT_TRUE(f.estTelecommande());

                const TransitionForme sort = f.Mini_Click();
                ASSERT_EQ(sort.phases.size(), 1u);
                EXPECT_EQ(sort.taillePixels(), QSize(297, 345));
                EXPECT_EQ(sort.phases[0].fond1bis, false);
                EXPECT_EQ(sort.phases[0].auDessus, false);
                EXPECT_EQ(sort.phases[0].favorisDevant, favo ? std::optional(false) : std::nullopt);
                EXPECT_TRUE(f.estNormale());
            }
}

TEST(FormeFenetre, GoButtonsLeaveTheRemoteControlFormAndElsewhereOnlyMakeTheirPaneTheOpenOne)
{
    using Go = TransitionForme (FormeFenetre::*)(const PlacementFenetre&);
    const std::tuple<Go, Volet, bool> cas[] = {{&FormeFenetre::GoAfficher_Click, Volet::Afficher, false},
                                               {&FormeFenetre::GoGuider_Click, Volet::Guider, false},
                                               {&FormeFenetre::GoDiffuser_Click, Volet::Afficher, true}};
    for (const auto& [go, volet, mosaique] : cas) {
        FormeFenetre f = forme(1, 1, 1, 1);
        const TransitionForme t = (f.*go)({});
        ASSERT_EQ(t.phases.size(), 2u);
        EXPECT_EQ(t.phases[0].auDessus, false);
        EXPECT_EQ(t.phases[0].fond1bis, false);
        EXPECT_EQ(t.phases[0].favorisDevant, false);
        EXPECT_EQ(t.phases[1].voletAffiche, volet);
        EXPECT_EQ(t.phases[1].largeurs(), kDeplier);
        EXPECT_EQ(t.mosaique, mosaique);
        EXPECT_TRUE(f.estOuvert(volet));
        EXPECT_TRUE((f.*go)({}).phases.empty());  // already open: nothing to do
        FormeFenetre autre = forme(1, 0, 1, 0, Volet::Diffuser);
        EXPECT_EQ((autre.*go)({}).phases.size(), 2u);  // switches, no remote-control step
    }
    // A pane button asked in the remote-control form leaves it properly too.
    FormeFenetre f = forme(1, 0, 1, 1);
    EXPECT_EQ(f.basculerVolet(Volet::Diffuser).phases.at(0).fond1bis, false);
    EXPECT_TRUE(f.estOuvert(Volet::Diffuser));
}

TEST(FormeFenetre, ReplierAndDeplierVoletFromEachForm)
{
    EXPECT_TRUE(forme(1, 0, 1).ReplierVolet().vide());
    EXPECT_EQ(forme(1, 0, 1, 0, Volet::Guider).ReplierVolet().phases.at(0).largeurs(), kReplier);
    FormeFenetre f = forme(1, 0, 1);
    EXPECT_EQ(f.DeplierVolet(Volet::Guider).phases.at(0).largeurs(), kDeplier);
    EXPECT_EQ(f.DeplierVolet(Volet::Guider).phases.at(0).largeurs(), kReplier);
    EXPECT_TRUE(f.estNormale());

    // The remote-control form takes the normal size at once and keeps its form for later.
    FormeFenetre t = forme(1, 0, 1, 1);
    EXPECT_TRUE(t.DeplierVolet(Volet::Afficher).vide());
    const TransitionForme r = t.ReplierVolet();
    ASSERT_EQ(r.phases.size(), 1u);
    EXPECT_EQ(r.phases[0].tailles, std::vector<QSize>{kNormale});
    EXPECT_FALSE(r.phases[0].fond1bis || r.phases[0].auDessus || r.animee());
    EXPECT_TRUE(t.estTelecommande());
    EXPECT_EQ(t.taille(), kTelecommande);
}

TEST(FormeFenetre, KeepInsideMovesTheWindowBackOnScreenAndWithoutItAGripStaysOnScreen)
{
    // 665 + 2 pixels of frame from 900 pass the right edge; the vertical position stays.
    EXPECT_EQ(forme(1, 0, 1).basculerVolet(Volet::Afficher, ecran(900, 600)).position(), QPoint(613, 600));
    EXPECT_FALSE(forme(1, 0, 1).basculerVolet(Volet::Afficher, ecran(100, 600)).position());
    EXPECT_FALSE(forme(1, 0, 0).basculerVolet(Volet::Afficher, ecran(900, 600)).position());
    // The remote-control form, 193 x 554 with its frame, on both axes.
    EXPECT_EQ(forme(1, 0, 1).Mini_Click(ecran(1200, 600)).position(), QPoint(1087, 276));
    EXPECT_FALSE(forme(1, 0, 0).Mini_Click(ecran(1200, 600)).position());
    // Unticked, a window past an edge keeps 40 pixels on the screen.
    EXPECT_EQ(forme(1, 0, 0).basculerVolet(Volet::Afficher, ecran(1270, 100)).position(), QPoint(1240, 100));
    EXPECT_EQ(forme(1, 0, 0, 0, Volet::Guider).ReplierVolet(ecran(-500, 100)).position(), QPoint(-259, 100));
    // Wider than the screen, the window keeps its left edge on it.
    const PlacementFenetre petit{QRect(0, 0, 600, 400), QPoint(50, 0), QMargins(), QRect()};
    EXPECT_EQ(forme(1, 0, 1).basculerVolet(Volet::Guider, petit).position(), QPoint(0, 0));
}

TEST(FormeFenetre, OnTopIsToggledByTopRForcedOnByTheRemoteControlFormWithMtopAndOffWhenLeavingIt)
{
    FormeFenetre f = forme(0, 0, 1);
    EXPECT_FALSE(f.AuDessus());
    EXPECT_TRUE(f.TopR_Click());
    EXPECT_FALSE(f.TopR_Click());

    // Without MTOP the form leaves the state as the user set it, and leaving still ends it.
    f.TopR_Click();
    EXPECT_FALSE(f.Mini_Click().phases.back().auDessus);
    EXPECT_TRUE(f.AuDessus());
    f.Mini_Click();
    EXPECT_FALSE(f.AuDessus());

    FormeFenetre m = forme(1, 0, 1);
    m.Mini_Click();
    EXPECT_TRUE(m.AuDessus());
    m.GoGuider_Click();
    EXPECT_FALSE(m.AuDessus());
}

TEST(FormeFenetre, Mini2TwiceReturnsToTheMediaPaneAtTheSameSizeAndPlace)
{
    FormeFenetre f = forme(1, 0, 1, 0, Volet::Afficher);
    const QSize avant = f.taille();
    const TransitionForme entree = f.Mini2_Click(ecran(100, 100));
    EXPECT_EQ(f.forme(), Forme::MiniEcran);
    EXPECT_TRUE(f.miniEcran());
    EXPECT_EQ(entree.taillePixels(), QSize(337, 249));  // the video alone at 100 %
    EXPECT_EQ(entree.position(), QPoint(100 + 312, 100 + 40));
    EXPECT_EQ(entree.phases[0].auDessus, std::optional<bool>(true));
    const TransitionForme sortie = f.Mini2_Click(ecran(412, 140));
    EXPECT_EQ(f.forme(), Forme::VoletOuvert);
    EXPECT_TRUE(f.estOuvert(Volet::Afficher));
    EXPECT_EQ(f.taille(), avant);
    EXPECT_EQ(sortie.position(), QPoint(100, 100));
    EXPECT_EQ(sortie.phases[0].auDessus, std::optional<bool>(false));
    EXPECT_FALSE(sortie.phases[0].vueSeule->actif);
}

TEST(FormeFenetre, OnlyTheOpenMediaPaneEntersTheMiniScreen)
{
    FormeFenetre f = forme(1, 0, 1, 0, Volet::Guider);
    EXPECT_TRUE(f.Mini2_Click().vide());
    EXPECT_TRUE(f.Full2_Click().vide());
    EXPECT_EQ(f.forme(), Forme::VoletOuvert);
}

TEST(FormeFenetre, TheSizeSliderScalesTheWindowWidthWithinItsEnds)
{
    FormeFenetre f = forme(0, 0, 1, 0, Volet::Afficher);
    f.Mini2_Click();
    EXPECT_EQ(f.SizeBar2_Scroll(500).taillePixels().width(), 1709);  // (25725 - 90) / 15
    EXPECT_EQ(f.SizeBar2_Scroll(10).taillePixels().width(), 114);    // 35 %: (1800.75 - 90) / 15
    EXPECT_EQ(f.curseur(), 35);
}

TEST(FormeFenetre, FullScreenFromThePaneCoversTheScreenAndComesBackToThePane)
{
    FormeFenetre f = forme(0, 0, 1, 0, Volet::Afficher);
    const TransitionForme plein = f.Full2_Click(ecran(100, 100));
    EXPECT_EQ(f.forme(), Forme::PleinEcran);
    EXPECT_EQ(plein.taillePixels(), QSize(1280, 800));
    EXPECT_EQ(plein.position(), QPoint(-1, 6));
    const VueSeule& v = *plein.phases.back().vueSeule;
    EXPECT_TRUE(v.pleinEcran);
    EXPECT_EQ(v.video.height(), 800 * 15);  // a wide screen: the height governs
    EXPECT_NEAR(v.video.x(), (1280 * 15 - 800 * 15 * 1.3534) / 2, 1);
    const TransitionForme retour = f.SizeBarF_Click(ecran(-1, 6));
    EXPECT_EQ(f.forme(), Forme::VoletOuvert);
    EXPECT_EQ(retour.position(), QPoint(100, 100));
    EXPECT_EQ(f.PleinEcran(), 0);
}

TEST(FormeFenetre, FullScreenFromTheMiniScreenGoesBackToItAtItsSliderValueInsideANewScreen)
{
    FormeFenetre f = forme(0, 0, 1, 0, Volet::Afficher);
    f.Mini2_Click(ecran(1000, 600));
    f.SizeBar2_Scroll(150);
    f.SizeBarF_Click(ecran(1000 + 312, 600 + 40));
    EXPECT_EQ(f.PleinEcran(), 150);
    // The screen shrank meanwhile: the window comes back inside it.
    const PlacementFenetre petit{QRect(0, 0, 1024, 768), QPoint(-1, -24), QMargins(1, 24, 1, 1), QRect()};
    const TransitionForme retour = f.SizeBarF_Click(petit);
    EXPECT_EQ(f.forme(), Forme::MiniEcran);
    EXPECT_EQ(f.curseur(), 150);
    const QSize cadre = retour.taillePixels().grownBy(QMargins(1, 24, 1, 1));
    EXPECT_LE(retour.position()->x() + cadre.width(), 1024);
    EXPECT_LE(retour.position()->y() + cadre.height(), 768);
}

TEST(FormeFenetre, LeavingFullScreenOnTheSameScreenPutsTheMiniScreenBackWhereItWasEvenPartlyOffIt)
{
    FormeFenetre f = forme(0, 0, 1, 0, Volet::Afficher);
    f.Mini2_Click(ecran(700, 400));
    // Dragged partly off the screen's right and bottom edges, then full screen and back.
    const QPoint dehors(1100, 700);
    f.SizeBarF_Click(ecran(dehors.x(), dehors.y()));
    EXPECT_EQ(f.SizeBarF_Click(ecran(-1, 6)).position(), dehors);
    // Through full screen from the mini-screen twice: the same.
    f.SizeBarF_Click(ecran(dehors.x(), dehors.y()));
    EXPECT_EQ(f.Full2_Click(ecran(-1, 6)).position(), dehors);
}

TEST(FormeFenetre, OnlyEnteringTheMiniScreenFoldsItsRibbon)
{
    const auto replie = [](const TransitionForme& t) {
        for (const PhaseForme& p : t.phases)
            if (p.vueSeule && p.vueSeule->replierRuban)
                return true;
        return false;
    };
    FormeFenetre f = forme(0, 0, 1, 0, Volet::Afficher);
    EXPECT_TRUE(replie(f.Mini2_Click(ecran(100, 100))));
    EXPECT_FALSE(replie(f.SizeBar2_Scroll(150)));
    EXPECT_FALSE(replie(f.SizeBarF_Click(ecran(412, 140)))) << "into full screen";
    EXPECT_FALSE(replie(f.SizeBarF_Click(ecran(-1, 6)))) << "back to the mini-screen";
    EXPECT_FALSE(replie(f.SizeBar1_Click(ecran(412, 140))));
    EXPECT_TRUE(replie(f.Full2_Click(ecran(100, 100)))) << "full screen from the pane, through the mini-screen";
}

TEST(FormeFenetre, FoldingTheMediaPaneFromTheMiniScreenOrFullScreenEndsInTheNormalWindow)
{
    for (const bool plein : {false, true}) {
        SCOPED_TRACE(plein ? "full screen" : "mini-screen");
        FormeFenetre f = forme(1, 0, 1, 0, Volet::Afficher);
        f.Mini2_Click(ecran(100, 100));
        if (plein)
            f.SizeBarF_Click(ecran(412, 140));
        EXPECT_TRUE(f.basculerVolet(Volet::Guider).vide()) << "no other pane lies behind the view";
        const TransitionForme t = f.basculerVolet(Volet::Afficher, plein ? ecran(-1, 6) : ecran(412, 140));
        EXPECT_EQ(f.forme(), Forme::Normal);
        EXPECT_FALSE(f.miniEcran());
        EXPECT_EQ(f.PleinEcran(), 0);
        EXPECT_EQ(t.taille(), kNormale);
        EXPECT_EQ(t.position(), QPoint(100, 100)) << "where the normal window stood";
        // Never wider than the pane's width, and the view is given back before the fold.
        for (const PhaseForme& p : t.phases)
            for (const QSize& s : p.tailles)
                EXPECT_LE(s.width(), kDeplier.back());
        ASSERT_GE(t.phases.size(), 2u);
        const PhaseForme& avantRepli = t.phases[t.phases.size() - 2];
        ASSERT_TRUE(avantRepli.vueSeule);
        EXPECT_FALSE(avantRepli.vueSeule->actif);
        EXPECT_EQ(t.phases.back().largeurs(), kReplier);
        EXPECT_TRUE(t.phases.back().arreterVue);
        EXPECT_FALSE(f.AuDessus());
    }
}

TEST(FormeFenetre, FullScreenCoversTheWholeScreenPanelsIncludedInTheDesktopsFullScreenState)
{
    FormeFenetre f = forme(0, 0, 1, 0, Volet::Afficher);
    PlacementFenetre p = ecran(100, 100);
    p.ecranEntier = QRect(0, 0, 1280, 830);
    const TransitionForme plein = f.Full2_Click(p);
    EXPECT_EQ(plein.taillePixels(), QSize(1280, 830));
    EXPECT_EQ(plein.position(), QPoint(-1, -24)) << "the frame outside the screen";
    EXPECT_EQ(plein.phases.back().pleinEcranBureau, std::optional<bool>(true));
    const TransitionForme retour = f.Full2_Click(p);
    ASSERT_FALSE(retour.phases.empty());
    EXPECT_EQ(retour.phases.front().pleinEcranBureau, std::optional<bool>(false)) << "left before the sizes";
    EXPECT_EQ(retour.position(), QPoint(100, 100));
}

TEST(FormeFenetre, ChangedOptionsActAtOnceInTheRemoteControlFormAndWaitElsewhere)
{
    struct Cas {
        const char* nom;
        int mini;                // 0 normal window, 1 remote-control form
        OptionsForme avant, apres;
        bool topRAvant;          // the user toggled on-top by hand before
        std::optional<bool> auDessus, favorisDevant;
    };
    const Cas cas[] = {
        {"MTOP ticked in the remote-control form", 1, {false, false, true}, {true, false, true}, false, true, {}},
        {"MTOP unticked in the remote-control form", 1, {true, false, true}, {false, false, true}, false, false, {}},
        {"MTOP ticked while already on top by hand", 1, {false, false, true}, {true, false, true}, true, {}, {}},
        {"FAVO ticked in the remote-control form", 1, {true, false, true}, {true, true, true}, false, {}, true},
        {"FAVO unticked in the remote-control form", 1, {true, true, true}, {true, false, true}, false, {}, false},
        {"CADR alone changes no frame", 1, {true, false, true}, {true, false, false}, false, {}, {}},
        {"the same options change nothing", 1, {true, true, true}, {true, true, true}, false, {}, {}},
        {"the normal window waits for the form", 0, {false, false, true}, {true, true, true}, false, {}, {}},
    };
    for (const Cas& c : cas) {
        FormeFenetre f(c.avant);
        for (int i = 0; i < c.mini; ++i)
            f.Mini_Click();
        if (c.topRAvant)
            f.TopR_Click();
        const bool auDessusAvant = f.AuDessus();
        const TransitionForme t = f.definirOptions(c.apres);
        EXPECT_EQ(f.options().MTOP, c.apres.MTOP) << c.nom;
        EXPECT_EQ(f.options().CADR, c.apres.CADR) << c.nom;
        EXPECT_TRUE(t.taille().isEmpty()) << c.nom << ": no size changes";
        const bool rien = !c.auDessus && !c.favorisDevant;
        ASSERT_EQ(t.vide(), rien) << c.nom;
        if (!rien) {
            EXPECT_EQ(t.phases[0].auDessus, c.auDessus) << c.nom;
            EXPECT_EQ(t.phases[0].favorisDevant, c.favorisDevant) << c.nom;
        }
        EXPECT_EQ(f.AuDessus(), c.auDessus.value_or(auDessusAvant)) << c.nom;
    }
    // Waiting in the normal window, the new options act when the form is entered.
    FormeFenetre f(OptionsForme{false, false, true});
    f.definirOptions({true, true, true});
    const TransitionForme t = f.Mini_Click();
    ASSERT_FALSE(t.vide());
    EXPECT_EQ(t.phases.back().auDessus, true);
    EXPECT_EQ(t.phases.back().favorisDevant, true);
}
