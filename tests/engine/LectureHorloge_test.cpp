#include "engine/LectureHorloge.h"

#include "engine/Session.h"
#include "platform/Plateforme.h"
#include "support/Doubles.h"

#include <gtest/gtest.h>

namespace {
// A recorder into /rec/a.mpg, watched since the double clock's now, that has just closed.
struct BancLecture : PlateformeDoubles {
    Session session;
    explicit BancLecture(EtatLecteur etat)
    {
        session.Etat = etat;
        session.ChaineEnCours = "TF1";
        session.surveillance.commencer("/rec/a.mpg", horloge.maintenantValeur);
    }
    RapportEnregistreur regarder() { return surveillerEnregistreur(session, plateforme, horloge.maintenantValeur); }
};
}  // namespace

TEST(LectureHorloge, AClosedRecorderIsToldAsTheStateItServes)
{
    using V = SurveillanceEnregistreur::Verdict;
    struct Cas {
        EtatLecteur etat;
        std::optional<QString> programme, manuel;
    };
    const Cas cas[] = {
        {EtatLecteur::Programme, MessageEchecEnregistrement(true, "TF1", "/rec/a.mpg", V::LecteurArrete), {}},
        {EtatLecteur::Enregistrement, {}, MessageEchecEnregistrement(false, "TF1", "/rec/a.mpg", V::LecteurArrete)},
        {EtatLecteur::Differe, {}, MessageEchecDiffere("TF1", "/rec/a.mpg", V::LecteurArrete)},
        {EtatLecteur::Pause, {}, MessageEchecDiffere("TF1", "/rec/a.mpg", V::LecteurArrete)},
        // Watching alone records nothing: the watch is not looked at.
        {EtatLecteur::Lecture, {}, {}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(valeur(c.etat));
        BancLecture b(c.etat);
        const RapportEnregistreur r = b.regarder();
        EXPECT_EQ(r.echecProgramme, c.programme);
        EXPECT_EQ(r.echecManuel, c.manuel);
        EXPECT_EQ(b.session.surveillance.active(), c.etat == EtatLecteur::Lecture) << "a failure ends the watch";
    }
}

TEST(LectureHorloge, ARunningRecorderWithAGrowingFileSaysNothing)
{
    BancLecture b(EtatLecteur::Programme);
    b.lecteurs.actifs[RoleLecteur::Enregistreur] = true;
    b.disque.tailles["/rec/a.mpg"] = 1000;
    const RapportEnregistreur r = b.regarder();
    EXPECT_FALSE(r.echecProgramme);
    EXPECT_FALSE(r.echecManuel);
    EXPECT_TRUE(b.session.surveillance.active());
}

TEST(LectureHorloge, TheEntryReadsTheFileSizeAndTakesTheShutdownOnlyWithoutAProgramAfter)
{
    BancLecture b(EtatLecteur::Programme);
    b.session.Extinction = true;
    b.session.FinEnregistrement = b.horloge.ecouleValeur + 5000;
    EntreeHorloge e = lireEntreeHorloge(b.session, b.plateforme, b.horloge.maintenantValeur);
    EXPECT_TRUE(e.extinction);
    EXPECT_EQ(e.tailleFichier, -1) << "no scheduled file yet";
    EXPECT_EQ(e.resteEnregistrementMs, 5000);

    b.session.parametres.p.AUTR = true;
    b.session.FichierEnregistre = "/rec/b.mpg";
    b.disque.tailles["/rec/b.mpg"] = 42;
    e = lireEntreeHorloge(b.session, b.plateforme, b.horloge.maintenantValeur);
    EXPECT_FALSE(e.extinction);
    EXPECT_TRUE(e.programmeApres);
    EXPECT_EQ(e.tailleFichier, 42);
}
