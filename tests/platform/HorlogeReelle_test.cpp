#include "platform/reel/PlateformeReelle.h"
#include "support/Attente.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

TEST(HorlogeReelle, StepsRunLaterFromTheEventLoopInTheOrderTheyFallDue)
{
    HorlogeReelle horloge;
    std::vector<int> ordre;
    QElapsedTimer chrono;
    chrono.start();
    qint64 tardive = -1;
    horloge.apres(300, Suite<>([&] {
        ordre.push_back(300);
        tardive = chrono.elapsed();
    }));
    horloge.apres(0, Suite<>([&] { ordre.push_back(0); }));
    horloge.apres(-5, Suite<>([&] { ordre.push_back(-5); }));
    horloge.apres(100, Suite<>([&] { ordre.push_back(100); }));
    EXPECT_TRUE(ordre.empty()) << "a step ran inside the call that asked for it";

    ASSERT_TRUE(attendreQue([&] { return ordre.size() == 4; }, 3000));
    EXPECT_EQ(ordre, (std::vector<int>{0, -5, 100, 300}));
    EXPECT_GE(tardive, 280);  // coarse timers may fire 5 % early
    EXPECT_LT(tardive, 1500);
}

TEST(HorlogeReelle, StepsOfAGoneClockOrOfAGoneReceiverAreDropped)
{
    int faites = 0;
    {
        HorlogeReelle horloge;
        horloge.apres(50, Suite<>([&] { ++faites; }));
    }
    HorlogeReelle horloge;
    auto recepteur = std::make_unique<QObject>();
    horloge.apres(50, Suite<>(recepteur.get(), [&] { faites += 10; }));
    recepteur.reset();
    bool temoin = false;
    horloge.apres(200, Suite<>([&] { temoin = true; }));
    ASSERT_TRUE(attendreQue([&] { return temoin; }, 3000));
    EXPECT_EQ(faites, 0);
}

TEST(HorlogeReelle, TheElapsedReadingFollowsRealTimeAndNeverGoesBack)
{
    HorlogeReelle horloge;
    QElapsedTimer chrono;
    chrono.start();
    const qint64 debut = horloge.ecouleMs();
    const qint64 apresDebut = chrono.elapsed();
    qint64 precedente = debut;
    bool recule = false;
    attendreQue([&] {
        const qint64 e = horloge.ecouleMs();
        recule = recule || e < precedente;
        precedente = e;
        return chrono.elapsed() >= 300;
    }, 3000);
    // Each reading of the clock is framed by two of the reference, so that a pause of the
    // thread between two readings widens the frame instead of failing the test; 2 ms for
    // the rounding of four readings to whole milliseconds.
    const qint64 avantFin = chrono.elapsed();
    const qint64 ecoule = horloge.ecouleMs() - debut;
    const qint64 apresFin = chrono.elapsed();
    EXPECT_FALSE(recule);
    EXPECT_GE(ecoule, avantFin - apresDebut - 2);
    EXPECT_LE(ecoule, apresFin + 2);
}
