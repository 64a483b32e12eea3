#pragma once
#include "engine/DecisionsHorloge.h"

#include <QDateTime>
#include <QString>

#include <optional>

struct Plateforme;
struct Session;

// What the 10-second clock reads before it decides: one look at the running recorder, then
// the session and the platform as the tick's decisions take them.

// What the look at the running recorder found.
struct RapportEnregistreur {
    // A failed scheduled recording: the message for the schedule's decision.
    std::optional<QString> echecProgramme;
    // A failed manual recording or time-shift, to be stopped: what the user is told.
    std::optional<QString> echecManuel;
};

// Looks at the running recorder (time-shift's too: without its buffer the viewer shows
// nothing). A failed verdict ends the watch.
RapportEnregistreur surveillerEnregistreur(Session& session, Plateforme& plateforme, const QDateTime& maintenant);

// The tick's entry at `maintenant`, without the scheduled entry's end and its failure, which
// the tick adds itself.
EntreeHorloge lireEntreeHorloge(const Session& session, Plateforme& plateforme, const QDateTime& maintenant);
