#pragma once
#include "platform/PrefixeInstantane.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The file lists of the media pane: the recordings and the snapshots of the recording folder.

inline const QString MotifVideos = QStringLiteral("Kelmor *.*");
inline const QString MotifPhotos = PrefixeInstantane + QStringLiteral("*.*");

// Wildcard match of a whole file name: "*" is any run of characters, "?" any one
// character, everything else stands for itself; letters compare without regard to case.
bool correspondMotif(const QString& nom, const QString& motif);

// The names that match, in name order (letters without regard to case, so recordings
// follow their date and time; names that differ only by case keep a fixed order).
QStringList nomsCorrespondants(const QStringList& noms, const QString& motif);

// A listed file: its name as shown and its name as the disk holds it. Names need not be
// UTF-8 text (a file copied from elsewhere): Qt's own listing leaves such files out, and the
// text shown ("�" for each byte that is not UTF-8) leads back to no file.
struct FichierMedia {
    QString nom;
    QByteArray octets;
    bool operator==(const FichierMedia&) const = default;
    // The name shown is the file's own name: the file can be handed on by its text.
    bool nomFidele() const;
};

// The files (not folders, not hidden files) of the folder that match, in name order, whatever
// bytes their names hold. Empty when the folder cannot be read.
QList<FichierMedia> listerFichiersMedias(const QString& dossier, const QString& motif);
// The names alone.
QStringList listerFichiers(const QString& dossier, const QString& motif);
// The path of the folder's file whose name is these bytes, as bytes.
QByteArray cheminFichierMedia(const QString& dossier, const QByteArray& octets);
// Whether the file of the folder whose name is these bytes exists.
bool fichierMediaExiste(const QString& dossier, const QByteArray& octets);

// The selection after deleting the file at `index` and re-reading the list, which now
// holds `nombre` files: the file that followed the deleted one, or the new last one when
// the last was deleted; -1 when the list is empty.
int selectionApresSuppression(int index, int nombre);
