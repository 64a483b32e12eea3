#include "shell/FonduEntree.h"

#include <QWidget>

namespace {
// 32 steps, about a quarter of a second.
constexpr int kPasFonduMs = 8;
}  // namespace

std::vector<int> EtapesFondu()
{
    std::vector<int> etapes;
    for (int alpha = 0; alpha <= 255; alpha += 8)
        etapes.push_back(alpha);
    return etapes;
}

FonduEntree::FonduEntree(QWidget& fenetre) : QObject(&fenetre), fenetre_(fenetre)
{
    pas_.setInterval(kPasFonduMs);
    connect(&pas_, &QTimer::timeout, this, [this] {
        static const std::vector<int> etapes = EtapesFondu();
        if (etape_ < etapes.size()) {
            fenetre_.setWindowOpacity(etapes[etape_++] / 255.0);
            return;
        }
        pas_.stop();
        fenetre_.setWindowOpacity(1.0);
    });
}

void FonduEntree::demarrer()
{
    fenetre_.setWindowOpacity(0.0);
    fenetre_.show();
    etape_ = 0;
    pas_.start();
}
