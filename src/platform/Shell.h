#pragma once
#include <QString>

// Opens a web address or a file with the desktop's default handler.
class Shell {
public:
    virtual ~Shell() = default;
    // False when the desktop has nothing to open it with.
    virtual bool ouvrir(const QString& adresse) = 0;
};
