#include "shell/clsSysTray.h"

#include <QSystemTrayIcon>
#include <QWidget>

clsSysTray::clsSysTray(QObject* parent) : QObject(parent) {}

clsSysTray::~clsSysTray() = default;

QSystemTrayIcon* clsSysTray::icone()
{
    if (!tray_) {
        tray_ = new QSystemTrayIcon(this);
        tray_->setIcon(icone_);
        tray_->setToolTip(toolTip_);
        connect(tray_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason r) {
            if (occupe_)
                return;  // a message arriving while an event runs is dropped
            occupe_ = true;
            switch (r) {
            case QSystemTrayIcon::DoubleClick: DoLButtonDblClk(); break;
            case QSystemTrayIcon::Trigger: emit LButtonDown(); emit LButtonUp(); break;
            case QSystemTrayIcon::Context: emit RButtonDown(); emit RButtonUp(); break;
            default: break;
            }
            occupe_ = false;
        });
    }
    return tray_;
}

void clsSysTray::ChangeIcon(const QIcon& nouvelle)
{
    icone_ = nouvelle;
    if (tray_)
        tray_->setIcon(icone_);
}

void clsSysTray::ChangeToolTip(const QString& texte)
{
    toolTip_ = texte.left(63);
    if (tray_)
        tray_->setToolTip(toolTip_);
    if (source_ && source_->isMinimized())
        source_->setWindowTitle(texte);
}

void clsSysTray::IconInSysTray()
{
    icone()->show();
}

void clsSysTray::RemoveFromSysTray()
{
    if (tray_)
        tray_->hide();
}

bool clsSysTray::visible() const
{
    return tray_ && tray_->isVisible();
}

void clsSysTray::MinToSysTray()
{
    if (!source_)
        return;
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        source_->showMinimized();
        return;
    }
    IconInSysTray();
    source_->hide();
}

void clsSysTray::DoLButtonDblClk()
{
    if (defaultDblClk_ && source_) {
        source_->showNormal();
        source_->raise();
        source_->activateWindow();
        RemoveFromSysTray();
    }
    emit LButtonDblClk();
}
