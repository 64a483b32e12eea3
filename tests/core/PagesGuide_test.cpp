#include "core/PagesGuide.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {
// A first page of the guide written for these tests: the day selector among other forms.
const QString kPremierePage = QStringLiteral(
    "<html><body><select name=\"canal\"><option value=\"6\">Canal six</option></select>\n"
    "<select name=\"nb_jour\">\n"
    "<option value=\"-1\">11/03/2006</option>\n"
    "<option value=\"0\" selected>12/03/2006</option>\n"
    "<option value=\"5\">17/03/2006</option>\n"
    "<option value=\"6\">18/03/2006</option>\n"
    "</select></body></html>");

QString ligne(const QString& heure, const QString& cellule)
{
    return "<tr><td width=\"40\"><b>" + heure + "</b></td>" + cellule + "</tr>\n";
}

QString avecResume(const QString& id, const QString& titre)
{
    return "<td><a href=\"javascript:popup_emission('" + id + "')\">" + titre + "</a></td>";
}

QStringList textes(const std::vector<LigneGuide>& lignes)
{
    QStringList t;
    for (const auto& l : lignes)
        t << l.texte();
    return t;
}

std::vector<LigneGuide> lignes(std::initializer_list<const char*> heures)
{
    std::vector<LigneGuide> l;
    for (const char* h : heures)
        l.push_back({QTime::fromString(h, "HH:mm"), "x", 1});
    return l;
}
}  // namespace

TEST(PagesGuide, TheDayListRunsFromYesterdayToTheDateOfDaySix)
{
    const auto dernier = LireDateDernierJour(kPremierePage);
    ASSERT_TRUE(dernier);
    EXPECT_EQ(*dernier, QDate(2006, 3, 18));
    const auto dates = DatesJoursGuide(*dernier);
    ASSERT_EQ(dates.size(), static_cast<size_t>(kJoursGuide));
    EXPECT_EQ(dates.front(), QDate(2006, 3, 11));
    EXPECT_EQ(dates[1], QDate(2006, 3, 12));
    EXPECT_EQ(dates.back(), QDate(2006, 3, 18));
}

TEST(PagesGuide, DayEntriesNameTheWeekdayInFrenchWhateverTheSystemLocale)
{
    const QLocale avant;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(TexteJourGuide(QDate(2006, 3, 12)), "12/03/2006 (dimanche)");
    EXPECT_EQ(TexteJourGuide(QDate(2006, 3, 18)), "18/03/2006 (samedi)");
    QLocale::setDefault(avant);
}

TEST(PagesGuide, APageWithoutTheDaySelectorOrWithoutADateGivesNoDays)
{
    EXPECT_FALSE(LireDateDernierJour(""));
    EXPECT_FALSE(LireDateDernierJour("<html>Erreur 500</html>"));
    EXPECT_FALSE(LireDateDernierJour("<select name=\"nb_jour\"><option value=\"5\">17/03/2006</option>"));
    EXPECT_FALSE(LireDateDernierJour("<select name=\"nb_jour\"><option value=\"6\">bientôt</option>"));
    EXPECT_FALSE(LireDateDernierJour("<select name=\"nb_jour\"><option value=\"6\">31/02/2006</option>"));
    EXPECT_FALSE(LireDateDernierJour("<select name=\"nb_jour\"><option value=\"6\""));
}

TEST(PagesGuide, TheCurrentTvDayIsYesterdaysUntilSixInTheMorning)
{
    EXPECT_EQ(IndexJourCourant(QTime(5, 59)), 0);
    EXPECT_EQ(IndexJourCourant(QTime(6, 0)), 1);
    EXPECT_EQ(IndexJourCourant(QTime(0, 0)), 0);
    EXPECT_EQ(IndexJourCourant(QTime(23, 59)), 1);
}

TEST(PagesGuide, ADayPageGivesRowsWithPlainTitlesAndTheirIds)
{
    const QString page = "<table>" + ligne("18:00", avecResume("77", "Le Journal")) +
                         ligne("20:50", avecResume("4521", "Les Experts<br>Episode 12")) +
                         ligne("22:35", avecResume("4522", "Faites entrer l'<i>accus&eacute;</i>")) +
                         ligne("23:40", "<td>Nuit &amp; <b>jour</b> &#233;t&#xE9;</td>") +
                         ligne("00:40", avecResume("4530", "Programmes de nuit")) + "</table>";
    const auto l = LirePageGuide(page);
    EXPECT_EQ(textes(l), QStringList({"18:00 > Le Journal", "20:50 > Les Experts : Episode 12",
                                      "22:35 > Faites entrer l'accusé", "23:40 > Nuit & jour été",
                                      "00:40 > Programmes de nuit"}));
    ASSERT_EQ(l.size(), 5u);
    EXPECT_EQ(l[1].id, 4521);
    EXPECT_EQ(l[2].id, 4522);
    EXPECT_EQ(l[3].id, 0);
    EXPECT_EQ(l[4].id, 4530);
}

TEST(PagesGuide, ARowWithoutItsSummaryLinkDoesNotSwallowTheNextRow)
{
    // The next row's link must not become this row's.
    const QString page = ligne("20:50", "<td>Sans lien</td>") + ligne("21:40", avecResume("12", "Avec lien"));
    const auto l = LirePageGuide(page);
    EXPECT_EQ(textes(l), QStringList({"20:50 > Sans lien", "21:40 > Avec lien"}));
    ASSERT_EQ(l.size(), 2u);
    EXPECT_EQ(l[0].id, 0);
    EXPECT_EQ(l[1].id, 12);
}

TEST(PagesGuide, AMissingMarkerEndsTheReadingWithTheRowsFound)
{
    const QString page = ligne("20:50", avecResume("1", "Complet")) +
                         "<tr><td width=\"40\"><b>22:00</b></td><td><a href=\"javascript:popup_emission('2')\">Coupé";
    EXPECT_EQ(textes(LirePageGuide(page)), QStringList({"20:50 > Complet"}));
    EXPECT_TRUE(LirePageGuide("<td width=\"40\"><b>2").empty());
    EXPECT_TRUE(LirePageGuide("<td width=\"40\"><b>").empty());
    EXPECT_TRUE(LirePageGuide("").empty());
}

TEST(PagesGuide, ARowWhoseStartIsNotATimeIsSkipped)
{
    const QString page = ligne("xx:yy", avecResume("1", "A")) + ligne("25:00", avecResume("2", "B")) +
                         ligne("07:05", avecResume("3", "C"));
    EXPECT_EQ(textes(LirePageGuide(page)), QStringList({"07:05 > C"}));
}

TEST(PagesGuide, AnIdWithoutDigitsIsNoId)
{
    const auto l = LirePageGuide(ligne("20:50", avecResume("abc", "A")) + ligne("21:00", avecResume("", "B")));
    ASSERT_EQ(l.size(), 2u);
    EXPECT_EQ(l[0].id, 0);
    EXPECT_EQ(l[1].id, 0);
}

TEST(PagesGuide, TheRowOnTheAirIsSelectedOnTheCurrentTvDay)
{
    const auto l = lignes({"18:00", "19:00", "20:00"});
    EXPECT_EQ(LigneEnCours(l, QTime(19, 30), true), 1);
    EXPECT_EQ(LigneEnCours(l, QTime(21, 0), true), 2);
    EXPECT_EQ(LigneEnCours(l, QTime(19, 30), false), 0);
    EXPECT_EQ(LigneEnCours({}, QTime(19, 30), true), -1);
}

TEST(PagesGuide, RowsAfterMidnightStayOnTheDayTheyBelongTo)
{
    const auto l = lignes({"18:00", "23:00", "00:15", "01:00"});
    // At 00:30 of the same TV day, the 00:15 row, although the page began in the evening.
    EXPECT_EQ(LigneEnCours(l, QTime(0, 30), true), 2);
    // At 23:30 the 23:00 row is on the air, not the last row.
    EXPECT_EQ(LigneEnCours(l, QTime(23, 30), true), 1);
    EXPECT_EQ(MinutesDansJournee(l, 2), 24 * 60 + 15);
    EXPECT_EQ(MinutesDansJournee(l, 1), 23 * 60);
}

TEST(PagesGuide, BeforeTheFirstStartTheFirstRowIsSelected)
{
    EXPECT_EQ(LigneEnCours(lignes({"06:30", "08:00"}), QTime(6, 10), true), 0);
}
