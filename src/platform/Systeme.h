#pragma once
#include "platform/Suite.h"

#include <QString>
#include <QStringList>

// Operating-system commands: the automatic shutdown and the user's own program.
class Systeme {
public:
    virtual ~Systeme() = default;
    // Shuts the computer down in one minute, with a notice to logged-in users. `fait` is told
    // later whether the system took the order: the command ended with success within a bound.
    virtual void programmerArret(const QString& avis, Suite<bool> fait) = 0;
    // Cancels that shutdown; `fait` as above.
    virtual void annulerArret(Suite<bool> fait) = 0;
    // Starts a program detached, without a shell.
    virtual bool lancerProgramme(const QString& programme, const QStringList& arguments) = 0;
};
