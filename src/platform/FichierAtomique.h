#pragma once
#include <QByteArray>
#include <QString>

// Replaces a file whole: the new content goes to a temporary file beside it, which then
// takes the file's place. A failed write leaves the old file as it was and returns false.
bool ecrireFichierAtomique(const QString& chemin, const QByteArray& contenu);
