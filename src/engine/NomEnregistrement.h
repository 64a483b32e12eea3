#pragma once
#include "core/Parametres.h"

#include <QDateTime>
#include <QString>

// The channel name as it appears in a recording's file name: ">", "/" and "'" become
// blanks; { } , : " \ and control characters are dropped, since the file name is placed
// inside the player's stream-output chain. Everything else (accents included) stays.
QString nettoyerNomChaine(const QString& nomChaine);

// ".mpg" without transcoding; with it, the audio codec's extension when only the sound is
// kept, else the video codec's. "" when the index is outside its table.
QString extensionEnregistrement(const Parametres& p);

// dossier (with its final "/") + "Kelmor yyyy-MM-dd hh-mm-ss " + the cleaned channel name
// + the extension. Two recordings of one channel in the same second get the same name.
QString NomFichierEnregistrement(const QString& dossier, const QDateTime& maintenant,
                                 const QString& nomChaine, const Parametres& p);
