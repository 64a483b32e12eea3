#include "platform/reel/PlateformeReelle.h"
#include "support/Attente.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace {
// A stand-in shutdown command: notes its arguments, one per line, then does what `corps` says.
QString commande(const QTemporaryDir& d, const QString& nom, const QByteArray& corps)
{
    const QString chemin = d.filePath(nom);
    QFile f(chemin);
    if (!f.open(QIODevice::WriteOnly))
        return {};
    f.write("#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$(dirname \"$0\")/" + nom.toUtf8() + ".args\"\n" + corps);
    f.close();
    f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return chemin;
}

struct Reponse {
    std::optional<bool> reussi;
    int fois = 0;
};

Suite<bool> noter(const std::shared_ptr<Reponse>& r)
{
    return Suite<bool>([r](bool reussi) {
        r->reussi = reussi;
        ++r->fois;
    });
}

QByteArray lire(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
}  // namespace

TEST(SystemeReel, TheShutdownAndItsCancellationTellTheCommandsExitStatusLater)
{
    QTemporaryDir d;
    ASSERT_TRUE(d.isValid());
    SystemeReel accepte(commande(d, "accepte", "exit 0\n"));
    auto arret = std::make_shared<Reponse>();
    auto annulation = std::make_shared<Reponse>();
    accepte.programmerArret("Avis", noter(arret));
    accepte.annulerArret(noter(annulation));
    EXPECT_EQ(arret->fois + annulation->fois, 0) << "told inside the call";
    ASSERT_TRUE(attendreQue([&] { return arret->fois > 0 && annulation->fois > 0; }, 5000));
    EXPECT_EQ(arret->reussi, std::optional<bool>(true));
    EXPECT_EQ(annulation->reussi, std::optional<bool>(true));

    // Refused (logind refuses an inactive session, say): a failure, as is a command that
    // cannot start or is missing altogether.
    SystemeReel refuse(commande(d, "refuse", "echo 'Access denied' >&2\nexit 1\n"));
    auto refusee = std::make_shared<Reponse>();
    refuse.programmerArret("Avis à \"tous\" ; exit 0", noter(refusee));
    SystemeReel absent(d.filePath("absent"));
    auto introuvable = std::make_shared<Reponse>();
    absent.annulerArret(noter(introuvable));
    EXPECT_EQ(introuvable->fois, 0) << "told inside the call";
    ASSERT_TRUE(attendreQue([&] { return refusee->fois > 0 && introuvable->fois > 0; }, 5000));
    EXPECT_EQ(refusee->reussi, std::optional<bool>(false));
    EXPECT_EQ(introuvable->reussi, std::optional<bool>(false));
    // The notice goes as one argument, quotes and all, never through a shell.
    EXPECT_EQ(QString::fromUtf8(lire(d.filePath("refuse.args"))), "-h\n+1\nAvis à \"tous\" ; exit 0\n");

    laisserTourner(200);
    EXPECT_EQ(arret->fois, 1);
    EXPECT_EQ(annulation->fois, 1);
    EXPECT_EQ(refusee->fois, 1);
    EXPECT_EQ(introuvable->fois, 1);
}

TEST(SystemeReel, ACommandThatDoesNotEndIsAFailureAtTheBound)
{
    QTemporaryDir d;
    ASSERT_TRUE(d.isValid());
    SystemeReel fige(commande(d, "fige", "exec sleep 30\n"), 300);
    auto r = std::make_shared<Reponse>();
    QElapsedTimer chrono;
    chrono.start();
    fige.programmerArret("Avis", noter(r));
    ASSERT_TRUE(attendreQue([&] { return r->fois > 0; }, 5000));
    EXPECT_EQ(r->reussi, std::optional<bool>(false));
    EXPECT_GE(chrono.elapsed(), 250);
    EXPECT_LT(chrono.elapsed(), 3000);
    laisserTourner(200);
    EXPECT_EQ(r->fois, 1);
}
