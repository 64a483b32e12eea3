#include "core/ClesParametres.h"
#include "shell/ControlesOptions.h"

#include <QSet>
#include <gtest/gtest.h>

TEST(ControlesOptions, EverySettingButTheSingleInstanceOneHasItsControl)
{
    QSet<QString> avecControle;
    for (const ControleOption& c : ControlesOptions())
        if (c.cle)
            avecControle.insert(QString::fromLatin1(c.cle));
    // Kept by the program itself, not chosen by the user.
    const QSet<QString> sansControle = {"VERS", "PATH", "CHA1", "POS1", "POS2", "MONO"};
    for (const CleParametre& k : ClesParametres()) {
        const QString nom = QString::fromLatin1(k.nom);
        EXPECT_NE(avecControle.contains(nom), sansControle.contains(nom)) << nom.toStdString();
    }
}

TEST(ControlesOptions, EveryKeyOfTheTableIsASettingAndAppearsOnce)
{
    QSet<QString> vus;
    for (const ControleOption& c : ControlesOptions()) {
        if (!c.cle)
            continue;
        EXPECT_NE(TrouverCle(c.cle), nullptr) << c.cle;
        EXPECT_FALSE(vus.contains(c.cle)) << c.cle;
        vus.insert(c.cle);
    }
}

TEST(ControlesOptions, ControlsAreNamedAfterTheirKey)
{
    for (const ControleOption& c : ControlesOptions()) {
        if (c.cle && !c.nom) {
            EXPECT_EQ(NomControle(c), QString::fromLatin1(c.cle) + "tag");
        }
    }
    EXPECT_EQ(kOngletsOptions.size(), 8);
}

TEST(ControlesOptions, ListsHaveAsManyItemsAsTheirKeyAllows)
{
    for (const ControleOption& c : ControlesOptions()) {
        if (!c.cle || c.genre != GenreControle::Liste)
            continue;
        const CleParametre* k = TrouverCle(c.cle);
        ASSERT_NE(c.items, nullptr) << c.cle;
        EXPECT_EQ(c.items->size(), k->max + 1) << c.cle;
        EXPECT_EQ(k->min, 0) << c.cle;
    }
}
