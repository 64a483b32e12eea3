#include "shell/GeometrieMiniEcran.h"

#include "platform/Twips.h"

#include <QtMath>
#include <algorithm>

int pixels(double twips)
{
    return versPixels(qRound(twips));
}

int LargeurSauvee(double largeurVideo)
{
    return qRound(largeurVideo + kCadreLargeur);
}

double largeurFenetreMini(int curseur, int largeurSauvee)
{
    curseur = std::clamp(curseur, kCurseurMin, kCurseurMax);
    const qint32 produit = curseur * largeurSauvee;
    return produit / 100.0;
}

TailleMiniEcran SizeBar2_Scroll(double largeurFenetre)
{
    TailleMiniEcran t;
    t.largeurFenetre = largeurFenetre;
    t.largeurVideo = largeurFenetre - kCadreLargeur;
    t.hauteurVideo = t.largeurVideo / kRapportImage;
    t.hauteurFenetre = t.hauteurVideo + kCadreHauteur - kCorrectionHauteur;
    return t;
}

QSize TailleMiniEcran::clientPixels() const
{
    return {pixels(largeurVideo), pixels(hauteurVideo)};
}

PleinEcranGeometrie geometriePleinEcran(const QSizeF& client, const QSizeF& rangee)
{
    PleinEcranGeometrie g;
    const double a = client.width();
    const double b = client.height();
    double l, h;
    // Compared in single precision: a screen exactly at the ratio takes the width's branch.
    g.parHauteur = float(b * kRapportImage) < float(a);
    if (g.parHauteur) {
        h = b;
        l = h * kRapportImage;
    } else {
        l = a;
        h = l / kRapportImage;
    }
    g.video = QRectF((a - l) / 2, (b - h) / 2, l, h);
    g.rangee = QPointF((a - rangee.width()) / 2, b - rangee.height());
    return g;
}

QPoint positionEntreeMini(const QPoint& fenetre)
{
    return fenetre + QPoint(pixels(kVideoNormale.x()), pixels(kVideoNormale.y()));
}

QPoint positionSortieMini(const QPoint& fenetre, const QSize& tailleFenetre, const QRect& ecran, bool cadr)
{
    QPoint p = fenetre - QPoint(pixels(kVideoNormale.x()), pixels(kVideoNormale.y()));
    if (ecran.isEmpty())
        return p;
    p.setX(std::max(p.x(), ecran.x()));
    p.setY(std::max(p.y(), ecran.y()));
    if (cadr) {
        p.setX(std::min(p.x(), ecran.x() + ecran.width() - tailleFenetre.width()));
        p.setY(std::min(p.y(), ecran.y() + ecran.height() - tailleFenetre.height()));
    }
    return p;
}

QPoint positionSortiePleinEcran(const QPoint& sauvee, const QSize& tailleFenetre, const QRect& ecran)
{
    if (ecran.isEmpty())
        return sauvee;
    const int x = std::max(std::min(sauvee.x(), ecran.x() + ecran.width() - tailleFenetre.width()), ecran.x());
    const int y = std::max(std::min(sauvee.y(), ecran.y() + ecran.height() - tailleFenetre.height()), ecran.y());
    return {x, y};
}
