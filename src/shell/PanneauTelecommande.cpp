#include "shell/PanneauTelecommande.h"

#include "engine/EtatLecteur.h"
#include "panes/Boutons.h"
#include "panes/TexteBrut.h"
#include "panes/VueChaine.h"
#include "platform/Twips.h"

#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>
#include <vector>

namespace {
constexpr int kLargeur = 1560;
constexpr int kHauteur = 4980;
}  // namespace

PanneauTelecommande::PanneauTelecommande(QWidget* parent)
    : QWidget(parent),
      Regarder(nouveauBouton(this, "Regarder", "Regarder", " Regarder cette chaîne ")),
      RegarderX(nouveauBouton(this, "RegarderX", "■", " Arrêter la lecture ")),
      Enregistrer(nouveauBouton(this, "Enregistrer", "Enregistrer", "Enregistrer la chaîne sélectionnée")),
      EnregistrerX(nouveauBouton(this, "EnregistrerX", "■")),
      Photographier(nouveauBouton(this, "Photographier", "Photo", " Photographier l'image de la chaîne regardée ")),
      VolumeM(nouveauBouton(this, "VolumeM", "Vol -", " Baisser le volume ")),
      Mute(nouveauBouton(this, "Mute", "Muet", " Couper le son ")),
      VolumeP(nouveauBouton(this, "VolumeP", "Vol +", " Augmenter le volume ")),
      Full(nouveauBouton(this, "Full", "Plein écran", " Regarder la chaîne en plein écran / mode fenêtre ")),
      TV(nouveauBouton(this, "TV", "TV", " Afficher la chaîne sur la télévision avec FreePlayer ")),
      StopAll(nouveauBouton(this, "StopAll", "Stop", " Stop : arrêter la lecture ou l'enregistrement ")),
      Play(nouveauBouton(this, "Play", "Lecture", " Play : regarder cette chaîne ")),
      Rec(nouveauBouton(this, "Rec", "Enr.", "Enregistrer")),
      Shift(nouveauBouton(this, "Shift", "Différé", " Activer le mode time shifting ")),
      Pause(nouveauBouton(this, "Pause", "Pause", " Pause : geler la lecture de cette chaîne ")),
      Snap(nouveauBouton(this, "Snap", "Photo", " Photographier l'image affichée ")),
      TopR(nouveauBouton(this, "TopR", "Dessus", " Placer Kelmor toujours au-dessus ")),
      Reduire(nouveauBouton(this, "Réduire", "Réduire", " Réduire en icône à coté de l'horloge ")),
      Afficher(nouveauBouton(this, "Afficher", "Afficher")),
      Guider(nouveauBouton(this, "Guider", "Guider")),
      Diffuser(nouveauBouton(this, "Diffuser", "Diffuser")),
      Options(nouveauBouton(this, "Options", "Options", "Modifier les options d'Kelmor")),
      Quitter(nouveauBouton(this, "Quitter", "Quitter", "Quitter Kelmor"))
{
    setObjectName("Télécommande");
    setFixedSize(versPixels(kLargeur), versPixels(kHauteur));

    creerProgression();
    placerBoutons();
    relierBoutons();
}

void PanneauTelecommande::creerProgression()
{
    progChaine_ = new QLabel(this);
    progChaine_->setObjectName("ProgChaîne");
    progChaine_->setTextFormat(Qt::PlainText);
    // Two lines: a channel name of 29 characters is whole.
    progChaine_->setGeometry(rectPixels(0, 0, kLargeur, 330));
    progChaine_->setWordWrap(true);
    progChaine_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // Progress of a scheduled recording, shown only while one runs: a thin bar over the size
    // and time left, which take the panel's whole width ("10240 Mo (-- 23:59)" is whole).
    progBar_ = new QFrame(this);
    progBar_->setObjectName("ProgBar");
    progBar_->setGeometry(rectPixels(0, 4575, kLargeur, 405));
    progBar1_ = new QProgressBar(progBar_);
    progBar1_->setObjectName("ProgBar1");
    progBar1_->setRange(0, 1000);
    progBar1_->setTextVisible(false);
    progBar1_->setGeometry(rectPixels(0, 0, kLargeur, 135));
    progTaille_ = new QLabel("0 Mo", progBar_);
    progTaille_->setObjectName("ProgTaille");
    progTaille_->setAlignment(Qt::AlignCenter);
    progTaille_->setGeometry(rectPixels(0, 150, kLargeur, 255));
    progBar_->hide();
}

void PanneauTelecommande::placerBoutons()
{
    // Twelve rows 315 twips high, 30 apart, between the channel's name and the progress bar.
    // A button takes the width of its caption in bold (the "on" look) and the rest of the
    // row is shared: with the application's type the captions are whole, and no row holds
    // more than its bold captions allow.
    auto rangee = [this](int y, std::initializer_list<QPushButton*> boutons) {
        QFont grasse = font();
        grasse.setBold(true);
        const QFontMetrics fm(grasse);
        const int ecart = 1, largeur = width();
        std::vector<int> besoins;
        int total = ecart * (int(boutons.size()) - 1);
        for (QPushButton* b : boutons) {
            besoins.push_back(fm.horizontalAdvance(b->text()) + 8);
            total += besoins.back();
        }
        const int reste = std::max(0, largeur - total);
        int x = 0, i = 0;
        for (QPushButton* b : boutons) {
            const bool dernier = i == int(boutons.size()) - 1;
            const int l = dernier ? largeur - x : besoins[std::size_t(i)] + reste / int(boutons.size());
            b->setGeometry(x, versPixels(y), l, versPixels(315));
            x += l + ecart;
            ++i;
        }
    };
    Regarder->setGeometry(rectPixels(0, 360, 1080, 315));
    RegarderX->setGeometry(rectPixels(1110, 360, 450, 315));
    Enregistrer->setGeometry(rectPixels(0, 705, 1080, 315));
    EnregistrerX->setGeometry(rectPixels(1110, 705, 450, 315));
    rangee(1050, {Photographier});
    rangee(1395, {VolumeM, Mute, VolumeP});
    rangee(1740, {Full, TV});
    rangee(2085, {Play, StopAll});
    rangee(2430, {Pause, Shift});
    rangee(2775, {Rec, Snap});
    rangee(3120, {TopR, Reduire});
    rangee(3465, {Afficher, Guider});
    rangee(3810, {Diffuser});
    rangee(4155, {Options, Quitter});
}

void PanneauTelecommande::relierBoutons()
{
    const std::pair<QPushButton*, void (PanneauTelecommande::*)()> boutons[] = {
        {Regarder, &PanneauTelecommande::Regarder_Click},
        {RegarderX, &PanneauTelecommande::RegarderX_Click},
        {Enregistrer, &PanneauTelecommande::Enregistrer_Click},
        {EnregistrerX, &PanneauTelecommande::EnregistrerX_Click},
        {Photographier, &PanneauTelecommande::Photographier_Click},
        {VolumeM, &PanneauTelecommande::VolumeM_Click},
        {Mute, &PanneauTelecommande::Mute_Click},
        {VolumeP, &PanneauTelecommande::VolumeP_Click},
        {Full, &PanneauTelecommande::Full_Click},
        {TV, &PanneauTelecommande::TV_Click},
        {StopAll, &PanneauTelecommande::StopAll_Click},
        {Play, &PanneauTelecommande::Play_Click},
        {Rec, &PanneauTelecommande::Rec_Click},
        {Shift, &PanneauTelecommande::Shift_Click},
        {Pause, &PanneauTelecommande::Pause_Click},
        {Snap, &PanneauTelecommande::Snap_Click},
        {TopR, &PanneauTelecommande::TopR_Click},
        {Reduire, &PanneauTelecommande::Reduire_Click},
        {Afficher, &PanneauTelecommande::Afficher_Click},
        {Guider, &PanneauTelecommande::Guider_Click},
        {Diffuser, &PanneauTelecommande::Diffuser_Click},
        {Options, &PanneauTelecommande::Options_Click},
        {Quitter, &PanneauTelecommande::Quitter_Click},
    };
    for (const auto& [bouton, signal] : boutons)
        connect(bouton, &QPushButton::clicked, this, signal);
}

void PanneauTelecommande::afficherChaine(const VueChaine& vue)
{
    progChaine_->setText(vue.progChaine);
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
    RegarderX->setToolTip(infoBulleBrute(v.infoBulleRegarderX));
    EnregistrerX->setToolTip(infoBulleBrute(v.infoBulleEnregistrerX));
    Photographier->setEnabled(v.photographierActif);
    progBar_->setVisible(v.progBarVisible);
    if (v.remettreProgression) {
        progBar1_->setValue(0);
        progTaille_->setText("0 Mo");
    }
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

void PanneauTelecommande::afficherVolets(bool afficher, bool guider, bool diffuser)
{
    gras(Afficher, afficher);
    gras(Guider, guider);
    gras(Diffuser, diffuser);
}

void PanneauTelecommande::afficherAuDessus(bool auDessus)
{
    gras(TopR, auDessus);
}

void PanneauTelecommande::filtrerBoutonsVolets(QObject* filtre)
{
    for (QPushButton* b : {Afficher, Guider, Diffuser})
        b->installEventFilter(filtre);
}
