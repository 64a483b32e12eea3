#include "panes/FondMosaic.h"

#include "panes/Boutons.h"
#include "panes/TuileMosaic.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>

namespace {
std::array<QPushButton*, 10> creerGroupes(QWidget* parent)
{
    std::array<QPushButton*, 10> groupes{};
    for (int i = 0; i < 10; ++i) {
        const QByteArray nom = "MosaFavo" + QByteArray::number(i);
        groupes[std::size_t(i)] = nouveauBouton(parent, nom.constData(), QString::number(i));
        groupes[std::size_t(i)]->setFocusPolicy(Qt::NoFocus);
        groupes[std::size_t(i)]->setMinimumWidth(0);
    }
    return groupes;
}

std::array<TuileMosaic*, 8> creerTuiles(QWidget* parent)
{
    std::array<TuileMosaic*, 8> t{};
    for (int i = 0; i < 8; ++i)
        t[std::size_t(i)] = new TuileMosaic(i + 1, parent);
    return t;
}
}  // namespace

FondMosaic::FondMosaic(QWidget* parent) : QWidget(parent), Mosaic(creerTuiles(this)), MosaFavo(creerGroupes(this))
{
    setObjectName(QStringLiteral("FondMosaic"));
    auto* grille = new QGridLayout(this);
    grille->setContentsMargins(2, 2, 2, 2);
    grille->setSpacing(3);
    for (int i = 0; i < 8; ++i) {
        grille->addWidget(Mosaic[std::size_t(i)], i / 4, i % 4);
        connect(Mosaic[std::size_t(i)], &TuileMosaic::relachee, this, &FondMosaic::tuileRelachee);
    }
    // The favourites groups' buttons under the tiles.
    auto* groupes = new QHBoxLayout;
    groupes->setSpacing(1);
    for (int i = 0; i < 10; ++i) {
        groupes->addWidget(MosaFavo[std::size_t(i)]);
        connect(MosaFavo[std::size_t(i)], &QPushButton::clicked, this, [this, i] { emit MosaFavo_Click(i); });
    }
    grille->addLayout(groupes, 2, 0, 1, 4);
    afficherGroupeMosaique(0);
}

void FondMosaic::afficherTuile(int t, const TuileMosaique& tuile)
{
    if (t >= 1 && t <= 8)
        Mosaic[std::size_t(t - 1)]->afficher(tuile);
}

void FondMosaic::afficherCadreRouge(int t)
{
    for (TuileMosaic* tuile : Mosaic)
        tuile->definirRouge(tuile->index() == t);
}

void FondMosaic::afficherNoms(const QStringList& noms)
{
    for (TuileMosaic* tuile : Mosaic)
        tuile->definirNom(noms.value(tuile->index() - 1));
}

void FondMosaic::afficherGroupeMosaique(int g)
{
    for (int i = 0; i < 10; ++i) {
        QPushButton* b = MosaFavo[std::size_t(i)];
        QFont f = b->font();
        f.setBold(i == g);
        b->setFont(f);
    }
}
