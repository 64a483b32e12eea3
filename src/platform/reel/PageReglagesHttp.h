#pragma once
#include "platform/PageReglages.h"

#include <QObject>

class QTcpServer;

// Serves only GET /settings.html and GET /settings.gif on port 8080
// (KELMOR_PORT_REGLAGES replaces it), read from the folder at each request.
class PageReglagesHttp : public QObject, public PageReglages {
    Q_OBJECT
public:
    explicit PageReglagesHttp(QObject* parent = nullptr);
    ~PageReglagesHttp() override;
    bool demarrer(const QString& dossier) override;
    void arreter() override;
    bool enService() const override;
    quint16 port() const;

private:
    void servir();

    QTcpServer* serveur_ = nullptr;
    QString dossier_;
};
