#pragma once
#include <QString>
#include <QStringList>

// Operating-system commands: the automatic shutdown and the user's own program.
class Systeme {
public:
    virtual ~Systeme() = default;
    // Shuts the computer down in one minute, with a notice to logged-in users.
    virtual void programmerArret(const QString& avis) = 0;
    virtual void annulerArret() = 0;
    // Starts a program detached, without a shell.
    virtual bool lancerProgramme(const QString& programme, const QStringList& arguments) = 0;
};
