// The time-shift buffer server on loopback, read by a plain socket.
#include "platform/reel/ServeurDiffereHttp.h"
#include "support/Attente.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>
#include <gtest/gtest.h>

#include <functional>

namespace {
void ajouter(const QString& chemin, const QByteArray& donnees)
{
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write(donnees);
}

class Client {
public:
    explicit Client(const QString& adresse) : url_(adresse)
    {
        socket.connectToHost("127.0.0.1", quint16(url_.port()));
    }
    void demander(const QByteArray& chemin)
    {
        socket.write("GET " + chemin + " HTTP/1.1\r\nHost: 127.0.0.1\r\nIcy-MetaData: 1\r\n\r\n");
    }
    void demander() { demander(url_.path(QUrl::FullyEncoded).toUtf8()); }
    // Everything received so far, headers included.
    QByteArray recu()
    {
        tout_ += socket.readAll();
        return tout_;
    }
    QByteArray corps()
    {
        const QByteArray r = recu();
        const qsizetype fin = r.indexOf("\r\n\r\n");
        return fin < 0 ? QByteArray() : r.mid(fin + 4);
    }
    QTcpSocket socket;

private:
    QUrl url_;
    QByteArray tout_;
};
}  // namespace

class ServeurDiffereE2E : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dossier.isValid());
        tampon = dossier.filePath("TimeShift.mpg");
    }
    QTemporaryDir dossier;
    QString tampon;
    ServeurDiffereHttp serveur;
};

TEST_F(ServeurDiffereE2E, GrowingFileIsServedFromItsStartAndTheAnswerWaitsForMore)
{
    ajouter(tampon, QByteArray(1000, 'a'));
    const QString adresse = serveur.servir(tampon);
    ASSERT_TRUE(adresse.startsWith("http://127.0.0.1:")) << adresse.toStdString();
    EXPECT_TRUE(adresse.endsWith("/TimeShift.mpg"));
    EXPECT_TRUE(serveur.enService());

    Client client(adresse);
    client.demander();
    ASSERT_TRUE(attendreQue([&] { return client.corps().size() >= 1000; }, 5000));
    EXPECT_TRUE(client.recu().startsWith("HTTP/1.0 200 OK\r\n"));
    EXPECT_FALSE(client.recu().contains("Content-Length"));

    // At the end the answer neither ends nor repeats: it waits for the recorder.
    laisserTourner(1000);
    EXPECT_EQ(client.socket.state(), QAbstractSocket::ConnectedState);
    EXPECT_EQ(client.corps(), QByteArray(1000, 'a'));

    ajouter(tampon, QByteArray(500, 'b'));
    ASSERT_TRUE(attendreQue([&] { return client.corps().size() >= 1500; }, 5000));
    EXPECT_EQ(client.corps(), QByteArray(1000, 'a') + QByteArray(500, 'b'));
    EXPECT_EQ(serveur.connexions(), 1);
}

TEST_F(ServeurDiffereE2E, BufferCreatedAfterTheRequestIsSentOnceItAppears)
{
    const QString adresse = serveur.servir(tampon);
    Client client(adresse);
    client.demander();
    ASSERT_TRUE(attendreQue([&] { return client.recu().contains("\r\n\r\n"); }, 5000));
    ajouter(tampon, "premier paquet");
    EXPECT_TRUE(attendreQue([&] { return client.corps() == "premier paquet"; }, 5000));
}

TEST_F(ServeurDiffereE2E, OnlyItsOwnAddressIsServed)
{
    ajouter(tampon, "secret");
    const QString adresse = serveur.servir(tampon);
    for (const QByteArray& chemin : {QByteArray("/TimeShift.mpg"), QByteArray("/"), QByteArray("/../TimeShift.mpg")}) {
        Client client(adresse);
        client.demander(chemin);
        ASSERT_TRUE(attendreQue([&] { return client.socket.state() == QAbstractSocket::UnconnectedState; }, 5000));
        EXPECT_TRUE(client.recu().startsWith("HTTP/1.0 404")) << chemin.toStdString();
        EXPECT_FALSE(client.recu().contains("secret"));
    }
    // A second service gets a new, unguessable address.
    serveur.arreter();
    EXPECT_NE(serveur.servir(tampon), adresse);
}

TEST_F(ServeurDiffereE2E, APausedViewerLeavesTheRestInTheFile)
{
    ajouter(tampon, QByteArray(16 * 1024 * 1024, 'x'));
    Client client(serveur.servir(tampon));
    client.socket.setReadBufferSize(4096);
    client.demander();
    laisserTourner(1500);
    EXPECT_LE(serveur.enAttente(), ServeurDiffereHttp::kEnAttenteMax);

    client.socket.setReadBufferSize(0);
    qint64 lus = 0;
    ASSERT_TRUE(attendreQue([&] { lus += client.socket.readAll().size(); return lus >= 16 * 1024 * 1024; }, 20000));
}

TEST_F(ServeurDiffereE2E, OverlongRequestsAndSilentClientsAreDropped)
{
    const QString adresse = serveur.servir(tampon);
    Client bavard(adresse);
    bavard.socket.write("GET /" + QByteArray(ServeurDiffereHttp::kLigneMax + 10, 'a'));
    Client muet(adresse);
    ASSERT_TRUE(attendreQue([&] { return bavard.socket.state() == QAbstractSocket::UnconnectedState; }, 5000));
    EXPECT_TRUE(bavard.recu().isEmpty());
    ASSERT_TRUE(attendreQue([&] { return muet.socket.state() == QAbstractSocket::UnconnectedState; },
                            ServeurDiffereHttp::kAttenteRequeteMs + 3000));
    EXPECT_EQ(serveur.connexions(), 0);
}

TEST_F(ServeurDiffereE2E, StoppingEndsTheViewersAnswerAndTheAddress)
{
    ajouter(tampon, "abc");
    const QString adresse = serveur.servir(tampon);
    Client client(adresse);
    client.demander();
    ASSERT_TRUE(attendreQue([&] { return client.corps() == "abc"; }, 5000));

    serveur.arreter();
    EXPECT_FALSE(serveur.enService());
    EXPECT_TRUE(attendreQue([&] { return client.socket.state() == QAbstractSocket::UnconnectedState; }, 5000));
    Client tard(adresse);
    EXPECT_TRUE(attendreQue([&] { return tard.socket.state() == QAbstractSocket::UnconnectedState; }, 5000));
    EXPECT_TRUE(tard.recu().isEmpty());
    EXPECT_TRUE(QFile::remove(tampon));
}
