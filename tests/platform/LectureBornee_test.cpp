#include "platform/LectureBornee.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {
struct Cas {
    const char* quoi;
    std::function<QString(const QString& dossier)> preparer;  // gives the path to read
    Lecture attendu;
};

QString ecrire(const QString& chemin, const QByteArray& contenu)
{
    QFile f(chemin);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(contenu);
    return chemin;
}
}  // namespace

TEST(LectureBornee, OnlyARegularFileWithinTheBoundIsRead)
{
    constexpr qint64 borne = 1000;
    const std::vector<Cas> cas = {
        {"regular file", [](const QString& d) { return ecrire(d + "/a", QByteArray(borne, 'x')); }, Lecture::Lue},
        {"empty file", [](const QString& d) { return ecrire(d + "/a", {}); }, Lecture::Lue},
        {"absent", [](const QString& d) { return d + "/rien"; }, Lecture::Absent},
        {"under a file", [](const QString& d) { return ecrire(d + "/a", "x") + "/b"; }, Lecture::Absent},
        {"one byte too many", [](const QString& d) { return ecrire(d + "/a", QByteArray(borne + 1, 'x')); },
         Lecture::TropGrand},
        {"FIFO without a writer",
         [](const QString& d) {
             EXPECT_EQ(::mkfifo(QFile::encodeName(d + "/f").constData(), 0600), 0);
             return d + "/f";
         },
         Lecture::PasUnFichier},
        {"link to an endless device",
         [](const QString& d) {
             EXPECT_EQ(::symlink("/dev/zero", QFile::encodeName(d + "/z").constData()), 0);
             return d + "/z";
         },
         Lecture::PasUnFichier},
        {"folder",
         [](const QString& d) {
             QDir(d).mkdir("sous");
             return d + "/sous";
         },
         Lecture::PasUnFichier},
    };
    for (const Cas& c : cas) {
        QTemporaryDir dossier;
        const QString chemin = c.preparer(dossier.path());
        QByteArray texte = "avant";
        EXPECT_EQ(examinerFichier(chemin, borne), c.attendu) << c.quoi;
        EXPECT_EQ(lireFichierBorne(chemin, texte, borne), c.attendu) << c.quoi;
        // What was read is the file whole; nothing is kept of a refused one.
        EXPECT_EQ(texte, c.attendu == Lecture::Lue ? QByteArray(texte.size(), 'x') : QByteArray()) << c.quoi;
        if (c.quoi == std::string("regular file")) {
            EXPECT_EQ(texte.size(), borne);
        }
    }
}

TEST(LectureBornee, AFileThatGrowsPastTheBoundWhileReadIsTooBig)
{
    // /proc files say they are empty and give more: the bound holds on what is read.
    QByteArray texte;
    EXPECT_EQ(lireFichierBorne("/proc/self/maps", texte, 16), Lecture::TropGrand);
    EXPECT_TRUE(texte.isEmpty());
    EXPECT_EQ(lireFichierBorne("/proc/self/maps", texte), Lecture::Lue);
    EXPECT_FALSE(texte.isEmpty());
}

TEST(LectureBornee, TheMessageNamesTheFileAndWhy)
{
    EXPECT_EQ(messageLecture("/d/Kelmor.ini", Lecture::PasUnFichier),
              "Le fichier /d/Kelmor.ini ne peut pas être lu :\nce n'est pas un fichier ordinaire.");
    EXPECT_EQ(messageLecture("/d/Kelmor.cfg", Lecture::TropGrand),
              "Le fichier /d/Kelmor.cfg ne peut pas être lu :\nil dépasse 8 Mo.");
    EXPECT_EQ(messageLecture("/d/Kelmor.cfg", Lecture::Illisible),
              "Le fichier /d/Kelmor.cfg ne peut pas être lu :\nil est illisible.");
}
