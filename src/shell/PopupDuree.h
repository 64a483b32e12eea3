#pragma once
#include <QFrame>

class QLabel;
class QPushButton;

// The manual recording's duration pop-up: the time left and ten choices (close, 30 minutes
// to 4 hours, cancel the duration).
class PopupDuree : public QFrame {
    Q_OBJECT
public:
    explicit PopupDuree(QWidget* parent = nullptr);

    // Shows the pop-up centred on `centre` (in its parent's coordinates), inside the parent.
    void afficher(const QString& texte, bool annulerActif, const QPoint& centre);

signals:
    // Choice 0 closes, 1 to 8 set a duration, 9 cancels the duration.
    void choisi(int index);

private:
    QLabel* texte_;
    QPushButton* annuler_;
};

// Where the duration pop-up goes in the window: centred on the pointer, inside the window.
QPoint placerPopup(const QPoint& curseur, const QSize& popup, const QSize& fenetre);
