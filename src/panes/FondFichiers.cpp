#include "panes/FondFichiers.h"

#include "panes/Boutons.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

FondFichiers::FondFichiers(QWidget* parent)
    : QWidget(parent),
      AfficherListe(new QListWidget(this)),
      AfficherRegarder(nouveauBouton(this, "AfficherRegarder", QStringLiteral("Regarder"))),
      AfficherEffacer(nouveauBouton(this, "AfficherEffacer", QStringLiteral("Effacer"))),
      AfficherTout(nouveauBouton(this, "AfficherTout", QStringLiteral("Tout effacer"))),
      AfficherAutres(nouveauBouton(this, "AfficherAutres", QStringLiteral("Regarder un fichier externe"))),
      AfficherRefresh(nouveauBouton(this, "AfficherRefresh", QStringLiteral("Actualiser"),
                                    QStringLiteral("Relire le dossier d'enregistrement"))),
      TV2(nouveauBouton(this, "TV2", QStringLiteral("TV"),
                        QStringLiteral("Afficher l'enregistrement sur la télévision avec FreePlayer")))
{
    setObjectName(QStringLiteral("FondFichiers"));
    AfficherListe->setObjectName(QStringLiteral("AfficherListe"));
    AfficherListe->setToolTip(QStringLiteral("Cliquer pour sélectionner, double-cliquer pour regarder"));
    auto* fichiers = new QVBoxLayout(this);
    fichiers->setContentsMargins(2, 2, 2, 2);
    fichiers->addWidget(AfficherListe, 1);
    auto* ligne1 = new QHBoxLayout;
    ligne1->addWidget(AfficherRegarder);
    ligne1->addWidget(AfficherEffacer);
    ligne1->addWidget(AfficherTout);
    fichiers->addLayout(ligne1);
    auto* ligne2 = new QHBoxLayout;
    ligne2->addWidget(TV2);
    ligne2->addWidget(AfficherRefresh);
    ligne2->addWidget(AfficherAutres, 1);
    fichiers->addLayout(ligne2);

    const std::pair<QPushButton*, void (FondFichiers::*)()> boutons[] = {
        {AfficherRegarder, &FondFichiers::AfficherRegarder_Click},
        {AfficherEffacer, &FondFichiers::AfficherEffacer_Click},
        {AfficherTout, &FondFichiers::AfficherTout_Click},
        {AfficherAutres, &FondFichiers::AfficherAutres_Click},
        {AfficherRefresh, &FondFichiers::AfficherRefresh_Click},
        {TV2, &FondFichiers::TV2_Click}};
    for (const auto& [bouton, signal] : boutons)
        connect(bouton, &QPushButton::clicked, this, signal);
    // The selection, not the current row: a Ctrl+click takes the selection off a row that
    // stays current, and a row no longer shown as selected is not the one to act on.
    connect(AfficherListe, &QListWidget::itemSelectionChanged, this, [this] {
        if (parCode_)
            return;
        const QList<QListWidgetItem*> choisis = AfficherListe->selectedItems();
        emit fichierChoisi(choisis.isEmpty() ? -1 : AfficherListe->row(choisis.first()));
    });
    connect(AfficherListe, &QListWidget::itemDoubleClicked, this, [this] { emit fichierDoubleClique(); });
}

void FondFichiers::afficherListe(const QStringList& noms, int selection, bool boutonsActifs)
{
    parCode_ = true;
    AfficherListe->clear();
    AfficherListe->addItems(noms);
    AfficherListe->setCurrentRow(selection);
    parCode_ = false;
    for (QPushButton* b : {AfficherRegarder, AfficherEffacer, AfficherTout})
        b->setEnabled(boutonsActifs);
}

void FondFichiers::afficherTV2(bool g, bool actif)
{
    gras(TV2, g);
    TV2->setEnabled(actif);
}
