#include "platform/reel/PageReglagesHttp.h"
#include "platform/RequeteReglages.h"
#include "support/Attente.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {
struct Client {
    QTcpSocket socket;
    QByteArray recu;
    bool ferme = false;

    explicit Client(quint16 port)
    {
        QObject::connect(&socket, &QTcpSocket::readyRead, [this] { recu += socket.readAll(); });
        QObject::connect(&socket, &QTcpSocket::disconnected, [this] { ferme = true; });
        socket.connectToHost(QHostAddress::LocalHost, port);
    }
    bool connecte() { return attendreQue([&] { return socket.state() == QAbstractSocket::ConnectedState; }, 3000); }
};
}  // namespace

class PageReglagesHttpE2E : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dossier_.isValid());
        QFile f(dossier_.filePath("settings.html"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("<html>page</html>\r\n");
    }
    QString dossier() const { return dossier_.path() + "/"; }

    QTemporaryDir dossier_;
};

TEST_F(PageReglagesHttpE2E, ServesThePageThenClosesTheConnection)
{
    PageReglagesHttp page(0, {});
    ASSERT_TRUE(page.demarrer(dossier()));
    Client c(page.port());
    ASSERT_TRUE(c.connecte());
    c.socket.write("GET /settings.html HTTP/1.1\r\nHost: x\r\n\r\n");
    ASSERT_TRUE(attendreQue([&] { return c.ferme; }, 3000));
    EXPECT_TRUE(c.recu.startsWith("HTTP/1.0 200 OK\r\n"));
    EXPECT_TRUE(c.recu.endsWith("\r\n\r\n<html>page</html>\r\n"));
    EXPECT_TRUE(attendreQue([&] { return page.connexions() == 0; }, 3000));
}

TEST_F(PageReglagesHttpE2E, ARequestWithoutEndIsCutAtTheLimit)
{
    PageReglagesHttp page(0, {});
    ASSERT_TRUE(page.demarrer(dossier()));
    Client c(page.port());
    ASSERT_TRUE(c.connecte());
    // Far more than the limit, and no line end: the server stops reading and answers.
    c.socket.write(QByteArray(16 * kTailleMaxRequeteReglages, 'a'));
    ASSERT_TRUE(attendreQue([&] { return c.ferme; }, 5000)) << "the server kept reading";
    EXPECT_TRUE(c.recu.startsWith("HTTP/1.0 431 ")) << c.recu.left(40).constData();
}

TEST_F(PageReglagesHttpE2E, AnIdleConnectionIsClosedAfterTheDelay)
{
    PageReglagesHttp page(0, {8, 300});
    ASSERT_TRUE(page.demarrer(dossier()));
    Client c(page.port());
    ASSERT_TRUE(c.connecte());
    c.socket.write("GET /settings.html HTTP/1.0\r\n");  // and nothing more
    ASSERT_TRUE(attendreQue([&] { return c.ferme; }, 3000)) << "the idle connection stayed open";
    EXPECT_EQ(c.recu, "");
    EXPECT_EQ(page.connexions(), 0);
}

TEST_F(PageReglagesHttpE2E, ConnectionsBeyondTheLimitAreClosedAtOnce)
{
    PageReglagesHttp page(0, {3, 60000});
    ASSERT_TRUE(page.demarrer(dossier()));
    std::vector<std::unique_ptr<Client>> clients;
    for (int i = 0; i < 3; ++i) {
        clients.push_back(std::make_unique<Client>(page.port()));
        ASSERT_TRUE(clients.back()->connecte());
    }
    ASSERT_TRUE(attendreQue([&] { return page.connexions() == 3; }, 3000));
    Client encore(page.port());
    EXPECT_TRUE(attendreQue([&] { return encore.ferme || encore.socket.state() == QAbstractSocket::UnconnectedState; },
                            3000));
    EXPECT_EQ(page.connexions(), 3);

    // Once one goes, a new one is served.
    clients.front()->socket.abort();
    ASSERT_TRUE(attendreQue([&] { return page.connexions() == 2; }, 3000));
    Client suivant(page.port());
    ASSERT_TRUE(suivant.connecte());
    suivant.socket.write("GET /settings.html\r\n");
    ASSERT_TRUE(attendreQue([&] { return suivant.ferme; }, 3000));
    EXPECT_TRUE(suivant.recu.startsWith("HTTP/1.0 200 OK\r\n"));
}

TEST_F(PageReglagesHttpE2E, StoppingClosesTheOpenConnectionsAndThePort)
{
    PageReglagesHttp page(0, {8, 60000});
    ASSERT_TRUE(page.demarrer(dossier()));
    const quint16 port = page.port();
    Client c(port);
    ASSERT_TRUE(c.connecte());
    ASSERT_TRUE(attendreQue([&] { return page.connexions() == 1; }, 3000));
    page.arreter();
    EXPECT_FALSE(page.enService());
    EXPECT_TRUE(attendreQue([&] { return c.ferme; }, 3000));
    Client apres(port);
    EXPECT_FALSE(apres.connecte());
}
