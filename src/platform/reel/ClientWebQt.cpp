#include "platform/reel/ClientWebQt.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

#include <memory>

namespace {
struct Transfert {
    QByteArray corps;
    bool echec = false;
    bool fini = false;
    Suite<QByteArray> reponse;
};

// The length the server announced for the body as it travels, -1 when none. A compressed
// body is announced in its compressed size, which says nothing of the bytes read here.
qint64 longueurAnnoncee(QNetworkReply* r)
{
    const QByteArray codage = r->rawHeader("Content-Encoding").trimmed().toLower();
    if (!codage.isEmpty() && codage != "identity")
        return -1;
    const QVariant longueur = r->header(QNetworkRequest::ContentLengthHeader);
    return longueur.isValid() ? longueur.toLongLong() : -1;
}
}

ClientWebQt::ClientWebQt(int delaiMs, qint64 tailleMax)
    : delaiMs_(delaiMs), tailleMax_(tailleMax), contexte_(std::make_unique<QObject>())
{
}

ClientWebQt::~ClientWebQt()
{
    // No reply may reach its caller after this: the connections go first, then the
    // manager aborts and deletes the transfers it still owns.
    contexte_.reset();
    if (reseau_)
        for (QNetworkReply* r : reseau_->findChildren<QNetworkReply*>())
            r->abort();
    reseau_.reset();
}

int ClientWebQt::enCours() const
{
    if (!reseau_)
        return 0;
    int n = 0;
    for (QNetworkReply* r : reseau_->findChildren<QNetworkReply*>())
        if (!r->isFinished())
            ++n;
    return n;
}

void ClientWebQt::telecharger(const QString& adresse, int delaiMs, Suite<QByteArray> reponse)
{
    const QUrl url(adresse);
    if (!url.isValid() || (url.scheme() != "http" && url.scheme() != "https") || url.host().isEmpty()) {
        QTimer::singleShot(0, contexte_.get(), [reponse = std::move(reponse)] { reponse({}); });
        return;
    }
    // Created on first use so that the application object exists by then.
    if (!reseau_)
        reseau_ = std::make_unique<QNetworkAccessManager>();

    QNetworkRequest requete(url);
    requete.setMaximumRedirectsAllowed(10);
    QNetworkReply* r = reseau_->get(requete);
    auto t = std::make_shared<Transfert>();
    t->reponse = std::move(reponse);
    const qint64 tailleMax = tailleMax_;

    auto abandonner = [r, t] {
        if (t->echec)
            return;
        t->echec = true;
        r->abort();
    };
    auto terminer = [r, t, tailleMax] {
        if (t->fini)
            return;
        t->fini = true;
        if (!t->echec)
            t->corps += r->readAll();
        const int statut = r->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        const qint64 annoncee = longueurAnnoncee(r);
        // A connection closed early is not a whole download, whatever QtNetwork says.
        const bool entier = annoncee < 0 || t->corps.size() >= annoncee;
        const bool reussi = !t->echec && r->error() == QNetworkReply::NoError && statut >= 200 && statut < 300
            && t->corps.size() <= tailleMax && entier;
        r->deleteLater();
        const Suite<QByteArray> reponse = std::move(t->reponse);
        reponse(reussi ? std::move(t->corps) : QByteArray());
    };

    auto* delai = new QTimer(r);
    delai->setSingleShot(true);
    QObject::connect(delai, &QTimer::timeout, contexte_.get(), abandonner);
    QObject::connect(r, &QNetworkReply::metaDataChanged, contexte_.get(), [r, abandonner, tailleMax] {
        const QVariant longueur = r->header(QNetworkRequest::ContentLengthHeader);
        if (longueur.isValid() && longueur.toLongLong() > tailleMax)
            abandonner();
    });
    QObject::connect(r, &QNetworkReply::readyRead, contexte_.get(), [r, t, abandonner, tailleMax] {
        if (t->echec)
            return;
        t->corps += r->readAll();
        if (t->corps.size() > tailleMax)
            abandonner();
    });
    QObject::connect(r, &QNetworkReply::finished, contexte_.get(), terminer);
    delai->start(delaiMs > 0 ? delaiMs : delaiMs_);
    // Should the manager have ended it already, the end is still told from the event loop.
    if (r->isFinished())
        QTimer::singleShot(0, contexte_.get(), terminer);
}
