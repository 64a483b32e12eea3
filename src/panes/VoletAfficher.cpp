#include "panes/VoletAfficher.h"

#include "panes/FondFichiers.h"
#include "panes/FondMosaic.h"
#include "panes/ImageAttente.h"
#include "panes/RangeeCompacte.h"
#include "panes/RubanCommande.h"
#include "platform/Twips.h"
#include "platform/VueIntegree.h"

#include <QEvent>
#include <QStackedWidget>
#include <QTabBar>

VoletAfficher::VoletAfficher(QWidget* parent)
    : QFrame(parent),
      AfficherOnglets(new QTabBar(this)),
      FondActiveX(new QWidget),
      Waiting(new ImageAttente(FondActiveX)),
      FondActiveX2(new RangeeCompacte(FondActiveX)),
      SizeBar(new RubanCommande(FondActiveX)),
      FondMosaic_(new FondMosaic),
      FondFichiers_(new FondFichiers)
{
    setObjectName(QStringLiteral("Fond1b"));
    AfficherOnglets->setObjectName(QStringLiteral("AfficherOnglets"));
    for (const char* titre : {"Direct", "Mosaïque", "Vidéos", "Photos"})
        AfficherOnglets->addTab(QString::fromUtf8(titre));
    AfficherOnglets->setExpanding(true);

    FondActiveX->setObjectName(QStringLiteral("FondActiveX"));
    FondActiveX->setAutoFillBackground(true);
    FondActiveX->installEventFilter(this);
    Waiting->hide();
    FondActiveX2->setPalette(palette());
    SizeBar->setPalette(palette());
    SizeBar->hide();
    relierRangee();

    connect(FondMosaic_, &FondMosaic::tuileRelachee, this, &VoletAfficher::tuileRelachee);
    connect(FondMosaic_, &FondMosaic::MosaFavo_Click, this, &VoletAfficher::MosaFavo_Click);
    connect(FondFichiers_, &FondFichiers::fichierChoisi, this, &VoletAfficher::fichierChoisi);
    connect(FondFichiers_, &FondFichiers::fichierDoubleClique, this, &VoletAfficher::fichierDoubleClique);
    connect(FondFichiers_, &FondFichiers::AfficherRegarder_Click, this, &VoletAfficher::AfficherRegarder_Click);
    connect(FondFichiers_, &FondFichiers::AfficherEffacer_Click, this, &VoletAfficher::AfficherEffacer_Click);
    connect(FondFichiers_, &FondFichiers::AfficherTout_Click, this, &VoletAfficher::AfficherTout_Click);
    connect(FondFichiers_, &FondFichiers::AfficherAutres_Click, this, &VoletAfficher::AfficherAutres_Click);
    connect(FondFichiers_, &FondFichiers::AfficherRefresh_Click, this, &VoletAfficher::AfficherRefresh_Click);
    connect(FondFichiers_, &FondFichiers::TV2_Click, this, &VoletAfficher::TV2_Click);

    cadres_ = new QStackedWidget(this);
    vide_ = new QWidget;
    for (QWidget* w : {vide_, FondActiveX, static_cast<QWidget*>(FondMosaic_), static_cast<QWidget*>(FondFichiers_)})
        cadres_->addWidget(w);

    placerCadres();

    connect(AfficherOnglets, &QTabBar::currentChanged, this, [this](int i) {
        if (!parCode_ && i >= 0)
            emit ongletChoisi(OngletAfficher(i + 1));
    });
}

// The compact row's presses, and the ribbon's: each of its icons has exactly the effect of
// its twin in the row.
void VoletAfficher::relierRangee()
{
    const RangeeCompacte* r = FondActiveX2;
    connect(r, &RangeeCompacte::Mini2_Click, this, &VoletAfficher::Mini2_Click);
    connect(r, &RangeeCompacte::Full2_Click, this, &VoletAfficher::Full2_Click);
    connect(r, &RangeeCompacte::TopR2_Click, this, &VoletAfficher::TopR2_Click);
    connect(r, &RangeeCompacte::ChaineM2_Click, this, &VoletAfficher::ChaineM2_Click);
    connect(r, &RangeeCompacte::ChaineP2_Click, this, &VoletAfficher::ChaineP2_Click);
    connect(r, &RangeeCompacte::Rec2_Click, this, &VoletAfficher::Rec2_Click);
    connect(r, &RangeeCompacte::Snap2_Click, this, &VoletAfficher::Snap2_Click);
    connect(r, &RangeeCompacte::Mute2_Click, this, &VoletAfficher::Mute2_Click);
    connect(r, &RangeeCompacte::volume2Change, this, &VoletAfficher::volume2Change);
    const RubanCommande* s = SizeBar;
    connect(s, &RubanCommande::SizeBarTop_Click, this, &VoletAfficher::TopR2_Click);
    connect(s, &RubanCommande::SizeBarM_Click, this, &VoletAfficher::ChaineM2_Click);
    connect(s, &RubanCommande::SizeBarP_Click, this, &VoletAfficher::ChaineP2_Click);
    connect(s, &RubanCommande::SizeBarRec_Click, this, &VoletAfficher::Rec2_Click);
    connect(s, &RubanCommande::SizeBarSnap_Click, this, &VoletAfficher::Snap2_Click);
    connect(s, &RubanCommande::SizeBarMute_Click, this, &VoletAfficher::Mute2_Click);
    connect(s, &RubanCommande::SizeBar1_Click, this, &VoletAfficher::SizeBar1_Click);
    connect(s, &RubanCommande::SizeBarF_Click, this, &VoletAfficher::SizeBarF_Click);
    connect(s, &RubanCommande::sizeBar2Change, this, &VoletAfficher::sizeBar2Change);
}

void VoletAfficher::accueillirVue(VueIntegree& vue)
{
    vue.placerDans(FondActiveX);
}

void VoletAfficher::afficherOnglet(OngletAfficher onglet)
{
    parCode_ = true;
    AfficherOnglets->setCurrentIndex(int(onglet) - 1);
    parCode_ = false;
}

void VoletAfficher::afficherCadre(CadreAfficher cadre)
{
    switch (cadre) {
    case CadreAfficher::Aucun:
        cadres_->setCurrentWidget(vide_);
        break;
    case CadreAfficher::Direct:
        cadres_->setCurrentWidget(FondActiveX);
        break;
    case CadreAfficher::Mosaique:
        afficherCadreRouge(0);
        cadres_->setCurrentWidget(FondMosaic_);
        break;
    case CadreAfficher::Fichiers:
        cadres_->setCurrentWidget(FondFichiers_);
        break;
    }
}

void VoletAfficher::afficherAttente(bool visible)
{
    // Its place follows the video's (placerRangee).
    // Native, to cover the video's own window; made so only when first needed: a window
    // more at start-up is time for nothing.
    if (visible)
        Waiting->setAttribute(Qt::WA_NativeWindow);
    Waiting->setVisible(visible);
    if (!visible)
        return;
    // Above the video window, which the view may have made after this one; the ribbon and
    // the full-screen row above it, since they are clicked while it shows.
    Waiting->raise();
    if (SizeBar->isVisible())
        SizeBar->raise();
    if (pleinEcran_)
        FondActiveX2->raise();
}

void VoletAfficher::afficherListe(const QStringList& noms, int selection, bool boutonsActifs)
{
    FondFichiers_->afficherListe(noms, selection, boutonsActifs);
}

void VoletAfficher::afficherTV2(bool g, bool actif)
{
    FondFichiers_->afficherTV2(g, actif);
}

void VoletAfficher::afficherTuile(int t, const TuileMosaique& tuile)
{
    FondMosaic_->afficherTuile(t, tuile);
}

void VoletAfficher::afficherCadreRouge(int t)
{
    FondMosaic_->afficherCadreRouge(t);
}

void VoletAfficher::afficherNoms(const QStringList& noms)
{
    FondMosaic_->afficherNoms(noms);
}

void VoletAfficher::afficherGroupeMosaique(int g)
{
    FondMosaic_->afficherGroupeMosaique(g);
}

void VoletAfficher::afficherSon(int volume, bool muet)
{
    FondActiveX2->afficherSon(volume, muet);
    SizeBar->afficherMuet(muet);
}

void VoletAfficher::changerVolume2(int valeur)
{
    FondActiveX2->changerVolume2(valeur);
}

void VoletAfficher::afficherRec(bool enregistrement)
{
    FondActiveX2->afficherRec(enregistrement);
    SizeBar->afficherRec(enregistrement);
}

void VoletAfficher::afficherAuDessus(bool auDessus)
{
    FondActiveX2->afficherAuDessus(auDessus);
    SizeBar->afficherAuDessus(auDessus);
}

void VoletAfficher::afficherPasChaine(bool precedente, bool suivante)
{
    FondActiveX2->afficherPasChaine(precedente, suivante);
    SizeBar->afficherPasChaine(precedente, suivante);
}

void VoletAfficher::afficherMini(bool mini)
{
    FondActiveX2->afficherMini(mini);
}

void VoletAfficher::afficherPleinEcran(bool pleinEcran)
{
    FondActiveX2->afficherPleinEcran(pleinEcran);
    SizeBar->afficherPleinEcran(pleinEcran);
}

void VoletAfficher::definirVueSeule(bool actif, bool pleinEcran, const QRect& video, std::optional<QPoint> rangee)
{
    vueSeule_ = actif;
    pleinEcran_ = actif && pleinEcran;
    videoPleinEcran_ = video;
    rangeePleinEcran_ = rangee.value_or(QPoint());
    AfficherOnglets->setVisible(!actif);
    // At once: the window's new size and the video's place go together.
    placerCadres();
    // The mini-screen is the video alone; full screen shows the row over the black.
    FondActiveX2->setVisible(!actif || pleinEcran_);
    // Black around the video and under the row in full screen; the panel's colour elsewhere.
    QPalette fond = palette();
    if (pleinEcran_)
        fond.setColor(QPalette::Window, Qt::black);
    FondActiveX->setPalette(fond);
    FondActiveX2->setPalette(fond);
    if (pleinEcran_)
        FondActiveX2->raise();
    // The ribbon shows in the mini-screen only (folded on entry: replierRuban).
    const bool ruban = actif && !pleinEcran_;
    if (ruban) {
        // Native and raised, to lie over the video's own window.
        SizeBar->setAttribute(Qt::WA_NativeWindow);
        SizeBar->raise();
    }
    SizeBar->setVisible(ruban);
    placerRangee();
}

bool VoletAfficher::rubanOuvert() const
{
    return SizeBar->ouvert();
}

void VoletAfficher::replierRuban()
{
    SizeBar->plier(false);
}

void VoletAfficher::afficherCurseur(int valeur)
{
    SizeBar->afficherCurseur(valeur);
}

void VoletAfficher::placerRangee()
{
    const QRect cadre = FondActiveX->rect();
    QRect video;
    if (pleinEcran_) {
        video = videoPleinEcran_;
        FondActiveX2->setGeometry(QRect(rangeePleinEcran_, QSize(FondActiveX2->sizeHint().width(), HauteurRangee)));
    } else if (vueSeule_) {
        video = cadre;
    } else {
        // The row lies at the frame's foot, across its width; above it the video keeps the
        // picture's ratio (337 x 249 in the design frame).
        const int h = std::min(HauteurRangee, cadre.height());
        FondActiveX2->setGeometry(0, cadre.height() - h, cadre.width(), h);
        video = QRect(0, 0, cadre.width(), std::min(cadre.height() - h, qRound(cadre.width() / RapportImage)));
    }
    Waiting->setGeometry(video);
    emit origineVueChangee(versTwips(video.topLeft()));
    emit tailleVueChangee(versTwips(video.size()));
}

void VoletAfficher::placerCadres()
{
    if (vueSeule_) {
        cadres_->setGeometry(rect());
        return;
    }
    // The frames' design place in the pane (240, 600, 5055 x 4335 twips): the mini-screen
    // moves the window by exactly this much to keep the video where it stands on the screen.
    const QRect cadres(CadresPane);
    const int hauteurOnglets = std::min(AfficherOnglets->sizeHint().height(), cadres.top());
    AfficherOnglets->setGeometry(cadres.left(), cadres.top() - hauteurOnglets, cadres.width(), hauteurOnglets);
    cadres_->setGeometry(cadres);
}

void VoletAfficher::resizeEvent(QResizeEvent* e)
{
    QFrame::resizeEvent(e);
    placerCadres();
}

bool VoletAfficher::eventFilter(QObject* objet, QEvent* e)
{
    if (objet == FondActiveX && e->type() == QEvent::Resize)
        placerRangee();
    return QFrame::eventFilter(objet, e);
}
