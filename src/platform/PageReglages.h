#pragma once
#include <QString>

// The small web server the box's player feature reads "settings.html" and
// "settings.gif" from, while a channel is sent to the television.
class PageReglages {
public:
    virtual ~PageReglages() = default;
    // Serves the two files of that folder. False when the port cannot be taken.
    virtual bool demarrer(const QString& dossier) = 0;
    virtual void arreter() = 0;
    virtual bool enService() const = 0;
};
