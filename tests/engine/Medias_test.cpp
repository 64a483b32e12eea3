#include "engine/Medias.h"

#include "engine/EtatFenetre.h"
#include "engine/Moteur.h"
#include "engine/Session.h"
#include "platform/Plateforme.h"
#include "support/Doubles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
// The media pane's controller on the platform doubles, with one channel.
struct BancOnglets : PlateformeDoubles {
    QTemporaryDir dossier;
    Session session;
    Moteur moteur{session, plateforme};
    EtatFenetre fenetre;
    Medias medias{session, moteur, plateforme, fenetre};
    std::vector<CadreAfficher> cadres;

    BancOnglets()
    {
        session.DossierProgramme = dossier.path() + "/";
        session.DossierEnregistrement = dossier.path() + "/";
        session.chaines = ListeChaines({{"TF1", 1, "rtsp://box/1"}});
        session.chaineSelectionnee = 0;
        QObject::connect(&medias, &Medias::cadreAffiche, [this](CadreAfficher c) { cadres.push_back(c); });
    }
    // The window's form, as the shell writes it.
    void ouvrir(bool ouvert) { fenetre.definirForme(ouvert ? Forme::VoletOuvert : Forme::Normal, Volet::Afficher); }
};
}  // namespace

TEST(Medias, OpeningStartsTheLiveViewAndClosingStopsItWithItsWait)
{
    BancOnglets b;
    b.ouvrir(true);
    EXPECT_EQ(b.medias.onglet(), OngletAfficher::Direct);
    EXPECT_EQ(b.cadres, std::vector<CadreAfficher>{CadreAfficher::Direct});
    EXPECT_EQ(b.vue.appels.last(), "jouer rtsp://box/1");
    EXPECT_TRUE(b.medias.vueDirecte().Attente().isActive());

    b.ouvrir(false);
    EXPECT_FALSE(b.medias.ouvert());
    EXPECT_EQ(b.medias.cadre(), CadreAfficher::Aucun);
    EXPECT_FALSE(b.vue.joue);
    EXPECT_FALSE(b.medias.vueDirecte().Attente().isActive());
}

TEST(Medias, TheMosaicShowsOnlyWhenTheWindowOpenedThePane)
{
    BancOnglets b;
    b.medias.Mosaique_Demandee();
    EXPECT_TRUE(b.cadres.empty());
    EXPECT_TRUE(b.vue.appels.isEmpty());

    // The window opened the pane: the mosaic asked at the end of the steps takes the view.
    b.ouvrir(true);
    b.medias.Mosaique_Demandee();
    EXPECT_EQ(b.medias.onglet(), OngletAfficher::Mosaique);
    EXPECT_EQ(b.cadres.back(), CadreAfficher::Mosaique);
    EXPECT_TRUE(b.medias.mosaique().enCours());
}

TEST(Medias, WithTheSingleStreamTakenOpeningShowsTheRecordingsAndSaysWhy)
{
    BancOnglets b;
    b.session.parametres.p.FLX1 = true;
    b.session.Etat = EtatLecteur::Lecture;
    b.ouvrir(true);
    ASSERT_EQ(b.dialogues.messages.size(), 1u);
    EXPECT_EQ(b.dialogues.messages[0], (Message{Message::Exclamation, Medias::kMessageFlux}));
    EXPECT_EQ(b.medias.onglet(), OngletAfficher::Videos);
    EXPECT_EQ(b.cadres, std::vector<CadreAfficher>{CadreAfficher::Fichiers});
    EXPECT_EQ(b.medias.mediatheque().motif(), MotifVideos);
    EXPECT_TRUE(b.vue.appelsCommencantPar("jouer").isEmpty());
}
