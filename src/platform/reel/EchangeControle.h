#pragma once
#include <QByteArray>
#include <QLocalSocket>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

// One exchange with the control socket of one player: connect (again and again while the
// player just started and does not listen yet), write the lines, read the answer. What
// came is reported once, from the event loop of its parent, and the object then goes.
class EchangeControle : public QObject {
public:
    using Fin = std::function<void(bool, QString)>;

    // touche: done once the line "0" or "1" (the answer to "is_playing") has come, failed
    // otherwise. Else the answer is whole after a short silence, or at attenteReponseMs.
    // `vivant` says whether the player is still the one to reach; asked before each try.
    EchangeControle(QObject* parent, const QString& chemin, QByteArray lignes, bool touche, int attenteTotaleMs,
                    int attenteReponseMs, std::function<bool()> vivant, Fin fin);
    ~EchangeControle() override;

private:
    static constexpr int kReessaiMs = 50;
    static constexpr int kSilenceFinReponseMs = 200;

    void connecter();
    void lire();
    void terminer(bool reussi);

    QString chemin_;
    QByteArray lignes_;
    bool touche_;
    int attenteReponseMs_;
    std::function<bool()> vivant_;
    Fin fin_;
    QLocalSocket socket_;
    QTimer limite_, reessai_, silence_;
    QByteArray recu_;
    bool connecte_ = false;
    bool fini_ = false;
};
