#include "core/VerificationListe.h"
#include "platform/Adresses.h"
#include "platform/reel/ClientWebQt.h"
#include "support/Attente.h"
#include "support/Doubles.h"
#include "support/FauxBoitier.h"

#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace {

// One download, waited for by letting the event loop run as the program's would. The
// reply must come later than the call and exactly once.
QByteArray telecharger(ClientWebQt& client, const QString& adresse, int delaiMs = 0, qint64* duree = nullptr)
{
    struct Reponse {
        int appels = 0;
        QByteArray corps;
        qint64 apresMs = -1;
        QElapsedTimer chrono;
    };
    auto r = std::make_shared<Reponse>();
    r->chrono.start();
    client.telecharger(adresse, delaiMs, Suite<QByteArray>([r](QByteArray b) {
        ++r->appels;
        r->corps = std::move(b);
        r->apresMs = r->chrono.elapsed();
    }));
    EXPECT_EQ(r->appels, 0) << "the reply came inside the call: " << adresse.toStdString();
    EXPECT_LT(r->chrono.elapsed(), kAppelImmediatMs) << "the call held its caller";
    EXPECT_TRUE(attendreQue([&] { return r->appels > 0; }, 30000)) << "no reply: " << adresse.toStdString();
    EXPECT_EQ(r->appels, 1);
    if (duree)
        *duree = r->apresMs;
    return r->corps;
}

// A tiny HTTP server on loopback that answers every request with the same bytes, then
// closes the connection; or, with `muet`, keeps it open and says nothing.
class ServeurBrut {
public:
    explicit ServeurBrut(QByteArray reponse, bool muet = false) : reponse_(std::move(reponse)), muet_(muet)
    {
        serveur_.listen(QHostAddress::LocalHost);
        QObject::connect(&serveur_, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* s = serveur_.nextPendingConnection()) {
                ouvertes_ << s;
                QObject::connect(s, &QTcpSocket::readyRead, s, [this, s] {
                    demande_ += s->readAll();
                    if (muet_ || !demande_.contains("\r\n\r\n"))
                        return;
                    s->write(reponse_);
                    s->disconnectFromHost();  // once the bytes are out
                });
            }
        });
    }
    QString url() const { return QString("http://127.0.0.1:%1/f").arg(serveur_.serverPort()); }
    QString hote() const { return QString("127.0.0.1:%1").arg(serveur_.serverPort()); }
    // Connections the client still holds open.
    int ouvertes() const
    {
        int n = 0;
        for (const auto& s : ouvertes_)
            n += s && s->state() == QAbstractSocket::ConnectedState;
        return n;
    }
    int acceptees() const { return int(ouvertes_.size()); }

private:
    QTcpServer serveur_;
    QByteArray reponse_;
    bool muet_;
    QByteArray demande_;
    QList<QPointer<QTcpSocket>> ouvertes_;
};

QByteArray corpsDe(int n)
{
    QByteArray c;
    for (int i = 0; i < n; ++i)
        c += char('a' + i % 26);
    return c;
}

class ClientWebQtE2E : public testing::Test {
protected:
    static void SetUpTestSuite() { boitier_ = std::make_unique<FauxBoitier>(); }
    static void TearDownTestSuite() { boitier_.reset(); }

    void SetUp() override
    {
        ASSERT_TRUE(boitier_->demarre());
        ASSERT_TRUE(boitier_->reinitialiser());
    }

    static QString playlist() { return boitier_->url("/freeboxtv/playlist.m3u"); }

    static std::unique_ptr<FauxBoitier> boitier_;
};

std::unique_ptr<FauxBoitier> ClientWebQtE2E::boitier_;

TEST_F(ClientWebQtE2E, RendLeCorpsTelQuelQuandLeServeurRepond)
{
    ClientWebQt client;
    const QByteArray liste = telecharger(client, playlist());
    EXPECT_TRUE(liste.startsWith("#EXTM3U\n"));
    EXPECT_TRUE(liste.contains("2 - France 2\n"));
    EXPECT_TRUE(liste.contains("T\xC3\xA9l\xC3\xA9 Bleue")) << "bytes must come back undecoded";
    EXPECT_FALSE(liste.contains('\r'));
    EXPECT_TRUE(liste.endsWith(".ts\n"));

    ASSERT_TRUE(boitier_->definirModePlaylist("changed"));
    const QByteArray changee = telecharger(client, playlist());
    EXPECT_TRUE(changee.contains("Nouvelle Cha\xC3\xAEne"));
    EXPECT_NE(changee, liste);

    // An error page with status 200 is a body: the caller judges its text.
    ASSERT_TRUE(boitier_->definirModePlaylist("html"));
    const QByteArray page = telecharger(client, playlist());
    EXPECT_TRUE(page.startsWith("<html>"));
    EXPECT_TRUE(page.contains("erreur"));

    ASSERT_TRUE(boitier_->definirModePlaylist("empty"));
    EXPECT_EQ(telecharger(client, playlist()), QByteArray());
}

TEST_F(ClientWebQtE2E, RendVideSurStatutHorsSucces)
{
    ClientWebQt client;
    ASSERT_TRUE(boitier_->definirModePlaylist("404"));
    EXPECT_EQ(telecharger(client, playlist()), QByteArray());
    EXPECT_EQ(telecharger(client, boitier_->url("/absent.html")), QByteArray());
}

TEST_F(ClientWebQtE2E, AbandonneAuBoutDuDelaiTotal)
{
    ClientWebQt client(1500);
    ASSERT_TRUE(boitier_->definirModePlaylist("silent"));
    qint64 duree = 0;
    EXPECT_EQ(telecharger(client, playlist(), 0, &duree), QByteArray());
    EXPECT_GE(duree, 1400);
    EXPECT_LT(duree, 4000);

    // The server answers after 3 s: too late for this client, in time for the default one.
    ASSERT_TRUE(boitier_->definirModePlaylist("slow"));
    EXPECT_EQ(telecharger(client, playlist(), 0, &duree), QByteArray());
    EXPECT_LT(duree, 2900);
    ClientWebQt patient;
    EXPECT_TRUE(telecharger(patient, playlist()).startsWith("#EXTM3U"));
}

TEST_F(ClientWebQtE2E, AShortWaitAskedForOneRequestReplacesTheClientsOwn)
{
    ClientWebQt client;  // a download's wait: 15 s
    ASSERT_TRUE(boitier_->definirModePlaylist("silent"));
    // The window keeps painting while the client waits: timers still fire.
    int battements = 0;
    QTimer battement;
    QObject::connect(&battement, &QTimer::timeout, [&battements] { ++battements; });
    battement.start(100);
    qint64 duree = 0;
    EXPECT_EQ(telecharger(client, playlist(), 1500, &duree), QByteArray());
    EXPECT_GE(duree, 1400);
    EXPECT_LT(duree, 4000);
    EXPECT_GE(battements, 5);

    // The short wait is for that request only.
    ASSERT_TRUE(boitier_->definirModePlaylist("slow"));
    EXPECT_EQ(telecharger(client, playlist(), 1500), QByteArray());
    EXPECT_TRUE(telecharger(client, playlist()).startsWith("#EXTM3U"));
}

TEST_F(ClientWebQtE2E, RefuseUnCorpsAuDelaDeLaTailleMax)
{
    ClientWebQt libre;
    const QByteArray entiere = telecharger(libre, playlist());
    ASSERT_FALSE(entiere.isEmpty());
    ClientWebQt juste(15000, entiere.size());
    EXPECT_EQ(telecharger(juste, playlist()), entiere);
    ClientWebQt etroit(15000, entiere.size() - 1);
    EXPECT_EQ(telecharger(etroit, playlist()), QByteArray());

    // A live stream has no announced length and never ends: the cap must stop it.
    ASSERT_TRUE(boitier_->attendreMedia(30000));
    ClientWebQt flux(10000, 64 * 1024);
    qint64 duree = 0;
    EXPECT_EQ(telecharger(flux, boitier_->url("/stream/2.ts"), 0, &duree), QByteArray());
    EXPECT_LT(duree, 5000);
}

TEST_F(ClientWebQtE2E, RendVideSansServeurOuAdresseInvalide)
{
    QTcpServer reserve;
    ASSERT_TRUE(reserve.listen(QHostAddress::LocalHost));
    const quint16 portFerme = reserve.serverPort();
    reserve.close();

    ClientWebQt client(5000);
    qint64 duree = 0;
    EXPECT_EQ(telecharger(client, QString("http://127.0.0.1:%1/freeboxtv/playlist.m3u").arg(portFerme), 0, &duree),
              QByteArray());
    EXPECT_LT(duree, 3000);
    // Refused at once, and still told from the event loop.
    EXPECT_EQ(telecharger(client, "127.0.0.1/freeboxtv/playlist.m3u"), QByteArray());
    EXPECT_EQ(telecharger(client, ""), QByteArray());
    EXPECT_EQ(telecharger(client, "file:///etc/passwd"), QByteArray());
}

TEST_F(ClientWebQtE2E, FichierVersionAllerRetour)
{
    ClientWebQt client;
    EXPECT_EQ(telecharger(client, boitier_->url("/kelmor.ver")), QByteArray("Version 1.4"));

    const QString texte = QString::fromUtf8("Version 2.0\nNouveautés : mosaïque");
    ASSERT_TRUE(boitier_->definirVersion(texte));
    EXPECT_EQ(telecharger(client, boitier_->url("/kelmor.ver")), texte.toUtf8());
    EXPECT_EQ(telecharger(client, boitier_->url("/site/kelmor.ver")), texte.toUtf8());

    ASSERT_TRUE(boitier_->reinitialiser());
    EXPECT_EQ(telecharger(client, boitier_->url("/site/kelmor.ver")), QByteArray("Version 1.4"));
}

TEST(ClientWebQtCorps, ABodyCutShortOfItsAnnouncedLengthIsAFailure)
{
    ClientWebQt client(5000);
    ServeurBrut coupe("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: 500\r\n\r\n" + corpsDe(120));
    EXPECT_EQ(telecharger(client, coupe.url()), QByteArray());
    ServeurBrut fermeture("HTTP/1.0 200 OK\r\nConnection: close\r\nContent-Length: 500\r\n\r\n" + corpsDe(120));
    EXPECT_EQ(telecharger(client, fermeture.url()), QByteArray());
    // A chunked body cut before its last chunk is not checked here: QtNetwork reports it as
    // whole when it has read the data before it sees the close, which a busy machine decides.

    // The same bytes, announced as they are, are a whole body.
    ServeurBrut annonce("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: 120\r\n\r\n" + corpsDe(120));
    EXPECT_EQ(telecharger(client, annonce.url()), corpsDe(120));

    // Without an announced length, HTTP/1.0 ends the body by closing: a normal end.
    ServeurBrut ferme("HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\n" + corpsDe(120));
    EXPECT_EQ(telecharger(client, ferme.url()), corpsDe(120));
}

// The list check through the real client: a body cut in transit (HTTP/1.0, no length, the
// connection closed in the middle of an address), a body shorter than its announced length and
// a whole body. Only the whole one replaces "Kelmor.cfg"; without a stored list, start-up stops
// on the first two.
TEST(ClientWebQtCorps, OnlyAWholePlaylistReplacesTheChannelList)
{
    const QByteArray stockee = "#EXTM3U\n#EXTINF:0,2 - France 2\nrtsp://box/201\n";
    QByteArray nouvelle = stockee;
    for (int i = 3; i < 12; ++i)
        nouvelle += "#EXTINF:0," + QByteArray::number(i) + " - Chaîne " + QByteArray::number(i)
                    + "\nrtsp://mafreebox.freebox.fr/fbxtv_pub/stream?namespace=1&service=" + QByteArray::number(i)
                    + "\n";
    const QByteArray coupee = nouvelle.left(nouvelle.size() - 20);
    struct Cas {
        const char* nom;
        QByteArray reponse;
        bool entier;
    };
    const Cas cas[] = {
        {"cut", "HTTP/1.0 200 OK\r\nContent-Type: audio/x-mpegurl\r\n\r\n" + coupee, false},
        {"short", "HTTP/1.0 200 OK\r\nConnection: close\r\nContent-Length: " + QByteArray::number(nouvelle.size())
                      + "\r\n\r\n" + coupee,
         false},
        {"whole", "HTTP/1.0 200 OK\r\nContent-Type: audio/x-mpegurl\r\n\r\n" + nouvelle, true},
    };
    for (const Cas& c : cas) {
        for (const bool avecListe : {true, false}) {
            SCOPED_TRACE(std::string(c.nom) + (avecListe ? ", stored list" : ", no stored list"));
            QTemporaryDir dossier;
            const QString fichier = dossier.filePath("Kelmor.cfg");
            if (avecListe) {
                QFile f(fichier);
                ASSERT_TRUE(f.open(QIODevice::WriteOnly));
                f.write(stockee);
            }
            ServeurBrut serveur(c.reponse);
            Adresses adresses;
            adresses.boitier = serveur.hote();
            ClientWebQt client(5000);
            FauxDialogues dialogues;
            std::optional<IssueVerification> issue;
            VerifierListeChaines(true, dossier.path() + "/", client, dialogues, adresses, true,
                                 Suite<IssueVerification>([&issue](IssueVerification i) { issue = i; }));
            ASSERT_TRUE(attendreQue([&] { return issue.has_value(); }, 10000));

            QFile f(fichier);
            const QByteArray apres = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
            if (c.entier) {
                EXPECT_EQ(*issue, IssueVerification::Continuer);
                EXPECT_EQ(apres, nouvelle);
            } else if (avecListe) {
                EXPECT_EQ(*issue, IssueVerification::Continuer);
                EXPECT_EQ(apres, stockee);
                EXPECT_TRUE(dialogues.messages.empty());
            } else {
                EXPECT_EQ(*issue, IssueVerification::Arreter);
                EXPECT_EQ(apres, "<absent>");
                ASSERT_EQ(dialogues.messages.size(), 1u);
                EXPECT_TRUE(dialogues.messages[0].texte.startsWith("La liste des chaînes Free est absente"));
            }
        }
    }
}

TEST(ClientWebQtCorps, RepliesStillOnTheirWayWhenTheClientGoesAreDropped)
{
    ServeurBrut muet("", true);
    int appels = 0;
    auto client = std::make_unique<ClientWebQt>(2000);
    client->telecharger(muet.url(), 0, Suite<QByteArray>([&](QByteArray) { ++appels; }));
    client->telecharger(muet.url(), 0, Suite<QByteArray>([&](QByteArray) { ++appels; }));
    ASSERT_TRUE(attendreQue([&] { return muet.ouvertes() == 2; }, 5000));
    EXPECT_EQ(client->enCours(), 2);
    // A refusal is told from the event loop: the client goes before it is told.
    client->telecharger("pas une adresse", 0, Suite<QByteArray>([&](QByteArray) { ++appels; }));
    client.reset();

    // The connections are closed, and no reply comes, not even past the client's wait.
    EXPECT_TRUE(attendreQue([&] { return muet.ouvertes() == 0; }, 3000)) << "a connection outlived its client";
    laisserTourner(2500);
    EXPECT_EQ(appels, 0);
    EXPECT_EQ(muet.acceptees(), 2);
}

} // namespace
