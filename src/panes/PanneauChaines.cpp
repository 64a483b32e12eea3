#include "panes/PanneauChaines.h"

#include "panes/Boutons.h"
#include "panes/PanneauFavoris.h"
#include "panes/VueChaine.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStackedLayout>
#include <QVBoxLayout>

PanneauChaines::PanneauChaines(QWidget* parent)
    : QWidget(parent),
      ChaineM(nouveauBouton(this, "ChaîneM", "◀", " Passer à la chaîne précédente ")),
      Fav(nouveauBouton(this, "Fav", "Favoris", "Afficher les favoris")),
      ChaineP(nouveauBouton(this, "ChaîneP", "▶", " Passer à la chaîne suivante "))
{
    setObjectName("PanneauChaînes");
    auto* colonne = new QVBoxLayout(this);
    colonne->setContentsMargins(0, 0, 0, 0);
    // The list, and the favourites on the same spot: 2655 x 4350 twips, whatever the type's
    // size makes of the layouts' hints.
    auto* cadrePile = new QWidget(this);
    cadrePile->setFixedSize(177, 290);
    auto* pile = new QStackedLayout(cadrePile);
    pile->setStackingMode(QStackedLayout::StackAll);
    chaines_ = new QListWidget(cadrePile);
    chaines_->setObjectName("Chaînes");
    chaines_->setToolTip("Cliquer pour sélectionner, double cliquer pour afficher dans le volet");
    // Every row has the same height: a long list is not measured item by item.
    chaines_->setUniformItemSizes(true);
    setFocusProxy(chaines_);
    favoris_ = new PanneauFavoris(cadrePile);
    favoris_->setAutoFillBackground(true);
    pile->addWidget(favoris_);
    pile->addWidget(chaines_);
    chaines_->setFixedSize(cadrePile->size());
    favoris_->setFixedSize(cadrePile->size());
    colonne->addWidget(cadrePile);
    chaines_->raise();  // the list starts in front, as `Fav` says
    favoris_->hide();

    rangee_ = new QHBoxLayout;
    rangee_->setSpacing(1);
    rangee_->addWidget(ChaineM);
    rangee_->addWidget(Fav);
    rangee_->addWidget(ChaineP);
    colonne->addLayout(rangee_);
    progChaine3_ = new QLabel(this);
    progChaine3_->setObjectName("ProgChaîne3");
    progChaine3_->setTextFormat(Qt::PlainText);
    colonne->addWidget(progChaine3_);
    colonne->addStretch(1);

    connect(chaines_, &QListWidget::itemDoubleClicked, this, &PanneauChaines::chaineDoubleCliquee);
    connect(chaines_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!parCode_)
            emit chaineChoisie(row);
    });
}

void PanneauChaines::ajouterALaRangee(QWidget* w)
{
    rangee_->addWidget(w);
}

void PanneauChaines::afficherChaines(const QStringList& noms)
{
    parCode_ = true;
    chaines_->clear();
    chaines_->addItems(noms);
    parCode_ = false;
}

void PanneauChaines::selectionner(int index, const VueChaine& v)
{
    parCode_ = true;
    chaines_->setCurrentRow(index);
    parCode_ = false;
    progChaine3_->setText(v.progChaine);
    ChaineM->setEnabled(v.precedenteActive);
    ChaineP->setEnabled(v.suivanteActive);
}

void PanneauChaines::montrerFavoris(bool devant)
{
    QFont f = Fav->font();
    f.setBold(devant);
    Fav->setFont(f);
    // The one behind is hidden, not only covered: the Tab key never reaches what is out of sight.
    QWidget* devantAvant = devant ? static_cast<QWidget*>(chaines_) : favoris_;
    const bool avaitFocus = devantAvant->isAncestorOf(focusWidget()) || devantAvant->hasFocus();
    QWidget* visible = devant ? static_cast<QWidget*>(favoris_) : chaines_;
    setFocusProxy(devant ? static_cast<QWidget*>(favoris_->FavorisListe) : chaines_);
    visible->show();
    visible->raise();
    devantAvant->hide();
    if (avaitFocus)
        setFocus(Qt::OtherFocusReason);
}
