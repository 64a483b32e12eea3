#include "core/ReglesFavoris.h"

#include "core/FichierParametres.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {
using A = DecisionFavori::Action;

const QStringList kChaines{"TF1", "France 2", "France 3 Alsace", "M6", "France 2"};

TableFavoris table()
{
    TableFavoris t = TableFavoris::defaut();
    t[31] = "M6";
    t[32] = "TF1";
    t[34] = "France 2";
    t[36] = "Partie";  // no longer in the channel list
    return t;
}

QSet<QString> lignesDe(const ContenuParametres& c)
{
    const QStringList l = QString::fromUtf8(TexteParametres(c)).split('\n');
    return QSet<QString>(l.begin(), l.end());
}
}  // namespace

TEST(ReglesFavoris, NextGroupWrapsFromTheLastToTheFirst)
{
    EXPECT_EQ(GroupeSuivant(0), 1);
    EXPECT_EQ(GroupeSuivant(8), 9);
    EXPECT_EQ(GroupeSuivant(9), 0);
    EXPECT_EQ(GroupeSuivant(2, 3), 0);
}

TEST(ReglesFavoris, PreviousGroupWrapsFromTheFirstToTheLast)
{
    EXPECT_EQ(GroupePrecedent(5), 4);
    EXPECT_EQ(GroupePrecedent(1), 0);
    EXPECT_EQ(GroupePrecedent(0), 9);
    EXPECT_EQ(GroupePrecedent(0, 3), 2);
}

TEST(ReglesFavoris, SwappingAnAssignedSlotWithAnEmptyOneChangesExactlyTheirTwoSaveLines)
{
    ContenuParametres c;
    c.favoris[32] = "TF1";
    const QSet<QString> avant = lignesDe(c);

    ASSERT_TRUE(EchangerFavoris(c.favoris, 3, 2, 5));

    const QSet<QString> apres = lignesDe(c);
    EXPECT_EQ(apres - avant, (QSet<QString>{"FA32=", "FA35=TF1"}));
    EXPECT_EQ(avant - apres, (QSet<QString>{"FA32=TF1", "FA35="}));
}

TEST(ReglesFavoris, SwappingWorksBothWaysInsideTheGroupOnly)
{
    TableFavoris t = table();
    ASSERT_TRUE(EchangerFavoris(t, 3, 4, 1));
    EXPECT_EQ(t[31], "France 2");
    EXPECT_EQ(t[34], "M6");
    TableFavoris attendu = table();
    attendu[31] = "France 2";
    attendu[34] = "M6";
    EXPECT_EQ(t, attendu);
}

TEST(ReglesFavoris, ADragFromOrOntoTheWatchButtonOrOutsideTheEightSlotsExchangesNothing)
{
    for (auto [source, cible] : {std::pair{0, 2}, {2, 0}, {0, 0}, {-1, 2}, {2, 9}, {9, 2}, {2, -1}, {2, 10}}) {
        TableFavoris t = table();
        EXPECT_FALSE(EchangerFavoris(t, 3, source, cible)) << source << " -> " << cible;
        EXPECT_EQ(t, table()) << source << " -> " << cible;
        EXPECT_EQ(t[30], "Chaînes favorites 3");
    }
    TableFavoris t = table();
    EXPECT_FALSE(EchangerFavoris(t, 10, 1, 2));
    EXPECT_FALSE(EchangerFavoris(t, -1, 1, 2));
    EXPECT_EQ(t, table());
}

TEST(ReglesFavoris, ADropOnTheSlotItStartedFromIsAcceptedAndChangesNothing)
{
    TableFavoris t = table();
    EXPECT_TRUE(EchangerFavoris(t, 3, 2, 2));
    EXPECT_EQ(t, table());
}

TEST(ReglesFavoris, TheWholeFrance3FamilySharesOneLogoKey)
{
    EXPECT_EQ(CleLogoFavori("France 3"), "France 3");
    EXPECT_EQ(CleLogoFavori("France 3 Alsace"), "France 3");
    EXPECT_EQ(CleLogoFavori("France 3 Provence-Alpes"), "France 3");
    EXPECT_EQ(CleLogoFavori("France 2"), "France 2");
    EXPECT_EQ(CleLogoFavori("France"), "France");
    EXPECT_EQ(CleLogoFavori("france 3 Alsace"), "france 3 Alsace");
    EXPECT_EQ(CleLogoFavori(" France 3"), " France 3");
}

TEST(ReglesFavoris, AnEmptySlotHasTheUnassignedKeyAndOtherNamesAreTheirOwnKey)
{
    EXPECT_EQ(CleLogoFavori(""), "Non attribué");
    EXPECT_EQ(CleLogoFavori("Phoenix Chinese News and  ..."), "Phoenix Chinese News and  ...");
}

TEST(ReglesFavoris, AKeyWithASlashStillNamesOneFileOfTheFolder)
{
    EXPECT_EQ(FichierLogoFavori("TF1"), "TF1.png");
    EXPECT_EQ(FichierLogoFavori("Télénantes/Nantes 7"), "Télénantes_Nantes 7.png");
    EXPECT_EQ(FichierLogoFavori("../../etc/x"), ".._.._etc_x.png");
}

TEST(ReglesFavoris, ASlotNamingAChannelNoLongerInTheListCountsAsEmpty)
{
    const TableFavoris t = table();
    EXPECT_EQ(FavoriEffectif(t, 3, 1, kChaines), "M6");
    EXPECT_EQ(FavoriEffectif(t, 3, 6, kChaines), "");
    EXPECT_EQ(FavoriEffectif(t, 3, 3, kChaines), "");
    EXPECT_EQ(FavoriEffectif(t, 3, 0, kChaines), "");  // the group's name is no slot
    EXPECT_EQ(FavoriEffectif(t, 3, 9, kChaines), "");
}

TEST(ReglesFavoris, TheWatchButtonWatchesTheSelectedChannel)
{
    EXPECT_EQ(DeciderFavori(table(), 3, 0, kChaines, false), (DecisionFavori{A::Regarder, -1, 0}));
    EXPECT_EQ(DeciderFavori(table(), 3, 0, kChaines, true), (DecisionFavori{A::Regarder, -1, 0}));
}

TEST(ReglesFavoris, AnAssignedFavouriteIsShownOnAPositiveIndexAndWatchedOnANegativeOne)
{
    EXPECT_EQ(DeciderFavori(table(), 3, 1, kChaines, false), (DecisionFavori{A::SelectionnerAfficher, 3, 1}));
    EXPECT_EQ(DeciderFavori(table(), 3, -1, kChaines, false), (DecisionFavori{A::SelectionnerRegarder, 3, 1}));
    EXPECT_EQ(DeciderFavori(table(), 3, -2, kChaines, false), (DecisionFavori{A::SelectionnerRegarder, 0, 2}));
}

TEST(ReglesFavoris, WithTwoChannelsOfTheSameNameTheLaterOneIsSelected)
{
    EXPECT_EQ(DeciderFavori(table(), 3, 4, kChaines, false).chaine, 4);
}

TEST(ReglesFavoris, WithTheGuideOnItsTvTabAFavouriteOnlySelects)
{
    EXPECT_EQ(DeciderFavori(table(), 3, 2, kChaines, true), (DecisionFavori{A::Selectionner, 0, 2}));
    EXPECT_EQ(DeciderFavori(table(), 3, -2, kChaines, true), (DecisionFavori{A::Selectionner, 0, 2}));
}

TEST(ReglesFavoris, AnEmptyOrVanishedSlotOffersToDefineItWhateverTheSign)
{
    EXPECT_EQ(DeciderFavori(table(), 3, 3, kChaines, false), (DecisionFavori{A::Definir, -1, 3}));
    EXPECT_EQ(DeciderFavori(table(), 3, -3, kChaines, true), (DecisionFavori{A::Definir, -1, 3}));
    EXPECT_EQ(DeciderFavori(table(), 3, 6, kChaines, false), (DecisionFavori{A::Definir, -1, 6}));
    EXPECT_EQ(DeciderFavori(table(), 0, 8, kChaines, false), (DecisionFavori{A::Definir, -1, 8}));
}

TEST(ReglesFavoris, AnIndexBeyondTheEightSlotsDoesNothing)
{
    EXPECT_EQ(DeciderFavori(table(), 3, 9, kChaines, false).action, A::Rien);
    EXPECT_EQ(DeciderFavori(table(), 3, -9, kChaines, false).action, A::Rien);
    EXPECT_EQ(DeciderFavori(table(), 10, 1, kChaines, false).action, A::Rien);
}
