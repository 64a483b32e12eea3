#include "shell/VoletsLateraux.h"

#include "panes/VoletAfficher.h"
#include "panes/VoletGuide.h"
#include "panes/VoletProgrammation.h"
#include "platform/Twips.h"
#include "shell/VoletDiffusion.h"

#include <QStackedWidget>

VoletsLateraux::VoletsLateraux(QWidget& fond1) : QObject(&fond1), pile_(new QStackedWidget(&fond1))
{
    pile_->setObjectName("Volet");
    pile_->setGeometry(rectPixels(4440, 0, 5535, 5175));
    pile_->hide();
}

void VoletsLateraux::ajouter(Volet v, QWidget* cadre)
{
    pile_->addWidget(cadre);
    emit construit(v);
}

VoletAfficher& VoletsLateraux::afficher()
{
    if (!afficher_) {
        afficher_ = new VoletAfficher(pile_);
        ajouter(Volet::Afficher, afficher_);
        emit afficherConstruit(*afficher_);
    }
    return *afficher_;
}

VoletGuide& VoletsLateraux::guide()
{
    if (!guide_) {
        // The guide pane holds the schedule on its first tab.
        programmation_ = new VoletProgrammation;
        guide_ = new VoletGuide(programmation_, pile_);
        ajouter(Volet::Guider, guide_);
        emit guideConstruit(*guide_, *programmation_);
    }
    return *guide_;
}

VoletProgrammation& VoletsLateraux::programmation()
{
    guide();
    return *programmation_;
}

VoletDiffusion& VoletsLateraux::diffusion()
{
    if (!diffusion_) {
        diffusion_ = new VoletDiffusion(pile_);
        ajouter(Volet::Diffuser, diffusion_);
        emit diffusionConstruit(*diffusion_);
    }
    return *diffusion_;
}

QWidget* VoletsLateraux::cadre(Volet v)
{
    switch (v) {
    case Volet::Afficher:
        return &afficher();
    case Volet::Guider:
        return &guide();
    case Volet::Diffuser:
        return &diffusion();
    case Volet::Aucun:
        break;
    }
    return nullptr;
}

bool VoletsLateraux::estConstruit(Volet v) const
{
    switch (v) {
    case Volet::Afficher:
        return afficher_;
    case Volet::Guider:
        return guide_;
    case Volet::Diffuser:
        return diffusion_;
    case Volet::Aucun:
        break;
    }
    return false;
}
