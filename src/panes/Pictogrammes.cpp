#include "panes/Pictogrammes.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>

#include <map>

namespace {
const QColor kTrait(36, 36, 44);
// The "on" face lies on an amber plate: seen at once, even at 12 pixels.
const QColor kPlaque(255, 176, 32);
const QColor kRouge(225, 25, 25);
const QColor kRougeTerne(140, 70, 70);

void plaque(QPainter& p)
{
    p.setPen(QPen(QColor(150, 90, 0), 1));
    p.setBrush(kPlaque);
    p.drawRoundedRect(QRectF(0.5, 0.5, 23, 23), 4, 4);
}

void triangle(QPainter& p, std::initializer_list<QPointF> sommets, const QColor& couleur)
{
    p.setPen(Qt::NoPen);
    p.setBrush(couleur);
    p.drawPolygon(QPolygonF(sommets));
}

void coins(QPainter& p, bool versLInterieur)
{
    p.setPen(QPen(kTrait, 2.4, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    // Each corner drawn in the top-left's frame, then turned.
    for (int quart = 0; quart < 4; ++quart) {
        p.save();
        p.translate(12, 12);
        p.rotate(90 * quart);
        p.translate(-12, -12);
        if (versLInterieur)
            p.drawPolyline(QPolygonF({QPointF(8, 3), QPointF(8, 8), QPointF(3, 8)}));
        else
            p.drawPolyline(QPolygonF({QPointF(3.5, 9), QPointF(3.5, 3.5), QPointF(9, 3.5)}));
        p.restore();
    }
}

void dessiner(QPainter& p, Pictogramme f, bool face1)
{
    p.setRenderHint(QPainter::Antialiasing);
    switch (f) {
    case Pictogramme::MiniEcran:
        if (face1)
            plaque(p);
        p.setPen(QPen(kTrait, 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(3, 5, 18, 14));
        p.setPen(Qt::NoPen);
        p.setBrush(kTrait);
        p.drawRect(QRectF(11.5, 11, 7.5, 6));
        break;
    case Pictogramme::PleinEcran:
        if (face1)
            plaque(p);
        coins(p, face1);
        break;
    case Pictogramme::AuDessus:
        if (face1)
            plaque(p);
        triangle(p, {QPointF(12, 2.5), QPointF(19, 10), QPointF(5, 10)}, kTrait);
        p.setBrush(kTrait);
        p.drawRect(QRectF(10, 9.5, 4, 5));
        p.setPen(QPen(kTrait, 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(4, 16, 16, 5));
        break;
    case Pictogramme::Precedente:
        triangle(p, {QPointF(17.5, 4.5), QPointF(17.5, 19.5), QPointF(5.5, 12)}, kTrait);
        break;
    case Pictogramme::Suivante:
        triangle(p, {QPointF(6.5, 4.5), QPointF(6.5, 19.5), QPointF(18.5, 12)}, kTrait);
        break;
    case Pictogramme::Enregistrer:
        if (face1) {
            plaque(p);
            p.setPen(QPen(Qt::white, 1.5));
            p.setBrush(kRouge);
            p.drawEllipse(QPointF(12, 12), 7.5, 7.5);
        } else {
            p.setPen(QPen(kTrait, 1.5));
            p.setBrush(kRougeTerne);
            p.drawEllipse(QPointF(12, 12), 6, 6);
        }
        break;
    case Pictogramme::Photo:
        p.setPen(QPen(kTrait, 2));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(3, 7.5, 18, 12), 2, 2);
        p.setPen(Qt::NoPen);
        p.setBrush(kTrait);
        p.drawRect(QRectF(8, 4, 8, 3.5));
        p.setPen(QPen(kTrait, 2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(12, 13.5), 3.5, 3.5);
        break;
    case Pictogramme::Son: {
        if (face1)
            plaque(p);
        QPainterPath haut;
        haut.addPolygon(QPolygonF({QPointF(3, 9), QPointF(7, 9), QPointF(12, 4), QPointF(12, 20), QPointF(7, 15),
                                   QPointF(3, 15)}));
        p.setPen(Qt::NoPen);
        p.setBrush(kTrait);
        p.drawPath(haut);
        if (face1) {
            p.setPen(QPen(kRouge, 2.6, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(14.5, 8), QPointF(21, 16));
            p.drawLine(QPointF(21, 8), QPointF(14.5, 16));
        } else {
            p.setPen(QPen(kTrait, 1.8, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(8, 8, 8, 8), -50 * 16, 100 * 16);
            p.drawArc(QRectF(5, 5, 14, 14), -50 * 16, 100 * 16);
            p.drawArc(QRectF(2, 2, 20, 20), -50 * 16, 100 * 16);
        }
        break;
    }
    case Pictogramme::Ruban:
        if (face1)
            triangle(p, {QPointF(19, 3), QPointF(19, 21), QPointF(5, 12)}, kTrait);
        else
            triangle(p, {QPointF(5, 3), QPointF(5, 21), QPointF(19, 12)}, kTrait);
        break;
    }
}

QIcon face(Pictogramme f, bool face1)
{
    QIcon icone;
    // Drawn at the sizes the buttons use, so that no face is a blurred scaling of another.
    for (int cote : {12, 14, 16, 20, 24, 32}) {
        QPixmap image(cote, cote);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.scale(cote / 24.0, cote / 24.0);
        dessiner(p, f, face1);
        p.end();
        icone.addPixmap(image);
    }
    return icone;
}
}  // namespace

std::array<QIcon, 2> FacesPictogramme(Pictogramme p)
{
    // Drawn once: every button showing a face shares its pictures.
    static std::map<Pictogramme, std::array<QIcon, 2>> faites;
    auto i = faites.find(p);
    if (i == faites.end())
        i = faites.emplace(p, std::array<QIcon, 2>{face(p, false), face(p, true)}).first;
    return i->second;
}
