#pragma once
#include "engine/ProgListe.h"

#include <QStringList>
#include <gtest/gtest.h>

// A schedule holding these entry texts, in this order (no add rules applied).
inline ProgListe liste(const QStringList& textes)
{
    ProgListe l;
    for (const QString& t : textes) {
        const auto ligne = LigneProgramme::depuisTexte(t);
        EXPECT_TRUE(ligne.has_value()) << t.toStdString();
        if (ligne)
            l.inserer(l.nombre(), *ligne);
    }
    return l;
}
