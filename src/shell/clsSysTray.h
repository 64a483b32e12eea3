#pragma once
#include <QIcon>
#include <QObject>
#include <QString>
#include <QSystemTrayIcon>

class QWidget;

// One notification-area icon for the main window: it hides the window and brings it
// back on a left double-click, or on the activation that the trays of today send in its
// place (they have no double-click). Where the desktop has no notification area,
// minimising leaves the window minimised normally.
class clsSysTray : public QObject {
    Q_OBJECT
public:
    explicit clsSysTray(QObject* parent = nullptr);
    ~clsSysTray() override;

    void setSourceWindow(QWidget* fenetre) { source_ = fenetre; }
    QWidget* SourceWindow() const { return source_; }
    void setDefaultDblClk(bool v) { defaultDblClk_ = v; }
    bool DefaultDblClk() const { return defaultDblClk_; }
    QString ToolTip() const { return toolTip_; }
    QIcon Icon() const { return icone_; }

    void ChangeIcon(const QIcon& icone);
    void ChangeToolTip(const QString& texte);
    void IconInSysTray();
    void RemoveFromSysTray();
    void MinToSysTray();
    bool visible() const;

    // What the icon's mouse messages do; public so that tests can drive them.
    void DoLButtonDblClk();
    void recevoir(QSystemTrayIcon::ActivationReason raison);

    // Brings the window back in the state it left (full screen stays full screen), whatever
    // DefaultDblClk says; the icon leaves the notification area.
    void restaurer();
    // A desktop notice beside the icon, where a notification area can show one; the icon stays
    // for as long as the notice when the window is not in the notification area.
    void avertir(const QString& texte);

signals:
    void LButtonDblClk();
    void LButtonDown();
    void LButtonUp();
    void RButtonDblClk();
    void RButtonDown();
    void RButtonUp();

private:
    QSystemTrayIcon* icone();

    QWidget* source_ = nullptr;
    QSystemTrayIcon* tray_ = nullptr;
    QIcon icone_;
    QString toolTip_;
    bool defaultDblClk_ = true;
    bool occupe_ = false;
};
