#include "engine/EtatFenetre.h"
#include "engine/GuideTV.h"

#include "engine/Moteur.h"
#include "engine/Session.h"
#include "platform/Plateforme.h"
#include "support/Doubles.h"

#include <gtest/gtest.h>

namespace {
const QString kFinInconnue =
    "L'heure de fin de cette émission est inconnue.\nL'enregistrement de cette émission n'a pas été\nprogrammé.";

std::vector<LigneGuide> lignes(std::initializer_list<const char*> heures)
{
    std::vector<LigneGuide> l;
    qint64 id = 100;
    for (const char* h : heures)
        l.push_back({QTime::fromString(h, "HH:mm"), "Emission", id++});
    return l;
}

QString ligneGuide(const QString& heure, const QString& id, const QString& titre)
{
    return "<tr><td width=\"40\"><b>" + heure + "</b></td><td><a href=\"javascript:popup_emission('" + id + "')\">" +
           titre + "</a></td></tr>\n";
}

QByteArray premierePage()
{
    return "<select name=\"nb_jour\"><option value=\"-1\">08/12/2026</option>"
           "<option value=\"6\">15/12/2026</option></select>";
}

// The guide controller on the platform doubles, with a schedule add that records its calls.
struct BancGuide : PlateformeDoubles {
    Session session;
    Moteur moteur{session, plateforme};
    EtatFenetre fenetre;
    std::vector<ValeursEditeur> ajouts;
    GuideTV guide{session, moteur, plateforme, fenetre};
    std::vector<bool> connexions;

    BancGuide()
    {
        QObject::connect(&guide, &GuideTV::programmeDemande, [this](const ValeursEditeur& v) { ajouts.push_back(v); });
        session.chaines = ListeChaines({{"Télé Bleue", 3, "rtsp://box/3"}, {"Euronews", 9, "rtsp://box/9"}});
        session.chaineSelectionnee = 0;
        QObject::connect(&guide, &GuideTV::connexionAffichee, [this](bool v) {
            // A fetch holds no engine operation: the clock ticks while a page is on its way.
            EXPECT_FALSE(moteur.operationEnCours());
            connexions.push_back(v);
        });
    }
    QString racine() const { return plateforme.adresses.racineGuide(); }
    void servirPage(int canal, int jour, const QString& corps)
    {
        web.pages[racine() + QString("index.php?canal=%1&nb_jour=%2").arg(canal).arg(jour)] = corps.toUtf8();
    }
};
}  // namespace

TEST(ValeursProgrammeGuide, TheEntryRunsFromTheRowsStartToTheNextRowsWithTheMargins)
{
    const auto l = lignes({"18:00", "20:50", "22:35", "00:40", "01:30"});
    const ProgrammeGuide p = ValeursProgrammeGuide(l, 1, QDate(2006, 3, 12), 5, 10, 3, "Télé Bleue");
    ASSERT_TRUE(p.valeurs);
    EXPECT_EQ(*p.valeurs, (ValeursEditeur{QDate(2006, 3, 12), QTime(20, 45), QTime(22, 45), "Télé Bleue", 3}));
    // A start earlier than the first row's is on the next day.
    const ProgrammeGuide nuit = ValeursProgrammeGuide(l, 3, QDate(2006, 3, 12), 5, 10, 0, "Télé Bleue");
    ASSERT_TRUE(nuit.valeurs);
    EXPECT_EQ(nuit.valeurs->date, QDate(2006, 3, 13));
    EXPECT_EQ(nuit.valeurs->debut, QTime(0, 35));
    EXPECT_EQ(nuit.valeurs->fin, QTime(1, 40));
}

TEST(ValeursProgrammeGuide, MarginsCrossMidnightBothWays)
{
    // A page that begins at 00:05: 15 minutes earlier is the previous day.
    const auto matin = lignes({"00:05", "01:00"});
    const ProgrammeGuide p = ValeursProgrammeGuide(matin, 0, QDate(2006, 3, 12), 15, 0, 0, "C");
    ASSERT_TRUE(p.valeurs);
    EXPECT_EQ(p.valeurs->date, QDate(2006, 3, 11));
    EXPECT_EQ(p.valeurs->debut, QTime(23, 50));
    EXPECT_EQ(p.valeurs->fin, QTime(1, 0));
    // After midnight on an evening page: the night's date, then back to the page's date.
    const auto soir = lignes({"20:00", "00:05", "23:55", "23:59"});
    const ProgrammeGuide q = ValeursProgrammeGuide(soir, 1, QDate(2006, 3, 12), 15, 30, 0, "C");
    ASSERT_TRUE(q.valeurs);
    EXPECT_EQ(q.valeurs->date, QDate(2006, 3, 12));
    EXPECT_EQ(q.valeurs->debut, QTime(23, 50));
    // The end wraps past midnight as a time of day.
    const ProgrammeGuide r = ValeursProgrammeGuide(soir, 2, QDate(2006, 3, 12), 0, 30, 0, "C");
    ASSERT_TRUE(r.valeurs);
    EXPECT_EQ(r.valeurs->fin, QTime(0, 29));
}

TEST(ValeursProgrammeGuide, TheLastRowCannotBeProgrammed)
{
    const auto l = lignes({"18:00", "20:50"});
    const ProgrammeGuide p = ValeursProgrammeGuide(l, 1, QDate(2006, 3, 12), 0, 0, 0, "C");
    EXPECT_FALSE(p.valeurs);
    EXPECT_EQ(p.refus, kFinInconnue);
}

TEST(ValeursProgrammeGuide, NoSelectedRowGivesNothingAndSaysNothing)
{
    const ProgrammeGuide p = ValeursProgrammeGuide(lignes({"18:00", "20:50"}), -1, QDate(2006, 3, 12), 0, 0, 0, "C");
    EXPECT_FALSE(p.valeurs);
    EXPECT_TRUE(p.refus.isEmpty());
    EXPECT_FALSE(ValeursProgrammeGuide({}, 0, QDate(2006, 3, 12), 0, 0, 0, "C").valeurs);
}

TEST(MinutesMarge, ListItemsReadAsMinutes)
{
    EXPECT_EQ(MinutesMarge(0), 0);
    EXPECT_EQ(MinutesMarge(2), 5);
    EXPECT_EQ(MinutesMarge(4), 15);
    EXPECT_EQ(MinutesMarge(7), 30);
    EXPECT_EQ(MinutesMarge(8), 0);
    EXPECT_EQ(MinutesMarge(-1), 0);
}

TEST(GuideTV, LoadingTheDaysFetchesTheDayListThenTheCurrentDaysPage)
{
    BancGuide b;
    b.web.pages[b.racine() + "index.php?canal=1&nb_jour=0"] = premierePage();
    b.servirPage(3, 0, ligneGuide("18:00", "1", "A") + ligneGuide("19:00", "2", "B") + ligneGuide("20:00", "3", "C"));
    QStringList jours;
    int index = -2;
    QObject::connect(&b.guide, &GuideTV::joursAffiches, [&](const QStringList& j, int i) {
        jours = j;
        index = i;
    });
    b.horloge.maintenantValeur = QDateTime(QDate(2026, 12, 9), QTime(19, 30));
    b.guide.ChargerJoursGuide();
    EXPECT_EQ(b.web.demandes, QStringList({b.racine() + "index.php?canal=1&nb_jour=0", b.racine() + "index.php?canal=3&nb_jour=0"}));
    ASSERT_EQ(jours.size(), 8);
    EXPECT_EQ(jours.front(), "08/12/2026 (mardi)");
    EXPECT_EQ(index, 1);
    EXPECT_EQ(b.guide.etat().ligne, 1);
    EXPECT_EQ(b.guide.etat().chaine, "Télé Bleue");
    EXPECT_EQ(b.guide.etat().date, QDate(2026, 12, 9));
    EXPECT_EQ(b.connexions, std::vector<bool>({true, false, true, false}));
}

TEST(GuideTV, BeforeSixTheDayListSelectsYesterday)
{
    BancGuide b;
    b.web.pages[b.racine() + "index.php?canal=1&nb_jour=0"] = premierePage();
    b.horloge.maintenantValeur = QDateTime(QDate(2026, 12, 9), QTime(5, 59));
    b.guide.ChargerJoursGuide();
    EXPECT_EQ(b.guide.etat().jour, 0);
    EXPECT_EQ(b.web.demandes.last(), b.racine() + "index.php?canal=3&nb_jour=-1");
}

TEST(GuideTV, AnUnreachableGuideSaysSoAndClearsTheRowsOfAnEarlierChannel)
{
    BancGuide b;
    b.web.pages[b.racine() + "index.php?canal=1&nb_jour=0"] = premierePage();
    b.servirPage(3, 0, ligneGuide("18:00", "1", "A") + ligneGuide("19:00", "2", "B"));
    b.guide.ChargerJoursGuide();
    ASSERT_EQ(b.guide.etat().lignes.size(), 2u);
    b.web.pages.clear();
    QStringList montrees;
    QObject::connect(&b.guide, &GuideTV::lignesAffichees, [&](const QStringList& l, int, bool, bool) { montrees = l; });
    b.guide.ChargerJoursGuide();
    EXPECT_EQ(b.dialogues.textes(), QStringList({"Le Guide TV est inaccessible."}));
    EXPECT_TRUE(b.guide.etat().jours.empty());
    EXPECT_TRUE(b.guide.etat().lignes.empty());
    EXPECT_EQ(montrees, QStringList({"Le Guide TV est inaccessible."}));
    // Reachable again: the channel's rows come back.
    b.web.pages[b.racine() + "index.php?canal=1&nb_jour=0"] = premierePage();
    b.servirPage(3, 0, ligneGuide("18:00", "1", "A"));
    b.guide.ChargerJoursGuide();
    EXPECT_EQ(montrees.size(), 1);
    EXPECT_TRUE(montrees[0].startsWith("18:00")) << montrees[0].toStdString();
}

TEST(GuideTV, AFailedDayPageLeavesOnlyTheNoProgrammeRow)
{
    BancGuide b;
    b.web.pages[b.racine() + "index.php?canal=1&nb_jour=0"] = premierePage();
    b.servirPage(3, 0, ligneGuide("18:00", "1", "A") + ligneGuide("19:00", "2", "B"));
    b.guide.ChargerJoursGuide();
    QStringList montrees;
    bool programmer = true;
    QObject::connect(&b.guide, &GuideTV::lignesAffichees, [&](const QStringList& l, int, bool p, bool) {
        montrees = l;
        programmer = p;
    });
    b.guide.GuideDate_Click(3);  // no page for that day
    EXPECT_EQ(montrees, QStringList({"Le Guide TV ne propose pas cette chaîne."}));
    EXPECT_FALSE(programmer);
    b.guide.GuideProg_Click();
    EXPECT_TRUE(b.ajouts.empty());
    EXPECT_TRUE(b.dialogues.messages.empty());
}

TEST(GuideTV, EuronewsShowsNoProgrammeWhateverItsPageHolds)
{
    BancGuide b;
    b.session.chaineSelectionnee = 1;
    b.web.pages[b.racine() + "index.php?canal=1&nb_jour=0"] = premierePage();
    b.servirPage(9, 0, ligneGuide("18:00", "1", "A") + ligneGuide("19:00", "2", "B"));
    b.guide.ChargerJoursGuide();
    EXPECT_TRUE(b.guide.etat().lignes.empty());
}

TEST(GuideTV, ProgrammingARowAsksForTheGuidesChannelWithTheMargins)
{
    BancGuide b;
    b.session.parametres.p.AVAN = 2;  // 5 minutes
    b.session.parametres.p.APRE = 3;  // 10 minutes
    b.web.pages[b.racine() + "index.php?canal=1&nb_jour=0"] = premierePage();
    b.servirPage(3, 1, ligneGuide("20:50", "4521", "Les Experts<br>Episode 12") + ligneGuide("22:35", "2", "B"));
    b.guide.ChargerJoursGuide();
    b.guide.GuideDate_Click(2);
    // The channel selection moves on; the rows stay those of the b.guide's channel.
    b.session.chaineSelectionnee = 1;
    b.guide.GuideListe_Click(0);
    b.guide.GuideFreq_Click(4);
    b.guide.GuideProg_Click();
    ASSERT_EQ(b.ajouts.size(), 1u);
    EXPECT_EQ(b.ajouts[0], (ValeursEditeur{QDate(2026, 12, 10), QTime(20, 45), QTime(22, 45), "Télé Bleue", 4}));
    // Adding it and saying so is the schedule's.
    EXPECT_TRUE(b.dialogues.messages.empty());

    b.guide.GuideListe_Click(1);
    b.guide.GuideProg_Click();
    EXPECT_EQ(b.ajouts.size(), 1u);
    EXPECT_EQ(b.dialogues.messages, std::vector<Message>({{Message::Exclamation, kFinInconnue}}));
}

TEST(GuideTV, ThePageLoadPutsTheFrequencyBackToOneOff)
{
    BancGuide b;
    b.web.pages[b.racine() + "index.php?canal=1&nb_jour=0"] = premierePage();
    b.servirPage(3, 0, ligneGuide("20:50", "1", "A") + ligneGuide("22:35", "2", "B"));
    b.guide.ChargerJoursGuide();
    b.guide.GuideFreq_Click(2);
    b.guide.GuideDate_Click(1);
    EXPECT_EQ(b.guide.etat().frequence, 0);
}

TEST(GuideTV, TheSummaryOpensTheProgrammesPageOnlyForARowWithAnId)
{
    BancGuide b;
    b.web.pages[b.racine() + "index.php?canal=1&nb_jour=0"] = premierePage();
    b.servirPage(3, 0, ligneGuide("20:50", "4521", "A") + "<tr><td width=\"40\"><b>22:35</b></td><td>B</td></tr>");
    b.guide.ChargerJoursGuide();
    b.guide.GuideListe_Click(0);
    b.guide.GuideResume_Click();
    b.guide.GuideListe_Click(1);
    b.guide.GuideResume_Click();
    EXPECT_EQ(b.shell.ouverts, QStringList({b.racine() + "detail.php?id_programme=4521"}));
}

TEST(GuideTV, TheAudienceShowsItsTimeAndKeepsItWhenTheFeedFails)
{
    BancGuide b;
    const QString adresse = b.plateforme.adresses.racineAudience() + "audience15.xml";
    b.web.pages[adresse] = "<?xml?><channel><name>Arts &amp; Co</name><market_share>12</market_share></channel>";
    QStringList vu;
    QObject::connect(&b.guide, &GuideTV::audienceAffichee,
                     [&](const QString& r, const QString& p, const QString& l, const QString& h) { vu = {r, p, l, h}; });
    b.horloge.maintenantValeur = QDateTime(QDate(2026, 12, 9), QTime(21, 5, 7));
    b.guide.Refresh15_Click();
    EXPECT_EQ(vu, QStringList({"1", "12 %", "Arts & Co ", "(à 21:05:07)"}));
    b.web.pages.clear();
    vu.clear();
    b.guide.Refresh15_Click();
    EXPECT_TRUE(vu.isEmpty());
    EXPECT_EQ(b.guide.etat().AudienceNow, "(à 21:05:07)");
    EXPECT_EQ(b.dialogues.textes(), QStringList({"Le Guide TV est inaccessible."}));
}

TEST(GuideTV, AChannelChangeReloadsTheGuideOnlyWhileItShowsItsTab)
{
    BancGuide b;
    // The window's state: the guide pane open on the tab chosen.
    const auto choisir = [&b](int onglet) {
        b.fenetre.choisirOngletGuide(onglet);
        b.guide.GuiderOnglets_Click(onglet);
    };
    b.fenetre.definirForme(Forme::VoletOuvert, Volet::Guider);
    choisir(1);
    b.guide.Chaines_Click();
    EXPECT_TRUE(b.web.demandes.isEmpty());
    choisir(3);
    b.web.demandes.clear();
    b.guide.Chaines_Click();
    EXPECT_TRUE(b.web.demandes.isEmpty());
    choisir(2);
    b.web.demandes.clear();
    b.web.pages[b.racine() + "index.php?canal=1&nb_jour=0"] = premierePage();
    b.guide.Chaines_Click();
    EXPECT_EQ(b.web.demandes.size(), 2);
    // The pane folded keeps its tab, and the guide stops following the selection.
    b.fenetre.definirForme(Forme::Normal, Volet::Aucun);
    b.web.demandes.clear();
    b.guide.Chaines_Click();
    EXPECT_TRUE(b.web.demandes.isEmpty());
}
