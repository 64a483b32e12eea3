#pragma once
#include "platform/ClientWeb.h"

#include <QtGlobal>
#include <memory>

class QNetworkAccessManager;

// HTTP GET through QtNetwork, synchronous for the caller: a local event loop runs until
// the transfer ends, fails or times out. The window keeps painting and timers keep firing
// meanwhile; user input is held back until the end, so that no click starts an operation
// in the middle of the caller's. `delaiMs` of the constructor is the wait of a download.
class ClientWebQt : public ClientWeb {
public:
    explicit ClientWebQt(int delaiMs = 15000, qint64 tailleMax = 8 * 1024 * 1024);
    ~ClientWebQt() override;

    void telecharger(const QString& adresse, int delaiMs, Suite<QByteArray> reponse) override;
    QByteArray telechargerBloquant(const QString& adresse, int delaiMs = 0);

private:
    int delaiMs_;
    qint64 tailleMax_;
    std::unique_ptr<QNetworkAccessManager> reseau_;
};
