#pragma once
#include "platform/ClientWeb.h"

#include <QtGlobal>
#include <memory>

class QNetworkAccessManager;

// HTTP GET through QtNetwork, synchronous for the caller: a local event loop
// (user input held back) runs until the transfer ends, fails or times out.
class ClientWebQt : public ClientWeb {
public:
    explicit ClientWebQt(int delaiMs = 15000, qint64 tailleMax = 8 * 1024 * 1024);
    ~ClientWebQt() override;

    QByteArray telecharger(const QString& adresse) override;

private:
    int delaiMs_;
    qint64 tailleMax_;
    std::unique_ptr<QNetworkAccessManager> reseau_;
};
