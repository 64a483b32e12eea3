#include "panes/VoletGuide.h"

#include "panes/Boutons.h"
#include "panes/VoletProgrammation.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

VoletGuide::VoletGuide(VoletProgrammation* programmation, QWidget* parent)
    : QWidget(parent), programmation_(programmation)
{
    setObjectName("Fond1c");
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    onglets_ = new QTabWidget(this);
    onglets_->setObjectName("GuiderOnglets");
    v->addWidget(onglets_);
    onglets_->addTab(programmation_, "Programmation");

    auto* guide = new QWidget(onglets_);
    guide->setObjectName("FondGuide");
    auto* g = new QVBoxLayout(guide);
    date_ = new QComboBox(guide);
    date_->setObjectName("GuideDate");
    date_->setToolTip("Date des programmes à afficher");
    g->addWidget(date_);
    liste_ = new QListWidget(guide);
    liste_->setObjectName("GuideListe");
    liste_->setToolTip("Cliquer pour sélectionner, double-cliquer pour programmer");
    g->addWidget(liste_, 1);
    frequence_ = new QComboBox(guide);
    frequence_->setObjectName("GuideFréq");
    frequence_->addItems({"Unique", "Quotidien", "Lundi-vendredi", "Hebdomadaire", "Mensuel"});
    frequence_->setToolTip("Fréquence de l'émission à programmer");
    g->addWidget(frequence_);
    auto* b = new QHBoxLayout;
    prog_ = nouveauBouton(guide, "GuideProg", "Programmer cette émission", "Programmer l'émission sélectionnée");
    resume_ = nouveauBouton(guide, "GuideRésumé", "Afficher le résumé", "Afficher le résumé de l'émission sélectionnée");
    prog_->setEnabled(false);
    resume_->setEnabled(false);
    b->addWidget(prog_);
    b->addWidget(resume_);
    g->addLayout(b);
    onglets_->addTab(guide, "Guide TV");

    auto* audience = new QWidget(onglets_);
    audience->setObjectName("FondAudience");
    auto* a = new QVBoxLayout(audience);
    auto* boites = new QHBoxLayout;
    for (int i = 0; i < 3; ++i) {
        liste15_[i] = new QPlainTextEdit(audience);
        liste15_[i]->setObjectName(QStringLiteral("Liste15_%1").arg(i));
        liste15_[i]->setReadOnly(true);
        liste15_[i]->setLineWrapMode(QPlainTextEdit::NoWrap);
        liste15_[i]->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        boites->addWidget(liste15_[i], i == 2 ? 6 : 1);
    }
    a->addLayout(boites, 1);
    auto* pied = new QHBoxLayout;
    auto* refresh = nouveauBouton(audience, "Refresh15", "Actualiser", "Actualiser l'audience");
    audienceNow_ = new QLabel(audience);
    audienceNow_->setObjectName("AudienceNow");
    audienceNow_->setTextFormat(Qt::PlainText);
    pied->addWidget(refresh);
    pied->addWidget(audienceNow_, 1);
    a->addLayout(pied);
    onglets_->addTab(audience, "Audience");

    connexion_ = new QLabel("Connexion en cours...", this);
    connexion_->setObjectName("Connecting");
    connexion_->setAlignment(Qt::AlignCenter);
    connexion_->setFrameShape(QFrame::Box);
    connexion_->setAutoFillBackground(true);
    connexion_->setMinimumSize(200, 60);
    // It stands over the window while the window takes no input: drawn as an enabled label,
    // not in the greyed colours of the disabled window it belongs to.
    QPalette lisible = connexion_->palette();
    for (const QPalette::ColorRole r : {QPalette::WindowText, QPalette::Window, QPalette::Light, QPalette::Dark,
                                        QPalette::Mid, QPalette::Shadow})
        lisible.setColor(QPalette::Disabled, r, lisible.color(QPalette::Active, r));
    connexion_->setPalette(lisible);
    connexion_->hide();

    connect(onglets_, &QTabWidget::currentChanged, this, [this](int i) {
        if (!parCode_)
            emit ongletChoisi(i + 1);
    });
    connect(date_, &QComboBox::activated, this, &VoletGuide::jourChoisi);
    connect(liste_, &QListWidget::currentRowChanged, this, [this](int i) {
        if (!parCode_)
            emit ligneChoisie(i);
    });
    connect(liste_, &QListWidget::itemDoubleClicked, this, [this] { emit ligneDoubleCliquee(); });
    connect(frequence_, &QComboBox::activated, this, &VoletGuide::frequenceChoisie);
    connect(prog_, &QPushButton::clicked, this, &VoletGuide::programmer);
    connect(resume_, &QPushButton::clicked, this, &VoletGuide::resume);
    connect(refresh, &QPushButton::clicked, this, &VoletGuide::actualiserAudience);
}

int VoletGuide::onglet() const
{
    return onglets_->currentIndex() + 1;
}

void VoletGuide::choisirOnglet(int onglet)
{
    parCode_ = true;
    onglets_->setCurrentIndex(onglet - 1);
    parCode_ = false;
    emit ongletChoisi(onglet);
}

void VoletGuide::afficherJours(const QStringList& jours, int index)
{
    parCode_ = true;
    date_->clear();
    date_->addItems(jours);
    date_->setCurrentIndex(index);
    parCode_ = false;
}

void VoletGuide::afficherLignes(const QStringList& lignes, int selection, bool programmer, bool resume)
{
    parCode_ = true;
    liste_->clear();
    for (const QString& t : lignes)
        liste_->addItem(t);  // plain text: a title never becomes markup
    // Up to ten rows after the selected one come into view.
    if (!lignes.isEmpty() && selection >= 0) {
        const int dernier = std::min<int>(static_cast<int>(lignes.size()) - 1, selection + 10);
        liste_->scrollToItem(liste_->item(dernier));
    }
    liste_->setCurrentRow(selection);
    parCode_ = false;
    afficherBoutons(programmer, resume);
}

void VoletGuide::afficherBoutons(bool programmer, bool resume)
{
    prog_->setEnabled(programmer);
    resume_->setEnabled(resume);
}

void VoletGuide::afficherFrequence(int index)
{
    frequence_->setCurrentIndex(index);
}

void VoletGuide::afficherAudience(const QString& rangs, const QString& parts, const QString& libelles,
                                  const QString& heure)
{
    liste15_[0]->setPlainText(rangs);
    liste15_[1]->setPlainText(parts);
    liste15_[2]->setPlainText(libelles);
    audienceNow_->setText(heure);
}

void VoletGuide::AfficherConnexion(bool visible)
{
    if (!visible) {
        connexion_->hide();
        return;
    }
    QWidget* fenetre = window();
    if (connexion_->parentWidget() != fenetre)
        connexion_->setParent(fenetre);
    connexion_->adjustSize();
    connexion_->move((fenetre->width() - connexion_->width()) / 2, (fenetre->height() - connexion_->height()) / 2);
    connexion_->raise();
    connexion_->show();
    connexion_->repaint();
}
