#include "platform/reel/PlateformeReelle.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <unistd.h>

using Resultat = InstanceUnique::Resultat;

namespace {
bool estRoot()
{
    return ::geteuid() == 0;
}

// Takes the rights to write away from a folder for as long as it lives.
class LectureSeule {
public:
    explicit LectureSeule(const QString& dossier) : dossier_(dossier)
    {
        QFile::setPermissions(dossier_, QFile::ReadOwner | QFile::ExeOwner);
    }
    ~LectureSeule()
    {
        QFile::setPermissions(dossier_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

private:
    QString dossier_;
};
}  // namespace

TEST(InstanceUniqueReelle, FirstCopyHoldsTheLockAndASecondIsToldItIsAlreadyRunning)
{
    QTemporaryDir d;
    ASSERT_TRUE(d.isValid());
    InstanceUniqueReelle premiere(d.path());
    InstanceUniqueReelle seconde(d.path());
    EXPECT_EQ(premiere.verrouiller(), Resultat::Seule);
    EXPECT_EQ(seconde.verrouiller(), Resultat::DejaLancee);
}

TEST(InstanceUniqueReelle, FolderThatCannotBeMadeIsNotTakenForAnotherCopy)
{
    QTemporaryDir d;
    ASSERT_TRUE(d.isValid());
    QFile fichier(d.filePath("fichier"));
    ASSERT_TRUE(fichier.open(QIODevice::WriteOnly));
    fichier.close();
    // Even root cannot make a folder inside a plain file.
    InstanceUniqueReelle instance(d.filePath("fichier/Kelmor"));
    EXPECT_EQ(instance.verrouiller(), Resultat::DossierInaccessible);
}

TEST(InstanceUniqueReelle, ReadOnlyFolderIsNotTakenForAnotherCopy)
{
    if (estRoot())
        GTEST_SKIP() << "root writes into read-only folders";
    QTemporaryDir d;
    ASSERT_TRUE(d.isValid());
    LectureSeule lectureSeule(d.path());
    InstanceUniqueReelle instance(d.path());
    EXPECT_EQ(instance.verrouiller(), Resultat::DossierInaccessible);
}

TEST(InstanceUniqueReelle, LockLeftByAnEndedCopyInAReadOnlyFolderIsNotTakenForAnotherCopy)
{
    if (estRoot())
        GTEST_SKIP() << "root writes into read-only folders";
    QTemporaryDir d;
    ASSERT_TRUE(d.isValid());
    // A lock as this process writes it, then owned by a process that has ended.
    QByteArray contenu;
    {
        InstanceUniqueReelle modele(d.path());
        ASSERT_EQ(modele.verrouiller(), Resultat::Seule);
        QFile lu(d.filePath("Kelmor.lock"));
        ASSERT_TRUE(lu.open(QIODevice::ReadOnly));
        contenu = lu.readAll();
    }
    QProcess fini;
    fini.start("true", {});
    ASSERT_TRUE(fini.waitForStarted());
    const qint64 pidFini = fini.processId();  // kept until the process is reaped below
    ASSERT_TRUE(fini.waitForFinished());
    ASSERT_NE(::kill(static_cast<pid_t>(pidFini), 0), 0);
    {
        QFile ecrit(d.filePath("Kelmor.lock.laisse"));
        ASSERT_TRUE(ecrit.open(QIODevice::WriteOnly));
        ecrit.write(QByteArray::number(pidFini) + contenu.mid(contenu.indexOf('\n')));
    }
    ASSERT_TRUE(QFile::rename(d.filePath("Kelmor.lock.laisse"), d.filePath("Kelmor.lock")));
    {
        // Where the folder can be written, the ended copy's lock is simply taken over.
        QTemporaryDir e;
        ASSERT_TRUE(e.isValid());
        ASSERT_TRUE(QFile::copy(d.filePath("Kelmor.lock"), e.filePath("Kelmor.lock")));
        InstanceUniqueReelle instance(e.path());
        EXPECT_EQ(instance.verrouiller(), Resultat::Seule);
    }
    LectureSeule lectureSeule(d.path());
    InstanceUniqueReelle instance(d.path());
    EXPECT_EQ(instance.verrouiller(), Resultat::DossierInaccessible);
}
