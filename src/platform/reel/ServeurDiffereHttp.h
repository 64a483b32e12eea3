#pragma once
#include "platform/ServeurDiffere.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

class QTcpServer;
class QTimer;

// The path a request line asks for: "GET <path> HTTP/1.x" (or "GET <path>"); "" for any
// other method or form.
QByteArray cheminRequeteDiffere(const QByteArray& ligne);

// The account that owns the client end of a loopback TCP connection, from the kernel's table
// of TCP sockets (the text of /proc/net/tcp); none when the table does not hold it.
std::optional<uint> proprietaireConnexionLocale(const QByteArray& tableTcp, quint16 portClient, quint16 portServeur);

// A "tail -f" over HTTP on loopback: the viewer gets the buffer file from its start and,
// at its current end, waits for the recorder to write more; the answer never ends while
// the service runs. The address carries a random path, so that other local users cannot
// guess it, and only connections of our own account are served: the address is on the
// viewer's command line, which any local account may read. Data is sent only as fast as the viewer reads it: a paused viewer leaves the
// rest in the file.
class ServeurDiffereHttp : public QObject, public ServeurDiffere {
    Q_OBJECT
public:
    explicit ServeurDiffereHttp(QObject* parent = nullptr);
    ~ServeurDiffereHttp() override;

    QString servir(const QString& fichier) override;
    void arreter() override;
    bool enService() const override;

    int connexions() const { return int(connexions_.size()); }
    // Bytes handed to the connections and not yet taken by the system.
    qint64 enAttente() const;

    static constexpr int kLigneMax = 4096;            // request line, headers ignored
    static constexpr int kAttenteRequeteMs = 5000;    // to send that line
    static constexpr int kConnexionsMax = 4;
    static constexpr qint64 kEnAttenteMax = 256 * 1024;  // written, not yet taken by the viewer

private:
    struct Connexion;
    void accepter();
    void lire(Connexion* c);
    void pousser(Connexion* c);
    void pousserTous();
    void oublier(Connexion* c);

    QTcpServer* serveur_ = nullptr;
    QTimer* suivi_ = nullptr;
    QString fichier_;
    QByteArray chemin_;
    std::vector<std::unique_ptr<Connexion>> connexions_;
};
