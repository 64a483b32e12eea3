#pragma once
#include "platform/Suite.h"

#include <QDateTime>

// The clock and the steps of a wait. Nothing waits in the call stack: a wait is a step that
// runs later, from the event loop. Tests use a fake clock that they move on themselves.
class Horloge {
public:
    virtual ~Horloge() = default;
    virtual QDateTime maintenant() = 0;
    // Milliseconds from a fixed point on a monotonic clock: elapsed time, which a change of
    // hour or of the system's date does not move. Durations are counted on it.
    virtual qint64 ecouleMs() = 0;
    // Runs `etape` once, about ms milliseconds from now, from the event loop.
    virtual void apres(int ms, Suite<> etape) = 0;
};
