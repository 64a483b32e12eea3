#include "app/Fermeture.h"

#include <gtest/gtest.h>

TEST(Fermeture, WhatACloseDoesInEachStateOfTheClose)
{
    using E = EtatFermeture;
    using A = ActionFermeture;
    struct Cas {
        E etat;
        bool parUtilisateur, operation;
        A attendu;
    };
    const Cas cas[] = {
        {E::EnMarche, true, false, A::Demander},
        {E::EnMarche, false, false, A::Fermer},
        {E::EnMarche, true, true, A::AttendreQuestions},
        {E::EnMarche, false, true, A::Attendre},
        // A second click while the questions are open asks nothing more; a stop signal does
        // not wait for their answers.
        {E::Questions, true, false, A::Refuser},
        {E::Questions, false, false, A::Fermer},
        {E::Questions, false, true, A::Attendre},
        {E::AttenteQuestions, true, true, A::Refuser},
        {E::AttenteQuestions, false, true, A::Attendre},
        {E::Attente, true, false, A::Refuser},
        {E::Attente, false, true, A::Refuser},
        {E::Lecteurs, true, false, A::Refuser},
        {E::Lecteurs, false, false, A::Refuser},
        {E::Terminee, true, true, A::Accepter},
        {E::Terminee, false, false, A::Accepter},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(DeciderFermeture(c.etat, c.parUtilisateur, c.operation), c.attendu)
            << int(c.etat) << " " << c.parUtilisateur << " " << c.operation;
}
