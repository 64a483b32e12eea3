#include "platform/reel/EchangeControle.h"

EchangeControle::EchangeControle(QObject* parent, const QString& chemin, QByteArray lignes, bool touche,
                                 int attenteTotaleMs, int attenteReponseMs, std::function<bool()> vivant, Fin fin)
    : QObject(parent),
      chemin_(chemin),
      lignes_(std::move(lignes)),
      touche_(touche),
      attenteReponseMs_(attenteReponseMs),
      vivant_(std::move(vivant)),
      fin_(std::move(fin))
{
    for (QTimer* t : {&limite_, &reessai_, &silence_})
        t->setSingleShot(true);
    connect(&limite_, &QTimer::timeout, this, [this] { terminer(!touche_); });
    connect(&silence_, &QTimer::timeout, this, [this] { terminer(true); });
    connect(&reessai_, &QTimer::timeout, this, [this] { connecter(); });
    connect(&socket_, &QLocalSocket::connected, this, [this] {
        connecte_ = true;
        if (!touche_)
            limite_.start(attenteReponseMs_);
        socket_.write(lignes_);
    });
    connect(&socket_, &QLocalSocket::readyRead, this, [this] { lire(); });
    connect(&socket_, &QLocalSocket::disconnected, this, [this] {
        if (connecte_)
            terminer(!touche_);
    });
    connect(&socket_, &QLocalSocket::errorOccurred, this, [this] {
        // Not listening yet: the player may have just started.
        if (!connecte_ && !fini_)
            reessai_.start(kReessaiMs);
        else if (connecte_ && socket_.state() != QLocalSocket::ConnectedState)
            terminer(!touche_);
    });
    limite_.start(attenteTotaleMs);
    reessai_.start(0);
}

EchangeControle::~EchangeControle()
{
    // Nothing of the socket's own end may reach this half-destroyed object.
    QObject::disconnect(&socket_, nullptr, this, nullptr);
    socket_.abort();
}

void EchangeControle::connecter()
{
    if (fini_)
        return;
    if (!vivant_()) {
        terminer(false);
        return;
    }
    socket_.abort();
    socket_.connectToServer(chemin_);
}

void EchangeControle::lire()
{
    recu_ += socket_.readAll();
    if (!touche_) {
        silence_.start(kSilenceFinReponseMs);
        return;
    }
    // Other lines ("status change: …") may come first; the answer is a line of its own.
    for (const QByteArray& ligne : recu_.split('\n'))
        if (const QByteArray l = ligne.trimmed(); l == "0" || l == "1") {
            terminer(true);
            return;
        }
}

void EchangeControle::terminer(bool reussi)
{
    if (fini_)
        return;
    fini_ = true;
    limite_.stop();
    reessai_.stop();
    silence_.stop();
    socket_.abort();  // the player serves one client at a time: let the next one in
    // Told from the event loop, never inside a loop of the owner's over players or sockets.
    QTimer::singleShot(0, parent(),
                       [fin = std::move(fin_), reussi, texte = QString::fromUtf8(recu_)] { fin(reussi, texte); });
    deleteLater();
}
