#pragma once
#include "shell/Raccourcis.h"

#include <QObject>
#include <functional>

class QWidget;

// The keyboard shortcuts for the whole application: installed on the application object, it
// looks at every key release that goes to one of the main window's controls, and asks for the
// button the release presses. A release the shortcuts take never reaches the control.
class FiltreClavier : public QObject {
    Q_OBJECT
public:
    FiltreClavier(QWidget& fenetre, std::function<EtatRaccourcis()> etat,
                  std::function<QDateTime()> maintenant, QObject* parent = nullptr);

    const Raccourcis& raccourcis() const { return raccourcis_; }

signals:
    void boutonDemande(const ActionClavier& action);

protected:
    bool eventFilter(QObject* objet, QEvent* e) override;

private:
    QWidget& fenetre_;
    std::function<EtatRaccourcis()> etat_;
    std::function<QDateTime()> maintenant_;
    Raccourcis raccourcis_;
};
