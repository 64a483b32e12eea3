#pragma once
#include "platform/PageReglages.h"

#include <QObject>
#include <QString>
#include <optional>
#include <vector>

class QTcpServer;
class QTcpSocket;

// Serves only GET /settings.html and GET /settings.gif, read from the folder at each
// request, on the port of KELMOR_PORT_REGLAGES (8080 without it) read when it starts,
// or on the port given. Anyone on the network may connect while it serves, so each
// connection is bounded: its request head (kTailleMaxRequeteReglages), its life from
// accept to close, and the number of connections open at once (those beyond are closed
// at once). Stopping closes every connection too.
class PageReglagesHttp : public QObject, public PageReglages {
    Q_OBJECT
public:
    struct Limites {
        int connexions = 8;
        int delaiMs = 5000;  // from accept to close
    };

    explicit PageReglagesHttp(QObject* parent = nullptr);
    PageReglagesHttp(quint16 port, Limites limites, QObject* parent = nullptr);
    ~PageReglagesHttp() override;
    bool demarrer(const QString& dossier) override;
    void arreter() override;
    bool enService() const override;
    quint16 port() const;       // 0 when not serving
    int connexions() const;     // open at this moment

private:
    void accepter();
    void lire(QTcpSocket* s);
    void retirer(QTcpSocket* s);

    std::optional<quint16> portDemande_;
    Limites limites_;
    QTcpServer* serveur_ = nullptr;
    QString dossier_;
    std::vector<QTcpSocket*> connexions_;
};
