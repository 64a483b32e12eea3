#include "shell/AppliqueurForme.h"

#include "engine/EtatFenetre.h"
#include "panes/Boutons.h"
#include "panes/PanneauChaines.h"
#include "panes/VoletAfficher.h"
#include "panes/VoletGuide.h"
#include "platform/Twips.h"
#include "shell/AuDessusX11.h"
#include "shell/PanneauTelecommande.h"
#include "shell/VoletsLateraux.h"

#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QWidget>
#include <QWindow>

namespace {
// One width of the side pane's animation per step: eleven widths in about a tenth of a second.
constexpr int kPasMs = 10;
}  // namespace

AppliqueurForme::AppliqueurForme(const ControlesForme& controles, EtatFenetre& etat, QObject* parent)
    : QObject(parent), p_(controles), etat_(etat)
{
    p_.fenetre->setFixedSize(versPixels(forme_.taille()));
    connect(p_.volets, &VoletsLateraux::construit, this, &AppliqueurForme::voletConstruit);
    pas_.setSingleShot(true);
    pas_.setInterval(kPasMs);
    connect(&pas_, &QTimer::timeout, this, &AppliqueurForme::avancer);
}

void AppliqueurForme::Mini_Click()
{
    appliquer(forme_.Mini_Click(placement()));
}

void AppliqueurForme::GoAfficher_Click()
{
    appliquer(forme_.GoAfficher_Click(placement()));
}

void AppliqueurForme::GoGuider_Click()
{
    const bool ouvert = forme_.estOuvert(Volet::Guider);
    appliquer(forme_.GoGuider_Click(placement()));
    // Opening, the guide pane shows its schedule tab, through the pane's own tab handler.
    if (!ouvert && forme_.estOuvert(Volet::Guider))
        p_.volets->guide().choisirOnglet(1);
}

void AppliqueurForme::GoDiffuser_Click()
{
    appliquer(forme_.GoDiffuser_Click(placement()));
}

bool AppliqueurForme::basculerVolet(Volet v)
{
    appliquer(forme_.basculerVolet(v, placement()));
    return forme_.estOuvert(v);
}

bool AppliqueurForme::Afficher_Click()
{
    return basculerVolet(Volet::Afficher);
}

bool AppliqueurForme::Guider_Click()
{
    const bool ouvert = basculerVolet(Volet::Guider);
    if (ouvert)
        p_.volets->guide().choisirOnglet(1);
    return ouvert;
}

bool AppliqueurForme::Diffuser_Click()
{
    return basculerVolet(Volet::Diffuser);
}

void AppliqueurForme::Mini2_Click()
{
    appliquer(forme_.Mini2_Click(placement()));
}

void AppliqueurForme::Full2_Click()
{
    appliquer(forme_.Full2_Click(placement()));
}

void AppliqueurForme::SizeBar1_Click()
{
    appliquer(forme_.SizeBar1_Click(placement()));
}

void AppliqueurForme::SizeBarF_Click()
{
    appliquer(forme_.SizeBarF_Click(placement()));
}

void AppliqueurForme::SizeBar2_Scroll(int curseur)
{
    appliquer(forme_.SizeBar2_Scroll(curseur));
}

void AppliqueurForme::ReplierVolet()
{
    appliquer(forme_.ReplierVolet(placement()));
}

void AppliqueurForme::TopR_Click()
{
    appliquerAuDessus(forme_.TopR_Click());
}

void AppliqueurForme::voletConstruit(Volet v)
{
    if (v != Volet::Afficher)
        return;
    VoletAfficher& a = p_.volets->afficher();
    a.afficherAuDessus(auDessus_);
    a.afficherCurseur(forme_.PleinEcran() ? forme_.PleinEcran() : forme_.curseur());
    a.afficherMini(forme_.miniEcran());
    a.afficherPleinEcran(forme_.PleinEcran() != 0);
}

void AppliqueurForme::montrerProgrammation()
{
    // The video alone goes back to the pane the media pane's own way, the pane folded.
    if (forme_.miniEcran())
        appliquer(forme_.basculerVolet(Volet::Afficher, placement()));
    if (forme_.estTelecommande())
        GoGuider_Click();
    else if (!forme_.estOuvert(Volet::Guider))
        Guider_Click();
    else if (etat_.ongletGuide() != 1)
        p_.volets->guide().choisirOnglet(1);
}

void AppliqueurForme::fenetreAffichee()
{
    // The window manager may have dropped the states when the window was hidden; it reads them
    // again as the window is mapped, right after this. Full screen is the form's.
    QWidget& f = *p_.fenetre;
    if (forme_.PleinEcran() && !(f.windowState() & Qt::WindowFullScreen))
        f.setWindowState((f.windowState() & ~Qt::WindowMinimized) | Qt::WindowFullScreen);
    if (surX11())
        definirAuDessusX11(*p_.fenetre, auDessus_, false);
}

void AppliqueurForme::appliquerAuDessus(bool auDessus)
{
    // Once per change: the window manager is told only when the state really changes.
    if (auDessus == auDessus_)
        return;
    auDessus_ = auDessus;
    p_.telecommande->afficherAuDessus(auDessus);
    if (p_.volets->estConstruit(Volet::Afficher))
        p_.volets->afficher().afficherAuDessus(auDessus);
    QWidget& f = *p_.fenetre;
    Qt::WindowFlags drapeaux = f.windowFlags();
    drapeaux.setFlag(Qt::WindowStaysOnTopHint, auDessus);
    if (surX11()) {
        // Told to the window manager directly: the toolkit's window keeps the flags it was
        // made with, so that it is never made anew (see AuDessusX11.h). The widget's flags
        // still say the state.
        f.overrideWindowFlags(drapeaux);
        // Never shown yet (start-up in the remote-control form): no X window is made now, or
        // the place given before the first show would be taken as the client's rather than
        // the frame's. The state is written as the window is shown (fenetreAffichee).
        if (!f.testAttribute(Qt::WA_WState_Created))
            return;
        definirAuDessusX11(f, auDessus, f.isVisible());
        return;
    }
    if (QWindow* w = f.windowHandle(); w && f.isVisible()) {
        // A shown window keeps its place: only the stacking hint changes.
        f.overrideWindowFlags(drapeaux);
        w->setFlags(drapeaux);
    } else {
        f.setWindowFlags(drapeaux);
    }
}

QMargins AppliqueurForme::margesCadre() const
{
    const QRect cadre = p_.fenetre->frameGeometry(), client = p_.fenetre->geometry();
    return {client.left() - cadre.left(), client.top() - cadre.top(), cadre.right() - client.right(),
            cadre.bottom() - client.bottom()};
}

void AppliqueurForme::deplacerCadre(const QPoint& position)
{
    // Just out of full screen the desktop has not framed the window again yet and the frame
    // is still taken as none: the client goes where the frame of before would put it.
    QWidget& f = *p_.fenetre;
    const QMargins m = margesAvantPleinEcran_;
    if (!(f.windowState() & Qt::WindowFullScreen) && margesCadre().isNull() && !m.isNull()) {
        f.setGeometry(QRect(position + QPoint(m.left(), m.top()), f.size()));
        return;
    }
    f.move(position);
}

PlacementFenetre AppliqueurForme::placement() const
{
    const QWidget& f = *p_.fenetre;
    PlacementFenetre p;
    if (const QScreen* s = f.screen()) {
        p.ecran = s->availableGeometry();
        p.ecranEntier = s->geometry();
    }
    p.position = f.pos();
    p.cadre = margesCadre();
    // In full screen, or just out of it, the frame to reckon with is the one it had before.
    if (p.cadre.isNull() || (f.windowState() & Qt::WindowFullScreen))
        p.cadre = margesAvantPleinEcran_.isNull() ? p.cadre : margesAvantPleinEcran_;
    return p;
}

void AppliqueurForme::appliquer(const TransitionForme& t)
{
    if (t.vide())
        return;
    // The panes the form will show are built now, before the model says the form: what
    // follows it (the media pane's tab, the guide's reload) finds them wired.
    for (const PhaseForme& phase : t.phases) {
        if (phase.voletAffiche)
            p_.volets->cadre(*phase.voletAffiche);
        if (phase.vueSeule && phase.vueSeule->actif)
            p_.volets->afficher();
    }
    if (t.animee() && !enAnimation_) {
        enAnimation_ = true;
        emit animationCommencee();
    }
    mosaique_ = mosaique_ || t.mosaique;
    enAttente_.insert(enAttente_.end(), t.phases.begin(), t.phases.end());
    if (!pas_.isActive())
        avancer();
    // The model says the form once its first frames are in place, without waiting for the
    // steps: what follows it (the live view, the guide's reload) goes at once.
    etat_.definirForme(forme_.forme(), forme_.volet());
}

void AppliqueurForme::avancer()
{
    QWidget& f = *p_.fenetre;
    // One size per step; a phase's frames go with its first size and its move after its last.
    while (!enAttente_.empty()) {
        const PhaseForme& phase = enAttente_.front();
        if (indice_ == 0)
            appliquerCadres(phase);
        if (indice_ < phase.tailles.size()) {
            f.setFixedSize(versPixels(phase.tailles[indice_++]));
            if (indice_ < phase.tailles.size()) {
                pas_.start();
                return;
            }
        }
        if (phase.position)
            deplacerCadre(*phase.position);
        if (phase.pleinEcranBureau.value_or(false)) {
            margesAvantPleinEcran_ = margesCadre();
            f.setWindowState(f.windowState() | Qt::WindowFullScreen);
        }
        enAttente_.pop_front();
        indice_ = 0;
    }
    etat_.definirForme(forme_.forme(), forme_.volet());
    // The mini-screen and full screen show the media pane's video alone.
    if (!forme_.voletEstOuvert() && !forme_.miniEcran())
        p_.volets->pile().hide();
    p_.telecommande->afficherVolets(forme_.estOuvert(Volet::Afficher), forme_.estOuvert(Volet::Guider),
                                    forme_.estOuvert(Volet::Diffuser));
    gras(p_.mini, forme_.estTelecommande());
    if (mosaique_) {
        mosaique_ = false;
        emit mosaiqueDemandee();
    }
    if (enAnimation_) {
        enAnimation_ = false;
        emit animationTerminee();
    }
    if (focusAPlacer_) {
        focusAPlacer_ = false;
        placerFocus();
    }
}

void AppliqueurForme::placerFocus()
{
    // A hidden control keeps the focus when no other can take it. In the mini-screen and full
    // screen the window itself takes it; back in the pane, the channel list.
    QWidget& f = *p_.fenetre;
    QWidget* focus = f.focusWidget();
    const bool perdu = !focus || focus == &f || !focus->isVisible();
    if (!perdu)
        return;
    if (forme_.miniEcran()) {
        if (focus && focus != &f)
            f.setFocus();
    } else if (p_.chaines->isVisible()) {
        p_.chaines->setFocus();
    }
}

void AppliqueurForme::appliquerCadres(const PhaseForme& phase)
{
    QWidget& f = *p_.fenetre;
    if (phase.pleinEcranBureau == false && (f.windowState() & Qt::WindowFullScreen))
        f.setWindowState(f.windowState() & ~Qt::WindowFullScreen);
    if (phase.voletAffiche) {
        if (QWidget* c = p_.volets->cadre(*phase.voletAffiche)) {
            p_.volets->pile().setCurrentWidget(c);
            p_.volets->pile().show();
        }
    }
    if (phase.fond1bis) {
        p_.fond1bis->setVisible(*phase.fond1bis);
        // The remote-control form is the channel column alone: the remote lies out of the
        // window, hidden so that the Tab key never walks it.
        p_.telecommande->setVisible(!*phase.fond1bis);
        focusAPlacer_ = true;
    }
    if (phase.vueSeule)
        appliquerVueSeule(*phase.vueSeule, phase.tailles.empty() ? forme_.taille() : phase.tailles.back());
    if (phase.auDessus)
        appliquerAuDessus(*phase.auDessus);
    if (phase.favorisDevant)
        etat_.definirFavorisDevant(*phase.favorisDevant);
}

void AppliqueurForme::appliquerVueSeule(const VueSeule& vue, const QSize& client)
{
    // The channel column and the remote lie out of sight beside the video: hidden, so that the
    // keyboard's focus never goes there (placerFocus, once the window takes input again).
    p_.chaines->setVisible(!vue.actif);
    p_.telecommande->setVisible(!vue.actif);
    focusAPlacer_ = true;
    QStackedWidget& volet = p_.volets->pile();
    if (!vue.actif && !p_.volets->estConstruit(Volet::Afficher)) {
        // Never shown alone: only the panel's place comes back.
        p_.fond1->setGeometry(rectPixels(0, 0, 9975, 7935));
        volet.setGeometry(rectPixels(4440, 0, 5535, 5175));
        return;
    }
    VoletAfficher& a = p_.volets->afficher();
    if (vue.actif) {
        // The main panel slides left so that the media pane stands at the window's edge, and
        // grows so that it never clips the video.
        const QSize px = versPixels(client);
        const int x = volet.x();
        p_.fond1->setGeometry(-x, 0, x + std::max(px.width(), 1), std::max(px.height(), 1));
        volet.resize(px);
        const QRect video = versPixels(vue.video);
        if (vue.replierRuban)
            a.replierRuban();
        a.definirVueSeule(true, vue.pleinEcran, video,
                          vue.rangee ? std::optional<QPoint>(versPixels(*vue.rangee)) : std::nullopt);
    } else {
        p_.fond1->setGeometry(rectPixels(0, 0, 9975, 7935));
        volet.setGeometry(rectPixels(4440, 0, 5535, 5175));
        a.definirVueSeule(false, false, {}, std::nullopt);
    }
    a.afficherCurseur(forme_.PleinEcran() ? forme_.PleinEcran() : forme_.curseur());
    a.afficherMini(forme_.miniEcran());
    a.afficherPleinEcran(forme_.PleinEcran() != 0);
}
