#pragma once
#include "core/TableFavoris.h"

#include <QStringList>
#include <QWidget>

#include <array>

class QComboBox;
class QLineEdit;
class QPushButton;
class QStringListModel;

// The favourites editor: the group being edited, its name and its eight slots, each a combo
// listing every channel. It shows the table it is given and reports the user's edits; the
// table itself is changed by its controller.
class EditeurFavoris : public QWidget {
    Q_OBJECT
public:
    explicit EditeurFavoris(QWidget* parent = nullptr);

    // The channels' display names, in list order. One model serves the eight combos.
    void definirChaines(const QStringList& noms);
    // Shows group `groupe` of `table`: its name and the channel of each slot.
    void afficher(const TableFavoris& table, int groupe);
    int groupe() const { return groupe_; }
    // The keyboard focus on the combo of slot `emplacement` (1 to 8).
    void focaliser(int emplacement);

    QComboBox* const EditerFav;
    QLineEdit* const TexteFav;
    QPushButton* const ModifierFav;
    QPushButton* const EffacerFav;
    std::array<QComboBox*, 8> ListeFav{};    // slots 1 to 8 at 0 to 7
    std::array<QPushButton*, 8> ListeFav0{};

signals:
    void groupeChoisi(int groupe);
    // Slot `emplacement` (1 to 8) of the edited group now holds `chaine` ("" = empty).
    void emplacementChoisi(int groupe, int emplacement, const QString& chaine);
    void renommageDemande(int groupe, const QString& nom);
    void effacementDemande(int groupe);

private:
    QStringListModel* chaines_;
    QStringList noms_;
    int groupe_ = 0;
};
