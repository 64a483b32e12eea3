#include "shell/Icones.h"

#include <QPainter>
#include <QPixmap>

namespace {
QIcon dessiner(bool enregistrement)
{
    QPixmap p(32, 32);
    p.fill(Qt::transparent);
    QPainter g(&p);
    g.setRenderHint(QPainter::Antialiasing);
    g.setBrush(QColor(40, 40, 48));
    g.setPen(QPen(QColor(180, 180, 190), 2));
    g.drawRoundedRect(3, 6, 26, 18, 3, 3);
    g.drawLine(11, 28, 21, 28);
    g.setBrush(enregistrement ? QColor(220, 30, 30) : QColor(60, 140, 220));
    g.setPen(Qt::NoPen);
    g.drawEllipse(QPoint(16, 15), 5, 5);
    return QIcon(p);
}
}  // namespace

QIcon IconeRepos()
{
    static const QIcon i = dessiner(false);
    return i;
}

QIcon IconeEnregistrement()
{
    static const QIcon i = dessiner(true);
    return i;
}
