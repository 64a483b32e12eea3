#include "platform/reel/ClientWebQt.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

ClientWebQt::ClientWebQt(int delaiMs, qint64 tailleMax)
    : delaiMs_(delaiMs), tailleMax_(tailleMax)
{
}

ClientWebQt::~ClientWebQt() = default;

void ClientWebQt::telecharger(const QString& adresse, int delaiMs, Suite<QByteArray> reponse)
{
    QTimer::singleShot(0, [this, adresse, delaiMs, reponse] { reponse(telechargerBloquant(adresse, delaiMs)); });
}

QByteArray ClientWebQt::telechargerBloquant(const QString& adresse, int delaiMs)
{
    const QUrl url(adresse);
    if (!url.isValid() || (url.scheme() != "http" && url.scheme() != "https") || url.host().isEmpty())
        return {};
    // Created on first use so that the application object exists by then.
    if (!reseau_)
        reseau_ = std::make_unique<QNetworkAccessManager>();

    QNetworkRequest requete(url);
    requete.setMaximumRedirectsAllowed(10);
    QNetworkReply* reponse = reseau_->get(requete);

    QByteArray corps;
    bool echec = false;
    QEventLoop boucle;
    QTimer delai;
    delai.setSingleShot(true);

    auto abandonner = [&] {
        echec = true;
        reponse->abort();
    };
    QObject::connect(&delai, &QTimer::timeout, &boucle, abandonner);
    QObject::connect(reponse, &QNetworkReply::metaDataChanged, &boucle, [&] {
        const QVariant longueur = reponse->header(QNetworkRequest::ContentLengthHeader);
        if (longueur.isValid() && longueur.toLongLong() > tailleMax_)
            abandonner();
    });
    QObject::connect(reponse, &QNetworkReply::readyRead, &boucle, [&] {
        if (echec)
            return;
        corps += reponse->readAll();
        if (corps.size() > tailleMax_)
            abandonner();
    });
    QObject::connect(reponse, &QNetworkReply::finished, &boucle, &QEventLoop::quit);

    delai.start(delaiMs > 0 ? delaiMs : delaiMs_);
    if (!reponse->isFinished())
        boucle.exec(QEventLoop::ExcludeUserInputEvents);
    delai.stop();

    if (!echec)
        corps += reponse->readAll();
    const int statut = reponse->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const bool reussi = !echec && reponse->error() == QNetworkReply::NoError
        && statut >= 200 && statut < 300 && corps.size() <= tailleMax_;
    delete reponse;
    if (!reussi)
        return {};
    return corps;
}
