#include "shell/VoletDiffusion.h"

#include "core/Version.h"
#include "platform/Twips.h"
#include "shell/Icones.h"

#include <QLabel>
#include <QMouseEvent>
#include <QTabBar>

VoletDiffusion::VoletDiffusion(QWidget* parent) : QFrame(parent)
{
    setObjectName("Fond1a");
    onglets_ = new QTabBar(this);
    onglets_->setObjectName("TabStrip1");
    onglets_->addTab("Kelmor");
    onglets_->setGeometry(rectPixels(120, 120, 5295, 390));

    logo1_ = new QLabel(this);
    logo1_->setObjectName("Logo1");
    logo1_->setPixmap(IconeRepos().pixmap(96, 96));
    logo1_->setAlignment(Qt::AlignCenter);
    logo1_->setGeometry(rectPixels(120, 600, 5295, 3600));
    logo2_ = new QLabel(this);
    logo2_->setObjectName("Logo2");
    logo2_->setPixmap(IconeEnregistrement().pixmap(96, 96));
    logo2_->setAlignment(Qt::AlignCenter);
    logo2_->setGeometry(logo1_->geometry());
    logo2_->hide();

    for (QLabel* logo : {logo1_, logo2_}) {
        logo->setCursor(Qt::PointingHandCursor);
        logo->installEventFilter(this);
    }

    auto* version = new QLabel(kVersion, this);
    version->setObjectName("Version0");
    version->setAlignment(Qt::AlignCenter);
    version->setGeometry(rectPixels(120, 4320, 5295, 390));
}

void VoletDiffusion::definirIconeEnregistrement(bool enregistrement)
{
    logo1_->setVisible(!enregistrement);
    logo2_->setVisible(enregistrement);
}

bool VoletDiffusion::eventFilter(QObject* objet, QEvent* evenement)
{
    // A logo is a button: its press starts no drag of the window, its release opens the options.
    const auto type = evenement->type();
    if ((objet == logo1_ || objet == logo2_)
        && (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease)) {
        if (type == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(evenement)->button() == Qt::LeftButton)
            emit logoClique();
        return true;
    }
    return QFrame::eventFilter(objet, evenement);
}
