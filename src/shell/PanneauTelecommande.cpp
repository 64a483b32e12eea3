#include "shell/PanneauTelecommande.h"

#include "core/Version.h"
#include "engine/EtatLecteur.h"
#include "panes/VueChaine.h"
#include "shell/Icones.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {
QPushButton* bouton(QWidget* parent, const char* nom, const QString& texte, const QString& infoBulle = {})
{
    auto* b = new QPushButton(texte, parent);
    b->setObjectName(QString::fromUtf8(nom));
    if (!infoBulle.isEmpty())
        b->setToolTip(infoBulle);
    return b;
}

void gras(QWidget* w, bool oui)
{
    QFont f = w->font();
    f.setBold(oui);
    w->setFont(f);
}
}  // namespace

PanneauTelecommande::PanneauTelecommande(QWidget* parent)
    : QWidget(parent),
      ProgChaine2(bouton(this, "ProgChaîne2", "")),
      Regarder(bouton(this, "Regarder", "Regarder", " Regarder cette chaîne ")),
      RegarderX(bouton(this, "RegarderX", "■", " Arrêter la lecture ")),
      Enregistrer(bouton(this, "Enregistrer", "Enregistrer", "Enregistrer la chaîne sélectionnée")),
      EnregistrerX(bouton(this, "EnregistrerX", "■")),
      Photographier(bouton(this, "Photographier", "Photo", " Photographier l'image de la chaîne regardée ")),
      VolumeM(bouton(this, "VolumeM", "Vol -", " Baisser le volume ")),
      Mute(bouton(this, "Mute", "Muet", " Couper le son ")),
      VolumeP(bouton(this, "VolumeP", "Vol +", " Augmenter le volume ")),
      Full(bouton(this, "Full", "Plein écran", " Regarder la chaîne en plein écran / mode fenêtre ")),
      TV(bouton(this, "TV", "TV", " Afficher la chaîne sur la télévision avec FreePlayer ")),
      StopAll(bouton(this, "StopAll", "Stop", " Stop : arrêter la lecture ou l'enregistrement ")),
      Play(bouton(this, "Play", "Lecture", " Play : regarder cette chaîne ")),
      Rec(bouton(this, "Rec", "Enr.", "Enregistrer")),
      Shift(bouton(this, "Shift", "Différé", " Activer le mode time shifting ")),
      Pause(bouton(this, "Pause", "Pause", " Pause : geler la lecture de cette chaîne ")),
      Snap(bouton(this, "Snap", "Photo", " Photographier l'image affichée ")),
      Guider(bouton(this, "Guider", "Programmation", "Programmer des enregistrements")),
      Options(bouton(this, "Options", "Options", "Modifier les options d'Kelmor")),
      Quitter(bouton(this, "Quitter", "Quitter", "Quitter Kelmor"))
{
    setObjectName("Télécommande");
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);

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
    auto* version = new QLabel(kVersion, this);
    version->setObjectName("Version0");
    logos->addWidget(version);
    v->addLayout(logos);
    progChaine_ = new QLabel(this);
    progChaine_->setObjectName("ProgChaîne");
    v->addWidget(progChaine_);
    v->addWidget(ProgChaine2);

    auto* grille = new QGridLayout;
    grille->addWidget(Regarder, 0, 0);
    grille->addWidget(RegarderX, 0, 1);
    grille->addWidget(Enregistrer, 1, 0);
    grille->addWidget(EnregistrerX, 1, 1);
    grille->addWidget(Photographier, 2, 0, 1, 2);
    v->addLayout(grille);
    auto* son = new QHBoxLayout;
    for (QPushButton* b : {VolumeM, Mute, VolumeP, Full, TV})
        son->addWidget(b);
    v->addLayout(son);
    auto* transport = new QHBoxLayout;
    for (QPushButton* b : {StopAll, Play, Rec, Shift, Pause, Snap})
        transport->addWidget(b);
    v->addLayout(transport);

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
    v->addWidget(progBar_);
    v->addWidget(Guider);
    v->addWidget(Options);
    v->addStretch(1);
    v->addWidget(Quitter);
}

void PanneauTelecommande::afficherChaine(const VueChaine& vue)
{
    progChaine_->setText(vue.progChaine);
    ProgChaine2->setText(vue.progChaine2);
}

void PanneauTelecommande::afficherEtat(const VueEtat& v)
{
    gras(StopAll, v.stopAllGras);
    gras(Play, v.playGras);
    gras(Regarder, v.playGras);
    gras(Rec, v.recGras);
    gras(Enregistrer, v.recGras);
    gras(Shift, v.shiftGras);
    gras(Pause, v.pauseGras);
    if (v.remettreMute)
        gras(Mute, false);
    RegarderX->setEnabled(v.regarderXActif);
    EnregistrerX->setEnabled(v.enregistrerXActif);
    RegarderX->setToolTip(v.infoBulleRegarderX);
    EnregistrerX->setToolTip(v.infoBulleEnregistrerX);
    Photographier->setEnabled(v.photographierActif);
    progBar_->setVisible(v.progBarVisible);
    if (v.remettreProgression) {
        progBar1_->setValue(0);
        progTaille_->setText("0 Mo");
    }
    definirIconeEnregistrement(v.iconeEnregistrement);
}

void PanneauTelecommande::definirIconeEnregistrement(bool enregistrement)
{
    logo1_->setVisible(!enregistrement);
    logo2_->setVisible(enregistrement);
}

void PanneauTelecommande::afficherBascules(bool tv, bool muet)
{
    gras(TV, tv);
    gras(Mute, muet);
}

void PanneauTelecommande::afficherPhotoEnCours(bool enCours)
{
    gras(Photographier, enCours);
    Snap->setDown(enCours);
}

void PanneauTelecommande::afficherProgression(double fraction, const QString& texte)
{
    progBar1_->setValue(static_cast<int>(std::clamp(fraction, 0.0, 1.0) * 1000));
    progTaille_->setText(texte);
}

void PanneauTelecommande::afficherGuideOuvert(bool ouvert)
{
    gras(Guider, ouvert);
}
