#include "platform/reel/ServeurDiffereHttp.h"

#include "support/Attente.h"

#include <QFile>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

TEST(ServeurDiffereHttp, RequestLineGivesThePathOfAGet)
{
    EXPECT_EQ(cheminRequeteDiffere("GET /abc/TimeShift.mpg HTTP/1.1\r\n"), "/abc/TimeShift.mpg");
    EXPECT_EQ(cheminRequeteDiffere("GET /abc/TimeShift.mpg HTTP/1.0\n"), "/abc/TimeShift.mpg");
    EXPECT_EQ(cheminRequeteDiffere("GET /x\r\n"), "/x");
}

TEST(ServeurDiffereHttp, AnyOtherRequestLineGivesNoPath)
{
    for (const char* ligne : {"", "\r\n", "POST /x HTTP/1.1", "HEAD /x HTTP/1.1", "GET", "GET x HTTP/1.1",
                              "GET /x SIP/2.0", "GET /x HTTP/1.1 de trop", "get /x HTTP/1.1"})
        EXPECT_EQ(cheminRequeteDiffere(ligne), QByteArray()) << ligne;
}

TEST(ServeurDiffereHttp, TheOwnerOfALoopbackConnectionIsTheAccountOfItsClientEnd)
{
    // Port 8080 (1F90) listens; the client at 40000 (9C40) is account 1001, the server's end 1000.
    const QByteArray table =
        "  sl  local_address rem_address   st tx_queue rx_queue tr tm->when retrnsmt   uid  timeout inode\n"
        "   0: 0100007F:1F90 00000000:0000 0A 00000000:00000000 00:00000000 00000000  1000        0 1 1\n"
        "   1: 0100007F:1F90 0100007F:9C40 01 00000000:00000000 00:00000000 00000000  1000        0 2 1\n"
        "   2: 0100007F:9C40 0100007F:1F90 01 00000000:00000000 00:00000000 00000000  1001        0 3 1\n"
        "   3: 0A00000A:9C41 0100007F:1F90 01 00000000:00000000 00:00000000 00000000     0        0 4 1\n";
    const struct {
        quint16 client, serveur;
        std::optional<uint> proprietaire;
    } cas[] = {
        {40000, 8080, 1001u},
        {40001, 8080, std::nullopt},  // from another address than loopback
        {40000, 8081, std::nullopt},
        {8080, 40000, 1000u},  // the table answers for either end; the server asks for the client's
    };
    for (const auto& c : cas)
        EXPECT_EQ(proprietaireConnexionLocale(table, c.client, c.serveur), c.proprietaire) << c.client;
    EXPECT_EQ(proprietaireConnexionLocale("", 40000, 8080), std::nullopt);
    EXPECT_EQ(proprietaireConnexionLocale("garbage\n 0: x y\n", 40000, 8080), std::nullopt);
}

namespace {
// Asks `adresse`'s path from a child process running as `uid` (our own when negative); what it
// received, once it is over.
QByteArray demanderEnTantQue(const QString& adresse, int uid)
{
    const QUrl url(adresse);
    const QByteArray requete = "GET " + url.path(QUrl::FullyEncoded).toUtf8() + " HTTP/1.0\r\n\r\n";
    int tube[2];
    if (::pipe(tube) != 0)
        return "pipe";
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(tube[0]);
        if (uid >= 0 && (::setgid(uid) != 0 || ::setuid(uid) != 0))
            ::_exit(2);
        const int s = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_port = htons(quint16(url.port()));
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        if (::connect(s, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0)
            ::_exit(3);
        (void)!::write(s, requete.constData(), requete.size());
        // Up to the file's content at most: the served answer never ends.
        const timeval delai{3, 0};
        ::setsockopt(s, SOL_SOCKET, SO_RCVTIMEO, &delai, sizeof delai);
        char tampon[512];
        size_t total = 0;
        ssize_t n;
        while (total < sizeof tampon && (n = ::read(s, tampon + total, sizeof tampon - total)) > 0) {
            total += size_t(n);
            if (::memmem(tampon, total, "secret", 6))
                break;
        }
        (void)!::write(tube[1], tampon, total);
        ::_exit(0);
    }
    ::close(tube[1]);
    int statut = 0;
    attendreQue([&] { return ::waitpid(pid, &statut, WNOHANG) == pid; }, 10000);
    QByteArray recu;
    char tampon[512];
    ssize_t n;
    ::fcntl(tube[0], F_SETFL, O_NONBLOCK);
    while ((n = ::read(tube[0], tampon, sizeof tampon)) > 0)
        recu.append(tampon, n);
    ::close(tube[0]);
    return recu;
}
}  // namespace

TEST(ServeurDiffereHttp, OnlyOurOwnAccountIsServedTheBuffer)
{
    if (::getuid() != 0)
        GTEST_SKIP() << "another account can be taken only as root";
    QTemporaryDir dossier;
    const QString tampon = dossier.filePath("TimeShift.mpg");
    QFile f(tampon);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("secret");
    f.close();
    ServeurDiffereHttp serveur;
    const QString adresse = serveur.servir(tampon);
    ASSERT_FALSE(adresse.isEmpty());
    EXPECT_TRUE(demanderEnTantQue(adresse, -1).contains("secret"));
    // "nobody" knows the address (it is on the viewer's command line) and gets nothing.
    EXPECT_EQ(demanderEnTantQue(adresse, 65534), QByteArray());
    EXPECT_TRUE(demanderEnTantQue(adresse, -1).contains("secret"));
}
