#include "shell/clsSysTray.h"

#include "panes/TexteBrut.h"

#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>

namespace {
// A notice stays as long as the shutdown it tells of takes to come.
constexpr int kDureeAvisMs = 60000;
}  // namespace

clsSysTray::clsSysTray(QObject* parent) : QObject(parent) {}

clsSysTray::~clsSysTray() = default;

QSystemTrayIcon* clsSysTray::icone()
{
    if (!tray_) {
        tray_ = new QSystemTrayIcon(this);
        tray_->setIcon(icone_);
        tray_->setToolTip(infoBulleBrute(toolTip_));
        connect(tray_, &QSystemTrayIcon::activated, this, &clsSysTray::recevoir);
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
        tray_->setToolTip(infoBulleBrute(toolTip_));
    if (source_ && source_->isMinimized())
        source_->setWindowTitle(titreBrut(texte));
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

void clsSysTray::recevoir(QSystemTrayIcon::ActivationReason raison)
{
    if (occupe_)
        return;  // a message arriving while an event runs is dropped
    occupe_ = true;
    switch (raison) {
    case QSystemTrayIcon::DoubleClick:
        DoLButtonDblClk();
        break;
    case QSystemTrayIcon::Trigger:
        // A left click on an embedded icon; on a StatusNotifierItem tray (KDE, GNOME's
        // AppIndicator, XFCE) the item's activation, the only gesture those trays send to
        // bring a window back: without this the window would stay hidden for good.
        emit LButtonDown();
        emit LButtonUp();
        if (defaultDblClk_)
            restaurer();
        break;
    case QSystemTrayIcon::Context:
        emit RButtonDown();
        emit RButtonUp();
        break;
    default:
        break;
    }
    occupe_ = false;
}

void clsSysTray::restaurer()
{
    if (!source_)
        return;
    // Back in the state it left: a full-screen window comes back full screen (showNormal would
    // give a plain window of the screen's size).
    source_->setWindowState(source_->windowState() & ~Qt::WindowMinimized);
    source_->show();
    source_->raise();
    source_->activateWindow();
    RemoveFromSysTray();
}

void clsSysTray::DoLButtonDblClk()
{
    if (defaultDblClk_)
        restaurer();
    emit LButtonDblClk();
}

void clsSysTray::avertir(const QString& texte)
{
    if (!QSystemTrayIcon::isSystemTrayAvailable() || !QSystemTrayIcon::supportsMessages())
        return;
    const bool dejaLa = visible();
    IconInSysTray();
    tray_->showMessage(QStringLiteral("Kelmor"), texte, QSystemTrayIcon::Warning, kDureeAvisMs);
    if (!dejaLa)
        QTimer::singleShot(kDureeAvisMs, this, [this] {
            if (source_ && source_->isVisible() && !source_->isMinimized())
                RemoveFromSysTray();
        });
}
