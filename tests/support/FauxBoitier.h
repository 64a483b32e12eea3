#pragma once
#include <QProcess>
#include <QString>

// Runs tools/fakebox/fakebox.py on loopback for the life of the object.
class FauxBoitier {
public:
    explicit FauxBoitier(int chaines = 4);
    ~FauxBoitier();
    FauxBoitier(const FauxBoitier&) = delete;
    FauxBoitier& operator=(const FauxBoitier&) = delete;

    bool demarre() const { return port_ > 0; }
    int port() const { return port_; }
    QString hote() const;                      // "127.0.0.1:<port>"
    QString url(const QString& chemin) const;  // "http://127.0.0.1:<port>" + chemin

    // mode: normal, changed, html, empty, silent, 404, slow
    bool definirModePlaylist(const QString& mode);
    bool definirVersion(const QString& texte);
    // mode: normal, stalled (the streams stay connected and send nothing)
    bool definirFlux(const QString& mode);
    bool reinitialiser();
    // Waits until the streams can be served.
    bool attendreMedia(int ms);

private:
    int requete(const QString& chemin) const;  // HTTP status, 0 on failure

    QProcess processus_;
    int port_ = 0;
};
