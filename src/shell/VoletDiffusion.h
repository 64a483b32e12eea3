#pragma once
#include <QFrame>

class QLabel;
class QTabBar;

// The re-broadcast side pane `Fond1a`: the program's logos (idle or recording) and the
// version, over an inert tab strip.
class VoletDiffusion : public QFrame {
    Q_OBJECT
public:
    explicit VoletDiffusion(QWidget* parent = nullptr);

    // Exactly one logo shows: the recording one while the player records.
    void definirIconeEnregistrement(bool enregistrement);

signals:
    // A logo was clicked: the options open on their last tab.
    void logoClique();

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    QTabBar* onglets_;
    QLabel* logo1_;
    QLabel* logo2_;
};
