#pragma once
#include <functional>

// Runs the event loop until the condition holds or ms pass; true when it held. The thread
// never sleeps meanwhile: it wakes for every event, and at least every few milliseconds to
// look at the condition again, so a busy machine slows the wait but never the program.
bool attendreQue(const std::function<bool()>& condition, int ms);

// Runs the event loop for ms, for a check that something did not happen.
void laisserTourner(int ms);

// The longest a call that must not wait may take: only a call that waited for a player, a
// reply or a timer comes near it, a busy machine does not. What the call must not have done
// meanwhile (told its result inside the call, ended the process) is checked beside it.
constexpr int kAppelImmediatMs = 1000;

class QProcess;
// Waits for a helper process to end with the event loop running (the program under test
// goes on meanwhile); true when it ended in time.
bool attendreFin(QProcess& processus, int ms);
