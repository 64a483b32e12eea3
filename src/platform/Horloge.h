#pragma once
#include <QDateTime>

// The clock and the waits. Tests use a fake clock and instant waits.
class Horloge {
public:
    virtual ~Horloge() = default;
    virtual QDateTime maintenant() = 0;
    // Sleeps about ms milliseconds while letting pending window events run.
    virtual void attendre(int ms) = 0;
};
