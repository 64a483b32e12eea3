#include "shell/CadreOptions.h"

#include "engine/EtatFenetre.h"
#include "engine/OuvertureOptions.h"
#include "panes/EditeurFavoris.h"
#include "platform/Twips.h"
#include "shell/AppliqueurForme.h"
#include "shell/PanneauOptions.h"

#include <QApplication>
#include <QWidget>

namespace {
// The first control of `cadre` that the Tab key reaches and that is in sight.
void focaliserPremier(QWidget& cadre)
{
    for (QWidget* w = cadre.nextInFocusChain(); w && w != &cadre; w = w->nextInFocusChain())
        if (cadre.isAncestorOf(w) && w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)) {
            w->setFocus(Qt::OtherFocusReason);
            return;
        }
}
}  // namespace

CadreOptions::CadreOptions(QWidget& fenetre, QWidget& fond1, QWidget& volet, AppliqueurForme& formes,
                           QObject& glisser, EtatFenetre& etat)
    : QObject(&fenetre), fenetre_(fenetre), fond1_(fond1), volet_(volet), formes_(formes), glisser_(glisser)
{
    connect(&etat, &EtatFenetre::optionsOuvertesChangees, this, &CadreOptions::montrer);
}

void CadreOptions::installer(QWidget* fond2)
{
    if (fond2_ || !fond2)
        return;
    fond2_ = fond2;
    fond2_->setParent(&fenetre_);
    // Its background drags the window too.
    fond2_->installEventFilter(&glisser_);
    // In the place of the normal window's part of the main panel.
    fond2_->setGeometry(QRect(QPoint(0, 0), versPixels(FormeFenetre().taille())));
    fond2_->hide();
}

void CadreOptions::ouvrir(const OuvertureOptions& o)
{
    auto* p = qobject_cast<PanneauOptions*>(fond2_);
    if (!fond2_) {
        p = new PanneauOptions(o.dossierProgramme);
        p->definirAdressesWeb(o.site, o.forum);
        p->favoris().definirChaines(o.chaines);
        installer(p);
        emit construit(*p);
    }
    emplacement_ = o.emplacement;
    if (!p)
        return;
    if (o.onglet > 0)
        p->Onglets_Click(o.onglet);
    p->afficher(o.valeurs);
    p->favoris().afficher(o.valeurs.favoris, o.groupe);
}

void CadreOptions::montrer(bool ouvertes)
{
    if (!fond2_)
        return;
    if (!ouvertes) {
        const bool focusDedans = fond2_->isAncestorOf(QApplication::focusWidget());
        fond1_.show();
        fond2_->hide();
        if (focusDedans)
            focaliserPremier(fond1_);
        // The form did not change while the pane was open: its size comes back.
        if (const QSize t = formes_.forme().taille(); !t.isEmpty())
            fenetre_.setFixedSize(versPixels(t));
        return;
    }
    formes_.ReplierVolet();
    fond1_.hide();
    volet_.hide();
    fond2_->show();
    // The focus follows into the pane: the button that opened it is hidden now.
    if (auto* p = qobject_cast<PanneauOptions*>(fond2_)) {
        if (emplacement_ > 0)
            p->favoris().focaliser(emplacement_);
        else
            p->focaliser();
    } else {
        fond2_->setFocus(Qt::OtherFocusReason);
    }
    emplacement_ = 0;
}
