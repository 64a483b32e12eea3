#include "platform/LectureBornee.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

Lecture lireFichierBorne(const QString& chemin, QByteArray& texte, qint64 tailleMax)
{
    texte.clear();
    // Non-blocking, so that opening a FIFO returns at once; fstat then tells what it is.
    const int fd = ::open(QFile::encodeName(chemin).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT || errno == ENOTDIR ? Lecture::Absent : Lecture::Illisible;
    Lecture issue = Lecture::Lue;
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        issue = Lecture::Illisible;
    } else if (!S_ISREG(st.st_mode)) {
        issue = Lecture::PasUnFichier;
    } else if (st.st_size > tailleMax) {
        issue = Lecture::TropGrand;
    } else {
        // The size may grow under us (or be 0 for a kernel file): the bound holds whatever.
        char tampon[65536];
        for (;;) {
            const ssize_t n = ::read(fd, tampon, sizeof tampon);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                issue = Lecture::Illisible;
                break;
            }
            if (n == 0)
                break;
            if (texte.size() + n > tailleMax) {
                issue = Lecture::TropGrand;
                break;
            }
            texte.append(tampon, n);
        }
    }
    ::close(fd);
    if (issue != Lecture::Lue)
        texte.clear();
    return issue;
}

QString messageLecture(const QString& chemin, Lecture l)
{
    QString raison;
    switch (l) {
    case Lecture::PasUnFichier: raison = QStringLiteral("ce n'est pas un fichier ordinaire."); break;
    case Lecture::TropGrand:
        raison = QStringLiteral("il dépasse %1 Mo.").arg(kTailleMaxLecture / (1024 * 1024));
        break;
    default: raison = QStringLiteral("il est illisible."); break;
    }
    return QStringLiteral("Le fichier %1 ne peut pas être lu :\n").arg(chemin) + raison;
}

Lecture examinerFichier(const QString& chemin, qint64 tailleMax)
{
    struct stat st {};
    if (::stat(QFile::encodeName(chemin).constData(), &st) != 0)
        return errno == ENOENT || errno == ENOTDIR ? Lecture::Absent : Lecture::Illisible;
    if (!S_ISREG(st.st_mode))
        return Lecture::PasUnFichier;
    return st.st_size > tailleMax ? Lecture::TropGrand : Lecture::Lue;
}
