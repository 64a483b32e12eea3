#include "support/FauxBoitier.h"

#include "support/Attente.h"

#include <QDeadlineTimer>
#include <QTcpSocket>
#include <QUrl>

FauxBoitier::FauxBoitier(int chaines)
{
    processus_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    processus_.start("python3", {QString(KELMOR_SOURCE_DIR) + "/tools/fakebox/fakebox.py",
                                 "--port", "0", "--channels", QString::number(chaines)});
    if (!processus_.waitForStarted(5000))
        return;
    QDeadlineTimer limite(10000);
    while (!limite.hasExpired() && !processus_.canReadLine()
           && processus_.state() == QProcess::Running)
        processus_.waitForReadyRead(static_cast<int>(std::max<qint64>(1, limite.remainingTime())));
    const QString ligne = QString::fromLatin1(processus_.readLine()).trimmed();
    if (ligne.startsWith("PORT "))
        port_ = ligne.mid(5).toInt();
}

FauxBoitier::~FauxBoitier()
{
    if (processus_.state() == QProcess::NotRunning)
        return;
    processus_.terminate();
    if (!processus_.waitForFinished(3000)) {
        processus_.kill();
        processus_.waitForFinished(1000);
    }
}

QString FauxBoitier::hote() const
{
    return QString("127.0.0.1:%1").arg(port_);
}

QString FauxBoitier::url(const QString& chemin) const
{
    return "http://" + hote() + chemin;
}

bool FauxBoitier::definirModePlaylist(const QString& mode)
{
    return requete("/_control/playlist?mode=" + QUrl::toPercentEncoding(mode)) == 200;
}

bool FauxBoitier::definirVersion(const QString& texte)
{
    return requete("/_control/version?text=" + QUrl::toPercentEncoding(texte)) == 200;
}

bool FauxBoitier::definirFlux(const QString& mode)
{
    return requete("/_control/streams?mode=" + QUrl::toPercentEncoding(mode)) == 200;
}

bool FauxBoitier::reinitialiser()
{
    return requete("/_control/reset") == 200;
}

bool FauxBoitier::attendreMedia(int ms)
{
    // Asked every 100 ms at most, with the event loop running in between.
    QDeadlineTimer prochaine(0);
    return attendreQue([&] {
        if (!prochaine.hasExpired())
            return false;
        prochaine.setRemainingTime(100);
        return requete("/_ready") == 200;
    }, ms);
}

// A blocking HTTP/1.0 exchange, kept apart from the product's web client.
int FauxBoitier::requete(const QString& chemin) const
{
    if (port_ <= 0)
        return 0;
    QTcpSocket socket;
    socket.connectToHost("127.0.0.1", static_cast<quint16>(port_));
    if (!socket.waitForConnected(2000))
        return 0;
    socket.write("GET " + chemin.toUtf8() + " HTTP/1.0\r\nHost: " + hote().toUtf8() + "\r\n\r\n");
    QByteArray reponse;
    QDeadlineTimer limite(5000);
    while (!reponse.contains("\r\n") && !limite.hasExpired()) {
        if (!socket.waitForReadyRead(static_cast<int>(std::max<qint64>(1, limite.remainingTime()))))
            break;
        reponse += socket.readAll();
    }
    const QList<QByteArray> mots = reponse.left(reponse.indexOf("\r\n")).split(' ');
    return mots.size() >= 2 && mots[0].startsWith("HTTP/") ? mots[1].toInt() : 0;
}
