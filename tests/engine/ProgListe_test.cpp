#include "support/ListeProgrammes.h"
#include "engine/DecisionsHorloge.h"
#include "engine/ProgListe.h"
#include "support/Doubles.h"

#include <gtest/gtest.h>

#include <random>

namespace {

const QString Empiete = "Ce programme empiète sur une autre programmation.";
const QString FusionPrecedente =
    "Ce programme empiète avec la programmation de l'émission précédente\n"
    "sur la même chaîne. Souhaitez-vous fusionner les 2 programmes ?";
const QString FusionSuivante =
    "Ce programme empiète avec la programmation de l'émission suivante\n"
    "sur la même chaîne. Souhaitez-vous fusionner les 2 programmes ?";

// Wednesday 9 December 2026, 18:00.
const QDateTime Maintenant(QDate(2026, 12, 9), QTime(18, 0));

ValeursEditeur valeurs(const QDate& date, const char* debut, const char* fin, const QString& chaine = "France 2",
                       int frequence = 0)
{
    return {date, QTime::fromString(debut, "HH:mm"), QTime::fromString(fin, "HH:mm"), chaine, frequence};
}

ValeursEditeur ce_soir(const char* debut, const char* fin, const QString& chaine = "France 2", int frequence = 0)
{
    return valeurs(QDate(2026, 12, 9), debut, fin, chaine, frequence);
}


// Carries a change of the schedule over its questions as the controller does, the double
// answering each one.
template <typename F>
auto mener(FauxDialogues& d, F etape)
{
    Accord a;
    for (;;) {
        const auto e = etape(a);
        if (!e.aDemander)
            return e.resultat;
        bool oui = false;
        d.question(e.aDemander->question, Suite<bool>([&oui](bool r) { oui = r; }));
        if (!oui)
            return decltype(e.resultat){};
        a = *e.aDemander;
        a.acceptees << a.question;
    }
}

class Ajout : public ::testing::Test {
protected:
    ProgListe l;
    FauxDialogues d;

    ResultatAjout ajouter(const ValeursEditeur& v, bool demander = true, const QDateTime& maintenant = Maintenant)
    {
        return mener(d, [&](const Accord& a) { return l.AjouterProgramme(v, demander, maintenant, d, a); });
    }
};

}  // namespace

TEST_F(Ajout, InteractiveAddInsertsSelectsAndAsksForSaveAndTick)
{
    const ResultatAjout r = ajouter(ce_soir("20:50", "22:40"));
    EXPECT_TRUE(r.ajoute);
    EXPECT_TRUE(r.enregistrerPuisHorloge);
    EXPECT_EQ(l.textes(), QStringList{"[A] 09/12/2026 20:50 - 22:40 > France 2 (1)"});
    EXPECT_EQ(l.selection(), 0);
    EXPECT_TRUE(d.messages.empty());

    const ResultatAjout silencieux = ajouter(ce_soir("18:30", "19:00", "TF1", 3), false);
    EXPECT_TRUE(silencieux.ajoute);
    EXPECT_FALSE(silencieux.enregistrerPuisHorloge);
    EXPECT_EQ(l.textes(), (QStringList{"[A] 09/12/2026 18:30 - 19:00 > TF1 (H)",
                                       "[A] 09/12/2026 20:50 - 22:40 > France 2 (1)"}));
    EXPECT_EQ(l.selection(), 0);
}

TEST_F(Ajout, KeepsStartOrderAndDropsSeconds)
{
    ajouter(ce_soir("22:00", "22:30", "A"));
    ajouter(ce_soir("20:00", "20:30", "B"));
    ajouter({QDate(2026, 12, 9), QTime(21, 0, 59), QTime(21, 30, 10), "C", 0});
    EXPECT_EQ(l.textes(), (QStringList{"[A] 09/12/2026 20:00 - 20:30 > B (1)", "[A] 09/12/2026 21:00 - 21:30 > C (1)",
                                       "[A] 09/12/2026 22:00 - 22:30 > A (1)"}));
    EXPECT_EQ(l.selection(), 1);
}

TEST_F(Ajout, IdenticalTimesAreRefusedByTheEditor)
{
    EXPECT_FALSE(ajouter(ce_soir("20:50", "20:50")).ajoute);
    ASSERT_EQ(d.messages.size(), 1u);
    EXPECT_EQ(d.messages[0], (Message{Message::Information, "L'heure de début et l'heure de fin sont identiques."}));
    EXPECT_EQ(l.nombre(), 0);
}

TEST_F(Ajout, StoredEntryWithIdenticalTimesReloadsSilentlyAsAWholeDay)
{
    EXPECT_TRUE(ajouter(ce_soir("20:50", "20:50"), false).ajoute);
    EXPECT_TRUE(d.messages.empty());
    ASSERT_EQ(l.textes(), QStringList{"[A] 09/12/2026 20:50 - 20:50 > France 2 (1)"});
    EXPECT_EQ(l.ligne(0).minuteFin() - l.ligne(0).minuteDebut(), 1440);
    // the whole day is covered
    EXPECT_FALSE(ajouter(valeurs(QDate(2026, 12, 10), "20:00", "20:30", "TF1")).ajoute);
    EXPECT_EQ(d.textes(), QStringList{Empiete});
}

TEST_F(Ajout, MergeOfExactlyADayReloadsAsADay)
{
    ajouter(ce_soir("20:00", "08:00"));
    d.reponses = {true};
    ASSERT_TRUE(ajouter(valeurs(QDate(2026, 12, 10), "08:00", "20:00")).ajoute);
    const QStringList stockees = l.textes();
    ASSERT_EQ(stockees, QStringList{"[A] 09/12/2026 20:00 - 20:00 > France 2 (1)"});

    ProgListe rechargee;
    for (const QString& t : stockees)
        rechargee.AjouterProgramme(ValeursEditeur::De(*LigneProgramme::depuisTexte(t)), false, Maintenant, d);
    EXPECT_EQ(rechargee.textes(), stockees);
    EXPECT_EQ(rechargee.ligne(0).minuteFin() - rechargee.ligne(0).minuteDebut(), 1440);
    EXPECT_EQ(d.messages.size(), 1u);  // the merge question only
}

TEST_F(Ajout, InvalidFrequencyOrDateIsRefusedSilently)
{
    EXPECT_FALSE(ajouter(ce_soir("20:00", "21:00", "TF1", 5)).ajoute);
    EXPECT_FALSE(ajouter(ce_soir("20:00", "21:00", "TF1", -1)).ajoute);
    EXPECT_FALSE(ajouter(valeurs(QDate(), "20:00", "21:00")).ajoute);
    EXPECT_TRUE(d.messages.empty());
    EXPECT_EQ(l.nombre(), 0);
}

TEST_F(Ajout, OvernightEntryEndsNextDayButShowsOnlyTheTime)
{
    ASSERT_TRUE(ajouter(ce_soir("23:30", "01:15")).ajoute);
    EXPECT_EQ(l.textes(), QStringList{"[A] 09/12/2026 23:30 - 01:15 > France 2 (1)"});
    EXPECT_EQ(l.ligne(0).dateFin(), QDate(2026, 12, 10));
    // the next morning is covered by it
    EXPECT_FALSE(ajouter(valeurs(QDate(2026, 12, 10), "01:00", "02:00", "TF1")).ajoute);
    EXPECT_EQ(d.textes(), QStringList{Empiete});
    // started yesterday evening, ends in a minute: still to come, kept as it is
    EXPECT_TRUE(ajouter(valeurs(QDate(2026, 12, 8), "23:00", "18:01", "M6")).ajoute);
    EXPECT_EQ(l.ligne(0).texte(), "[A] 08/12/2026 23:00 - 18:01 > M6 (1)");
}

TEST_F(Ajout, MondayToFridayEntryOnAWeekendMovesToMonday)
{
    ajouter(valeurs(QDate(2026, 12, 12), "23:00", "00:30", "TF1", 2));  // Saturday
    ajouter(valeurs(QDate(2026, 12, 20), "20:00", "21:00", "TF1", 2));  // Sunday
    ajouter(valeurs(QDate(2026, 12, 13), "20:00", "21:00", "M6", 0));   // one-off stays on Sunday
    EXPECT_EQ(l.textes(), (QStringList{"[A] 13/12/2026 20:00 - 21:00 > M6 (1)",
                                       "[A] 14/12/2026 23:00 - 00:30 > TF1 (L)",
                                       "[A] 21/12/2026 20:00 - 21:00 > TF1 (L)"}));
}

TEST_F(Ajout, PassedOneOffIsRefusedInteractivelyAndDroppedSilently)
{
    EXPECT_FALSE(ajouter(ce_soir("17:00", "18:00")).ajoute);
    EXPECT_EQ(d.messages, (std::vector<Message>{{Message::Information, "La fin du programme est déjà passée."}}));
    d.messages.clear();
    EXPECT_FALSE(ajouter(ce_soir("17:00", "18:00"), false).ajoute);
    EXPECT_TRUE(d.messages.empty());
    EXPECT_EQ(l.nombre(), 0);
    // seconds of now are ignored: at 18:00:59 an entry ending at 18:01 is still to come
    EXPECT_TRUE(ajouter(ce_soir("17:00", "18:01"), true, QDateTime(QDate(2026, 12, 9), QTime(18, 0, 59))).ajoute);
}

TEST_F(Ajout, PassedRecurrentEntriesMoveToTheirFirstOccurrenceToCome)
{
    // weekly from three weeks ago, ended: next Wednesday is 9/12 at 17:00-18:00, passed too -> 16/12
    ajouter(valeurs(QDate(2026, 11, 18), "17:00", "18:00", "Arte", 3), false);
    // daily, started before now but not ended: kept as it is
    ajouter(valeurs(QDate(2026, 12, 9), "17:30", "18:30", "TF1", 1), false);
    // Monday-Friday from last Friday: Monday 7, Tuesday 8 passed, Wednesday 9 at 07:00 passed -> Thursday
    ajouter(valeurs(QDate(2026, 12, 4), "07:00", "08:00", "M6", 2), false);
    // monthly from the 31st of August: 30/09, 30/10, 30/11 passed -> 30/12
    ajouter(valeurs(QDate(2026, 8, 31), "12:00", "13:00", "W9", 4), false);
    EXPECT_EQ(l.textes(), (QStringList{"[A] 09/12/2026 17:30 - 18:30 > TF1 (Q)",
                                       "[A] 10/12/2026 07:00 - 08:00 > M6 (L)",
                                       "[A] 16/12/2026 17:00 - 18:00 > Arte (H)",
                                       "[A] 30/12/2026 12:00 - 13:00 > W9 (M)"}));
    EXPECT_TRUE(d.messages.empty());
}

namespace {

// The first occurrence still to come, found as the add used to: one occurrence at a time.
QString parLaMarche(ValeursEditeur v, const QDateTime& maintenant)
{
    LigneProgramme n{u'A', v.date, v.debut, v.fin, v.chaine, LettreFrequence(v.frequence)};
    if (n.frequence == u'L')
        n.date = JourOuvrable(n.date);
    while (MinuteCivile(maintenant.date(), maintenant.time()) >= n.minuteFin())
        n.date = ProchaineDate(n.date, n.frequence);
    return n.texte();
}

}  // namespace

TEST_F(Ajout, YearOneEntriesOfEachFrequencyMoveWhereTheWalkTakesThem)
{
    const ValeursEditeur entrees[] = {
        valeurs(QDate(1, 1, 1), "20:00", "21:00", "France 2", 1),  // a Monday
        valeurs(QDate(1, 1, 1), "20:00", "21:00", "France 2", 2),
        valeurs(QDate(1, 1, 6), "23:30", "00:30", "France 2", 2),  // a Saturday, overnight
        valeurs(QDate(1, 1, 1), "20:00", "21:00", "France 2", 3),
        valeurs(QDate(1, 1, 1), "20:00", "21:00", "France 2", 4),
        valeurs(QDate(1, 1, 31), "20:00", "21:00", "France 2", 4),
        valeurs(QDate(1, 3, 30), "23:00", "01:00", "France 2", 4),
    };
    const QDateTime dates[] = {
        Maintenant,                                   // Wednesday, before the entries' start
        QDateTime(QDate(2026, 12, 12), QTime(23, 0)),  // a Saturday night
        QDateTime(QDate(2026, 12, 31), QTime(21, 0)),  // at the very minute of an end
        QDateTime(QDate(2028, 2, 29), QTime(20, 30)),  // during an occurrence, in a leap February
        QDateTime(QDate(2027, 3, 1), QTime(0, 15)),    // during an overnight occurrence
    };
    for (const QDateTime& maintenant : dates)
        for (const ValeursEditeur& v : entrees) {
            l = ProgListe();
            ASSERT_TRUE(ajouter(v, false, maintenant).ajoute);
            EXPECT_EQ(l.textes(), QStringList{parLaMarche(v, maintenant)})
                << maintenant.toString(Qt::ISODate).toStdString() << " " << v.frequence;
        }
    // A few of them, spelt out.
    l = ProgListe();
    ajouter(entrees[0], false);
    ajouter(valeurs(QDate(1, 1, 1), "08:00", "09:00", "TF1", 3), false);
    ajouter(valeurs(QDate(1, 1, 31), "12:00", "13:00", "Arte", 4), false);
    EXPECT_EQ(l.textes(), (QStringList{"[A] 09/12/2026 20:00 - 21:00 > France 2 (Q)",
                                       "[A] 14/12/2026 08:00 - 09:00 > TF1 (H)",
                                       "[A] 28/12/2026 12:00 - 13:00 > Arte (M)"}));
    EXPECT_TRUE(d.messages.empty());
}

TEST_F(Ajout, TwoThousandYearOneLinesReloadToTheirOccurrencesToCome)
{
    // The crafted line, 2,000 times, as start-up re-adds stored lines.
    const auto ligne = LigneProgramme::depuisTexte("[A] 01/01/0001 20:00 - 21:00 > France 2 (Q)");
    ASSERT_TRUE(ligne.has_value());
    for (int i = 0; i < 2000; ++i)
        ajouter(ValeursEditeur::De(*ligne), false);
    EXPECT_EQ(l.textes(), QStringList{"[A] 09/12/2026 20:00 - 21:00 > France 2 (Q)"});

    // 2,000 lines of the four frequencies on 500 channels, on the 1st to the 28th of January of
    // year 1, each hour of a day: they end as the same lines started in November 2026 on the
    // same series (same weekday for a weekly one, same day for a monthly one) would.
    l = ProgListe();
    ProgListe recente;
    const QDate lundi(2026, 11, 2);
    ASSERT_EQ(lundi.dayOfWeek(), Qt::Monday);
    for (int i = 0; i < 2000; ++i) {
        const int jour = i % 28 + 1, frequence = 1 + i % 4;
        const QDate memeSerie = frequence == 3 ? lundi.addDays((jour - 1) % 7)
                                : frequence == 4 ? QDate(2026, 11, jour)
                                                 : lundi;
        const QTime debut(i % 24, 0);
        const QString chaine = QString("Chaîne %1").arg(i % 500);
        ajouter({QDate(1, 1, jour), debut, debut.addSecs(1800), chaine, frequence}, false);
        recente.AjouterProgramme({memeSerie, debut, debut.addSecs(1800), chaine, frequence}, false, Maintenant, d);
    }
    EXPECT_GT(l.nombre(), 20);
    EXPECT_EQ(l.textes(), recente.textes());
    EXPECT_TRUE(d.messages.empty());
}

TEST_F(Ajout, TouchingPreviousEntryOfSameChannelMergesOtherChannelRefuses)
{
    ajouter(ce_soir("20:00", "21:00"));
    EXPECT_FALSE(ajouter(ce_soir("21:00", "22:00", "TF1")).ajoute);
    EXPECT_FALSE(ajouter(ce_soir("21:00", "22:00", "France 2", 1)).ajoute);  // other frequency
    EXPECT_EQ(d.textes(), (QStringList{Empiete, Empiete}));
    d.messages.clear();

    d.reponses = {false};
    EXPECT_FALSE(ajouter(ce_soir("21:00", "22:00")).ajoute);
    EXPECT_EQ(d.messages, (std::vector<Message>{{Message::Question, FusionPrecedente}}));
    EXPECT_EQ(l.textes(), QStringList{"[A] 09/12/2026 20:00 - 21:00 > France 2 (1)"});

    d.reponses = {true};
    EXPECT_TRUE(ajouter(ce_soir("21:00", "22:00")).ajoute);
    EXPECT_EQ(l.textes(), QStringList{"[A] 09/12/2026 20:00 - 22:00 > France 2 (1)"});
    EXPECT_EQ(l.selection(), 0);
}

TEST_F(Ajout, MergeWithNextKeepsNewStartAndNextEnd)
{
    ajouter(ce_soir("21:00", "23:00"));
    d.reponses = {true};
    EXPECT_TRUE(ajouter(ce_soir("20:00", "21:00")).ajoute);
    EXPECT_EQ(d.messages, (std::vector<Message>{{Message::Question, FusionSuivante}}));
    EXPECT_EQ(l.textes(), QStringList{"[A] 09/12/2026 20:00 - 23:00 > France 2 (1)"});
}

TEST_F(Ajout, MergesKeepTheUnionWhenOneContainsTheOther)
{
    ajouter(ce_soir("20:00", "23:00"));
    d.reponses = {true};
    ajouter(ce_soir("21:00", "22:00"));  // inside the previous one
    EXPECT_EQ(l.textes(), QStringList{"[A] 09/12/2026 20:00 - 23:00 > France 2 (1)"});

    ajouter(ce_soir("23:30", "23:45", "TF1"));
    d.reponses = {true};
    ajouter(ce_soir("23:10", "01:00", "TF1"));  // holds the next one
    EXPECT_EQ(l.textes(), (QStringList{"[A] 09/12/2026 20:00 - 23:00 > France 2 (1)",
                                       "[A] 09/12/2026 23:10 - 01:00 > TF1 (1)"}));
}

TEST_F(Ajout, OneAddCanMergeThreeEntriesIntoOne)
{
    ajouter(ce_soir("19:00", "20:00"));
    ajouter(ce_soir("21:00", "22:00"));
    d.reponses = {true, true};
    EXPECT_TRUE(ajouter(ce_soir("19:30", "21:00")).ajoute);
    EXPECT_EQ(d.textes(), (QStringList{FusionPrecedente, FusionSuivante}));
    EXPECT_EQ(l.textes(), QStringList{"[A] 09/12/2026 19:00 - 22:00 > France 2 (1)"});
}

TEST_F(Ajout, AcceptedFirstMergeIsUndoneWhenTheNextNeighbourRefuses)
{
    ajouter(ce_soir("19:00", "20:00"));
    ajouter(ce_soir("21:00", "22:00", "TF1"));
    const QStringList avant = l.textes();
    d.reponses = {true};
    EXPECT_FALSE(ajouter(ce_soir("19:30", "21:00")).ajoute);
    EXPECT_EQ(d.textes(), (QStringList{FusionPrecedente, Empiete}));
    EXPECT_EQ(l.textes(), avant);

    // No to the second question leaves everything too
    ajouter(ce_soir("22:30", "23:00", "TF1"));
    const QStringList avant2 = l.textes();
    d.messages.clear();
    d.reponses = {true, false};
    EXPECT_FALSE(ajouter(ce_soir("21:30", "22:30", "TF1")).ajoute);
    EXPECT_EQ(d.messages.size(), 2u);
    EXPECT_EQ(l.textes(), avant2);
}

TEST_F(Ajout, SilentReAddMergesTwoIdenticalLinesWithoutAQuestion)
{
    ajouter(ce_soir("20:00", "21:00"), false);
    EXPECT_TRUE(ajouter(ce_soir("20:00", "21:00"), false).ajoute);
    EXPECT_FALSE(ajouter(ce_soir("20:30", "21:30", "TF1"), false).ajoute);
    EXPECT_TRUE(d.messages.empty());
    EXPECT_EQ(l.textes(), QStringList{"[A] 09/12/2026 20:00 - 21:00 > France 2 (1)"});
}

TEST_F(Ajout, MergeLongerThanADayIsRefused)
{
    ajouter(ce_soir("20:00", "19:00"));  // 23 hours
    d.reponses = {true};
    EXPECT_FALSE(ajouter(valeurs(QDate(2026, 12, 10), "18:00", "21:00")).ajoute);
    EXPECT_EQ(d.messages.back(), (Message{Message::Information,
                                          "Les programmes fusionnés dureraient plus de 24 heures.\n"
                                          "Ce programme ne peut pas être ajouté."}));
    EXPECT_EQ(l.textes(), QStringList{"[A] 09/12/2026 20:00 - 19:00 > France 2 (1)"});
    // exactly a day is still one entry
    d.reponses = {true};
    EXPECT_TRUE(ajouter(valeurs(QDate(2026, 12, 10), "18:00", "20:00")).ajoute);
    EXPECT_EQ(l.textes(), QStringList{"[A] 09/12/2026 20:00 - 20:00 > France 2 (1)"});
}

TEST_F(Ajout, MergingANewEntryMergesEveryEntryItTouches)
{
    ajouter(ce_soir("21:00", "21:10"));
    ajouter(ce_soir("21:20", "21:30"));
    ajouter(ce_soir("23:00", "23:30", "TF1"));
    d.reponses = {true};
    ASSERT_TRUE(ajouter(ce_soir("20:00", "22:00")).ajoute);
    EXPECT_EQ(d.textes(), QStringList{FusionSuivante});
    EXPECT_EQ(l.textes(), (QStringList{"[A] 09/12/2026 20:00 - 22:00 > France 2 (1)",
                                       "[A] 09/12/2026 23:00 - 23:30 > TF1 (1)"}));
    EXPECT_EQ(l.selection(), 0);
}

TEST_F(Ajout, EveryTouchedEntryOnBothSidesIsMergedAfterOneQuestionPerSide)
{
    ajouter(ce_soir("19:00", "20:00"));
    ajouter(ce_soir("21:00", "21:10"));
    ajouter(ce_soir("21:20", "21:30"));
    ajouter(ce_soir("21:40", "22:40"));
    ASSERT_EQ(l.nombre(), 4);
    d.reponses = {true, true};
    ASSERT_TRUE(ajouter(ce_soir("19:30", "21:45")).ajoute);
    EXPECT_EQ(d.textes(), (QStringList{FusionPrecedente, FusionSuivante}));
    EXPECT_EQ(l.textes(), QStringList{"[A] 09/12/2026 19:00 - 22:40 > France 2 (1)"});
}

TEST_F(Ajout, EntriesAlreadyOverlappingEachOtherAreMergedIntoTheNewOne)
{
    // the second is reached only through the first, whose start is earlier
    l = liste({"[A] 09/12/2026 19:00 - 20:30 > France 2 (1)", "[A] 09/12/2026 19:10 - 19:20 > France 2 (1)"});
    d.reponses = {true};
    ASSERT_TRUE(ajouter(ce_soir("20:25", "21:00")).ajoute);
    EXPECT_EQ(d.textes(), QStringList{FusionPrecedente});
    EXPECT_EQ(l.textes(), QStringList{"[A] 09/12/2026 19:00 - 21:00 > France 2 (1)"});
}

TEST_F(Ajout, AnyTouchedEntryOfAnotherChannelRefusesTheAddAndChangesNothing)
{
    ajouter(ce_soir("21:00", "21:10"));
    ajouter(ce_soir("21:20", "21:30", "TF1"));
    const QStringList avant = l.textes();
    EXPECT_FALSE(ajouter(ce_soir("20:00", "22:00")).ajoute);
    EXPECT_EQ(d.textes(), QStringList{Empiete});
    EXPECT_EQ(l.textes(), avant);

    d.messages.clear();
    EXPECT_FALSE(ajouter(ce_soir("20:00", "22:00"), false).ajoute);
    EXPECT_TRUE(d.messages.empty());
    EXPECT_EQ(l.textes(), avant);
}

TEST_F(Ajout, NoTwoEntriesEverOverlapAfterAnyAdd)
{
    std::mt19937 alea(9);
    const QString chaines[] = {"France 2", "TF1"};
    for (int n = 0; n < 400; ++n) {
        const QDate date = QDate(2026, 12, 9).addDays(static_cast<int>(alea() % 3));
        const QTime debut(static_cast<int>(alea() % 24), static_cast<int>(alea() % 12) * 5);
        const QTime fin = debut.addSecs(static_cast<int>(1 + alea() % 48) * 5 * 60);
        const int frequence = static_cast<int>(alea() % 2);
        d.reponses = {true, true};
        ajouter({date, debut, fin, chaines[alea() % 2], frequence}, alea() % 2 == 0);
        for (int i = 0; i + 1 < l.nombre(); ++i) {
            ASSERT_LE(l.ligne(i).minuteDebut(), l.ligne(i + 1).minuteDebut());
            for (int j = i + 1; j < l.nombre(); ++j)
                ASSERT_FALSE(l.ligne(i).chevauche(l.ligne(j)))
                    << l.ligne(i).texte().toStdString() << " / " << l.ligne(j).texte().toStdString();
        }
    }
}

TEST_F(Ajout, RunningEntryIsExtendedInPlaceNotStartedAgain)
{
    l = liste({"[E] 09/12/2026 17:00 - 19:00 > France 2 (1)", "[A] 09/12/2026 21:00 - 22:00 > TF1 (1)"});
    d.reponses = {true};
    ASSERT_TRUE(ajouter(ce_soir("18:30", "20:00")).ajoute);
    EXPECT_EQ(l.textes(), (QStringList{"[E] 09/12/2026 17:00 - 20:00 > France 2 (1)",
                                       "[A] 09/12/2026 21:00 - 22:00 > TF1 (1)"}));

    // the tick that follows an interactive add only follows the running recording
    EntreeHorloge e;
    e.maintenant = Maintenant;
    e.chaines = {"France 2", "TF1"};
    const auto actions = DeciderTicHorloge(l, e);
    ASSERT_EQ(actions.size(), 2u);
    EXPECT_EQ(actions[0].genre, ActionHorloge::SuivreProgramme);
    EXPECT_EQ(actions[0].texte, "0 Mo (-- 02:00)");

    // a new earlier start merged with a running next entry keeps it running too
    l = liste({"[E] 09/12/2026 17:30 - 19:00 > France 2 (1)"});
    d.reponses = {true};
    ASSERT_TRUE(ajouter(ce_soir("17:00", "18:15")).ajoute);
    EXPECT_EQ(l.textes(), QStringList{"[E] 09/12/2026 17:00 - 19:00 > France 2 (1)"});
}

TEST(ValeursEditeur, InitialValuesAndValuesOfAnEntry)
{
    EXPECT_EQ(ValeursEditeur::Initiales(QDateTime(QDate(2026, 12, 9), QTime(23, 10, 42)), "TF1"),
              (ValeursEditeur{QDate(2026, 12, 9), QTime(23, 10), QTime(1, 10), "TF1", 0}));
    const auto l = LigneProgramme::depuisTexte("[A] 14/12/2026 23:00 - 00:30 > Ça (L)");
    EXPECT_EQ(ValeursEditeur::De(*l), (ValeursEditeur{QDate(2026, 12, 14), QTime(23, 0), QTime(0, 30), "Ça", 2}));
}

TEST(BoutonsProgramme, FollowTheSelectedMarker)
{
    ProgListe l;
    EXPECT_EQ(l.ActualiserBoutonsProgramme(), BoutonsProgramme{});
    l = liste({"[A] 09/12/2026 19:00 - 20:00 > A (1)", "[E] 09/12/2026 20:00 - 21:00 > B (1)",
               "[X] 09/12/2026 21:00 - 22:00 > C (1)"});
    EXPECT_EQ(l.selection(), -1);
    EXPECT_EQ(l.ActualiserBoutonsProgramme(), (BoutonsProgramme{false, true, true, true, true}));
    EXPECT_EQ(l.selection(), 0);
    l.selectionner(1);
    EXPECT_EQ(l.boutons(), (BoutonsProgramme{true, false, true, true, true}));
    l.selectionner(2);
    EXPECT_EQ(l.boutons(), (BoutonsProgramme{false, false, true, true, true}));
}

TEST(Stopper, MarksTheSelectedRunningEntryAfterAYes)
{
    FauxDialogues d;
    ProgListe l = liste({"[A] 09/12/2026 19:00 - 20:00 > A (1)", "[E] 09/12/2026 20:00 - 21:00 > B (Q)"});
    l.selectionner(0);
    EXPECT_FALSE(mener(d, [&](const Accord& a) { return l.Stopper_Click(a); }));
    EXPECT_TRUE(d.messages.empty());
    l.selectionner(1);
    EXPECT_FALSE(mener(d, [&](const Accord& a) { return l.Stopper_Click(a); }));
    EXPECT_EQ(d.textes(), QStringList{"Souhaitez-vous réellement stopper cet enregistrement en cours ?"});
    EXPECT_EQ(l.ligne(1).marqueur, QChar(u'E'));
    d.reponses = {true};
    EXPECT_TRUE(mener(d, [&](const Accord& a) { return l.Stopper_Click(a); }));
    EXPECT_EQ(l.ligne(1).texte(), "[S] 09/12/2026 20:00 - 21:00 > B (Q)");
}

TEST(Modifier, GivesTheValuesBackAndRemovesTheEntry)
{
    const QString question =
        "Les paramètres de programmation vont être modifiés avec ceux du programme\n"
        "sélectionné et celui-ci va être supprimé de la liste. Modifiez-les puis n'oubliez pas\n"
        "de les valider en cliquant sur \"+\" pour recréer le programme modifié.\n\n"
        "Souhaitez-vous poursuivre et modifier ce programme ?";
    FauxDialogues d;
    ProgListe l = liste({"[E] 09/12/2026 19:00 - 20:00 > A (1)", "[A] 10/12/2026 23:00 - 00:30 > Ça 2 (M)"});
    l.selectionner(0);
    EXPECT_FALSE(mener(d, [&](const Accord& a) { return l.Modifier_Click(a); }).has_value());  // only a waiting entry
    l.selectionner(1);
    EXPECT_FALSE(mener(d, [&](const Accord& a) { return l.Modifier_Click(a); }).has_value());
    EXPECT_EQ(d.messages, (std::vector<Message>{{Message::Question, question}}));
    EXPECT_EQ(l.nombre(), 2);
    d.reponses = {true};
    const auto v = mener(d, [&](const Accord& a) { return l.Modifier_Click(a); });
    ASSERT_TRUE(v.has_value());
    EXPECT_EQ(*v, (ValeursEditeur{QDate(2026, 12, 10), QTime(23, 0), QTime(0, 30), "Ça 2", 4}));
    EXPECT_EQ(l.textes(), QStringList{"[E] 09/12/2026 19:00 - 20:00 > A (1)"});
    EXPECT_EQ(l.selection(), 0);
}

TEST(SupprimerSelection, AsksByKindOfEntry)
{
    const QString enCours = "Cet enregistrement programmé est en cours.\n"
                            "Souhaitez-vous réellement le stopper et le supprimer ?";
    const QString recurrent = "Cet enregistrement programmé est récurrent.\n"
                              "Souhaitez-vous réellement le supprimer ?";
    const QString unique = "Souhaitez-vous réellement supprimer cet enregistrement ?";
    FauxDialogues d;
    ProgListe l = liste({"[E] 09/12/2026 19:00 - 20:00 > A (1)", "[X] 09/12/2026 20:00 - 21:00 > B (H)",
                         "[X] 09/12/2026 21:00 - 22:00 > C (1)", "[A] 09/12/2026 22:00 - 23:00 > D (1)"});

    l.selectionner(0);
    EXPECT_EQ(mener(d, [&](const Accord& a) { return l.SupprimerSelection_Click(a); }).supprime, false);
    d.reponses = {true};
    const ResultatSuppression r = mener(d, [&](const Accord& a) { return l.SupprimerSelection_Click(a); });
    EXPECT_TRUE(r.supprime);
    EXPECT_TRUE(r.arreterEnregistrement);
    EXPECT_EQ(d.textes(), (QStringList{enCours, enCours}));
    EXPECT_EQ(l.selection(), 0);  // the line that took its place

    d.messages.clear();
    d.reponses = {true};
    EXPECT_EQ(mener(d, [&](const Accord& a) { return l.SupprimerSelection_Click(a); }).arreterEnregistrement, false);  // recurrent "[X]"
    EXPECT_EQ(d.textes(), QStringList{recurrent});

    d.messages.clear();
    EXPECT_TRUE(mener(d, [&](const Accord& a) { return l.SupprimerSelection_Click(a); }).supprime);  // one-off "[X]": no question
    EXPECT_TRUE(d.messages.empty());

    EXPECT_FALSE(mener(d, [&](const Accord& a) { return l.SupprimerSelection_Click(a); }).supprime);
    EXPECT_EQ(d.textes(), QStringList{unique});
    d.reponses = {true};
    EXPECT_TRUE(mener(d, [&](const Accord& a) { return l.SupprimerSelection_Click(a); }).supprime);
    EXPECT_EQ(l.nombre(), 0);
    EXPECT_EQ(l.selection(), -1);
    EXPECT_EQ(l.boutons(), BoutonsProgramme{});
}

TEST(SupprimerSelection, DeletingTheLastLineSelectsTheNewLastLine)
{
    FauxDialogues d;
    ProgListe l = liste({"[X] 09/12/2026 19:00 - 20:00 > A (1)", "[X] 09/12/2026 20:00 - 21:00 > B (1)",
                         "[X] 09/12/2026 21:00 - 22:00 > C (1)"});
    l.selectionner(2);
    EXPECT_TRUE(mener(d, [&](const Accord& a) { return l.SupprimerSelection_Click(a); }).supprime);
    EXPECT_EQ(l.selection(), 1);
    EXPECT_EQ(l.ligne(1).chaine, "B");
}

TEST(ToutSupprimer, AsksAndTellsWhenARecordingRuns)
{
    FauxDialogues d;
    ProgListe l = liste({"[A] 09/12/2026 19:00 - 20:00 > A (1)"});
    EXPECT_FALSE(mener(d, [&](const Accord& a) { return l.ToutSupprimer_Click(a); }).supprime);
    EXPECT_EQ(d.textes(), QStringList{"Souhaitez-vous effacer la liste et supprimer tous les programmes ?"});
    EXPECT_EQ(l.nombre(), 1);
    d.reponses = {true};
    EXPECT_EQ(mener(d, [&](const Accord& a) { return l.ToutSupprimer_Click(a); }).arreterEnregistrement, false);
    EXPECT_EQ(l.nombre(), 0);

    l = liste({"[X] 09/12/2026 18:00 - 19:00 > A (1)", "[E] 09/12/2026 19:00 - 20:00 > A (1)"});
    d.messages.clear();
    d.reponses = {true};
    const ResultatSuppression r = mener(d, [&](const Accord& a) { return l.ToutSupprimer_Click(a); });
    EXPECT_TRUE(r.supprime && r.arreterEnregistrement);
    EXPECT_EQ(d.textes(), QStringList{"Un enregistrement programmé est en cours.\n"
                                      "Souhaitez-vous réellement tout supprimer ?"});
    EXPECT_EQ(l.selection(), -1);
}

TEST(Nettoyer, RemovesOnlyFinishedEntries)
{
    ProgListe l = liste({"[X] 09/12/2026 17:00 - 18:00 > A (1)", "[E] 09/12/2026 18:00 - 19:00 > B (1)",
                         "[X] 09/12/2026 19:00 - 20:00 > C (Q)", "[S] 09/12/2026 20:00 - 21:00 > D (1)",
                         "[A] 09/12/2026 21:00 - 22:00 > E (1)", "[X] 09/12/2026 22:00 - 23:00 > F (1)"});
    l.selectionner(4);
    l.Nettoyer_Click();
    EXPECT_EQ(l.textes(), (QStringList{"[E] 09/12/2026 18:00 - 19:00 > B (1)", "[S] 09/12/2026 20:00 - 21:00 > D (1)",
                                       "[A] 09/12/2026 21:00 - 22:00 > E (1)"}));
    EXPECT_EQ(l.selection(), 2);  // still the same entry
}
