#pragma once
#include <functional>

// Where the program's close stands: one value, moved by Application only.
enum class EtatFermeture {
    EnMarche,         // running: no close asked, or the user refused it
    Questions,        // the quit questions are open (the clock goes on meanwhile)
    Attente,          // a close waits for the engine's sequence to end; it asks nothing more
    AttenteQuestions, // the user's close waits for the sequence, then asks its questions
    Lecteurs,         // saved; the players close on the way out
    Terminee,         // everything is done: the window closes, the program ends
};

// What a close asked in state `etat` does. `operation`: an engine sequence runs now.
enum class ActionFermeture { Accepter, Refuser, Attendre, AttendreQuestions, Demander, Fermer };
ActionFermeture DeciderFermeture(EtatFermeture etat, bool parUtilisateur, bool operation);
