#pragma once
#include <QByteArray>
#include <QString>

// The most the program reads of one of its files, as of a download: a link to an endless
// source must not fill the memory.
inline constexpr qint64 kTailleMaxLecture = 8 * 1024 * 1024;

enum class Lecture { Lue, Absent, PasUnFichier, TropGrand, Illisible };

// Reads a regular file whole, `tailleMax` bytes at most. A FIFO, a device or a folder is
// never opened for reading (a FIFO would hold the caller until a writer comes).
Lecture lireFichierBorne(const QString& chemin, QByteArray& texte, qint64 tailleMax = kTailleMaxLecture);

// What the user is told when `chemin` exists and could not be read (`l` neither Lue nor
// Absent), without the closing line.
QString messageLecture(const QString& chemin, Lecture l);

// What a read of `chemin` would give, found without opening it: Lue for a regular file
// within the bound.
Lecture examinerFichier(const QString& chemin, qint64 tailleMax = kTailleMaxLecture);
