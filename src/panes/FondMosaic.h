#pragma once
#include "engine/TypesAfficher.h"

#include <QStringList>
#include <QWidget>
#include <array>

class QPushButton;
class TuileMosaic;

// The mosaic's frame: eight tiles over the favourites groups' ten buttons.
class FondMosaic : public QWidget {
    Q_OBJECT
public:
    explicit FondMosaic(QWidget* parent = nullptr);

    void afficherTuile(int t, const TuileMosaique& tuile);
    // The red frame goes to tile t (0: hidden).
    void afficherCadreRouge(int t);
    // The channels of the group's eight slots ("" = empty).
    void afficherNoms(const QStringList& noms);
    // The group shown: its button `MosaFavo`(g) takes its "shown" face (bold).
    void afficherGroupeMosaique(int g);

signals:
    void tuileRelachee(int index, Qt::MouseButton bouton);
    void MosaFavo_Click(int Index);

private:
    const std::array<TuileMosaic*, 8> Mosaic;
    const std::array<QPushButton*, 10> MosaFavo;  // the favourites groups 1 to 10
};
