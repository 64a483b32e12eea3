#include "panes/RangeeCompacte.h"

#include "panes/Boutons.h"
#include "panes/Pictogrammes.h"
#include "panes/VoletAfficher.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QSlider>

namespace {
// Pictures, not characters: they show with whatever fonts the desktop has.
QPushButton* creerBoutonRangee(QWidget* parent, const char* nom, Pictogramme image, const char* infoBulle)
{
    auto* b = nouveauBouton(parent, nom, QString(), QString::fromUtf8(infoBulle));
    b->setFixedSize(VoletAfficher::HauteurRangee, VoletAfficher::HauteurRangee);
    b->setIcon(FacesPictogramme(image)[0]);
    b->setIconSize(QSize(20, 20));
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

QSlider* creerVolume(QWidget* parent)
{
    auto* s = new QSlider(Qt::Horizontal, parent);
    s->setObjectName(QStringLiteral("Volume2"));
    s->setToolTip(QStringLiteral(" Régler le volume sonore "));
    s->setRange(0, 200);
    s->setValue(100);
    s->setSingleStep(1);
    s->setPageStep(10);
    s->setFocusPolicy(Qt::NoFocus);
    return s;
}
}  // namespace

RangeeCompacte::RangeeCompacte(QWidget* parent)
    : QFrame(parent),
      Mini2(creerBoutonRangee(this, "Mini2", Pictogramme::MiniEcran, " Entrer/sortir du mode mini-écran ")),
      Full2(creerBoutonRangee(this, "Full2", Pictogramme::PleinEcran,
                              " Regarder la chaîne en plein écran / mode fenêtre ")),
      TopR2(creerBoutonRangee(this, "TopR2", Pictogramme::AuDessus, " Placer Kelmor toujours au-dessus ")),
      ChaineM2(creerBoutonRangee(this, "ChaîneM2", Pictogramme::Precedente, " Passer à la chaîne précédente ")),
      ChaineP2(creerBoutonRangee(this, "ChaîneP2", Pictogramme::Suivante, " Passer à la chaîne suivante ")),
      Rec2(creerBoutonRangee(this, "Rec2", Pictogramme::Enregistrer,
                             " Enregistrer cette chaîne / Stopper l'enregistrement ")),
      Snap2(creerBoutonRangee(this, "Snap2", Pictogramme::Photo, " Photographier l'image affichée ")),
      Mute2(creerBoutonRangee(this, "Mute2", Pictogramme::Son, " Couper le son ")),
      Volume2(creerVolume(this)),
      Mini2B(FacesPictogramme(Pictogramme::MiniEcran)),
      Full2B(FacesPictogramme(Pictogramme::PleinEcran)),
      TopR2B(FacesPictogramme(Pictogramme::AuDessus)),
      Rec2B(FacesPictogramme(Pictogramme::Enregistrer)),
      Mute2B(FacesPictogramme(Pictogramme::Son))
{
    setObjectName(QStringLiteral("FondActiveX2"));
    setAutoFillBackground(true);
    auto* rangee = new QHBoxLayout(this);
    rangee->setContentsMargins(0, 0, 0, 0);
    rangee->setSpacing(0);
    // Three groups, as on the remote: the window, the channel, the picture and the sound.
    for (QPushButton* b : {Mini2, Full2, TopR2})
        rangee->addWidget(b);
    rangee->addSpacing(8);
    for (QPushButton* b : {ChaineM2, ChaineP2})
        rangee->addWidget(b);
    rangee->addSpacing(8);
    for (QPushButton* b : {Rec2, Snap2, Mute2})
        rangee->addWidget(b);
    rangee->addWidget(Volume2, 1);

    const std::pair<QPushButton*, void (RangeeCompacte::*)()> boutons[] = {
        {Mini2, &RangeeCompacte::Mini2_Click},       {Full2, &RangeeCompacte::Full2_Click},
        {TopR2, &RangeeCompacte::TopR2_Click},       {ChaineM2, &RangeeCompacte::ChaineM2_Click},
        {ChaineP2, &RangeeCompacte::ChaineP2_Click}, {Rec2, &RangeeCompacte::Rec2_Click},
        {Snap2, &RangeeCompacte::Snap2_Click},       {Mute2, &RangeeCompacte::Mute2_Click}};
    for (const auto& [bouton, signal] : boutons)
        connect(bouton, &QPushButton::clicked, this, signal);
    connect(Volume2, &QSlider::valueChanged, this, [this](int v) {
        if (!parCode_)
            emit volume2Change(v);
    });
}

void RangeeCompacte::afficherSon(int volume, bool muet)
{
    parCode_ = true;
    Volume2->setValue(volume);
    parCode_ = false;
    gras(Mute2, muet);
    Mute2->setIcon(Mute2B[muet]);
}

void RangeeCompacte::changerVolume2(int valeur)
{
    Volume2->setValue(valeur);
}

void RangeeCompacte::afficherRec(bool enregistrement)
{
    gras(Rec2, enregistrement);
    Rec2->setIcon(Rec2B[enregistrement]);
}

void RangeeCompacte::afficherAuDessus(bool auDessus)
{
    gras(TopR2, auDessus);
    TopR2->setIcon(TopR2B[auDessus]);
}

void RangeeCompacte::afficherPasChaine(bool precedente, bool suivante)
{
    ChaineM2->setEnabled(precedente);
    ChaineP2->setEnabled(suivante);
}

void RangeeCompacte::afficherMini(bool mini)
{
    gras(Mini2, mini);
    Mini2->setIcon(Mini2B[mini]);
}

void RangeeCompacte::afficherPleinEcran(bool pleinEcran)
{
    Full2->setIcon(Full2B[pleinEcran]);
}
