#include "support/Ecran.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSet>
#include <QWidget>

QImage ecranSur(const QRect& global)
{
    QScreen* ecran = QGuiApplication::primaryScreen();
    return ecran ? ecran->grabWindow(0, global.x(), global.y(), global.width(), global.height()).toImage() : QImage();
}

QImage ecranSous(const QWidget& w)
{
    return ecranSur(QRect(w.mapToGlobal(QPoint(0, 0)), w.size()));
}

int nombreDeCouleurs(const QImage& image)
{
    QSet<QRgb> couleurs;
    for (int y = 0; y < image.height(); y += 4)
        for (int x = 0; x < image.width(); x += 4)
            couleurs.insert(image.pixel(x, y));
    return int(couleurs.size());
}
