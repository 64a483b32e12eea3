#include "platform/reel/ServeurDiffereHttp.h"

#include "platform/LectureBornee.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>
#include <unistd.h>

namespace {
constexpr int kPeriodeSuiviMs = 100;   // how often the file is checked for new data
constexpr qint64 kMorceau = 64 * 1024;

const QByteArray kEnTete = "HTTP/1.0 200 OK\r\n"
                           "Content-Type: video/mpeg\r\n"
                           "Cache-Control: no-cache\r\n"
                           "Connection: close\r\n\r\n";
const QByteArray kIntrouvable = "HTTP/1.0 404 Not Found\r\n"
                                "Content-Type: text/plain\r\n"
                                "Content-Length: 11\r\n"
                                "Connection: close\r\n\r\n"
                                "introuvable";

QByteArray jeton()
{
    QByteArray octets(16, '\0');
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(octets.data()), octets.size() / 4);
    return octets.toHex();
}
}  // namespace

std::optional<uint> proprietaireConnexionLocale(const QByteArray& tableTcp, quint16 portClient, quint16 portServeur)
{
    // "sl local_address rem_address st tx:rx tr:when retrnsmt uid …", addresses "IP:PORT" in
    // hexadecimal, the IP in the machine's own byte order.
    const auto boucleLocale = [](const QByteArray& adresse, quint16 port) {
        const QList<QByteArray> ipPort = adresse.split(':');
        bool ok = false;
        return ipPort.size() == 2 && (ipPort[0] == "0100007F" || ipPort[0] == "7F000001")
               && ipPort[1].toUShort(&ok, 16) == port && ok;
    };
    for (const QByteArray& ligne : tableTcp.split('\n')) {
        const QList<QByteArray> champs = ligne.simplified().split(' ');
        if (champs.size() < 8 || !boucleLocale(champs[1], portClient) || !boucleLocale(champs[2], portServeur))
            continue;
        bool ok = false;
        const uint uid = champs[7].toUInt(&ok);
        if (ok)
            return uid;
    }
    return std::nullopt;
}

namespace {
// Whether the client of `socket` runs under our own account. The kernel's table is read once
// per connection, only while the buffer is served.
bool clientDuMemeCompte(const QTcpSocket& socket)
{
    QByteArray table;
    if (lireFichierBorne(QStringLiteral("/proc/net/tcp"), table) != Lecture::Lue)
        return false;
    const auto uid = proprietaireConnexionLocale(table, socket.peerPort(), socket.localPort());
    return uid && *uid == ::getuid();
}
}  // namespace

QByteArray cheminRequeteDiffere(const QByteArray& ligne)
{
    const QList<QByteArray> mots = ligne.trimmed().split(' ');
    if (mots.size() < 2 || mots.size() > 3 || mots[0] != "GET" || !mots[1].startsWith('/'))
        return {};
    if (mots.size() == 3 && !mots[2].startsWith("HTTP/1."))
        return {};
    return mots[1];
}

struct ServeurDiffereHttp::Connexion {
    QTcpSocket* socket = nullptr;
    QByteArray ligne;         // request line until it is complete
    bool envoi = false;       // answering with the file
    QFile fichier;
    qint64 position = 0;
    QElapsedTimer age;
};

ServeurDiffereHttp::ServeurDiffereHttp(QObject* parent) : QObject(parent) {}

ServeurDiffereHttp::~ServeurDiffereHttp()
{
    arreter();
}

QString ServeurDiffereHttp::servir(const QString& fichier)
{
    if (fichier.isEmpty())
        return {};
    if (serveur_ && fichier != fichier_)
        arreter();
    if (!serveur_) {
        serveur_ = new QTcpServer(this);
        serveur_->setMaxPendingConnections(kConnexionsMax);
        if (!serveur_->listen(QHostAddress::LocalHost, 0)) {
            delete serveur_;
            serveur_ = nullptr;
            return {};
        }
        connect(serveur_, &QTcpServer::newConnection, this, &ServeurDiffereHttp::accepter);
        suivi_ = new QTimer(this);
        suivi_->setInterval(kPeriodeSuiviMs);
        connect(suivi_, &QTimer::timeout, this, &ServeurDiffereHttp::pousserTous);
        fichier_ = fichier;
        // The file's own name ends the path: the viewer shows it and picks its reader by it.
        chemin_ = '/' + jeton() + '/' + QFileInfo(fichier).fileName().toUtf8().toPercentEncoding();
    }
    return QStringLiteral("http://127.0.0.1:%1").arg(serveur_->serverPort()) + QString::fromLatin1(chemin_);
}

void ServeurDiffereHttp::arreter()
{
    for (auto& c : connexions_) {
        c->socket->disconnect(this);
        c->socket->abort();
        c->socket->deleteLater();
    }
    connexions_.clear();
    if (suivi_) {
        suivi_->stop();
        suivi_->deleteLater();
        suivi_ = nullptr;
    }
    if (serveur_) {
        serveur_->close();
        serveur_->deleteLater();
        serveur_ = nullptr;
    }
    fichier_.clear();
    chemin_.clear();
}

bool ServeurDiffereHttp::enService() const
{
    return serveur_ != nullptr;
}

qint64 ServeurDiffereHttp::enAttente() const
{
    qint64 total = 0;
    for (const auto& c : connexions_)
        total += c->socket->bytesToWrite();
    return total;
}

void ServeurDiffereHttp::accepter()
{
    while (serveur_ && serveur_->hasPendingConnections()) {
        QTcpSocket* socket = serveur_->nextPendingConnection();
        if (int(connexions_.size()) >= kConnexionsMax || !clientDuMemeCompte(*socket)) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        auto c = std::make_unique<Connexion>();
        Connexion* brut = c.get();
        c->socket = socket;
        c->age.start();
        connexions_.push_back(std::move(c));
        connect(socket, &QTcpSocket::readyRead, this, [this, brut] { lire(brut); });
        connect(socket, &QTcpSocket::bytesWritten, this, [this, brut] { pousser(brut); });
        connect(socket, &QTcpSocket::disconnected, this, [this, brut] { oublier(brut); });
        suivi_->start();
        lire(brut);
    }
}

void ServeurDiffereHttp::lire(Connexion* c)
{
    if (c->envoi) {
        c->socket->readAll();  // the viewer has nothing more to say; never keep it
        return;
    }
    while (c->socket->bytesAvailable() > 0 && !c->ligne.contains('\n')) {
        char octet = 0;
        if (!c->socket->getChar(&octet))
            break;
        c->ligne += octet;
        if (c->ligne.size() > kLigneMax) {
            oublier(c);
            return;
        }
    }
    if (!c->ligne.contains('\n'))
        return;
    c->socket->readAll();
    if (cheminRequeteDiffere(c->ligne) != chemin_) {
        c->socket->write(kIntrouvable);
        c->socket->disconnectFromHost();
        return;
    }
    c->envoi = true;
    c->socket->write(kEnTete);
    pousser(c);
}

void ServeurDiffereHttp::pousser(Connexion* c)
{
    if (!c->envoi)
        return;
    if (!c->fichier.isOpen()) {
        // The recorder may not have created it yet: tried again at the next turn.
        c->fichier.setFileName(fichier_);
        if (!c->fichier.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
            return;
        c->position = 0;
    }
    // A buffer written anew (a new recorder) starts again from its beginning.
    if (c->fichier.size() < c->position)
        c->position = 0;
    while (c->socket->bytesToWrite() < kEnAttenteMax && c->fichier.size() > c->position) {
        if (!c->fichier.seek(c->position))
            return;
        const QByteArray donnees = c->fichier.read(std::min(kMorceau, kEnAttenteMax - c->socket->bytesToWrite()));
        if (donnees.isEmpty())
            return;
        c->position += donnees.size();
        c->socket->write(donnees);
    }
}

void ServeurDiffereHttp::pousserTous()
{
    std::vector<Connexion*> enRetard;
    for (auto& c : connexions_) {
        if (!c->envoi && c->age.elapsed() > kAttenteRequeteMs)
            enRetard.push_back(c.get());
        else
            pousser(c.get());
    }
    for (Connexion* c : enRetard)
        oublier(c);
    if (connexions_.empty() && suivi_)
        suivi_->stop();
}

void ServeurDiffereHttp::oublier(Connexion* c)
{
    const auto it = std::find_if(connexions_.begin(), connexions_.end(),
                                 [c](const std::unique_ptr<Connexion>& x) { return x.get() == c; });
    if (it == connexions_.end())
        return;
    std::unique_ptr<Connexion> garde = std::move(*it);
    connexions_.erase(it);
    garde->socket->disconnect(this);
    garde->socket->abort();
    garde->socket->deleteLater();
}
