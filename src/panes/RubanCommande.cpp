#include "panes/RubanCommande.h"

#include "panes/Boutons.h"
#include "panes/Pictogrammes.h"

#include <QPushButton>
#include <QSlider>

namespace {
QPushButton* creerIcone(QWidget* parent, const char* nom, Pictogramme image, const char* infoBulle, int x, int y,
                        int face = 0)
{
    auto* b = nouveauBouton(parent, nom, QString(), QString::fromUtf8(infoBulle));
    b->setGeometry(x * 16, y * 16, 16, 16);
    b->setIcon(FacesPictogramme(image)[std::size_t(face)]);
    b->setIconSize(QSize(12, 12));
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

QSlider* creerTaille(QWidget* parent)
{
    auto* s = new QSlider(Qt::Horizontal, parent);
    s->setObjectName(QStringLiteral("SizeBar2"));
    s->setToolTip(QStringLiteral(" Régler la taille de la fenêtre "));
    s->setRange(35, 500);
    s->setValue(100);
    s->setSingleStep(1);
    s->setPageStep(10);
    s->setFocusPolicy(Qt::NoFocus);
    s->setGeometry(32, 0, 80, 18);
    return s;
}
}  // namespace

RubanCommande::RubanCommande(QWidget* parent)
    : QFrame(parent),
      SizeBar0(creerIcone(this, "SizeBar0", Pictogramme::Ruban, " Ouvrir le ruban de commande ", 0, 0)),
      SizeBarF(creerIcone(this, "SizeBarF", Pictogramme::PleinEcran,
                          " Regarder la chaîne en plein écran / mode fenêtre ", 1, 0)),
      SizeBar2(creerTaille(this)),
      // In the mini-screen: the mini-screen's "on" face, to leave it.
      SizeBar1(creerIcone(this, "SizeBar1", Pictogramme::MiniEcran, " Quitter le mode mini-écran ", 0, 1, 1)),
      SizeBarTop(creerIcone(this, "SizeBarTop", Pictogramme::AuDessus, " Placer Kelmor toujours au-dessus ", 1, 1)),
      SizeBarM(creerIcone(this, "SizeBarM", Pictogramme::Precedente, " Passer à la chaîne précédente ", 2, 1)),
      SizeBarP(creerIcone(this, "SizeBarP", Pictogramme::Suivante, " Passer à la chaîne suivante ", 3, 1)),
      SizeBarRec(creerIcone(this, "SizeBarRec", Pictogramme::Enregistrer,
                            " Enregistrer cette chaîne / Stopper l'enregistrement ", 4, 1)),
      SizeBarSnap(creerIcone(this, "SizeBarSnap", Pictogramme::Photo, " Photographier l'image affichée ", 5, 1)),
      SizeBarMute(creerIcone(this, "SizeBarMute", Pictogramme::Son, " Couper le son ", 6, 1)),
      SizeBar0B(FacesPictogramme(Pictogramme::Ruban)),
      SizeBarFB(FacesPictogramme(Pictogramme::PleinEcran)),
      SizeBarTopB(FacesPictogramme(Pictogramme::AuDessus)),
      SizeBarRecB(FacesPictogramme(Pictogramme::Enregistrer)),
      SizeBarMuteB(FacesPictogramme(Pictogramme::Son))
{
    setObjectName(QStringLiteral("SizeBar"));
    setAutoFillBackground(true);
    const std::pair<QPushButton*, void (RubanCommande::*)()> boutons[] = {
        {SizeBar1, &RubanCommande::SizeBar1_Click},       {SizeBarF, &RubanCommande::SizeBarF_Click},
        {SizeBarTop, &RubanCommande::SizeBarTop_Click},   {SizeBarM, &RubanCommande::SizeBarM_Click},
        {SizeBarP, &RubanCommande::SizeBarP_Click},       {SizeBarRec, &RubanCommande::SizeBarRec_Click},
        {SizeBarSnap, &RubanCommande::SizeBarSnap_Click}, {SizeBarMute, &RubanCommande::SizeBarMute_Click}};
    for (const auto& [bouton, signal] : boutons)
        connect(bouton, &QPushButton::clicked, this, signal);
    connect(SizeBar0, &QPushButton::clicked, this, [this] { plier(!ouvert_); });
    connect(SizeBar2, &QSlider::valueChanged, this, [this](int v) {
        if (!parCode_)
            emit sizeBar2Change(v);
    });
}

void RubanCommande::plier(bool ouvert)
{
    ouvert_ = ouvert;
    resize(ouvert ? QSize(7 * 16, 2 * 16) : QSize(16, 16));
    SizeBar0->setIcon(SizeBar0B[ouvert]);
}

void RubanCommande::afficherMuet(bool muet)
{
    SizeBarMute->setIcon(SizeBarMuteB[muet]);
}

void RubanCommande::afficherRec(bool enregistrement)
{
    SizeBarRec->setIcon(SizeBarRecB[enregistrement]);
}

void RubanCommande::afficherAuDessus(bool auDessus)
{
    SizeBarTop->setIcon(SizeBarTopB[auDessus]);
}

void RubanCommande::afficherPasChaine(bool precedente, bool suivante)
{
    SizeBarM->setVisible(precedente);
    SizeBarP->setVisible(suivante);
}

void RubanCommande::afficherPleinEcran(bool pleinEcran)
{
    SizeBarF->setIcon(SizeBarFB[pleinEcran]);
}

void RubanCommande::afficherCurseur(int valeur)
{
    parCode_ = true;
    SizeBar2->setValue(valeur);
    parCode_ = false;
}
