#include "engine/VueDirecte.h"

#include "engine/Mosaique.h"
#include "engine/Moteur.h"
#include "engine/Session.h"
#include "platform/Plateforme.h"
#include "support/Doubles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
// The live view on the platform doubles, its frame on screen, with two channels.
struct BancVue : PlateformeDoubles {
    Session session;
    Moteur moteur{session, plateforme};
    EtatAfficher etat{true, OngletAfficher::Direct, CadreAfficher::Direct};
    Mosaique mosaique{vue, horloge, session.chaines, session.parametres.favoris};
    VueDirecte direct{session, moteur, vue, etat, mosaique};
    QStringList signaux;

    BancVue()
    {
        session.chaines = ListeChaines({{"TF1", 1, "rtsp://box/1"}, {"M6", 6, "rtsp://box/6"}});
        session.chaineSelectionnee = 0;
        QObject::connect(&direct, &VueDirecte::vuePremiereFois, [this] { signaux << "place"; });
        QObject::connect(&direct, &VueDirecte::attenteAffichee,
                         [this](bool visible) { signaux << (visible ? "attente" : "fin attente"); });
        QObject::connect(&direct, &VueDirecte::sonAffiche,
                         [this](int volume, bool muet) { signaux << QString("son %1 %2").arg(volume).arg(muet); });
    }
};
}  // namespace

TEST(VueDirecte, TheViewIsPlacedOnceBeforeTheWaitingPictureShows)
{
    BancVue b;
    b.direct.LancerLectureIntegree();
    b.direct.LancerLectureIntegree();
    EXPECT_EQ(b.signaux, QStringList({"place", "attente", "attente"}));
    EXPECT_TRUE(b.direct.Attente().isActive());
    EXPECT_EQ(b.vue.appels.mid(b.vue.appels.size() - 3), QStringList({"arreter", "vider", "jouer rtsp://box/1"}));
    b.direct.Attente_Timer();
    EXPECT_FALSE(b.direct.attenteVisible());
    EXPECT_EQ(b.signaux.last(), "fin attente");
}

TEST(VueDirecte, OffScreenItIgnoresChannelChangesSizesAndSnapshots)
{
    BancVue b;
    b.etat.cadre = CadreAfficher::Fichiers;
    b.session.chaineSelectionnee = 1;
    b.direct.Chaines_Click();
    b.direct.definirTailleVue(QSize(3000, 2000));
    EXPECT_EQ(b.direct.Snap2_Click(), "");
    EXPECT_TRUE(b.vue.appels.isEmpty());

    b.etat.cadre = CadreAfficher::Direct;
    b.direct.Chaines_Click();
    EXPECT_EQ(b.vue.appels.mid(2), QStringList({"taille 3000x2000", "jouer rtsp://box/6"}));
    b.vue.appels.clear();
    b.direct.definirTailleVue(QSize(4000, 3000));
    EXPECT_EQ(b.vue.appels, QStringList{"taille 4000x3000"});
}

TEST(VueDirecte, AnEntryThatIsNoStreamAddressNeverReachesTheView)
{
    BancVue b;
    b.session.chaines = ListeChaines({{"Piège", 1, "--video-filter=scene"}, {"Fichier", 2, "/etc/passwd"}});
    for (int i : {0, 1}) {
        b.session.chaineSelectionnee = i;
        b.direct.LancerLectureIntegree();
    }
    EXPECT_TRUE(b.vue.appelsCommencantPar("jouer").isEmpty());
    EXPECT_TRUE(b.direct.attenteVisible());
}

TEST(VueDirecte, WhileTheMosaicRunsTheCompactRowKeepsItsSoundForLater)
{
    BancVue b;
    QTemporaryDir programme;
    b.mosaique.PreparerMosaique(programme.path() + "/", 1);
    ASSERT_TRUE(b.mosaique.enCours());
    b.vue.appels.clear();
    b.direct.Volume2_Scroll(250);
    b.direct.Mute2_Click();
    EXPECT_TRUE(b.vue.appels.isEmpty());
    EXPECT_EQ(b.direct.volume(), 200);
    EXPECT_TRUE(b.direct.muet());
    EXPECT_EQ(b.signaux, QStringList({"son 200 0", "son 200 1"}));

    b.mosaique.quitter(b.direct.volume(), b.direct.muet());
    b.direct.Volume2_Scroll(-5);
    EXPECT_EQ(b.vue.volume, 0);
    EXPECT_TRUE(b.vue.muet);
}

TEST(VueDirecte, TheChannelStepsStayWithinTheList)
{
    BancVue b;
    b.direct.ChaineM2_Click();
    EXPECT_EQ(b.session.chaineSelectionnee, 0);
    b.direct.ChaineP2_Click();
    b.direct.ChaineP2_Click();
    EXPECT_EQ(b.session.chaineSelectionnee, 1);
    b.session.chaineSelectionnee = -1;
    b.direct.ChaineP2_Click();
    EXPECT_EQ(b.session.chaineSelectionnee, -1) << "no step from no channel";
    EXPECT_TRUE(b.lecteurs.lancements.empty());
}
