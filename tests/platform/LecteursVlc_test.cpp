#include "platform/reel/LecteursVlc.h"
#include "platform/reel/PilotageVlc.h"
#include "support/Attente.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <memory>
#include <optional>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

TEST(LecteursVlc, MissingProgramDoesNotStartOrRegister)
{
    QTemporaryDir dossier;
    LecteursVlc lecteurs(dossier.path());
    EXPECT_FALSE(lecteurs.demarrer(RoleLecteur::Regarder, dossier.filePath("pas-de-vlc"), {"--", "x.ts"}));
    EXPECT_FALSE(lecteurs.enCours(RoleLecteur::Regarder));
    EXPECT_TRUE(lecteurs.aucunEnCours());
    EXPECT_EQ(lecteurs.cheminSocket(RoleLecteur::Regarder), "");
    EXPECT_FALSE(QFile::exists(lecteurs.fichierPids()));

    // With no player, the reports still come later, from the event loop.
    auto recu = std::make_shared<std::optional<bool>>();
    auto invalide = std::make_shared<std::optional<bool>>();
    auto reponse = std::make_shared<std::optional<QString>>();
    lecteurs.envoyerTouche(RoleLecteur::Regarder, "key-vol-up", Suite<bool>([recu](bool r) { *recu = r; }));
    lecteurs.envoyerTouche(RoleLecteur::Regarder, "key vol", Suite<bool>([invalide](bool r) { *invalide = r; }));
    lecteurs.commande(RoleLecteur::Regarder, "status", Suite<QString>([reponse](QString t) { *reponse = t; }), 100);
    EXPECT_FALSE(recu->has_value() || invalide->has_value() || reponse->has_value()) << "told inside the call";
    ASSERT_TRUE(attendreQue([&] { return recu->has_value() && invalide->has_value() && reponse->has_value(); }, 2000));
    EXPECT_FALSE(**recu);
    EXPECT_FALSE(**invalide);
    EXPECT_EQ(**reponse, "");
}

TEST(LecteursVlc, ACloseWithNothingToCloseIsStillToldOnceFromTheEventLoop)
{
    QTemporaryDir dossier;
    LecteursVlc lecteurs(dossier.path());
    int fin = 0, finTous = 0, sansSuite = 0;
    lecteurs.fermer(RoleLecteur::Fichier, Suite<>([&] { ++fin; }));
    lecteurs.fermer(RoleLecteur::Fichier);
    lecteurs.fermerTous(Suite<>([&] { ++finTous; }));
    EXPECT_EQ(fin + finTous, 0) << "told inside the call";
    ASSERT_TRUE(attendreQue([&] { return fin > 0 && finTous > 0; }, 2000));
    // Told once only, and never after the object has gone.
    {
        LecteursVlc ephemere(dossier.path());
        ephemere.fermerTous(Suite<>([&] { ++sansSuite; }));
    }
    laisserTourner(200);
    EXPECT_EQ(fin, 1);
    EXPECT_EQ(finTous, 1);
    EXPECT_EQ(sansSuite, 0);
}

TEST(LecteursVlc, LeftoverCloseNeverSignalsAProcessThatIsNotOurs)
{
    QTemporaryDir dossier;
    const QString fichier = dossier.filePath("Kelmor.pids");
    {
        QFile f(fichier);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        // This test process itself stands for a recycled pid, in both line forms.
        f.write(QByteArray::number(qint64(::getpid())) + " Regarder\n1 Fichier\n"
                + QByteArray::number(qint64(::getpid())) + " Fichier 0a1b2c\n");
    }
    LecteursVlc lecteurs(dossier.path());
    lecteurs.fermerRestes();
    EXPECT_FALSE(QFile::exists(fichier));
    EXPECT_TRUE(lecteurs.aucunEnCours());
    EXPECT_EQ(lecteurs.departsEnCours(), 0);
}

namespace {
// A unix socket file at that path, left as a killed player leaves its own.
bool socketA(const QString& chemin)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un adresse{};
    adresse.sun_family = AF_UNIX;
    const QByteArray natif = QFile::encodeName(chemin);
    if (fd < 0 || size_t(natif.size()) >= sizeof adresse.sun_path)
        return false;
    std::memcpy(adresse.sun_path, natif.constData(), size_t(natif.size()));
    const bool lie = ::bind(fd, reinterpret_cast<sockaddr*>(&adresse), sizeof adresse) == 0;
    ::close(fd);
    return lie;
}

// Sets an environment variable for as long as it lives.
class Environnement {
public:
    Environnement(const char* nom, const QByteArray& valeur) : nom_(nom), avant_(qgetenv(nom)), etait_(qEnvironmentVariableIsSet(nom))
    {
        qputenv(nom, valeur);
    }
    ~Environnement() { etait_ ? qputenv(nom_, avant_) : qunsetenv(nom_); }

private:
    const char* nom_;
    QByteArray avant_;
    bool etait_;
};
}  // namespace

TEST(LecteursVlc, SocketsLiveInAPrivateFolderAndGoWithAPlayerThatDies)
{
    QTemporaryDir dossier;
    ASSERT_TRUE(dossier.isValid());
    const QString script = dossier.filePath("lecteur");
    {
        QFile f(script);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("#!/bin/sh\nexec sleep 30\n");
        f.close();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    // The user's runtime folder when it is theirs alone.
    QTemporaryDir runtime("/tmp/kt-XXXXXX");
    ASSERT_TRUE(runtime.isValid());
    ASSERT_EQ(::chmod(QFile::encodeName(runtime.path()).constData(), 0700), 0);
    Environnement xdg("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    EXPECT_EQ(LecteursVlc(dossier.path()).dossierSockets(), runtime.path());
    ASSERT_EQ(::chmod(QFile::encodeName(runtime.path()).constData(), 0755), 0);

    const RoleLecteur R = RoleLecteur::Regarder;
    LecteursVlc lecteurs(dossier.path());
    EXPECT_NE(lecteurs.dossierSockets(), runtime.path()) << "a runtime folder open to others";
    EXPECT_TRUE(dossierPrive(lecteurs.dossierSockets(), ::getuid()));
    ASSERT_TRUE(lecteurs.demarrer(R, script, {"--", "x.ts"}));
    const QString socket = lecteurs.cheminSocket(R);
    EXPECT_EQ(QFileInfo(socket).absolutePath(), lecteurs.dossierSockets());
    ASSERT_TRUE(socketA(socket));  // the stand-in does not listen: made here, as vlc makes it

    // It crashes: its socket goes once the player is found gone.
    ::kill(pid_t(lecteurs.pid(R)), SIGKILL);
    ASSERT_TRUE(attendreQue([&] { return !lecteurs.enCours(R); }, 5000));
    EXPECT_FALSE(QFileInfo(socket).exists() || QFileInfo(socket).isSymLink());
    EXPECT_FALSE(QFile::exists(lecteurs.fichierPids()));
}
