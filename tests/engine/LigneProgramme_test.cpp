#include "engine/LigneProgramme.h"

#include <gtest/gtest.h>

namespace {

LigneProgramme lire(const QString& t)
{
    const auto l = LigneProgramme::depuisTexte(t);
    EXPECT_TRUE(l.has_value()) << t.toStdString();
    return l.value_or(LigneProgramme{});
}

}  // namespace

TEST(LigneProgramme, TextHasTheFixedColumns)
{
    LigneProgramme l{u'A', QDate(2026, 12, 9), QTime(20, 50), QTime(22, 40), "France 2", u'1'};
    EXPECT_EQ(l.texte(), "[A] 09/12/2026 20:50 - 22:40 > France 2 (1)");
    l.marqueur = u'E';
    l.frequence = u'M';
    l.date = QDate(2027, 1, 3);
    l.debut = QTime(0, 5);
    EXPECT_EQ(l.texte(), "[E] 03/01/2027 00:05 - 22:40 > France 2 (M)");
}

TEST(LigneProgramme, ReadsBackWhatItWritesWhateverTheChannelName)
{
    for (const QString& nom : {QString("France 2"), QString("Ça > (L) - 20:00"), QString(""),
                              QString("Télé 100%2 (Q)")}) {
        for (const QChar f : {u'1', u'Q', u'L', u'H', u'M'}) {
            const LigneProgramme l{u'S', QDate(2028, 2, 29), QTime(23, 59), QTime(0, 0), nom, f};
            const auto relue = LigneProgramme::depuisTexte(l.texte());
            ASSERT_TRUE(relue.has_value()) << l.texte().toStdString();
            EXPECT_EQ(*relue, l);
        }
    }
}

TEST(LigneProgramme, MalformedTextsAreRefused)
{
    for (const char* t : {"",
                          "[A] 09/12/2026 20:50 - 22:40 > (1",        // too short for a suffix
                          "[A] 31/02/2026 20:50 - 22:40 > TF1 (1)",   // no such day
                          "[A] 9/12/2026  20:50 - 22:40 > TF1 (1)",   // one-digit day
                          "[A] 09/12/2026 24:00 - 22:40 > TF1 (1)",   // no such hour
                          "[A] 09/12/2026 20:50 - 22:4a > TF1 (1)",
                          "[A] 09/12/2026 20:50 - 22:40 > TF1 (W)",   // unknown frequency
                          "[B] 09/12/2026 20:50 - 22:40 > TF1 (1)",   // unknown marker
                          "[A] 09/12/2026 20:50 + 22:40 > TF1 (1)",
                          "[A] 09/12/2026 20:50 - 22:40 > TF1 (1"}) {
        EXPECT_FALSE(LigneProgramme::depuisTexte(QString::fromUtf8(t)).has_value()) << t;
    }
}

TEST(LigneProgramme, EndIsOnTheNextDayUnlessAfterTheStart)
{
    const LigneProgramme soir = lire("[A] 31/12/2026 20:50 - 22:40 > TF1 (1)");
    EXPECT_EQ(soir.dateFin(), QDate(2026, 12, 31));
    EXPECT_EQ(soir.minuteFin() - soir.minuteDebut(), 110);

    const LigneProgramme nuit = lire("[A] 31/12/2026 23:30 - 01:00 > TF1 (1)");
    EXPECT_EQ(nuit.dateFin(), QDate(2027, 1, 1));
    EXPECT_EQ(nuit.minuteFin() - nuit.minuteDebut(), 90);

    const LigneProgramme journee = lire("[A] 28/02/2028 20:00 - 20:00 > TF1 (Q)");
    EXPECT_EQ(journee.dateFin(), QDate(2028, 2, 29));
    EXPECT_EQ(journee.minuteFin() - journee.minuteDebut(), 1440);
}

TEST(LigneProgramme, TouchingEntriesOverlap)
{
    const LigneProgramme a = lire("[A] 09/12/2026 20:00 - 21:00 > TF1 (1)");
    EXPECT_TRUE(a.chevauche(lire("[A] 09/12/2026 21:00 - 22:00 > M6 (1)")));
    EXPECT_TRUE(lire("[A] 09/12/2026 21:00 - 22:00 > M6 (1)").chevauche(a));
    EXPECT_FALSE(a.chevauche(lire("[A] 09/12/2026 21:01 - 22:00 > M6 (1)")));
    // an overnight entry reaches into the next morning
    EXPECT_TRUE(lire("[A] 09/12/2026 23:00 - 06:00 > TF1 (1)")
                    .chevauche(lire("[A] 10/12/2026 05:59 - 07:00 > M6 (1)")));
}

TEST(ProchaineDate, DailyWeeklyAndUnknown)
{
    EXPECT_EQ(ProchaineDate(QDate(2026, 12, 31), u'Q'), QDate(2027, 1, 1));
    EXPECT_EQ(ProchaineDate(QDate(2028, 2, 28), u'Q'), QDate(2028, 2, 29));
    EXPECT_EQ(ProchaineDate(QDate(2026, 12, 28), u'H'), QDate(2027, 1, 4));
    EXPECT_FALSE(ProchaineDate(QDate(2026, 12, 28), u'1').isValid());
    EXPECT_FALSE(ProchaineDate(QDate(2026, 12, 28), u'X').isValid());
}

TEST(ProchaineDate, MondayToFridayNeverGivesAWeekend)
{
    // Monday 7 December 2026 to Sunday 13 December
    EXPECT_EQ(ProchaineDate(QDate(2026, 12, 7), u'L'), QDate(2026, 12, 8));
    EXPECT_EQ(ProchaineDate(QDate(2026, 12, 11), u'L'), QDate(2026, 12, 14));  // Friday -> Monday
    EXPECT_EQ(ProchaineDate(QDate(2026, 12, 12), u'L'), QDate(2026, 12, 14));  // Saturday -> Monday
    EXPECT_EQ(ProchaineDate(QDate(2026, 12, 13), u'L'), QDate(2026, 12, 14));  // Sunday -> Monday
    QDate d(2026, 1, 1);
    for (int i = 0; i < 400; ++i) {
        d = ProchaineDate(d, u'L');
        ASSERT_LT(d.dayOfWeek(), Qt::Saturday) << d.toString().toStdString();
    }
    EXPECT_EQ(JourOuvrable(QDate(2026, 12, 12)), QDate(2026, 12, 14));
    EXPECT_EQ(JourOuvrable(QDate(2026, 12, 13)), QDate(2026, 12, 14));
    EXPECT_EQ(JourOuvrable(QDate(2026, 12, 11)), QDate(2026, 12, 11));
}

TEST(ProchaineDate, MonthlyTakesTheMonthsLastDayAndKeepsIt)
{
    QDate d(2027, 1, 31);
    d = ProchaineDate(d, u'M');
    EXPECT_EQ(d, QDate(2027, 2, 28));
    d = ProchaineDate(d, u'M');
    EXPECT_EQ(d, QDate(2027, 3, 28));

    EXPECT_EQ(ProchaineDate(QDate(2028, 1, 31), u'M'), QDate(2028, 2, 29));  // leap year
    EXPECT_EQ(ProchaineDate(QDate(2028, 2, 29), u'M'), QDate(2028, 3, 29));
    EXPECT_EQ(ProchaineDate(QDate(2026, 5, 31), u'M'), QDate(2026, 6, 30));
    EXPECT_EQ(ProchaineDate(QDate(2026, 12, 31), u'M'), QDate(2027, 1, 31));
}

TEST(DerniereOccurrence, GivesWhatTheWalkOfProchaineDateGives)
{
    // Starts on every day of the week, on the 28th to the 31st, on 29 February, in year 1;
    // limits from before the start to more than three years after it.
    const QDate debuts[] = {QDate(2026, 12, 7),  QDate(2026, 12, 11), QDate(2026, 12, 12), QDate(2026, 12, 13),
                            QDate(2027, 1, 31),  QDate(2027, 1, 30),  QDate(2026, 1, 29),  QDate(2027, 3, 28),
                            QDate(2028, 2, 29),  QDate(2027, 12, 31), QDate(1, 1, 1),      QDate(1, 1, 31),
                            QDate(1, 1, 6)};
    for (const char f : {'Q', 'L', 'H', 'M'}) {
        for (const QDate& debut : debuts) {
            // The walk: the last date of the series not after each limit, one limit a day.
            QDate derniere = debut;
            QDate suivante = ProchaineDate(debut, QLatin1Char(f));
            for (QDate limite = debut.addDays(-3); limite < debut.addDays(1200); limite = limite.addDays(1)) {
                while (suivante <= limite) {
                    derniere = suivante;
                    suivante = ProchaineDate(suivante, QLatin1Char(f));
                }
                ASSERT_EQ(DerniereOccurrence(debut, QLatin1Char(f), limite), derniere)
                    << f << " from " << debut.toString(Qt::ISODate).toStdString() << " to "
                    << limite.toString(Qt::ISODate).toStdString();
            }
        }
    }
    // A one-off entry has no series.
    EXPECT_EQ(DerniereOccurrence(QDate(1, 1, 1), u'1', QDate(2026, 12, 9)), QDate(1, 1, 1));
}

TEST(TempsCivil, MinutesIgnoreSecondsAndCrossDays)
{
    EXPECT_EQ(MinuteCivile(QDate(2026, 12, 10), QTime(0, 0)) - MinuteCivile(QDate(2026, 12, 9), QTime(23, 59, 59)), 1);
    EXPECT_EQ(SecondeCivile(QDate(2026, 12, 10), QTime(0, 0)) - SecondeCivile(QDate(2026, 12, 9), QTime(23, 59, 59)), 1);
    // the night DST starts in Paris still counts 60 wall-clock minutes from 02:00 to 03:00
    EXPECT_EQ(MinuteCivile(QDate(2026, 3, 29), QTime(3, 0)) - MinuteCivile(QDate(2026, 3, 29), QTime(2, 0)), 60);
}

TEST(Frequence, LettersAndIndexes)
{
    EXPECT_EQ(IndexFrequence(u'1'), 0);
    EXPECT_EQ(IndexFrequence(u'M'), 4);
    EXPECT_EQ(IndexFrequence(u'q'), -1);
    EXPECT_EQ(LettreFrequence(2), QChar(u'L'));
    EXPECT_TRUE(LettreFrequence(5).isNull());
    EXPECT_TRUE(LettreFrequence(-1).isNull());
}
