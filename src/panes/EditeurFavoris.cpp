#include "panes/EditeurFavoris.h"

#include "core/ReglesOptions.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringListModel>
#include <QValidator>

namespace {
QString ordinal(int n)
{
    return n == 1 ? QStringLiteral("1ère") : QString::number(n) + QStringLiteral("ème");
}

// Refuses what would break the settings file's line.
class ValidateurNomGroupe : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& texte, int&) const override
    {
        return NomGroupeValide(texte) ? Acceptable : Invalid;
    }
};
}  // namespace

EditeurFavoris::EditeurFavoris(QWidget* parent)
    : QWidget(parent),
      EditerFav(new QComboBox(this)),
      TexteFav(new QLineEdit(this)),
      ModifierFav(new QPushButton(QStringLiteral("Renommer"), this)),
      EffacerFav(new QPushButton(QStringLiteral("Réinitialiser"), this)),
      chaines_(new QStringListModel(this))
{
    setObjectName(QStringLiteral("EditeurFavoris"));
    EditerFav->setObjectName(QStringLiteral("EditerFav"));
    EditerFav->setToolTip(QStringLiteral("Sélectionner le groupe de favoris à modifier"));
    for (int g = 0; g < TableFavoris::NombreGroupes; ++g)
        EditerFav->addItem(QString());
    TexteFav->setObjectName(QStringLiteral("TexteFav"));
    TexteFav->setToolTip(QStringLiteral("Modifier le nom de ce groupe de favoris"));
    TexteFav->setValidator(new ValidateurNomGroupe(TexteFav));
    ModifierFav->setObjectName(QStringLiteral("ModifierFav"));
    ModifierFav->setToolTip(QStringLiteral("Valider la modification du nom de ce groupe de favoris"));
    EffacerFav->setObjectName(QStringLiteral("EffacerFav"));
    EffacerFav->setToolTip(QStringLiteral("Réinitialiser ce groupe de favoris"));

    auto* grille = new QGridLayout(this);
    grille->setContentsMargins(4, 4, 4, 4);
    grille->setVerticalSpacing(2);
    grille->addWidget(EditerFav, 0, 0, 1, 3);
    grille->addWidget(TexteFav, 1, 0, 1, 3);
    grille->addWidget(ModifierFav, 2, 0, 1, 2);
    grille->addWidget(EffacerFav, 2, 2);
    for (int i = 0; i < 8; ++i) {
        const int n = i + 1;
        auto* numero = new QLabel(QString::number(n), this);
        auto* liste = new QComboBox(this);
        liste->setObjectName(QStringLiteral("ListeFav(%1)").arg(n));
        liste->setToolTip(QStringLiteral("Sélectionner la chaîne favorite devant apparaître en ") + ordinal(n)
                          + QStringLiteral(" position"));
        liste->setModel(chaines_);
        liste->setCurrentIndex(-1);
        liste->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        liste->setMinimumContentsLength(8);
        auto* vider = new QPushButton(QStringLiteral("X"), this);
        vider->setObjectName(QStringLiteral("ListeFav0(%1)").arg(n));
        vider->setToolTip(QStringLiteral("Supprimer la référence à la chaine favorite de la ") + ordinal(n)
                          + QStringLiteral(" position"));
        vider->setFixedWidth(24);
        ListeFav[i] = liste;
        ListeFav0[i] = vider;
        grille->addWidget(numero, 3 + i, 0);
        grille->addWidget(liste, 3 + i, 1);
        grille->addWidget(vider, 3 + i, 2);

        connect(liste, &QComboBox::activated, this, [this, liste, n](int index) {
            emit emplacementChoisi(groupe_, n, index >= 0 ? liste->itemText(index) : QString());
        });
        connect(vider, &QPushButton::clicked, this, [this, liste, n] {
            liste->setCurrentIndex(-1);
            emit emplacementChoisi(groupe_, n, QString());
        });
    }
    grille->setColumnStretch(1, 1);
    grille->setRowStretch(11, 1);

    connect(EditerFav, &QComboBox::activated, this, [this](int g) { emit groupeChoisi(g); });
    connect(ModifierFav, &QPushButton::clicked, this, [this] { emit renommageDemande(groupe_, TexteFav->text()); });
    connect(EffacerFav, &QPushButton::clicked, this, [this] { emit effacementDemande(groupe_); });
}

void EditeurFavoris::definirChaines(const QStringList& noms)
{
    noms_ = noms;
    chaines_->setStringList(noms);
    for (QComboBox* l : ListeFav)
        l->setCurrentIndex(-1);
}

void EditeurFavoris::afficher(const TableFavoris& table, int groupe)
{
    if (groupe < 0 || groupe >= TableFavoris::NombreGroupes)
        groupe = 0;
    groupe_ = groupe;
    for (int g = 0; g < TableFavoris::NombreGroupes; ++g)
        EditerFav->setItemText(g, table.at(g * TableFavoris::TailleGroupe));
    EditerFav->setCurrentIndex(groupe);
    TexteFav->setText(table.at(groupe * TableFavoris::TailleGroupe));
    const auto selections = SelectionsGroupe(table, groupe, noms_);
    for (int i = 0; i < 8; ++i)
        ListeFav[i]->setCurrentIndex(selections[i]);
}

void EditeurFavoris::focaliser(int emplacement)
{
    if (emplacement >= 1 && emplacement <= 8)
        ListeFav[emplacement - 1]->setFocus();
}
