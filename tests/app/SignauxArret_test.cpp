#include "app/SignauxArret.h"
#include "support/Attente.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/stat.h>

namespace {
// A program that notes its open descriptors ("<fd> <target>" lines) in `fichier`.
QStringList argumentsReleve(const QString& fichier)
{
    return {"-c", "find /proc/$$/fd -mindepth 1 -printf '%f %l\\n' > \"$1.tmp\"; mv \"$1.tmp\" \"$1\"", "releve",
            fichier};
}

QString lire(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}
}  // namespace

TEST(SignauxArret, AStopSignalIsToldFromTheEventLoopAndNoProgramWeStartHoldsItsPipe)
{
    QObject contexte;
    int recus = 0;
    ASSERT_TRUE(installerSignauxArret(&contexte, [&] { ++recus; }));
    QStringList bouts;
    for (int i = 0; i < 2; ++i) {
        struct stat infos {};
        ASSERT_EQ(::fstat(descripteurSignauxArret(i), &infos), 0);
        bouts << QString("socket:[%1]").arg(infos.st_ino);
    }

    // Programs start through QProcess (the shutdown command, the user's program after a
    // recording, the desktop's opener): none of them gets either end.
    QTemporaryDir d;
    ASSERT_TRUE(d.isValid());
    ASSERT_TRUE(QProcess::startDetached("/bin/sh", argumentsReleve(d.filePath("detache"))));
    QProcess attache;
    attache.start("/bin/sh", argumentsReleve(d.filePath("attache")));
    ASSERT_TRUE(attendreQue([&] { return QFile::exists(d.filePath("detache")) && QFile::exists(d.filePath("attache")); },
                            10000));
    attache.waitForFinished();
    for (const char* nom : {"detache", "attache"}) {
        const QString fichiers = lire(d.filePath(nom));
        EXPECT_FALSE(fichiers.isEmpty()) << nom;
        for (const QString& bout : bouts)
            EXPECT_FALSE(fichiers.contains(bout)) << nom << " holds " << bout.toStdString() << ":\n"
                                                  << fichiers.toStdString();
    }

    ::raise(SIGTERM);
    EXPECT_EQ(recus, 0) << "handled inside the signal handler";
    ASSERT_TRUE(attendreQue([&] { return recus > 0; }, 2000));
    laisserTourner(100);
    EXPECT_EQ(recus, 1);
}
