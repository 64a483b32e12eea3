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

double ressemblance(const QImage& a, const QImage& b)
{
    if (a.size() != b.size() || a.isNull())
        return 0;
    int pareils = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            pareils += (a.pixel(x, y) & 0xffffff) == (b.pixel(x, y) & 0xffffff);
    return double(pareils) / (a.width() * a.height());
}

bool visibleALEcran(QWidget& w)
{
    return w.isVisible() && ressemblance(ecranSous(w), w.grab().toImage()) > 0.9;
}
