#include "core/Audience.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {
QString entree(const QString& nom, const QString& part, const QString& titre = {})
{
    QString e = "<channel><name>" + nom + "</name><market_share>" + part + "</market_share>";
    if (!titre.isNull())
        e += "<epg_title>" + titre + "</epg_title>";
    return e + "</channel>\n";
}

QString flux(int n)
{
    QString t = "<?xml version=\"1.0\"?>\n<top>\n";
    for (int i = 1; i <= n; ++i)
        t += entree(QString("Chaine %1").arg(i), QString("%1.5").arg(30 - i), QString("Emission %1").arg(i));
    return t + "</top>";
}
}  // namespace

TEST(Audience, AFeedOfFifteenGivesFifteenLinesInEachBox)
{
    const auto e = LireAudience(flux(20));
    ASSERT_TRUE(e);
    ASSERT_EQ(e->size(), 15u);
    EXPECT_EQ(e->front(), (EntreeAudience{"29.5", "Chaine 1  (Emission 1)"}));
    EXPECT_EQ(e->back(), (EntreeAudience{"15.5", "Chaine 15  (Emission 15)"}));
    const TextesAudience t = MettreEnForme(*e);
    EXPECT_EQ(t.rangs.split('\n').size(), 15);
    EXPECT_TRUE(t.rangs.startsWith("1\n2\n3\n"));
    EXPECT_TRUE(t.rangs.endsWith("\n15"));
    EXPECT_TRUE(t.parts.startsWith("29.5 %\n28.5 %\n"));
    EXPECT_EQ(t.libelles.split('\n').size(), 15);
    EXPECT_FALSE(t.libelles.endsWith('\n'));
}

TEST(Audience, AShortFeedShowsWhatItHasWithoutRepeats)
{
    const auto trois = LireAudience(flux(3));
    ASSERT_TRUE(trois);
    ASSERT_EQ(trois->size(), 3u);
    EXPECT_EQ(MettreEnForme(*trois).rangs, "1\n2\n3");
    EXPECT_EQ((*trois)[2].libelle, "Chaine 3  (Emission 3)");

    const auto aucune = LireAudience(flux(0));
    ASSERT_TRUE(aucune);
    EXPECT_TRUE(aucune->empty());
    const TextesAudience t = MettreEnForme(*aucune);
    EXPECT_EQ(t.rangs, "");
    EXPECT_EQ(t.libelles, "");
}

TEST(Audience, ATextThatIsNotAFeedIsRefused)
{
    EXPECT_FALSE(LireAudience(""));
    EXPECT_FALSE(LireAudience("<html><body>Erreur</body></html>"));
    EXPECT_FALSE(LireAudience(" <?xml"));
}

TEST(Audience, LabelsLongerThanFiftyCharactersAreCut)
{
    const QString cinquante = QString(49, 'a');  // with the blank after the name: 50
    const QString cinquanteEtUn = QString(50, 'b');
    const auto e = LireAudience("<?xml?>" + entree(cinquante, "1") + entree(cinquanteEtUn, "2") +
                                entree("Canal Nord", "3", "Football : Coupe des régions, demi-finale retour"));
    ASSERT_TRUE(e);
    ASSERT_EQ(e->size(), 3u);
    EXPECT_EQ((*e)[0].libelle, cinquante + " ");
    EXPECT_EQ((*e)[1].libelle, QString(46, 'b') + " ...");
    EXPECT_EQ((*e)[2].libelle, "Canal Nord  (Football : Coupe des régions, dem ...");
    EXPECT_EQ((*e)[2].libelle.size(), kLongueurLibelle);
}

TEST(Audience, EntitiesAreDecoded)
{
    const auto e = LireAudience("<?xml?>" + entree("Arts &amp; Spectacles", "2,5", "Questions &amp; r&eacute;ponses"));
    ASSERT_TRUE(e);
    ASSERT_EQ(e->size(), 1u);
    EXPECT_EQ((*e)[0].libelle, "Arts & Spectacles  (Questions & réponses)");
    EXPECT_EQ((*e)[0].part, "2,5");
}

TEST(Audience, AnEntryWithoutItsShareDoesNotSwallowTheNext)
{
    const QString sansPart = "<channel><name>Sans part</name><epg_title>Film</epg_title></channel>\n";
    const auto e = LireAudience("<?xml?>" + sansPart + entree("Suivante", "4.2", "Journal"));
    ASSERT_TRUE(e);
    ASSERT_EQ(e->size(), 2u);
    EXPECT_EQ((*e)[0], (EntreeAudience{"", "Sans part  (Film)"}));
    EXPECT_EQ((*e)[1], (EntreeAudience{"4.2", "Suivante  (Journal)"}));
    EXPECT_EQ(MettreEnForme(*e).parts, "\n4.2 %");
}

TEST(Audience, ATitleBeforeTheShareIsNotShown)
{
    const QString avant = "<channel><name>Canal</name><epg_title>Avant</epg_title><market_share>3</market_share></channel>";
    const auto e = LireAudience("<?xml?>" + avant + entree("Autre", "2"));
    ASSERT_TRUE(e);
    ASSERT_EQ(e->size(), 2u);
    EXPECT_EQ((*e)[0].libelle, "Canal ");
    // Nor does the next entry's title belong to an entry without one.
    EXPECT_EQ((*e)[1].libelle, "Autre ");
}

TEST(Audience, AnEntryWithoutItsEndStopsAtTheNextName)
{
    const auto e = LireAudience("<?xml?><channel><name>Un</name><market_share>5<channel><name>Deux</name>"
                                "<market_share>4</market_share><epg_title>T</epg_title></channel>");
    ASSERT_TRUE(e);
    ASSERT_EQ(e->size(), 2u);
    EXPECT_EQ((*e)[0], (EntreeAudience{"5", "Un "}));
    EXPECT_EQ((*e)[1], (EntreeAudience{"4", "Deux  (T)"}));
}
