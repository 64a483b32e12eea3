#include "platform/reel/PlateformeReelle.h"

#include <QByteArray>
#include <QDir>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSysInfo>
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

namespace {
void ecrireVerrou(const QString& chemin, const QByteArray& contenu)
{
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(contenu);
}

// A pid that no process holds any more.
qint64 pidTermine()
{
    QProcess fini;
    fini.start("true", {});
    fini.waitForStarted();
    const qint64 pid = fini.processId();
    fini.waitForFinished();
    return pid;
}
}  // namespace

// Things that stop the start without a copy running: each is told apart, with its path.
TEST(InstanceUniqueReelle, AFolderOrALinkInTheLocksPlaceIsNotTakenForAnotherCopy)
{
    QTemporaryDir d;
    ASSERT_TRUE(d.isValid());
    ASSERT_TRUE(QDir(d.path()).mkdir("Kelmor.lock"));
    InstanceUniqueReelle instance(d.path());
    EXPECT_EQ(instance.verrouiller(), Resultat::VerrouPasUnFichier);
    EXPECT_EQ(instance.cheminVerrou(), d.filePath("Kelmor.lock"));
    EXPECT_TRUE(QFileInfo(d.filePath("Kelmor.lock")).isDir()) << "the folder was touched";

    QTemporaryDir e;
    ASSERT_TRUE(e.isValid());
    ASSERT_TRUE(QFile::link(d.path(), e.filePath("Kelmor.lock")));
    InstanceUniqueReelle lien(e.path());
    EXPECT_EQ(lien.verrouiller(), Resultat::VerrouPasUnFichier);
    ASSERT_TRUE(QFile::remove(e.filePath("Kelmor.lock")));
    ASSERT_TRUE(QFile::link(e.filePath("nulle-part"), e.filePath("Kelmor.lock")));
    EXPECT_EQ(lien.verrouiller(), Resultat::VerrouPasUnFichier);
}

TEST(InstanceUniqueReelle, ALockThatSaysNothingIsDamagedOnlyOnceACopyHadTimeToWriteIt)
{
    QTemporaryDir d;
    ASSERT_TRUE(d.isValid());
    const QString chemin = d.filePath("Kelmor.lock");
    // Just made: a copy starting right now has not written it yet.
    ecrireVerrou(chemin, "");
    InstanceUniqueReelle instance(d.path());
    EXPECT_EQ(instance.verrouiller(), Resultat::DejaLancee);
    // Left so by a crash a while ago.
    for (const QByteArray& contenu : {QByteArray(), QByteArray("\n\n\n"), QByteArray("x\x01\xff\nkelmor\n")}) {
        ecrireVerrou(chemin, contenu);
        QFile f(chemin);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
        f.close();
        EXPECT_EQ(instance.verrouiller(), Resultat::VerrouIllisible) << contenu.toStdString();
        EXPECT_TRUE(QFile::exists(chemin)) << "the user's to remove";
    }
}

TEST(InstanceUniqueReelle, ALockOfAnotherComputerNamesItAndOneOfThisComputerRenamedIsTakenOver)
{
    QTemporaryDir d;
    ASSERT_TRUE(d.isValid());
    const QString chemin = d.filePath("Kelmor.lock");
    const QByteArray pid = QByteArray::number(pidTermine());
    // Written by a Qt that kept no machine id, or on a machine that has none: only the name
    // tells, and this computer cannot see whether that copy runs.
    ecrireVerrou(chemin, pid + "\nkelmor\nancien-nom\n");
    InstanceUniqueReelle instance(d.path());
    EXPECT_EQ(instance.verrouiller(), Resultat::VerrouAutreMachine);
    EXPECT_EQ(instance.machineDuVerrou(), "ancien-nom");
    EXPECT_TRUE(QFile::exists(chemin));

    // The same machine under its former name: its id tells, and the ended copy's lock goes.
    const QByteArray id = QSysInfo::machineUniqueId();
    if (!id.isEmpty()) {
        ecrireVerrou(chemin, pid + "\nkelmor\nancien-nom\n" + id + "\n\n");
        EXPECT_EQ(instance.verrouiller(), Resultat::Seule);
        EXPECT_EQ(instance.machineDuVerrou(), "");
    }
}

TEST(InstanceUniqueReelle, ACopyOfThisComputerThatRunsIsStillAlreadyRunning)
{
    QTemporaryDir d;
    ASSERT_TRUE(d.isValid());
    InstanceUniqueReelle premiere(d.path());
    ASSERT_EQ(premiere.verrouiller(), Resultat::Seule);
    InstanceUniqueReelle seconde(d.path());
    EXPECT_EQ(seconde.verrouiller(), Resultat::DejaLancee);
    EXPECT_EQ(seconde.machineDuVerrou(), "");
}
