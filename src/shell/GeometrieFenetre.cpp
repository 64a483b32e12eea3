#include "shell/GeometrieFenetre.h"

#include <QtMath>

#include <algorithm>

namespace {
constexpr int kPasAnimation = 10;

// Without the keep-inside option the window may stick out of the screen, but this many pixels
// of it always stay on it, so that its title bar or background can still be grabbed.
constexpr int kPrise = 40;
}  // namespace

std::vector<QSize> animationLargeur(const QSize& depart, int largeurCible)
{
    std::vector<QSize> tailles;
    if (depart.width() == largeurCible)
        return tailles;
    const double pas = double(largeurCible - depart.width()) / kPasAnimation;
    for (int i = 0; i < kPasAnimation; ++i)
        tailles.emplace_back(qRound(depart.width() + pas * i), depart.height());
    tailles.emplace_back(largeurCible, depart.height());
    return tailles;
}

QPoint placerSurEcran(const QRect& ecran, QPoint pos, int l, int h, bool dedansX, bool dedansY)
{
    const int droite = ecran.x() + ecran.width();
    const int bas = ecran.y() + ecran.height();
    int x = pos.x();
    int y = pos.y();
    // Inside the screen: the far edge back to the screen's edge, and a window larger than
    // the screen keeps its top-left corner on it.
    if (dedansX)
        x = std::max(std::min(x, droite - l), ecran.x());
    if (dedansY)
        y = std::max(std::min(y, bas - h), ecran.y());
    x = std::max(std::min(x, droite - kPrise), ecran.x() + kPrise - l);
    y = std::max(std::min(y, bas - kPrise), ecran.y() + kPrise - h);
    return {x, y};
}
