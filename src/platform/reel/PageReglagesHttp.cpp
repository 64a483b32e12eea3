#include "platform/reel/PageReglagesHttp.h"

#include <QFile>
#include <QPointer>
#include <QProcessEnvironment>
#include <QTcpServer>
#include <QTcpSocket>

namespace {
quint16 portReglages()
{
    bool ok = false;
    const int p = QProcessEnvironment::systemEnvironment().value("KELMOR_PORT_REGLAGES").toInt(&ok);
    return ok && p > 0 && p < 65536 ? static_cast<quint16>(p) : 8080;
}

QByteArray reponse(const QByteArray& statut, const QByteArray& type, const QByteArray& corps)
{
    return "HTTP/1.0 " + statut + "\r\nContent-Type: " + type + "\r\nContent-Length: " +
           QByteArray::number(corps.size()) + "\r\nConnection: close\r\n\r\n" + corps;
}
}  // namespace

PageReglagesHttp::PageReglagesHttp(QObject* parent) : QObject(parent) {}

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
    if (!serveur_->listen(QHostAddress::Any, portReglages())) {
        delete serveur_;
        serveur_ = nullptr;
        return false;
    }
    connect(serveur_, &QTcpServer::newConnection, this, &PageReglagesHttp::servir);
    return true;
}

void PageReglagesHttp::arreter()
{
    if (serveur_) {
        serveur_->close();
        serveur_->deleteLater();
        serveur_ = nullptr;
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

void PageReglagesHttp::servir()
{
    while (serveur_ && serveur_->hasPendingConnections()) {
        QPointer<QTcpSocket> s = serveur_->nextPendingConnection();
        connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
        connect(s, &QTcpSocket::readyRead, this, [this, s] {
            if (!s || !s->canReadLine())
                return;
            const QList<QByteArray> ligne = s->readLine(1024).trimmed().split(' ');
            QByteArray chemin = ligne.size() >= 2 && ligne[0] == "GET" ? ligne[1] : QByteArray();
            QByteArray type;
            if (chemin == "/settings.html")
                type = "text/html";
            else if (chemin == "/settings.gif")
                type = "image/gif";
            QFile f(dossier_ + QString::fromLatin1(chemin.mid(1)));
            if (!type.isEmpty() && f.open(QIODevice::ReadOnly))
                s->write(reponse("200 OK", type, f.readAll()));
            else
                s->write(reponse("404 Not Found", "text/plain", "introuvable"));
            s->disconnectFromHost();
        });
    }
}
