#pragma once
#include <QStringList>
#include <QWidget>

class QListWidget;
class QPushButton;

// The recordings' and snapshots' frame: the file list and its buttons.
class FondFichiers : public QWidget {
    Q_OBJECT
public:
    explicit FondFichiers(QWidget* parent = nullptr);

    void afficherListe(const QStringList& noms, int selection, bool boutonsActifs);
    void afficherTV2(bool gras, bool actif);

signals:
    void fichierChoisi(int index);
    void fichierDoubleClique();
    void AfficherRegarder_Click();
    void AfficherEffacer_Click();
    void AfficherTout_Click();
    void AfficherAutres_Click();
    void AfficherRefresh_Click();
    void TV2_Click();

private:
    QListWidget* const AfficherListe;
    QPushButton* const AfficherRegarder;
    QPushButton* const AfficherEffacer;
    QPushButton* const AfficherTout;
    QPushButton* const AfficherAutres;
    QPushButton* const AfficherRefresh;
    QPushButton* const TV2;
    bool parCode_ = false;
};
