#include "shell/Fond.h"

#include "panes/PanneauChaines.h"
#include "panes/VoletProgrammation.h"
#include "panes/VueChaine.h"
#include "shell/BarreTampon.h"
#include "shell/Icones.h"
#include "shell/PanneauTelecommande.h"
#include "shell/PopupDuree.h"
#include "shell/Textures.h"
#include "shell/Twips.h"
#include "shell/clsSysTray.h"

#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QScreen>
#include <QStackedWidget>

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
    chaines_ = new PanneauChaines(fond1_);
    telecommande_ = new PanneauTelecommande(fond1_);
    principal->addWidget(chaines_, 1);
    principal->addWidget(telecommande_);
    racine->addWidget(fond1_, 1);

    volet_ = new QStackedWidget(this);
    volet_->setObjectName("Volet");
    programmation_ = new VoletProgrammation(volet_);
    volet_->addWidget(programmation_);
    volet_->hide();
    racine->addWidget(volet_, 2);

    tampon_ = new BarreTampon(this);
    duree_ = new PopupDuree(this);

    layout()->activate();
    resize(sizeHint().expandedTo(QSize(560, 420)));

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
    programmation_->definirChaine(vue.progChaine);
}

void Fond::definirTitre(const QString& titre)
{
    setWindowTitle(titre);
}

void Fond::definirIconeEnregistrement(bool enregistrement)
{
    const QIcon i = enregistrement ? IconeEnregistrement() : IconeRepos();
    setWindowIcon(i);
    sysTray_->ChangeIcon(i);
}

QSize Fond::tailleEcran() const
{
    QScreen* s = QGuiApplication::primaryScreen();
    const QSize px = s ? s->availableGeometry().size() : QSize(1024, 768);
    return {versTwips(px.width()), versTwips(px.height())};
}

QSize Fond::tailleFenetre() const
{
    return {versTwips(width()), versTwips(height())};
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
    setWindowOpacity(0.0);
    show();
    for (const int alpha : EtapesFondu()) {
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
    favorisDevant_ = !favorisDevant_;
    chaines_->montrerFavoris(favorisDevant_);
}

bool Fond::Guider_Click()
{
    appliquerForme(forme_.basculerVolet(Volet::Guider, placement()));
    return forme_.estOuvert(Volet::Guider);
}

PlacementFenetre Fond::placement() const
{
    PlacementFenetre p;
    if (const QScreen* s = screen())
        p.ecran = s->availableGeometry();
    p.position = pos();
    const QRect cadre = frameGeometry(), client = geometry();
    p.cadre = QMargins(client.left() - cadre.left(), client.top() - cadre.top(), cadre.right() - client.right(),
                       cadre.bottom() - client.bottom());
    return p;
}

void Fond::appliquerForme(const TransitionForme& t)
{
    if (t.vide())
        return;
    volet_->setVisible(forme_.voletEstOuvert());
    telecommande_->afficherGuideOuvert(forme_.estOuvert(Volet::Guider));
    layout()->activate();
    resize(size().expandedTo(minimumSizeHint()));
    // Widening must not take the window past the screen's right edge.
    if (const QScreen* s = screen()) {
        const QRect ecran = s->availableGeometry();
        const QRect cadre = frameGeometry();
        if (cadre.right() > ecran.right())
            move(std::max(ecran.left(), pos().x() - (cadre.right() - ecran.right())), pos().y());
    }
}

void Fond::installerOptions(QWidget* fond2)
{
    if (fond2_ || !fond2)
        return;
    fond2_ = fond2;
    fond2_->setParent(this);
    fond2_->hide();
    static_cast<QHBoxLayout*>(layout())->insertWidget(1, fond2_, 1);
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
        resize(FormeFenetre::enPixels(t).expandedTo(minimumSizeHint()));
}

void Fond::definirTexture(const QPixmap& image)
{
    if (!texture1_)
        texture1_ = new ImageTexture(fond1_);
    texture1_->definir(image);
}

void Fond::fermer(bool sansQuestion)
{
    sansQuestion_ = sansQuestion;
    close();
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
    setEnabled(actif);
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
