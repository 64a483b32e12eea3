#pragma once
#include <QWidget>

class QHBoxLayout;
class QLabel;
class QListWidget;
class QPushButton;
class PanneauFavoris;
struct VueChaine;

// The channel column: the channel list with the favourites frame on the same spot, the
// selected channel's name above and the previous / favourites / next buttons below.
class PanneauChaines : public QWidget {
    Q_OBJECT
public:
    explicit PanneauChaines(QWidget* parent = nullptr);

    void afficherChaines(const QStringList& noms);
    // Selects a channel (-1 = none) without telling it back, and shows its name.
    void selectionner(int index, const VueChaine& vue);
    // Brings the favourites frame in front of the channel list, or the list back.
    void montrerFavoris(bool devant);
    PanneauFavoris& favoris() const { return *favoris_; }
    // Puts a button of the window at the end of the row under the list.
    void ajouterALaRangee(QWidget* w);

    QPushButton* const ChaineM;
    QPushButton* const Fav;
    QPushButton* const ChaineP;

signals:
    // The user chose a channel in the list.
    void chaineChoisie(int index);
    void chaineDoubleCliquee();

private:
    QLabel* progChaine3_;
    QListWidget* chaines_;
    PanneauFavoris* favoris_;
    QHBoxLayout* rangee_;
    bool parCode_ = false;
};
