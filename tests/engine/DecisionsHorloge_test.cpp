#include "support/ListeProgrammes.h"
#include "engine/DecisionsHorloge.h"
#include "engine/ProgListe.h"

#include <QLocale>
#include <QTimeZone>
#include <gtest/gtest.h>

#include <optional>

namespace {

using G = ActionHorloge::Genre;


std::vector<G> genres(const std::vector<ActionHorloge>& actions)
{
    std::vector<G> g;
    for (const auto& a : actions)
        g.push_back(a.genre);
    return g;
}

class Tic : public ::testing::Test {
protected:
    EntreeHorloge e;
    ProgListe l;

    Tic() { e.chaines = {"TF1", "France 2", "M6"}; }

    std::vector<ActionHorloge> tic(int jour, int mois, const QTime& heure)
    {
        e.maintenant = QDateTime(QDate(2026, mois, jour), heure);
        return DeciderTicHorloge(l, e);
    }
};

}  // namespace

TEST_F(Tic, ManualRecordingStopsOnceItsTimeLeftIsAWholeSecondPast)
{
    // Elapsed time alone decides, whatever the wall clock says.
    e.resteEnregistrementMs = -999;
    EXPECT_EQ(genres(tic(9, 12, QTime(23, 0))), std::vector<G>{G::ActualiserTitre});
    e.resteEnregistrementMs = -1000;
    EXPECT_EQ(genres(tic(9, 12, QTime(1, 0))), (std::vector<G>{G::ArreterEnregistrementManuel, G::ActualiserTitre}));
    e.resteEnregistrementMs.reset();
    EXPECT_EQ(genres(tic(9, 12, QTime(23, 0))), std::vector<G>{G::ActualiserTitre});
}

TEST_F(Tic, DueEntryStartsWithTheLastChannelOfThatName)
{
    e.chaines = {"France 2", "TF1", "France 2", "france 2"};
    l = liste({"[A] 09/12/2026 20:00 - 22:00 > France 2 (1)", "[A] 09/12/2026 22:30 - 23:00 > TF1 (1)"});
    EXPECT_EQ(genres(tic(9, 12, QTime(20, 0, 0))), std::vector<G>{G::ActualiserTitre});  // not yet passed
    EXPECT_EQ(l.ligne(0).marqueur, QChar(u'A'));

    const auto actions = tic(9, 12, QTime(20, 30, 0));
    ASSERT_EQ(genres(actions), (std::vector<G>{G::DemarrerProgramme, G::ActualiserTitre}));
    EXPECT_EQ(actions[0].ligne, 0);
    EXPECT_EQ(actions[0].indexChaine, 2);
    EXPECT_EQ(actions[0].chaine, "France 2");
    EXPECT_DOUBLE_EQ(actions[0].progression, 0.25);  // started part-way
    EXPECT_EQ(l.textes(), (QStringList{"[E] 09/12/2026 20:00 - 22:00 > France 2 (1)",
                                       "[A] 09/12/2026 22:30 - 23:00 > TF1 (1)"}));
}

TEST_F(Tic, UnknownChannelEndsTheEntryAndItsSeriesAndIsToldOnce)
{
    l = liste({"[A] 09/12/2026 20:00 - 22:00 > Canal Disparu (Q)", "[A] 09/12/2026 22:30 - 23:00 > Ancienne (1)"});
    auto actions = tic(9, 12, QTime(20, 0, 10));
    ASSERT_EQ(genres(actions), (std::vector<G>{G::Avertir, G::ActualiserTitre}));
    EXPECT_EQ(actions[0].ligne, 0);
    EXPECT_EQ(actions[0].texte,
              "L'enregistrement programmé le 09/12/2026 à 20:00 sur « Canal Disparu » n'a pas eu lieu :\n"
              "cette chaîne ne figure plus dans la liste des chaînes.\n\n"
              "Les enregistrements suivants de cette programmation récurrente\n"
              "n'auront pas lieu non plus : programmez-la de nouveau sur une chaîne de la liste.");
    EXPECT_EQ(l.textes(), (QStringList{"[X] 09/12/2026 20:00 - 22:00 > Canal Disparu (Q)",
                                       "[A] 09/12/2026 22:30 - 23:00 > Ancienne (1)"}));
    // Once: the entry is over, the next ticks say nothing of it.
    EXPECT_EQ(genres(tic(9, 12, QTime(20, 0, 20))), std::vector<G>{G::ActualiserTitre});

    actions = tic(9, 12, QTime(22, 30, 5));
    ASSERT_EQ(genres(actions), (std::vector<G>{G::Avertir, G::ActualiserTitre}));
    EXPECT_EQ(actions[0].ligne, 1);
    EXPECT_EQ(actions[0].texte,
              "L'enregistrement programmé le 09/12/2026 à 22:30 sur « Ancienne » n'a pas eu lieu :\n"
              "cette chaîne ne figure plus dans la liste des chaînes.");
    // Neither the user's program nor the shutdown follows: nothing was recorded.
    l = liste({"[A] 09/12/2026 20:00 - 22:00 > Canal Disparu (1)"});
    e.programmeApres = true;
    e.programme = "/usr/bin/traiter";
    e.extinction = true;
    EXPECT_EQ(genres(tic(9, 12, QTime(20, 1))), (std::vector<G>{G::Avertir, G::ActualiserTitre}));
}

TEST_F(Tic, RunningEntryShowsSizeAndTimeLeft)
{
    l = liste({"[E] 09/12/2026 20:00 - 22:00 > TF1 (1)"});
    e.tailleFichier = 3LL * 1024 * 1024 * 1024;
    auto actions = tic(9, 12, QTime(20, 45, 30));
    ASSERT_EQ(genres(actions), (std::vector<G>{G::SuivreProgramme, G::ActualiserTitre}));
    EXPECT_EQ(actions[0].texte, "3072 Mo (-- 01:15)");
    EXPECT_EQ(actions[0].texteTaille, "3072 Mo");
    EXPECT_NEAR(actions[0].progression, 2730.0 / 7200.0, 1e-9);

    // no file yet: the size shown so far stays
    e.tailleFichier = -1;
    e.texteTaille = "12 Mo";
    actions = tic(9, 12, QTime(21, 59, 59));
    EXPECT_EQ(actions[0].texte, "12 Mo (-- 00:01)");
    EXPECT_EQ(actions[0].texteTaille, "12 Mo");
    EXPECT_EQ(l.ligne(0).marqueur, QChar(u'E'));

    // beyond 4 GiB the size keeps counting
    e.tailleFichier = 5LL * 1024 * 1024 * 1024 + 1048575;
    EXPECT_EQ(tic(9, 12, QTime(21, 0))[0].texteTaille, "5120 Mo");
}

TEST_F(Tic, OneOffEntryEndsAfterItsEnd)
{
    l = liste({"[E] 09/12/2026 20:00 - 22:00 > TF1 (1)"});
    EXPECT_EQ(genres(tic(9, 12, QTime(22, 0, 0))), (std::vector<G>{G::SuivreProgramme, G::ActualiserTitre}));
    const auto actions = tic(9, 12, QTime(22, 0, 1));
    EXPECT_EQ(genres(actions), (std::vector<G>{G::SuivreProgramme, G::TerminerProgramme, G::ActualiserTitre}));
    EXPECT_EQ(actions[0].texte, "0 Mo (-- 00:00)");
    EXPECT_DOUBLE_EQ(actions[0].progression, 1.0);
    EXPECT_EQ(l.textes(), QStringList{"[X] 09/12/2026 20:00 - 22:00 > TF1 (1)"});
}

TEST_F(Tic, RecurrentEntriesArePlannedAgain)
{
    l = liste({"[E] 11/12/2026 20:00 - 21:00 > TF1 (L)",     // Friday
               "[E] 11/12/2026 20:00 - 21:00 > M6 (Q)",
               "[E] 11/12/2026 20:00 - 21:00 > France 2 (H)"});
    tic(11, 12, QTime(21, 1));
    EXPECT_EQ(l.textes(), (QStringList{"[X] 11/12/2026 20:00 - 21:00 > TF1 (L)",
                                       "[X] 11/12/2026 20:00 - 21:00 > M6 (Q)",
                                       "[X] 11/12/2026 20:00 - 21:00 > France 2 (H)",
                                       "[A] 12/12/2026 20:00 - 21:00 > M6 (Q)",
                                       "[A] 14/12/2026 20:00 - 21:00 > TF1 (L)",
                                       "[A] 18/12/2026 20:00 - 21:00 > France 2 (H)"}));
}

TEST_F(Tic, MonthlyEntryOfThe31stKeepsTheShorterMonthsLastDay)
{
    e.maintenant = QDateTime(QDate(2027, 1, 31), QTime(23, 1));
    l = liste({"[E] 31/01/2027 22:00 - 23:00 > TF1 (M)"});
    DeciderTicHorloge(l, e);
    EXPECT_EQ(l.ligne(1).texte(), "[A] 28/02/2027 22:00 - 23:00 > TF1 (M)");
    l.Nettoyer_Click();
    l.remplacer(0, *LigneProgramme::depuisTexte("[E] 28/02/2027 22:00 - 23:00 > TF1 (M)"));
    e.maintenant = QDateTime(QDate(2027, 2, 28), QTime(23, 1));
    DeciderTicHorloge(l, e);
    EXPECT_EQ(l.ligne(1).texte(), "[A] 28/03/2027 22:00 - 23:00 > TF1 (M)");
}

TEST_F(Tic, YearOneEntriesSeenAfterTheirEndArePlannedWhereTheWalkTakesThem)
{
    const QString entrees[] = {"[A] 01/01/0001 20:00 - 21:00 > TF1 (Q)", "[A] 01/01/0001 20:00 - 21:00 > TF1 (L)",
                               "[A] 01/01/0001 23:30 - 00:30 > TF1 (L)", "[A] 01/01/0001 20:00 - 21:00 > TF1 (H)",
                               "[A] 31/01/0001 20:00 - 21:00 > TF1 (M)", "[A] 01/01/0001 20:00 - 21:00 > TF1 (M)"};
    const QDateTime dates[] = {QDateTime(QDate(2026, 12, 9), QTime(18, 0)),
                               QDateTime(QDate(2026, 12, 12), QTime(23, 0)),   // Saturday
                               QDateTime(QDate(2026, 12, 14), QTime(0, 15)),   // Monday, just after midnight
                               QDateTime(QDate(2028, 2, 29), QTime(21, 0))};  // the very minute of an end
    for (const QDateTime& maintenant : dates)
        for (const QString& texte : entrees) {
            // The walk, one occurrence at a time, as the clock used to plan.
            LigneProgramme attendue = *LigneProgramme::depuisTexte(texte);
            const qint64 minute = MinuteCivile(maintenant.date(), maintenant.time());
            do
                attendue.date = ProchaineDate(attendue.date, attendue.frequence);
            while (minute >= attendue.minuteFin());

            l = liste({texte});
            e.maintenant = maintenant;
            EXPECT_EQ(genres(DeciderTicHorloge(l, e)), std::vector<G>{G::ActualiserTitre});
            ASSERT_EQ(l.nombre(), 2);
            EXPECT_EQ(l.ligne(1).texte(), attendue.texte()) << maintenant.toString(Qt::ISODate).toStdString();
        }
    l = liste({"[A] 31/01/0001 20:00 - 21:00 > TF1 (M)"});
    tic(9, 12, QTime(18, 0));
    EXPECT_EQ(l.ligne(1).texte(), "[A] 28/12/2026 20:00 - 21:00 > TF1 (M)");
}

TEST_F(Tic, OvernightEntryEndsOnTheNextDay)
{
    l = liste({"[E] 09/12/2026 23:30 - 00:30 > TF1 (Q)"});
    EXPECT_EQ(genres(tic(9, 12, QTime(23, 59))), (std::vector<G>{G::SuivreProgramme, G::ActualiserTitre}));
    EXPECT_EQ(tic(10, 12, QTime(0, 0))[0].texte, "0 Mo (-- 00:30)");
    tic(10, 12, QTime(0, 30, 1));
    EXPECT_EQ(l.textes(), (QStringList{"[X] 09/12/2026 23:30 - 00:30 > TF1 (Q)",
                                       "[A] 10/12/2026 23:30 - 00:30 > TF1 (Q)"}));
}

TEST_F(Tic, StopRequestEndsKeepsTheSeriesRunsTheProgramButNeverShutsDown)
{
    e.extinction = true;
    l = liste({"[S] 09/12/2026 20:00 - 22:00 > TF1 (Q)"});
    EXPECT_EQ(genres(tic(9, 12, QTime(20, 30))),
              (std::vector<G>{G::SuivreProgramme, G::TerminerProgramme, G::ActualiserTitre}));
    EXPECT_EQ(l.textes(), (QStringList{"[X] 09/12/2026 20:00 - 22:00 > TF1 (Q)",
                                       "[A] 10/12/2026 20:00 - 22:00 > TF1 (Q)"}));

    l = liste({"[S] 09/12/2026 20:00 - 22:00 > TF1 (Q)"});
    e.programmeApres = true;
    e.programme = "/usr/bin/convertir";
    e.argumentsProgramme = "%1";
    e.fichierEnregistre = "/home/u/Vidéos/Kelmor TF1.ts";
    const auto actions = tic(9, 12, QTime(20, 30));
    ASSERT_EQ(genres(actions), (std::vector<G>{G::SuivreProgramme, G::TerminerProgramme, G::LancerProgrammeApres,
                                               G::ActualiserTitre}));
    EXPECT_EQ(actions[2].programme, "/usr/bin/convertir");
    EXPECT_EQ(actions[2].arguments, QStringList{"Kelmor TF1"});
}

TEST_F(Tic, EndOfRecordingShutsDownUnlessTheUserProgramRuns)
{
    e.extinction = true;
    l = liste({"[E] 09/12/2026 20:00 - 22:00 > TF1 (1)"});
    auto actions = tic(9, 12, QTime(22, 0, 5));
    ASSERT_EQ(genres(actions), (std::vector<G>{G::SuivreProgramme, G::TerminerProgramme, G::ProgrammerExtinction,
                                               G::ActualiserTitre}));
    EXPECT_EQ(actions[2].texte,
              "L'extinction de l'ordinateur à la fin de cet enregistrement a été programmé par Kelmor. "
              "Cliquez sur le gros bouton vert [Annuler l'extinction automatique] dans la fenêtre d'Kelmor "
              "pour interrompre ce processus.");

    e.programmeApres = true;
    l = liste({"[E] 09/12/2026 20:00 - 22:00 > TF1 (1)"});
    actions = tic(9, 12, QTime(22, 0, 5));
    EXPECT_EQ(genres(actions), (std::vector<G>{G::SuivreProgramme, G::TerminerProgramme, G::LancerProgrammeApres,
                                               G::ActualiserTitre}));
}

TEST_F(Tic, PlannedOccurrenceNeverDeletesAnotherEntry)
{
    l = liste({"[E] 09/12/2026 20:00 - 22:00 > TF1 (Q)", "[A] 10/12/2026 21:30 - 23:00 > M6 (1)"});
    const auto actions = tic(9, 12, QTime(22, 0, 1));
    EXPECT_EQ(l.textes(), (QStringList{"[X] 09/12/2026 20:00 - 22:00 > TF1 (Q)",
                                       "[A] 10/12/2026 21:30 - 23:00 > M6 (1)",
                                       "[A] 11/12/2026 20:00 - 22:00 > TF1 (Q)"}));
    ASSERT_EQ(genres(actions), (std::vector<G>{G::SuivreProgramme, G::TerminerProgramme, G::Informer,
                                               G::ActualiserTitre}));
    EXPECT_EQ(actions[2].texte,
              "L'enregistrement récurrent de TF1 prévu le 10/12/2026 à 20:00 empiète sur une autre programmation.\n"
              "Il est reporté le 11/12/2026 à 20:00.");
}

TEST_F(Tic, FullDayEntryFollowsItselfWithoutRemovingItself)
{
    l = liste({"[E] 09/12/2026 20:00 - 20:00 > TF1 (Q)", "[A] 12/12/2026 21:00 - 22:00 > M6 (1)"});
    const auto actions = tic(10, 12, QTime(20, 0, 1));
    // the next occurrence touches the one just ended and starts at once
    EXPECT_EQ(l.textes(), (QStringList{"[X] 09/12/2026 20:00 - 20:00 > TF1 (Q)",
                                       "[E] 10/12/2026 20:00 - 20:00 > TF1 (Q)",
                                       "[A] 12/12/2026 21:00 - 22:00 > M6 (1)"}));
    ASSERT_EQ(genres(actions), (std::vector<G>{G::SuivreProgramme, G::TerminerProgramme, G::DemarrerProgramme,
                                               G::ActualiserTitre}));
    EXPECT_EQ(actions[2].ligne, 1);
    EXPECT_EQ(actions[2].indexChaine, 0);
}

TEST_F(Tic, WaitingEntrySeenOnlyAfterItsEndIsNotRecorded)
{
    l = liste({"[A] 07/12/2026 20:00 - 22:00 > TF1 (1)", "[A] 07/12/2026 22:30 - 23:00 > M6 (Q)"});
    const auto actions = tic(9, 12, QTime(21, 0));
    EXPECT_EQ(genres(actions), std::vector<G>{G::ActualiserTitre});
    // the daily one goes on with the first occurrence still to come
    EXPECT_EQ(l.textes(), (QStringList{"[X] 07/12/2026 20:00 - 22:00 > TF1 (1)",
                                       "[X] 07/12/2026 22:30 - 23:00 > M6 (Q)",
                                       "[A] 09/12/2026 22:30 - 23:00 > M6 (Q)"}));
}

TEST_F(Tic, RecordingThatOutlivedItsOccurrencesIsPlannedInTheFuture)
{
    l = liste({"[E] 07/12/2026 20:00 - 22:00 > TF1 (Q)"});
    tic(9, 12, QTime(23, 0));
    EXPECT_EQ(l.ligne(1).texte(), "[A] 10/12/2026 20:00 - 22:00 > TF1 (Q)");
}

TEST(TicEteHiver, DailyEntryKeepsItsWallClockTimeAcrossDstChanges)
{
    const QTimeZone paris("Europe/Paris");
    if (!paris.isValid())
        GTEST_SKIP() << "no Europe/Paris time zone data";
    EntreeHorloge e;
    e.chaines = {"TF1"};
    ProgListe l = liste({"[E] 28/03/2026 02:30 - 03:30 > TF1 (Q)"});
    e.maintenant = QDateTime(QDate(2026, 3, 28), QTime(3, 30, 5), paris);
    DeciderTicHorloge(l, e);
    EXPECT_EQ(l.ligne(1).texte(), "[A] 29/03/2026 02:30 - 03:30 > TF1 (Q)");
    // 02:30 does not exist that night: the entry is due once the clock reads 03:00
    e.maintenant = QDateTime(QDate(2026, 3, 29), QTime(1, 59, 55), paris).addSecs(10);
    ASSERT_EQ(e.maintenant.time().hour(), 3);
    EXPECT_EQ(DeciderTicHorloge(l, e)[0].genre, ActionHorloge::DemarrerProgramme);
    e.maintenant = QDateTime(QDate(2026, 3, 29), QTime(3, 30, 5), paris);
    DeciderTicHorloge(l, e);
    EXPECT_EQ(l.ligne(2).texte(), "[A] 30/03/2026 02:30 - 03:30 > TF1 (Q)");

    l = liste({"[E] 24/10/2026 02:30 - 03:30 > TF1 (Q)"});
    e.maintenant = QDateTime(QDate(2026, 10, 24), QTime(3, 31), paris);
    DeciderTicHorloge(l, e);
    l.Nettoyer_Click();
    EXPECT_EQ(l.textes(), QStringList{"[A] 25/10/2026 02:30 - 03:30 > TF1 (Q)"});
    e.maintenant = QDateTime(QDate(2026, 10, 25), QTime(2, 30, 5), paris);
    EXPECT_EQ(DeciderTicHorloge(l, e)[0].genre, ActionHorloge::DemarrerProgramme);
    e.maintenant = QDateTime(QDate(2026, 10, 25), QTime(3, 30, 5), paris);
    DeciderTicHorloge(l, e);
    EXPECT_EQ(l.ligne(1).texte(), "[A] 26/10/2026 02:30 - 03:30 > TF1 (Q)");
}

TEST(CommandeApresEnregistrement, PlaceholdersArReplacedOncePerArgument)
{
    const QString fichier = "/home/moi/Mes vidéos/Kelmor Canal %2 %0 du 09-12.mpg";
    const CommandeProgramme c = CommandeApresEnregistrement(
        "/opt/Mon Outil/conv", "-i \"%0/%1.%2\" --ext=%2 \"\" %3 %%1 -o '%1'", fichier);
    EXPECT_EQ(c.programme, "/opt/Mon Outil/conv");
    EXPECT_EQ(c.arguments, (QStringList{"-i", fichier, "--ext=mpg", "", "%3",
                                        "%Kelmor Canal %2 %0 du 09-12", "-o",
                                        "Kelmor Canal %2 %0 du 09-12"}));
    EXPECT_EQ(CommandeApresEnregistrement("p", "'a \"b' \"c 'd\"", "/x.ts").arguments,
              (QStringList{"a \"b", "c 'd"}));
    EXPECT_EQ(CommandeApresEnregistrement("p", "  %0   %2  ", "/sansextension").arguments, (QStringList{"", ""}));
    EXPECT_TRUE(CommandeApresEnregistrement("p", "", "/a/b.ts").arguments.isEmpty());
}

TEST(TextesHorloge, SizeTimeLeftAndFreeSpace)
{
    EXPECT_EQ(TexteTaille(0), "0 Mo");
    EXPECT_EQ(TexteTaille(1048575), "0 Mo");
    EXPECT_EQ(TexteTaille(3LL << 30), "3072 Mo");
    EXPECT_EQ(TexteTempsRestant("5 Mo", 24 * 60), "5 Mo (-- 24:00)");
    EXPECT_EQ(TexteTempsRestant("5 Mo", 61), "5 Mo (-- 01:01)");
    EXPECT_EQ(TexteTempsRestant("5 Mo", -1), "5 Mo (-- 00:00)");

    const QString groupe = QLocale(QLocale::French, QLocale::France).groupSeparator();
    EXPECT_EQ(AfficherEspaceLibre(0), "0 Go");
    EXPECT_EQ(AfficherEspaceLibre(3LL << 29), "1,5 Go");
    EXPECT_EQ(AfficherEspaceLibre(50LL << 30), "50 Go");
    EXPECT_EQ(AfficherEspaceLibre((1234LL << 30) + (1LL << 28)), "1" + groupe + "234,25 Go");
    EXPECT_EQ(AfficherEspaceLibre(-1), std::nullopt);
    EXPECT_EQ(FractionEspaceLibre(25, 100), 0.25);
    EXPECT_EQ(FractionEspaceLibre(25, 0), std::nullopt);
}

TEST_F(Tic, AFailedRecordingEndsItsEntryBeforeItsEndAndIsToldWithoutProgramOrShutdown)
{
    e.programmeApres = true;
    e.extinction = true;
    e.echecEnregistrement = QString("perdu");
    l = liste({"[E] 09/12/2026 20:00 - 22:00 > TF1 (Q)"});
    const auto actions = tic(9, 12, QTime(20, 30));
    // The series goes on: the next occurrence may be received.
    EXPECT_EQ(l.textes(), (QStringList{"[X] 09/12/2026 20:00 - 22:00 > TF1 (Q)",
                                       "[A] 10/12/2026 20:00 - 22:00 > TF1 (Q)"}));
    ASSERT_EQ(genres(actions),
              (std::vector<G>{G::SuivreProgramme, G::TerminerProgramme, G::Avertir, G::ActualiserTitre}));
    EXPECT_EQ(actions[2].texte, "perdu");

    // Already told: it ends silently.
    e.echecEnregistrement = QString();
    l = liste({"[E] 09/12/2026 20:00 - 22:00 > TF1 (1)"});
    EXPECT_EQ(genres(tic(9, 12, QTime(20, 30))),
              (std::vector<G>{G::SuivreProgramme, G::TerminerProgramme, G::ActualiserTitre}));
}

TEST_F(Tic, ARecorderLostAfterAStopRequestOrAtTheEndIsNoFailure)
{
    e.programmeApres = true;
    e.echecEnregistrement = QString("perdu");
    l = liste({"[S] 09/12/2026 20:00 - 22:00 > TF1 (1)"});
    EXPECT_EQ(genres(tic(9, 12, QTime(20, 30))), (std::vector<G>{G::SuivreProgramme, G::TerminerProgramme,
                                                                G::LancerProgrammeApres, G::ActualiserTitre}));
    l = liste({"[E] 09/12/2026 20:00 - 22:00 > TF1 (1)"});
    EXPECT_EQ(genres(tic(9, 12, QTime(22, 0, 1))), (std::vector<G>{G::SuivreProgramme, G::TerminerProgramme,
                                                                  G::LancerProgrammeApres, G::ActualiserTitre}));
}

TEST_F(Tic, ARunningEntryEndsOnItsHeldElapsedTimeWhateverTheWallClockSays)
{
    const struct {
        const char* quoi;
        QTime heure;
        std::optional<qint64> reste;
        std::vector<G> attendu;
        const char* texte;  // of the progress, when it is followed
    } cas[] = {
        {"set forward an hour", QTime(21, 30), 30 * 60000, {G::SuivreProgramme, G::ActualiserTitre}, "0 Mo (-- 00:30)"},
        {"set back an hour, end not passed by a second", QTime(20, 10), -999,
         {G::SuivreProgramme, G::ActualiserTitre}, "0 Mo (-- 00:00)"},
        {"set back an hour, end passed", QTime(20, 10), -1000,
         {G::SuivreProgramme, G::TerminerProgramme, G::ActualiserTitre}, nullptr},
        {"no held end: the wall clock", QTime(21, 0, 1), std::nullopt,
         {G::SuivreProgramme, G::TerminerProgramme, G::ActualiserTitre}, nullptr},
        {"no held end, not yet", QTime(20, 45, 30), std::nullopt, {G::SuivreProgramme, G::ActualiserTitre},
         "0 Mo (-- 00:15)"},
    };
    for (const auto& c : cas) {
        l = liste({"[E] 09/12/2026 20:00 - 21:00 > M6 (1)"});
        e.resteProgrammeMs = c.reste;
        const auto actions = tic(9, 12, c.heure);
        EXPECT_EQ(genres(actions), c.attendu) << c.quoi;
        if (c.texte) {
            EXPECT_EQ(actions[0].texte, c.texte) << c.quoi;
        }
    }
    // Half of the held time gone: half of the bar, whatever the hour shows.
    l = liste({"[E] 09/12/2026 20:00 - 21:00 > M6 (1)"});
    e.resteProgrammeMs = 30 * 60000;
    EXPECT_DOUBLE_EQ(tic(9, 12, QTime(3, 0))[0].progression, 0.5);
}

TEST_F(Tic, ADueEntryTakesOverFromOneWhoseHeldEndIsStillToCome)
{
    l = liste({"[E] 09/12/2026 20:00 - 21:00 > M6 (1)", "[A] 09/12/2026 21:00 - 22:00 > TF1 (1)"});
    e.resteProgrammeMs = 50 * 60000;  // the clock was set forward
    EXPECT_EQ(genres(tic(9, 12, QTime(21, 0, 5))),
              (std::vector<G>{G::SuivreProgramme, G::TerminerProgramme, G::DemarrerProgramme, G::ActualiserTitre}));
    EXPECT_EQ(l.textes(), (QStringList{"[X] 09/12/2026 20:00 - 21:00 > M6 (1)", "[E] 09/12/2026 21:00 - 22:00 > TF1 (1)"}));
}

TEST(TicEteHiver, AStartingEntryHoldsItsRealTimeLeft)
{
    const QTimeZone paris("Europe/Paris");
    if (!paris.isValid())
        GTEST_SKIP() << "no Europe/Paris time zone data";
    EntreeHorloge e;
    e.chaines = {"TF1"};
    // 01:30 to 03:30 on the night of the spring change is one real hour.
    ProgListe l = liste({"[A] 29/03/2026 01:30 - 03:30 > TF1 (1)"});
    e.maintenant = QDateTime(QDate(2026, 3, 29), QTime(1, 30, 10), paris);
    auto actions = DeciderTicHorloge(l, e);
    ASSERT_EQ(actions[0].genre, ActionHorloge::DemarrerProgramme);
    EXPECT_EQ(actions[0].resteMs, 3600 * 1000 - 10 * 1000);
    // An ordinary day: what the wall clock shows, to the millisecond.
    l = liste({"[A] 09/12/2026 20:00 - 21:00 > TF1 (1)"});
    e.maintenant = QDateTime(QDate(2026, 12, 9), QTime(20, 0, 10, 500), paris);
    EXPECT_EQ(DeciderTicHorloge(l, e)[0].resteMs, 3600 * 1000 - 10500);
}

TEST(TicEteHiver, AnEntryWhollyInTheHourTheSpringChangeSkipsIsTold)
{
    const QTimeZone paris("Europe/Paris");
    if (!paris.isValid())
        GTEST_SKIP() << "no Europe/Paris time zone data";
    EntreeHorloge e;
    e.chaines = {"TF1"};
    ProgListe l;
    std::vector<ActionHorloge> actions;
    // 02:15 to 02:45 never comes that night: the next tick reads 03:00.
    for (const QChar frequence : {u'1', u'H'}) {
        l = liste({QString("[A] 29/03/2026 02:15 - 02:45 > TF1 (%1)").arg(frequence)});
        e.maintenant = QDateTime(QDate(2026, 3, 29), QTime(3, 0, 5), paris);
        actions = DeciderTicHorloge(l, e);
        ASSERT_EQ(genres(actions), (std::vector<G>{G::Avertir, G::ActualiserTitre})) << frequence.toLatin1();
        EXPECT_EQ(actions[0].texte, "L'enregistrement programmé le 29/03/2026 à 02:15 sur « TF1 » n'a pas eu lieu :\n"
                                    "cette heure n'existe pas ce jour-là (passage à l'heure d'été).");
        EXPECT_EQ(l.ligne(0).marqueur, QChar(u'X'));
        // A weekly series goes on the next week.
        EXPECT_EQ(l.nombre(), frequence == u'H' ? 2 : 1);
    }
    // An entry merely seen after its end (the computer slept) is not told.
    l = liste({"[A] 28/03/2026 02:15 - 02:45 > TF1 (1)"});
    e.maintenant = QDateTime(QDate(2026, 3, 28), QTime(3, 0, 5), paris);
    EXPECT_EQ(genres(DeciderTicHorloge(l, e)), std::vector<G>{G::ActualiserTitre});
}

TEST(TextesHorloge, AClockSetDuringARecordingIsToldWithItsDirectionAndSize)
{
    EXPECT_EQ(MessageSautHorloge("M6", 3600 * 1000),
              "L'heure de l'ordinateur a été avancée de 01:00 pendant l'enregistrement programmé de « M6 ».\n"
              "Il dure tout de même le temps prévu.");
    EXPECT_EQ(MessageSautHorloge("TF1", -(2 * 3600 + 5 * 60) * 1000 + 20000),
              "L'heure de l'ordinateur a été retardée de 02:05 pendant l'enregistrement programmé de « TF1 ».\n"
              "Il dure tout de même le temps prévu.");
}
