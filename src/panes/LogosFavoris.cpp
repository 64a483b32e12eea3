#include "panes/LogosFavoris.h"

#include "core/ReglesFavoris.h"

#include <QFileInfo>
#include <QPainter>

QPixmap LogosFavoris::logo(const QString& cle) const
{
    if (!dossier_.isEmpty()) {
        const QString chemin = dossier_ + FichierLogoFavori(cle);
        QPixmap p;
        // A file that is not a picture counts as no picture.
        if (QFileInfo(chemin).isFile() && p.load(chemin))
            return p;
    }
    if (cle == kCleNonAttribue)
        return ImageNonAttribue();
    return {};
}

QPixmap ImageNonAttribue()
{
    static const QPixmap image = [] {
        QPixmap p(LogosFavoris::Largeur, LogosFavoris::Hauteur);
        p.fill(Qt::transparent);
        QPainter g(&p);
        g.setRenderHint(QPainter::Antialiasing);
        QPen trait(QColor(150, 150, 160), 2, Qt::DashLine);
        g.setPen(trait);
        g.setBrush(Qt::NoBrush);
        g.drawRoundedRect(QRectF(3, 3, LogosFavoris::Largeur - 6, LogosFavoris::Hauteur - 6), 5, 5);
        // A plus sign: the slot is waiting for a channel.
        g.setPen(QPen(QColor(150, 150, 160), 3, Qt::SolidLine, Qt::RoundCap));
        const QPointF c(LogosFavoris::Largeur / 2.0, LogosFavoris::Hauteur / 2.0);
        g.drawLine(c - QPointF(8, 0), c + QPointF(8, 0));
        g.drawLine(c - QPointF(0, 8), c + QPointF(0, 8));
        return p;
    }();
    return image;
}
