#include "shell/Fond.h"

#include "engine/EtatFenetre.h"
#include "panes/Boutons.h"
#include "panes/TexteBrut.h"
#include "panes/PanneauChaines.h"
#include "panes/VoletAfficher.h"
#include "panes/VoletGuide.h"
#include "panes/VoletProgrammation.h"
#include "panes/VueChaine.h"
#include "platform/Twips.h"
#include "shell/BarreTampon.h"
#include "shell/CadreOptions.h"
#include "shell/FonduEntree.h"
#include "shell/GlisserFenetre.h"
#include "shell/Icones.h"
#include "shell/PanneauTelecommande.h"
#include "shell/PopupDuree.h"
#include "shell/TexturesCadres.h"
#include "shell/VoletDiffusion.h"
#include "shell/VoletsLateraux.h"
#include "shell/clsSysTray.h"

#include <QCloseEvent>
#include <QCursor>
#include <QFrame>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStackedWidget>

namespace {
QFrame* cadre(QWidget* parent, const char* nom)
{
    auto* f = new QFrame(parent);
    f->setObjectName(QString::fromUtf8(nom));
    return f;
}
}  // namespace

Fond::Fond(EtatFenetre& etat, QWidget* parent)
    : QWidget(parent),
      Mini(nouveauBouton(nullptr, "Mini", "Mini")),
      GoAfficher(nouveauBouton(nullptr, "GoAfficher", "Afficher")),
      GoGuider(nouveauBouton(nullptr, "GoGuider", "Guider")),
      GoDiffuser(nouveauBouton(nullptr, "GoDiffuser", "Mosaïque")),
      ProgChaine2(nouveauBouton(nullptr, "ProgChaîne2", "")),
      etat_(etat)
{
    construire();
}

void Fond::construire()
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

    // The side pane, right of the remote control: the re-broadcast, media and guide panes,
    // each built when first needed.
    volets_ = new VoletsLateraux(*fond1_);
    connect(volets_, &VoletsLateraux::construit, this, &Fond::voletConstruit);

    // The background frames move the window when dragged.
    glisser_ = new GlisserFenetre(*this);
    for (QWidget* w : {static_cast<QWidget*>(fond1_), static_cast<QWidget*>(fond1bis_)})
        w->installEventFilter(glisser_);
    if (auto* favoris = chaines_->findChild<QWidget*>("Favoris"))
        favoris->installEventFilter(glisser_);
    auto* sansDoubleClic = new SansDoubleClic(this);
    telecommande_->filtrerBoutonsVolets(sansDoubleClic);
    for (QWidget* b : {static_cast<QWidget*>(GoAfficher), static_cast<QWidget*>(GoGuider), static_cast<QWidget*>(GoDiffuser)})
        b->installEventFilter(sansDoubleClic);

    tampon_ = new BarreTampon(this);
    duree_ = new PopupDuree(this);

    ControlesForme controles{this, fond1_, fond1bis_, volets_, chaines_, telecommande_, Mini};
    appliqueur_ = new AppliqueurForme(controles, etat_, this);
    connect(appliqueur_, &AppliqueurForme::animationCommencee, this, [this] {
        enAnimation_ = true;
        actualiserActivation();
    });
    connect(appliqueur_, &AppliqueurForme::animationTerminee, this, [this] {
        enAnimation_ = false;
        actualiserActivation();
    });
    connect(&etat_, &EtatFenetre::favorisDevantChange, chaines_, &PanneauChaines::montrerFavoris);
    cadreOptions_ = new CadreOptions(*this, *fond1_, volets_->pile(), *appliqueur_, *glisser_, etat_);
    fondu_ = new FonduEntree(*this);
    textures_ = std::make_unique<TexturesCadres>(*fond1_);

    sysTray_ = new clsSysTray(this);
    sysTray_->setSourceWindow(this);
    sysTray_->ChangeIcon(IconeRepos());
    sysTray_->ChangeToolTip("Kelmor");
}

Fond::~Fond() = default;

VoletProgrammation& Fond::programmation() const
{
    return volets_->programmation();
}

VoletGuide& Fond::guide() const
{
    return volets_->guide();
}

VoletAfficher& Fond::afficher() const
{
    return volets_->afficher();
}

VoletDiffusion& Fond::diffusion() const
{
    return volets_->diffusion();
}

void Fond::voletConstruit(Volet v)
{
    QWidget* cadre = volets_->cadre(v);
    cadre->installEventFilter(glisser_);
    // The texture laid already goes under the new pane too.
    textures_->ajouterCadre(cadre);
}

void Fond::definirGardienFermeture(std::function<bool(bool)> gardien)
{
    gardienFermeture_ = std::move(gardien);
}

void Fond::selectionnerChaine(int index, const VueChaine& vue)
{
    chaines_->selectionner(index, vue);
    telecommande_->afficherChaine(vue);
    ProgChaine2->setText(legendeBrute(vue.progChaine2));
    // A pane built later shows the selection then (the wiring shows it what it missed).
    if (volets_->estConstruit(Volet::Guider))
        volets_->programmation().definirChaine(vue.progChaine);
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
    if (volets_->estConstruit(Volet::Diffuser))
        volets_->diffusion().definirIconeEnregistrement(enregistrement);
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

void Fond::fonduEntree()
{
    fondu_->demarrer();
}

void Fond::minimiser()
{
    sysTray_->MinToSysTray();
}

void Fond::actualiserActivation()
{
    setEnabled(actifMoteur_ && !enAnimation_ && !connexion_);
}

QWidget* Fond::options() const
{
    return cadreOptions_->panneau();
}

void Fond::definirTexture(const QPixmap& image)
{
    std::vector<QWidget*> cadres;
    if (!textures_->posees()) {
        cadres = {fond1_, fond1bis_};
        if (auto* favoris = chaines_->findChild<QWidget*>("Favoris"))
            cadres.push_back(favoris);
        for (Volet v : {Volet::Diffuser, Volet::Afficher, Volet::Guider})
            if (volets_->estConstruit(v))
                cadres.push_back(volets_->cadre(v));
    }
    textures_->definir(image, cadres);
}

void Fond::fermer(bool sansQuestion)
{
    sansQuestion_ = sansQuestion;
    close();
}

void Fond::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    // Shown again (from the notification area): the stacking state is told anew.
    if (!e->spontaneous())
        appliqueur_->fenetreAffichee();
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
    // The answer came: the keyboard goes back to the channel list.
    if (!enCours)
        chaines_->setFocus();
}

void Fond::reprendreFocus()
{
    if (isVisible()) {
        raise();
        activateWindow();
    }
}

void Fond::avertirExtinction(const QString& avis)
{
    if (isHidden() || isMinimized())
        sysTray_->restaurer();
    appliqueur_->montrerProgrammation();
    raise();
    activateWindow();
    sysTray_->avertir(avis);
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
