#include "shell/Fond.h"

#include "panes/Boutons.h"
#include "panes/TexteBrut.h"
#include "panes/PanneauChaines.h"
#include "panes/VoletAfficher.h"
#include "panes/VoletGuide.h"
#include "panes/VoletProgrammation.h"
#include "panes/VueChaine.h"
#include "shell/AuDessusX11.h"
#include "shell/BarreTampon.h"
#include "shell/Icones.h"
#include "shell/PanneauTelecommande.h"
#include "shell/PopupDuree.h"
#include "shell/Textures.h"
#include "shell/Twips.h"
#include "shell/VoletDiffusion.h"
#include "shell/clsSysTray.h"

#include <QCloseEvent>
#include <QShowEvent>
#include <QCursor>
#include <QFrame>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QStyleHints>
#include <QWindow>

namespace {
// One width of the side pane's animation per step: eleven widths in about a tenth of a second.
constexpr int kPasMs = 10;
// The fade-in: 32 steps, about a quarter of a second.
constexpr int kPasFonduMs = 8;

QFrame* cadre(QWidget* parent, const char* nom)
{
    auto* f = new QFrame(parent);
    f->setObjectName(QString::fromUtf8(nom));
    return f;
}

void gras(QWidget* w, bool oui)
{
    QFont f = w->font();
    f.setBold(oui);
    w->setFont(f);
}
}  // namespace

Fond::Fond(QWidget* parent)
    : QWidget(parent),
      Mini(nouveauBouton(nullptr, "Mini", "Mini")),
      GoAfficher(nouveauBouton(nullptr, "GoAfficher", "Afficher")),
      GoGuider(nouveauBouton(nullptr, "GoGuider", "Guider")),
      GoDiffuser(nouveauBouton(nullptr, "GoDiffuser", "Mosaïque")),
      ProgChaine2(nouveauBouton(nullptr, "ProgChaîne2", ""))
{
    setObjectName("Fond");
    setWindowTitle("Kelmor");
    setWindowIcon(IconeRepos());

    // The main panel, 9975 x 7935 twips: the window shows its top-left part.
    fond1_ = cadre(this, "Fond1");
    fond1_->setGeometry(rectPixels(0, 0, 9975, 7935));
    // The panel never moves under the window: widening paints only the strip it uncovers.
    setAttribute(Qt::WA_StaticContents);
    fond1_->setAttribute(Qt::WA_StaticContents);

    chaines_ = new PanneauChaines(fond1_);
    chaines_->setGeometry(rectPixels(120, 120, 2655, 5040));
    chaines_->ajouterALaRangee(Mini);
    telecommande_ = new PanneauTelecommande(fond1_);
    telecommande_->move(versPixels(2880), versPixels(120));

    // The remote-control form's extension below the channel column.
    fond1bis_ = cadre(fond1_, "Fond1bis");
    fond1bis_->setGeometry(rectPixels(120, 5160, 2655, 2655));
    GoAfficher->setParent(fond1bis_);
    GoGuider->setParent(fond1bis_);
    GoDiffuser->setParent(fond1bis_);
    ProgChaine2->setParent(fond1bis_);
    GoAfficher->setGeometry(rectPixels(120, 120, 2415, 495));
    GoGuider->setGeometry(rectPixels(120, 705, 2415, 495));
    GoDiffuser->setGeometry(rectPixels(120, 1290, 2415, 495));
    ProgChaine2->setGeometry(rectPixels(120, 2040, 2415, 495));
    fond1bis_->hide();

    // The side pane, right of the remote control: the re-broadcast, media and guide panes.
    volet_ = new QStackedWidget(fond1_);
    volet_->setObjectName("Volet");
    volet_->setGeometry(rectPixels(4440, 0, 5535, 5175));
    fond1a_ = new VoletDiffusion(volet_);
    afficher_ = new VoletAfficher(volet_);
    fond1b_ = afficher_;
    // The guide pane: the schedule, the TV guide and the audience, on its own tab strip.
    programmation_ = new VoletProgrammation;
    guide_ = new VoletGuide(programmation_, volet_);
    fond1c_ = guide_;
    volet_->addWidget(fond1a_);
    volet_->addWidget(fond1b_);
    volet_->addWidget(fond1c_);
    volet_->hide();

    // The background frames move the window when dragged.
    for (QWidget* w : {static_cast<QWidget*>(fond1_), static_cast<QWidget*>(fond1bis_),
                       static_cast<QWidget*>(fond1a_), static_cast<QWidget*>(fond1b_), static_cast<QWidget*>(fond1c_)})
        w->installEventFilter(this);
    if (auto* favoris = chaines_->findChild<QWidget*>("Favoris"))
        favoris->installEventFilter(this);
    // A pane button folds what it unfolded: the second click of a double-click is no click.
    for (QWidget* b : {static_cast<QWidget*>(telecommande_->Afficher), static_cast<QWidget*>(telecommande_->Guider),
                       static_cast<QWidget*>(telecommande_->Diffuser), static_cast<QWidget*>(GoAfficher),
                       static_cast<QWidget*>(GoGuider), static_cast<QWidget*>(GoDiffuser)})
        b->installEventFilter(this);

    tampon_ = new BarreTampon(this);
    duree_ = new PopupDuree(this);

    setFixedSize(FormeFenetre::enPixels(forme_.taille()));
    pas_.setSingleShot(true);
    pas_.setInterval(kPasMs);
    connect(&pas_, &QTimer::timeout, this, &Fond::avancer);
    fondu_.setInterval(kPasFonduMs);
    connect(&fondu_, &QTimer::timeout, this, [this] {
        static const std::vector<int> etapes = EtapesFondu();
        if (etapeFondu_ < etapes.size()) {
            setWindowOpacity(etapes[etapeFondu_++] / 255.0);
            return;
        }
        fondu_.stop();
        setWindowOpacity(1.0);
    });

    sysTray_ = new clsSysTray(this);
    sysTray_->setSourceWindow(this);
    sysTray_->ChangeIcon(IconeRepos());
    sysTray_->ChangeToolTip("Kelmor");
}

Fond::~Fond() = default;

void Fond::definirGardienFermeture(std::function<bool(bool)> gardien)
{
    gardienFermeture_ = std::move(gardien);
}

void Fond::selectionnerChaine(int index, const VueChaine& vue)
{
    chaines_->selectionner(index, vue);
    telecommande_->afficherChaine(vue);
    ProgChaine2->setText(legendeBrute(vue.progChaine2));
    programmation_->definirChaine(vue.progChaine);
}

void Fond::definirTitre(const QString& titre)
{
    setWindowTitle(titreBrut(titre));
}

void Fond::definirIconeEnregistrement(bool enregistrement)
{
    const QIcon i = enregistrement ? IconeEnregistrement() : IconeRepos();
    setWindowIcon(i);
    sysTray_->ChangeIcon(i);
    fond1a_->definirIconeEnregistrement(enregistrement);
}

QSize Fond::tailleEcran() const
{
    QScreen* s = QGuiApplication::primaryScreen();
    const QSize px = s ? s->availableGeometry().size() : QSize(1024, 768);
    return {versTwips(px.width()), versTwips(px.height())};
}

QPoint Fond::position() const
{
    return {versTwips(pos().x()), versTwips(pos().y())};
}

void Fond::placer(const QPoint& p)
{
    move(versPixels(p.x()), versPixels(p.y()));
}

std::vector<int> EtapesFondu()
{
    std::vector<int> etapes;
    for (int alpha = 0; alpha <= 255; alpha += 8)
        etapes.push_back(alpha);
    return etapes;
}

void Fond::fonduEntree()
{
    // One step per turn of the event loop: nothing waits, and the window paints each step.
    setWindowOpacity(0.0);
    show();
    etapeFondu_ = 0;
    fondu_.start();
}

void Fond::minimiser()
{
    sysTray_->MinToSysTray();
}

void Fond::Fav_Click()
{
    favorisDevant_ = !favorisDevant_;
    chaines_->montrerFavoris(favorisDevant_);
}

void Fond::Mini_Click()
{
    appliquerForme(forme_.Mini_Click(placement()));
}

void Fond::Mini2_Click()
{
    appliquerForme(forme_.Mini2_Click(placement()));
}

void Fond::Full2_Click()
{
    appliquerForme(forme_.Full2_Click(placement()));
}

void Fond::SizeBar1_Click()
{
    appliquerForme(forme_.SizeBar1_Click(placement()));
}

void Fond::SizeBarF_Click()
{
    appliquerForme(forme_.SizeBarF_Click(placement()));
}

void Fond::SizeBar2_Scroll(int curseur)
{
    appliquerForme(forme_.SizeBar2_Scroll(curseur));
}

void Fond::appliquerVueSeule(const VueSeule& vue, const QSize& client)
{
    // The channel column and the remote lie out of sight beside the video: hidden, so that the
    // keyboard's focus never goes there (placerFocus, once the window takes input again).
    chaines_->setVisible(!vue.actif);
    telecommande_->setVisible(!vue.actif);
    focusAPlacer_ = true;
    if (vue.actif) {
        // The main panel slides left so that the media pane stands at the window's edge, and
        // grows so that it never clips the video.
        const QSize px = FormeFenetre::enPixels(client);
        fond1_->setGeometry(-volet_->x(), 0, volet_->x() + std::max(px.width(), 1), std::max(px.height(), 1));
        volet_->resize(px);
        const QRect video(vue.video.x() / 15, vue.video.y() / 15, FormeFenetre::enPixels(vue.video.width()),
                          FormeFenetre::enPixels(vue.video.height()));
        if (vue.replierRuban)
            afficher_->replierRuban();
        afficher_->definirVueSeule(true, vue.pleinEcran, video,
                                   vue.rangee ? std::optional<QPoint>(*vue.rangee / 15) : std::nullopt);
    } else {
        fond1_->setGeometry(rectPixels(0, 0, 9975, 7935));
        volet_->setGeometry(rectPixels(4440, 0, 5535, 5175));
        afficher_->definirVueSeule(false, false, {}, std::nullopt);
    }
    afficher_->afficherCurseur(forme_.PleinEcran() ? forme_.PleinEcran() : forme_.curseur());
    afficher_->afficherMini(forme_.miniEcran());
    afficher_->afficherPleinEcran(forme_.PleinEcran() != 0);
}

void Fond::GoAfficher_Click()
{
    appliquerForme(forme_.GoAfficher_Click(placement()));
}

void Fond::GoGuider_Click()
{
    const bool ouvert = forme_.estOuvert(Volet::Guider);
    appliquerForme(forme_.GoGuider_Click(placement()));
    if (!ouvert && forme_.estOuvert(Volet::Guider))
        afficherProgrammation();
}

void Fond::GoDiffuser_Click()
{
    appliquerForme(forme_.GoDiffuser_Click(placement()));
}

bool Fond::basculerVolet(Volet v)
{
    appliquerForme(forme_.basculerVolet(v, placement()));
    return forme_.estOuvert(v);
}

bool Fond::Afficher_Click()
{
    return basculerVolet(Volet::Afficher);
}

bool Fond::Guider_Click()
{
    // Opening, the guide pane shows its schedule tab with a fresh editor.
    const bool ouvert = basculerVolet(Volet::Guider);
    if (ouvert)
        afficherProgrammation();
    return ouvert;
}

void Fond::afficherProgrammation()
{
    // Its tab runs the editor's reset through the pane's own tab handler.
    guide_->choisirOnglet(1);
}

bool Fond::Diffuser_Click()
{
    return basculerVolet(Volet::Diffuser);
}

void Fond::TopR_Click()
{
    appliquerAuDessus(forme_.TopR_Click());
}

void Fond::appliquerAuDessus(bool auDessus)
{
    // Once per change: the window manager is told only when the state really changes.
    if (auDessus == auDessus_)
        return;
    auDessus_ = auDessus;
    telecommande_->afficherAuDessus(auDessus);
    afficher_->afficherAuDessus(auDessus);
    Qt::WindowFlags drapeaux = windowFlags();
    drapeaux.setFlag(Qt::WindowStaysOnTopHint, auDessus);
    if (surX11()) {
        // Told to the window manager directly: the toolkit's window keeps the flags it was
        // made with, so that it is never made anew (see AuDessusX11.h). The widget's flags
        // still say the state.
        winId();
        overrideWindowFlags(drapeaux);
        definirAuDessusX11(*this, auDessus, isVisible());
        return;
    }
    if (QWindow* w = windowHandle(); w && isVisible()) {
        // A shown window keeps its place: only the stacking hint changes.
        overrideWindowFlags(drapeaux);
        w->setFlags(drapeaux);
    } else {
        setWindowFlags(drapeaux);
    }
}

QMargins Fond::margesCadre() const
{
    const QRect cadre = frameGeometry(), client = geometry();
    return {client.left() - cadre.left(), client.top() - cadre.top(), cadre.right() - client.right(),
            cadre.bottom() - client.bottom()};
}

void Fond::deplacerCadre(const QPoint& position)
{
    // Just out of full screen the desktop has not framed the window again yet and the frame
    // is still taken as none: the client goes where the frame of before would put it.
    const QMargins m = margesAvantPleinEcran_;
    if (!(windowState() & Qt::WindowFullScreen) && margesCadre().isNull() && !m.isNull()) {
        setGeometry(QRect(position + QPoint(m.left(), m.top()), size()));
        return;
    }
    move(position);
}

PlacementFenetre Fond::placement() const
{
    PlacementFenetre p;
    if (const QScreen* s = screen()) {
        p.ecran = s->availableGeometry();
        p.ecranEntier = s->geometry();
    }
    p.position = pos();
    p.cadre = margesCadre();
    // In full screen, or just out of it, the frame to reckon with is the one it had before.
    if (p.cadre.isNull() || (windowState() & Qt::WindowFullScreen))
        p.cadre = margesAvantPleinEcran_.isNull() ? p.cadre : margesAvantPleinEcran_;
    return p;
}

void Fond::appliquerForme(const TransitionForme& t)
{
    if (t.vide())
        return;
    if (t.animee() && !enAnimation_) {
        enAnimation_ = true;
        actualiserActivation();
        emit animationCommencee();
    }
    mosaique_ = mosaique_ || t.mosaique;
    enAttente_.insert(enAttente_.end(), t.phases.begin(), t.phases.end());
    if (!pas_.isActive())
        avancer();
}

void Fond::avancer()
{
    // One size per step; a phase's frames go with its first size and its move after its last.
    while (!enAttente_.empty()) {
        const PhaseForme& phase = enAttente_.front();
        if (indice_ == 0)
            appliquerCadres(phase);
        if (indice_ < phase.tailles.size()) {
            setFixedSize(FormeFenetre::enPixels(phase.tailles[indice_++]));
            if (indice_ < phase.tailles.size()) {
                pas_.start();
                return;
            }
        }
        if (phase.position)
            deplacerCadre(*phase.position);
        if (phase.pleinEcranBureau.value_or(false)) {
            margesAvantPleinEcran_ = margesCadre();
            setWindowState(windowState() | Qt::WindowFullScreen);
        }
        enAttente_.pop_front();
        indice_ = 0;
    }
    // The mini-screen and full screen show the media pane's video alone.
    if (!forme_.voletEstOuvert() && !forme_.miniEcran())
        volet_->hide();
    telecommande_->afficherVolets(forme_.estOuvert(Volet::Afficher), forme_.estOuvert(Volet::Guider),
                                  forme_.estOuvert(Volet::Diffuser));
    gras(Mini, forme_.estTelecommande());
    if (mosaique_) {
        mosaique_ = false;
        emit mosaiqueDemandee();
    }
    if (enAnimation_) {
        enAnimation_ = false;
        actualiserActivation();
        emit animationTerminee();
    }
    if (focusAPlacer_) {
        focusAPlacer_ = false;
        placerFocus();
    }
}

void Fond::placerFocus()
{
    // A hidden control keeps the focus when no other can take it. In the mini-screen and full
    // screen the window itself takes it; back in the pane, the channel list.
    QWidget* focus = focusWidget();
    const bool perdu = !focus || focus == this || !focus->isVisible();
    if (!perdu)
        return;
    if (forme_.miniEcran()) {
        if (focus && focus != this)
            setFocus();
    } else if (chaines_->isVisible()) {
        chaines_->setFocus();
    }
}

void Fond::appliquerCadres(const PhaseForme& phase)
{
    if (phase.arreterVue)
        emit arretVueDemande();
    if (phase.pleinEcranBureau == false && (windowState() & Qt::WindowFullScreen))
        setWindowState(windowState() & ~Qt::WindowFullScreen);
    if (phase.voletAffiche) {
        QWidget* cadres[] = {nullptr, fond1b_, fond1c_, fond1a_};
        if (QWidget* c = cadres[static_cast<int>(*phase.voletAffiche)]) {
            volet_->setCurrentWidget(c);
            volet_->show();
        }
    }
    if (phase.fond1bis)
        fond1bis_->setVisible(*phase.fond1bis);
    if (phase.vueSeule)
        appliquerVueSeule(*phase.vueSeule, phase.tailles.empty() ? forme_.taille() : phase.tailles.back());
    if (phase.auDessus)
        appliquerAuDessus(*phase.auDessus);
    if (phase.favorisDevant && *phase.favorisDevant != favorisDevant_)
        Fav_Click();
}

void Fond::actualiserActivation()
{
    setEnabled(actifMoteur_ && !enAnimation_ && !connexion_);
}

void Fond::installerOptions(QWidget* fond2)
{
    if (fond2_ || !fond2)
        return;
    fond2_ = fond2;
    fond2_->setParent(this);
    // Its background drags the window too.
    fond2_->installEventFilter(this);
    // In the place of the normal window's part of the main panel.
    fond2_->setGeometry(QRect(QPoint(0, 0), FormeFenetre::enPixels(FormeFenetre().taille())));
    fond2_->hide();
}

void Fond::Options_Click()
{
    if (!fond2_ || optionsOuvertes_)
        return;
    appliquerForme(forme_.ReplierVolet(placement()));
    optionsOuvertes_ = true;
    fond1_->hide();
    volet_->hide();
    fond2_->show();
}

void Fond::Retour_Click()
{
    if (!fond2_ || !optionsOuvertes_)
        return;
    optionsOuvertes_ = false;
    fond2_->hide();
    fond1_->show();
    // The form did not change while the pane was open: its size comes back.
    if (const QSize t = forme_.taille(); !t.isEmpty())
        setFixedSize(FormeFenetre::enPixels(t));
}

void Fond::definirTexture(const QPixmap& image)
{
    if (textures_.empty()) {
        std::vector<QWidget*> cadres{fond1_, fond1a_, fond1b_, fond1c_, fond1bis_};
        if (auto* favoris = chaines_->findChild<QWidget*>("Favoris"))
            cadres.push_back(favoris);
        for (QWidget* c : cadres)
            textures_.push_back(new ImageTexture(c, fond1_));
    }
    for (ImageTexture* t : textures_)
        t->definir(image);
}

void Fond::fermer(bool sansQuestion)
{
    sansQuestion_ = sansQuestion;
    close();
}

void Fond::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    // Shown again (from the notification area): the window manager may have dropped the state
    // when the window was hidden; it reads it again as the window is mapped, right after this.
    if (!e->spontaneous() && surX11())
        definirAuDessusX11(*this, auDessus_, false);
}

void Fond::changeEvent(QEvent* e)
{
    QWidget::changeEvent(e);
    // Minimised by the window manager too: the window goes to the notification area. Later,
    // once the state change has settled.
    if (e->type() == QEvent::WindowStateChange && isMinimized())
        QMetaObject::invokeMethod(this, [this] {
            if (isMinimized() && !fermetureAcceptee_)
                sysTray_->MinToSysTray();
        }, Qt::QueuedConnection);
}

bool Fond::eventFilter(QObject* objet, QEvent* e)
{
    // The pane buttons only lose the second click of a double-click.
    if (qobject_cast<QPushButton*>(objet))
        return e->type() == QEvent::MouseButtonDblClick;
    // A left press on a background frame, then a move with the button held past the drag
    // distance, moves the window: a plain click moves nothing. Under X11 the window is moved
    // here, from the pointer's global positions: the window system's own move would start
    // from the last place the top-level saw the pointer, stale once its children are native
    // windows (the live view's). Elsewhere the window system moves it when it can.
    switch (e->type()) {
    case QEvent::MouseButtonPress: {
        auto* m = static_cast<QMouseEvent*>(e);
        if (m->button() != Qt::LeftButton)
            break;
        appui_ = true;
        glisse_ = false;
        depart_ = m->globalPosition().toPoint();
        prise_ = depart_ - pos();
        return true;
    }
    case QEvent::MouseMove: {
        if (!appui_ && !glisse_)
            break;
        auto* m = static_cast<QMouseEvent*>(e);
        if (!(m->buttons() & Qt::LeftButton)) {
            // Its release went elsewhere.
            appui_ = glisse_ = false;
            break;
        }
        const QPoint ici = m->globalPosition().toPoint();
        if (appui_) {
            if ((ici - depart_).manhattanLength() < QGuiApplication::styleHints()->startDragDistance())
                return true;
            appui_ = false;
            if (!surX11() && windowHandle() && windowHandle()->startSystemMove())
                return true;
            glisse_ = true;
        }
        move(ici - prise_);
        return true;
    }
    case QEvent::MouseButtonRelease:
        if ((appui_ || glisse_) && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
            appui_ = glisse_ = false;
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(objet, e);
}

void Fond::closeEvent(QCloseEvent* e)
{
    if (fermetureAcceptee_) {
        e->accept();
        return;
    }
    if (gardienFermeture_ && !gardienFermeture_(!sansQuestion_)) {
        sansQuestion_ = false;
        e->ignore();
        return;
    }
    fermetureAcceptee_ = true;
    sysTray_->RemoveFromSysTray();
    e->accept();
    emit fermee();
}

void Fond::activer(bool actif)
{
    actifMoteur_ = actif;
    actualiserActivation();
}

void Fond::attendreConnexion(bool enCours)
{
    connexion_ = enCours;
    actualiserActivation();
}

void Fond::reprendreFocus()
{
    if (isVisible()) {
        raise();
        activateWindow();
    }
}

void Fond::afficherTampon(int etape)
{
    tampon_->afficherEtape(etape);
}

void Fond::afficherDuree(bool visible, const QString& texte, bool annulerActif)
{
    fond1_->setEnabled(!visible);
    if (!visible) {
        duree_->hide();
        return;
    }
    duree_->afficher(texte, annulerActif, mapFromGlobal(QCursor::pos()));
}
