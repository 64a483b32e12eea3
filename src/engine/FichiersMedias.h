#pragma once
#include <QString>
#include <QStringList>

// The file lists of the media pane: the recordings and the snapshots of the recording folder.

inline const QString MotifVideos = QStringLiteral("Kelmor *.*");
inline const QString MotifPhotos = QStringLiteral("vlcsnap-*.*");

// Wildcard match of a whole file name: "*" is any run of characters, "?" any one
// character, everything else stands for itself; letters compare without regard to case.
bool correspondMotif(const QString& nom, const QString& motif);

// The names that match, in name order (letters without regard to case, so recordings
// follow their date and time; names that differ only by case keep a fixed order).
QStringList nomsCorrespondants(const QStringList& noms, const QString& motif);

// The files (not folders, not hidden files) of the folder that match, in name order.
// Empty when the folder cannot be read.
QStringList listerFichiers(const QString& dossier, const QString& motif);

// The selection after deleting the file at `index` and re-reading the list, which now
// holds `nombre` files: the file that followed the deleted one, or the new last one when
// the last was deleted; -1 when the list is empty.
int selectionApresSuppression(int index, int nombre);
