#include "platform/reel/PageReglagesHttp.h"

#include "platform/Adresses.h"
#include "platform/RequeteReglages.h"

#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>

PageReglagesHttp::PageReglagesHttp(QObject* parent) : QObject(parent) {}

PageReglagesHttp::PageReglagesHttp(quint16 port, Limites limites, QObject* parent)
    : QObject(parent), portDemande_(port), limites_(limites)
{
}

PageReglagesHttp::~PageReglagesHttp()
{
    arreter();
}

bool PageReglagesHttp::demarrer(const QString& dossier)
{
    dossier_ = dossier;
    if (serveur_)
        return true;
    serveur_ = new QTcpServer(this);
    const quint16 port = portDemande_ ? *portDemande_ : Adresses::portReglagesEnvironnement();
    if (!serveur_->listen(QHostAddress::Any, port)) {
        delete serveur_;
        serveur_ = nullptr;
        return false;
    }
    connect(serveur_, &QTcpServer::newConnection, this, &PageReglagesHttp::accepter);
    return true;
}

void PageReglagesHttp::arreter()
{
    if (serveur_) {
        serveur_->close();
        serveur_->deleteLater();
        serveur_ = nullptr;
    }
    const std::vector<QTcpSocket*> ouvertes = connexions_;
    for (QTcpSocket* s : ouvertes) {
        s->abort();
        retirer(s);
    }
}

bool PageReglagesHttp::enService() const
{
    return serveur_ != nullptr;
}

quint16 PageReglagesHttp::port() const
{
    return serveur_ ? serveur_->serverPort() : 0;
}

int PageReglagesHttp::connexions() const
{
    return int(connexions_.size());
}

void PageReglagesHttp::accepter()
{
    while (serveur_ && serveur_->hasPendingConnections()) {
        QTcpSocket* s = serveur_->nextPendingConnection();
        if (int(connexions_.size()) >= limites_.connexions) {
            s->abort();
            s->deleteLater();
            continue;
        }
        connexions_.push_back(s);
        // Qt keeps no more than this of what the client sends: the rest waits in the
        // system's buffer until the connection closes.
        s->setReadBufferSize(kTailleMaxRequeteReglages);
        auto* fin = new QTimer(s);
        fin->setSingleShot(true);
        connect(fin, &QTimer::timeout, this, [this, s] {
            s->abort();
            retirer(s);
        });
        fin->start(limites_.delaiMs);
        connect(s, &QTcpSocket::readyRead, this, [this, s] { lire(s); });
        connect(s, &QTcpSocket::disconnected, this, [this, s] { retirer(s); });
        lire(s);  // what came with the connection
    }
}

void PageReglagesHttp::lire(QTcpSocket* s)
{
    if (std::find(connexions_.begin(), connexions_.end(), s) == connexions_.end()
        || s->state() != QAbstractSocket::ConnectedState)
        return;
    const RequeteReglages requete = analyserRequeteReglages(s->peek(kTailleMaxRequeteReglages));
    if (requete == RequeteReglages::Incomplete)
        return;
    s->read(kTailleMaxRequeteReglages);
    QByteArray contenu;
    RequeteReglages resultat = requete;
    if (requete == RequeteReglages::Page || requete == RequeteReglages::Image) {
        // Fixed names: nothing of the request reaches the file system.
        QFile f(dossier_ + (requete == RequeteReglages::Page ? QStringLiteral("settings.html")
                                                             : QStringLiteral("settings.gif")));
        if (f.open(QIODevice::ReadOnly))
            contenu = f.readAll();
        else
            resultat = RequeteReglages::Introuvable;
    }
    // One request per connection: what follows is never read.
    disconnect(s, &QTcpSocket::readyRead, this, nullptr);
    s->write(reponseReglages(resultat, contenu));
    s->disconnectFromHost();
}

void PageReglagesHttp::retirer(QTcpSocket* s)
{
    const auto it = std::find(connexions_.begin(), connexions_.end(), s);
    if (it == connexions_.end())
        return;
    connexions_.erase(it);
    s->disconnect(this);
    s->deleteLater();
}
