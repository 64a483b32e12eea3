#include "panes/TuileMosaic.h"

#include "panes/ImageAttente.h"

#include <QBuffer>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {
const QString kInfoBulleTuile = QStringLiteral("Clic gauche pour regarder / Clic droit pour afficher");
const QColor kFondVide(24, 24, 28);
const QColor kRouge(220, 0, 0);
}  // namespace

TuileMosaic::TuileMosaic(int index, QWidget* parent) : QWidget(parent), index_(index)
{
    setObjectName(QStringLiteral("Mosaic(%1)").arg(index));
    setToolTip(kInfoBulleTuile);
    setMinimumSize(40, 30);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void TuileMosaic::afficher(const TuileMosaique& tuile)
{
    contenu_ = tuile.contenu;
    image_ = QPixmap();
    if (contenu_ == TuileMosaique::Contenu::Image) {
        // Decoded at the tile's size: a full-size picture would hold the window several
        // milliseconds for nothing.
        QBuffer octets;
        octets.setData(tuile.image);
        QImageReader lecteur(&octets);
        const QSize taille = lecteur.size();
        const QSize tuileEnPixels = size() * devicePixelRatio();
        if (taille.isValid() && taille.width() > tuileEnPixels.width() && taille.height() > tuileEnPixels.height())
            lecteur.setScaledSize(taille.scaled(tuileEnPixels, Qt::KeepAspectRatioByExpanding));
        image_ = QPixmap::fromImage(lecteur.read());
        if (image_.isNull())
            contenu_ = TuileMosaique::Contenu::Vide;  // an unreadable picture: the blank tile
    }
    update();
}

void TuileMosaic::definirNom(const QString& nom)
{
    nom_ = nom;
    update();
}

void TuileMosaic::definirRouge(bool rouge)
{
    if (rouge_ == rouge)
        return;
    rouge_ = rouge;
    update();
}

void TuileMosaic::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QRect zone = rect();
    switch (contenu_) {
    case TuileMosaique::Contenu::Vide:
        p.fillRect(zone, kFondVide);
        break;
    case TuileMosaique::Contenu::Attente:
        PeindreAttente(p, zone);
        break;
    case TuileMosaique::Contenu::Image: {
        p.fillRect(zone, Qt::black);
        const QSize taille = image_.size().scaled(zone.size(), Qt::KeepAspectRatio);
        QRect cible(QPoint(), taille);
        cible.moveCenter(zone.center());
        p.drawPixmap(cible, image_);
        break;
    }
    }
    if (!nom_.isEmpty()) {
        QFont f = p.font();
        f.setPointSizeF(7.5);
        p.setFont(f);
        const QRect texte = p.fontMetrics().boundingRect(nom_).adjusted(-3, -1, 3, 1);
        const QRect cartouche(zone.left() + 2, zone.top() + 2, std::min(texte.width(), zone.width() - 4), texte.height());
        p.fillRect(cartouche, QColor(0, 0, 0, 150));
        p.setPen(Qt::white);
        p.drawText(cartouche, Qt::AlignCenter, p.fontMetrics().elidedText(nom_, Qt::ElideRight, cartouche.width() - 4));
    }
    if (rouge_) {
        p.setPen(QPen(kRouge, 3));
        p.setBrush(Qt::NoBrush);
        p.drawRect(zone.adjusted(1, 1, -2, -2));
    }
}

void TuileMosaic::mouseReleaseEvent(QMouseEvent* e)
{
    if (rect().contains(e->position().toPoint()))
        emit relachee(index_, e->button());
    e->accept();
}
