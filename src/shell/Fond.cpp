#include "shell/Fond.h"

#include "core/Application.h"
#include "core/ListeChaines.h"
#include "engine/Transport.h"
#include "panes/VueChaine.h"
#include "shell/Icones.h"
#include "shell/clsSysTray.h"

#include <QCloseEvent>
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
    racine->addLayout(colonneChaines, 1);

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
    telecommande->addStretch(1);
    telecommande->addWidget(nouveauBouton("Quitter", "Quitter", "Quitter Kelmor"));
    racine->addLayout(telecommande);

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

    layout()->activate();
    resize(sizeHint().expandedTo(QSize(560, 420)));

    sysTray_ = new clsSysTray(this);
    sysTray_->setSourceWindow(this);
    sysTray_->ChangeIcon(IconeRepos());
    sysTray_->ChangeToolTip("Kelmor");

    horloge_ = new QTimer(this);
    horloge_->setObjectName("Horloge");
    horloge_->setInterval(10000);

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
    relier("StopAll", &Transport::StopAll_Click);
    relier("VolumeM", &Transport::VolumeM_Click);
    relier("VolumeP", &Transport::VolumeP_Click);
    relier("Mute", &Transport::Mute_Click);
    relier("Full", &Transport::Full_Click);
    relier("TV", &Transport::TV_Click);
    relier("Snap", &Transport::Snap_Click);
    relier("Photographier", &Transport::Photographier_Click);
    relier("Shift", &Transport::Shift_Click);
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
    const bool avant = !fav->font().bold();
    gras(fav, avant);
    if (avant)
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
