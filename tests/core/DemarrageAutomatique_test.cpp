#include "core/DemarrageAutomatique.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
// What desktop-file-validate says of the entry (empty when it finds nothing wrong), or why
// it could not run.
QString verdict(const QString& entree)
{
    QTemporaryDir dossier;
    QFile f(dossier.filePath("Kelmor.desktop"));
    if (!f.open(QIODevice::WriteOnly) || f.write(entree.toUtf8()) < 0)
        return "not written";
    f.close();
    QProcess p;
    p.start("desktop-file-validate", {f.fileName()});
    if (!p.waitForFinished(10000))
        return "desktop-file-validate did not run";
    return QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError()).trimmed()
           + (p.exitCode() == 0 ? QString() : QStringLiteral(" (exit %1)").arg(p.exitCode()));
}
}  // namespace

TEST(EntreeDemarrageAutomatique, NamesTheProgramWithTheMinimisedSwitchAndIsAValidEntry)
{
    const QString e = EntreeDemarrageAutomatique("/usr/local/bin/kelmor");
    EXPECT_TRUE(e.contains("\nExec=\"/usr/local/bin/kelmor\" /m\n")) << e.toStdString();
    EXPECT_EQ(verdict(e), QString());
}

TEST(EntreeDemarrageAutomatique, AProgramPathWithBlanksQuotesAndDollarsStaysOneValidArgument)
{
    const QString e = EntreeDemarrageAutomatique("/home/léa/mes \"programmes\" $HOME/100%/kelmor");
    EXPECT_TRUE(e.contains("Exec=\"/home/léa/mes \\\\\"programmes\\\\\" \\\\$HOME/100%%/kelmor\" /m\n"))
        << e.toStdString();
    EXPECT_EQ(verdict(e), QString());
}
