#include "core/ListeChaines.h"
#include "panes/VueChaine.h"

#include <gtest/gtest.h>

namespace {
ListeChaines liste(const std::vector<std::pair<int, QString>>& v)
{
    std::vector<Chaine> c;
    for (const auto& [n, nom] : v)
        c.push_back({nom, n, "rtsp://box/" + QString::number(n)});
    return ListeChaines(c);
}
}  // namespace

TEST(VueChaine, NumberAndNameLabelIsCutPast31Characters)
{
    // "201 : " is 6 characters: 25 more make 31, 26 more make 32.
    const auto l = liste({{201, QString(25, 'a')}, {201, QString(26, 'b')}});
    EXPECT_EQ(CalculerVueChaine(l, 0).progChaine2, "201 : " + QString(25, 'a'));
    EXPECT_EQ(CalculerVueChaine(l, 1).progChaine2, "201 : " + QString(21, 'b') + " ...");
    EXPECT_EQ(CalculerVueChaine(l, 1).progChaine2.size(), 31);
}

TEST(VueChaine, StepButtonsAtTheEnds)
{
    const auto trois = liste({{1, "TF1"}, {2, "France 2"}, {6, "M6"}});
    EXPECT_FALSE(CalculerVueChaine(trois, 0).precedenteActive);
    EXPECT_TRUE(CalculerVueChaine(trois, 0).suivanteActive);
    EXPECT_TRUE(CalculerVueChaine(trois, 1).precedenteActive);
    EXPECT_FALSE(CalculerVueChaine(trois, 2).suivanteActive);

    const auto une = liste({{1, "TF1"}});
    EXPECT_FALSE(CalculerVueChaine(une, 0).precedenteActive);
    EXPECT_FALSE(CalculerVueChaine(une, 0).suivanteActive);

    const VueChaine aucune = CalculerVueChaine(trois, -1);
    EXPECT_EQ(aucune.progChaine, "");
    EXPECT_FALSE(aucune.precedenteActive || aucune.suivanteActive);
}
