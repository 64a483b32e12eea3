#pragma once
#include <QObject>

#include <functional>

// SIGTERM, SIGINT and SIGHUP become a call of `surSignal` from the event loop: the handler
// only writes a byte to a socket pair that the loop watches. The pair is close-on-exec, so
// that no program we start holds it (a byte written there would end the program without its
// questions). False when the pair cannot be made: the signals then keep their default.
bool installerSignauxArret(QObject* contexte, std::function<void()> surSignal);

// The pair's two ends, -1 before it is made (tests).
int descripteurSignauxArret(int bout);
