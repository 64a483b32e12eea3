#pragma once
#include <QString>

// Opens a web address or a file with the desktop's default handler.
class Shell {
public:
    virtual ~Shell() = default;
    virtual void ouvrir(const QString& adresse) = 0;
};
