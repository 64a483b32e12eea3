#include "panes/VoletProgrammation.h"

#include "panes/Boutons.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTimeEdit>
#include <QVBoxLayout>

VoletProgrammation::VoletProgrammation(QWidget* parent) : QWidget(parent)
{
    setObjectName("FondProgramme");
    auto* v = new QVBoxLayout(this);

    auto* g = new QGridLayout;
    date_ = new QDateEdit(this);
    date_->setObjectName("ProgDate");
    date_->setDisplayFormat("dd/MM/yyyy");
    date_->setCalendarPopup(true);
    date_->setToolTip("Date de début de l'enregistrement");
    debut_ = new QTimeEdit(this);
    debut_->setObjectName("ProgDébut");
    debut_->setDisplayFormat("HH:mm");
    debut_->setToolTip("Heure de début de l'enregistrement");
    fin_ = new QTimeEdit(this);
    fin_->setObjectName("ProgFin");
    fin_->setDisplayFormat("HH:mm");
    fin_->setToolTip("Heure de fin de l'enregistrement");
    chaine_ = new QLabel(this);
    chaine_->setTextFormat(Qt::PlainText);
    chaine_->setObjectName("ProgChaîne");
    g->addWidget(date_, 0, 0);
    g->addWidget(debut_, 0, 1);
    g->addWidget(new QLabel("-", this), 0, 2);
    g->addWidget(fin_, 0, 3);
    g->addWidget(chaine_, 1, 0, 1, 4);
    // The caption on a line of its own, the list and "+" under it: each whole.
    g->addWidget(new QLabel("Fréquence de programmation de l'enregistrement :", this), 2, 0, 1, 4);
    frequence_ = new QComboBox(this);
    frequence_->setObjectName("ProgFréq");
    frequence_->addItems({"Unique", "Quotidien", "Lundi-vendredi", "Hebdomadaire", "Mensuel"});
    frequence_->setToolTip("Fréquence de l'enregistrement");
    g->addWidget(frequence_, 3, 0, 1, 2);
    g->addWidget(nouveauBouton(this, "ProgOK", "+", "Ajouter ce programme dans la liste"), 3, 3);
    v->addLayout(g);

    liste_ = new QListWidget(this);
    liste_->setObjectName("ProgListe");
    liste_->setToolTip("Cliquer pour sélectionner");
    v->addWidget(liste_, 1);
    v->addWidget(new QLabel("Légende : [A] = attente,  [E] = enregistrement en cours,  [X] = terminé", this));

    auto* b = new QHBoxLayout;
    b->addWidget(nouveauBouton(this, "Stopper", "Stopper", "Interrompre l'enregistrement en cours"));
    b->addWidget(nouveauBouton(this, "Modifier", "Modifier", "Modifier les paramètres de l'enregistrement sélectionné"));
    b->addWidget(nouveauBouton(this, "SupprimerSélection", "Supprimer", "Supprimer l'enregistrement sélectionné"));
    b->addWidget(nouveauBouton(this, "ToutSupprimer", "Effacer", "Supprimer tous les enregistrements"));
    b->addWidget(nouveauBouton(this, "Nettoyer", "Nettoyer", "Supprimer les enregistrements terminés"));
    v->addLayout(b);

    auto* e = new QHBoxLayout;
    e->addWidget(new QLabel("Espace libre sur le disque :", this));
    espace_ = new QLabel(this);
    espace_->setObjectName("EspaceLibre");
    e->addWidget(espace_);
    jauge_ = new QProgressBar(this);
    jauge_->setObjectName("EspaceBar1");
    jauge_->setRange(0, 1000);
    jauge_->setTextVisible(false);
    e->addWidget(jauge_, 1);
    v->addLayout(e);

    extinction_ = new QCheckBox("Eteindre l'ordinateur à la fin de l'enregistrement en cours ou à venir", this);
    extinction_->setObjectName("Extinction");
    extinction_->setToolTip("Désactivé si exécution automatique d'un programme en fin d'enregistrement");
    v->addWidget(extinction_);
    extinctionOff_ = nouveauBouton(this, "ExtinctionOFF", "Annuler l'extinction automatique",
                            "Cliquer sur ce bouton pour annuler l'extinction automatique");
    // "le gros bouton vert" the shutdown's notice sends the user to.
    extinctionOff_->setStyleSheet(QStringLiteral(
        "QPushButton { background-color: #2b8a3e; color: white; border: 1px solid #1b5e20; border-radius: 3px; }"
        "QPushButton:hover { background-color: #37a34c; }"
        "QPushButton:pressed { background-color: #1f6b2e; }"));
    gras(extinctionOff_, true);
    extinctionOff_->setMinimumHeight(36);
    extinctionOff_->hide();
    v->addWidget(extinctionOff_);

    connect(debut_, &QTimeEdit::timeChanged, this, [this](const QTime& t) { fin_->setTime(t.addSecs(2 * 3600)); });
    connect(findChild<QPushButton*>("ProgOK"), &QPushButton::clicked, this, &VoletProgrammation::ajouter);
    connect(findChild<QPushButton*>("Stopper"), &QPushButton::clicked, this, &VoletProgrammation::stopper);
    connect(findChild<QPushButton*>("Modifier"), &QPushButton::clicked, this, &VoletProgrammation::modifier);
    connect(findChild<QPushButton*>("SupprimerSélection"), &QPushButton::clicked, this, &VoletProgrammation::supprimer);
    connect(findChild<QPushButton*>("ToutSupprimer"), &QPushButton::clicked, this, &VoletProgrammation::toutSupprimer);
    connect(findChild<QPushButton*>("Nettoyer"), &QPushButton::clicked, this, &VoletProgrammation::nettoyer);
    connect(extinctionOff_, &QPushButton::clicked, this, &VoletProgrammation::annulerExtinction);
    connect(extinction_, &QCheckBox::toggled, this, &VoletProgrammation::extinctionChangee);
    connect(liste_, &QListWidget::currentRowChanged, this, [this](int i) {
        if (!parCode_)
            emit ligneChoisie(i);
    });
}

ValeursEditeur VoletProgrammation::valeurs() const
{
    ValeursEditeur v;
    v.date = date_->date();
    v.debut = debut_->time();
    v.fin = fin_->time();
    v.chaine = chaine_->text();
    v.frequence = frequence_->currentIndex();
    return v;
}

void VoletProgrammation::definirValeurs(const ValeursEditeur& v)
{
    date_->setDate(v.date);
    debut_->setTime(v.debut);  // the start first: its change moves the end
    fin_->setTime(v.fin);
    chaine_->setText(v.chaine);
    frequence_->setCurrentIndex(v.frequence);
}

void VoletProgrammation::definirChaine(const QString& nom)
{
    chaine_->setText(nom);
}

void VoletProgrammation::afficherListe(const QStringList& lignes, int selection, const BoutonsProgramme& b)
{
    parCode_ = true;
    liste_->clear();
    liste_->addItems(lignes);
    liste_->setCurrentRow(selection);
    parCode_ = false;
    findChild<QPushButton*>("Stopper")->setEnabled(b.stopper);
    findChild<QPushButton*>("Modifier")->setEnabled(b.modifier);
    findChild<QPushButton*>("SupprimerSélection")->setEnabled(b.supprimer);
    findChild<QPushButton*>("ToutSupprimer")->setEnabled(b.toutSupprimer);
    findChild<QPushButton*>("Nettoyer")->setEnabled(b.nettoyer);
}

void VoletProgrammation::afficherEspaceLibre(const QString& texte, double fraction)
{
    espace_->setText(texte);
    if (fraction >= 0)
        jauge_->setValue(static_cast<int>(fraction * 1000));
}

void VoletProgrammation::activerExtinction(bool actif)
{
    extinction_->setEnabled(actif);
}

void VoletProgrammation::afficherExtinctionOFF(bool visible)
{
    extinctionOff_->setVisible(visible);
}
