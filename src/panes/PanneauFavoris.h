#pragma once
#include "panes/LogosFavoris.h"

#include <QFrame>
#include <QStringList>
#include <array>

class QComboBox;
class QLabel;
class QPushButton;

// The favourites frame: the group chooser, its number and arrows, the watch button
// Favori(0) and the eight favourite buttons Favori(1..8). It shows what it is told and
// reports clicks and the right-button drag between two buttons; the current group is the
// controller's.
class PanneauFavoris : public QFrame {
    Q_OBJECT
public:
    explicit PanneauFavoris(QWidget* parent = nullptr);

    // Where the favourites' pictures are looked up ("" = nowhere).
    void definirDossierLogos(const QString& dossier);
    // The ten group names, in index order.
    void definirGroupes(const QStringList& noms);
    // Group g on the eight buttons; `noms`: their channels ("" = empty slot).
    void afficherGroupe(int g, const QStringList& noms);
    // Channel Nom on button Index: its picture without caption, or without picture its key
    // as caption.
    void AfficherLogoFavori(const QString& Nom, int Index);
    // The caption a button shows, "" when it shows a picture.
    QString legende(int Index) const;
    bool montreImage(int Index) const;

    QComboBox* const FavorisListe;
    QLabel* const FavorisNumero;
    QPushButton* const FavorisM;
    QPushButton* const FavorisP;
    const std::array<QPushButton*, 9> Favori;

signals:
    void groupeChoisi(int g);
    void favoriClique(int Index);
    // The right button went down on Favori(Index).
    void glissementCommence(int Index);
    // The right button came up over Favori(Index), or elsewhere (-1).
    void glissementTermine(int Index);

protected:
    bool eventFilter(QObject* objet, QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    int indexDe(const QObject* objet) const;
    // The favourite button under a point of the screen, -1 when none.
    int favoriSous(const QPoint& global) const;

    // Puts button Index's caption on two lines when one is too narrow for it.
    void poserLegende(int Index);

    LogosFavoris logos_;
    std::array<QString, 9> legendes_;
    bool parCode_ = false;
};
