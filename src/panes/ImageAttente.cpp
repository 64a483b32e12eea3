#include "panes/ImageAttente.h"

#include <QLinearGradient>
#include <QPainter>

#include <algorithm>

void PeindreAttente(QPainter& p, const QRect& zone)
{
    QLinearGradient degrade(zone.topLeft(), zone.bottomLeft());
    degrade.setColorAt(0, QColor(16, 32, 64));
    degrade.setColorAt(1, QColor(4, 8, 20));
    p.fillRect(zone, degrade);
    p.setRenderHint(QPainter::Antialiasing);
    // A small screen with three dots: the channel is on its way.
    const int l = std::max(12, std::min(zone.width(), zone.height() * 4 / 3) / 4);
    const QRect ecran(zone.center().x() - l / 2, zone.center().y() - l * 3 / 8 - l / 6, l, l * 3 / 4);
    p.setPen(QPen(QColor(170, 190, 230), std::max(1, l / 20)));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(ecran, l / 10.0, l / 10.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(170, 190, 230));
    const int r = std::max(1, l / 16);
    for (int i = -1; i <= 1; ++i)
        p.drawEllipse(QPoint(ecran.center().x() + i * 3 * r, ecran.center().y()), r, r);
    if (zone.height() >= 80) {
        // Whole or not at all: a mosaic tile is too narrow for it.
        const QString texte = QStringLiteral("Connexion à la chaîne…");
        QFont f = p.font();
        f.setPointSizeF(std::max(7.0, zone.height() / 28.0));
        if (QFontMetrics(f).horizontalAdvance(texte) <= zone.width() - 8) {
            p.setFont(f);
            p.setPen(QColor(200, 210, 235));
            p.drawText(QRect(zone.left(), ecran.bottom() + l / 6, zone.width(), zone.height() / 5),
                       Qt::AlignHCenter | Qt::AlignTop, texte);
        }
    }
}

ImageAttente::ImageAttente(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Waiting"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ImageAttente::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    PeindreAttente(p, rect());
}
