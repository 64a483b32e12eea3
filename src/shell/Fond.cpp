#include "shell/Fond.h"

#include "core/Application.h"
#include "core/ListeChaines.h"
#include "engine/EnregistrementManuel.h"
#include "engine/Programmation.h"
#include "engine/Transport.h"
#include "panes/VoletProgrammation.h"
#include "panes/VueChaine.h"
#include "shell/Icones.h"
#include "shell/clsSysTray.h"

#include <QCloseEvent>
#include <QCursor>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStackedLayout>
#include <QTimer>
#include <QVBoxLayout>

namespace {
void gras(QWidget* w, bool oui)
{
    QFont f = w->font();
    f.setBold(oui);
    w->setFont(f);
}
}  // namespace

Fond::Fond(QWidget* parent) : QWidget(parent)
{
    setObjectName("Fond");
    setWindowTitle("Kelmor");
    setWindowIcon(IconeRepos());

    auto* racine = new QHBoxLayout(this);
    // The main area: disabled as a whole while the duration pop-up is open.
    fond1_ = new QWidget(this);
    fond1_->setObjectName("Fond1");
    auto* principal = new QHBoxLayout(fond1_);
    principal->setContentsMargins(0, 0, 0, 0);
    racine->addWidget(fond1_, 1);

    // Channel list, with the favourites frame on the same spot.
    auto* colonneChaines = new QVBoxLayout;
    progChaine3_ = new QLabel(this);
    progChaine3_->setObjectName("ProgChaîne3");
    colonneChaines->addWidget(progChaine3_);
    auto* pile = new QStackedLayout;
    pile->setStackingMode(QStackedLayout::StackAll);
    chaines_ = new QListWidget(this);
    chaines_->setObjectName("Chaînes");
    chaines_->setToolTip("Cliquer pour sélectionner, double cliquer pour afficher dans le volet");
    favoris_ = new QFrame(this);
    favoris_->setObjectName("Favoris");
    favoris_->setAutoFillBackground(true);
    pile->addWidget(favoris_);
    pile->addWidget(chaines_);
    colonneChaines->addLayout(pile, 1);
    auto* pas = new QHBoxLayout;
    pas->addWidget(nouveauBouton("ChaîneM", "◀", " Passer à la chaîne précédente "));
    pas->addWidget(nouveauBouton("Fav", "Favoris", "Afficher les favoris"));
    pas->addWidget(nouveauBouton("ChaîneP", "▶", " Passer à la chaîne suivante "));
    colonneChaines->addLayout(pas);
    principal->addLayout(colonneChaines, 1);

    // The remote: watching, recording and the transport row.
    auto* telecommande = new QVBoxLayout;
    logo1_ = new QLabel(this);
    logo1_->setObjectName("Logo1");
    logo1_->setPixmap(IconeRepos().pixmap(48, 48));
    logo2_ = new QLabel(this);
    logo2_->setObjectName("Logo2");
    logo2_->setPixmap(IconeEnregistrement().pixmap(48, 48));
    logo2_->hide();
    auto* logos = new QHBoxLayout;
    logos->addWidget(logo1_);
    logos->addWidget(logo2_);
    auto* version = new QLabel("Version 1.4", this);
    version->setObjectName("Version0");
    logos->addWidget(version);
    telecommande->addLayout(logos);
    progChaine_ = new QLabel(this);
    progChaine_->setObjectName("ProgChaîne");
    telecommande->addWidget(progChaine_);
    progChaine2_ = nouveauBouton("ProgChaîne2", "", "");
    telecommande->addWidget(progChaine2_);

    auto* grille = new QGridLayout;
    grille->addWidget(nouveauBouton("Regarder", "Regarder", " Regarder cette chaîne "), 0, 0);
    grille->addWidget(nouveauBouton("RegarderX", "■", " Arrêter la lecture "), 0, 1);
    grille->addWidget(nouveauBouton("Enregistrer", "Enregistrer", "Enregistrer la chaîne sélectionnée"), 1, 0);
    grille->addWidget(nouveauBouton("EnregistrerX", "■", ""), 1, 1);
    grille->addWidget(nouveauBouton("Photographier", "Photo", " Photographier l'image de la chaîne regardée "), 2, 0, 1, 2);
    auto* son = new QHBoxLayout;
    son->addWidget(nouveauBouton("VolumeM", "Vol -", " Baisser le volume "));
    son->addWidget(nouveauBouton("Mute", "Muet", " Couper le son "));
    son->addWidget(nouveauBouton("VolumeP", "Vol +", " Augmenter le volume "));
    son->addWidget(nouveauBouton("Full", "Plein écran", " Regarder la chaîne en plein écran / mode fenêtre "));
    son->addWidget(nouveauBouton("TV", "TV", " Afficher la chaîne sur la télévision avec FreePlayer "));
    telecommande->addLayout(grille);
    telecommande->addLayout(son);

    auto* transport = new QHBoxLayout;
    transport->addWidget(nouveauBouton("StopAll", "Stop", " Stop : arrêter la lecture ou l'enregistrement "));
    transport->addWidget(nouveauBouton("Play", "Lecture", " Play : regarder cette chaîne "));
    transport->addWidget(nouveauBouton("Rec", "Enr.", "Enregistrer"));
    transport->addWidget(nouveauBouton("Shift", "Différé", " Activer le mode time shifting "));
    transport->addWidget(nouveauBouton("Pause", "Pause", " Pause : geler la lecture de cette chaîne "));
    transport->addWidget(nouveauBouton("Snap", "Photo", " Photographier l'image affichée "));
    telecommande->addLayout(transport);
    // Progress of a scheduled recording, shown only while one runs.
    progBar_ = new QFrame(this);
    progBar_->setObjectName("ProgBar");
    auto* lp = new QVBoxLayout(progBar_);
    progBar1_ = new QProgressBar(progBar_);
    progBar1_->setObjectName("ProgBar1");
    progBar1_->setRange(0, 1000);
    progBar1_->setTextVisible(false);
    progTaille_ = new QLabel("0 Mo", progBar_);
    progTaille_->setObjectName("ProgTaille");
    lp->addWidget(progBar1_);
    lp->addWidget(progTaille_);
    progBar_->hide();
    telecommande->addWidget(progBar_);
    telecommande->addWidget(nouveauBouton("Guider", "Programmation", "Programmer des enregistrements"));
    telecommande->addStretch(1);
    telecommande->addWidget(nouveauBouton("Quitter", "Quitter", "Quitter Kelmor"));
    principal->addLayout(telecommande);

    programmation_ = new VoletProgrammation(this);
    programmation_->hide();
    racine->addWidget(programmation_, 2);

    // Buffering bar of the time-shift, over the other controls while it fills.
    tampon_ = new QFrame(this);
    tampon_->setObjectName("Buffering");
    tampon_->setFrameShape(QFrame::Box);
    tampon_->setAutoFillBackground(true);
    auto* lt = new QVBoxLayout(tampon_);
    lt->addWidget(new QLabel("Mise en mémoire tampon…", tampon_));
    barreTampon_ = new QProgressBar(tampon_);
    barreTampon_->setObjectName("BufferingBar1");
    barreTampon_->setRange(0, 30);
    barreTampon_->setTextVisible(false);
    lt->addWidget(barreTampon_);
    tampon_->resize(260, 70);
    tampon_->hide();

    // The manual recording's duration pop-up.
    duree_ = new QFrame(this);
    duree_->setObjectName("DuréeFond");
    duree_->setFrameShape(QFrame::Box);
    duree_->setAutoFillBackground(true);
    auto* ld = new QGridLayout(duree_);
    texteEnreg_ = new QLabel(duree_);
    texteEnreg_->setObjectName("TexteEnreg");
    ld->addWidget(texteEnreg_, 0, 0, 1, 4);
    const QStringList legendes = {"x", "0:30", "1:00", "1:30", "2:00", "2:30", "3:00", "3:30", "4:00",
                                  "Annuler la durée définie"};
    const QStringList bulles = {"Fermer le popup de définition de la durée", "Définir une durée de 30 minutes",
                                "Définir une durée d'une heure", "Définir une durée d'une heure et demi",
                                "Définir une durée de 2 heures", "Définir une durée de 2 heures et demi",
                                "Définir une durée de 3 heures", "Définir une durée de 3 heures et demi",
                                "Définir une durée de 4 heures",
                                "Annuler la durée d'enregistrement définie auparavant"};
    for (int i = 0; i < 10; ++i) {
        auto* b = new QPushButton(legendes[i], duree_);
        b->setObjectName(QString("Durée(%1)").arg(i));
        b->setToolTip(bulles[i]);
        b->setFlat(true);
        if (i == 0)
            ld->addWidget(b, 0, 4);
        else if (i == 9)
            ld->addWidget(b, 3, 0, 1, 5);
        else
            ld->addWidget(b, 1 + (i - 1) / 4, (i - 1) % 4);
        connect(b, &QPushButton::clicked, this, [this, i] {
            if (app_)
                app_->enregistrement->Duree_Click(i);
        });
    }
    duree_->adjustSize();
    duree_->hide();

    layout()->activate();
    resize(sizeHint().expandedTo(QSize(560, 420)));

    sysTray_ = new clsSysTray(this);
    sysTray_->setSourceWindow(this);
    sysTray_->ChangeIcon(IconeRepos());
    sysTray_->ChangeToolTip("Kelmor");

    horloge_ = new QTimer(this);
    horloge_->setObjectName("Horloge");
    horloge_->setInterval(10000);

    connect(chaines_, &QListWidget::itemDoubleClicked, this, [this] {
        if (app_)
            app_->Chaines_DblClick();
    });
    connect(chaines_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!selectionParCode_ && app_)
            app_->Chaines_Click(row);
    });
    auto relier = [this](const char* nom, void (Transport::*action)()) {
        connect(bouton(nom), &QPushButton::clicked, this, [this, action] {
            if (app_)
                (app_->transport.get()->*action)();
        });
    };
    relier("ChaîneM", &Transport::ChaineM_Click);
    relier("ChaîneP", &Transport::ChaineP_Click);
    relier("Play", &Transport::Play_Click);
    relier("Regarder", &Transport::Regarder_Click);
    relier("RegarderX", &Transport::RegarderX_Click);
    connect(bouton("StopAll"), &QPushButton::clicked, this, [this] {
        if (app_)
            app_->transport->StopAll_Click();
    });
    relier("VolumeM", &Transport::VolumeM_Click);
    relier("VolumeP", &Transport::VolumeP_Click);
    relier("Mute", &Transport::Mute_Click);
    relier("Full", &Transport::Full_Click);
    relier("TV", &Transport::TV_Click);
    relier("Snap", &Transport::Snap_Click);
    relier("Photographier", &Transport::Photographier_Click);
    relier("Shift", &Transport::Shift_Click);
    auto enregistrer = [this](const char* nom, void (EnregistrementManuel::*action)()) {
        connect(bouton(nom), &QPushButton::clicked, this, [this, action] {
            if (app_)
                (app_->enregistrement.get()->*action)();
        });
    };
    enregistrer("Enregistrer", &EnregistrementManuel::Enregistrer_Click);
    enregistrer("Rec", &EnregistrementManuel::Rec_Click);
    enregistrer("EnregistrerX", &EnregistrementManuel::EnregistrerX_Click);
    connect(bouton("Guider"), &QPushButton::clicked, this, &Fond::Guider_Click);
    auto programmer = [this](void (VoletProgrammation::*signal)(), void (Programmation::*action)()) {
        connect(programmation_, signal, this, [this, action] {
            if (app_)
                (app_->programmation.get()->*action)();
        });
    };
    programmer(&VoletProgrammation::ajouter, &Programmation::ProgOK_Click);
    programmer(&VoletProgrammation::stopper, &Programmation::Stopper_Click);
    programmer(&VoletProgrammation::modifier, &Programmation::Modifier_Click);
    programmer(&VoletProgrammation::supprimer, &Programmation::SupprimerSelection_Click);
    programmer(&VoletProgrammation::toutSupprimer, &Programmation::ToutSupprimer_Click);
    programmer(&VoletProgrammation::nettoyer, &Programmation::Nettoyer_Click);
    programmer(&VoletProgrammation::annulerExtinction, &Programmation::ExtinctionOFF_Click);
    connect(programmation_, &VoletProgrammation::ligneChoisie, this, [this](int i) {
        if (app_)
            app_->programmation->ProgListe_Click(i);
    });
    connect(programmation_, &VoletProgrammation::extinctionChangee, this, [this](bool oui) {
        if (app_)
            app_->programmation->Extinction = oui;
    });
    relier("Pause", &Transport::Pause_Click);
    connect(bouton("ProgChaîne2"), &QPushButton::clicked, chaines_, qOverload<>(&QWidget::setFocus));
    connect(horloge_, &QTimer::timeout, this, [this] {
        if (app_)
            app_->Horloge_Timer();
    });
    connect(bouton("Fav"), &QPushButton::clicked, this, &Fond::Fav_Click);
    connect(bouton("Quitter"), &QPushButton::clicked, this, &Fond::Quitter_Click);
}

Fond::~Fond() = default;

QPushButton* Fond::nouveauBouton(const char* nom, const QString& texte, const QString& infoBulle)
{
    auto* b = new QPushButton(texte, this);
    b->setObjectName(QString::fromUtf8(nom));
    if (!infoBulle.isEmpty())
        b->setToolTip(infoBulle);
    return b;
}

QPushButton* Fond::bouton(const char* nom) const
{
    return findChild<QPushButton*>(QString::fromUtf8(nom));
}

void Fond::afficherChaines(const ListeChaines& liste)
{
    selectionParCode_ = true;
    chaines_->clear();
    chaines_->addItems(liste.noms());
    selectionParCode_ = false;
}

void Fond::selectionnerChaine(int index)
{
    selectionParCode_ = true;
    chaines_->setCurrentRow(index);
    selectionParCode_ = false;
    VueChaine v;
    if (app_)
        v = CalculerVueChaine(app_->chaines, index);
    progChaine_->setText(v.progChaine);
    programmation_->definirChaine(v.progChaine);
    progChaine3_->setText(v.progChaine);
    progChaine2_->setText(v.progChaine2);
    bouton("ChaîneM")->setEnabled(v.precedenteActive);
    bouton("ChaîneP")->setEnabled(v.suivanteActive);
}

void Fond::afficherEtat(const VueEtat& v)
{
    gras(bouton("StopAll"), v.stopAllGras);
    gras(bouton("Play"), v.playGras);
    gras(bouton("Regarder"), v.playGras);
    gras(bouton("Rec"), v.recGras);
    gras(bouton("Enregistrer"), v.recGras);
    gras(bouton("Shift"), v.shiftGras);
    gras(bouton("Pause"), v.pauseGras);
    if (v.remettreMute)
        gras(bouton("Mute"), false);
    bouton("RegarderX")->setEnabled(v.regarderXActif);
    bouton("EnregistrerX")->setEnabled(v.enregistrerXActif);
    bouton("RegarderX")->setToolTip(v.infoBulleRegarderX);
    bouton("EnregistrerX")->setToolTip(v.infoBulleEnregistrerX);
    bouton("Photographier")->setEnabled(v.photographierActif);
    progBar_->setVisible(v.progBarVisible);
    if (v.remettreProgression) {
        progBar1_->setValue(0);
        progTaille_->setText("0 Mo");
    }
}

void Fond::definirTitre(const QString& titre)
{
    setWindowTitle(titre);
}

void Fond::definirIconeEnregistrement(bool enregistrement)
{
    logo1_->setVisible(!enregistrement);
    logo2_->setVisible(enregistrement);
    const QIcon i = enregistrement ? IconeEnregistrement() : IconeRepos();
    setWindowIcon(i);
    sysTray_->ChangeIcon(i);
}

QSize Fond::tailleEcran()
{
    QScreen* s = QGuiApplication::primaryScreen();
    const QSize px = s ? s->availableGeometry().size() : QSize(1024, 768);
    return {versTwips(px.width()), versTwips(px.height())};
}

QSize Fond::tailleFenetre()
{
    const QSize px = size();
    return {versTwips(px.width()), versTwips(px.height())};
}

QPoint Fond::position()
{
    return {versTwips(pos().x()), versTwips(pos().y())};
}

void Fond::placer(const QPoint& p)
{
    move(versPixels(p.x()), versPixels(p.y()));
}

void Fond::fonduEntree()
{
    etapesFondu_.clear();
    setWindowOpacity(0.0);
    show();
    for (int alpha = 0; alpha <= 255; alpha += 8) {
        etapesFondu_.push_back(alpha);
        setWindowOpacity(alpha / 255.0);
        repaint();
    }
    setWindowOpacity(1.0);
}

void Fond::minimiser()
{
    sysTray_->MinToSysTray();
}

void Fond::Fav_Click()
{
    QPushButton* fav = bouton("Fav");
    const bool favorisDevant = !fav->font().bold();
    gras(fav, favorisDevant);
    if (favorisDevant)
        favoris_->raise();
    else
        chaines_->raise();
}

void Fond::Quitter_Click()
{
    close();
}

void Fond::fermerSansQuestion()
{
    sansQuestion_ = true;
    close();
}

void Fond::closeEvent(QCloseEvent* e)
{
    if (fermetureAcceptee_) {
        e->accept();
        return;
    }
    if (app_ && !app_->Form_QueryUnload(!sansQuestion_)) {
        sansQuestion_ = false;
        e->ignore();
        return;
    }
    fermetureAcceptee_ = true;
    sysTray_->RemoveFromSysTray();
    e->accept();
    emit fermee();
}

void Fond::demarrerHorloge()
{
    horloge_->start();
}

void Fond::changeEvent(QEvent* e)
{
    QWidget::changeEvent(e);
}

void Fond::activer(bool actif)
{
    setEnabled(actif);
}

void Fond::reprendreFocus()
{
    if (isVisible()) {
        raise();
        activateWindow();
    }
}

void Fond::afficherBascules(bool tv, bool muet)
{
    gras(bouton("TV"), tv);
    gras(bouton("Mute"), muet);
}

void Fond::afficherPhotoEnCours(bool enCours)
{
    gras(bouton("Photographier"), enCours);
    bouton("Snap")->setDown(enCours);
}

void Fond::afficherTampon(int etape)
{
    if (etape < 0) {
        tampon_->hide();
        return;
    }
    tampon_->move((width() - tampon_->width()) / 2, (height() - tampon_->height()) / 2);
    barreTampon_->setValue(etape);
    tampon_->show();
    tampon_->raise();
    tampon_->repaint();
}

void Fond::afficherDuree(bool visible, const QString& texte, bool annulerActif)
{
    fond1_->setEnabled(!visible);
    if (!visible) {
        duree_->hide();
        return;
    }
    texteEnreg_->setText(texte);
    duree_->findChild<QPushButton*>("Durée(9)")->setEnabled(annulerActif);
    duree_->adjustSize();
    duree_->move(placerPopup(mapFromGlobal(QCursor::pos()), duree_->size(), size()));
    duree_->show();
    duree_->raise();
}

void Fond::Guider_Click()
{
    const bool ouvrir = !programmation_->isVisible();
    if (ouvrir && app_)
        app_->programmation->InitialiserEditeur();
    programmation_->setVisible(ouvrir);
    gras(bouton("Guider"), ouvrir);
}

void Fond::afficherProgrammes(const QStringList& lignes, int selection, const BoutonsProgramme& boutons)
{
    programmation_->afficherListe(lignes, selection, boutons);
}

ValeursEditeur Fond::lireEditeur()
{
    return programmation_->valeurs();
}

void Fond::ecrireEditeur(const ValeursEditeur& valeurs)
{
    programmation_->definirValeurs(valeurs);
}

void Fond::afficherProgression(double fraction, const QString& texte)
{
    progBar1_->setValue(static_cast<int>(std::clamp(fraction, 0.0, 1.0) * 1000));
    progTaille_->setText(texte);
}

void Fond::afficherEspaceLibre(const QString& texte, double fraction)
{
    programmation_->afficherEspaceLibre(texte, fraction);
}

void Fond::afficherExtinctionOFF(bool visible)
{
    programmation_->afficherExtinctionOFF(visible);
}

QPoint placerPopup(const QPoint& curseur, const QSize& popup, const QSize& fenetre)
{
    // Centred on the pointer, kept 6 pixels from the right edge and 28 from the bottom.
    int x = curseur.x() - popup.width() / 2;
    int y = curseur.y() - popup.height() / 2;
    x = std::max(0, x);
    y = std::max(0, y);
    if (x + popup.width() > fenetre.width() - versPixels(90))
        x = fenetre.width() - versPixels(90) - popup.width();
    if (y + popup.height() > fenetre.height() - versPixels(420))
        y = fenetre.height() - versPixels(420) - popup.height();
    return {x, y};
}

void Fond::fermer(bool sansQuestion)
{
    if (sansQuestion)
        fermerSansQuestion();
    else
        close();
}
