#include "shell/BarreTampon.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

BarreTampon::BarreTampon(QWidget* parent) : QFrame(parent)
{
    setObjectName("Buffering");
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    auto* lt = new QVBoxLayout(this);
    lt->addWidget(new QLabel("Mise en mémoire tampon…", this));
    barre_ = new QProgressBar(this);
    barre_->setObjectName("BufferingBar1");
    barre_->setRange(0, 30);
    barre_->setTextVisible(false);
    lt->addWidget(barre_);
    resize(260, 70);
    hide();
}

void BarreTampon::afficherEtape(int etape)
{
    if (etape < 0) {
        hide();
        return;
    }
    if (parentWidget())
        move((parentWidget()->width() - width()) / 2, (parentWidget()->height() - height()) / 2);
    barre_->setValue(etape);
    show();
    raise();
    repaint();
}
