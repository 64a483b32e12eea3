#pragma once
#include "platform/ClientWeb.h"

#include <QObject>
#include <QtGlobal>
#include <memory>

class QNetworkAccessManager;

// HTTP GET through QtNetwork, asynchronous: the reply is handed over from the event loop,
// never inside telecharger(), once the transfer ends, fails or runs out of time. Only
// http and https are asked for; redirects are followed. A transfer fails on a non-2xx
// status, past the size cap, past its total wait, or when the connection closes before
// the announced length has come. `delaiMs` of the constructor is the wait of a download.
// Transfers still running when the client goes are dropped: their replies never come.
class ClientWebQt : public ClientWeb {
public:
    explicit ClientWebQt(int delaiMs = 15000, qint64 tailleMax = 8 * 1024 * 1024);
    ~ClientWebQt() override;

    void telecharger(const QString& adresse, int delaiMs, Suite<QByteArray> reponse) override;

    // Transfers under way (tests).
    int enCours() const;

private:
    int delaiMs_;
    qint64 tailleMax_;
    // Every connection and queued reply hangs on this object: gone first, none can come.
    std::unique_ptr<QObject> contexte_;
    std::unique_ptr<QNetworkAccessManager> reseau_;
};
